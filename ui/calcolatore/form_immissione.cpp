// A duct typed into the calculator from elsewhere, through the same radios
// and key-ups as a person's typing.

#include <QRadioButton>

#include "ui/calcolatore/form_principale.h"
#include "ui/comune/campo_testo.h"
#include "ui/grafica/testo_qt.h"

namespace flumetra {

void Form_Principale::immettiCondotto(const TestiDeiCampi& testi) {
    radio(Modo::SezioneCanale)->click();
    bool primaMisura = true;
    for (const auto& [c, testo] : testi) {
        if (primaMisura && (c == Campo::Text_A || c == Campo::Text_D)) {
            radio(c == Campo::Text_A ? Sezione::A : Sezione::D)->click();
            primaMisura = false;
        }
        campo(c)->scriviDalProgramma(inQt(testo));
        controlla(c);
    }
}

}  // namespace flumetra
