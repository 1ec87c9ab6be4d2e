#include "dettagli/trigonometria.h"

#include <array>

namespace flumetra::dettagli {
namespace {

constexpr Reale radiantiPerGrado = 3.14159265358979323846 / 180;

// sin r for 0 ≤ r ≤ π/2: the Taylor series to r²³/23!, below half a unit
// in the last place there, summed from the smallest term by Horner's rule.
Reale seno(Reale r) {
    // 1/(2k+1)!, k = 1 … 11, with their signs.
    constexpr std::array<Reale, 11> c = {
        -1.0 / 6.0,
        1.0 / 120.0,
        -1.0 / 5040.0,
        1.0 / 362880.0,
        -1.0 / 39916800.0,
        1.0 / 6227020800.0,
        -1.0 / 1307674368000.0,
        1.0 / 355687428096000.0,
        -1.0 / 121645100408832000.0,
        1.0 / 51090942171709440000.0,
        -1.0 / 25852016738884976640000.0,
    };
    const Reale r2 = r * r;
    Reale somma = c.back();
    for (std::size_t k = c.size() - 1; k-- > 0;) somma = somma * r2 + c[k];
    return r + r * r2 * somma;
}

}  // namespace

// Folded into 0° – 90°, where the series is short.
Reale senoGradi(Reale gradi) {
    const Reale ridotto = gradi > 90 ? 180 - gradi : gradi;
    return seno(ridotto * radiantiPerGrado);
}

Reale cosenoGradi(Reale gradi) {
    if (gradi <= 90) return seno((90 - gradi) * radiantiPerGrado);
    return -seno((gradi - 90) * radiantiPerGrado);
}

}  // namespace flumetra::dettagli
