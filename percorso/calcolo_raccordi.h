// The losses in a section's fittings, once every section's size and flow
// are known: each fitting's ζ on the section's own pd (zeta_raccordo.h),
// Σ n·ζ, and the section's Δp accidentali and Δp tratto from them.
//
//   T3 with two round elbows r/D 1,5 at 90°, Σζ 0,3, pd 10 Pa
//       -> zeta_raccordi 0.3, dp_accidentali 6 Pa, dp_tratto dp_attrito + 6
//   T4 with a branch while T3 has no size
//       -> zeta_raccordi, dp_accidentali, dp_tratto all empty
#pragma once

#include "percorso/albero.h"
#include "percorso/calcolo.h"
#include "percorso/percorso.h"

namespace flumetra::percorso {

// Completes the losses of every section that has them (v, R, dp_attrito,
// pd set). Linear in the number of sections and fittings.
void perditeAccidentali(const Percorso& percorso, const Albero& albero, Risultati& risultati);

}  // namespace flumetra::percorso
