// Typed entry and the fine steps of v and Y.

#include <string>

#include "calc/testo.h"
#include "logic/calcolatore.h"
#include "logic/passo_spinner.h"
#include "logic/quantita.h"
#include "logic/uso_del_testo.h"

namespace flumetra {

using enum Campo;

// An empty text, a number on or beyond a limit, and a text that is no
// number at all change no field; what the person is told of them is the
// window's (avviso).
Esito Calcolatore::immissione(Campo campo) {
    if (usoDelTesto(campo, finestra_.testo(campo)) != Uso::Usato) return {};
    return (this->*routine(dati(campo).immissione->routine))();
}

Esito Calcolatore::Text_A_KeyUp() { return immissione(Text_A); }
Esito Calcolatore::Text_B_KeyUp() { return immissione(Text_B); }
Esito Calcolatore::Text_D_KeyUp() { return immissione(Text_D); }
Esito Calcolatore::Text_G_KeyUp() { return immissione(Text_G); }
Esito Calcolatore::Text_v_KeyUp() { return immissione(Text_v); }
Esito Calcolatore::Text_Y_KeyUp() { return immissione(Text_Y); }
Esito Calcolatore::Text_L_KeyUp() { return immissione(Text_L); }

// The step is written with RealeInTesto, then the field's routine runs.
Esito Calcolatore::clicFine(Spinner s, Verso verso) {
    const Campo campo = dati(s).campo;
    const auto nuovo = passoFine(finestra_.testo(campo), finestra_.passo(s), dati(s).divisore, verso);
    if (!nuovo) return {};
    finestra_.scrivi(campo, RealeInTesto(*nuovo));
    return (this->*routine(dati(campo).immissione->routine))();
}

Esito Calcolatore::UpDown_v_DownClick() { return clicFine(Spinner::UpDown_v, Verso::Giu); }
Esito Calcolatore::UpDown_v_UpClick() { return clicFine(Spinner::UpDown_v, Verso::Su); }
Esito Calcolatore::UpDown_Y_DownClick() { return clicFine(Spinner::UpDown_Y, Verso::Giu); }
Esito Calcolatore::UpDown_Y_UpClick() { return clicFine(Spinner::UpDown_Y, Verso::Su); }

}  // namespace flumetra
