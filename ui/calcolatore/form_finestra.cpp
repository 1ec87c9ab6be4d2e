// The window as the calculator sees it: Finestra over the widgets.

#include <QRadioButton>

#include "ui/calcolatore/form_principale.h"
#include "ui/calcolatore/updown.h"
#include "ui/comune/campo_testo.h"
#include "ui/comune/contenitore_accessibile.h"

namespace flumetra {

std::string Form_Principale::testo(Campo c) const { return campo(c)->text().toStdString(); }

// A program write starts nothing (no key release, no spinner change) and
// clears what a note said about this field, a held value's too.
void Form_Principale::scrivi(Campo c, std::string_view testo) {
    campo(c)->scriviDalProgramma(QString::fromUtf8(testo.data(), static_cast<qsizetype>(testo.size())));
    campo(c)->annota({}, {}, false);
    if (attesa_ && attesa_->campo == c) finisciAttesa();
}

bool Form_Principale::testoUsato(Campo c) const { return campo(c)->text() == campo(c)->testoUsato(); }

dettagli::TestiDelCondotto Form_Principale::testiDelCondotto() const {
    using enum Campo;
    auto letto = [this](Campo c) { return testoUsato(c) ? std::optional(testo(c)) : std::nullopt; };
    return {letto(Text_A), letto(Text_B), letto(Text_D), letto(Text_G), letto(Text_Y), letto(Text_Ytot)};
}

bool Form_Principale::modoSelezionato(Modo m) const { return radio(m)->isChecked(); }
bool Form_Principale::sezioneSelezionata(Sezione s) const { return radio(s)->isChecked(); }

// Selecting runs the radio's click operation through its toggled signal.
void Form_Principale::selezionaSezione(Sezione s) { radio(s)->setChecked(true); }

// A control hidden or shown again is announced as gone or come back.
void Form_Principale::mostraSpinner(Spinner s, bool visibile) {
    const bool cambia = spinner(s)->isHidden() == visibile;
    spinner(s)->setVisible(visibile);
    if (cambia) annunciaVisibilita(spinner(s), visibile);
}

void Form_Principale::mostraRadioSezione(Sezione s, bool visibile) {
    const bool cambia = radio(s)->isHidden() == visibile;
    radio(s)->setVisible(visibile);
    if (cambia) annunciaVisibilita(radio(s), visibile);
}
int Form_Principale::passo(Spinner s) const { return spinner(s)->passo(); }
Intero Form_Principale::valoreSpinner(Spinner s) const { return spinner(s)->valore(); }
void Form_Principale::impostaValoreSpinner(Spinner s, Intero valore) { spinner(s)->impostaValore(valore); }

}  // namespace flumetra
