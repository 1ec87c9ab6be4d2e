#include "percorso/calcolo.h"

#include <algorithm>
#include <numbers>
#include <variant>

#include "dettagli/attrito.h"
#include "percorso/albero.h"
#include "percorso/calcolo_raccordi.h"
#include "percorso/misura.h"
#include "percorso/verifica.h"

namespace flumetra::percorso {
namespace {

Reale superficie(const Tratto& t, const Misura& m) {
    if (std::holds_alternative<Tondo>(t.forma)) return std::numbers::pi * (static_cast<Reale>(m.D) / 1000) * t.L;
    const Intero A = std::get<Rettangolare>(t.forma).A;
    return 2 * (static_cast<Reale>(A + *m.B) / 1000) * t.L;
}

// The section's size, losses and warnings; its flow r.G is already summed.
// Without air nothing is sized: what was given stays, with its surface.
void calcolaTratto(const Condizioni& c, const Tratto& t, Reale velocitaMassima, RisultatoTratto& r) {
    r.avvisi.senza_portata = r.G == 0;
    try {
        if (r.avvisi.senza_portata) {
            if (const std::optional<Misura> m = misuraData(t)) {
                r.D = m->D;
                r.B = m->B;
                r.superficie_m2 = superficie(t, *m);
            }
            return;
        }
        const std::optional<Misura> m = misuraDelTratto(c, t, r.G, velocitaMassima);
        if (!m) {
            r.avvisi.nessuna_misura = true;
            return;
        }
        Perdite p;
        p.v = m->v;
        p.R_Pa_m = m->R_Pa_m;
        p.dp_attrito = m->R_Pa_m * t.L;
        p.pd = dettagli::pressioneDinamica(m->v, c.aria);  // its fittings' losses once every size is known
        r.superficie_m2 = superficie(t, *m);
        r.D = m->D;
        r.B = m->B;
        r.perdite = p;
        r.avvisi.velocita = m->v > velocitaMassima;
        r.avvisi.perdita = m->R_Pa_m > c.R_obiettivo;
    } catch (const Fallimento& f) {
        r.fallimento = f.tipo();
    }
}

// The fan's pressure, the index run and each terminal's excess, once every
// section that carries air has its losses (and so its end its pressure).
void totali(const Percorso& p, const Albero& albero, Risultati& ris) {
    Reale superficie = 0;
    std::size_t indice = nessunMonte;
    for (std::size_t i = 0; i < p.tratti.size(); ++i) {
        const RisultatoTratto& r = ris.tratti[i];
        superficie += r.superficie_m2.value_or(0);  // none only without air and a size to choose
        if (r.p_terminale && (indice == nessunMonte || *r.p_terminale > *ris.tratti[indice].p_terminale)) indice = i;
    }
    ris.superficie_m2 = superficie;
    if (indice == nessunMonte) return;

    const Reale p_ventilatore = *ris.tratti[indice].p_terminale;
    ris.p_ventilatore = p_ventilatore;
    std::vector<std::size_t> cammino;
    for (std::size_t k = indice; k != nessunMonte; k = albero.monte[k]) cammino.push_back(k);
    std::reverse(cammino.begin(), cammino.end());
    ris.percorso_indice = std::move(cammino);
    for (RisultatoTratto& r : ris.tratti) {
        if (r.p_terminale) r.da_tarare = p_ventilatore - *r.p_terminale;
    }
}

}  // namespace

Risultati calcola(const Percorso& percorso) { return calcola(percorso, alberoVerificato(percorso)); }

Risultati calcola(const Percorso& percorso, const Albero& albero) {
    const Condizioni condizioni = condizioniDi(percorso);
    const std::size_t n = percorso.tratti.size();

    Risultati ris;
    ris.aria = condizioni.aria;
    ris.tratti.resize(n);
    for (std::size_t i = 0; i < n; ++i) ris.tratti[i].G = percorso.tratti[i].G;
    for (std::size_t k = n - 1; k > 0; --k) {
        const std::size_t i = albero.ordine[k];
        ris.tratti[albero.monte[i]].G += ris.tratti[i].G;  // at most the fan's 900 000, verified
    }
    ris.G_ventilatore = ris.tratti[albero.ordine.front()].G;
    // A section hung below a terminal is computed as the tree says, but the
    // terminal's role no longer fits it.
    for (std::size_t i = 0; i < n; ++i) {
        const std::size_t m = albero.monte[i];
        if (m != nessunMonte && percorso.tratti[m].ruolo == Ruolo::Terminale) ris.tratti[m].avvisi.ruolo = true;
    }

    bool tutte = ris.G_ventilatore > 0;
    for (std::size_t i = 0; i < n; ++i) {
        const Tratto& t = percorso.tratti[i];
        RisultatoTratto& r = ris.tratti[i];
        calcolaTratto(condizioni, t, percorso.velocitaMassima(t.ruolo), r);
    }
    perditeAccidentali(percorso, albero, ris);
    for (const RisultatoTratto& r : ris.tratti) {
        tutte = tutte && (r.avvisi.senza_portata ? !r.fallimento : r.perdite && r.perdite->dp_tratto);
    }

    for (const std::size_t i : albero.ordine) {
        RisultatoTratto& r = ris.tratti[i];
        if (!r.perdite || !r.perdite->dp_tratto) continue;
        const std::size_t m = albero.monte[i];
        if (m == nessunMonte) {
            r.p_fine = *r.perdite->dp_tratto;
        } else if (ris.tratti[m].p_fine) {
            r.p_fine = *ris.tratti[m].p_fine + *r.perdite->dp_tratto;
        }
        if (r.p_fine && percorso.tratti[i].G > 0) r.p_terminale = *r.p_fine + percorso.tratti[i].dp_terminale;
    }

    if (tutte) totali(percorso, albero, ris);
    return ris;
}

std::string percorsoIndice(const Percorso& percorso, const Risultati& risultati) {
    std::string s;
    if (!risultati.percorso_indice) return s;
    for (const std::size_t k : *risultati.percorso_indice) {
        if (!s.empty()) s += " → ";
        s += percorso.tratti[k].id;
    }
    return s;
}

}  // namespace flumetra::percorso
