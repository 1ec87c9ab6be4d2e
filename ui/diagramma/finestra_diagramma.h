// «Diagramma delle perdite»: a tool window beside the main one with the
// friction chart and the main window's duct on it as a point. Its lines are
// the calculator's formula for the air it is given, or, while it follows a
// run, the run's air and method, with the run's sections as points. It reads
// the calculator's G and Y and never writes them. «Esporta immagine…» saves
// the chart as a PNG, an SVG or a PDF for a report, under a title.
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

// A run the chart follows: its name, its air, its method and its sections.
struct PercorsoNelDiagramma {
    QString nome;  // for a picture's title: "riferimento.flumetra"
    dettagli::Aria aria;
    MetodoDelPercorso metodo;
    std::vector<PuntoTratto> tratti;
};

class FinestraDiagramma : public QWidget {
    Q_OBJECT

public:
    // parent: the window it stands beside and belongs to.
    FinestraDiagramma(const Finestra& calcolatore, std::function<dettagli::Aria()> aria, QWidget& parent);

    // The run's sections as points labelled with their ids; an empty list
    // takes them away.
    void mostraTratti(std::vector<PuntoTratto> tratti);
    // The lines for a run's air and method, and its sections; nothing: the
    // calculator's lines again, and no sections.
    void seguiPercorso(std::optional<PercorsoNelDiagramma> percorso);

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
    std::optional<PercorsoNelDiagramma> percorso_;  // the run it follows
    GraficoPerdite* grafico_ = nullptr;
    ChiamataPresto aggiornamentoPresto_{this, [this] { aggiorna(); }};
};

}  // namespace flumetra
