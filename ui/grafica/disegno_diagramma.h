// The friction chart drawn with a QPainter: one drawing for the window, a PNG
// and an SVG. The log grid with each decade and its 2 and 5 labelled (Pa/m at
// the left, mm c.a./m at the right, m³/h below), the lines of constant
// diameter and velocity labelled at their upper and lower ends, the duct's
// point and the run's sections. Labels that would cover one another are left
// out, the less round first, so a narrow chart stays legible. Sizes follow
// the font: a report's picture with a larger font gets thicker lines too.
#pragma once

#include <QRectF>
#include <QString>
#include <optional>
#include <vector>

#include "dettagli/aria.h"
#include "dettagli/diagramma.h"

class QFont;
class QFontMetricsF;
class QPainter;

namespace flumetra {

// A section of a run as the run's sheet gives it: its id, flow and loss, and
// whether it lies on the index run (the one of greatest loss).
struct PuntoTratto {
    QString id;
    double G;
    double Y_Pa_m;
    bool indice;
};

// What the chart shows: the lines for the air (none when the air is out of
// range), the duct of the main window and the run's sections.
struct ContenutoDiagramma {
    dettagli::Aria aria;
    std::optional<Reale> correzione = 1;  // K
    std::vector<dettagli::Linea> linee = dettagli::lineeDelDiagramma(1);
    std::optional<dettagli::PuntoDiagramma> condotto;
    std::vector<PuntoTratto> tratti;
};

// The lines and K for another air.
void cambiaAria(ContenutoDiagramma& contenuto, dettagli::Aria aria);

// Where the chart's quantities fall in a picture: the plot inside its axes'
// labels and titles, and G and Y on it.
class PianoDiagramma {
public:
    PianoDiagramma(const QRectF& area, const QFontMetricsF& metriche);

    [[nodiscard]] const QRectF& riquadro() const { return riquadro_; }
    [[nodiscard]] double x(Reale G) const;
    [[nodiscard]] double y(Reale Y_Pa_m) const;
    [[nodiscard]] QPointF punto(dettagli::PuntoDiagramma p) const { return {x(p.G), y(p.Y_Pa_m)}; }
    // Line widths, marks and gaps, in pixels of a 12-pixel font.
    [[nodiscard]] double unita() const { return unita_; }

private:
    QRectF riquadro_;
    double unita_;
};

void disegnaDiagramma(QPainter& pittore, const QRectF& area, const QFont& carattere,
                      const ContenutoDiagramma& contenuto);

// What lies under a point of the picture: the duct, a section or a line.
struct Sotto {
    enum class Cosa { Condotto, Tratto, Linea };
    Cosa cosa;
    std::size_t indice = 0;  // of the section or the line
};
std::optional<Sotto> cosaSotto(QPointF posizione, const PianoDiagramma& piano, const ContenutoDiagramma& contenuto);

}  // namespace flumetra
