#include "percorso/json_testo.h"

#include <array>
#include <charconv>
#include <cmath>

#include "calc/fallimento.h"

namespace flumetra::percorso {

std::string stringaJson(std::string_view testo) {
    std::string s;
    s.reserve(testo.size() + 2);
    s += '"';
    for (const char c : testo) {
        switch (c) {
            case '"': s += "\\\""; break;
            case '\\': s += "\\\\"; break;
            case '\b': s += "\\b"; break;
            case '\f': s += "\\f"; break;
            case '\n': s += "\\n"; break;
            case '\r': s += "\\r"; break;
            case '\t': s += "\\t"; break;
            default:
                if (static_cast<unsigned char>(c) < 0x20) {
                    constexpr std::string_view cifre = "0123456789abcdef";
                    const auto u = static_cast<unsigned char>(c);
                    s += "\\u00";
                    s += cifre[u >> 4];
                    s += cifre[u & 0xF];
                } else {
                    s += c;
                }
        }
    }
    s += '"';
    return s;
}

std::string numeroJson(Reale valore) {
    if (!std::isfinite(valore)) fallisci(TipoFallimento::ErroreDiCalcolo, "JSON has no number for a NaN or infinity");
    if (valore == 0) valore = 0;  // -0 too, which a reader takes back as the whole number 0
    std::array<char, 32> buffer{};
    const auto fine = std::to_chars(buffer.data(), buffer.data() + buffer.size(), valore).ptr;
    return {buffer.data(), fine};
}

OggettoJson& OggettoJson::con(std::string_view chiave, std::string_view valore) {
    const bool spazi = spazi_ == Spazi::Si;
    if (testo_.size() > 1) testo_ += spazi ? ", " : ",";
    testo_ += stringaJson(chiave);
    testo_ += spazi ? ": " : ":";
    testo_ += valore;
    return *this;
}

std::string OggettoJson::testo() const {
    std::string s = testo_;
    s += '}';
    return s;
}

bool utf8Valido(std::string_view testo) {
    std::size_t i = 0;
    while (i < testo.size()) {
        const auto c = static_cast<unsigned char>(testo[i]);
        std::size_t seguono = 0;
        unsigned char minimo = 0x80;   // the second byte's bounds, which rule out
        unsigned char massimo = 0xBF;  // overlong forms, surrogates and > U+10FFFF
        if (c < 0x80) {
            ++i;
            continue;
        }
        if (c >= 0xC2 && c <= 0xDF) {
            seguono = 1;
        } else if (c >= 0xE0 && c <= 0xEF) {
            seguono = 2;
            if (c == 0xE0) minimo = 0xA0;
            if (c == 0xED) massimo = 0x9F;
        } else if (c >= 0xF0 && c <= 0xF4) {
            seguono = 3;
            if (c == 0xF0) minimo = 0x90;
            if (c == 0xF4) massimo = 0x8F;
        } else {
            return false;
        }
        if (testo.size() - i <= seguono) return false;
        for (std::size_t k = 1; k <= seguono; ++k) {
            const auto b = static_cast<unsigned char>(testo[i + k]);
            if (b < (k == 1 ? minimo : 0x80) || b > (k == 1 ? massimo : 0xBF)) return false;
        }
        i += seguono + 1;
    }
    return true;
}

}  // namespace flumetra::percorso
