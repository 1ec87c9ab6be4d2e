#include "ui/grafica/disegno_diagramma.h"

#include <QFont>
#include <QFontMetricsF>
#include <QLineF>
#include <QPainter>
#include <QPolygonF>
#include <QStringList>
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

// A line's points in the picture, from its lower G to its higher.
QPolygonF puntiDellaLinea(const Linea& l, const PianoDiagramma& piano) {
    QPolygonF punti;
    if (l.tracciato.empty()) return QPolygonF({piano.punto(l.estremi.inizio), piano.punto(l.estremi.fine)});
    for (const PuntoDiagramma& p : l.tracciato) punti << piano.punto(p);
    return punti;
}

// The segment of a line's points that reaches a value of x (or of y),
// looked for from its higher end, where its label goes; the last one if none does.
template <typename Coordinata>
std::pair<QPointF, QPointF> segmentoVerso(const QPolygonF& punti, double valore, Coordinata coordinata) {
    for (qsizetype i = punti.size() - 1; i > 0; --i) {
        const double a = coordinata(punti[i - 1]);
        const double b = coordinata(punti[i]);
        if ((a - valore) * (b - valore) <= 0 && a != b) return {punti[i - 1], punti[i]};
    }
    return {punti[punti.size() - 2], punti.back()};
}

// The plot: the grid, the lines, the frame, the sections and the duct with
// their labels, then the axes, the legend and the title around it.
class Disegno {
public:
    Disegno(QPainter& p, const QRectF& area, const QFont& carattere, const ContenutoDiagramma& c)
        : t_(p, area, carattere, c), c_(c), etichette_(t_.u() * 2) {}

    void tutto() {
        griglia();
        for (const Linea& l : c_.linee) linea(l);  // already cut at the edges
        cornice();
        // The marks before the lines' labels, so that no label covers them;
        // the duct's over the sections', whose labels leave it whole.
        const bool conCondotto = c_.condotto && dettagli::dentroIlDiagramma(*c_.condotto);
        if (conCondotto) guide(t_.piano.punto(*c_.condotto));
        for (const std::vector<std::size_t>& punto : puntiDeiTratti(c_.tratti)) tratto(punto);
        if (conCondotto) t_.segnoCondotto(t_.piano.punto(*c_.condotto));
        for (const Linea& l : c_.linee) etichettaLinea(l);
        disegnaAssi(t_);
        disegnaLegenda(t_, c_);
        titolo();
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
        t_.p.drawPolyline(puntiDellaLinea(l, t_.piano));
    }

    void cornice() {
        t_.p.setPen(t_.penna(inchiostro, 1.2));
        t_.p.setBrush(Qt::NoBrush);
        t_.p.drawRect(r());
    }

    // Dotted guides from the duct's point to both axes; its place kept from every label.
    void guide(QPointF c) {
        t_.p.setPen(t_.penna(coloreCondotto, 1, Qt::DotLine));
        t_.p.drawLine(c, QPointF(r().left(), c.y()));
        t_.p.drawLine(c, QPointF(c.x(), r().bottom()));
        const double raggio = 5 * u();
        etichette_.prendi(QRectF(c - QPointF(raggio, raggio), QSizeF(2 * raggio, 2 * raggio)));
    }

    // Identical sections as one mark, a filled square where one of them is on
    // the index run, else a ring; their ids beside it where there is room.
    void tratto(const std::vector<std::size_t>& punto) {
        const PuntoTratto& t = c_.tratti[punto.front()];
        const PuntoDiagramma dove{t.G, t.Y_Pa_m};
        if (!dettagli::dentroIlDiagramma(dove)) return;
        QStringList ids;
        bool indice = false;
        for (const std::size_t i : punto) {
            ids << c_.tratti[i].id;
            indice = indice || c_.tratti[i].indice;
        }
        const QString nome = ids.join(QStringLiteral(", "));
        const QPointF c = t_.piano.punto(dove);
        const double lato = t_.segnoTratto(c, indice);
        const QRectF box = riquadroDelTesto(t_.metriche, nome, c, u());
        const double dy = box.height() / 2;
        // Beside the mark, or beyond the duct's where that lies on it.
        for (const double discosto : {lato, 6 * u()}) {
            const double dx = discosto + box.width() / 2 + u();
            for (const QPointF scarto : {QPointF(dx, -dy), QPointF(dx, dy), QPointF(-dx, -dy), QPointF(-dx, dy)}) {
                const QRectF posto = box.translated(scarto);
                if (r().contains(posto) && etichette_.prendi(posto)) {
                    scriviSuCarta(t_.p, posto, nome, coloreTratto);
                    segnaTratto(c, lato);
                    return;
                }
            }
        }
        segnaTratto(c, lato);
    }

    // The mark is kept from the lines' labels once its own label, which touches it, is placed.
    void segnaTratto(QPointF c, double lato) {
        etichette_.prendi(QRectF(c - QPointF(lato, lato), QSizeF(2 * lato, 2 * lato)));
    }

    // A picture's title, above the legend.
    void titolo() {
        if (c_.titolo.isEmpty()) return;
        QFont grassetto = t_.p.font();
        grassetto.setBold(true);
        t_.p.setFont(grassetto);
        t_.p.setPen(inchiostro);
        const QRectF& riga = t_.piano.titolo();
        t_.p.drawText(riga, Qt::AlignCenter,
                      QFontMetricsF(grassetto, t_.p.device()).elidedText(c_.titolo, Qt::ElideRight, riga.width()));
    }

