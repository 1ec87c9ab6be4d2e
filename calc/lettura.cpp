// Reading a number from field text.
//
// The text is first taken apart into its exact decimal value (sign, digits,
// power of ten); only then is that value rounded, once, to the kind asked
// for. Whole numbers and Decimale values never pass through a double.

#include <charconv>
#include <cstdint>
#include <limits>
#include <string>
#include <string_view>
#include <system_error>

#include "calc/testo.h"

namespace flumetra {
namespace {

// The exact value of a number text: (-1)^negativo × cifre × 10^esponente.
// cifre has neither leading nor trailing zeros; it is empty for zero.
struct ValoreEsatto {
    bool negativo = false;
    std::string cifre;
    std::int64_t esponente = 0;

    // The power of ten just above the leading digit: the value lies in
    // [10^(m-1), 10^m) for m = ordine().
    [[nodiscard]] std::int64_t ordine() const { return static_cast<std::int64_t>(cifre.size()) + esponente; }
};

// Exponents beyond this are far outside every kind's range; the saturated
// value keeps all further sums inside 64 bits.
constexpr std::int64_t esponenteSaturo = 1'000'000'000'000'000;

bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isBlank(char c) { return c == ' ' || c == '\t'; }

[[noreturn]] void nonNumero(std::string_view testo) {
    constexpr std::size_t mostrati = 40;
    fallisci(TipoFallimento::NonNumero,
             "not a number: \"" + std::string(testo.substr(0, mostrati)) + (testo.size() > mostrati ? "…\"" : "\""));
}

ValoreEsatto scomponi(std::string_view testo) {
    std::size_t i = 0;
    std::size_t fine = testo.size();
    while (i < fine && isBlank(testo[i])) ++i;
    while (fine > i && isBlank(testo[fine - 1])) --fine;

    ValoreEsatto v;
    if (i < fine && (testo[i] == '+' || testo[i] == '-')) {
        v.negativo = testo[i] == '-';
        ++i;
    }

    // Whole part: digits, with full stops allowed once a digit has been seen.
    std::size_t cifreIntere = 0;
    std::int64_t decimali = 0;
    for (; i < fine; ++i) {
        const char c = testo[i];
        if (isDigit(c)) {
            if (c != '0' || !v.cifre.empty()) v.cifre.push_back(c);  // leading zeros carry nothing
            ++cifreIntere;
        } else if (c != '.' || cifreIntere == 0) {
            break;
        }
    }
    if (i < fine && testo[i] == ',') {
        for (++i; i < fine && isDigit(testo[i]); ++i) {
            if (testo[i] != '0' || !v.cifre.empty()) v.cifre.push_back(testo[i]);
            ++decimali;
        }
    }
    if (cifreIntere == 0 && decimali == 0) nonNumero(testo);

    std::int64_t esponente = 0;
    if (i < fine && (testo[i] == 'E' || testo[i] == 'e')) {
        ++i;
        bool esponenteNegativo = false;
        if (i < fine && (testo[i] == '+' || testo[i] == '-')) {
            esponenteNegativo = testo[i] == '-';
            ++i;
        }
        if (i == fine || !isDigit(testo[i])) nonNumero(testo);
        for (; i < fine && isDigit(testo[i]); ++i) {
            if (esponente < esponenteSaturo) esponente = esponente * 10 + (testo[i] - '0');
        }
        if (esponente > esponenteSaturo) esponente = esponenteSaturo;
        if (esponenteNegativo) esponente = -esponente;
    }
    if (i != fine) nonNumero(testo);

    // Leading zeros were never kept; trailing zeros go into the exponent.
    if (v.cifre.empty()) return ValoreEsatto{};  // zero, whatever its sign or exponent
    const auto ultimaSignificativa = v.cifre.find_last_not_of('0');
    const auto zeriFinali = static_cast<std::int64_t>(v.cifre.size() - 1 - ultimaSignificativa);
    v.cifre.resize(ultimaSignificativa + 1);
    v.esponente = esponente - decimali + zeriFinali;
    return v;
}

// round(value × 10^decimali), ties to even, as a count inside [minimo, massimo].
std::int64_t arrotondaConteggio(const ValoreEsatto& v, int decimali, std::int64_t minimo, std::int64_t massimo,
                                const char* tipo) {
    if (v.cifre.empty()) return 0;
    const std::int64_t spostamento = v.esponente + decimali;
    const std::int64_t cifreIntere = static_cast<std::int64_t>(v.cifre.size()) + spostamento;
    // 19 digits fit an unsigned 64-bit magnitude; 20 or more exceed every range here.
    if (cifreIntere > 19) fallisci(TipoFallimento::Overflow, std::string(tipo) + " overflow");

    std::uint64_t grandezza = 0;
    const auto n = static_cast<std::int64_t>(v.cifre.size());
    for (std::int64_t k = 0; k < cifreIntere; ++k) {
        const int cifra = k < n ? v.cifre[static_cast<std::size_t>(k)] - '0' : 0;
        grandezza = grandezza * 10 + static_cast<std::uint64_t>(cifra);
    }
    if (cifreIntere < n) {
        // The first dropped digit decides, the rest only breaks a tie; since
        // cifre has no trailing zeros, "rest" means "any digit after it".
        const bool primaPerduta = cifreIntere >= 0;
        const int cifraPerduta = primaPerduta ? v.cifre[static_cast<std::size_t>(cifreIntere)] - '0' : 0;
        const bool altre = cifreIntere + 1 < n;
        const bool suPerEccesso = cifraPerduta > 5 || (cifraPerduta == 5 && (altre || grandezza % 2 == 1));
        if (suPerEccesso) ++grandezza;
    }

    const std::uint64_t limite =
        v.negativo ? 0 - static_cast<std::uint64_t>(minimo) : static_cast<std::uint64_t>(massimo);
    if (grandezza > limite) fallisci(TipoFallimento::Overflow, std::string(tipo) + " overflow");
    return v.negativo ? static_cast<std::int64_t>(0 - grandezza) : static_cast<std::int64_t>(grandezza);
}

}  // namespace

Intero TestoInIntero(std::string_view testo) {
    const auto conteggio = arrotondaConteggio(scomponi(testo), 0, std::numeric_limits<Intero>::min(),
                                              std::numeric_limits<Intero>::max(), "whole number");
    return static_cast<Intero>(conteggio);
}

Decimale TestoInDecimale(std::string_view testo) {
    return Decimale::daDecimillesimi(arrotondaConteggio(scomponi(testo), 4, std::numeric_limits<std::int64_t>::min(),
                                                        std::numeric_limits<std::int64_t>::max(), "Decimale"));
}

bool puntiDelleMigliaia(std::string_view testo) {
    for (std::size_t i = testo.find('.'); i != std::string_view::npos; i = testo.find('.', i + 1)) {
        std::size_t cifre = 0;
        while (i + 1 + cifre < testo.size() && isDigit(testo[i + 1 + cifre])) ++cifre;
        if (cifre != 3) return false;
    }
    return true;
}

Reale TestoInReale(std::string_view testo) {
    const ValoreEsatto v = scomponi(testo);
    if (v.cifre.empty()) return 0.0;
    // The largest double is below 10^309, the smallest above 10^-324.
    if (v.ordine() > 310) fallisci(TipoFallimento::Overflow, "double overflow");
    if (v.ordine() < -330) return 0.0;

    std::string normale = (v.negativo ? "-" : "") + v.cifre + 'e' + std::to_string(v.esponente);
    Reale valore = 0.0;
    const auto [fine, errore] = std::from_chars(normale.data(), normale.data() + normale.size(), valore);
    if (errore == std::errc::result_out_of_range) {
        // from_chars says out of range both for overflow and for a value too
        // small for any double; the latter reads as zero.
        if (v.ordine() > 0) fallisci(TipoFallimento::Overflow, "double overflow");
        return 0.0;
    }
    if (errore != std::errc{} || fine != normale.data() + normale.size()) nonNumero(testo);
    return valore;
}

}  // namespace flumetra
