// The details' rows, each written once: its key (the script player's JSON
// key), its label and unit as the window and the summary show them, how its
// value is written and where it comes from in the result of calcola. The
// details window, the summary and the player all read this table, in its
// order; a new computed row is a member of Dettagli, its line in calcola
// and its row here.
//
//   testoDi(riga("Re"), d)      -> "128000"
//   testoDi(riga("lambda"), d)  -> "0,0186 (Colebrook)" or "0,0817 (moto laminare, 64/Re)"
//   testoDi(riga("mu"), d)      -> "1,813E-05"
//   testoDi(riga("v_tondo"), d) -> "—" where it cannot be computed
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "dettagli/dettagli.h"

namespace flumetra::dettagli {

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

// The row of that key; it must be one.
const RigaDettaglio& riga(std::string_view chiave);

// The value's text, without its unit; "—" where it cannot be computed.
std::string testoDi(const RigaDettaglio& riga, const Dettagli& d);

// The EN 1506 pair's sides, as the window and the summary name them.
inline constexpr std::array<std::string_view, 2> latiDellaSerie = {"inferiore", "superiore"};

// A series diameter on one line, as typing it into D would leave the
// fields, with its friction loss: "D 500: v 4,2 m/s, Y 0,037 mmc.a./m, R 0,402 Pa/m";
// "—" for none.
std::string testoDellaSerie(const Dettagli& d, std::size_t lato);

// One value as the summary writes it.
struct Voce {
    std::string etichetta, valore, unita;
};

// Every row's value, one a line, each label once: the EN 1506 pair as one
// line for each of its values, and after λ how it was found.
std::vector<Voce> voci(const Dettagli& d);

// With n significant digits and the decimal comma, as the calculator writes
// a double: (140937, 3) -> "141000", (0.018523, 3) -> "0,0185", (1.813e-5, 5) -> "1,813E-05".
std::string cifreSignificative(Reale valore, int n);

}  // namespace flumetra::dettagli
