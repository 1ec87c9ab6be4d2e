// Failures of the calculator's conversions and formulas.
//
// Every conversion and formula either returns its value or throws a
// Fallimento naming one of three kinds. Nothing ever substitutes a value.
//
//   TestoInIntero("abc")          -> throws NonNumero
//   TestoInIntero("3000000000")   -> throws Overflow
//   VelocitaDaPortata(0, 3000)    -> throws ErroreDiCalcolo (division by zero)
#pragma once

#include <stdexcept>
#include <string>

namespace flumetra {

enum class TipoFallimento {
    NonNumero,        // a text that does not have the form of a number
    Overflow,         // a value outside the range of its kind
    ErroreDiCalcolo,  // division by zero, invalid operation or real overflow
};

class Fallimento : public std::runtime_error {
public:
    Fallimento(TipoFallimento tipo, const std::string& dettaglio) : std::runtime_error(dettaglio), tipo_(tipo) {}

    [[nodiscard]] TipoFallimento tipo() const noexcept { return tipo_; }

private:
    TipoFallimento tipo_;
};

[[noreturn]] inline void fallisci(TipoFallimento tipo, const std::string& dettaglio) {
    throw Fallimento(tipo, dettaglio);
}

}  // namespace flumetra
