// Action scripts: one user action a line, read before anything is played.
//
//   click Option_Perdita      a mouse click on a radio, Check1 or Text1
//   up UpDown_G / down …      a click on a spinner's upper or lower arrow
//   type Text_A 550           the field is emptied, then each character typed
//   set Text_L 20             the text replaced with no event, as a program write
//   paste Text_G 5000         the whole text selected, then the context menu's paste
//   key Text_G                Shift pressed and released in the field
//   keypad Text_v 4.5         as type, on the numeric keypad ("." or "," is its decimal key)
//   tab Text_Y / backtab …    Tab or Shift+Tab pressed in the field, released where the focus went
//   wheel UpDown_G up         one notch of the mouse wheel over a spinner, up or down
//   dump                      one line of the window's state
//   notes                     one line: each field's note
//   details                   the details window opened (F2) if closed; one line of its values
//   material spiralato        the duct material chosen in the details window
//   copy                      the summary shortcut; one line: the clipboard's text
//
// Blank lines and lines starting with '#' are skipped.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace flumetra::copione {

enum class Comando {
    Click,
    Up,
    Down,
    Type,
    Set,
    Paste,
    Key,
    Keypad,
    Tab,
    Backtab,
    Wheel,
    Dump,
    Notes,
    Details,
    Material,
    Copy
};

struct Azione {
    Comando comando = Comando::Dump;
    std::string controllo;  // the widget's object name, or material's name; empty for dump, notes, details, copy
    std::string testo;      // for type, set, paste and keypad: everything after "FIELD "; for wheel: up or down
    std::size_t riga = 0;   // 1 for the script's first line
};

struct Errore {
    std::size_t riga = 0;
    std::string messaggio;
};

// The actions of a script, or the first line it does not understand.
std::variant<std::vector<Azione>, Errore> leggi(std::string_view script);

// The names a command takes after its word, in the order of the window's
// tables: for click the radios, Check1 and Text1; for up, down and wheel the
// spinners; for type and the other keys the fields and Text1; for material
// the materials; for a command that is its word alone, none.
std::vector<std::string_view> controlliDi(Comando comando);

// The command a line's first word names, if any: "click" -> Click.
std::optional<Comando> comandoDi(std::string_view parola);

// The word that starts a command's line: "click", "keypad", "dump", …
std::string_view parola(Comando comando);

// Whether the command's line carries a text after the control's name.
bool haTesto(Comando comando);

// Whether the command's line is its word alone: dump, notes, details, copy.
bool soloParola(Comando comando);

}  // namespace flumetra::copione
