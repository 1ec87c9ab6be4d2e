// The air in the duct, from its temperature and the altitude: its pressure,
// density and viscosity, and the correction of the calculator's loss formula
// (written for air at 20 °C at sea level) to that air.
//
//   proprietaDellAria({20, 0})     -> p 101325, ρ 1.2041, μ 1.813e-5, K 1 exactly
//   proprietaDellAria({35, 1500})  -> p 84555.9, ρ 0.955912, μ 1.88389e-5, K 0.815540
//   proprietaDellAria({-30, 0})    -> ρ 1.451704, μ 1.56322e-5, K 1.165887
//   proprietaDellAria({90, 0})     -> throws Overflow (outside -30 … 80 °C)
#pragma once

#include "calc/decimale.h"

namespace flumetra::dettagli {

struct Aria {
    Reale temperatura = 20;  // °C, from -30 to 80
    Reale quota = 0;         // m above sea level, from 0 to 4000

    friend bool operator==(const Aria&, const Aria&) = default;
};

struct IntervalloAria {
    Reale minimo, massimo;  // both included
};
inline constexpr IntervalloAria temperatureAmmesse{-30, 80};
inline constexpr IntervalloAria quoteAmmesse{0, 4000};

// The air the calculator's formula assumes, at 20 °C and 101 325 Pa.
inline constexpr Reale pressioneDiRiferimento = 101325;    // Pa
inline constexpr Reale densitaDiRiferimento = 1.2041;      // kg/m³
inline constexpr Reale viscositaDiRiferimento = 1.813e-5;  // Pa·s

struct ProprietaAria {
    Reale pressione = pressioneDiRiferimento;  // Pa
    Reale densita = densitaDiRiferimento;      // ρ, kg/m³
    Reale viscosita = viscositaDiRiferimento;  // μ, Pa·s
    Reale correzione = 1;                      // K, the factor on the calculator's Y
};

// With T = t + 273,15 K and z in m:
//   p = 101325 (1 − 2,25577e-5 z)^5,2559            (standard atmosphere)
//   ρ = 1,2041 (p / 101325) (293,15 / T)             (ideal gas)
//   μ = 1,813e-5 (T / 293,15)^1,5 (293,15 + 110,4) / (T + 110,4)   (Sutherland)
//   K = (ρ / 1,2041)^0,9 (μ / 1,813e-5)^0,1          (the loss goes as ρ^0,9 μ^0,1)
// Outside the ranges above it throws Overflow. The powers are potenza's, so
// that every platform gives the same bits.
ProprietaAria proprietaDellAria(Aria aria);

}  // namespace flumetra::dettagli
