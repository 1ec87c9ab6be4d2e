// A, B or D changed: the dimension that is neither the changed one nor the
// held one is recomputed, then v, Y and Ytot for the unchanged G and L.
// Only the held section dimension decides; the mode plays no part. When the
// changed dimension is itself held, nothing is recomputed, but for A in the
// modes that hold A (Perdita, Velocità, Portata): B follows it at once, as
// every chain of those modes computes it from A and D.

#include "calc/module_calcoli.h"
#include "logic/calcolatore.h"
#include "logic/catena.h"

namespace flumetra {

using namespace Module_Calcoli;
using enum Campo;

void Calcolatore::velocitaEPerdite(Catena& c) {
    c.scrivi(Text_v, [&] { return VelocitaDaPortata(c.D(), c.G()); });
    c.scrivi(Text_Y, [&] { return PerditaUnitaria(c.v(), c.D()); });
    c.scrivi(Text_Ytot, [&] { return PerditaTotale(c.YReale(), c.L()); });
}

Esito Calcolatore::UpDown_A_Change() {
    Catena c(finestra_);
    if (finestra_.sezioneSelezionata(Sezione::B)) {
        c.scrivi(Text_D, [&] { return DiametroEquivalente(c.A(), c.B()); });
        velocitaEPerdite(c);
    }
    if (finestra_.sezioneSelezionata(Sezione::D)) {
        c.scrivi(Text_B, [&] { return LatoPerDiametro(c.A(), c.D()); });
        velocitaEPerdite(c);
    }
    if (finestra_.sezioneSelezionata(Sezione::A) && !finestra_.modoSelezionato(Modo::SezioneCanale)) {
        c.scrivi(Text_B, [&] { return LatoPerDiametro(c.A(), c.D()); });
    }
    return c.esito();
}

Esito Calcolatore::UpDown_B_Change() {
    Catena c(finestra_);
    if (finestra_.sezioneSelezionata(Sezione::A)) {
        c.scrivi(Text_D, [&] { return DiametroEquivalente(c.A(), c.B()); });
        velocitaEPerdite(c);
    }
    if (finestra_.sezioneSelezionata(Sezione::D)) {
        c.scrivi(Text_A, [&] { return LatoPerDiametro(c.B(), c.D()); });
        velocitaEPerdite(c);
    }
    return c.esito();
}

Esito Calcolatore::UpDown_D_Change() {
    Catena c(finestra_);
    if (finestra_.sezioneSelezionata(Sezione::B)) {
        c.scrivi(Text_A, [&] { return LatoPerDiametro(c.B(), c.D()); });
        velocitaEPerdite(c);
    }
    if (finestra_.sezioneSelezionata(Sezione::A)) {
        c.scrivi(Text_B, [&] { return LatoPerDiametro(c.A(), c.D()); });
        velocitaEPerdite(c);
    }
    return c.esito();
}

}  // namespace flumetra
