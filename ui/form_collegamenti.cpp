// The delivery of every user action to its one operation, and what the
// window shows when a recalculation stops at a failed step.

#include <QCheckBox>
#include <QFontMetrics>
#include <QRadioButton>
#include <QToolTip>

#include "ui/campo_testo.h"
#include "ui/form_principale.h"
#include "ui/messaggi.h"
#include "ui/suggerimenti.h"
#include "ui/updown.h"

namespace flumetra {

// A radio's operation runs when it becomes selected, by the user or by the
// program (a mode click selects A, which runs Option_A_Click nested).
void Form_Principale::collega() {
    auto quandoSelezionato = [this](QRadioButton* r, Operazione operazione) {
        connect(r, &QRadioButton::toggled, this, [this, operazione](bool selezionato) {
            if (selezionato) calcolatore_.esegui(operazione);
        });
    };
    for (const Modo m : tutti<Modo>()) quandoSelezionato(radio(m), dati(m).click);
    for (const Sezione s : tutti<Sezione>()) quandoSelezionato(radio(s), dati(s).click);

    for (const Spinner s : tutti<Spinner>()) {
        connect(spinner(s), &UpDown::Freccia, this,
                [this, s](Verso verso) { mostra(calcolatore_.frecciaSpinner(s, verso)); });
    }
    for (const Campo c : tutti<Campo>()) {
        const auto& immissione = dati(c).immissione;
        if (!immissione) continue;
        connect(campo(c), &CampoTesto::KeyUp, this,
                [this, operazione = immissione->tastoRilasciato] { mostra(calcolatore_.esegui(operazione)); });
    }

    connect(check1_, &QCheckBox::clicked, this, &Form_Principale::Check1_Click);
    connect(text1_, &CampoTesto::Click, this, &Form_Principale::Text1_Click);
}

// A failed step is told on the fields it left with their old texts, as a
// tooltip wrapped to the window's width, shown at once under the first of
// them and kept on each until a later step writes it. Nothing moves and no
// colour or font changes. A screen reader hears it as the fields'
// description.
void Form_Principale::mostra(const Esito& esito) {
    if (!esito) return;
    const QString messaggio = messaggi::passoNonRiuscito(*esito);
    const QString tooltip =
        suggerimenti::aCapo(messaggio, QFontMetrics(QToolTip::font()), suggerimenti::larghezzaRiga(this));
    for (const Campo c : esito->nonAggiornati) {
        campo(c)->setToolTip(tooltip);
        campo(c)->setAccessibleDescription(messaggio);
    }
    if (isVisible()) suggerimenti::mostraSotto(campo(esito->campo), tooltip);
}

}  // namespace flumetra
