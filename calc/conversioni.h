// Conversions between the number kinds, and rounding to n decimals.
// Every conversion to a coarser kind rounds to nearest, ties to even.
//
//   RealeInIntero(550.5)     -> 550        RealeInIntero(551.5)  -> 552
//   RealeInIntero(3e9)       -> throws Overflow
//   RealeInDecimale(0.023)   -> 0.023 (0.023 * 10000 is just below 230)
//   DecimaleInReale(0.0001)  -> the double nearest 0.0001
//   Arrotonda(0.35, 1)       -> 0.4 (0.35 * 10 is exactly 3.5 as a double)
//   Arrotonda(0.45, 1)       -> 0.4
//   Arrotonda(Decimale 3.4551, 1) -> 3.5   Arrotonda(Decimale 3.45, 1) -> 3.4
#pragma once

#include "calc/decimale.h"

namespace flumetra {

Intero RealeInIntero(Reale valore);
Decimale RealeInDecimale(Reale valore);
Reale DecimaleInReale(Decimale valore);

// decimali counts from 0; a Decimale already has four, so more change nothing.
Reale Arrotonda(Reale valore, int decimali);
Decimale Arrotonda(Decimale valore, int decimali);

}  // namespace flumetra
