// The friction chart drawn with a QPainter: one drawing for the window, a PNG
// and an SVG. The log grid with each decade and its 2 and 5 labelled (Pa/m at
// the left, mm c.a./m at the right, m³/h below), the lines of constant
// diameter and velocity labelled at their upper and lower ends, the run's
// sections and over them the duct's point; above, the legend in as many rows
// as the width needs, and a picture's title. Identical sections (equal flow
// and loss) are one point that names them all. The lines are the
// calculator's formula for an air, or a run's method for its air. Labels
// that would cover one another are left out, the less round first, so a
// narrow chart stays legible. Sizes follow the font: a report's picture with
// a larger font gets thicker lines too.
#pragma once

#include <QRectF>
#include <QString>
#include <optional>
#include <vector>

#include "dettagli/aria.h"
#include "dettagli/diagramma.h"
#include "dettagli/legge_diagramma.h"
#include "dettagli/materiali.h"
#include "percorso/calcolo.h"
#include "percorso/percorso.h"

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

// How a run computes R, when the chart's lines are the run's.
struct MetodoDelPercorso {
    percorso::Metodo metodo = percorso::Metodo::Calcolatore;
    dettagli::Materiale materiale = dettagli::materialeIniziale;  // its ε, for Colebrook's

    friend bool operator==(const MetodoDelPercorso&, const MetodoDelPercorso&) = default;
};

// What the chart shows: the lines for the air (none when the air is out of
// range), the duct of the main window and the run's sections.
struct ContenutoDiagramma {
    dettagli::Aria aria;
    std::optional<Reale> correzione = 1;  // K; none for an air out of range
    std::vector<dettagli::Linea> linee = dettagli::lineeDelDiagramma(1);
    std::optional<dettagli::PuntoDiagramma> condotto;
    std::vector<PuntoTratto> tratti;
    // The lines are a run's, for its air and its method; none: the
    // calculator's formula for the air.
    std::optional<MetodoDelPercorso> delPercorso{};
    // Above the chart, for a picture on its own; none in a window, whose
    // title bar says it.
    QString titolo{};
};

// The calculator's lines and K for another air.
void cambiaAria(ContenutoDiagramma& contenuto, dettagli::Aria aria);
// The lines for a run's air and method, or (none) the calculator's for that air.
void cambiaLinee(ContenutoDiagramma& contenuto, dettagli::Aria aria, std::optional<MetodoDelPercorso> delPercorso);
// How the lines' loss is computed; none for an air out of range.
std::optional<dettagli::LeggePerdita> leggeDelleLinee(const ContenutoDiagramma& contenuto);

// A run's sections that have their losses, at their flow and R, the index
// run's marked: what the chart window and the report draw.
std::vector<PuntoTratto> puntiDelPercorso(const percorso::Percorso& percorso, const percorso::Risultati& risultati);

// The sections drawn as one point, each a list of indices into tratti:
// those of equal flow and loss, in the order of their first.
std::vector<std::vector<std::size_t>> puntiDeiTratti(const std::vector<PuntoTratto>& tratti);

// Where the chart's quantities fall in a picture: the plot inside its axes'
// labels and titles, below its legend and title, and G and Y on it.
class PianoDiagramma {
public:
    PianoDiagramma(const QRectF& area, const QFontMetricsF& metriche, const ContenutoDiagramma& contenuto);
    // For what a ContenutoDiagramma holds at first: no sections, no title.
    PianoDiagramma(const QRectF& area, const QFontMetricsF& metriche);

    [[nodiscard]] const QRectF& riquadro() const { return riquadro_; }
    // The legend's rows, and the title's line (empty without a title).
    [[nodiscard]] const QRectF& legenda() const { return legenda_; }
    [[nodiscard]] const QRectF& titolo() const { return titolo_; }
    [[nodiscard]] double x(Reale G) const;
    [[nodiscard]] double y(Reale Y_Pa_m) const;
    [[nodiscard]] QPointF punto(dettagli::PuntoDiagramma p) const { return {x(p.G), y(p.Y_Pa_m)}; }
    // Line widths, marks and gaps, in pixels of a 12-pixel font.
    [[nodiscard]] double unita() const { return unita_; }

private:
    QRectF riquadro_;
    QRectF legenda_;
    QRectF titolo_;
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
