#include "percorso/modifiche.h"

#include <utility>

namespace flumetra::percorso {

std::string nuovoId(const Percorso& p) {
    for (std::size_t n = p.tratti.size() + 1;; ++n) {
        std::string id(1, 'T');  // not "T" + …: GCC 12's -Wrestrict sees an overlap there at -O3
        id += std::to_string(n);
        bool usato = false;
        for (const Tratto& t : p.tratti) usato = usato || t.id == id;
        if (!usato) return id;
    }
}

Aggiunto conTrattoAggiunto(const Percorso& percorso, Tratto tratto, std::optional<std::size_t> monte) {
    Aggiunto a{percorso, monte ? *monte + 1 : 0};
    tratto.id = nuovoId(percorso);
    if (monte) {
        tratto.monte = percorso.tratti.at(*monte).id;
        tratto.ruolo = Ruolo::Terminale;
    } else {
        tratto.ruolo = Ruolo::Principale;
    }
    a.percorso.tratti.insert(a.percorso.tratti.begin() + static_cast<std::ptrdiff_t>(a.indice), std::move(tratto));
    return a;
}

Aggiunto conTrattoSeguente(const Percorso& percorso, std::optional<std::size_t> scelto) {
    constexpr Reale lunghezza = 10;            // m
    constexpr Intero larghezzaIniziale = 500;  // mm, as the calculator starts
    Tratto t;
    t.L = lunghezza;
    if (!scelto || percorso.tratti.empty()) {
        t.forma = Rettangolare{.A = larghezzaIniziale, .B = std::nullopt};
        return conTrattoAggiunto(percorso, std::move(t), std::nullopt);
    }
    const Tratto& accanto = percorso.tratti.at(*scelto);
    t.ruolo = accanto.ruolo;
    if (const auto* r = std::get_if<Rettangolare>(&accanto.forma)) t.forma = Rettangolare{.A = r->A, .B = std::nullopt};
    t.id = nuovoId(percorso);
    t.monte = accanto.ruolo == Ruolo::Terminale && accanto.monte ? accanto.monte : accanto.id;
    Aggiunto a{percorso, *scelto + 1};
    a.percorso.tratti.insert(a.percorso.tratti.begin() + static_cast<std::ptrdiff_t>(a.indice), std::move(t));
    return a;
}

Percorso senzaTratto(const Percorso& percorso, std::size_t indice) {
    Percorso nuovo = percorso;
    const Tratto tolto = nuovo.tratti.at(indice);
    nuovo.tratti.erase(nuovo.tratti.begin() + static_cast<std::ptrdiff_t>(indice));
    for (Tratto& t : nuovo.tratti) {
        if (t.monte == tolto.id) t.monte = tolto.monte;
    }
    return nuovo;
}

Percorso rinominato(const Percorso& percorso, std::size_t indice, std::string id) {
    Percorso nuovo = percorso;
    const std::string vecchio = nuovo.tratti.at(indice).id;
    for (Tratto& t : nuovo.tratti) {
        if (t.monte == vecchio) t.monte = id;
    }
    nuovo.tratti[indice].id = std::move(id);
    return nuovo;
}

}  // namespace flumetra::percorso
