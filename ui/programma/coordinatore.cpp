#include "ui/programma/coordinatore.h"

#include <QAction>
#include <QClipboard>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QMenu>
#include <QShortcut>

#include "ui/calcolatore/riepilogo.h"
#include "ui/comune/primo_piano.h"
#include "ui/comune/tasti.h"
#include "ui/dettagli/finestra_dettagli.h"
#include "ui/diagramma/finestra_diagramma.h"
#include "ui/foglio/documento_percorso.h"
#include "ui/foglio/foglio_percorso.h"
#include "ui/foglio/offerta_di_recupero.h"
#include "ui/grafica/file_percorso.h"
#include "ui/programma/posti.h"

namespace flumetra {

Coordinatore::Coordinatore() {
    creaScorciatoie();
    connect(&principale_, &Form_Principale::menuContestuale, this, &Coordinatore::riempiMenu);
    connect(&principale_, &Form_Principale::primoPianoCambiato, this, &Coordinatore::seguiPrimoPiano);
    // The details and the chart follow the calculator's fields while open.
    connect(&principale_, &Form_Principale::testiCambiati, this, [this] {
        if (dettagliAperti()) dettagli_->aggiornaPresto();
        if (diagrammaAperto()) diagramma_->aggiornaPresto();
    });
    principale_.installEventFilter(this);
}

// The windows go with the calculator, the sheet last: its hiding then asks
// nothing of the chart.
Coordinatore::~Coordinatore() {
    if (percorso_ != nullptr) percorso_->removeEventFilter(this);
}

// Each works in every window of the program.
void Coordinatore::creaScorciatoie() {
    auto scorciatoia = [this](QKeyCombination tasto, auto azione) {
        auto* s = new QShortcut(tasto, &principale_);
        s->setContext(Qt::ApplicationShortcut);
        connect(s, &QShortcut::activated, this, azione);
    };
    scorciatoia(tasti::dettagli, [this] { mostraDettagli(!dettagliAperti()); });
    scorciatoia(tasti::riepilogo, [this] { copiaRiepilogo(); });
    scorciatoia(tasti::diagramma, [this] { mostraDiagramma(!diagrammaAperto()); });
    scorciatoia(tasti::percorso, [this] { mostraPercorso(); });
    // F6 moves the focus between the calculator and the details, as it moves between panes.
    scorciatoia(tasti::altraFinestra, [this] {
        if (!dettagliAperti()) return;
        QWidget* verso = principale_.isActiveWindow() ? static_cast<QWidget*>(dettagli_) : &principale_;
        verso->activateWindow();
        verso->raise();
    });
}

void Coordinatore::riempiMenu(QMenu& menu) {
    auto voce = [&](const QString& testo, QKeyCombination tasto, auto azione) {
        QAction* a = menu.addAction(testo);
        a->setShortcut(tasto);
        connect(a, &QAction::triggered, this, azione);
        return a;
    };
    QAction* dettagli =
        voce(QStringLiteral("&Dettagli del condotto"), tasti::dettagli, [this] { mostraDettagli(!dettagliAperti()); });
    dettagli->setCheckable(true);
    dettagli->setChecked(dettagliAperti());
    QAction* diagramma = voce(QStringLiteral("Diagramma delle &perdite"), tasti::diagramma,
                              [this] { mostraDiagramma(!diagrammaAperto()); });
    diagramma->setCheckable(true);
    diagramma->setChecked(diagrammaAperto());
    voce(QStringLiteral("&Copia il riepilogo"), tasti::riepilogo, [this] { copiaRiepilogo(); });
    voce(QStringLiteral("&Percorso"), tasti::percorso, [this] { mostraPercorso(); });
}

// The sheet too: where it cannot stand beside the calculator, the
// calculator would cover its table (on Windows an owned window stays above
// its owner anyway).
void Coordinatore::seguiPrimoPiano(bool attivo) {
    for (QWidget* finestra :
         {static_cast<QWidget*>(dettagli_), static_cast<QWidget*>(diagramma_), static_cast<QWidget*>(percorso_)}) {
        if (finestra != nullptr) mettiInPrimoPiano(*finestra, attivo);
    }
}

bool Coordinatore::dettagliAperti() const { return dettagli_ != nullptr && dettagli_->isVisible(); }

void Coordinatore::mostraDettagli(bool aperta) {
    if (!aperta) {
        if (dettagli_ != nullptr) dettagli_->hide();
        return;
    }
    creaFinestre();
    dettagli_->aggiorna();  // what changed while it was closed
    posti_->sistema(Vicina::Dettagli);
    dettagli_->show();
}

// All three at the first opening of any: the place of each keeps room for
// the others, whose sizes it needs.
void Coordinatore::creaFinestre() {
    if (dettagli_ != nullptr) return;
    dettagli_ = new FinestraDettagli(principale_, [this] { return principale_.testiDelCondotto(); });
    connect(dettagli_, &FinestraDettagli::Copia, this, &Coordinatore::copiaRiepilogo);
    // The calculator's lines are drawn for the air the details hold.
    connect(dettagli_, &FinestraDettagli::ariaCambiata, this, [this] {
        if (diagrammaAperto()) diagramma_->aggiornaPresto();
    });
    diagramma_ = new FinestraDiagramma(
        principale_, [this] { return aria(); }, principale_);
    percorso_ = new FoglioPercorso(principale_, principale_);
    // The chart follows the run while the sheet is open.
    connect(percorso_, &FoglioPercorso::ricalcolato, this, &Coordinatore::mostraTrattiNelDiagramma);
    connect(percorso_, &FoglioPercorso::condottoRichiesto, this, &Coordinatore::apriNelCalcolatore);
    percorso_->installEventFilter(this);
    seguiPrimoPiano(principale_.inPrimoPiano());
    posti_ = std::make_unique<Posti>(principale_, std::array<QWidget*, numeroVicine>{percorso_, dettagli_, diagramma_});
}

void Coordinatore::copiaRiepilogo() {
    const dettagli::Materiale materiale = dettagli_ != nullptr ? dettagli_->materiale() : dettagli::materialeIniziale;
    QGuiApplication::clipboard()->setText(
        riepilogo(principale_, dettagli::calcola(principale_.testiDelCondotto(), materiale, aria())));
}

dettagli::Aria Coordinatore::aria() const { return dettagli_ != nullptr ? dettagli_->aria() : dettagli::Aria{}; }

bool Coordinatore::diagrammaAperto() const { return diagramma_ != nullptr && diagramma_->isVisible(); }

void Coordinatore::mostraDiagramma(bool aperto) {
    if (!aperto) {
        if (diagramma_ != nullptr) diagramma_->hide();
        return;
    }
    creaFinestre();
    diagramma_->aggiorna();  // what changed while it was closed
    posti_->sistema(Vicina::Diagramma);
    diagramma_->show();
    mostraTrattiNelDiagramma();
}

// While the sheet is open, the run's air and method for the lines, and its
// sections, each that has its losses at its flow and loss per metre, those
// of the index run marked; else the calculator's lines alone.
void Coordinatore::mostraTrattiNelDiagramma() {
    if (!diagrammaAperto()) return;
    if (!percorsoAperto()) {
        diagramma_->seguiPercorso(std::nullopt);
        return;
    }
    const percorso::Percorso& run = percorso_->percorso();
    PercorsoNelDiagramma seguito{nomeDelPercorso(percorso_->file()), run.aria, {run.metodo, run.materiale}, {}};
    if (percorso_->risultati()) seguito.tratti = puntiDelPercorso(run, *percorso_->risultati());
    diagramma_->seguiPercorso(std::move(seguito));
}

bool Coordinatore::percorsoAperto() const { return percorso_ != nullptr && percorso_->isVisible(); }

FoglioPercorso& Coordinatore::mostraPercorso() {
    creaFinestre();
    const bool eraChiuso = !percorso_->isVisible();
    posti_->sistema(Vicina::Foglio);
    percorso_->show();
    if (eraChiuso) mostraTrattiNelDiagramma();
    percorso_->raise();
    percorso_->activateWindow();
    return *percorso_;
}

// A section of the run typed into the calculator, which comes forward.
void Coordinatore::apriNelCalcolatore(const TestiDeiCampi& testi, bool conDettagli) {
    principale_.immettiCondotto(testi);
    if (conDettagli) mostraDettagli(true);
    principale_.raise();
    principale_.activateWindow();
}

void Coordinatore::offriRecupero() {
    offriCopieLasciate(principale_, [this]() -> FoglioPercorso& { return mostraPercorso(); });
}

bool Coordinatore::eventFilter(QObject* oggetto, QEvent* evento) {
    // The chart goes back to the calculator's lines once the sheet is closed.
    if (oggetto == percorso_ && evento->type() == QEvent::Hide) mostraTrattiNelDiagramma();
    if (oggetto == &principale_ && evento->type() == QEvent::Close && percorso_ != nullptr && percorso_->daSalvare()) {
        if (!percorso_->lasciaAndare()) {
            evento->ignore();
            return true;
        }
        percorso_->documento().dimentica();
    }
    return QObject::eventFilter(oggetto, evento);
}

}  // namespace flumetra
