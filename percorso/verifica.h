// What a run must be, in one place: the range of every number, ids that
// are unique, an upstream that exists, one section at the fan, no loop, and
// no more than 900 000 m³/h at the fan. The file reader and the sheet both
// ask here.
//
//   verifica(riferimento)           -> nothing (accepted)
//   verifica(with T3's L at 12000)  -> {FuoriIntervallo,
//                                       "tratto 3 («T3»), L: 12000 è fuori dall'intervallo 0 – 10000", 2}
//   fuoriIntervallo("perdita_obiettivo", 0, {0.0001, 100})
//                                   -> "perdita_obiettivo: 0 è fuori dall'intervallo 0,0001 – 100"
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "calc/decimale.h"
#include "percorso/albero.h"
#include "percorso/percorso.h"
#include "percorso/rifiuto.h"

namespace flumetra::percorso {

struct Intervallo {
    Reale minimo, massimo;  // both included

    // False for a NaN.
    [[nodiscard]] constexpr bool contiene(Reale x) const { return x >= minimo && x <= massimo; }
};

// The sections' inputs; the run's settings have theirs in impostazioni.h.
inline constexpr Intervallo intervalloL{0, 10000};   // m
inline constexpr Intervallo intervalloG{0, 900000};  // m³/h, whole; also the fan's flow
inline constexpr Intervallo intervalloZeta{0, 100};
inline constexpr Intervallo intervalloDpTerminale{0, 10000};  // Pa
inline constexpr Intervallo intervalloD{11, 4999};            // mm, whole
inline constexpr Intervallo intervalloLato{11, 2999};         // A and B, mm, whole

// "<luogo>: <valore> è fuori dall'intervallo <minimo> – <massimo>", with decimal commas.
std::string fuoriIntervallo(std::string_view luogo, Reale valore, Intervallo intervallo);

// Nothing when the run is one a file may hold and the sheet can compute.
std::optional<Rifiuto> verifica(const Percorso& percorso);

// The tree the check built, or why the run is refused: what computes the
// run after the check takes the tree from here rather than build it again.
std::variant<Albero, Rifiuto> verificaConAlbero(const Percorso& percorso);

// The tree of a run that verifica accepts; throws PercorsoNonValido otherwise.
Albero alberoVerificato(const Percorso& percorso);

}  // namespace flumetra::percorso