    // A diameter at its upper end, a velocity at its lower end, on the line
    // just inside the edge it leaves by.
    void etichettaLinea(const Linea& l) {
        const bool diametro = l.tipo == TipoLinea::Diametro;
        const QString t = etichettaDellaLinea(l);
        const QPolygonF punti = puntiDellaLinea(l, t_.piano);
        QRectF box = riquadroDelTesto(t_.metriche, t, QPointF(), u());
        const double bordo = u();
        if (l.estremi.fine.G >= dettagli::portataMassima) {
            const double x = r().right() - bordo - box.width() / 2;
            const auto [a, b] = segmentoVerso(punti, x, [](QPointF p) { return p.x(); });
            box.moveCenter(allaX(a, b, x));
        } else {
            const double y = diametro ? r().top() + bordo + box.height() / 2 : r().bottom() - bordo - box.height() / 2;
            const auto [a, b] = segmentoVerso(punti, y, [](QPointF p) { return p.y(); });
            box.moveCenter(allaY(a, b, y));
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

void cambiaAria(ContenutoDiagramma& contenuto, dettagli::Aria aria) { cambiaLinee(contenuto, aria, std::nullopt); }

void cambiaLinee(ContenutoDiagramma& contenuto, dettagli::Aria aria, std::optional<MetodoDelPercorso> delPercorso) {
    contenuto.aria = aria;
    contenuto.delPercorso = delPercorso;
    contenuto.correzione = 1;  // for leggeDelleLinee to try the air
    if (const auto legge = leggeDelleLinee(contenuto)) {
        contenuto.correzione = legge->aria.correzione;
        contenuto.linee = dettagli::lineeDelDiagramma(*legge);
    } else {
        contenuto.correzione.reset();
        contenuto.linee.clear();
    }
}

std::optional<dettagli::LeggePerdita> leggeDelleLinee(const ContenutoDiagramma& contenuto) {
    if (!contenuto.correzione) return std::nullopt;
    std::optional<Reale> rugosita;
    if (contenuto.delPercorso && contenuto.delPercorso->metodo == percorso::Metodo::Colebrook)
        rugosita = dettagli::dati(contenuto.delPercorso->materiale).rugosita_mm;
    try {
        return dettagli::leggeDi(contenuto.aria, rugosita);
    } catch (const Fallimento&) {
        return std::nullopt;
    }
}

std::vector<PuntoTratto> puntiDelPercorso(const percorso::Percorso& percorso, const percorso::Risultati& risultati) {
    std::vector<bool> indice(risultati.tratti.size(), false);
    if (risultati.percorso_indice) {
        for (const std::size_t k : *risultati.percorso_indice) indice.at(k) = true;
    }
    std::vector<PuntoTratto> punti;
    for (std::size_t i = 0; i < risultati.tratti.size(); ++i) {
        const percorso::RisultatoTratto& t = risultati.tratti[i];
        if (!t.perdite || t.G <= 0) continue;
        punti.push_back({inQt(percorso.tratti.at(i).id), static_cast<double>(t.G), t.perdite->R_Pa_m, indice[i]});
    }
    return punti;
}

std::vector<std::vector<std::size_t>> puntiDeiTratti(const std::vector<PuntoTratto>& tratti) {
    std::vector<std::vector<std::size_t>> punti;
    for (std::size_t i = 0; i < tratti.size(); ++i) {
        auto uguale = [&](const std::vector<std::size_t>& punto) {
            const PuntoTratto& primo = tratti[punto.front()];
            return primo.G == tratti[i].G && primo.Y_Pa_m == tratti[i].Y_Pa_m;
        };
        const auto trovato = std::find_if(punti.begin(), punti.end(), uguale);
        if (trovato != punti.end()) {
            trovato->push_back(i);
        } else {
            punti.push_back({i});
        }
    }
    return punti;
}

PianoDiagramma::PianoDiagramma(const QRectF& area, const QFontMetricsF& metriche)
    : PianoDiagramma(area, metriche, ContenutoDiagramma{}) {}

// Across: the left axis's title and labels, the plot, the right axis's.
// Down: the title, the legend's rows, the plot, the flow's labels and title.
PianoDiagramma::PianoDiagramma(const QRectF& area, const QFontMetricsF& metriche, const ContenutoDiagramma& contenuto)
    : unita_(std::max(1.0, metriche.height() / 15.0)) {
    const double h = metriche.height();
    const double tacca = 5 * unita_;
    const double spazio = 4 * unita_;
    const double sinistra = spazio + h + spazio + larghezzaMassima(metriche, tacchePerdita()) + spazio / 2 + tacca;
    const double destra = tacca + spazio / 2 + larghezzaMassima(metriche, tacchePerditaMmca()) + spazio + h + spazio;
    const double larghezza = area.width() - 2 * spazio;
    titolo_ = QRectF(area.left() + spazio, area.top() + spazio, larghezza, contenuto.titolo.isEmpty() ? 0 : h);
    const double primaRiga = titolo_.bottom() + (contenuto.titolo.isEmpty() ? 0 : 2 * spazio);
    const std::vector<PostoInLegenda> posti = disponiLegenda(vociDellaLegenda(contenuto), metriche, unita_, larghezza);
    const int righe = posti.empty() ? 0 : posti.back().riga + 1;
    legenda_ = QRectF(area.left() + spazio, primaRiga, larghezza,
                      righe * h + std::max(0, righe - 1) * interlineaLegenda(unita_));
    const double alto = legenda_.bottom() + 2 * spazio - area.top();
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
        const QPolygonF punti = puntiDellaLinea(contenuto.linee[i], piano);
        double minima = distanzaDalSegmento(posizione, punti[0], punti[1]);
        for (qsizetype k = 2; k < punti.size(); ++k)
            minima = std::min(minima, distanzaDalSegmento(posizione, punti[k - 1], punti[k]));
        return minima;
    });
    if (linea) return Sotto{Sotto::Cosa::Linea, *linea};
    return std::nullopt;
}

}  // namespace flumetra
