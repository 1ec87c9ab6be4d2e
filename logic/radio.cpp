// The mode and section radios: they only select and show or hide, always to
// absolute values, so running one again changes nothing; they report nothing.

#include "logic/calcolatore.h"

namespace flumetra {

void Calcolatore::mostraSpinnerVGY(bool v, bool G, bool Y) {
    finestra_.mostraSpinner(Spinner::UpDown_v, v);
    finestra_.mostraSpinner(Spinner::UpDown_G, G);
    finestra_.mostraSpinner(Spinner::UpDown_Y, Y);
}

void Calcolatore::mostraRadioSezione(bool visibili) {
    finestra_.mostraRadioSezione(Sezione::A, visibili);
    finestra_.mostraRadioSezione(Sezione::B, visibili);
    finestra_.mostraRadioSezione(Sezione::D, visibili);
}

void Calcolatore::mostraSpinnerABD(bool A, bool B, bool D) {
    finestra_.mostraSpinner(Spinner::UpDown_A, A);
    finestra_.mostraSpinner(Spinner::UpDown_B, B);
    finestra_.mostraSpinner(Spinner::UpDown_D, D);
}

// Perdita, Velocità and Portata hold A: the section radios go, A is selected
// (its click operation runs nested, setting the same spinners again).
void Calcolatore::tieniA() {
    mostraRadioSezione(false);
    mostraSpinnerABD(false, true, true);
    finestra_.selezionaSezione(Sezione::A);
}

Esito Calcolatore::Option_Perdita_Click() {
    mostraSpinnerVGY(true, true, false);
    tieniA();
    return {};
}

Esito Calcolatore::Option_Velocità_Click() {
    mostraSpinnerVGY(false, true, true);
    tieniA();
    return {};
}

Esito Calcolatore::Option_Portata_Click() {
    mostraSpinnerVGY(true, false, true);
    tieniA();
    return {};
}

// The section is held: every one of G, v, Y can be stepped, and the radios
// come back with the held dimension and the spinners of A, B, D as they were.
Esito Calcolatore::Option_SezioneCanale_Click() {
    mostraSpinnerVGY(true, true, true);
    mostraRadioSezione(true);
    return {};
}

Esito Calcolatore::Option_A_Click() {
    mostraSpinnerABD(false, true, true);
    return {};
}

Esito Calcolatore::Option_B_Click() {
    mostraSpinnerABD(true, false, true);
    return {};
}

Esito Calcolatore::Option_D_Click() {
    mostraSpinnerABD(true, true, false);
    return {};
}

}  // namespace flumetra
