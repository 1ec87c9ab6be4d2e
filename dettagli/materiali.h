// The duct materials the details and the run know, with their roughness,
// and the round sizes of EN 1506.
//
//   dati(Materiale::Spiralato).rugosita_mm  -> 0.09
//   materialeDi("plastica")                 -> Materiale::Plastica
//   materialeDi("legno")                    -> nothing
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

#include "calc/decimale.h"

namespace flumetra::dettagli {

enum class Materiale { Zincato, Spiralato, Alluminio, Plastica };

struct DatiMateriale {
    std::string_view nome;         // a script's and a file's word: "zincato"
    std::string_view descrizione;  // as the window shows it: "acciaio zincato"
    Reale rugosita_mm;             // ε
};

inline constexpr std::array<DatiMateriale, 4> tabellaMateriali = {{
    {"zincato", "acciaio zincato", 0.15},
    {"spiralato", "acciaio spiralato", 0.09},
    {"alluminio", "alluminio", 0.05},
    {"plastica", "plastica", 0.01},
}};
inline constexpr Materiale materialeIniziale = Materiale::Zincato;

constexpr const DatiMateriale& dati(Materiale m) { return tabellaMateriali[static_cast<std::size_t>(m)]; }

constexpr std::optional<Materiale> materialeDi(std::string_view nome) {
    for (std::size_t i = 0; i < tabellaMateriali.size(); ++i) {
        if (tabellaMateriali[i].nome == nome) return static_cast<Materiale>(i);
    }
    return std::nullopt;
}

// Round diameters of EN 1506, preferred and additional, in mm.
inline constexpr std::array<int, 22> serieEN1506 = {63,  80,  100, 125, 150, 160, 200, 250, 300,  315,  355,
                                                    400, 450, 500, 560, 630, 710, 800, 900, 1000, 1120, 1250};

}  // namespace flumetra::dettagli
