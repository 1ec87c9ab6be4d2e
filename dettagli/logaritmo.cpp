#include "dettagli/logaritmo.h"

#include <array>
#include <cmath>

#include "calc/fallimento.h"

namespace flumetra::dettagli {
namespace {

// A number as the unevaluated sum of two doubles, alto + basso with |basso|
// at most half an ulp of alto. The library is built without contracting
// a × b + c into one instruction: the exact product relies on each
// operation's own rounding.
struct Doppio {
    Reale alto;
    Reale basso;
};

Doppio sommaEsatta(Reale a, Reale b) {
    const Reale s = a + b;
    const Reale parteDiB = s - a;
    return {s, (a - (s - parteDiB)) + (b - parteDiB)};
}

// Dekker's product: a and b split in halves of 26 bits, whose products are exact.
Doppio prodottoEsatto(Reale a, Reale b) {
    auto dividi = [](Reale x) {
        const Reale c = 134217729.0 * x;  // 2^27 + 1
        const Reale alto = c - (c - x);
        return Doppio{alto, x - alto};
    };
    const Reale p = a * b;
    const auto [aAlto, aBasso] = dividi(a);
    const auto [bAlto, bBasso] = dividi(b);
    return {p, ((aAlto * bAlto - p) + aAlto * bBasso + aBasso * bAlto) + aBasso * bBasso};
}

Doppio operator+(Doppio a, Doppio b) {
    const Doppio s = sommaEsatta(a.alto, b.alto);
    return sommaEsatta(s.alto, s.basso + a.basso + b.basso);
}

Doppio operator*(Doppio a, Doppio b) {
    const Doppio p = prodottoEsatto(a.alto, b.alto);
    return sommaEsatta(p.alto, p.basso + a.alto * b.basso + a.basso * b.alto);
}

Doppio operator/(Doppio a, Doppio b) {
    const Reale q1 = a.alto / b.alto;
    Doppio resto = a + b * Doppio{-q1, 0};
    const Reale q2 = resto.alto / b.alto;
    resto = resto + b * Doppio{-q2, 0};
    return sommaEsatta(q1, q2) + Doppio{resto.alto / b.alto, 0};
}

// ln 2 and 1 / ln 10, each to 106 bits.
constexpr Doppio ln2{6.93147180559945286227e-01, 2.31904681384629955842e-17};
constexpr Doppio unoSuLn10{4.34294481903251816668e-01, 1.09831965021676510e-17};

// ln(1 + s) − ln(1 − s) = 2 atanh s = 2 (s + s³/3 + s⁵/5 + …), to s^(2 termini − 1).
constexpr int terminiMassimi = 22;

Doppio dueAtanh(Doppio s, int termini) {
    static const auto coefficienti = [] {
        std::array<Doppio, terminiMassimi> c{};
        for (int k = 0; k < terminiMassimi; ++k) c[k] = Doppio{1, 0} / Doppio{2.0 * k + 1, 0};
        return c;
    }();
    const Doppio s2 = s * s;
    Doppio serie{0, 0};
    for (int k = termini - 1; k >= 0; --k) serie = serie * s2 + coefficienti[k];
    return Doppio{2, 0} * s * serie;
}

// ln c for c = 1 + j/64 from 0,6875 to 1,4375, a range that holds every
// mantissa below: ln c = 2 atanh((c − 1)/(c + 1)), |s| ≤ 0,19, whose series
// to s^43 is below 2^-106 of it.
constexpr int primoJ = -20;
constexpr int ultimoJ = 28;

Doppio lnDelCentro(int j) {
    static const auto tabella = [] {
        std::array<Doppio, ultimoJ - primoJ + 1> t{};
        for (int j = primoJ; j <= ultimoJ; ++j) {
            const Reale c = 1 + j / 64.0;  // exact
            t[j - primoJ] = dueAtanh(sommaEsatta(c, -1) / sommaEsatta(c, 1), terminiMassimi);
        }
        return t;
    }();
    return tabella[j - primoJ];
}

}  // namespace

// x = m 2^e with m in [√½, √2); c = 1 + j/64 nearest m; ln x = e ln 2 + ln c
// + 2 atanh s, s = (m − c)/(m + c), where m − c is exact and |s| < 1/180:
// 2 atanh s = 2s (1 + q), q = s²/3 + s⁴/5 + … < 1,1·10⁻⁵, so q in plain
// double (to s¹²) adds an error of 2^-70 at most.
Reale logaritmoDecimale(Reale x) {
    if (!(x > 0) || !std::isfinite(x)) {
        fallisci(TipoFallimento::ErroreDiCalcolo, "a logarithm needs a positive, finite number");
    }
    int e = 0;
    Reale m = std::frexp(x, &e);  // exact
    if (m < 0.70710678118654752440) {
        m *= 2;
        --e;
    }
    const int j = static_cast<int>(std::nearbyint((m - 1) * 64));
    const Reale c = 1 + j / 64.0;
    const Doppio s = Doppio{m - c, 0} / sommaEsatta(m, c);
    const Reale s2 = s.alto * s.alto;
    const Reale q = s2 * (1.0 / 3 + s2 * (1.0 / 5 + s2 * (1.0 / 7 + s2 * (1.0 / 9 + s2 * (1.0 / 11 + s2 / 13)))));
    const auto esponente = static_cast<Reale>(e);
    const Doppio dueAtanhS = sommaEsatta(2 * s.alto, 2 * s.basso + 2 * s.alto * q);
    const Doppio ln =
        prodottoEsatto(esponente, ln2.alto) + Doppio{esponente * ln2.basso, 0} + lnDelCentro(j) + dueAtanhS;
    const Doppio l = ln * unoSuLn10;
    return l.alto + l.basso;
}

}  // namespace flumetra::dettagli
