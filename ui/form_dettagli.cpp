// The main window's side of the details window and of the summary for a
// report. Neither changes anything in the main window: the details window
// only reads the fields, after they change and while it is open.

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeySequence>
#include <QMenu>
#include <QShortcut>

#include "ui/campo_testo.h"
#include "ui/finestra_dettagli.h"
#include "ui/finestra_diagramma.h"
#include "ui/form_principale.h"
#include "ui/posizione.h"
#include "ui/riepilogo.h"

namespace flumetra {

// The shortcuts work in either window.
void Form_Principale::collegaDettagli() {
    auto* dettagli = new QShortcut(tastoDettagli, this);
    dettagli->setContext(Qt::ApplicationShortcut);
    connect(dettagli, &QShortcut::activated, this, [this] { mostraDettagli(!dettagliAperti()); });
    auto* riepilogo = new QShortcut(tastoRiepilogo, this);
    riepilogo->setContext(Qt::ApplicationShortcut);
    connect(riepilogo, &QShortcut::activated, this, &Form_Principale::copiaRiepilogo);
    // F6 moves the focus to the other window, as it moves between panes.
    auto* altraFinestra = new QShortcut(QKeySequence(Qt::Key_F6), this);
    altraFinestra->setContext(Qt::ApplicationShortcut);
    connect(altraFinestra, &QShortcut::activated, this, [this] {
        if (!dettagliAperti()) return;
        QWidget* verso = isActiveWindow() ? static_cast<QWidget*>(dettagli_) : this;
        verso->activateWindow();
        verso->raise();
    });
    for (const Campo c : allValues<Campo>()) {
        connect(campo(c), &QLineEdit::textChanged, this, [this] {
            if (dettagliAperti()) dettagli_->aggiornaPresto();
        });
    }
}

bool Form_Principale::dettagliAperti() const { return dettagli_ != nullptr && dettagli_->isVisible(); }

// Made at the first opening, above others as the main window is.
void Form_Principale::mostraDettagli(bool aperta) {
    if (!aperta) {
        if (dettagli_ != nullptr) dettagli_->hide();
        return;
    }
    const bool prima = dettagli_ == nullptr;
    if (prima) {
        dettagli_ = new FinestraDettagli(*this);
        connect(dettagli_, &FinestraDettagli::Copia, this, &Form_Principale::copiaRiepilogo);
        // The chart's lines are drawn for the air the details hold.
        connect(dettagli_, &FinestraDettagli::ariaCambiata, this, [this] {
            if (diagrammaAperto()) diagramma_->aggiornaPresto();
        });
    }
    dettagli_->aggiorna();  // what changed while it was closed
    dettagli_->show();
    if (prima) restaInPrimoPiano(inPrimoPiano());
    // Beside the main window at every opening: it may have moved since.
    mettiAccanto(*dettagli_, *this, diagramma_);
}

void Form_Principale::copiaRiepilogo() {
    const dettagli::Materiale materiale = dettagli_ != nullptr ? dettagli_->materiale() : dettagli::materialeIniziale;
    QGuiApplication::clipboard()->setText(riepilogo(*this, dettagli::calcola(testiDelCondotto(), materiale, aria())));
}

dettagli::TestiDelCondotto Form_Principale::testiDelCondotto() const {
    using enum Campo;
    auto letto = [this](Campo c) { return testoUsato(c) ? std::optional(testo(c)) : std::nullopt; };
    return {letto(Text_A), letto(Text_B), letto(Text_D), letto(Text_G), letto(Text_Y), letto(Text_Ytot)};
}

dettagli::Aria Form_Principale::aria() const { return dettagli_ != nullptr ? dettagli_->aria() : dettagli::Aria{}; }

// On the window's background, its labels and its radios; the fields keep
// their own menu.
void Form_Principale::contextMenuEvent(QContextMenuEvent* evento) {
    QMenu menu(this);
    QAction* dettagli = menu.addAction(QStringLiteral("&Dettagli del condotto"));
    dettagli->setShortcut(tastoDettagli);
    dettagli->setCheckable(true);
    dettagli->setChecked(dettagliAperti());
    aggiungiVoceDiagramma(menu);
    QAction* riepilogo = menu.addAction(QStringLiteral("&Copia il riepilogo"));
    riepilogo->setShortcut(tastoRiepilogo);
    QAction* percorso = menu.addAction(QStringLiteral("&Percorso"));
    percorso->setShortcut(tastoPercorso);
    const QAction* scelta = menu.exec(evento->globalPos());
    if (scelta == dettagli) mostraDettagli(!dettagliAperti());
    if (scelta == riepilogo) copiaRiepilogo();
    if (scelta == percorso) mostraPercorso();
}

}  // namespace flumetra
