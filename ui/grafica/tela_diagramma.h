// What the friction chart's drawing parts share (the plot, its axes, its
// legend): the painter, the font's metrics, the plane, the sizes that
// follow the font, the colours and the marks, and labels that leave one
// another whole.
#pragma once

#include <QColor>
#include <QFontMetricsF>
#include <QPen>
#include <QRectF>
#include <QString>
#include <vector>

#include "dettagli/attrito.h"
#include "dettagli/diagramma.h"
#include "ui/grafica/disegno_diagramma.h"

class QPainter;

namespace flumetra::diagramma {

inline const QColor carta(Qt::white);
inline const QColor grigliaMinore(0xe6, 0xe6, 0xe6);
inline const QColor grigliaMaggiore(0xbb, 0xbb, 0xbb);
inline const QColor inchiostro(0x20, 0x20, 0x20);
inline const QColor coloreDiametro(0x1f, 0x4e, 0x9c);
inline const QColor coloreVelocita(0xb0, 0x3a, 0x2e);
inline const QColor coloreCondotto(0xe8, 0x74, 0x00);
inline const QColor coloreTratto(0x1e, 0x7a, 0x3c);

struct Tela {
    Tela(QPainter& pittore, const QRectF& area, const QFont& carattere, const ContenutoDiagramma& contenuto);

    [[nodiscard]] const QRectF& r() const { return piano.riquadro(); }
    [[nodiscard]] double u() const { return piano.unita(); }
    [[nodiscard]] double h() const { return metriche.height(); }
    [[nodiscard]] QPen penna(const QColor& colore, double larghezza, Qt::PenStyle stile = Qt::SolidLine) const;
    // The duct's mark: its radius.
    double segnoCondotto(QPointF c);
    // A section's mark, a filled square on the index run, else a ring: its half side.
    double segnoTratto(QPointF c, bool indice);

    QPainter& p;
    QFontMetricsF metriche;
    PianoDiagramma piano;
};

// Labels that leave one another whole: each is placed only where it covers
// none placed before it.
class Etichette {
public:
    explicit Etichette(double distanza) : distanza_(distanza) {}
    bool prendi(const QRectF& r);

private:
    std::vector<QRectF> prese_;
    double distanza_;
};

std::vector<dettagli::Tacca> tacchePortata();
std::vector<dettagli::Tacca> tacchePerdita();
std::vector<dettagli::Tacca> tacchePerditaMmca();
// The labelled grid lines, the decades first, then the 5s, then the 2s: the
// order in which they give way when the chart is narrow.
std::vector<dettagli::Tacca> etichettatePerPriorita(std::vector<dettagli::Tacca> tacche);
QString testo(const dettagli::Tacca& t);
double larghezzaMassima(const QFontMetricsF& metriche, const std::vector<dettagli::Tacca>& tacche);
// A text's box centred on a point, a little wider than the text.
QRectF riquadroDelTesto(const QFontMetricsF& metriche, const QString& t, QPointF centro, double u);
// On a white ground that hides the lines behind it.
void scriviSuCarta(QPainter& p, const QRectF& r, const QString& t, const QColor& colore);

void disegnaAssi(Tela& tela);
void disegnaLegenda(Tela& tela, const ContenutoDiagramma& contenuto);

// The legend's items: a kind of line or mark with its name, then whose air
// and method the lines are for, in words alone.
enum class Campione { Nessuno, Diametro, Velocita, Condotto, Tratto, Indice };
struct VoceLegenda {
    Campione campione;
    QString testo;
};
std::vector<VoceLegenda> vociDellaLegenda(const ContenutoDiagramma& contenuto);

// Each item's row and place in rows no wider than larghezza, in order; an
// item wider than a row alone has a row of its own, its words cut short.
struct PostoInLegenda {
    int riga;
    double x;          // from the legend's left edge
    double larghezza;  // the sample, the gap and the words
};
std::vector<PostoInLegenda> disponiLegenda(const std::vector<VoceLegenda>& voci, const QFontMetricsF& metriche,
                                           double u, double larghezza);
// The gap between two rows of the legend.
constexpr double interlineaLegenda(double u) { return 3 * u; }

}  // namespace flumetra::diagramma
