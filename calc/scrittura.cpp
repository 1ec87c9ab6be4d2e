// Writing numbers as field text: decimal comma, no digit groups.

#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "calc/testo.h"

namespace flumetra {

std::string InteroInTesto(Intero valore) {
    std::array<char, 16> buffer{};
    const auto [fine, errore] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), valore);
    (void)errore;  // 16 characters hold every 32-bit number
    return {buffer.data(), fine};
}

std::string DecimaleInTesto(Decimale valore) {
    const std::int64_t conteggio = valore.decimillesimi();
    const bool negativo = conteggio < 0;
    // The magnitude of the most negative count only fits unsigned.
    const std::uint64_t grandezza =
        negativo ? 0 - static_cast<std::uint64_t>(conteggio) : static_cast<std::uint64_t>(conteggio);
    const auto unita = static_cast<std::uint64_t>(Decimale::decimillesimiPerUnita);

    std::string testo = negativo ? "-" : "";
    testo += std::to_string(grandezza / unita);
    std::uint64_t frazione = grandezza % unita;
    if (frazione != 0) {
        std::string cifre = std::to_string(frazione);
        cifre.insert(0, 4 - cifre.size(), '0');
        cifre.erase(cifre.find_last_not_of('0') + 1);
        testo += ',' + cifre;
    }
    return testo;
}

// Zero is "0". Otherwise the value is rounded to 15 significant digits; with e
// the power of ten of its first digit, -4 <= e <= 14 is written plainly and
// anything else as d,dddE+XX. Trailing zeros are never written.
std::string RealeInTesto(Reale valore) {
    if (!std::isfinite(valore)) {
        fallisci(TipoFallimento::ErroreDiCalcolo, "no text for a value that is not finite");
    }
    if (valore == 0.0) return "0";

    // "-d.dddddddddddddde+XXX": the 15 digits, correctly rounded, ties to even.
    std::array<char, 32> buffer{};
    const auto [fine, errore] =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), valore, std::chars_format::scientific, 14);
    (void)errore;  // 32 characters hold every double in this form
    const std::string scientifico(buffer.data(), fine);

    const bool negativo = scientifico.front() == '-';
    const std::size_t inizio = negativo ? 1 : 0;
    const std::size_t marca = scientifico.find('e');
    std::string cifre = scientifico.substr(inizio, 1) + scientifico.substr(inizio + 2, marca - inizio - 2);
    cifre.erase(cifre.find_last_not_of('0') + 1);
    const int e = std::atoi(scientifico.c_str() + marca + 1);

    std::string testo = negativo ? "-" : "";
    if (e >= -4 && e <= 14) {
        if (e >= 0) {
            const auto cifreIntere = static_cast<std::size_t>(e) + 1;
            if (cifre.size() < cifreIntere) cifre.append(cifreIntere - cifre.size(), '0');
            testo += cifre.substr(0, cifreIntere);
            if (cifre.size() > cifreIntere) testo += ',' + cifre.substr(cifreIntere);
        } else {
            testo += "0," + std::string(static_cast<std::size_t>(-e - 1), '0') + cifre;
        }
        return testo;
    }
    testo += cifre.substr(0, 1);
    if (cifre.size() > 1) testo += ',' + cifre.substr(1);
    const int grandezza = std::abs(e);
    testo += e < 0 ? "E-" : "E+";
    if (grandezza < 10) testo += '0';
    testo += std::to_string(grandezza);
    return testo;
}

}  // namespace flumetra
