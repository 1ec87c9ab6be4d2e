// The sections of a run as a tree: for each, the index of the one upstream,
// and an order in which every section comes after the one upstream, so that
// flows add up from the terminals and pressures from the fan in one pass.
//
//   T1 (fan), T2 ← T1, T3 ← T1, T4 ← T3:
//     monte  {nessunMonte, 0, 0, 2}
//     ordine {0, 1, 2, 3}
#pragma once

#include <cstddef>
#include <limits>
#include <variant>
#include <vector>

#include "percorso/percorso.h"
#include "percorso/rifiuto.h"

namespace flumetra::percorso {

inline constexpr std::size_t nessunMonte = std::numeric_limits<std::size_t>::max();

struct Albero {
    std::vector<std::size_t> monte;   // by section; nessunMonte for the one at the fan
    std::vector<std::size_t> ordine;  // the fan's section first, each after its upstream
};

// The tree, or why the sections do not form one: an empty list, an empty or
// repeated id, an upstream that does not exist, not exactly one section at
// the fan, a loop. Linear in the number of sections.
std::variant<Albero, Rifiuto> costruisciAlbero(const std::vector<Tratto>& tratti);

// The sections that section indice may hang from without a loop: every one
// but itself and those downstream of it, in the run's order; none for the
// section at the fan, which every other is downstream of. For sections that
// form no tree, every one but itself.
//   T1 (fan), T2 ← T1, T3 ← T1, T4 ← T3:
//     montiPossibili(p, 2) -> {0, 1}      montiPossibili(p, 3) -> {0, 1, 2}
std::vector<std::size_t> montiPossibili(const Percorso& percorso, std::size_t indice);

// Each section's depth from the fan: 0 for the one at the fan, 1 for those
// below it, …; all 0 for sections that form no tree.
//   T1 (fan), T2 ← T1, T3 ← T1, T4 ← T3:  profondita(p) -> {0, 1, 1, 2}
std::vector<std::size_t> profondita(const Percorso& percorso);

}  // namespace flumetra::percorso
