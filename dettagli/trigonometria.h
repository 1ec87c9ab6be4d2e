// The sine and cosine of an angle in degrees, the same double on every
// platform: a series of additions and multiplications, never the standard
// library's sin and cos, which mingw-w64 and glibc may round differently in
// the last bit. The fittings' ζ (a tee's cos θ, a cone's sin θ/2) are
// printed at full precision, and Linux and Windows must print the same.
// Within a few units in the last place of the exact value.
//
//   senoGradi(30)     -> 0.5 (to the last bit or so)
//   senoGradi(90)     -> 1
//   cosenoGradi(90)   -> 0 exactly
//   cosenoGradi(45)   -> 0.7071067811865476
#pragma once

#include "calc/decimale.h"

namespace flumetra::dettagli {

// For 0 ≤ gradi ≤ 180.
Reale senoGradi(Reale gradi);
Reale cosenoGradi(Reale gradi);

}  // namespace flumetra::dettagli
