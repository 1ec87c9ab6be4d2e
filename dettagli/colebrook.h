// The Darcy friction factor of a round duct by the Colebrook-White equation,
//   1/√λ = −2 log₁₀(ε/(3,7 D) + 2,51/(Re √λ)),
// solved to full double precision. rugositaRelativa is ε/D.
//
//   Colebrook(140937, 0.15 / 500)  -> 0.018523 (galvanised steel, D 500)
//   Colebrook(140937, 0.09 / 500)  -> 0.017871
//   Colebrook(0, …)                -> throws ErroreDiCalcolo
#pragma once

#include "calc/decimale.h"

namespace flumetra::dettagli {

Reale Colebrook(Reale Re, Reale rugositaRelativa);

}  // namespace flumetra::dettagli
