// The duct's details that the calculator's own formulas leave out, read from
// the field texts as they stand with the calculator's conversions. A value
// that cannot be computed (a field that is not a number, a zero) is empty.
//
// Air at 20 °C and 101 325 Pa. With the start window (A 500, B 500, D 551,
// G 3000, Y 0,023, Ytot 0,23) and galvanised steel:
//   Y_Pa_m 0.22555   Ytot_Pa 2.2555   v_rett 3.3333   rapporto 1
//   v_tondo 3.4948   pd 7.3533        Re 127892        lambda 0.018634
//   R_Pa_m 0.24868   R_mmca_m 0.025358                 scarto -9.299 (%)
//   EN1506: D 500 (v 4.2, Y 0.037, R 0.40175), D 560 (v 3.4, Y 0.022, R 0.22960)
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "calc/decimale.h"
#include "dettagli/attrito.h"
#include "dettagli/materiali.h"

namespace flumetra::dettagli {

// The texts of the fields the details read.
struct TestiDelCondotto {
    std::string A, B, D, G, Y, Ytot;
};

// A series diameter: the v and Y that typing it into D would give, at the
// current G, and its Colebrook loss.
struct DiametroDiSerie {
    Intero D = 0;
    std::optional<Reale> v, Y, R_Pa_m;
};

struct Dettagli {
    Materiale materiale = materialeIniziale;
    std::optional<Reale> Y_Pa_m, Ytot_Pa;   // Y and Ytot in Pa/m and Pa
    std::optional<Reale> v_rett, rapporto;  // velocity in A × B, m/s; max(A, B) / min(A, B)
    std::optional<Reale> v_tondo, pd;       // velocity in the round duct D, m/s; velocity pressure, Pa
    std::optional<Reale> Re, lambda;        // Reynolds number; Colebrook's friction factor
    std::optional<Reale> R_Pa_m, R_mmca_m;  // Colebrook's loss per metre
    std::optional<Reale> scarto;            // (Y − R) / R, in %
    // The series diameter at or below D, then the one above (empty below 63
    // or above 1250); empty as a whole when D cannot be read.
    std::optional<std::array<std::optional<DiametroDiSerie>, 2>> EN1506;
};

Dettagli calcola(const TestiDelCondotto& testi, Materiale materiale);

// Three significant digits, with the decimal comma: 140937 -> "141000",
// 0.018523 -> "0,0185", 4.2441 -> "4,24". Empty: "—".
std::string treCifre(std::optional<Reale> valore);

}  // namespace flumetra::dettagli
