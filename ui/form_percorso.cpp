// The main window's side of the run sheet: F3 and the context menu open it,
// and closing the main window asks first while the sheet has unsaved
// changes. Otherwise the main window is as it was: the sheet only reads
// its fields, for «Aggiungi dal calcolatore».

#include <QCloseEvent>
#include <QScreen>
#include <QShortcut>
#include <algorithm>

#include "ui/documento_percorso.h"
#include "ui/foglio_percorso.h"
#include "ui/form_principale.h"
#include "ui/offerta_di_recupero.h"
#include "ui/posizione.h"

namespace flumetra {

void Form_Principale::collegaPercorso() {
    auto* percorso = new QShortcut(tastoPercorso, this);
    percorso->setContext(Qt::ApplicationShortcut);
    connect(percorso, &QShortcut::activated, this, [this] { mostraPercorso(); });
}

bool Form_Principale::percorsoAperto() const { return percorso_ != nullptr && percorso_->isVisible(); }

namespace {

// As wide as the screen leaves beside the main window, within reason; the
// table scrolls for the rest.
QSize dimensioneDelFoglio(const QWidget& principale) {
    constexpr int larghezzaMinima = 640, larghezzaMassima = 1100, altezza = 560;
    const QRect schermo = principale.screen()->availableGeometry();
    const int bordi = principale.frameGeometry().width() - principale.width();
    const int spazio = spazioAccanto(principale.frameGeometry(), schermo) - bordi;
    const int alto = principale.frameGeometry().height() - principale.height();
    return {std::clamp(spazio, larghezzaMinima, larghezzaMassima), std::min(altezza, schermo.height() - alto)};
}

}  // namespace

// Made at the first opening, beside the window; brought forward after.
FoglioPercorso& Form_Principale::mostraPercorso() {
    const bool prima = percorso_ == nullptr;
    if (prima) {
        percorso_ = new FoglioPercorso(*this, *this);
        // The chart shows the run's sections as points.
        connect(percorso_, &FoglioPercorso::ricalcolato, this, &Form_Principale::mostraTrattiNelDiagramma);
    }
    const bool eraChiuso = !percorso_->isVisible();
    if (prima) percorso_->resize(dimensioneDelFoglio(*this));
    percorso_->show();
    if (eraChiuso) {
        mettiAccanto(*percorso_, *this);
        mostraTrattiNelDiagramma();
    }
    percorso_->raise();
    percorso_->activateWindow();
    return *percorso_;
}

void Form_Principale::offriRecupero() {
    offriCopieLasciate(*this, [this]() -> FoglioPercorso& { return mostraPercorso(); });
}

void Form_Principale::closeEvent(QCloseEvent* evento) {
    if (percorso_ != nullptr && percorso_->daSalvare()) {
        if (!percorso_->lasciaAndare()) {
            evento->ignore();
            return;
        }
        percorso_->documento().dimentica();
    }
    QWidget::closeEvent(evento);
}

}  // namespace flumetra
