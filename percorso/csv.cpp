#include "percorso/csv.h"

#include <array>
#include <string_view>
#include <variant>

#include "calc/testo.h"
#include "percorso/testo_fisso.h"

namespace flumetra::percorso {
namespace {

constexpr std::string_view bom = "\xEF\xBB\xBF";
constexpr std::string_view fineRiga = "\r\n";

std::string campo(std::string_view testo) {
    if (testo.find_first_of(";\"\r\n") == std::string_view::npos) return std::string(testo);
    std::string s = "\"";
    for (const char c : testo) {
        if (c == '"') s += '"';
        s += c;
    }
    return s + '"';
}

template <typename Valore, typename Testo>
std::string seDato(const std::optional<Valore>& v, Testo testo, const std::string& altrimenti = {}) {
    return v ? testo(*v) : altrimenti;
}

void riga(std::string& s, std::initializer_list<std::string> campi) {
    bool primo = true;
    for (const std::string& c : campi) {
        if (!primo) s += ';';
        s += campo(c);
        primo = false;
    }
    s += fineRiga;
}

}  // namespace

std::string paroleDegliAvvisi(const RisultatoTratto& r) {
    std::string s;
    auto aggiungi = [&s](bool acceso, std::string_view parola) {
        if (!acceso) return;
        if (!s.empty()) s += ", ";
        s += parola;
    };
    aggiungi(r.avvisi.velocita, "velocità");
    aggiungi(r.avvisi.perdita, "perdita");
    aggiungi(r.avvisi.nessuna_misura, "nessuna misura");
    aggiungi(r.avvisi.senza_portata, "senza portata");
    aggiungi(r.avvisi.ruolo, "ruolo");
    aggiungi(r.fallimento.has_value(), "calcolo non riuscito");
    return s;
}

std::string senzaValore(const RisultatoTratto& r) { return r.avvisi.senza_portata ? "—" : ""; }

std::string csv(const Percorso& percorso, const Risultati& risultati) {
    auto fisso = [](int decimali) { return [decimali](Reale x) { return testoFisso(x, decimali); }; };
    const auto intero = [](Intero x) { return InteroInTesto(x); };
    const auto pressione = fisso(decimaliPressione);

    std::string s(bom);
    riga(s, {"id",
             "monte",
             "ruolo",
             "forma",
             "A [mm]",
             "B [mm]",
             "D o De [mm]",
             "L [m]",
             "G [m³/h]",
             "v [m/s]",
             "R [Pa/m]",
             "Δp attrito [Pa]",
             "Σζ",
             "pd [Pa]",
             "Δp accidentali [Pa]",
             "Δp tratto [Pa]",
             "p fine [Pa]",
             "Δp terminale [Pa]",
             "p terminale [Pa]",
             "da tarare [Pa]",
             "superficie [m²]",
             "avvisi"});
    for (std::size_t i = 0; i < percorso.tratti.size(); ++i) {
        const Tratto& t = percorso.tratti[i];
        const RisultatoTratto& r = risultati.tratti[i];
        const auto* rettangolo = std::get_if<Rettangolare>(&t.forma);
        const std::optional<Perdite>& p = r.perdite;
        const std::string manca = senzaValore(r);
        auto perdita = [&p, &manca](Reale Perdite::*membro, int decimali) {
            return p ? testoFisso((*p).*membro, decimali) : manca;
        };
        riga(s, {t.id,
                 t.monte.value_or(""),
                 std::string(parolaDi(t.ruolo)),
                 std::string(parolaDi(t.forma)),
                 rettangolo ? InteroInTesto(rettangolo->A) : "",
                 rettangolo ? seDato(r.B, intero, manca) : "",
                 seDato(r.D, intero, manca),
                 RealeInTesto(t.L),
                 InteroInTesto(r.G),
                 perdita(&Perdite::v, decimaliVelocita),
                 perdita(&Perdite::R_Pa_m, decimaliPerdita),
                 perdita(&Perdite::dp_attrito, decimaliPressione),
                 RealeInTesto(t.zeta),
                 perdita(&Perdite::pd, decimaliPressione),
                 perdita(&Perdite::dp_accidentali, decimaliPressione),
                 perdita(&Perdite::dp_tratto, decimaliPressione),
                 seDato(r.p_fine, pressione, manca),
                 RealeInTesto(t.dp_terminale),
                 seDato(r.p_terminale, pressione),
                 seDato(r.da_tarare, pressione),
                 seDato(r.superficie_m2, fisso(decimaliSuperficie), manca),
                 paroleDegliAvvisi(r)});
    }

    s += fineRiga;
    riga(s, {"Portata al ventilatore [m³/h]", InteroInTesto(risultati.G_ventilatore)});
    riga(s, {"Pressione al ventilatore [Pa]", seDato(risultati.p_ventilatore, pressione)});
    riga(s, {"Percorso indice", percorsoIndice(percorso, risultati)});
    riga(s, {"Superficie [m²]", seDato(risultati.superficie_m2, fisso(decimaliSuperficie))});
    return s;
}

}  // namespace flumetra::percorso
