// The five closed duct formulas and the total loss, each evaluated in the
// order it is written.

#include "calc/module_calcoli.h"

#include <cmath>

#include "calc/conversioni.h"
#include "calc/passi.h"

namespace flumetra::Module_Calcoli {

using namespace passi;

Intero DiametroEquivalente(Intero A, Intero B) { return diametroEquivalente(A, B); }

Decimale VelocitaDaPortata(Intero D, Intero G) { return RealeInDecimale(Arrotonda(velocitaAlDiametro(G, D), 1)); }

Decimale PerditaUnitaria(Decimale v, Intero D) {
    const Reale Y = perditaDaVelocita(DecimaleInReale(v), D);
    return RealeInDecimale(Arrotonda(Y, 3));
}

Intero DiametroDaPortataVelocita(Intero G, Decimale v) {
    Reale x = verificato(reale(G) / secondiPerOra);
    x = verificato(x / DecimaleInReale(v));
    x = verificato(x / piGreco);
    return RealeInIntero(verificato(std::pow(x, 0.5) * millimetriPerRaggio));
}

Intero PortataDaVelocita(Intero D, Decimale v) {
    const Reale a = areaCerchio(D);
    return RealeInIntero(DecimaleInReale(v) * a * secondiPerOra);
}

Reale PerditaTotale(Reale Y, Reale L) { return verificato(Y * L); }

}  // namespace flumetra::Module_Calcoli
