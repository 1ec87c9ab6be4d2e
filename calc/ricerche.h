// The four duct searches, answered by a search over the monotone quantity
// that the literal scans step through, with exactly the scans' results and
// failures (see scansioni.h for the definition).
#pragma once

#include "calc/decimale.h"

namespace flumetra::ricerche {

// The side that, with the side S, first gives an equivalent diameter past D,
// plus one: LatoPerDiametro(500, 551) -> 503.
Intero LatoPerDiametro(Intero S, Intero D);

// The largest diameter below 3000 mm whose loss at the flow G (or the
// velocity v) reaches Y: DiametroDaPortataPerdita(3000, 0.023) -> 553.
Intero DiametroDaPortataPerdita(Intero G, Decimale Y);
Intero DiametroDaVelocitaPerdita(Decimale v, Decimale Y);

// The first velocity, in steps of 0.0001 m/s, whose loss at D reaches Y,
// rounded to one decimal: VelocitaDaPerdita(551, 0.023) -> 3.5.
Decimale VelocitaDaPerdita(Intero D, Decimale Y);

}  // namespace flumetra::ricerche
