// Pieces of JSON text, written without a library: a string with its escapes,
// a number as the shortest text that reads back as the same double, an
// object key by key, and the check that a text is UTF-8, as JSON requires.
//
//   stringaJson("a\"b\\c\n")   -> "\"a\\\"b\\\\c\\n\""
//   stringaJson("T\x01")       -> "\"T\\u0001\""   (UTF-8 passes through)
//   numeroJson(0.1 + 0.2)      -> "0.30000000000000004"
//   numeroJson(12.0)           -> "12"
//   numeroJson(-0.0)           -> "0"
//   utf8Valido("\xC3\xA8")     -> true     utf8Valido("\xC3")  -> false
#pragma once

#include <string>
#include <string_view>

#include "calc/decimale.h"

namespace flumetra::percorso {

std::string stringaJson(std::string_view testo);

// std::to_chars's shortest form; a NaN or an infinity, which JSON cannot
// hold, throws a Fallimento (ErroreDiCalcolo).
std::string numeroJson(Reale valore);

// An object written key by key, each value already JSON text:
//   OggettoJson(Spazi::Si).con("a", "1").con("b", "null").testo()  -> {"a": 1, "b": null}
//   OggettoJson(Spazi::No).con("a", "1").con("b", "null").testo()  -> {"a":1,"b":null}
class OggettoJson {
public:
    enum class Spazi { Si, No };  // after «,» and «:», as the file has them; none, as the player prints
    explicit OggettoJson(Spazi spazi) : spazi_(spazi) {}
    OggettoJson& con(std::string_view chiave, std::string_view valore);
    [[nodiscard]] std::string testo() const;

private:
    Spazi spazi_;
    std::string testo_ = "{";
};

// Well-formed UTF-8: no stray continuation byte, no overlong form, no
// surrogate, nothing above U+10FFFF.
bool utf8Valido(std::string_view testo);

}  // namespace flumetra::percorso
