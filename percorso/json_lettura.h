// JSON text to a document (nlohmann/json), refusing what its own parser
// would let by: a key written twice in one object (nlohmann keeps the last
// silently). A fault in the text is placed by line and column, counted in
// characters from 1, from the parser's byte offset.
//
//   documentoJson("{\"a\": 1}")              -> {"a": 1}
//   documentoJson("{\"a\": 1,\n \"b\": }")   -> {NonJson, "il testo non è JSON valido: riga 2, colonna 7"}
//   documentoJson("{\"a\": 1, \"a\": 2}")    -> {ChiaveSconosciuta, "la chiave «a» compare due volte"}
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <variant>

#include <nlohmann/json.hpp>

#include "percorso/rifiuto.h"

namespace flumetra::percorso {

std::variant<nlohmann::json, Rifiuto> documentoJson(std::string_view testo);

struct RigaColonna {
    std::size_t riga = 1, colonna = 1;
};

// The place of the byte at offset (from 0; the end of the text is a place too).
RigaColonna rigaColonna(std::string_view testo, std::size_t offset);

// A value as a message shows it: "il testo «abc»", "null", "12,5", "una lista".
std::string descrivi(const nlohmann::json& v);

}  // namespace flumetra::percorso
