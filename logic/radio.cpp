// The mode and section radios: they only select and show or hide, always to
// absolute values, so running one again changes nothing.

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

void Calcolatore::Option_Perdita_Click() {
    mostraSpinnerVGY(true, true, false);
    tieniA();
}

void Calcolatore::Option_Velocità_Click() {
    mostraSpinnerVGY(false, true, true);
    tieniA();
}

void Calcolatore::Option_Portata_Click() {
    mostraSpinnerVGY(true, false, true);
    tieniA();
}

// The section is held: every one of G, v, Y can be stepped, and the radios
// come back with the held dimension and the spinners of A, B, D as they were.
void Calcolatore::Option_SezioneCanale_Click() {
    mostraSpinnerVGY(true, true, true);
    mostraRadioSezione(true);
}

void Calcolatore::Option_A_Click(int /*indice*/) { mostraSpinnerABD(false, true, true); }
void Calcolatore::Option_B_Click(int /*indice*/) { mostraSpinnerABD(true, false, true); }
void Calcolatore::Option_D_Click(int /*indice*/) { mostraSpinnerABD(true, true, false); }

}  // namespace flumetra
