#include "percorso/calcolo_raccordi.h"

#include <algorithm>
#include <cstddef>
#include <optional>
#include <variant>
#include <vector>

#include "percorso/zeta_raccordo.h"

namespace flumetra::percorso {
namespace {

// What the sections hanging from one upstream give a straight run: their
// two largest sizes, so that each can leave itself out. (Its flow is the
// upstream's less its own.)
struct Diramazione {
    Intero primo = 0;  // the largest De
    std::size_t diPrimo = nessunMonte;
    Intero secondo = 0;
};

std::vector<Diramazione> diramazioni(const Albero& albero, const Risultati& ris) {
    std::vector<Diramazione> d(ris.tratti.size());
    for (std::size_t i = 0; i < ris.tratti.size(); ++i) {
        const std::size_t m = albero.monte[i];
        if (m == nessunMonte) continue;
        Diramazione& x = d[m];
        const Intero De = ris.tratti[i].D.value_or(0);
        if (De > x.primo) {
            x.secondo = x.primo;
            x.primo = De;
            x.diPrimo = i;
        } else {
            x.secondo = std::max(x.secondo, De);
        }
    }
    return d;
}

std::optional<Sezione> sezioneDi(const RisultatoTratto& r) {
    if (!r.D || !r.perdite) return std::nullopt;
    return Sezione{*r.D, r.G, r.perdite->pd};
}

Intorno intornoDi(const Tratto& t, std::size_t i, const Albero& albero, const std::vector<Diramazione>& dir,
                  const Risultati& ris) {
    const RisultatoTratto& r = ris.tratti[i];
    Intorno x{.proprio = *sezioneDi(r)};
    if (const auto* rettangolo = std::get_if<Rettangolare>(&t.forma)) {
        x.A = rettangolo->A;
        x.B = r.B.value_or(0);
    }
    const std::size_t m = albero.monte[i];
    if (m == nessunMonte) return x;
    x.monte = sezioneDi(ris.tratti[m]);
    const Diramazione& d = dir[m];
    // q = (G upstream − G) / G upstream: all that leaves the tee but this
    // section, the upstream's own terminal flow too.
    x.G_altri = ris.tratti[m].G - r.G;
    x.De_altri = d.diPrimo == i ? d.secondo : d.primo;
    return x;
}

// Each fitting's ζ, and Σ n·ζ: nothing when one of them cannot be known.
void zetaDeiRaccordi(const Tratto& t, const Intorno& intorno, Perdite& p) {
    p.zeta_di_ciascuno.reserve(t.raccordi.size());
    Reale somma = 0;
    bool tutti = true;
    for (const Raccordo& r : t.raccordi) {
        const std::optional<Reale> z = zetaRaccordo(r, intorno);
        p.zeta_di_ciascuno.push_back(z);
        tutti = tutti && z.has_value();
        if (z) somma += r.n * *z;
    }
    p.zeta_raccordi = tutti ? std::optional(somma) : std::nullopt;
}

}  // namespace

void perditeAccidentali(const Percorso& percorso, const Albero& albero, Risultati& ris) {
    const bool conRaccordi = std::any_of(percorso.tratti.begin(), percorso.tratti.end(),
                                         [](const Tratto& t) { return !t.raccordi.empty(); });
    const std::vector<Diramazione> dir = conRaccordi ? diramazioni(albero, ris) : std::vector<Diramazione>();
    for (std::size_t i = 0; i < percorso.tratti.size(); ++i) {
        const Tratto& t = percorso.tratti[i];
        RisultatoTratto& r = ris.tratti[i];
        if (!r.perdite) continue;
        Perdite& p = *r.perdite;
        if (t.raccordi.empty()) {
            p.zeta_raccordi = 0;
        } else {
            zetaDeiRaccordi(t, intornoDi(t, i, albero, dir, ris), p);
        }
        if (!p.zeta_raccordi) continue;
        p.dp_accidentali = (t.zeta + *p.zeta_raccordi) * p.pd;
        p.dp_tratto = p.dp_attrito + *p.dp_accidentali;
    }
}

}  // namespace flumetra::percorso
