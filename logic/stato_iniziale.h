// What the window shows when it opens. No operation runs at start, so these
// texts stand as laid out until a recalculation writes them.
#pragma once

#include <string_view>

#include "logic/finestra.h"

namespace flumetra::iniziale {

constexpr std::string_view testo(Campo campo) {
    switch (campo) {
        case Campo::Text_A:
        case Campo::Text_B: return "500";
        case Campo::Text_D: return "551";
        case Campo::Text_G: return "3000";
        case Campo::Text_v: return "3,5";
        case Campo::Text_Y: return "0,023";
        case Campo::Text_L: return "10";
        // L × Y = 10 × 0.023, as the first recalculation would write it.
        case Campo::Text_Ytot: return "0,23";
    }
    return "";
}

inline constexpr Modo modo = Modo::SezioneCanale;
inline constexpr Sezione sezione = Sezione::B;

// Every spinner is shown but that of the held side B; all section radios are shown.
constexpr bool spinnerVisibile(Spinner spinner) { return spinner != Spinner::UpDown_B; }

// The fine spinners' steps: one click moves v by 1/10 and Y by 5/1000.
inline constexpr int passoVelocita = 1;
inline constexpr int passoPerdita = 5;

}  // namespace flumetra::iniziale
