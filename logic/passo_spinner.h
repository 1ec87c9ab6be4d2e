// The two step rules of the spinners.
//
// Bound to its field (A, B, D, G), a spinner steps the field's number
// within its range and writes a plain whole number.
//
// Starting value: the field's number when its text is a plain whole number
// inside the range; otherwise the text's number rounded to a whole number
// (ties to even) and clamped into the range; when the text is no number at
// all, the spinner's last value. The result is clamped, not wrapped.
//
//   passoSpinner("500",  {50, 3000, 50}, 500, Verso::Su)   -> 550
//   passoSpinner("2990", {50, 3000, 50}, 500, Verso::Su)   -> 3000
//   passoSpinner("3000", {50, 3000, 50}, 500, Verso::Su)   -> nothing: the text stays
//   passoSpinner("abc",  {50, 3000, 50}, 700, Verso::Giu)  -> 650
#pragma once

#include <optional>
#include <string_view>

#include "calc/decimale.h"
#include "logic/finestra.h"

namespace flumetra {

struct IntervalloSpinner {
    Intero minimo;
    Intero massimo;
    Intero passo;
};

// The new value to write, or nothing when the field's text would not change.
std::optional<Intero> passoSpinner(std::string_view testo, IntervalloSpinner intervallo, Intero ultimo, Verso verso);

// The fine spinners of v and Y never write themselves: a click moves the
// field's number by the spinner's whole step over a divisor. No range
// applies, but a result of 0 or less is refused (every chain would fail on
// it halfway and leave the window half updated), and a text that is no
// number is not stepped.
//
//   passoFine("3,5",   1, 10,   Verso::Su)   -> 3.6
//   passoFine("0,023", 5, 1000, Verso::Giu)  -> 0.018
//   passoFine("0,003", 5, 1000, Verso::Giu)  -> nothing: it would be -0.002
std::optional<Reale> passoFine(std::string_view testo, Intero passo, Reale divisore, Verso verso);

}  // namespace flumetra
