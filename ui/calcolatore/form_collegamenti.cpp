// The delivery of every user action to its one operation, and what the
// window shows when a recalculation stops at a failed step.

#include <QCheckBox>
#include <QFontMetrics>
#include <QRadioButton>
#include <QToolTip>
#include <algorithm>

#include "logic/attesa.h"
#include "logic/uso_del_testo.h"
#include "ui/calcolatore/form_principale.h"
#include "ui/calcolatore/messaggi.h"
#include "ui/calcolatore/updown.h"
#include "ui/comune/campo_testo.h"
#include "ui/comune/suggerimenti.h"

namespace flumetra {

// A radio's operation runs when it becomes selected, by the user or by the
// program (a mode click selects A, which runs Option_A_Click nested).
void Form_Principale::collega() {
    // A held value's note holds for its mode and section only.
    auto quandoSelezionato = [this](QRadioButton* r, Operazione operazione) {
        connect(r, &QRadioButton::toggled, this, [this, operazione](bool selezionato) {
            if (!selezionato) return;
            finisciAttesa();
            calcolatore_.esegui(operazione);
        });
    };
    for (const Modo m : allValues<Modo>()) quandoSelezionato(radio(m), dati(m).click);
    for (const Sezione s : allValues<Sezione>()) quandoSelezionato(radio(s), dati(s).click);

    for (const Spinner s : allValues<Spinner>()) {
        connect(spinner(s), &UpDown::Freccia, this, [this, s](Verso verso) {
            ultimaImmissione_.reset();
            mostra(calcolatore_.frecciaSpinner(s, verso));
            finisciAttesaSeUsata(dati(s).campo);
        });
    }
    for (const Campo c : allValues<Campo>()) {
        connect(campo(c), &QLineEdit::textChanged, this, &Form_Principale::testiCambiati);
        if (!dati(c).immissione) continue;
        connect(campo(c), &CampoTesto::KeyUp, this, [this, c] { controlla(c); });
        connect(campo(c), &CampoTesto::Modificato, this, [this, c] { controlla(c); });
    }

    // Every change of the tick, by a click, the keyboard or an assistive
    // technology's toggle.
    connect(check1_, &QCheckBox::toggled, this, &Form_Principale::Check1_Click);
    connect(text1_, &CampoTesto::Click, this, &Form_Principale::Text1_Click);
}

// The key-up check of a field the person edited: its change runs when the
// calculator takes the text, and the field's note tells what became of it.
void Form_Principale::controlla(Campo c) {
    const Uso uso = usoDelTesto(c, testo(c));
    mostra(calcolatore_.esegui(dati(c).immissione->tastoRilasciato));
    if (uso == Uso::Usato) finisciAttesaSeUsata(c);
    annota(c, uso);
    if (uso == Uso::Usato) {
        campo(c)->segnaUsato();
        ultimaImmissione_ = c;
    }
}

// Of a text not used, what the others belong to; of a text read otherwise
// than it may have been meant, how it was read; of a held value, which
// fields will follow it, and at what change. A note on a text is shown as
// the focus leaves the field; a held value's, which warns of nothing, only
// when the pointer rests on the field, and to a screen reader.
void Form_Principale::annota(Campo c, Uso uso) {
    if (attesa_ && attesa_->campo == c) finisciAttesa();
    const QString testoOra = campo(c)->text();
    QString messaggio;
    bool allUscita = true;
    if (const std::optional<Avviso> a = avviso(c, testo(c))) {
        const bool altriDiQuesto = ultimaImmissione_ == c && campo(c)->testoUsato() != testoOra;
        messaggio = messaggi::avviso(c, *a, altriDiQuesto ? std::optional(campo(c)->testoUsato()) : std::nullopt);
    } else if (uso == Uso::Usato) {
        const auto modi = allValues<Modo>();
        const auto sezioni = allValues<Sezione>();
        const Modo modo = *std::find_if(modi.begin(), modi.end(), [this](Modo m) { return modoSelezionato(m); });
        const Sezione sezione =
            *std::find_if(sezioni.begin(), sezioni.end(), [this](Sezione z) { return sezioneSelezionata(z); });
        const std::vector<Seguito> seguiranno = seguiti(c, modo, sezione);
        if (!seguiranno.empty()) {
            messaggio = messaggi::attesa(testoOra, seguiranno);
            allUscita = false;
            Attesa attesa{c, {}};
            for (const Seguito& s : seguiranno) attesa.modifiche.push_back(s.modifica);
            attesa_ = attesa;
        }
    }
    campo(c)->annota(messaggio.isEmpty() ? QString() : perLOcchio(messaggio), messaggio, allUscita);
}

void Form_Principale::finisciAttesa() {
    if (!attesa_) return;
    campo(attesa_->campo)->annota({}, {}, false);
    attesa_.reset();
}

// A change of another quantity: the held value's note goes if it is one of
// the changes the note named, which used the value.
void Form_Principale::finisciAttesaSeUsata(Campo cambiato) {
    if (attesa_ &&
        std::find(attesa_->modifiche.begin(), attesa_->modifiche.end(), cambiato) != attesa_->modifiche.end()) {
        finisciAttesa();
    }
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
