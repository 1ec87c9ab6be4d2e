// The run sheet's columns: a section's inputs (campi.h), then what the sheet
// computes for it, one row of a table each: its heading and unit, what it
// holds, the decimals it shows, the player's key, its value at full
// precision and so the text a section shows there. The sheet, the CSV, the
// PDF and the player's run lines all read these rows; each output keeps its
// own order of them (colonneDelFoglio, colonneDelCsv, colonneDelleRighe). A
// new computed column is a line of FLUMETRA_CALCOLATE, its row and its
// place in the orders of the outputs that show it, in colonne.cpp.
// Numbers with the decimal comma, through the calculator's own conversions
// (no locale); computed values with the sheet's fixed decimals (testoFisso).
//
//   testoDi(Colonna::Sezione, reference run, 0, its results)  -> "300 × 550"
//   testoDi(Colonna::v, reference run, 0, its results)        -> "5,05"
//   conTesto(Colonna::L, percorso, 2, "12,5")  -> the run with T3's L at 12.5
//   conTesto(Colonna::G, percorso, 2, "2,5")   -> "«2,5» non è un numero intero"
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "calc/decimale.h"
#include "percorso/calcolo.h"
#include "percorso/campi.h"
#include "percorso/percorso.h"

// What the sheet computes for a section, in the order of its columns but
// ζ raccordi, which the sheet shows beside Σζ.
// clang-format off
#define FLUMETRA_CALCOLATE(X) \
    X(GTotale) X(Sezione) X(De) X(B) X(v) X(Re) X(R) X(DpAttrito) X(pd) X(ZetaRaccordi) X(DpAccidentali) \
    X(DpTratto) X(pFine) X(pTerminale) X(DaTarare) X(Superficie)
// clang-format on

namespace flumetra::percorso {

#define FLUMETRA_VALORE(nome) nome,
enum class Calcolata { FLUMETRA_CALCOLATE(FLUMETRA_VALORE) };
// The mark on the sections of the index run, every input, every computed value.
enum class Colonna { Indice, FLUMETRA_CAMPI(FLUMETRA_VALORE) FLUMETRA_CALCOLATE(FLUMETRA_VALORE) };
#undef FLUMETRA_VALORE
#define FLUMETRA_NOME(nome) #nome,
inline constexpr std::array nomiCalcolate = {FLUMETRA_CALCOLATE(FLUMETRA_NOME)};  // "v": as the enum names it
#undef FLUMETRA_NOME
inline constexpr std::size_t numeroCalcolate = nomiCalcolate.size();
inline constexpr std::size_t numeroColonne = 1 + numeroCampi + numeroCalcolate;

constexpr Colonna colonnaDi(Campo c) { return static_cast<Colonna>(1 + static_cast<std::size_t>(c)); }
constexpr Colonna colonnaDi(Calcolata c) { return static_cast<Colonna>(1 + numeroCampi + static_cast<std::size_t>(c)); }
constexpr std::optional<Campo> campoDi(Colonna c) {
    const auto k = static_cast<std::size_t>(c);
    return k >= 1 && k <= numeroCampi ? std::optional(static_cast<Campo>(k - 1)) : std::nullopt;
}
constexpr std::optional<Calcolata> calcolataDi(Colonna c) {
    const auto k = static_cast<std::size_t>(c);
    return k > numeroCampi ? std::optional(static_cast<Calcolata>(k - 1 - numeroCampi)) : std::nullopt;
}

struct DatiCalcolata {
    std::string_view titolo{};       // "v"
    std::string_view unita{};        // "m/s"; empty for none
    std::string_view descrizione{};  // what it holds
    int decimali = 0;                // shown
    bool intero = false;             // a whole number, shown and printed so
    std::string_view chiave{};       // the player's key; empty where the player has none
    // Its value at full precision, nothing where the section has none;
    // none for a text of its own (the section's size).
    std::optional<Reale> (*valore)(const Tratto&, const RisultatoTratto&, const Risultati&) = nullptr;
    bool trattino = false;        // «—» for a value the section has not because it carries no air
    bool soloRettangolo = false;  // nothing at all for a round section
    bool nelFoglio = true;        // a column of the sheet
    bool nelRapporto = true;      // and of the report's table
};

const DatiCalcolata& dati(Calcolata c);

enum class Tipo {
    Scritta,    // typed in place
    Scelta,     // picked from a list
    Calcolata,  // read only
};

// A column as the sheet shows it, whichever table it comes from.
struct DatiColonna {
    std::string_view titolo{};  // "L"
    std::string_view unita{};   // "m"; empty for none
    std::string_view descrizione{};
    Tipo tipo = Tipo::Calcolata;
    bool nelRapporto = true;  // the PDF's table has it
};

const DatiColonna& dati(Colonna c);

// The sheet's columns, left to right; the report's are those nelRapporto.
std::span<const Colonna> colonneDelFoglio();
int posizioneNelFoglio(Colonna c);
// The CSV's, before its «avvisi»; the player's keys of a section's line,
// before its «avvisi».
std::span<const Colonna> colonneDelCsv();
std::span<const Colonna> colonneDelleRighe();

// "L [m]"; "id" for a column without a unit.
std::string intestazione(Colonna c);

// Whether it shows words, set to the left: the id and the lists.
bool aSinistra(Colonna c);

// What the cell of section indice shows: empty where there is nothing to
// show (A of a round section, a loss the sheet could not compute, anything
// computed before the run is); «—» for the size, losses and pressure of a
// section without air, which the sheet does not size.
std::string testoDi(Colonna c, const Percorso& p, std::size_t indice, const Risultati* r);

// A computed value as the player prints it: full precision, null where the
// section has none.
std::string jsonDi(Calcolata c, const Tratto& t, const RisultatoTratto& r, const Risultati& tutti);

// What an editor starts from: the value as typed, empty for a size the
// sheet chooses. Empty for a computed column.
std::string testoDaModificare(Colonna c, const Tratto& t);

// Whether a person may change the cell: not a computed column, nor A of a
// round section.
bool modificabile(Colonna c, const Tratto& t);

// Whether Tab stops there while a person types a row: a cell they may
// change, but the terminal device's drop of a section that is not a terminal.
bool daDigitare(Colonna c, const Tratto& t);

// The words a list column offers, in order; for Monte only what the section
// can hang from: the fan (parolaVentilatore) for the section at the fan, the
// ids of montiPossibili for the others.
std::vector<std::string> scelte(Colonna c, const Percorso& p, std::size_t indice);

// The run with section indice's cell set from a person's text, or why the
// text cannot be that cell's value (not a number, not a whole number, not a
// word of its list). Renaming a section renames it where it is upstream; a
// new shape keeps the size it had where it can. Ranges and the tree are
// verifica's to check.
std::variant<Percorso, std::string> conTesto(Colonna c, const Percorso& p, std::size_t indice, std::string_view testo);

}  // namespace flumetra::percorso
