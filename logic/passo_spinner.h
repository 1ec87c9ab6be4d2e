// The step of a spinner bound to its field (A, B, D, G): it steps the
// field's number within its range and writes a plain whole number.
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

}  // namespace flumetra
