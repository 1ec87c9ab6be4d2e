// The calculator's operations (logic/operazione.h), each named after the
// control and the event that start it. The window runs them; they read and
// change the window's controls through Finestra and keep nothing of their
// own between calls. Each returns an Esito: empty when every step completed,
// otherwise the step that failed.
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

    // The one entry from outside: runs the operation of that name. An
    // operation that runs another calls its routine directly.
    Esito esegui(Operazione operazione);

    // One click on an arrow of a spinner, as the window delivers it. A bound
    // spinner steps its field (writing it as a program write), then runs its
    // change; when the field would not change, nothing happens. A fine
    // spinner runs its up or down click.
    Esito frecciaSpinner(Spinner spinner, Verso verso);

    // The operations themselves, one for each line of FLUMETRA_OPERAZIONI:
    // Esito Option_Perdita_Click(); … Esito Text_L_KeyUp();. A radio click
    // only selects and shows or hides, and reports nothing; a key release
    // runs its field's change when its text is a number strictly inside the
    // field's range (usoDelTesto).
#define FLUMETRA_DICHIARAZIONE(nome) Esito nome();
    FLUMETRA_OPERAZIONI(FLUMETRA_DICHIARAZIONE)
#undef FLUMETRA_DICHIARAZIONE

private:
    using Routine = Esito (Calcolatore::*)();
    static Routine routine(Operazione operazione);

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
