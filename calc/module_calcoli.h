// The nine duct formulas, and the total loss of a run. Pure functions: each returns its result or throws
// a Fallimento (Overflow or ErroreDiCalcolo), never a substitute value.
// Arguments come in exactly the order below, which differs between formulas.
//
// With the values of the start window:
//   DiametroEquivalente(500, 500)             -> 551
//   LatoPerDiametro(500, 551)                 -> 503 (one past the first side, 502,
//                                                     whose diameter exceeds 551)
//   VelocitaDaPortata(551, 3000)              -> 3.5
//   PerditaUnitaria(3.5, 551)                 -> 0.024
//   DiametroDaPortataPerdita(3000, 0.023)     -> 553
//   DiametroDaPortataVelocita(3000, 3.5)      -> 551
//   PortataDaVelocita(551, 3.5)               -> 3004
//   DiametroDaVelocitaPerdita(3.5, 0.023)     -> 560
//   VelocitaDaPerdita(551, 0.023)             -> 3.5
//   PerditaTotale(0.023, 10)                  -> 0.23
//   PerditaTotale(5, 1e308)                   -> ErroreDiCalcolo (beyond every double)
#pragma once

#include "calc/decimale.h"

namespace flumetra::Module_Calcoli {

// Sides, diameters and flows in mm and m³/h; velocities in m/s; losses in
// mm of water column per metre. The four searches (LatoPerDiametro, the two
// DiametroDa…Perdita and VelocitaDaPerdita) are in ricerche.cpp.
Intero DiametroEquivalente(Intero A, Intero B);
Intero LatoPerDiametro(Intero S, Intero D);
Decimale VelocitaDaPortata(Intero D, Intero G);
Decimale PerditaUnitaria(Decimale v, Intero D);
Intero DiametroDaPortataPerdita(Intero G, Decimale Y);
Intero DiametroDaPortataVelocita(Intero G, Decimale v);
Intero PortataDaVelocita(Intero D, Decimale v);
Intero DiametroDaVelocitaPerdita(Decimale v, Decimale Y);
Decimale VelocitaDaPerdita(Intero D, Decimale Y);

// Ytot = Y × L: the loss per metre times the equivalent length in m, one
// double product; an overflow or invalid product is a calculation failure.
Reale PerditaTotale(Reale Y, Reale L);

}  // namespace flumetra::Module_Calcoli
