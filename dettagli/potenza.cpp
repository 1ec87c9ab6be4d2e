#include "dettagli/potenza.h"

#include <cmath>

#include "calc/fallimento.h"

namespace flumetra::dettagli {
namespace {

// ln 2 in two parts: the first has zeros in its low bits, so that k × it is
// exact for every exponent of a double.
constexpr Reale ln2Alto = 6.93147180369123816490e-01;
constexpr Reale ln2Basso = 1.90821492927058770002e-10;
constexpr Reale radiceDiMezzo = 0.70710678118654752440;

// ln x = e ln 2 + ln m, x = m 2^e with m in [√½, √2); ln m = 2 atanh s with
// s = (m − 1) / (m + 1), |s| ≤ 0,172: its series to s^51 is far below an ulp.
Reale logaritmo(Reale x) {
    int e = 0;
    Reale m = std::frexp(x, &e);  // exact
    if (m < radiceDiMezzo) {
        m *= 2;
        --e;
    }
    const Reale s = (m - 1) / (m + 1);
    const Reale s2 = s * s;
    Reale serie = 0;
    for (int k = 25; k >= 0; --k) serie = serie * s2 + 1.0 / (2 * k + 1);
    return e * ln2Alto + (e * ln2Basso + 2 * s * serie);
}

// e^t = 2^k e^r with r = t − k ln 2, |r| ≤ 0,347; e^r by Taylor to r^22.
Reale esponenziale(Reale t) {
    const Reale k = std::nearbyint(t / (ln2Alto + ln2Basso));  // exact
    const Reale r = (t - k * ln2Alto) - k * ln2Basso;
    Reale p = 1;
    for (int n = 22; n >= 1; --n) p = 1 + r * p / n;
    return std::ldexp(p, static_cast<int>(k));  // exact
}

}  // namespace

Reale potenza(Reale base, Reale esponente) {
    if (!(base > 0) || !std::isfinite(base) || !std::isfinite(esponente)) {
        fallisci(TipoFallimento::ErroreDiCalcolo, "a power of this kind needs a positive, finite base");
    }
    if (base == 1 || esponente == 0) return 1;
    const Reale t = esponente * logaritmo(base);
    if (std::abs(t) > 700) fallisci(TipoFallimento::ErroreDiCalcolo, "the power is out of the double range");
    return esponenziale(t);
}

}  // namespace flumetra::dettagli
