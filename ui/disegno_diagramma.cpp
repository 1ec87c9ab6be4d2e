#include "ui/disegno_diagramma.h"

#include <QFont>
#include <QFontMetricsF>
#include <QLineF>
#include <QPainter>
#include <QTextOption>
#include <algorithm>
#include <cmath>

#include "calc/fallimento.h"
#include "dettagli/attrito.h"
#include "ui/messaggi.h"
#include "ui/testi_diagramma.h"

namespace flumetra {
namespace {

using dettagli::Linea;
using dettagli::PuntoDiagramma;
using dettagli::Tacca;
using dettagli::TipoLinea;

const QColor carta(Qt::white);
const QColor grigliaMinore(0xe6, 0xe6, 0xe6);
const QColor grigliaMaggiore(0xbb, 0xbb, 0xbb);
const QColor inchiostro(0x20, 0x20, 0x20);
const QColor coloreDiametro(0x1f, 0x4e, 0x9c);
const QColor coloreVelocita(0xb0, 0x3a, 0x2e);
const QColor coloreCondotto(0xe8, 0x74, 0x00);
const QColor coloreTratto(0x1e, 0x7a, 0x3c);

std::vector<Tacca> tacchePortata() { return dettagli::tacche(dettagli::portataMinima, dettagli::portataMassima); }
std::vector<Tacca> tacchePerdita() { return dettagli::tacche(dettagli::perditaMinima, dettagli::perditaMassima); }
std::vector<Tacca> tacchePerditaMmca() {
    return dettagli::tacche(dettagli::perditaMinima / dettagli::pascalPerMmca,
                            dettagli::perditaMassima / dettagli::pascalPerMmca);
}

// The labelled grid lines, the decades first, then the 5s, then the 2s: the
// order in which they give way when the chart is narrow.
std::vector<Tacca> etichettatePerPriorita(std::vector<Tacca> tacche) {
    std::erase_if(tacche, [](const Tacca& t) { return !t.etichettata(); });
    auto rango = [](const Tacca& t) { return t.cifra == 1 ? 0 : t.cifra == 5 ? 1 : 2; };
    std::stable_sort(tacche.begin(), tacche.end(), [&](const Tacca& a, const Tacca& b) { return rango(a) < rango(b); });
    return tacche;
}

QString testo(const Tacca& t) { return inQt(dettagli::testoTacca(t)); }

double larghezzaMassima(const QFontMetricsF& metriche, const std::vector<Tacca>& tacche) {
    double massima = 0;
    for (const Tacca& t : tacche) massima = std::max(massima, metriche.horizontalAdvance(testo(t)));
    return massima;
}

double frazioneLog(Reale valore, Reale minimo, Reale massimo) {
    return std::log10(valore / minimo) / std::log10(massimo / minimo);
}

// Labels that leave one another whole: each is placed only where it covers
// none placed before it.
class Etichette {
public:
    explicit Etichette(double distanza) : distanza_(distanza) {}
    bool prendi(const QRectF& r) {
        const QRectF conMargine = r.adjusted(-distanza_, 0, distanza_, 0);
        if (std::any_of(prese_.begin(), prese_.end(), [&](const QRectF& p) { return p.intersects(conMargine); }))
            return false;
        prese_.push_back(r);
        return true;
    }

private:
    std::vector<QRectF> prese_;
    double distanza_;
};

// A text's box centred on a point, a little wider than the text.
QRectF riquadroDelTesto(const QFontMetricsF& metriche, const QString& t, QPointF centro, double u) {
    const QSizeF dimensione(metriche.horizontalAdvance(t) + 2 * u, metriche.height());
    return {centro - QPointF(dimensione.width() / 2, dimensione.height() / 2), dimensione};
}

// On a white ground that hides the lines behind it.
void scriviSuCarta(QPainter& p, const QRectF& r, const QString& t, const QColor& colore) {
    p.fillRect(r, QColor(255, 255, 255, 225));
    p.setPen(colore);
    p.drawText(r, Qt::AlignCenter, t);
}

// The point of the straight line through a and b at a given x, or at a given y.
QPointF allaX(QPointF a, QPointF b, double x) { return {x, a.y() + (b.y() - a.y()) * (x - a.x()) / (b.x() - a.x())}; }
QPointF allaY(QPointF a, QPointF b, double y) { return {a.x() + (b.x() - a.x()) * (y - a.y()) / (b.y() - a.y()), y}; }

class Disegno {
public:
    Disegno(QPainter& p, const QRectF& area, const QFont& carattere, const ContenutoDiagramma& c)
        : p_(p), metriche_(carattere, p.device()), piano_(area, metriche_), c_(c), etichette_(piano_.unita() * 2) {
        p_.setFont(carattere);
        p_.setRenderHint(QPainter::Antialiasing);
        p_.fillRect(area, carta);
    }

