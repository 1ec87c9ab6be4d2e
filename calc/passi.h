// The arithmetic steps that the duct formulas share: the constants, the test
// after each division and power-and-multiply step, 32-bit sums and products
// with an overflow test, and the running losses of the searches.
// Every step is one double operation in the order the formulas state it.
#pragma once

#include <cmath>
#include <cstdint>
#include <limits>

#include "calc/conversioni.h"
#include "calc/decimale.h"

namespace flumetra::passi {

inline constexpr Reale fattoreForma = 1.265;  // of the equivalent diameter
inline constexpr Reale piGreco = 3.1415;      // four decimals, as the tables use
inline constexpr Reale secondiPerOra = 3600.0;
inline constexpr Reale millimetriPerRaggio = 2000.0;  // D / 2000 is the radius in m
inline constexpr Reale coefficientePerdita = 7.47;
inline constexpr Reale esponenteVelocita = 1.85;
inline constexpr Reale esponenteDiametro = 1.28;
inline constexpr Intero inizioScansioneDiametro = 3000;

// A division by zero, an invalid operation or a real overflow leaves a value
// that is not finite: that is a calculation failure.
Reale verificato(Reale valore);

Intero sommaIntera(Intero a, Intero b);     // 32-bit, overflow-tested
Intero prodottoIntero(Intero a, Intero b);  // 32-bit, overflow-tested

inline Reale reale(Intero n) { return static_cast<Reale>(n); }

// 1.265 × ((A B)^3 / (A + B))^(1/5): the diameter of the circle that loses
// as much as the rectangle A × B, rounded to a whole mm.
Intero diametroEquivalente(Intero A, Intero B);

// (D / 2000)^2 × 3.1415: the area in m² of the circle of diameter D mm.
Reale areaCerchio(Intero D);

// v^1.85 × 7.47: the numerator of every loss per metre.
Reale numeratorePerdita(Reale v);

// (G / 3600) / ((D / 2000)^2 × 3.1415): the velocity in m/s of the flow G
// m³/h through the circle of diameter D mm, not rounded.
Reale velocitaAlDiametro(Intero G, Intero D);

// The loss per metre of flow G at diameter n, neither velocity nor loss rounded.
Reale perditaDaPortata(Intero G, Intero n);

// The loss per metre of velocity v at diameter n, not rounded.
Reale perditaDaVelocita(Reale v, Intero n);

// The loss at each diameter n that the diameter searches compare with Y:
// of the flow G, or of the velocity v.
inline auto perditaConPortata(Intero G) {
    return [G](Intero n) { return perditaDaPortata(G, n); };
}
inline auto perditaConVelocita(Decimale v) {
    return [velocita = DecimaleInReale(v)](Intero n) { return perditaDaVelocita(velocita, n); };
}

// The running loss of the velocity search: (w^1.85 × 7.47) / D^1.28 to the
// nearest ten-thousandth.
Decimale perditaArrotondata(Decimale w, Intero D);

}  // namespace flumetra::passi
