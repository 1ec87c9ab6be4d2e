// The friction chart: the flow G in m³/h across, the loss per metre Y in Pa/m
// up, both on log scales, crossed by lines of constant diameter (the EN 1506
// sizes) and of constant velocity. Every line comes from the calculator's own
// loss formula, not rounded:
//   Y = K · 7,47 · v^1,85 / D^1,28 mm c.a./m,  v = G / 3600 / (3,1415 · (D / 2000)²),
// times 9,80665 for Pa/m, where K corrects the formula to the air's state (1
// at 20 °C and sea level). Along a diameter Y grows as G^1,85, along a
// velocity it falls as G^-0,64: both are straight lines on the chart, whole
// between their two ends.
//
//   perditaAlMetro(3000, 500, 1)         -> 0.372900 Pa/m
//   perditaAlMetro(3000, 500, 0.815540)  -> 0.304115 Pa/m (35 °C, 1500 m)
//   diametroPerVelocita(1000, 4)         -> 297.358 mm
//   velocitaPerDiametro(1000, 297.358)   -> 4 m/s
//   diametroPerPerdita(3000, 0.225553, 1) -> 553.113 mm
//   lineaDiametro(500, 1)   -> (424.240, 0,01) to (17751.4, 10): bottom edge to top edge
//   lineaVelocita(4, 1)     -> (100, 2.83696) to (100000, 0.0341078): left edge to right edge
//   lineaDiametro(63, 1)    -> nothing: above 10 Pa/m all the way
//   tacche(100, 100000)     -> 100 200 300 … 900 1000 2000 … 100000, the 1, 2 and 5 labelled
//   testoTacca({2, -2})     -> "0,02"     testoTacca({5, 3}) -> "5000"
//   puntoDelCondotto("3000", "0,023") -> (3000, 0.225553)
//   puntoDelCondotto("3000", "")      -> nothing
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calc/decimale.h"

namespace flumetra::dettagli {

// The chart's axes: G from 100 to 100 000 m³/h, Y from 0,01 to 10 Pa/m.
inline constexpr Reale portataMinima = 100;
inline constexpr Reale portataMassima = 100000;
inline constexpr Reale perditaMinima = 0.01;
inline constexpr Reale perditaMassima = 10;

// The velocities that have a line, in m/s.
inline constexpr std::array<Reale, 11> velocitaDelDiagramma = {1, 2, 3, 4, 5, 6, 8, 10, 12, 15, 20};

struct PuntoDiagramma {
    Reale G = 0;       // m³/h
    Reale Y_Pa_m = 0;  // Pa/m
};

// The loss per metre in Pa/m of G m³/h in a round duct of D mm, times K.
Reale perditaAlMetro(Reale G, Reale D, Reale K);

// The diameter in mm at which G m³/h runs at v m/s, and the other way round.
Reale diametroPerVelocita(Reale G, Reale v);
Reale velocitaPerDiametro(Reale G, Reale D);

// The diameter in mm at which G m³/h loses Y Pa/m (the formula turned round).
Reale diametroPerPerdita(Reale G, Reale Y_Pa_m, Reale K);

// Whether a point lies on the chart, its edges included.
bool dentroIlDiagramma(PuntoDiagramma p);

// A line's two ends where it crosses the chart's edges, the lower G first.
struct Estremi {
    PuntoDiagramma inizio, fine;
};

enum class TipoLinea { Diametro, Velocita };

struct Linea {
    TipoLinea tipo;
    Reale valore;  // D in mm or v in m/s
    Estremi estremi;
    // A line that bends on the chart (Colebrook's): its points from end to
    // end, both included; empty for a straight one.
    std::vector<PuntoDiagramma> tracciato{};
};

// Nothing where the line misses the chart.
std::optional<Estremi> lineaDiametro(Reale D, Reale K);
std::optional<Estremi> lineaVelocita(Reale v, Reale K);

// Every line that crosses the chart: the EN 1506 diameters, then the velocities.
std::vector<Linea> lineeDelDiagramma(Reale K);

// A grid line of a log axis: cifra · 10^esponente.
struct Tacca {
    int cifra;  // 1 to 9
    int esponente;
    [[nodiscard]] Reale valore() const;
    [[nodiscard]] bool etichettata() const { return cifra == 1 || cifra == 2 || cifra == 5; }
};

// The grid lines from minimo to massimo, both included.
std::vector<Tacca> tacche(Reale minimo, Reale massimo);

// The value with the decimal comma and no digit groups.
std::string testoTacca(Tacca tacca);

// The duct the main window shows, read as the calculator reads its fields: G
// a whole number, Y a four-decimal number in mm c.a./m, here in Pa/m. Nothing
// where either cannot be read or is not above zero (a log axis has no place
// for it).
std::optional<PuntoDiagramma> puntoDelCondotto(std::string_view G, std::string_view Y);

}  // namespace flumetra::dettagli
