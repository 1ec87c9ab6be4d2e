// What the key-up check of a field makes of its text, and what the person is
// told about a text that was not taken as they may have meant it.
//
//   usoDelTesto(Campo::Text_G, "")        -> Uso::Vuoto      (nothing happens)
//   usoDelTesto(Campo::Text_G, "5000")    -> Uso::Usato      (its change runs)
//   usoDelTesto(Campo::Text_G, "950000")  -> Uso::FuoriIntervallo
//   usoDelTesto(Campo::Text_G, "50")      -> Uso::FuoriIntervallo (the limits are exclusive)
//   usoDelTesto(Campo::Text_G, "abc")     -> Uso::NonNumero
//   usoDelTesto(Campo::Text_G, "1e400")   -> Uso::TroppoGrande (too large to read)
//
//   avviso(Campo::Text_G, "950000") -> {FuoriIntervallo, "950000"}
//   avviso(Campo::Text_D, "4.5")    -> {PuntoDelleMigliaia, "4.5", 45}
//   avviso(Campo::Text_D, "1.000")  -> nothing: a digit group, read as 1000
//   avviso(Campo::Text_G, "5000")   -> nothing
//   avviso(Campo::Text_G, "")       -> nothing
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "calc/decimale.h"
#include "logic/finestra.h"

namespace flumetra {

enum class Uso { Vuoto, Usato, NonNumero, FuoriIntervallo, TroppoGrande };

// For a field with a key-up check (Text_A … Text_Y, Text_L).
Uso usoDelTesto(Campo campo, std::string_view testo);

enum class TipoAvviso {
    NonNumero,           // not used: not a number
    FuoriIntervallo,     // not used: on or beyond a limit of the field
    TroppoGrande,        // not used: a number too large to be read at all
    PuntoDelleMigliaia,  // used, but a full stop that groups no three digits was skipped
};

struct Avviso {
    TipoAvviso tipo = TipoAvviso::NonNumero;
    std::string testo;  // the field's text
    Reale letto = 0;    // for PuntoDelleMigliaia: the number the text was read as; for TroppoGrande, its sign

    friend bool operator==(const Avviso&, const Avviso&) = default;
};

std::optional<Avviso> avviso(Campo campo, std::string_view testo);

}  // namespace flumetra
