// The delivery of every user action to its one operation, and what the
// window shows when a recalculation stops at a failed step.

#include <QCheckBox>
#include <QFontMetrics>
#include <QRadioButton>
#include <QToolTip>

#include "logic/uso_del_testo.h"
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
    for (const Modo m : allValues<Modo>()) quandoSelezionato(radio(m), dati(m).click);
    for (const Sezione s : allValues<Sezione>()) quandoSelezionato(radio(s), dati(s).click);

    for (const Spinner s : allValues<Spinner>()) {
        connect(spinner(s), &UpDown::Freccia, this,
                [this, s](Verso verso) { mostra(calcolatore_.frecciaSpinner(s, verso)); });
    }
    for (const Campo c : allValues<Campo>()) {
        if (!dati(c).immissione) continue;
        connect(campo(c), &CampoTesto::KeyUp, this, [this, c] { controlla(c); });
        connect(campo(c), &CampoTesto::Modificato, this, [this, c] { controlla(c); });
    }

    // Every change of the tick, by a click, the keyboard or an assistive
    // technology's toggle.
    connect(check1_, &QCheckBox::toggled, this, &Form_Principale::Check1_Click);
    connect(text1_, &CampoTesto::Click, this, &Form_Principale::Text1_Click);
}

// The key-up check of a field the person edited. Its note, if any, tells
// what became of the text: not used, or read otherwise than it may have been
// meant; it is shown as the focus leaves the field.
void Form_Principale::controlla(Campo c) {
    const std::optional<Avviso> avvisoDelTesto = avviso(c, testo(c));
    nonUsato_[indexOf(c)] = avvisoDelTesto && avvisoDelTesto->tipo != TipoAvviso::PuntoDelleMigliaia;
    mostra(calcolatore_.esegui(dati(c).immissione->tastoRilasciato));
    if (!avvisoDelTesto) {
        campo(c)->annota({}, {}, false);
        return;
    }
    const QString messaggio = messaggi::avviso(c, *avvisoDelTesto);
    campo(c)->annota(perLOcchio(messaggio), messaggio, true);
}

// A note's lines, no wider than the window.
QString Form_Principale::perLOcchio(const QString& messaggio) const {
    return suggerimenti::wrappedToWidth(messaggio, QFontMetrics(QToolTip::font()), suggerimenti::larghezzaRiga(this));
}

// A failed step is told on the fields it left with their old texts, as a
// tooltip wrapped to the window's width, shown at once under the first of
// them and kept on each until a later step writes it. Nothing moves and no
// colour or font changes. A screen reader hears it as the fields'
// description.
void Form_Principale::mostra(const Esito& esito) {
    if (!esito) return;
    const QString messaggio = messaggi::passoNonRiuscito(*esito);
    const QString tooltip = perLOcchio(messaggio);
    for (const Campo c : esito->nonAggiornati) campo(c)->annota(tooltip, messaggio, false);
    if (isVisible()) suggerimenti::mostraSotto(campo(esito->campo), tooltip);
}

}  // namespace flumetra
