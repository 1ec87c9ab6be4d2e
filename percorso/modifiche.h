// The edits of a run that are not a cell's value: a section added below
// another, one deleted, one renamed, and the id a new section gets. Each
// returns the run changed, unchecked: verifica says whether it holds.
//
// The reference run (T1 at the fan, T2 and T3 below it, T4 and T5 below T3):
//   nuovoId(p)                      -> "T6"   ("T7" once a section is named T6)
//   conTrattoAggiunto(p, t, 2)      -> {t named T6, hung from T3 as a terminal, at index 3}
//   conTrattoAggiunto(empty, t, {}) -> {t named T1, at the fan, main, at index 0}
//   conTrattoSeguente(p, 0)         -> {T6 below T1, main, 300 × (chosen), 10 m, at index 1}
//   conTrattoSeguente(p, 3)         -> {T6 below T3 beside T4, a round terminal, at index 4}
//   conTrattoSeguente(empty, {})    -> {T1 at the fan, a rectangular main 500 × (chosen), 10 m}
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

// The section a person adds after section scelto, as they would go on
// entering the run: of its role and shape, with its A for a rectangle and
// the size otherwise chosen, 10 m long; below it, or beside it where it is
// a terminal (terminals do not feed others). The first section of a run is
// a rectangular main 500 mm wide at the fan.
Aggiunto conTrattoSeguente(const Percorso& percorso, std::optional<std::size_t> scelto);

// Without section indice: the sections below it hang from its own upstream.
Percorso senzaTratto(const Percorso& percorso, std::size_t indice);

// Section indice named id, and the sections below it following the name.
Percorso rinominato(const Percorso& percorso, std::size_t indice, std::string id);

}  // namespace flumetra::percorso
