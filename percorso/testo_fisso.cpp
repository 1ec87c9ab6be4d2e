#include "percorso/testo_fisso.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <vector>

#include "calc/conversioni.h"
#include "calc/fallimento.h"

namespace flumetra::percorso {

std::string testoFisso(Reale valore, int decimali) {
    Reale arrotondato = Arrotonda(valore, decimali);  // throws for a NaN, or where × 10^decimali overflows
    if (arrotondato == 0) arrotondato = 0;            // -0 too
    // The rounded double is the one nearest k / 10^decimali, which to_chars
    // writes back as exactly those digits.
    std::vector<char> buffer(std::numeric_limits<Reale>::max_exponent10 + 3 + static_cast<std::size_t>(decimali));
    const auto fine =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), arrotondato, std::chars_format::fixed, decimali)
            .ptr;
    std::replace(buffer.data(), fine, '.', ',');
    return {buffer.data(), fine};
}

std::string testoEsatto(Reale valore) {
    if (!std::isfinite(valore)) fallisci(TipoFallimento::ErroreDiCalcolo, "no text for a NaN or an infinity");
    if (valore == 0) valore = 0;  // -0 too
    // The largest double has 309 digits; the smallest, 4.9e-324, 323 zeros
    // after «0,» before its digit.
    std::array<char, 400> buffer{};
    const auto fine = std::to_chars(buffer.data(), buffer.data() + buffer.size(), valore, std::chars_format::fixed).ptr;
    std::replace(buffer.data(), fine, '.', ',');
    return {buffer.data(), fine};
}

}  // namespace flumetra::percorso
