// The four duct searches of Module_Calcoli without their linear scans,
// with exactly the scans' results and failures (scansioni.h holds the scans
// that define them).
//
// Each scan steps an integer (a side, a diameter, a count of ten-thousandths
// of m/s) until a computed quantity passes a target, and returns the first
// step that passes. Where that quantity is monotone in the step, the first
// passing step is found by galloping and bisection instead, and the scan's
// own last step is then run to produce the result, so that result, rounding
// and failure come from the very same code. Where monotonicity is not shown
// (arguments of zero or below), the literal scan runs: it ends at once there.
//
// Why the computed quantities are monotone, and not only the exact ones:
// between two neighbouring steps the exact quantity changes by a relative
// amount far larger than the error of its double computation (a few units
// in the last place, about 1e-15), so rounding can never reverse the order
// of two steps. The margins are stated at each search.

#include <cmath>
#include <limits>

#include "calc/conversioni.h"
#include "calc/module_calcoli.h"
#include "calc/passi.h"
#include "calc/ricerca_monotona.h"
#include "calc/scansioni.h"

namespace flumetra::Module_Calcoli {

using namespace passi;

// Sides b >= 0 with S > 0: the diameter 1.265 × ((S b)^3 / (S + b))^(1/5)
// grows by a relative 0.4/b or more per side, at least 1.8e-10 for any
// 32-bit b, so the computed diameters never decrease.
Intero LatoPerDiametro(Intero S, Intero D) {
    if (S <= 0 || D < 0) return scansioni::LatoPerDiametro(S, D);
    const Intero inizio = scansioni::latoIniziale(S, D);
    // The last side whose S × b and S + b still fit 32 bits; past it the scan
    // fails with an overflow.
    const Intero ultimo = std::min(std::numeric_limits<Intero>::max() / S, std::numeric_limits<Intero>::max() - S);
    if (inizio > ultimo) return scansioni::LatoPerDiametroDa(S, D, inizio);  // overflows at once
    const auto primoOltre = firstTrue(
        inizio, ultimo, inizio, [&](std::int64_t b) { return diametroEquivalente(S, static_cast<Intero>(b)) > D; });
    // The scan's own last step: from the first side past D, or into the
    // overflow just past the last side (ultimo < S + ultimo fits 32 bits).
    return scansioni::LatoPerDiametroDa(S, D, primoOltre ? static_cast<Intero>(*primoOltre) : ultimo + 1);
}

namespace {

// The diameter scans go down from 2999 while the loss at n is below y. The
// loss falls with n as n^-4.98 at a given flow (n^-1.28 at a given
// velocity): by a relative 4e-4 or more per millimetre below 3000. Step m
// of the scan tries the diameter 3000 - m.
template <typename Perdita>
Intero diametroDaPerdita(Decimale Y, Perdita perdita) {
    const Reale y = DecimaleInReale(Y);
    if (!(y > 0)) return inizioScansioneDiametro;
    constexpr std::int64_t ultimoPasso = inizioScansioneDiametro - 1;  // the diameter 1
    // The scan's first step runs first, so that a failure there is the scan's.
    const auto primoPassoRaggiunto = firstTrue(1, ultimoPasso, 1, [&](std::int64_t m) {
        return perdita(static_cast<Intero>(inizioScansioneDiametro - m)) >= y;
    });
    if (primoPassoRaggiunto) return static_cast<Intero>(inizioScansioneDiametro - *primoPassoRaggiunto);
    perdita(0);  // the scan reaches the diameter 0, where the loss cannot be computed
    fallisci(TipoFallimento::ErroreDiCalcolo, "diameter scan reached 0");
}

}  // namespace

Intero DiametroDaPortataPerdita(Intero G, Decimale Y) { return diametroDaPerdita(Y, perditaConPortata(G)); }

Intero DiametroDaVelocitaPerdita(Decimale v, Decimale Y) { return diametroDaPerdita(Y, perditaConVelocita(v)); }

// The velocity scan steps w by 0.0001 while the loss, rounded to four
// decimals, is below Y. With D > 0 the loss grows as w^1.85, by a relative
// 1.85/k at step k: above the error of pow until k passes about 4e15
// (w = 4e11 m/s), beyond any velocity a duct can hold. There the search
// still assumes, as the scan's answer does, that pow never decreases.
// A loss too large for a Decimale is the scan's overflow: the test counts
// it as passing, and the scan's last step then raises it.
Decimale VelocitaDaPerdita(Intero D, Decimale Y) {
    if (D <= 0 || Y <= Decimale{}) return scansioni::VelocitaDaPerdita(D, Y);
    auto passa = [&](std::int64_t k) {
        try {
            return perditaArrotondata(Decimale::daDecimillesimi(k), D) >= Y;
        } catch (const Fallimento& f) {
            if (f.tipo() != TipoFallimento::Overflow) throw;
            return true;
        }
    };
    // A first guess from the loss formula solved for w.
    const Reale w = std::pow(DecimaleInReale(Y) * std::pow(reale(D), esponenteDiametro) / coefficientePerdita,
                             1.0 / esponenteVelocita);
    constexpr auto massimo = std::numeric_limits<std::int64_t>::max();
    const Reale decimillesimi = w * static_cast<Reale>(Decimale::decimillesimiPerUnita);
    const std::int64_t stima = !(decimillesimi < 9.0e18) ? massimo
                               : decimillesimi < 1.0     ? 1
                                                         : static_cast<std::int64_t>(decimillesimi);

    const auto k = firstTrue(1, massimo, stima, passa);
    if (!k) fallisci(TipoFallimento::Overflow, "Decimale overflow in the velocity scan");
    const Decimale ultimo = Decimale::daDecimillesimi(*k);
    perditaArrotondata(ultimo, D);  // raises the scan's overflow, if that is how it ends
    return Arrotonda(ultimo, 1);
}

}  // namespace flumetra::Module_Calcoli
