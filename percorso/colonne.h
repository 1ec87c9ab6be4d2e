// The run sheet's columns, one row of a table each: its heading and unit,
// whether a person types it, picks it from a list or reads it computed, and
// the texts a section shows there. Numbers with the decimal comma, through
// the calculator's own conversions (no locale); computed values with the
// sheet's fixed decimals (testoFisso).
//
//   testoDi(Colonna::Sezione, T1, its result)  -> "300 × 550"
//   testoDi(Colonna::v, T1, its result)        -> "5,05"
//   conTesto(Colonna::L, percorso, 2, "12,5")  -> the run with T3's L at 12.5
//   conTesto(Colonna::G, percorso, 2, "2,5")   -> "«2,5» non è un numero intero"
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "percorso/calcolo.h"
#include "percorso/nomi.h"
#include "percorso/percorso.h"

namespace flumetra::percorso {

enum class Colonna {
    Indice,  // a mark on the sections of the index run
    Id,
    Monte,
    Ruolo,
    Forma,
    L,
    G,
    Zeta,
    A,
    BoD,  // B of a rectangle or D of a round section; empty: chosen by the sheet
    DpTerminale,
    GTotale,
    Sezione,
    De,
    v,
    R,
    DpAttrito,
    pd,
    DpAccidentali,
    DpTratto,
    pFine,
    pTerminale,
    DaTarare,
    Superficie,
};
inline constexpr std::size_t numeroColonne = static_cast<std::size_t>(Colonna::Superficie) + 1;

enum class Tipo {
    Scritta,    // typed in place
    Scelta,     // picked from a list
    Calcolata,  // read only
};

struct DatiColonna {
    std::string_view titolo;       // "L"
    std::string_view unita;        // "m"; empty for none
    std::string_view descrizione;  // what it holds, for the tooltip and a screen reader
    Tipo tipo;
};

const DatiColonna& dati(Colonna c);
Colonna colonnaDi(std::size_t indice);

// "L [m]"; "id" for a column without a unit.
std::string intestazione(Colonna c);

// What the cell shows: empty where there is nothing to show (A of a round
// section, a loss the sheet could not compute); «—» for the size, losses and
// pressure of a section without air, which the sheet does not size.
std::string testoDi(Colonna c, const Tratto& t, const RisultatoTratto* r);

// What an editor starts from: the value as typed, empty for a size the
// sheet chooses. Empty for a computed column.
std::string testoDaModificare(Colonna c, const Tratto& t);

// Whether a person may change the cell: not a computed column, nor A of a
// round section.
bool modificabile(Colonna c, const Tratto& t);

// The words a list column offers, in order; for Monte only what the section
// can hang from: the fan (parolaVentilatore) for the section at the fan, the ids of
// montiPossibili for the others.

std::vector<std::string> scelte(Colonna c, const Percorso& p, std::size_t indice);

// The run with section indice's cell set from a person's text, or why the
// text cannot be that cell's value (not a number, not a whole number, not a
// word of its list). Renaming a section renames it where it is upstream; a
// new shape keeps the size it had where it can. Ranges and the tree are
// verifica's to check.
std::variant<Percorso, std::string> conTesto(Colonna c, const Percorso& p, std::size_t indice, std::string_view testo);

// Why the cell is marked, one reason a line; empty when it is not.
std::string avviso(Colonna c, const Percorso& p, std::size_t indice, const RisultatoTratto& r);

}  // namespace flumetra::percorso
