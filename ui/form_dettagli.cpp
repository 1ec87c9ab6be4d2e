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
#include "ui/form_principale.h"
#include "ui/posizione.h"
#include "ui/righe_dettagli.h"

namespace flumetra {
namespace {

const QKeySequence tastoDettagli(Qt::Key_F2);
const QKeySequence tastoRiepilogo(Qt::CTRL | Qt::SHIFT | Qt::Key_C);

}  // namespace

// The shortcuts work in either window.
void Form_Principale::collegaDettagli() {
    auto* dettagli = new QShortcut(tastoDettagli, this);
    dettagli->setContext(Qt::ApplicationShortcut);
    connect(dettagli, &QShortcut::activated, this, [this] { mostraDettagli(!dettagliAperti()); });
    auto* riepilogo = new QShortcut(tastoRiepilogo, this);
    riepilogo->setContext(Qt::ApplicationShortcut);
    connect(riepilogo, &QShortcut::activated, this, &Form_Principale::copiaRiepilogo);
    for (const Campo c : allValues<Campo>()) {
        connect(campo(c), &QLineEdit::textChanged, this, [this] {
            if (dettagliAperti()) dettagli_->aggiornaPresto();
        });
    }
}

bool Form_Principale::dettagliAperti() const { return dettagli_ != nullptr && dettagli_->isVisible(); }

// Made at the first opening, beside the window, above others as it is.
void Form_Principale::mostraDettagli(bool aperta) {
    if (!aperta) {
        if (dettagli_ != nullptr) dettagli_->hide();
        return;
    }
    const bool prima = dettagli_ == nullptr;
    if (prima) {
        dettagli_ = new FinestraDettagli(*this, this);
        connect(dettagli_, &FinestraDettagli::Copia, this, &Form_Principale::copiaRiepilogo);
    }
    dettagli_->aggiorna();  // what changed while it was closed
    dettagli_->show();
    if (prima) {
        restaInPrimoPiano(inPrimoPiano());
        mettiAccanto(*dettagli_, *this);
    }
}

void Form_Principale::copiaRiepilogo() {
    const dettagli::Materiale materiale = dettagli_ != nullptr ? dettagli_->materiale() : dettagli::materialeIniziale;
    QGuiApplication::clipboard()->setText(riepilogo(*this, dettagli::calcola(testiDelCondotto(*this), materiale)));
}

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
    const QAction* scelta = menu.exec(evento->globalPos());
    if (scelta == dettagli) mostraDettagli(!dettagliAperti());
    if (scelta == riepilogo) copiaRiepilogo();
}

}  // namespace flumetra
