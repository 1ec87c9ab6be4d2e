// Typed entry and the fine steps of v and Y.

#include <string>

#include "calc/testo.h"
#include "logic/calcolatore.h"

namespace flumetra {

using enum Campo;

// The text must be a number strictly between the bounds. An empty text, a
// number on or beyond a bound, and a text that is no number at all are
// ignored alike: no field changes and nothing is reported.
Esito Calcolatore::immissione(Campo campo, Reale sotto, Reale sopra, Routine routine) {
    const std::string testo = finestra_.testo(campo);
    if (testo.empty()) return {};
    try {
        if (!(TestoInReale(testo) > sotto)) return {};
        if (!(TestoInReale(testo) < sopra)) return {};
    } catch (const Fallimento&) {
        return {};
    }
    return (this->*routine)();
}

Esito Calcolatore::Text_A_KeyUp(int, int) { return immissione(Text_A, 10, 3000, &Calcolatore::UpDown_A_Change); }
Esito Calcolatore::Text_B_KeyUp(int, int) { return immissione(Text_B, 10, 3000, &Calcolatore::UpDown_B_Change); }
Esito Calcolatore::Text_D_KeyUp(int, int) { return immissione(Text_D, 10, 5000, &Calcolatore::UpDown_D_Change); }
Esito Calcolatore::Text_G_KeyUp(int, int) { return immissione(Text_G, 50, 900000, &Calcolatore::UpDown_G_Change); }
Esito Calcolatore::Text_v_KeyUp(int, int) { return immissione(Text_v, 0.1, 100, &Calcolatore::Aggiorna_v); }
Esito Calcolatore::Text_Y_KeyUp(int, int) { return immissione(Text_Y, 0.0001, 100, &Calcolatore::Aggiorna_Y); }

// One click moves the field by the spinner's step over the divisor, written
// with RealeInTesto, then the field's routine runs. No range applies, but a
// result of 0 or less is refused: every chain would fail on it halfway and
// leave the window half updated. A field that holds no number is not stepped.
Esito Calcolatore::passoFine(Campo campo, Spinner spinner, Verso verso, Reale divisore, Routine routine) {
    const std::string testo = finestra_.testo(campo);
    const Reale passo = static_cast<Reale>(finestra_.passo(spinner));
    const Reale variazione = (verso == Verso::Giu ? -passo : passo) / divisore;
    Reale nuovo = 0;
    try {
        nuovo = TestoInReale(testo) + variazione;
    } catch (const Fallimento&) {
        return {};
    }
    if (!(nuovo > 0)) return {};
    finestra_.scrivi(campo, RealeInTesto(nuovo));
    return (this->*routine)();
}

Esito Calcolatore::UpDown_v_DownClick() {
    return passoFine(Text_v, Spinner::UpDown_v, Verso::Giu, 10, &Calcolatore::Aggiorna_v);
}
Esito Calcolatore::UpDown_v_UpClick() {
    return passoFine(Text_v, Spinner::UpDown_v, Verso::Su, 10, &Calcolatore::Aggiorna_v);
}
Esito Calcolatore::UpDown_Y_DownClick() {
    return passoFine(Text_Y, Spinner::UpDown_Y, Verso::Giu, 1000, &Calcolatore::Aggiorna_Y);
}
Esito Calcolatore::UpDown_Y_UpClick() {
    return passoFine(Text_Y, Spinner::UpDown_Y, Verso::Su, 1000, &Calcolatore::Aggiorna_Y);
}

}  // namespace flumetra
