// Field text <-> numbers, with the decimal comma. The format is fixed:
// no locale, C's or Qt's, takes part.
//
// Reading accepts blanks around the number, a sign, full stops among the
// digits of the whole part (digit groups, skipped), one decimal comma and an
// exponent. The exact decimal value of the text is rounded once, ties to even:
//
//   TestoInIntero(" +551 ")  -> 551        TestoInIntero("2,5")    -> 2
//   TestoInIntero("-0,4")    -> 0          TestoInIntero("3,5")    -> 4
//   TestoInIntero("1.000")   -> 1000       TestoInReale(",5")      -> 0.5
//   TestoInDecimale("0,02345") -> 0.0234   TestoInReale("1E3")     -> 1000
//   TestoInIntero("3,5,1")   -> throws NonNumero
//   TestoInIntero("3000000000") -> throws Overflow
//
// Writing never uses digit groups:
//
//   InteroInTesto(-42)        -> "-42"
//   DecimaleInTesto(0.024)    -> "0,024"   DecimaleInTesto(3)  -> "3"
//   RealeInTesto(10 * 0.023)  -> "0,23"    RealeInTesto(1e-5)  -> "1E-05"
//   RealeInTesto(1234567890123456.0) -> "1,23456789012346E+15"
#pragma once

#include <string>
#include <string_view>

#include "calc/decimale.h"

namespace flumetra {

Intero TestoInIntero(std::string_view testo);
Decimale TestoInDecimale(std::string_view testo);
Reale TestoInReale(std::string_view testo);

// Whether every full stop stands before exactly three digits, as a digit
// group's separator does: "1.000" and "12.345,5" yes; "4.5", "1.0000" no.
bool puntiDelleMigliaia(std::string_view testo);

std::string InteroInTesto(Intero valore);
std::string DecimaleInTesto(Decimale valore);
std::string RealeInTesto(Reale valore);  // a NaN or an infinity is a calculation failure

}  // namespace flumetra
