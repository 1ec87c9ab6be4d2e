// The one entry to every operation, and the arrow click of a spinner.

#include "calc/testo.h"
#include "logic/calcolatore.h"
#include "logic/passo_spinner.h"
#include "logic/quantita.h"

namespace flumetra {

Esito Calcolatore::esegui(Operazione operazione) {
    using enum Operazione;
    switch (operazione) {
        case Option_Perdita_Click: Calcolatore::Option_Perdita_Click(); return {};
        case Option_Velocita_Click: Calcolatore::Option_Velocità_Click(); return {};
        case Option_Portata_Click: Calcolatore::Option_Portata_Click(); return {};
        case Option_SezioneCanale_Click: Calcolatore::Option_SezioneCanale_Click(); return {};
        case Option_A_Click: Calcolatore::Option_A_Click(0); return {};
        case Option_B_Click: Calcolatore::Option_B_Click(0); return {};
        case Option_D_Click: Calcolatore::Option_D_Click(0); return {};
        case UpDown_A_Change: return Calcolatore::UpDown_A_Change();
        case UpDown_B_Change: return Calcolatore::UpDown_B_Change();
        case UpDown_D_Change: return Calcolatore::UpDown_D_Change();
        case UpDown_G_Change: return Calcolatore::UpDown_G_Change();
        case Aggiorna_v: return Calcolatore::Aggiorna_v();
        case Aggiorna_Y: return Calcolatore::Aggiorna_Y();
        case Aggiorna_L: return Calcolatore::Aggiorna_L();
        case UpDown_v_DownClick: return Calcolatore::UpDown_v_DownClick();
        case UpDown_v_UpClick: return Calcolatore::UpDown_v_UpClick();
        case UpDown_Y_DownClick: return Calcolatore::UpDown_Y_DownClick();
        case UpDown_Y_UpClick: return Calcolatore::UpDown_Y_UpClick();
        case Text_A_KeyUp: return Calcolatore::Text_A_KeyUp();
        case Text_B_KeyUp: return Calcolatore::Text_B_KeyUp();
        case Text_D_KeyUp: return Calcolatore::Text_D_KeyUp();
        case Text_G_KeyUp: return Calcolatore::Text_G_KeyUp();
        case Text_v_KeyUp: return Calcolatore::Text_v_KeyUp();
        case Text_Y_KeyUp: return Calcolatore::Text_Y_KeyUp();
        case Text_L_KeyUp: return Calcolatore::Text_L_KeyUp();
    }
    return {};
}

Esito Calcolatore::frecciaSpinner(Spinner s, Verso verso) {
    const DatiSpinner& d = dati(s);
    if (!d.legatoAlCampo) return esegui(verso == Verso::Su ? d.su : d.giu);
    const auto nuovo = passoSpinner(finestra_.testo(d.campo), d.intervallo, finestra_.valoreSpinner(s), verso);
    if (!nuovo) return {};
    finestra_.impostaValoreSpinner(s, *nuovo);
    finestra_.scrivi(d.campo, InteroInTesto(*nuovo));
    return esegui(verso == Verso::Su ? d.su : d.giu);
}

}  // namespace flumetra
