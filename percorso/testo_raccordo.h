// A fitting as a person reads it, for the report and the fittings' editor:
// its name, its parameters with decimal commas and units, n, its ζ on the
// section's pd (two decimals; «—» while it cannot be computed) and where
// that ζ comes from.
//
//   {Curva, r/D 1,5, 90°, n 2}, ζ 0.15
//       -> "Curva circolare, r/D 1,5, angolo 90°: n 2, ζ 0,15 (tabella CD3-1)"
//   {CurvaRettangolare, R/W 1, 45°, lato B, n 1}, ζ 0.126
//       -> "Curva rettangolare, R/W 1, angolo 45°, W sul lato B: n 1, ζ 0,13 (tabella CR3-1)"
//   {Derivazione, 45°, n 1}, nothing
//       -> "Stacco (ramo del T o della Y), angolo 45°: n 1, ζ — (Crane TP-410)"
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "calc/decimale.h"
#include "percorso/calcolo.h"
#include "percorso/percorso.h"
#include "percorso/raccordo.h"

namespace flumetra::percorso {

std::string testoDelRaccordo(const Raccordo& r, std::optional<Reale> zeta);

// Its ζ and its source alone: "0,15 (tabella CD3-1)", "— (Crane TP-410)".
std::string testoDellaZeta(const Raccordo& r, std::optional<Reale> zeta);

// Each of a section's fittings' ζ on its pd, in its order; nothing for
// each while the section has no losses.
std::vector<std::optional<Reale>> zetaDeiRaccordi(const Percorso& p, const Risultati& r, std::size_t tratto);

}  // namespace flumetra::percorso
