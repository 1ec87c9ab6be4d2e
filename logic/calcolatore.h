// The calculator's operations, each named after the control and the event
// that start it. The window calls them; they read and change the window's
// controls through Finestra and keep nothing of their own between calls.
//
// Radio clicks only select and show or hide. The recalculations return an
// Esito: empty when every step completed, otherwise the step that failed.
#pragma once

#include "calc/decimale.h"
#include "logic/esito.h"
#include "logic/finestra.h"
#include "logic/operazione.h"

namespace flumetra {

class Catena;

class Calcolatore {
public:
    explicit Calcolatore(Finestra& finestra) : finestra_(finestra) {}

    // The one entry: runs the operation of that name. A radio click reports
    // nothing; a recalculation its Esito.
    Esito esegui(Operazione operazione);

    // One click on an arrow of a spinner, as the window delivers it. A bound
    // spinner steps its field (writing it as a program write), then runs its
    // change; when the field would not change, nothing happens. A fine
    // spinner runs its up or down click.
    Esito frecciaSpinner(Spinner spinner, Verso verso);

    // Mode radios: which quantity is held while the others follow.
    void Option_Perdita_Click();
    void Option_Velocità_Click();
    void Option_Portata_Click();
    void Option_SezioneCanale_Click();

    // Section radios: which section dimension a section change keeps.
    // The index is that of the one-element radio arrays: always 0, unused.
    void Option_A_Click(int indice = 0);
    void Option_B_Click(int indice = 0);
    void Option_D_Click(int indice = 0);

    // A, B or D changed: the other section dimension, v, Y and Ytot follow.
    Esito UpDown_A_Change();
    Esito UpDown_B_Change();
    Esito UpDown_D_Change();

    // G, v or Y changed: the chain of the selected mode runs.
    Esito UpDown_G_Change();
    Esito Aggiorna_v();
    Esito Aggiorna_Y();
    // L changed: the total loss alone follows.
    Esito Aggiorna_L();

    // A key released in a quantity field, or any other edit of it by the
    // person: the field's change runs when its text is a number strictly
    // inside the field's range (usoDelTesto). Key and modifiers play no part.
    Esito Text_A_KeyUp(int tasto = 0, int modificatori = 0);
    Esito Text_B_KeyUp(int tasto = 0, int modificatori = 0);
    Esito Text_D_KeyUp(int tasto = 0, int modificatori = 0);
    Esito Text_G_KeyUp(int tasto = 0, int modificatori = 0);
    Esito Text_v_KeyUp(int tasto = 0, int modificatori = 0);
    Esito Text_Y_KeyUp(int tasto = 0, int modificatori = 0);
    Esito Text_L_KeyUp(int tasto = 0, int modificatori = 0);

    // One click on an arrow of the fine spinners of v and Y.
    Esito UpDown_v_DownClick();
    Esito UpDown_v_UpClick();
    Esito UpDown_Y_DownClick();
    Esito UpDown_Y_UpClick();

private:
    void mostraSpinnerVGY(bool v, bool G, bool Y);
    void mostraSpinnerABD(bool A, bool B, bool D);
    void mostraRadioSezione(bool visibili);
    void tieniA();

    static void velocitaEPerdite(Catena& c);

    Esito immissione(Campo campo);
    Esito clicFine(Spinner spinner, Verso verso);

    Finestra& finestra_;
};

}  // namespace flumetra
