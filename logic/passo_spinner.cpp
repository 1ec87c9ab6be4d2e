#include "logic/passo_spinner.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "calc/testo.h"

namespace flumetra {
namespace {

Intero dentro(std::int64_t valore, IntervalloSpinner intervallo) {
    return static_cast<Intero>(std::clamp<std::int64_t>(valore, intervallo.minimo, intervallo.massimo));
}

Intero partenza(std::string_view testo, IntervalloSpinner intervallo, Intero ultimo) {
    Reale numero = 0;
    try {
        numero = TestoInReale(testo);
    } catch (const Fallimento&) {
        return ultimo;
    }
    // Rounded and clamped as a double first: the text may be far outside 32 bits.
    const Reale arrotondato = std::nearbyint(numero);
    return static_cast<Intero>(
        std::clamp(arrotondato, static_cast<Reale>(intervallo.minimo), static_cast<Reale>(intervallo.massimo)));
}

}  // namespace

std::optional<Intero> passoSpinner(std::string_view testo, IntervalloSpinner intervallo, Intero ultimo, Verso verso) {
    const std::int64_t da = partenza(testo, intervallo, ultimo);
    const std::int64_t passo = verso == Verso::Su ? intervallo.passo : -std::int64_t{intervallo.passo};
    const Intero nuovo = dentro(da + passo, intervallo);
    if (InteroInTesto(nuovo) == testo) return std::nullopt;
    return nuovo;
}

std::optional<Reale> passoFine(std::string_view testo, Intero passo, Reale divisore, Verso verso) {
    const Reale variazione = static_cast<Reale>(verso == Verso::Giu ? -std::int64_t{passo} : passo) / divisore;
    Reale nuovo = 0;
    try {
        nuovo = TestoInReale(testo) + variazione;
    } catch (const Fallimento&) {
        return std::nullopt;
    }
    if (!(nuovo > 0)) return std::nullopt;
    return nuovo;
}

}  // namespace flumetra
