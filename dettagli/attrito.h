// Friction in a round duct of diameter D (mm) carrying G m³/h of an air of
// given density and viscosity: the velocity, the velocity pressure, the
// Reynolds number, the Darcy friction factor and the loss per metre.
//
// At 20 °C, sea level, galvanised steel (ε 0,15 mm):
//   velocitaNelTondo(3000, 500)            -> 4.2441 m/s (the exact π)
//   reynolds(4.2441, 500, aria)            -> 140937
//   fattoreDAttrito(140937, 0.15 / 500)    -> 0.018523 (Colebrook)
//   fattoreDAttrito(783, …)                -> 0.0817 = 64 / Re (laminar)
//   perditaColebrook(3000, 500, 0.15, aria) -> 0.40175 Pa/m
#pragma once

#include "calc/decimale.h"
#include "dettagli/aria.h"

namespace flumetra::dettagli {

inline constexpr Reale pascalPerMmca = 9.80665;  // 1 mm of water column, in Pa

// Below it the flow is laminar and λ = 64 / Re; Colebrook has no meaning there.
inline constexpr Reale reynoldsCritico = 2300;

constexpr bool laminare(Reale Re) { return Re < reynoldsCritico; }

Reale velocitaNelTondo(Reale G, Reale D);
Reale pressioneDinamica(Reale v, const ProprietaAria& aria);  // ρ v² / 2, Pa
Reale reynolds(Reale v, Reale D, const ProprietaAria& aria);  // ρ v D / μ

// 64 / Re when laminar, else Colebrook's; rugositaRelativa is ε / D.
// Throws ErroreDiCalcolo for a Reynolds number that is not positive.
Reale fattoreDAttrito(Reale Re, Reale rugositaRelativa);

// Darcy–Weisbach: λ / D · pd, in Pa/m.
Reale perditaDarcy(Reale lambda, Reale D, Reale pd);

// The loss per metre in Pa/m of G m³/h in a round duct of D mm, ε in mm.
Reale perditaColebrook(Reale G, Reale D, Reale rugosita_mm, const ProprietaAria& aria);

}  // namespace flumetra::dettagli
