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
// At 35 °C and 1500 m: R_Pa_m 0.205687, Y_aria 0.0187574, scarto -10.569 (%).
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

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

// The details' rows, each written once: its key (the script player's JSON
// key), its label and unit as the window and the summary show them, how its
// value is written (dettagli/righe.h) and where it comes from in the result
// of calcola. The details window, the summary and the player all read this
// table, in its order; a new computed row is a member of Dettagli above, its
// line in calcola and its row here.

enum class Scrittura {
    TreCifre,     // three significant digits: 0,226
    CinqueCifre,  // five: the air's properties, 1,2041
    Esatta,       // as the calculator writes a double: an input, 35,5
    Attrito,      // three significant digits, and how λ was found
    Serie,        // the EN 1506 pair: a row of its own kind, with no single value
};

// A row chosen in the window, not computed: an input of the air.
struct Ingresso {
    Reale Aria::*valore;
    IntervalloAria limiti;
    Reale passo;   // of one arrow click
    int decimali;  // that a value may have
};
inline constexpr Ingresso ingressoTemperatura{&Aria::temperatura, temperatureAmmesse, 1, 1};
inline constexpr Ingresso ingressoQuota{&Aria::quota, quoteAmmesse, 100, 0};

struct RigaDettaglio {
    std::string_view chiave;     // "R_Pa_m"
    std::string_view etichetta;  // "Perdita per attrito R in pascal"
    std::string_view unita;      // "Pa/m"; empty where the value has none
    Scrittura scrittura;
    std::optional<Reale> Dettagli::*valore;  // none for the EN 1506 pair
    const Ingresso* ingresso = nullptr;      // for an input, what it takes
};

inline constexpr std::string_view mmcaAlMetro = "mmc.a./m";

// In the order of the player's details line.
inline constexpr std::array<RigaDettaglio, 18> righeDettagli = {{
    {"Y_Pa_m", "Perdita unitaria Y in pascal", "Pa/m", Scrittura::TreCifre, &Dettagli::Y_Pa_m},
    {"Ytot_Pa", "Perdita totale Y tot in pascal", "Pa", Scrittura::TreCifre, &Dettagli::Ytot_Pa},
    {"v_rett", "Velocità nel rettangolo A × B", "m/s", Scrittura::TreCifre, &Dettagli::v_rett},
    {"rapporto", "Rapporto dei lati", "", Scrittura::TreCifre, &Dettagli::rapporto},
    {"v_tondo", "Velocità nel tondo D", "m/s", Scrittura::TreCifre, &Dettagli::v_tondo},
    {"pd", "Pressione dinamica nel tondo D", "Pa", Scrittura::TreCifre, &Dettagli::pd},
    {"Re", "Numero di Reynolds", "", Scrittura::TreCifre, &Dettagli::Re},
    {"lambda", "Fattore d'attrito λ", "", Scrittura::Attrito, &Dettagli::lambda},
    {"R_Pa_m", "Perdita per attrito R in pascal", "Pa/m", Scrittura::TreCifre, &Dettagli::R_Pa_m},
    {"R_mmca_m", "Perdita per attrito R in mm c.a.", mmcaAlMetro, Scrittura::TreCifre, &Dettagli::R_mmca_m},
    {"scarto", "Scarto di Y corretta da R", "%", Scrittura::TreCifre, &Dettagli::scarto},
    {"EN1506", "EN 1506, diametro", "", Scrittura::Serie, nullptr},
    {"t_aria", "Temperatura dell'aria", "°C", Scrittura::Esatta, &Dettagli::t_aria, &ingressoTemperatura},
    {"quota", "Quota", "m", Scrittura::Esatta, &Dettagli::quota, &ingressoQuota},
    {"rho", "Densità dell'aria ρ", "kg/m³", Scrittura::CinqueCifre, &Dettagli::rho},
    {"mu", "Viscosità dell'aria μ", "Pa·s", Scrittura::CinqueCifre, &Dettagli::mu},
    {"K", "Correzione K della perdita", "", Scrittura::CinqueCifre, &Dettagli::K},
    {"Y_aria", "Perdita Y corretta per l'aria", mmcaAlMetro, Scrittura::TreCifre, &Dettagli::Y_aria},
}};

}  // namespace flumetra::dettagli
