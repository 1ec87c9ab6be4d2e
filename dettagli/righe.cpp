#include "dettagli/righe.h"

#include <algorithm>
#include <charconv>
#include <stdexcept>

#include "calc/testo.h"

namespace flumetra::dettagli {
namespace {

std::string scritto(std::optional<Reale> valore, int cifre) {
    return valore ? cifreSignificative(*valore, cifre) : std::string(nessunValore);
}

std::string esatto(std::optional<Reale> valore) { return valore ? RealeInTesto(*valore) : std::string(nessunValore); }

std::string_view comeTrovato(const Dettagli& d) { return d.laminare ? "moto laminare, 64/Re" : "Colebrook"; }

const std::optional<DiametroDiSerie>* diametroDiSerie(const Dettagli& d, std::size_t lato) {
    return d.EN1506 ? &(*d.EN1506)[lato] : nullptr;
}

}  // namespace

const RigaDettaglio& riga(std::string_view chiave) {
    const auto trovata = std::find_if(righeDettagli.begin(), righeDettagli.end(),
                                      [&](const RigaDettaglio& r) { return r.chiave == chiave; });
    if (trovata == righeDettagli.end()) throw std::out_of_range("no details row " + std::string(chiave));
    return *trovata;
}

std::string cifreSignificative(Reale valore, int n) {
    std::array<char, 40> buffer{};
    const auto scritto =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), valore, std::chars_format::scientific, n - 1);
    Reale arrotondato = 0;
    std::from_chars(buffer.data(), scritto.ptr, arrotondato);
    return RealeInTesto(arrotondato);
}

std::string testoDi(const RigaDettaglio& r, const Dettagli& d) {
    switch (r.scrittura) {
        case Scrittura::TreCifre: return scritto(d.*r.valore, 3);
        case Scrittura::CinqueCifre: return scritto(d.*r.valore, 5);
        case Scrittura::Esatta: return esatto(d.*r.valore);
        case Scrittura::Attrito:
            if (!(d.*r.valore)) return std::string(nessunValore);
            return scritto(d.*r.valore, 3) + " (" + std::string(comeTrovato(d)) + ")";
        case Scrittura::Serie: break;
    }
    return testoDellaSerie(d, 0) + "; " + testoDellaSerie(d, 1);
}

std::string testoDellaSerie(const Dettagli& d, std::size_t lato) {
    const auto* serie = diametroDiSerie(d, lato);
    if (serie == nullptr || !*serie) return std::string(nessunValore);
    const DiametroDiSerie& s = **serie;
    return "D " + InteroInTesto(s.D) + ": v " + esatto(s.v) + " m/s, Y " + esatto(s.Y) + ' ' +
           std::string(mmcaAlMetro) + ", R " + scritto(s.R_Pa_m, 3) + " Pa/m";
}

std::vector<Voce> voci(const Dettagli& d) {
    std::vector<Voce> v;
    for (const RigaDettaglio& r : righeDettagli) {
        if (r.scrittura != Scrittura::Serie) {
            v.push_back({std::string(r.etichetta),
                         r.scrittura == Scrittura::Attrito ? scritto(d.*r.valore, 3) : testoDi(r, d),
                         std::string(r.unita)});
            if (r.scrittura == Scrittura::Attrito) {
                v.push_back({"Calcolo di λ", d.lambda ? std::string(comeTrovato(d)) : std::string(nessunValore), ""});
            }
            continue;
        }
        for (std::size_t lato = 0; lato < latiDellaSerie.size(); ++lato) {
            const auto* serie = diametroDiSerie(d, lato);
            const DiametroDiSerie* s = serie != nullptr && *serie ? &**serie : nullptr;
            const std::string prima = "EN 1506 " + std::string(latiDellaSerie[lato]) + ": ";
            v.push_back({prima + "diametro D", s != nullptr ? InteroInTesto(s->D) : std::string(nessunValore), "mm"});
            v.push_back({prima + "velocità v", esatto(s != nullptr ? s->v : std::nullopt), "m/s"});
            v.push_back({prima + "perdita Y", esatto(s != nullptr ? s->Y : std::nullopt), std::string(mmcaAlMetro)});
            v.push_back({prima + "perdita per attrito R", scritto(s != nullptr ? s->R_Pa_m : std::nullopt, 3), "Pa/m"});
        }
    }
    return v;
}

}  // namespace flumetra::dettagli
