// The details' rows as text: each value as the window and the summary
// write it, from the table of rows (righeDettagli, in dettagli.h).
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

// What every window, text and export shows for a value not given.
inline constexpr std::string_view nessunValore = "—";

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
