// A run's file (.flumetra): UTF-8 JSON, read whole or refused whole with a
// message that names what and where, and written back key by key in the
// format's order, one section a line, whole numbers without a fraction.
//
//   leggi(scrivi(p))            -> p, for every run verifica accepts
//   leggi("{\"formato\": 3}")   -> {Formato, "non è un percorso di Flumetra: «formato» non è «flumetra-percorso»"}
//
// Every key is required except a section's dp_terminale (0 when left out)
// and its raccordi (none when left out, and so written); a null D or B is a
// size the sheet chooses. A key the format does not have
// is refused, as is a key written twice: a version-1 file holds nothing
// else, and a key nobody reads would be lost at the next save.
#pragma once

#include <string>
#include <string_view>
#include <variant>

#include "percorso/percorso.h"
#include "percorso/rifiuto.h"

namespace flumetra::percorso {

inline constexpr std::string_view formatoDelFile = "flumetra-percorso";
inline constexpr int versioneDelFile = 1;

std::variant<Percorso, Rifiuto> leggi(std::string_view testo);

// Any run, valid or not, as long as its numbers are finite (else a
// Fallimento, ErroreDiCalcolo) and its texts UTF-8; reading it back refuses
// what verifica refuses.
std::string scrivi(const Percorso& percorso);

}  // namespace flumetra::percorso
