// «Diagramma delle perdite»: a tool window beside the main one with the
// friction chart, the main window's duct on it as a point, and a run's
// sections when a run sheet gives them. It reads the calculator's G and Y
// and the air it is given, and never writes them. «Esporta immagine…» saves the chart as
// a PNG or an SVG for a report.
#pragma once

#include <QWidget>
#include <functional>
#include <optional>
#include <vector>

#include "dettagli/aria.h"
#include "ui/comune/presto.h"
#include "ui/grafica/disegno_diagramma.h"

class QPushButton;

namespace flumetra {

class Finestra;
class GraficoPerdite;

class FinestraDiagramma : public QWidget {
    Q_OBJECT

public:
    // parent: the window it stands beside and belongs to.
    FinestraDiagramma(const Finestra& calcolatore, std::function<dettagli::Aria()> aria, QWidget& parent);

    // The run's sections as points labelled with their ids; an empty list
    // takes them away.
    void mostraTratti(std::vector<PuntoTratto> tratti);

    [[nodiscard]] const ContenutoDiagramma& contenuto() const;
    [[nodiscard]] GraficoPerdite* grafico() const { return grafico_; }
    // Where the duct's point is drawn in the chart widget; nothing where it is not.
    [[nodiscard]] std::optional<QPointF> posizioneDelCondotto() const;

    // Redraws now, or once the event loop turns, however many calls come before.
    void aggiornaPresto();

public slots:
    // Redraws from the main window: its G and Y, and its air.
    void aggiorna();

private:
    void esportaImmagine();

    const Finestra& calcolatore_;
    std::function<dettagli::Aria()> aria_;
    GraficoPerdite* grafico_ = nullptr;
    ChiamataPresto aggiornamentoPresto_{this, [this] { aggiorna(); }};
};

}  // namespace flumetra
