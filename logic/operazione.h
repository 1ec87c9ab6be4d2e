// Every operation of the calculator, written once: each line of
// FLUMETRA_OPERAZIONI names one, after the control and the event that start
// it. From that one list come the enum Operazione, each operation's name,
// its declaration as a member of Calcolatore (Esito NAME();) and its entry
// in Calcolatore::esegui, the one entry that runs any of them. A new
// operation is a line here and its body.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

// clang-format off
#define FLUMETRA_OPERAZIONI(X)                                                 \
    /* mode radios: which quantity is held while the others follow */          \
    X(Option_Perdita_Click) X(Option_Velocità_Click) X(Option_Portata_Click)    \
    X(Option_SezioneCanale_Click)                                              \
    /* section radios: which section dimension a section change keeps */      \
    X(Option_A_Click) X(Option_B_Click) X(Option_D_Click)                      \
    /* A, B or D changed: the other dimension, v, Y and Ytot follow */         \
    X(UpDown_A_Change) X(UpDown_B_Change) X(UpDown_D_Change)                   \
    /* G, v or Y changed: the chain of the selected mode; L: the total loss */ \
    X(UpDown_G_Change) X(Aggiorna_v) X(Aggiorna_Y) X(Aggiorna_L)               \
    /* the fine spinners of v and Y */                                         \
    X(UpDown_v_DownClick) X(UpDown_v_UpClick)                                  \
    X(UpDown_Y_DownClick) X(UpDown_Y_UpClick)                                  \
    /* a key released in a field, or any other edit of it by the person */    \
    X(Text_A_KeyUp) X(Text_B_KeyUp) X(Text_D_KeyUp) X(Text_G_KeyUp)           \
    X(Text_v_KeyUp) X(Text_Y_KeyUp) X(Text_L_KeyUp)
// clang-format on

namespace flumetra {

// Qt's moc, which reads this header through the window's, parses an enum
// at namespace scope and cannot read the à of Option_Velocità_Click.
#ifndef Q_MOC_RUN
#define FLUMETRA_VALORE(nome) nome,
enum class Operazione { FLUMETRA_OPERAZIONI(FLUMETRA_VALORE) };
#undef FLUMETRA_VALORE
#endif

#define FLUMETRA_NOME(nome) #nome,
inline constexpr std::array nomiOperazioni = {FLUMETRA_OPERAZIONI(FLUMETRA_NOME)};
#undef FLUMETRA_NOME

// The operation's name: nome(Operazione::Aggiorna_v) -> "Aggiorna_v".
constexpr std::string_view nome(Operazione operazione) {
    return nomiOperazioni.at(static_cast<std::size_t>(operazione));
}

}  // namespace flumetra
