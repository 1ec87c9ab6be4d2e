#include "calc/passi.h"

#include "calc/conversioni.h"

namespace flumetra::passi {

Reale verificato(Reale valore) {
    if (!std::isfinite(valore)) {
        fallisci(TipoFallimento::ErroreDiCalcolo, "division by zero, invalid operation or overflow");
    }
    return valore;
}

namespace {
Intero interoVerificato(std::int64_t valore) {
    if (valore < std::numeric_limits<Intero>::min() || valore > std::numeric_limits<Intero>::max()) {
        fallisci(TipoFallimento::Overflow, "32-bit overflow");
    }
    return static_cast<Intero>(valore);
}
}  // namespace

Intero sommaIntera(Intero a, Intero b) { return interoVerificato(std::int64_t{a} + std::int64_t{b}); }

Intero prodottoIntero(Intero a, Intero b) { return interoVerificato(std::int64_t{a} * std::int64_t{b}); }

Intero diametroEquivalente(Intero A, Intero B) {
    const Reale e = 1.0 / 5.0;
    const Reale p = verificato(std::pow(reale(prodottoIntero(A, B)), 3.0));
    const Reale q = verificato(p / reale(sommaIntera(A, B)));
    return RealeInIntero(verificato(std::pow(q, e) * fattoreForma));
}

Reale areaCerchio(Intero D) {
    const Reale raggio = verificato(reale(D) / millimetriPerRaggio);
    return verificato(std::pow(raggio, 2.0) * piGreco);
}

Reale numeratorePerdita(Reale v) { return verificato(std::pow(v, esponenteVelocita) * coefficientePerdita); }

Reale velocitaAlDiametro(Intero G, Intero D) {
    const Reale q = verificato(reale(G) / secondiPerOra);
    const Reale a = areaCerchio(D);
    return verificato(q / a);
}

Reale perditaDaPortata(Intero G, Intero n) { return perditaDaVelocita(velocitaAlDiametro(G, n), n); }

Reale perditaDaVelocita(Reale v, Intero n) {
    const Reale t = numeratorePerdita(v);
    return verificato(t / std::pow(reale(n), esponenteDiametro));
}

Decimale perditaArrotondata(Decimale w, Intero D) { return RealeInDecimale(perditaDaVelocita(DecimaleInReale(w), D)); }

}  // namespace flumetra::passi
