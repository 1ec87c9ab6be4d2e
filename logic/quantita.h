// The window's quantities, radios and spinners: every fact about each one,
// written once, in the order of its enum. The logic, the window, the replay
// player, the fuzz targets and the tests all read it from here.
//
//   dati(Campo::Text_G).testoIniziale               -> "3000"
//   dati(Campo::Text_G).immissione->sopra            -> 900000 (typed entry, exclusive)
//   dati(Spinner::UpDown_D).intervallo               -> {25, 3000, 25}
//   dati(Modo::Velocita).nome                        -> "Option_Velocità"
#pragma once

#include <array>
#include <limits>
#include <optional>
#include <string_view>

#include "calc/decimale.h"
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
    std::optional<Immissione> immissione;
};

inline constexpr std::array<DatiCampo, quanti<Campo>> tabellaCampi = {{
    {"Text_A", "A", "Sezione A", "mm", "500",
     Immissione{10, 3000, Operazione::Text_A_KeyUp, Operazione::UpDown_A_Change}},
    {"Text_B", "B", "Sezione B", "mm", "500",
     Immissione{10, 3000, Operazione::Text_B_KeyUp, Operazione::UpDown_B_Change}},
    {"Text_D", "D", "Diametro", "mm", "551",
     Immissione{10, 5000, Operazione::Text_D_KeyUp, Operazione::UpDown_D_Change}},
    {"Text_G", "G", "Portata G", "mc/h", "3000",
     Immissione{50, 900000, Operazione::Text_G_KeyUp, Operazione::UpDown_G_Change}},
    {"Text_v", "v", "Velocità v", "m/s", "3,5", Immissione{0.1, 100, Operazione::Text_v_KeyUp, Operazione::Aggiorna_v}},
    {"Text_Y", "Y", "Perdita unitaria Y", "mmc.a./m", "0,023",
     Immissione{0.0001, 100, Operazione::Text_Y_KeyUp, Operazione::Aggiorna_Y}},
    {"Text_L", "L", "Lunghezza equivalente L", "m", "10",
     Immissione{0, std::numeric_limits<Reale>::infinity(), Operazione::Text_L_KeyUp, Operazione::Aggiorna_L}},
    // L × Y = 10 × 0.023, as the first recalculation would write it.
    {"Text_Ytot", "Ytot", "Perdita totale Y tot", "mmc.a.", "0,23", std::nullopt},
}};

// A spinner bound to its field steps the field's number within intervallo
// (lowest, highest, step), writes it, then runs su or giu, its change. One
// not bound never writes: a click runs su or giu, which move the field by
// the step over divisore.
struct DatiSpinner {
    std::string_view nome;
    Campo campo;
    std::string_view cosaFa;  // for a screen reader
    bool sincronizzato;
    IntervalloSpinner intervallo;
    Intero valoreIniziale;  // a bound spinner's own value at start: its field's
    Reale divisore;         // of a fine step
    Operazione su;
    Operazione giu;
    bool visibileAllAvvio;
};

inline constexpr std::array<DatiSpinner, quanti<Spinner>> tabellaSpinner = {{
    {"UpDown_A",
     Campo::Text_A,
     "Varia la sezione A",
     true,
     {50, 3000, 50},
     500,
     0,
     Operazione::UpDown_A_Change,
     Operazione::UpDown_A_Change,
     true},
    // B is held at start, so its spinner is hidden.
    {"UpDown_B",
     Campo::Text_B,
     "Varia la sezione B",
     true,
     {50, 3000, 50},
     500,
     0,
     Operazione::UpDown_B_Change,
     Operazione::UpDown_B_Change,
     false},
    {"UpDown_D",
     Campo::Text_D,
     "Varia il diametro",
     true,
     {25, 3000, 25},
     551,
     0,
     Operazione::UpDown_D_Change,
     Operazione::UpDown_D_Change,
     true},
    {"UpDown_G",
     Campo::Text_G,
     "Varia la portata G",
     true,
     {50, 99999, 50},
     3000,
     0,
     Operazione::UpDown_G_Change,
     Operazione::UpDown_G_Change,
     true},
    // One click moves v by 1/10 m/s and Y by 5/1000 mm of water column per metre.
    {"UpDown_v",
     Campo::Text_v,
     "Varia la velocità v di 0,1 m/s",
     false,
     {0, 0, 1},
     0,
     10,
     Operazione::UpDown_v_UpClick,
     Operazione::UpDown_v_DownClick,
     true},
    {"UpDown_Y",
     Campo::Text_Y,
     "Varia la perdita unitaria Y di 0,005",
     false,
     {0, 0, 5},
     0,
     1000,
     Operazione::UpDown_Y_UpClick,
     Operazione::UpDown_Y_DownClick,
     true},
}};

struct DatiRadio {
    std::string_view nome;
    std::string_view valore;  // how the state line names the selection
    std::string_view cosaFa;  // for a screen reader and a tooltip
    Operazione click;
};

inline constexpr std::array<DatiRadio, quanti<Modo>> tabellaModi = {{
    {"Option_Perdita", "Perdita", "Mantieni costante la perdita unitaria Y", Operazione::Option_Perdita_Click},
    {"Option_Velocità", "Velocità", "Mantieni costante la velocità v", Operazione::Option_Velocita_Click},
    {"Option_Portata", "Portata", "Mantieni costante la portata G", Operazione::Option_Portata_Click},
    {"Option_SezioneCanale", "SezioneCanale", "Mantieni costante la sezione del condotto",
     Operazione::Option_SezioneCanale_Click},
}};

inline constexpr std::array<DatiRadio, quanti<Sezione>> tabellaSezioni = {{
    {"Option_A", "A", "Mantieni costante il lato A", Operazione::Option_A_Click},
    {"Option_B", "B", "Mantieni costante il lato B", Operazione::Option_B_Click},
    {"Option_D", "D", "Mantieni costante il diametro", Operazione::Option_D_Click},
}};

inline constexpr Modo modoIniziale = Modo::SezioneCanale;
inline constexpr Sezione sezioneIniziale = Sezione::B;

constexpr const DatiCampo& dati(Campo campo) { return tabellaCampi[indice(campo)]; }
constexpr const DatiSpinner& dati(Spinner s) { return tabellaSpinner[indice(s)]; }
constexpr const DatiRadio& dati(Modo modo) { return tabellaModi[indice(modo)]; }
constexpr const DatiRadio& dati(Sezione sezione) { return tabellaSezioni[indice(sezione)]; }

// Every value of an enum, in order: for (Campo c : tutti<Campo>()) …
template <typename Enum>
constexpr std::array<Enum, quanti<Enum>> tutti() {
    std::array<Enum, quanti<Enum>> valori{};
    for (std::size_t i = 0; i < valori.size(); ++i) valori[i] = static_cast<Enum>(i);
    return valori;
}

}  // namespace flumetra
