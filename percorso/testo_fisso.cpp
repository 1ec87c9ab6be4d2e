#include "percorso/testo_fisso.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <vector>

#include "calc/conversioni.h"

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

}  // namespace flumetra::percorso
