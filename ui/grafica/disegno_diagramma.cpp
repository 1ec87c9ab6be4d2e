#include "ui/grafica/disegno_diagramma.h"

#include <QFont>
#include <QFontMetricsF>
#include <QLineF>
#include <QPainter>
#include <QTextOption>
#include <algorithm>
#include <cmath>

#include "calc/fallimento.h"
#include "dettagli/attrito.h"
#include "ui/grafica/tela_diagramma.h"
#include "ui/grafica/testi_diagramma.h"
#include "ui/grafica/testo_qt.h"

namespace flumetra {
namespace {

using dettagli::Linea;
using dettagli::PuntoDiagramma;
using dettagli::Tacca;
using dettagli::TipoLinea;
using namespace diagramma;

double frazioneLog(Reale valore, Reale minimo, Reale massimo) {
    return std::log10(valore / minimo) / std::log10(massimo / minimo);
}

// The point of the straight line through a and b at a given x, or at a given y.
QPointF allaX(QPointF a, QPointF b, double x) { return {x, a.y() + (b.y() - a.y()) * (x - a.x()) / (b.x() - a.x())}; }
QPointF allaY(QPointF a, QPointF b, double y) { return {a.x() + (b.x() - a.x()) * (y - a.y()) / (b.y() - a.y()), y}; }

// The plot: the grid, the lines, the frame, the duct and the sections with
// their labels, then the axes and the legend around it.
class Disegno {
public:
    Disegno(QPainter& p, const QRectF& area, const QFont& carattere, const ContenutoDiagramma& c)
        : t_(p, area, carattere), c_(c), etichette_(t_.u() * 2) {}

    void tutto() {
        griglia();
        for (const Linea& l : c_.linee) linea(l);  // already cut at the edges
        cornice();
        // The marks first, so that no line's label covers them.
        if (c_.condotto && dettagli::dentroIlDiagramma(*c_.condotto)) condotto(t_.piano.punto(*c_.condotto));
        for (const PuntoTratto& t : c_.tratti) tratto(t);
        for (const Linea& l : c_.linee) etichettaLinea(l);
        disegnaAssi(t_);
        disegnaLegenda(t_, c_);
    }

private:
    [[nodiscard]] const QRectF& r() const { return t_.r(); }
    [[nodiscard]] double u() const { return t_.u(); }

    // Every grid line, the labelled ones darker.
    void griglia() {
        for (const Tacca& t : tacchePortata()) {
            t_.p.setPen(t_.penna(t.etichettata() ? grigliaMaggiore : grigliaMinore, t.cifra == 1 ? 1.2 : 0.8));
            const double x = t_.piano.x(t.valore());
            t_.p.drawLine(QPointF(x, r().top()), QPointF(x, r().bottom()));
        }
        for (const Tacca& t : tacchePerdita()) {
            t_.p.setPen(t_.penna(t.etichettata() ? grigliaMaggiore : grigliaMinore, t.cifra == 1 ? 1.2 : 0.8));
            const double y = t_.piano.y(t.valore());
            t_.p.drawLine(QPointF(r().left(), y), QPointF(r().right(), y));
        }
    }

    void linea(const Linea& l) {
        const bool diametro = l.tipo == TipoLinea::Diametro;
        t_.p.setPen(diametro ? t_.penna(coloreDiametro, 1.3) : t_.penna(coloreVelocita, 1.1, Qt::DashLine));
        t_.p.drawLine(t_.piano.punto(l.estremi.inizio), t_.piano.punto(l.estremi.fine));
    }

    void cornice() {
        t_.p.setPen(t_.penna(inchiostro, 1.2));
        t_.p.setBrush(Qt::NoBrush);
        t_.p.drawRect(r());
    }

    // Dotted guides to both axes, and the mark.
    void condotto(QPointF c) {
        t_.p.setPen(t_.penna(coloreCondotto, 1, Qt::DotLine));
        t_.p.drawLine(c, QPointF(r().left(), c.y()));
        t_.p.drawLine(c, QPointF(c.x(), r().bottom()));
        const double raggio = t_.segnoCondotto(c);
        etichette_.prendi(QRectF(c - QPointF(raggio, raggio), QSizeF(2 * raggio, 2 * raggio)));
    }

    // A section on the index run as a filled square, another as a ring; its
    // id beside it where there is room.
    void tratto(const PuntoTratto& t) {
        const PuntoDiagramma punto{t.G, t.Y_Pa_m};
        if (!dettagli::dentroIlDiagramma(punto)) return;
        const QPointF c = t_.piano.punto(punto);
        const double lato = t_.segnoTratto(c, t.indice);
        const QRectF box = riquadroDelTesto(t_.metriche, t.id, c, u());
        const double dx = lato + box.width() / 2 + u();
        const double dy = box.height() / 2;
        for (const QPointF scarto : {QPointF(dx, -dy), QPointF(dx, dy), QPointF(-dx, -dy), QPointF(-dx, dy)}) {
            const QRectF posto = box.translated(scarto);
            if (r().contains(posto) && etichette_.prendi(posto)) {
                scriviSuCarta(t_.p, posto, t.id, coloreTratto);
                break;
            }
        }
        // The mark is kept from the lines' labels once its own label, which touches it, is placed.
        etichette_.prendi(QRectF(c - QPointF(lato, lato), QSizeF(2 * lato, 2 * lato)));
    }

