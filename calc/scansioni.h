// The four duct searches as literal scans in fixed steps: each step
// evaluates its powers anew, and there is no cap on the number of steps.
// These define the searches' results, stop tests and failures; the fast
// searches must return exactly what these return.
#pragma once

#include <cstdint>
#include <limits>
#include <stdexcept>

#include "calc/decimale.h"

namespace flumetra::scansioni {

// A scan may be given a cap on its steps, so that a comparison can stop one
// that would run for hours; past the cap it throws PassiEsauriti.
inline constexpr std::int64_t senzaLimite = std::numeric_limits<std::int64_t>::max();
struct PassiEsauriti : std::runtime_error {
    PassiEsauriti() : std::runtime_error("scan step cap reached") {}
};

// From b = round((D/2)^2 × 3.1415 / S) upwards: returns one past the first
// side whose equivalent diameter with S exceeds D. For D < 0, b at once.
Intero LatoPerDiametro(Intero S, Intero D, std::int64_t passiMassimi = senzaLimite);
// Where the side scan starts: round((D/2)^2 × 3.1415 / S), the side of the
// rectangle with the area of the circle of diameter D.
Intero latoIniziale(Intero S, Intero D);
// The same scan from side b on, for D >= 0.
Intero LatoPerDiametroDa(Intero S, Intero D, Intero b, std::int64_t passiMassimi = senzaLimite);

// From 2999 downwards: the first diameter whose unrounded loss reaches Y.
Intero DiametroDaPortataPerdita(Intero G, Decimale Y);
Intero DiametroDaVelocitaPerdita(Decimale v, Decimale Y);

// From 0.0001 upwards by 0.0001: the first velocity whose loss, rounded to
// four decimals, reaches Y; returned to one decimal, ties to even.
Decimale VelocitaDaPerdita(Intero D, Decimale Y, std::int64_t passiMassimi = senzaLimite);

}  // namespace flumetra::scansioni
