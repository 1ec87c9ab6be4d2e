// A section's fittings in the run's file: a list of objects, each with its
// kind's word, its parameters and n (1 when left out), and no other key.
// Reading checks each value's kind and that every parameter is there;
// ranges, shapes and the upstream are verifica's (verifica_raccordi.h).
//
//   raccordiDalJson([{"tipo": "curva", "r_su_D": 1.5, "angolo": 90, "n": 2}], 2, "T3")
//       -> {Curva, r/D 1,5, 90°, n 2}
//   raccordiDalJson([{"tipo": "curva", "angolo": 90}], 2, "T3")
//       -> {ChiaveMancante, "tratto 3 («T3»), raccordo 1 (curva): manca «r/D»"}
//   raccordiInJson({Curva, r/D 1,5, 90°, n 2})
//       -> [{"tipo": "curva", "r_su_D": 1.5, "angolo": 90, "n": 2}]
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include <nlohmann/json.hpp>

#include "percorso/raccordo.h"
#include "percorso/rifiuto.h"

namespace flumetra::percorso {

inline constexpr std::string_view chiaveRaccordi = "raccordi";

std::variant<std::vector<Raccordo>, Rifiuto> raccordiDalJson(const nlohmann::json& lista, std::size_t tratto,
                                                             std::string_view id);

// As the file writes them, on the section's line.
std::string raccordiInJson(const std::vector<Raccordo>& raccordi);

}  // namespace flumetra::percorso
