// Conversions between the number kinds and rounding to n decimals.

#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <stdexcept>
#include <string>

#include "calc/conversioni.h"
#include "calc/testo.h"

namespace flumetra {
namespace {

// Nearest whole double, ties to even: nearbyint under the default rounding mode.
Reale aInteroPari(Reale valore) {
    if (std::isnan(valore)) fallisci(TipoFallimento::ErroreDiCalcolo, "not a number to round");
    return std::nearbyint(valore);
}

}  // namespace

Intero RealeInIntero(Reale valore) {
    const Reale arrotondato = aInteroPari(valore);
    constexpr auto minimo = static_cast<Reale>(std::numeric_limits<Intero>::min());
    constexpr auto massimo = static_cast<Reale>(std::numeric_limits<Intero>::max());
    if (!(arrotondato >= minimo && arrotondato <= massimo)) {
        fallisci(TipoFallimento::Overflow, "whole number overflow");
    }
    return static_cast<Intero>(arrotondato);
}

Decimale RealeInDecimale(Reale valore) {
    const Reale arrotondato = aInteroPari(valore * static_cast<Reale>(Decimale::decimillesimiPerUnita));
    // -2^63 is a double and in range; 2^63 is the first double above it.
    constexpr Reale limite = 9223372036854775808.0;
    if (!(arrotondato >= -limite && arrotondato < limite)) {
        fallisci(TipoFallimento::Overflow, "Decimale overflow");
    }
    return Decimale::daDecimillesimi(static_cast<std::int64_t>(arrotondato));
}

Reale DecimaleInReale(Decimale valore) {
    // Up to 2^53 the count is an exact double and one division rounds once.
    constexpr std::int64_t esatti = std::int64_t{1} << 53;
    const std::int64_t conteggio = valore.decimillesimi();
    if (conteggio >= -esatti && conteggio <= esatti) {
        return static_cast<Reale>(conteggio) / static_cast<Reale>(Decimale::decimillesimiPerUnita);
    }
    // Beyond, read the exact decimal text so that it is still rounded once.
    std::string testo = DecimaleInTesto(valore);
    if (const auto virgola = testo.find(','); virgola != std::string::npos) testo[virgola] = '.';
    Reale risultato = 0.0;
    std::from_chars(testo.data(), testo.data() + testo.size(), risultato);
    return risultato;
}

Reale Arrotonda(Reale valore, int decimali) {
    if (decimali < 0) throw std::invalid_argument("Arrotonda: negative count of decimals");
    const Reale scala = std::pow(10.0, decimali);
    const Reale scalato = valore * scala;
    if (!std::isfinite(scalato)) fallisci(TipoFallimento::ErroreDiCalcolo, "rounding overflow");
    return aInteroPari(scalato) / scala;
}

Decimale Arrotonda(Decimale valore, int decimali) {
    if (decimali < 0) throw std::invalid_argument("Arrotonda: negative count of decimals");
    if (decimali >= 4) return valore;

    std::int64_t unita = 1;  // in ten-thousandths: 1000 for one decimal
    for (int k = decimali; k < 4; ++k) unita *= 10;
    const std::int64_t conteggio = valore.decimillesimi();
    std::int64_t quoziente = conteggio / unita;  // truncates toward zero
    const std::int64_t resto = conteggio % unita;
    const std::int64_t restoAssoluto = resto < 0 ? -resto : resto;
    const bool oltreMeta = 2 * restoAssoluto > unita;
    const bool meta = 2 * restoAssoluto == unita;
    if (oltreMeta || (meta && quoziente % 2 != 0)) quoziente += resto < 0 ? -1 : 1;

    // The quotient is at most 2^63 / 10 in magnitude, so the product only
    // overflows when rounding away from zero crossed the range's end.
    constexpr auto massimo = std::numeric_limits<std::int64_t>::max();
    constexpr auto minimo = std::numeric_limits<std::int64_t>::min();
    if (quoziente > massimo / unita || quoziente < minimo / unita) {
        fallisci(TipoFallimento::Overflow, "Decimale overflow");
    }
    return Decimale::daDecimillesimi(quoziente * unita);
}

}  // namespace flumetra