    // A diameter at its upper end, a velocity at its lower end, on the line
    // just inside the edge it leaves by.
    void etichettaLinea(const Linea& l) {
        const bool diametro = l.tipo == TipoLinea::Diametro;
        const QString t = etichettaDellaLinea(l);
        const QPointF a = t_.piano.punto(l.estremi.inizio);
        const QPointF b = t_.piano.punto(l.estremi.fine);
        QRectF box = riquadroDelTesto(t_.metriche, t, QPointF(), u());
        const double bordo = u();
        if (l.estremi.fine.G >= dettagli::portataMassima) {
            box.moveCenter(allaX(a, b, r().right() - bordo - box.width() / 2));
        } else if (diametro) {
            box.moveCenter(allaY(a, b, r().top() + bordo + box.height() / 2));
        } else {
            box.moveCenter(allaY(a, b, r().bottom() - bordo - box.height() / 2));
        }
        if (r().contains(box) && etichette_.prendi(box))
            scriviSuCarta(t_.p, box, t, diametro ? coloreDiametro : coloreVelocita);
    }

    Tela t_;
    const ContenutoDiagramma& c_;
    Etichette etichette_;
};

double distanzaDalSegmento(QPointF p, QPointF a, QPointF b) {
    const QPointF ab = b - a;
    const double lunghezza2 = QPointF::dotProduct(ab, ab);
    const double t = lunghezza2 > 0 ? std::clamp(QPointF::dotProduct(p - a, ab) / lunghezza2, 0.0, 1.0) : 0.0;
    return QLineF(p, a + t * ab).length();
}

}  // namespace

void cambiaAria(ContenutoDiagramma& contenuto, dettagli::Aria aria) {
    contenuto.aria = aria;
    try {
        contenuto.correzione = dettagli::proprietaDellAria(aria).correzione;
        contenuto.linee = dettagli::lineeDelDiagramma(*contenuto.correzione);
    } catch (const Fallimento&) {
        contenuto.correzione.reset();
        contenuto.linee.clear();
    }
}

PianoDiagramma::PianoDiagramma(const QRectF& area, const QFontMetricsF& metriche)
    : unita_(std::max(1.0, metriche.height() / 15.0)) {
    const double h = metriche.height();
    const double tacca = 5 * unita_;
    const double spazio = 4 * unita_;
    const double sinistra = spazio + h + spazio + larghezzaMassima(metriche, tacchePerdita()) + spazio / 2 + tacca;
    const double destra = tacca + spazio / 2 + larghezzaMassima(metriche, tacchePerditaMmca()) + spazio + h + spazio;
    const double alto = spazio + h + 2 * spazio;
    const double basso = tacca + 2 * spazio + 2 * h;
    riquadro_ = area.adjusted(sinistra, alto, -destra, -basso);
}

double PianoDiagramma::x(Reale G) const {
    return riquadro_.left() + frazioneLog(G, dettagli::portataMinima, dettagli::portataMassima) * riquadro_.width();
}

double PianoDiagramma::y(Reale Y_Pa_m) const {
    return riquadro_.bottom() -
           frazioneLog(Y_Pa_m, dettagli::perditaMinima, dettagli::perditaMassima) * riquadro_.height();
}

void disegnaDiagramma(QPainter& pittore, const QRectF& area, const QFont& carattere,
                      const ContenutoDiagramma& contenuto) {
    pittore.save();
    Disegno(pittore, area, carattere, contenuto).tutto();
    pittore.restore();
}

// The marks before the lines, the nearest of each kind.
std::optional<Sotto> cosaSotto(QPointF posizione, const PianoDiagramma& piano, const ContenutoDiagramma& contenuto) {
    const double u = piano.unita();
    if (!piano.riquadro().adjusted(-3 * u, -3 * u, 3 * u, 3 * u).contains(posizione)) return std::nullopt;
    if (contenuto.condotto && dettagli::dentroIlDiagramma(*contenuto.condotto) &&
        QLineF(posizione, piano.punto(*contenuto.condotto)).length() <= 7 * u) {
        return Sotto{Sotto::Cosa::Condotto};
    }
    auto vicino = [&](std::size_t n, double raggio, auto distanza) -> std::optional<std::size_t> {
        std::optional<std::size_t> migliore;
        double minima = raggio;
        for (std::size_t i = 0; i < n; ++i) {
            const std::optional<double> d = distanza(i);
            if (d && *d <= minima) {
                minima = *d;
                migliore = i;
            }
        }
        return migliore;
    };
    const auto tratto = vicino(contenuto.tratti.size(), 6 * u, [&](std::size_t i) -> std::optional<double> {
        const PuntoTratto& t = contenuto.tratti[i];
        if (!dettagli::dentroIlDiagramma({t.G, t.Y_Pa_m})) return std::nullopt;
        return QLineF(posizione, piano.punto({t.G, t.Y_Pa_m})).length();
    });
    if (tratto) return Sotto{Sotto::Cosa::Tratto, *tratto};
    const auto linea = vicino(contenuto.linee.size(), 4 * u, [&](std::size_t i) -> std::optional<double> {
        const dettagli::Estremi& e = contenuto.linee[i].estremi;
        return distanzaDalSegmento(posizione, piano.punto(e.inizio), piano.punto(e.fine));
    });
    if (linea) return Sotto{Sotto::Cosa::Linea, *linea};
    return std::nullopt;
}

}  // namespace flumetra
