// A section's warnings, one row each: whether it is on, the word the
// player lists it by, the words of the CSV and the report, the reason the
// sheet gives and the cell it marks. In the order every list of them has.
// A new warning is its flag in Avvisi (calcolo.h) and its row here.
//
//   paroleDegliAvvisi(T5 of the reference run)         -> "velocità, perdita"
//   avviso(Colonna::v, reference run, 4, T5's result)  -> "velocità oltre il limite del tratto terminale, 3,5 m/s"
//   avviso(Colonna::L, …)                              -> "" (a cell no warning marks)
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "percorso/calcolo.h"
#include "percorso/colonne.h"
#include "percorso/percorso.h"

namespace flumetra::percorso {

struct DatiAvviso {
    bool (*acceso)(const RisultatoTratto&) = nullptr;
    std::string_view parola{};          // the player's; empty where it lists none
    std::string_view parolaCsv{};       // the CSV's and the report's
    Colonna colonna = Colonna::Indice;  // the sheet's cell it marks
    // Why, as the cell's tooltip says it; made only for a warning that is
    // on, since the sheet asks at every paint.
    std::string (*perche)(const Percorso&, std::size_t) = nullptr;
};

// The heading of the warnings' column in the CSV and the report.
inline constexpr std::string_view titoloAvvisi = "avvisi";

// A section's warnings in words, as the CSV's and the report's last column
// lists them: "velocità, perdita"; empty for none.
std::string paroleDegliAvvisi(const RisultatoTratto& r);

// The player's JSON list: ["velocita","perdita"].
std::string listaDegliAvvisi(const RisultatoTratto& r);

// Why the cell is marked, one reason a line; empty when it is not.
std::string avviso(Colonna c, const Percorso& p, std::size_t indice, const RisultatoTratto& r);

}  // namespace flumetra::percorso
