// The duct's details that the calculator's own formulas leave out, read from
// the field texts as they stand with the calculator's conversions, for a
// duct material and an air. A value that cannot be computed (a field that is
// not a number or whose text the calculator did not use, a zero) is empty.
//
// With the start window (A 500, B 500, D 551, G 3000, Y 0,023, Ytot 0,23),
// galvanised steel and air at 20 °C at sea level:
//   Y_Pa_m 0.22555   Ytot_Pa 2.2555   v_rett 3.3333   rapporto 1
//   v_tondo 3.4948   pd 7.3533        Re 127892        lambda 0.018634
//   R_Pa_m 0.24868   R_mmca_m 0.025358                 scarto -9.299 (%)
//   EN1506: D 500 (v 4.2, Y 0.037, R 0.40175), D 560 (v 3.4, Y 0.022, R 0.22960)
//   rho 1.2041  mu 1.813e-5  K 1  Y_aria 0.023
// At 35 °C and 1500 m: R_Pa_m 0.205687, Y_aria 0.0187574, scarto +9.659 (%).
#pragma once

#include <array>
#include <optional>
#include <string>

#include "calc/decimale.h"
#include "dettagli/aria.h"
#include "dettagli/attrito.h"
#include "dettagli/materiali.h"

namespace flumetra::dettagli {

// The texts of the fields the details read; empty where the calculator did
// not use the field's text (it was refused), which then counts as a text
// that cannot be read.
struct TestiDelCondotto {
    std::optional<std::string> A, B, D, G, Y, Ytot;
};

// A series diameter: the v and Y that typing it into D would give, at the
// current G, and its friction loss in that air.
struct DiametroDiSerie {
    Intero D = 0;
    std::optional<Reale> v, Y, R_Pa_m;
};

struct Dettagli {
    Materiale materiale = materialeIniziale;
    std::optional<Reale> t_aria, quota;     // the air as chosen: °C, m
    std::optional<Reale> rho, mu, K;        // its density, viscosity and the correction of Y
    std::optional<Reale> Y_Pa_m, Ytot_Pa;   // Y and Ytot in Pa/m and Pa
    std::optional<Reale> v_rett, rapporto;  // velocity in A × B, m/s; max(A, B) / min(A, B)
    std::optional<Reale> v_tondo, pd;       // velocity in the round duct D, m/s; its velocity pressure, Pa
    std::optional<Reale> Re, lambda;        // Reynolds number; Darcy's friction factor
    bool laminare = false;                  // Re below 2300: λ = 64 / Re, not Colebrook's
    std::optional<Reale> R_Pa_m, R_mmca_m;  // the friction loss per metre in that air
    std::optional<Reale> Y_aria;            // Y × K, mm c.a./m: the calculator's Y for that air
    std::optional<Reale> scarto;            // (Y × K − R) / R, in %
    // The series diameter at or below D, then the one above (empty below 63
    // or above 1250); empty as a whole when D cannot be read.
    std::optional<std::array<std::optional<DiametroDiSerie>, 2>> EN1506;
};

Dettagli calcola(const TestiDelCondotto& testi, Materiale materiale, Aria aria = {});

}  // namespace flumetra::dettagli
