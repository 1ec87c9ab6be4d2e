// x^y for x > 0, made of additions, multiplications and divisions only, so
// that every platform gives the same bits: the standard library's pow of
// mingw-w64 differs from glibc's in the last bit for about 0,1 % of inputs,
// and the air's properties, printed at full precision, must not. Within a
// few units in the last place of the exact value; 1 to any power is 1.
//
//   potenza(1, 5.2559)            -> 1 exactly
//   potenza(0.966165, 5.2559)     -> 0.834502…  (std::pow: the same within 1e-15)
//   potenza(0, 2)                 -> throws ErroreDiCalcolo (x must be positive)
#pragma once

#include "calc/decimale.h"

namespace flumetra::dettagli {

Reale potenza(Reale base, Reale esponente);

}  // namespace flumetra::dettagli
