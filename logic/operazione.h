// Every operation of the calculator by name, for the one entry that runs
// any of them: Calcolatore::esegui. Each is named after the control and the
// event that start it.
#pragma once

#include <array>
#include <string_view>

namespace flumetra {

enum class Operazione {
    Option_Perdita_Click,
    Option_Velocita_Click,  // runs Option_Velocità_Click
    Option_Portata_Click,
    Option_SezioneCanale_Click,
    Option_A_Click,
    Option_B_Click,
    Option_D_Click,
    UpDown_A_Change,
    UpDown_B_Change,
    UpDown_D_Change,
    UpDown_G_Change,
    Aggiorna_v,
    Aggiorna_Y,
    Aggiorna_L,
    UpDown_v_DownClick,
    UpDown_v_UpClick,
    UpDown_Y_DownClick,
    UpDown_Y_UpClick,
    Text_A_KeyUp,
    Text_B_KeyUp,
    Text_D_KeyUp,
    Text_G_KeyUp,
    Text_v_KeyUp,
    Text_Y_KeyUp,
    Text_L_KeyUp,
};

// Each operation's name, as written above, for reports and benchmarks.
inline constexpr std::array<std::string_view, 25> nomiOperazioni = {
    "Option_Perdita_Click", "Option_Velocita_Click",
    "Option_Portata_Click", "Option_SezioneCanale_Click",
    "Option_A_Click",       "Option_B_Click",
    "Option_D_Click",       "UpDown_A_Change",
    "UpDown_B_Change",      "UpDown_D_Change",
    "UpDown_G_Change",      "Aggiorna_v",
    "Aggiorna_Y",           "Aggiorna_L",
    "UpDown_v_DownClick",   "UpDown_v_UpClick",
    "UpDown_Y_DownClick",   "UpDown_Y_UpClick",
    "Text_A_KeyUp",         "Text_B_KeyUp",
    "Text_D_KeyUp",         "Text_G_KeyUp",
    "Text_v_KeyUp",         "Text_Y_KeyUp",
    "Text_L_KeyUp"};

constexpr std::string_view nome(Operazione operazione) {
    return nomiOperazioni.at(static_cast<std::size_t>(operazione));
}
static_assert(nomiOperazioni.size() == static_cast<std::size_t>(Operazione::Text_L_KeyUp) + 1);

}  // namespace flumetra
