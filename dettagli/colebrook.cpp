#include "dettagli/colebrook.h"

#include <cmath>

#include "calc/fallimento.h"
#include "dettagli/logaritmo.h"
#include "dettagli/potenza.h"

namespace flumetra::dettagli {
namespace {

constexpr Reale ln10 = 2.30258509299404568402;

}  // namespace

// Newton's method on g(x) = x + 2 log₁₀(a + b x) with x = 1/√λ, which rises
// steadily (g' = 1 + 2b / ((a + b x) ln 10) > 1), from Swamee and Jain's
// explicit estimate, within 1 % of the root: a few steps reach the double
// nearest the root, where the step stops shrinking. The logarithms and the
// power are the portable ones, so that Linux and Windows stop on the same
// double.
Reale Colebrook(Reale Re, Reale rugositaRelativa) {
    if (!(Re > 0) || !std::isfinite(Re) || !(rugositaRelativa >= 0) || !std::isfinite(rugositaRelativa)) {
        fallisci(TipoFallimento::ErroreDiCalcolo, "Colebrook needs a positive Reynolds number and a roughness");
    }
    const Reale a = rugositaRelativa / 3.7;
    const Reale b = 2.51 / Re;
    const Reale argomento = a + 5.74 / potenza(Re, 0.9);
    const Reale stima = std::isfinite(argomento) ? -2 * logaritmoDecimale(argomento) : 1.0;
    Reale x = stima > 0 ? stima : 1.0;
    Reale passoPrecedente = INFINITY;
    for (int i = 0; i < 100; ++i) {
        const Reale g = x + 2 * logaritmoDecimale(a + b * x);
        const Reale derivata = 1 + 2 * b / ((a + b * x) * ln10);
        const Reale passo = g / derivata;
        x -= passo;
        if (!std::isfinite(x) || x <= 0) break;
        if (passo == 0 || std::abs(passo) >= std::abs(passoPrecedente)) return 1 / (x * x);
        passoPrecedente = passo;
    }
    if (std::isfinite(x) && x > 0) return 1 / (x * x);
    fallisci(TipoFallimento::ErroreDiCalcolo, "Colebrook did not converge");
}

}  // namespace flumetra::dettagli
