// What a section's fittings must be: each parameter and n within its range,
// each kind on a shape it goes on, and those that need the upstream's size
// not on the section at the fan. verifica asks here, so that a file and an
// edit (a new shape too) are refused alike.
//
//   luogoDelRaccordo(2, "T3", 1, TipoRaccordo::Curva)  -> "tratto 3 («T3»), raccordo 2 (curva)"
//   raccordoNonAmmesso(2, T3 round, with a curva_rettangolare first)
//       -> {RaccordoNonAmmesso, "tratto 3 («T3»), raccordo 1 (curva_rettangolare): va solo su un tratto rettangolare"}
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "percorso/percorso.h"
#include "percorso/raccordo.h"
#include "percorso/rifiuto.h"

namespace flumetra::percorso {

std::string luogoDelRaccordo(std::size_t tratto, std::string_view id, std::size_t k, TipoRaccordo tipo);

// The first fault of section i's fittings, in their order.
std::optional<Rifiuto> raccordoNonAmmesso(std::size_t i, const Tratto& t);

}  // namespace flumetra::percorso
