// The edits of a run that are not a cell's value: a section added below
// another, one deleted, one renamed, and the id a new section gets. Each
// returns the run changed, unchecked: verifica says whether it holds.
//
// The reference run (T1 at the fan, T2 and T3 below it, T4 and T5 below T3):
//   nuovoId(p)                      -> "T6"   ("T7" once a section is named T6)
//   conTrattoAggiunto(p, t, 2)      -> {t named T6, hung from T3 as a terminal, at index 3}
//   conTrattoAggiunto(empty, t, {}) -> {t named T1, at the fan, main, at index 0}
//   senzaTratto(p, 2)               -> T1, T2, T4, T5 with T4 and T5 below T1
//   rinominato(p, 2, "Dorsale")     -> T3 is Dorsale, and T4 and T5 hang from Dorsale
#pragma once

#include <cstddef>
#include <optional>
#include <string>

#include "percorso/percorso.h"

namespace flumetra::percorso {

// T1, T2, …: the first from the count of sections plus one that no section has.
std::string nuovoId(const Percorso& percorso);

struct Aggiunto {
    Percorso percorso;
    std::size_t indice = 0;  // where the new section is
};

// The section right after the one it hangs from, monte, as a terminal
// there; at the top of the run, at the fan and main, when there is none.
// Its id is nuovoId's.
Aggiunto conTrattoAggiunto(const Percorso& percorso, Tratto tratto, std::optional<std::size_t> monte);

// Without section indice: the sections below it hang from its own upstream.
Percorso senzaTratto(const Percorso& percorso, std::size_t indice);

// Section indice named id, and the sections below it following the name.
Percorso rinominato(const Percorso& percorso, std::size_t indice, std::string id);

}  // namespace flumetra::percorso
