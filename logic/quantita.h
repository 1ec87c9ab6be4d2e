// The window's quantities, radios and spinners: every fact about each one,
// written once, in the order of its enum. The logic, the window, the replay
// player, the fuzz targets and the tests all read it from here.
//
//   dati(Campo::Text_G).testoIniziale               -> "3000"
//   dati(Campo::Text_G).immissione->sopra            -> 900000 (typed entry, exclusive)
//   dati(Spinner::UpDown_D).intervallo               -> {25, 3000, 25}
//   visibileAllAvvio(Spinner::UpDown_B)              -> false (B is held at start)
//   dati(Modo::Velocita).nome                        -> "Option_Velocità"
#pragma once

#include <array>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

#include "calc/decimale.h"
#include "calc/testo.h"
#include "logic/finestra.h"
#include "logic/operazione.h"
#include "logic/passo_spinner.h"

namespace flumetra {

// Typed entry: a key released in the field (or any other edit by the person)
// runs tastoRilasciato, which runs routine when the text is a number strictly
// between sotto and sopra. Where sopra is below 1000 no accepted number has
// a digit group, and the main keyboard's full stop types the decimal comma.
struct Immissione {
    Reale sotto;
    Reale sopra;
    Operazione tastoRilasciato;
    Operazione routine;
};

struct DatiCampo {
    std::string_view nome;           // the field's object name
    std::string_view simbolo;        // how failure notes name it
    std::string_view descrizione;    // what it holds, for a screen reader
    std::string_view unita;          // as the window writes it
    std::string_view testoIniziale;  // laid out, not computed
    std::string_view etichetta;      // the object name of the label at its left
    std::string_view didascalia;     // the label's caption, without the unit
    std::optional<Immissione> immissione;
};

inline constexpr std::array<DatiCampo, countOf<Campo>> tabellaCampi = {{
    {"Text_A", "A", "Sezione A", "mm", "500", "Label1", "Sezione A",
     Immissione{10, 3000, Operazione::Text_A_KeyUp, Operazione::UpDown_A_Change}},
    {"Text_B", "B", "Sezione B", "mm", "500", "Label2", "Sezione B",
     Immissione{10, 3000, Operazione::Text_B_KeyUp, Operazione::UpDown_B_Change}},
    {"Text_D", "D", "Diametro", "mm", "551", "Label3", "Diametro",
     Immissione{10, 5000, Operazione::Text_D_KeyUp, Operazione::UpDown_D_Change}},
    {"Text_G", "G", "Portata G", "mc/h", "3000", "G", "G",
     Immissione{50, 900000, Operazione::Text_G_KeyUp, Operazione::UpDown_G_Change}},
    {"Text_v", "v", "Velocità v", "m/s", "3,5", "Label6", "v",
     Immissione{0.1, 100, Operazione::Text_v_KeyUp, Operazione::Aggiorna_v}},
    {"Text_Y", "Y", "Perdita unitaria Y", "mmc.a./m", "0,023", "Label4", "Y",
     Immissione{0.0001, 100, Operazione::Text_Y_KeyUp, Operazione::Aggiorna_Y}},
    {"Text_L", "L", "Lunghezza equivalente L", "m", "10", "Label5", "L equiv.",
     Immissione{0, std::numeric_limits<Reale>::infinity(), Operazione::Text_L_KeyUp, Operazione::Aggiorna_L}},
    // L × Y = 10 × 0.023, as the first recalculation would write it.
    {"Text_Ytot", "Ytot", "Perdita totale Y tot", "mmc.a.", "0,23", "Label7", "Y tot", std::nullopt},
}};

// A spinner bound to its field steps the field's number within intervallo
// (lowest, highest, step), writes it, then runs su or giu, its change; its
// own value starts as its field's number. A fine spinner never writes: a
// click runs su or giu, which move the field by the step over divisore.
struct DatiSpinner {
    std::string_view nome;
    Campo campo;
    std::string_view cosaFa;  // for a screen reader; a fine spinner's adds its step
    bool legatoAlCampo;
    IntervalloSpinner intervallo;
    Reale divisore;  // of a fine step
    Operazione su;
    Operazione giu;
};

inline constexpr std::array<DatiSpinner, countOf<Spinner>> tabellaSpinner = {{
    {"UpDown_A",
     Campo::Text_A,
     "Varia la sezione A",
     true,
     {50, 3000, 50},
     0,
     Operazione::UpDown_A_Change,
     Operazione::UpDown_A_Change},
    {"UpDown_B",
     Campo::Text_B,
     "Varia la sezione B",
     true,
     {50, 3000, 50},
     0,
     Operazione::UpDown_B_Change,
     Operazione::UpDown_B_Change},
    {"UpDown_D",
     Campo::Text_D,
     "Varia il diametro",
     true,
     {25, 3000, 25},
     0,
     Operazione::UpDown_D_Change,
     Operazione::UpDown_D_Change},
    {"UpDown_G",
     Campo::Text_G,
     "Varia la portata G",
     true,
     {50, 99999, 50},
     0,
     Operazione::UpDown_G_Change,
     Operazione::UpDown_G_Change},
    // One click moves v by 1/10 m/s and Y by 5/1000 mm of water column per metre.
    {"UpDown_v",
     Campo::Text_v,
     "Varia la velocità v",
     false,
     {0, 0, 1},
     10,
     Operazione::UpDown_v_UpClick,
     Operazione::UpDown_v_DownClick},
    {"UpDown_Y",
     Campo::Text_Y,
     "Varia la perdita unitaria Y",
     false,
     {0, 0, 5},
     1000,
     Operazione::UpDown_Y_UpClick,
     Operazione::UpDown_Y_DownClick},
}};

struct DatiRadio {
    std::string_view nome;
    std::string_view valore;  // how the state line names the selection
    std::string_view cosaFa;  // for a screen reader and a tooltip
    Operazione click;
    std::optional<Campo> tiene;  // the field whose number it holds; a mode may hold the section
};

inline constexpr std::array<DatiRadio, countOf<Modo>> tabellaModi = {{
    {"Option_Perdita", "Perdita", "Mantieni costante la perdita unitaria Y", Operazione::Option_Perdita_Click,
     Campo::Text_Y},
    {"Option_Velocità", "Velocità", "Mantieni costante la velocità v", Operazione::Option_Velocità_Click,
     Campo::Text_v},
    {"Option_Portata", "Portata", "Mantieni costante la portata G", Operazione::Option_Portata_Click, Campo::Text_G},
    {"Option_SezioneCanale", "SezioneCanale", "Mantieni costante la sezione del condotto",
     Operazione::Option_SezioneCanale_Click, std::nullopt},
}};

inline constexpr std::array<DatiRadio, countOf<Sezione>> tabellaSezioni = {{
    {"Option_A", "A", "Mantieni costante il lato A", Operazione::Option_A_Click, Campo::Text_A},
    {"Option_B", "B", "Mantieni costante il lato B", Operazione::Option_B_Click, Campo::Text_B},
    {"Option_D", "D", "Mantieni costante il diametro", Operazione::Option_D_Click, Campo::Text_D},
}};

inline constexpr Modo modoIniziale = Modo::SezioneCanale;
inline constexpr Sezione sezioneIniziale = Sezione::B;

constexpr const DatiCampo& dati(Campo campo) { return tabellaCampi[indexOf(campo)]; }
constexpr const DatiSpinner& dati(Spinner s) { return tabellaSpinner[indexOf(s)]; }
constexpr const DatiRadio& dati(Modo modo) { return tabellaModi[indexOf(modo)]; }
constexpr const DatiRadio& dati(Sezione sezione) { return tabellaSezioni[indexOf(sezione)]; }

// Every value of an enum, in order: for (Campo c : allValues<Campo>()) …
template <typename Enum>
constexpr std::array<Enum, countOf<Enum>> allValues() {
    std::array<Enum, countOf<Enum>> valori{};
    for (std::size_t i = 0; i < valori.size(); ++i) valori[i] = static_cast<Enum>(i);
    return valori;
}

// What follows from the table, written nowhere else.

// A spinner is hidden at start when the start mode or the start section
// holds its field: UpDown_B, since B is held.
constexpr bool visibileAllAvvio(Spinner s) {
    return dati(modoIniziale).tiene != dati(s).campo && dati(sezioneIniziale).tiene != dati(s).campo;
}

// A bound spinner's own value at start is its field's start number.
inline Intero valoreIniziale(Spinner s) {
    return dati(s).legatoAlCampo ? TestoInIntero(dati(dati(s).campo).testoIniziale) : 0;
}

// What a spinner does, for a screen reader; a fine spinner says by how much:
//   descrizione(Spinner::UpDown_v)  -> "Varia la velocità v di 0,1 m/s"
inline std::string descrizione(Spinner s) {
    const DatiSpinner& d = dati(s);
    std::string testo(d.cosaFa);
    if (d.legatoAlCampo) return testo;
    return testo + " di " + RealeInTesto(d.intervallo.passo / d.divisore) + ' ' + std::string(dati(d.campo).unita);
}

// The other controls, which hold no quantity, by their object names.
namespace controlli {
inline constexpr std::string_view cornice = "Frame1";       // holds the section's rows
inline constexpr std::string_view inPrimoPiano = "Check1";  // the window stays above the others
inline constexpr std::string_view informazioni = "Text1";   // the information line
}  // namespace controlli

}  // namespace flumetra
