// «Diagramma delle perdite»: a tool window beside the main one with the
// friction chart, the main window's duct on it as a point, and a run's
// sections when a run sheet gives them. It reads the main window's G and Y
// and its air, and never writes them. «Esporta immagine…» saves the chart as
// a PNG or an SVG for a report.
#pragma once

#include <QWidget>
#include <optional>
#include <vector>

#include "ui/disegno_diagramma.h"
#include "ui/presto.h"

class QPushButton;

namespace flumetra {

class Form_Principale;
class GraficoPerdite;

class FinestraDiagramma : public QWidget {
    Q_OBJECT

public:
    FinestraDiagramma(const Form_Principale& principale, QWidget* parent);

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

    const Form_Principale& principale_;
    GraficoPerdite* grafico_ = nullptr;
    ChiamataPresto aggiornamentoPresto_{this, [this] { aggiorna(); }};
};

}  // namespace flumetra
