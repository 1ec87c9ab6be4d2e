// The four duct searches, answered by a search over the monotone quantity
// that the literal scans step through, with exactly the scans' results and
// failures (see scansioni.h for the definition).
#pragma once

#include "calc/decimale.h"

namespace flumetra::ricerche {

Intero LatoPerDiametro(Intero S, Intero D);
Intero DiametroDaPortataPerdita(Intero G, Decimale Y);
Intero DiametroDaVelocitaPerdita(Decimale v, Decimale Y);
Decimale VelocitaDaPerdita(Intero D, Decimale Y);

}  // namespace flumetra::ricerche
