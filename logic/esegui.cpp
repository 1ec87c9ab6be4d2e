// The one entry to every operation, and the arrow click of a spinner.

#include <array>
#include <cstddef>

#include "calc/testo.h"
#include "logic/calcolatore.h"
#include "logic/passo_spinner.h"
#include "logic/quantita.h"

namespace flumetra {

// Each operation's routine, in the order of the enum.
Calcolatore::Routine Calcolatore::routine(Operazione operazione) {
#define FLUMETRA_ROUTINE(nome) &Calcolatore::nome,
    static constexpr std::array<Routine, nomiOperazioni.size()> routine = {FLUMETRA_OPERAZIONI(FLUMETRA_ROUTINE)};
#undef FLUMETRA_ROUTINE
    return routine.at(static_cast<std::size_t>(operazione));
}

Esito Calcolatore::esegui(Operazione operazione) { return (this->*routine(operazione))(); }

Esito Calcolatore::frecciaSpinner(Spinner s, Verso verso) {
    const DatiSpinner& d = dati(s);
    if (!d.legatoAlCampo) return (this->*routine(verso == Verso::Su ? d.su : d.giu))();
    const auto nuovo = passoSpinner(finestra_.testo(d.campo), d.intervallo, finestra_.valoreSpinner(s), verso);
    if (!nuovo) return {};
    finestra_.impostaValoreSpinner(s, *nuovo);
    finestra_.scrivi(d.campo, InteroInTesto(*nuovo));
    return (this->*routine(verso == Verso::Su ? d.su : d.giu))();
}

}  // namespace flumetra
