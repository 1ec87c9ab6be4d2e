// The window's own behaviours: staying above other windows, the information
// line, and the context menu the program fills.

#include <QCheckBox>
#include <QContextMenuEvent>
#include <QMenu>

#include "ui/calcolatore/form_principale.h"
#include "ui/comune/campo_testo.h"
#include "ui/comune/primo_piano.h"

namespace flumetra {

void Form_Principale::Form_Load() { restaInPrimoPiano(true); }

void Form_Principale::Check1_Click() { restaInPrimoPiano(check1_->checkState() != Qt::Unchecked); }

void Form_Principale::Text1_Click() {
    const QString indirizzo = QString::fromUtf8(indirizzoWeb.data(), static_cast<qsizetype>(indirizzoWeb.size()));
    text1_->setText(text1_->text() == indirizzo
                        ? QString::fromUtf8(versione.data(), static_cast<qsizetype>(versione.size()))
                        : indirizzo);
}

// The windows beside it follow (primoPianoCambiato).
void Form_Principale::restaInPrimoPiano(bool attivo) {
    mettiInPrimoPiano(*this, attivo);
    emit primoPianoCambiato(attivo);
}

bool Form_Principale::inPrimoPiano() const { return flumetra::inPrimoPiano(*this); }

// On the window's background, its labels and its radios (the fields keep
// their own menu): what the program's other windows offer.
void Form_Principale::contextMenuEvent(QContextMenuEvent* evento) {
    QMenu menu(this);
    emit menuContestuale(menu);
    if (!menu.isEmpty()) menu.exec(evento->globalPos());
}

}  // namespace flumetra
