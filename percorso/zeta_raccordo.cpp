#include "percorso/zeta_raccordo.h"

#include "percorso/formule_raccordi.h"

namespace flumetra::percorso {
namespace {

Reale zetaCurvaRettangolare(const Raccordo& r, const Intorno& i) {
    const bool suA = r.lato == Lato::A;
    const Reale W = suA ? i.A : i.B;
    const Reale H = suA ? i.B : i.A;
    return percorso::zetaCurvaRettangolare(H / W, r.rapporto, r.angolo);
}

// The transition's K, referred to the smaller section's pd, then to this one's.
Reale zetaRiduzione(const Raccordo& r, const Sezione& s, const Sezione& m) {
    if (s.De == m.De) return 0;
    if (s.De < m.De) return kConico(static_cast<Reale>(s.De) / m.De, r.angolo, Verso::Contrazione);
    return kConico(static_cast<Reale>(m.De) / s.De, r.angolo, Verso::Allargamento) * m.pd / s.pd;
}

}  // namespace

std::optional<Reale> zetaRaccordo(const Raccordo& r, const Intorno& intorno) {
    const Sezione& s = intorno.proprio;
    switch (r.tipo) {
        case TipoRaccordo::Curva: return zetaCurva(r.rapporto, r.angolo);
        case TipoRaccordo::CurvaRettangolare:
            if (intorno.A <= 0 || intorno.B <= 0) return std::nullopt;
            return zetaCurvaRettangolare(r, intorno);
        case TipoRaccordo::Ingresso: return 0.5;
        case TipoRaccordo::Uscita: return 1.0;
        case TipoRaccordo::Derivazione:
        case TipoRaccordo::Diritto:
        case TipoRaccordo::Riduzione: break;
    }
    if (!intorno.monte || s.pd <= 0 || s.De <= 0) return std::nullopt;
    const Sezione& m = *intorno.monte;
    if (m.G <= 0 || m.De <= 0 || m.pd <= 0) return std::nullopt;
    const Reale De_m = m.De;
    const Reale G_m = m.G;
    switch (r.tipo) {
        case TipoRaccordo::Derivazione: return kDerivazione(s.De / De_m, s.G / G_m, r.angolo) * m.pd / s.pd;
        case TipoRaccordo::Diritto: return kDiritto(intorno.De_altri / De_m, intorno.G_altri / G_m) * m.pd / s.pd;
        default: return zetaRiduzione(r, s, m);
    }
}

}  // namespace flumetra::percorso
