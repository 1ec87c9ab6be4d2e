// One section's size and its friction: the size given, or the first the
// sheet tries (EN 1506 diameters, or B from 100 to 2500 mm in steps of 50)
// whose velocity stays within its role's limit and whose loss per metre R
// within the target.
//
// Air at 20 °C, the calculator's method, Y° 0,08 mm c.a./m (R° 0,78453 Pa/m):
//   rectangle A 300, B empty, 3000 m³/h, limit 7 m/s
//     -> B 550, D 443 (equivalent), v 5,0505 m/s, R 0,069 × 9,80665 = 0,67666 Pa/m
//   round, D empty, 800 m³/h, limit 3,5 m/s -> D 300, v 3,1438 m/s
//   round, D empty, 900 000 m³/h, limit 3,5 m/s -> nothing (even 1250 mm is too fast)
#pragma once

#include <optional>

#include "calc/decimale.h"
#include "dettagli/aria.h"
#include "percorso/percorso.h"

namespace flumetra::percorso {

// What every section of a run shares.
struct Condizioni {
    Metodo metodo = Metodo::Calcolatore;
    dettagli::ProprietaAria aria;
    Reale rugosita_mm = 0;  // ε of the material
    Reale R_obiettivo = 0;  // Y° in Pa/m
};

// Throws a Fallimento (Overflow) for an air outside its ranges.
Condizioni condizioniDi(const Percorso& percorso);

struct Misura {
    Intero D = 0;             // the diameter, or the rectangle's equivalent diameter
    std::optional<Intero> B;  // the rectangle's side B, given or chosen
    Reale v = 0;              // m/s, in the section itself (the rectangle's own)
    Reale R_Pa_m = 0;         // at D: the calculator's Y corrected for the air, or Colebrook's
};

// R in Pa/m for G m³/h at the (equivalent) diameter D: 0 without flow.
Reale perditaUnitaria(const Condizioni& c, Intero G, Intero D);

// The size given, or the first that passes both limits; nothing when none
// does. G is the section's whole flow. A formula's Fallimento passes through.
std::optional<Misura> misuraDelTratto(const Condizioni& c, const Tratto& t, Intero G, Reale velocitaMassima);

// The size given, whatever the flow (v and R left 0): D, or B with the
// rectangle's equivalent diameter as D; nothing for a size the sheet
// chooses. A formula's Fallimento passes through.
//   round D 250 -> D 250;  rectangle 300 × 550 -> D 443, B 550;  rectangle 300 × (empty) -> nothing
std::optional<Misura> misuraData(const Tratto& t);

}  // namespace flumetra::percorso
