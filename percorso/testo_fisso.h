// A number for the sheet and the CSV with a fixed count of decimals and the
// decimal comma, no locale: rounded as the calculator rounds (the value
// times 10^decimali to the nearest whole number, ties to even), never with
// digit groups. The sheet shows flows and sizes whole, v and R with two
// decimals, pressures with one, surfaces and ζ with two.
//
//   testoFisso(5.050505, 2)  -> "5,05"     testoFisso(94.9344, 1) -> "94,9"
//   testoFisso(0.35, 1)      -> "0,4"      (0.35 × 10 is exactly 3.5: ties to even, up)
//   testoFisso(0.45, 1)      -> "0,4"      testoFisso(2.5, 0)     -> "2"
//   testoFisso(-0.01, 1)     -> "0,0"      (no sign on a zero)
//   testoFisso(NaN, 1)       -> throws Fallimento (ErroreDiCalcolo)
//
// And with every decimal the number needs, for the CSV: the shortest text
// that reads back to the same double, never with an exponent.
//
//   testoEsatto(0.1 + 0.2)   -> "0,30000000000000004"   testoEsatto(12) -> "12"
//   testoEsatto(1e-5)        -> "0,00001"               testoEsatto(-0.0) -> "0"
#pragma once

#include <string>

#include "calc/decimale.h"

namespace flumetra::percorso {

inline constexpr int decimaliVelocita = 2;    // v, m/s
inline constexpr int decimaliPerdita = 2;     // R, Pa/m
inline constexpr int decimaliPressione = 1;   // every Δp and p, Pa
inline constexpr int decimaliSuperficie = 2;  // m²
inline constexpr int decimaliZeta = 2;        // a ζ

std::string testoFisso(Reale valore, int decimali);
std::string testoEsatto(Reale valore);  // a NaN or an infinity throws Fallimento (ErroreDiCalcolo)

}  // namespace flumetra::percorso
