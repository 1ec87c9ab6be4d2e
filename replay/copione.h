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
//   air 35,5 1500             the details window's air: temperature (°C) and altitude (m)
//   run rete.flumetra         the run sheet opens the file (a relative path from the
//                             script's folder); its lines: each section, then the fan
//
// Blank lines and lines starting with '#' are skipped. Each command is one
// row of a table (copione.cpp): its word, what follows it, the names it
// takes and what its text must be.
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
    Copy,
    Air,
    Run,
    Title,
    Csv,
    Pdf,
};

// What follows a command's word on its line.
enum class Seguito {
    Niente,      // dump
    Nome,        // click Check1: one of the command's names, alone
    NomeETesto,  // type Text_A 550: a name, one space, then the rest of the line
    Testo,       // air 20 0, run FILE, csv FILE: the rest of the line
};

struct Azione {
    Comando comando = Comando::Dump;
    std::string controllo;  // the name that follows the word, if the command takes one
    std::string testo;      // the text after the name (or after the word), if the command takes one
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
// the materials; none for the others.
std::vector<std::string_view> controlliDi(Comando comando);

// The command a line's first word names, if any: "click" -> Click.
std::optional<Comando> comandoDi(std::string_view parola);

// The word that starts a command's line: "click", "keypad", "dump", …
std::string_view parola(Comando comando);

// What follows the command's word.
Seguito seguito(Comando comando);

// The air of an air line's text, temperature and altitude, each with a
// decimal comma or a full stop: "35,5 1500" -> {35.5, 1500}; "35" -> nothing.
struct ValoriAria {
    double temperatura, quota;
};
std::optional<ValoriAria> aria(std::string_view testo);

}  // namespace flumetra::copione
