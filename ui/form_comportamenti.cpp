// The window's own behaviours: staying above other windows, and the
// information line.

#include <QCheckBox>
#include <QWindow>

#include "ui/campo_testo.h"
#include "ui/finestra_dettagli.h"
#include "ui/finestra_diagramma.h"
#include "ui/form_principale.h"

namespace flumetra {

void Form_Principale::Form_Load() { restaInPrimoPiano(true); }

void Form_Principale::Check1_Click() { restaInPrimoPiano(check1_->checkState() != Qt::Unchecked); }

void Form_Principale::Text1_Click() {
    const QString indirizzo = QString::fromUtf8(indirizzoWeb.data(), static_cast<qsizetype>(indirizzoWeb.size()));
    text1_->setText(text1_->text() == indirizzo
                        ? QString::fromUtf8(versione.data(), static_cast<qsizetype>(versione.size()))
                        : indirizzo);
}

// The flag is changed on the native window, which keeps its place, size and
// identity; QWidget::setWindowFlag would hide it and create a new one. The
// details window and the chart follow.
void Form_Principale::restaInPrimoPiano(bool attivo) {
    for (QWidget* finestra :
         {static_cast<QWidget*>(this), static_cast<QWidget*>(dettagli_), static_cast<QWidget*>(diagramma_)}) {
        if (finestra == nullptr) continue;
        Qt::WindowFlags flags = finestra->windowFlags();
        flags.setFlag(Qt::WindowStaysOnTopHint, attivo);
        finestra->overrideWindowFlags(flags);
        if (QWindow* nativa = finestra->windowHandle()) nativa->setFlags(flags);
    }
}

bool Form_Principale::inPrimoPiano() const {
    const QWindow* nativa = windowHandle();
    return (nativa != nullptr ? nativa->flags() : windowFlags()).testFlag(Qt::WindowStaysOnTopHint);
}

}  // namespace flumetra
