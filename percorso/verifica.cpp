#include "percorso/verifica.h"

#include <cmath>
#include <cstdint>
#include <string>
#include <variant>

#include "calc/testo.h"
#include "percorso/campi.h"
#include "percorso/impostazioni.h"
#include "percorso/nomi.h"
#include "percorso/verifica_raccordi.h"

namespace flumetra::percorso {
namespace {

std::optional<Rifiuto> fuori(std::string_view luogo, Reale valore, Intervallo intervallo,
                             std::optional<std::size_t> tratto = std::nullopt) {
    if (intervallo.contiene(valore)) return std::nullopt;
    return Rifiuto{Motivo::FuoriIntervallo, fuoriIntervallo(luogo, valore, intervallo), tratto};
}

// The place named only when the value is out: this runs on every recompute.
std::optional<Rifiuto> fuoriNelTratto(std::size_t i, const Tratto& t, std::string_view campo, Reale valore,
                                      Intervallo intervallo) {
    if (intervallo.contiene(valore)) return std::nullopt;
    return fuori(luogoDelTratto(i, t.id) + ", " + std::string(campo), valore, intervallo, i);
}

std::optional<Rifiuto> primoFuori(const Percorso& p) {
    for (const DatiImpostazione& d : tabellaImpostazioni) {
        if (!d.parole.empty()) continue;  // a choice is one of its words
        const Reale x = d.valore(p);
        if (!d.intervallo.contiene(x)) return fuori(luogoDi(d), x, d.intervallo);
    }
    for (std::size_t i = 0; i < p.tratti.size(); ++i) {
        const Tratto& t = p.tratti[i];
        for (const DatiCampo& d : tabellaCampi) {
            if (d.genere != Genere::Numero) continue;
            const std::optional<Reale> x = d.valore(t);
            if (!x) continue;
            if (auto r = fuoriNelTratto(i, t, d.nome, *x, intervalloDi(d, eTondo(t)))) return r;
        }
        if (auto r = raccordoNonAmmesso(i, t)) return r;
    }
    return std::nullopt;
}

}  // namespace

std::variant<Albero, Rifiuto> verificaConAlbero(const Percorso& p) {
    if (auto r = primoFuori(p)) return *r;
    auto albero = costruisciAlbero(p.tratti);
    if (std::holds_alternative<Rifiuto>(albero)) return albero;

    // The flow at the fan: every section's own, summed up the tree.
    const auto& a = std::get<Albero>(albero);
    std::vector<std::int64_t> portate(p.tratti.size());
    for (std::size_t i = 0; i < p.tratti.size(); ++i) portate[i] = p.tratti[i].G;
    for (std::size_t k = a.ordine.size() - 1; k > 0; --k) portate[a.monte[a.ordine[k]]] += portate[a.ordine[k]];
    const std::size_t ventilatore = a.ordine.front();
    const Tratto& t = p.tratti[ventilatore];
    if (auto r = fuoriNelTratto(ventilatore, t, "portata al ventilatore", static_cast<Reale>(portate[ventilatore]),
                                intervalloG)) {
        return *r;
    }
    return albero;
}

std::string fuoriIntervallo(std::string_view luogo, Reale valore, Intervallo intervallo) {
    const std::string testo = std::isfinite(valore) ? RealeInTesto(valore) : "un valore non finito";
    return std::string(luogo) + ": " + testo + " è fuori dall'intervallo " + RealeInTesto(intervallo.minimo) + " – " +
           RealeInTesto(intervallo.massimo);
}

std::optional<Rifiuto> verifica(const Percorso& percorso) {
    auto esito = verificaConAlbero(percorso);
    if (auto* r = std::get_if<Rifiuto>(&esito)) return std::move(*r);
    return std::nullopt;
}

Albero alberoVerificato(const Percorso& percorso) {
    auto esito = verificaConAlbero(percorso);
    if (const auto* r = std::get_if<Rifiuto>(&esito)) throw PercorsoNonValido(*r);
    return std::get<Albero>(std::move(esito));
}

}  // namespace flumetra::percorso
