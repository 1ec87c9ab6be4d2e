// G, v or Y changed: the chain of the selected mode runs; L changed: the
// total loss alone. Each routine tests three modes one after another; the
// fourth, which holds the changed quantity itself, recomputes nothing, but
// for a Y typed in mode Perdita, which gives the total loss at once. Outside
// mode SezioneCanale the new diameter comes first and B follows from the
// unchanged A. Every chain that leaves Y in place ends with the total loss,
// so that Ytot is always L × Y as shown.

#include "calc/module_calcoli.h"
#include "logic/calcolatore.h"
#include "logic/catena.h"

namespace flumetra {

using namespace Module_Calcoli;
using enum Campo;

Esito Calcolatore::UpDown_G_Change() {
    Catena c(finestra_);
    if (finestra_.modoSelezionato(Modo::SezioneCanale)) {
        c.scrivi(Text_v, [&] { return VelocitaDaPortata(c.D(), c.G()); });
        c.scrivi(Text_Y, [&] { return PerditaUnitaria(c.v(), c.D()); });
        c.scrivi(Text_Ytot, [&] { return PerditaTotale(c.YReale(), c.L()); });
    }
    if (finestra_.modoSelezionato(Modo::Perdita)) {
        c.scrivi(Text_D, [&] { return DiametroDaPortataPerdita(c.G(), c.Y()); });
        c.scrivi(Text_B, [&] { return LatoPerDiametro(c.A(), c.D()); });
        c.scrivi(Text_v, [&] { return VelocitaDaPortata(c.D(), c.G()); });
        c.scrivi(Text_Ytot, [&] { return PerditaTotale(c.YReale(), c.L()); });
    }
    if (finestra_.modoSelezionato(Modo::Velocita)) {
        c.scrivi(Text_D, [&] { return DiametroDaPortataVelocita(c.G(), c.v()); });
        c.scrivi(Text_B, [&] { return LatoPerDiametro(c.A(), c.D()); });
        c.scrivi(Text_Y, [&] { return PerditaUnitaria(c.v(), c.D()); });
        c.scrivi(Text_Ytot, [&] { return PerditaTotale(c.YReale(), c.L()); });
    }
    return c.esito();
}

Esito Calcolatore::Aggiorna_v() {
    Catena c(finestra_);
    if (finestra_.modoSelezionato(Modo::SezioneCanale)) {
        c.scrivi(Text_G, [&] { return PortataDaVelocita(c.D(), c.v()); });
        c.scrivi(Text_Y, [&] { return PerditaUnitaria(c.v(), c.D()); });
        c.scrivi(Text_Ytot, [&] { return PerditaTotale(c.YReale(), c.L()); });
    }
    if (finestra_.modoSelezionato(Modo::Portata)) {
        c.scrivi(Text_D, [&] { return DiametroDaPortataVelocita(c.G(), c.v()); });
        c.scrivi(Text_B, [&] { return LatoPerDiametro(c.A(), c.D()); });
        c.scrivi(Text_Y, [&] { return PerditaUnitaria(c.v(), c.D()); });
        c.scrivi(Text_Ytot, [&] { return PerditaTotale(c.YReale(), c.L()); });
    }
    if (finestra_.modoSelezionato(Modo::Perdita)) {
        c.scrivi(Text_D, [&] { return DiametroDaVelocitaPerdita(c.v(), c.Y()); });
        c.scrivi(Text_B, [&] { return LatoPerDiametro(c.A(), c.D()); });
        c.scrivi(Text_G, [&] { return PortataDaVelocita(c.D(), c.v()); });
        c.scrivi(Text_Ytot, [&] { return PerditaTotale(c.YReale(), c.L()); });
    }
    return c.esito();
}

Esito Calcolatore::Aggiorna_Y() {
    Catena c(finestra_);
    if (finestra_.modoSelezionato(Modo::SezioneCanale)) {
        c.scrivi(Text_v, [&] { return VelocitaDaPerdita(c.D(), c.Y()); });
        c.scrivi(Text_G, [&] { return PortataDaVelocita(c.D(), c.v()); });
        c.scrivi(Text_Ytot, [&] { return PerditaTotale(c.YReale(), c.L()); });
    }
    if (finestra_.modoSelezionato(Modo::Portata)) {
        c.scrivi(Text_D, [&] { return DiametroDaPortataPerdita(c.G(), c.Y()); });
        c.scrivi(Text_B, [&] { return LatoPerDiametro(c.A(), c.D()); });
        c.scrivi(Text_v, [&] { return VelocitaDaPortata(c.D(), c.G()); });
        c.scrivi(Text_Ytot, [&] { return PerditaTotale(c.YReale(), c.L()); });
    }
    if (finestra_.modoSelezionato(Modo::Velocita)) {
        c.scrivi(Text_D, [&] { return DiametroDaVelocitaPerdita(c.v(), c.Y()); });
        c.scrivi(Text_B, [&] { return LatoPerDiametro(c.A(), c.D()); });
        c.scrivi(Text_G, [&] { return PortataDaVelocita(c.D(), c.v()); });
        c.scrivi(Text_Ytot, [&] { return PerditaTotale(c.YReale(), c.L()); });
    }
    if (finestra_.modoSelezionato(Modo::Perdita)) {
        c.scrivi(Text_Ytot, [&] { return PerditaTotale(c.YReale(), c.L()); });
    }
    return c.esito();
}

Esito Calcolatore::Aggiorna_L() {
    Catena c(finestra_);
    c.scrivi(Text_Ytot, [&] { return PerditaTotale(c.YReale(), c.L()); });
    return c.esito();
}

}  // namespace flumetra
