// log₁₀ x for x > 0, the same double on every platform: made of additions,
// multiplications and divisions in about 106 bits, then rounded once, so it
// is the double nearest the exact value but in rare hard cases. The standard
// library's log10 is not: mingw-w64's and glibc's differ in the last bit for
// some arguments, and Colebrook's friction factor, printed at full
// precision, followed them. Over the arguments Colebrook meets (10⁻⁹ to
// 10⁻¹) it gives glibc's log10 on each of a million tried.
//
//   logaritmoDecimale(1000)       -> 3 exactly
//   logaritmoDecimale(0.0042)     -> -2.3767507096020997
//   logaritmoDecimale(0)          -> throws ErroreDiCalcolo
#pragma once

#include "calc/decimale.h"

namespace flumetra::dettagli {

Reale logaritmoDecimale(Reale x);

}  // namespace flumetra::dettagli