    void tutto() {
        griglia();
        for (const Linea& l : c_.linee) linea(l);  // already cut at the edges
        cornice();
        // The marks first, so that no line's label covers them.
        if (c_.condotto && dettagli::dentroIlDiagramma(*c_.condotto)) condotto(piano_.punto(*c_.condotto));
        for (const PuntoTratto& t : c_.tratti) tratto(t);
        for (const Linea& l : c_.linee) etichettaLinea(l);
        assi();
        legenda();
    }

private:
    [[nodiscard]] const QRectF& r() const { return piano_.riquadro(); }
    [[nodiscard]] double u() const { return piano_.unita(); }
    [[nodiscard]] double h() const { return metriche_.height(); }
    [[nodiscard]] QPen penna(const QColor& colore, double larghezza, Qt::PenStyle stile = Qt::SolidLine) const {
        QPen pen(colore, larghezza * u(), stile);
        pen.setCapStyle(Qt::FlatCap);
        return pen;
    }

    // Every grid line, the labelled ones darker.
    void griglia() {
        for (const Tacca& t : tacchePortata()) {
            p_.setPen(penna(t.etichettata() ? grigliaMaggiore : grigliaMinore, t.cifra == 1 ? 1.2 : 0.8));
            const double x = piano_.x(t.valore());
            p_.drawLine(QPointF(x, r().top()), QPointF(x, r().bottom()));
        }
        for (const Tacca& t : tacchePerdita()) {
            p_.setPen(penna(t.etichettata() ? grigliaMaggiore : grigliaMinore, t.cifra == 1 ? 1.2 : 0.8));
            const double y = piano_.y(t.valore());
            p_.drawLine(QPointF(r().left(), y), QPointF(r().right(), y));
        }
    }

    void linea(const Linea& l) {
        const bool diametro = l.tipo == TipoLinea::Diametro;
        p_.setPen(diametro ? penna(coloreDiametro, 1.3) : penna(coloreVelocita, 1.1, Qt::DashLine));
        p_.drawLine(piano_.punto(l.estremi.inizio), piano_.punto(l.estremi.fine));
    }

    void cornice() {
        p_.setPen(penna(inchiostro, 1.2));
        p_.setBrush(Qt::NoBrush);
        p_.drawRect(r());
    }

    // Dotted guides to both axes, and the mark.
    void condotto(QPointF c) {
        p_.setPen(penna(coloreCondotto, 1, Qt::DotLine));
        p_.drawLine(c, QPointF(r().left(), c.y()));
        p_.drawLine(c, QPointF(c.x(), r().bottom()));
        const double raggio = segnoCondotto(c);
        etichette_.prendi(QRectF(c - QPointF(raggio, raggio), QSizeF(2 * raggio, 2 * raggio)));
    }

    // Its radius.
    double segnoCondotto(QPointF c) {
        const double raggio = 5 * u();
        p_.setPen(penna(inchiostro, 1.2));
        p_.setBrush(coloreCondotto);
        p_.drawEllipse(c, raggio, raggio);
        return raggio;
    }

