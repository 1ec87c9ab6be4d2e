// The main window's side of the friction chart: F4 and the context menu open
// and close it, and while it is open it follows G and Y. It changes nothing
// in the main window.

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QShortcut>

#include "ui/campo_testo.h"
#include "ui/finestra_dettagli.h"
#include "ui/finestra_diagramma.h"
#include "ui/foglio_percorso.h"
#include "ui/form_principale.h"
#include "ui/posizione.h"

namespace flumetra {
namespace {

const QKeySequence tastoDiagramma(Qt::Key_F4);

}  // namespace

// The shortcut works in every window of the program.
void Form_Principale::collegaDiagramma() {
    auto* diagramma = new QShortcut(tastoDiagramma, this);
    diagramma->setContext(Qt::ApplicationShortcut);
    connect(diagramma, &QShortcut::activated, this, [this] { mostraDiagramma(!diagrammaAperto()); });
    for (const Campo c : {Campo::Text_G, Campo::Text_Y}) {
        connect(campo(c), &QLineEdit::textChanged, this, [this] {
            if (diagrammaAperto()) diagramma_->aggiornaPresto();
        });
    }
}

bool Form_Principale::diagrammaAperto() const { return diagramma_ != nullptr && diagramma_->isVisible(); }

// Made at the first opening, above others as the main window is; at every
// opening beside the main window and the details if they are open,
// covering neither.
void Form_Principale::mostraDiagramma(bool aperto) {
    if (!aperto) {
        if (diagramma_ != nullptr) diagramma_->hide();
        return;
    }
    const bool primo = diagramma_ == nullptr;
    if (primo) diagramma_ = new FinestraDiagramma(*this, this);
    diagramma_->aggiorna();  // what changed while it was closed
    diagramma_->show();
    mostraTrattiNelDiagramma();
    if (primo) restaInPrimoPiano(inPrimoPiano());
    mettiAccanto(*diagramma_, *this, dettagli_);
}

// The run's sections while the sheet is open, each that has its losses at
// its flow and loss per metre, those of the index run marked.
void Form_Principale::mostraTrattiNelDiagramma() {
    if (!diagrammaAperto()) return;
    std::vector<PuntoTratto> punti;
    if (percorsoAperto() && percorso_->risultati()) {
        const percorso::Percorso& run = percorso_->percorso();
        const percorso::Risultati& risultati = *percorso_->risultati();
        std::vector<bool> indice(risultati.tratti.size(), false);
        if (risultati.percorso_indice) {
            for (const std::size_t i : *risultati.percorso_indice) indice.at(i) = true;
        }
        for (std::size_t i = 0; i < risultati.tratti.size(); ++i) {
            const percorso::RisultatoTratto& tratto = risultati.tratti[i];
            if (!tratto.perdite || tratto.G <= 0) continue;
            punti.push_back({QString::fromStdString(run.tratti.at(i).id), static_cast<double>(tratto.G),
                             tratto.perdite->R_Pa_m, indice[i]});
        }
    }
    diagramma_->mostraTratti(std::move(punti));
}

void Form_Principale::aggiungiVoceDiagramma(QMenu& menu) {
    QAction* voce = menu.addAction(QStringLiteral("Diagramma delle &perdite"));
    voce->setShortcut(tastoDiagramma);
    voce->setCheckable(true);
    voce->setChecked(diagrammaAperto());
    connect(voce, &QAction::triggered, this, [this] { mostraDiagramma(!diagrammaAperto()); });
}

}  // namespace flumetra
