// The four duct searches as literal scans in fixed steps: each step
// evaluates its powers anew, and there is no cap on the number of steps.
// These define the searches' results, stop tests and failures; the fast
// searches must return exactly what these return.
#pragma once

#include "calc/decimale.h"

namespace flumetra::scansioni {

// From b = round((D/2)^2 × 3.1415 / S) upwards: returns one past the first
// side whose equivalent diameter with S exceeds D. For D < 0, b at once.
Intero LatoPerDiametro(Intero S, Intero D);

// From 2999 downwards: the first diameter whose unrounded loss reaches Y.
Intero DiametroDaPortataPerdita(Intero G, Decimale Y);
Intero DiametroDaVelocitaPerdita(Decimale v, Decimale Y);

// From 0.0001 upwards by 0.0001: the first velocity whose loss, rounded to
// four decimals, reaches Y; returned to one decimal, ties to even.
Decimale VelocitaDaPerdita(Intero D, Decimale Y);

}  // namespace flumetra::scansioni
