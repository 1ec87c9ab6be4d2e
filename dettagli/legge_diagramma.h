// The friction chart's lines for a way of computing the loss per metre: the
// calculator's formula corrected by K for an air (straight lines, as in
// diagramma.h), or Colebrook–White's for a duct's roughness ε in that air,
// as a run computes R with the method «colebrook». Colebrook's λ changes
// along a line, which then bends a little: it is given by its points.
//
//   leggeDi(aria 20 °C, 0 m, ε 0,15 mm): perditaAlMetro(3000, 500, legge) -> 0.40175 Pa/m
//   diametroPerPerdita(3000, 0.40175, that legge)   -> 500 mm
//   lineeDelDiagramma(that legge)                      -> D 80 … 1250, v 1 … 20 m/s, each with
//                                                         its tracciato from edge to edge
//   leggeDi({90, 0}, …)                                -> throws Overflow (outside -30 … 80 °C)
#pragma once

#include <optional>
#include <vector>

#include "calc/decimale.h"
#include "dettagli/aria.h"
#include "dettagli/diagramma.h"

namespace flumetra::dettagli {

struct LeggePerdita {
    ProprietaAria aria;                // K is its correzione
    std::optional<Reale> rugosita_mm;  // ε: Colebrook's; none: the calculator's formula
};

// Throws a Fallimento (Overflow) for an air outside its ranges.
LeggePerdita leggeDi(Aria aria, std::optional<Reale> rugosita_mm);

// The loss per metre in Pa/m of G m³/h in a round duct of D mm.
Reale perditaAlMetro(Reale G, Reale D, const LeggePerdita& legge);

// The diameter in mm at which G m³/h loses Y Pa/m.
Reale diametroPerPerdita(Reale G, Reale Y_Pa_m, const LeggePerdita& legge);

// Every line that crosses the chart: the EN 1506 diameters, then the velocities.
std::vector<Linea> lineeDelDiagramma(const LeggePerdita& legge);

}  // namespace flumetra::dettagli
