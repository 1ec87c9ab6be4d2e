#include "ui/diagramma/finestra_diagramma.h"

#include <algorithm>

#include <QFileDialog>
#include <QHBoxLayout>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>
#include <utility>

#include "logic/finestra.h"
#include "ui/comune/estensione_chiesta.h"
#include "ui/diagramma/grafico_perdite.h"
#include "ui/grafica/esporta_diagramma.h"
#include "ui/grafica/testi_diagramma.h"

namespace flumetra {

FinestraDiagramma::FinestraDiagramma(const Finestra& calcolatore, std::function<dettagli::Aria()> aria, QWidget& parent)
    : QWidget(&parent, Qt::Tool), calcolatore_(calcolatore), aria_(std::move(aria)) {
    setObjectName(QStringLiteral("Form_Diagramma"));
    setWindowTitle(QStringLiteral("Diagramma delle perdite"));
    setFont(parent.font());

    grafico_ = new GraficoPerdite(this);
    auto* esporta = new QPushButton(QStringLiteral("&Esporta immagine…"), this);
    esporta->setObjectName(QStringLiteral("Command_Esporta"));
    esporta->setAccessibleName(QStringLiteral("Esporta immagine"));
    esporta->setToolTip(formatiDisponibili().size() > 2
                            ? QStringLiteral("Salva il diagramma come immagine PNG, disegno SVG o PDF, 1600 × 1200")
                            : QStringLiteral("Salva il diagramma come immagine PNG o PDF, 1600 × 1200"));
    connect(esporta, &QPushButton::clicked, this, &FinestraDiagramma::esportaImmagine);

    auto* colonna = new QVBoxLayout(this);
    colonna->setContentsMargins(8, 8, 8, 8);
    colonna->setSpacing(6);
    colonna->addWidget(grafico_, 1);
    colonna->addWidget(esporta, 0, Qt::AlignRight);
    resize(sizeHint());
}

void FinestraDiagramma::mostraTratti(std::vector<PuntoTratto> tratti) {
    ContenutoDiagramma contenuto = grafico_->contenuto();
    contenuto.tratti = std::move(tratti);
    grafico_->mostra(std::move(contenuto));
}

void FinestraDiagramma::seguiPercorso(std::optional<PercorsoNelDiagramma> percorso) {
    std::vector<PuntoTratto> tratti = percorso ? std::move(percorso->tratti) : std::vector<PuntoTratto>();
    percorso_ = std::move(percorso);
    aggiorna();
    mostraTratti(std::move(tratti));
}

const ContenutoDiagramma& FinestraDiagramma::contenuto() const { return grafico_->contenuto(); }

std::optional<QPointF> FinestraDiagramma::posizioneDelCondotto() const {
    const auto& condotto = contenuto().condotto;
    if (!condotto || !dettagli::dentroIlDiagramma(*condotto)) return std::nullopt;
    return grafico_->piano().punto(*condotto);
}

void FinestraDiagramma::aggiornaPresto() { aggiornamentoPresto_.chiedi(); }

void FinestraDiagramma::aggiorna() {
    ContenutoDiagramma contenuto = grafico_->contenuto();
    const dettagli::Aria aria = percorso_ ? percorso_->aria : aria_();
    const std::optional<MetodoDelPercorso> metodo =
        percorso_ ? std::optional(percorso_->metodo) : std::optional<MetodoDelPercorso>();
    if (aria != contenuto.aria || metodo != contenuto.delPercorso) cambiaLinee(contenuto, aria, metodo);
    contenuto.condotto =
        dettagli::puntoDelCondotto(calcolatore_.testo(Campo::Text_G), calcolatore_.testo(Campo::Text_Y));
    grafico_->mostra(std::move(contenuto));
}

// In the format of the filter chosen; a name without an extension gets its.
void FinestraDiagramma::esportaImmagine() {
    QStringList filtri;
    for (const FormatoImmagine f : formatiDisponibili()) filtri << filtroDi(f);
    QString filtro = filtri.first();
    QString percorso = QFileDialog::getSaveFileName(this, QStringLiteral("Esporta il diagramma delle perdite"),
                                                    QStringLiteral("diagramma-perdite.png"),
                                                    filtri.join(QStringLiteral(";;")), &filtro);
    activateWindow();  // a window manager may give the focus back to the main window
    if (percorso.isEmpty()) return;
    FormatoImmagine formato =
        formatiDisponibili().at(static_cast<std::size_t>(std::max<qsizetype>(0, filtri.indexOf(filtro))));
    if (const auto perNome = formatoDi(percorso)) {
        formato = *perNome;
    } else {
        percorso = conEstensione(this, percorso, estensioneDi(formato));
        if (percorso.isEmpty()) return;
    }
    ContenutoDiagramma conTitolo = contenuto();
    conTitolo.titolo = percorso_ ? titoloDiagramma(percorso_->nome) : titoloDiagramma();
    if (const auto errore = esportaDiagramma(percorso, formato, conTitolo, font())) {
        QMessageBox::warning(this, QStringLiteral("Esporta immagine"), *errore);
        activateWindow();
    }
}

}  // namespace flumetra