    // A section on the index run as a filled square, another as a ring; its
    // id beside it where there is room.
    void tratto(const PuntoTratto& t) {
        const PuntoDiagramma punto{t.G, t.Y_Pa_m};
        if (!dettagli::dentroIlDiagramma(punto)) return;
        const QPointF c = piano_.punto(punto);
        const double lato = segnoTratto(c, t.indice);
        const QRectF box = riquadroDelTesto(metriche_, t.id, c, u());
        const double dx = lato + box.width() / 2 + u();
        const double dy = box.height() / 2;
        for (const QPointF scarto : {QPointF(dx, -dy), QPointF(dx, dy), QPointF(-dx, -dy), QPointF(-dx, dy)}) {
            const QRectF posto = box.translated(scarto);
            if (r().contains(posto) && etichette_.prendi(posto)) {
                scriviSuCarta(p_, posto, t.id, coloreTratto);
                break;
            }
        }
        // The mark is kept from the lines' labels once its own label, which touches it, is placed.
        etichette_.prendi(QRectF(c - QPointF(lato, lato), QSizeF(2 * lato, 2 * lato)));
    }

    // Its half side.
    double segnoTratto(QPointF c, bool indice) {
        const double lato = 3.5 * u();
        p_.setPen(penna(coloreTratto, 1.5));
        if (indice) {
            p_.setBrush(coloreTratto);
            p_.drawRect(QRectF(c - QPointF(lato, lato), QSizeF(2 * lato, 2 * lato)));
        } else {
            p_.setBrush(carta);
            p_.drawEllipse(c, lato, lato);
        }
        return lato;
    }

    // A diameter at its upper end, a velocity at its lower end, on the line
    // just inside the edge it leaves by.
    void etichettaLinea(const Linea& l) {
        const bool diametro = l.tipo == TipoLinea::Diametro;
        const QString t = etichettaDellaLinea(l);
        const QPointF a = piano_.punto(l.estremi.inizio);
        const QPointF b = piano_.punto(l.estremi.fine);
        QRectF box = riquadroDelTesto(metriche_, t, QPointF(), u());
        const double bordo = u();
        if (l.estremi.fine.G >= dettagli::portataMassima) {
            box.moveCenter(allaX(a, b, r().right() - bordo - box.width() / 2));
        } else if (diametro) {
            box.moveCenter(allaY(a, b, r().top() + bordo + box.height() / 2));
        } else {
            box.moveCenter(allaY(a, b, r().bottom() - bordo - box.height() / 2));
        }
        if (r().contains(box) && etichette_.prendi(box))
            scriviSuCarta(p_, box, t, diametro ? coloreDiametro : coloreVelocita);
    }

    void assi() {
        const double tacca = 5 * u();
        const double spazio = 4 * u();
        p_.setPen(penna(inchiostro, 1));
        // G below.
        Etichette sotto(spazio);
        for (const Tacca& t : tacchePortata()) {
            const double x = piano_.x(t.valore());
            p_.drawLine(QPointF(x, r().bottom()), QPointF(x, r().bottom() + (t.etichettata() ? tacca : tacca / 2)));
        }
        for (const Tacca& t : etichettatePerPriorita(tacchePortata())) {
            QRectF box = riquadroDelTesto(metriche_, testo(t), QPointF(), 0);
            box.moveCenter(QPointF(piano_.x(t.valore()), r().bottom() + tacca + spazio / 2 + h() / 2));
            box.moveLeft(std::clamp(box.left(), r().left() - tacca, r().right() + tacca - box.width()));
            if (sotto.prendi(box)) testoDiAsse(box, testo(t), Qt::AlignCenter);
        }
        // Pa/m at the left, on the grid; mm c.a./m at the right, on marks of their own.
        asseVerticale(tacchePerdita(), 1, r().left(), -1);
        asseVerticale(tacchePerditaMmca(), dettagli::pascalPerMmca, r().right(), 1);

        p_.setPen(inchiostro);
        const QRectF titoloG(r().left(), r().bottom() + tacca + spazio + h(), r().width(), h());
        p_.drawText(titoloG, Qt::AlignCenter, metriche_.elidedText(titoloPortata(), Qt::ElideRight, r().width()));
        titoloVerticale(
            r().left() - tacca - spazio / 2 - larghezzaMassima(metriche_, tacchePerdita()) - spazio - h() / 2,
            titoloPerditaPa());
        titoloVerticale(
            r().right() + tacca + spazio / 2 + larghezzaMassima(metriche_, tacchePerditaMmca()) + spazio + h() / 2,
            titoloPerditaMmca());
    }

