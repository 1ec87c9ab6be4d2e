// The window as the calculator sees it: Finestra over the widgets.

#include <QRadioButton>

#include "ui/campo_testo.h"
#include "ui/form_principale.h"
#include "ui/updown.h"

namespace flumetra {

std::string Form_Principale::testo(Campo c) const { return campo(c)->text().toStdString(); }

// A program write starts nothing (no key release, no spinner change) and
// clears what a note said about this field.
void Form_Principale::scrivi(Campo c, std::string_view testo) {
    campo(c)->scriviDalProgramma(QString::fromUtf8(testo.data(), static_cast<qsizetype>(testo.size())));
    campo(c)->annota({}, {}, false);
    nonUsato_[indexOf(c)] = false;
}

bool Form_Principale::modoSelezionato(Modo m) const { return radio(m)->isChecked(); }
bool Form_Principale::sezioneSelezionata(Sezione s) const { return radio(s)->isChecked(); }

// Selecting runs the radio's click operation through its toggled signal.
void Form_Principale::selezionaSezione(Sezione s) { radio(s)->setChecked(true); }

void Form_Principale::mostraSpinner(Spinner s, bool visibile) { spinner(s)->setVisible(visibile); }
void Form_Principale::mostraRadioSezione(Sezione s, bool visibile) { radio(s)->setVisible(visibile); }
int Form_Principale::passo(Spinner s) const { return spinner(s)->passo(); }
Intero Form_Principale::valoreSpinner(Spinner s) const { return spinner(s)->valore(); }
void Form_Principale::impostaValoreSpinner(Spinner s, Intero valore) { spinner(s)->impostaValore(valore); }

}  // namespace flumetra
