// A block of cells pasted from a spreadsheet into a run: rows of
// tab-separated texts, each put into its column as if typed there. A row
// beyond the last section is a new section, going on as the run does
// (conTrattoSeguente). A text that is no value of its column refuses the
// whole block, naming the row and the column; what the run then is,
// verifica says.
//
//   righeIncollate("12\t800\r\n8\t1200\r\n")   -> {{"12", "800"}, {"8", "1200"}}
//   conBlocco(reference run, 4, {L, G}, {{"4", "1000"}, {"7", "500"}})
//     -> T5 with L 4 and G 1000, and T6, a round terminal beside it, with L 7 and G 500
//   conBlocco(reference run, 0, {L}, {{"dodici"}})
//     -> "riga 1 («T1»), colonna «L»: «dodici» non è un numero"
#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "percorso/colonne.h"
#include "percorso/percorso.h"

namespace flumetra::percorso {

using Blocco = std::vector<std::vector<std::string>>;

// Lines (LF or CRLF, a last empty line left out) of tab-separated texts.
Blocco righeIncollate(std::string_view testo);

// The run with the block's rows put from section riga on, each text into
// the column of its place in colonne (none: that text is left out), the
// shape of a row before its sizes; or why not.
std::variant<Percorso, std::string> conBlocco(const Percorso& percorso, std::size_t riga,
                                              std::span<const std::optional<Colonna>> colonne, const Blocco& blocco);

}  // namespace flumetra::percorso