    // verso -1: marks and labels left of x; 1: right of it.
    void asseVerticale(const std::vector<Tacca>& tacche, Reale pascalPerUnita, double x, int verso) {
        const double tacca = 5 * u();
        const double spazio = 4 * u();
        for (const Tacca& t : tacche) {
            const double y = piano_.y(t.valore() * pascalPerUnita);
            p_.drawLine(QPointF(x, y), QPointF(x + verso * (t.etichettata() ? tacca : tacca / 2), y));
        }
        Etichette accanto(0);
        for (const Tacca& t : etichettatePerPriorita(tacche)) {
            const double y = piano_.y(t.valore() * pascalPerUnita);
            const double larghezza = metriche_.horizontalAdvance(testo(t));
            const double sinistra = verso < 0 ? x - tacca - spazio / 2 - larghezza : x + tacca + spazio / 2;
            const QRectF box(sinistra, y - h() / 2, larghezza, h());
            if (accanto.prendi(box)) testoDiAsse(box, testo(t), verso < 0 ? Qt::AlignRight : Qt::AlignLeft);
        }
    }

    void testoDiAsse(const QRectF& box, const QString& t, Qt::Alignment allineamento) {
        p_.setPen(inchiostro);
        p_.drawText(box, t, QTextOption(allineamento | Qt::AlignVCenter));
        p_.setPen(penna(inchiostro, 1));
    }

    // Read from below, as a printed chart's side titles are.
    void titoloVerticale(double x, const QString& titolo) {
        p_.save();
        p_.translate(x, r().center().y());
        p_.rotate(-90);
        p_.setPen(inchiostro);
        p_.drawText(QRectF(-r().height() / 2, -h() / 2, r().height(), h()), Qt::AlignCenter,
                    metriche_.elidedText(titolo, Qt::ElideRight, r().height()));
        p_.restore();
    }

    // Above the plot: what each kind of line and mark is, then the air, as
    // many as the width holds.
    void legenda() {
        const double y = r().top() - 8 * u() - h() / 2;
        const double campione = 18 * u();
        const double spazio = 10 * u();
        double x = r().left();
        auto voce = [&](const QString& t, auto&& disegnaCampione) {
            const double larghezza = campione + u() * 4 + metriche_.horizontalAdvance(t);
            if (x + larghezza > r().right()) return false;
            disegnaCampione(QPointF(x + campione / 2, y));
            p_.setPen(inchiostro);
            p_.drawText(QRectF(x + campione + 4 * u(), y - h() / 2, larghezza, h()), Qt::AlignLeft | Qt::AlignVCenter,
                        t);
            x += larghezza + spazio;
            return true;
        };
        auto trattino = [&](const QPen& pen) {
            return [this, pen, campione](QPointF c) {
                p_.setPen(pen);
                p_.drawLine(c - QPointF(campione / 2, 0), c + QPointF(campione / 2, 0));
            };
        };
        const bool tutte = voce(voceDiametri(), trattino(penna(coloreDiametro, 1.3))) &&
                           voce(voceVelocita(), trattino(penna(coloreVelocita, 1.1, Qt::DashLine))) &&
                           voce(voceCondotto(), [&](QPointF c) { segnoCondotto(c); }) &&
                           (c_.tratti.empty() || (voce(voceTratto(), [&](QPointF c) { segnoTratto(c, false); }) &&
                                                  voce(voceIndice(), [&](QPointF c) { segnoTratto(c, true); })));
        const QString aria = didascaliaAria(c_.aria, c_.correzione.has_value());
        const double larghezzaAria = metriche_.horizontalAdvance(aria);
        if (tutte && x + larghezzaAria <= r().right() + spazio) {
            p_.setPen(inchiostro);
            p_.drawText(QRectF(r().right() - larghezzaAria, y - h() / 2, larghezzaAria, h()),
                        Qt::AlignRight | Qt::AlignVCenter, aria);
        }
    }

    QPainter& p_;
    QFontMetricsF metriche_;
    PianoDiagramma piano_;
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
