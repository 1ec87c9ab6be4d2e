#include "ui/grafica/tela_diagramma.h"

#include <QPainter>
#include <algorithm>

#include "ui/grafica/testo_qt.h"

namespace flumetra::diagramma {

using dettagli::Tacca;

Tela::Tela(QPainter& pittore, const QRectF& area, const QFont& carattere, const ContenutoDiagramma& contenuto)
    : p(pittore), metriche(carattere, pittore.device()), piano(area, metriche, contenuto) {
    p.setFont(carattere);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(area, carta);
}

QPen Tela::penna(const QColor& colore, double larghezza, Qt::PenStyle stile) const {
    QPen pen(colore, larghezza * u(), stile);
    pen.setCapStyle(Qt::FlatCap);
    return pen;
}

double Tela::segnoCondotto(QPointF c) {
    const double raggio = 5 * u();
    p.setPen(penna(inchiostro, 1.2));
    p.setBrush(coloreCondotto);
    p.drawEllipse(c, raggio, raggio);
    return raggio;
}

double Tela::segnoTratto(QPointF c, bool indice) {
    const double lato = 3.5 * u();
    p.setPen(penna(coloreTratto, 1.5));
    if (indice) {
        p.setBrush(coloreTratto);
        p.drawRect(QRectF(c - QPointF(lato, lato), QSizeF(2 * lato, 2 * lato)));
    } else {
        p.setBrush(carta);
        p.drawEllipse(c, lato, lato);
    }
    return lato;
}

bool Etichette::prendi(const QRectF& r) {
    const QRectF conMargine = r.adjusted(-distanza_, 0, distanza_, 0);
    if (std::any_of(prese_.begin(), prese_.end(), [&](const QRectF& p) { return p.intersects(conMargine); }))
        return false;
    prese_.push_back(r);
    return true;
}

std::vector<Tacca> tacchePortata() { return dettagli::tacche(dettagli::portataMinima, dettagli::portataMassima); }
std::vector<Tacca> tacchePerdita() { return dettagli::tacche(dettagli::perditaMinima, dettagli::perditaMassima); }
std::vector<Tacca> tacchePerditaMmca() {
    return dettagli::tacche(dettagli::perditaMinima / dettagli::pascalPerMmca,
                            dettagli::perditaMassima / dettagli::pascalPerMmca);
}

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

QRectF riquadroDelTesto(const QFontMetricsF& metriche, const QString& t, QPointF centro, double u) {
    const QSizeF dimensione(metriche.horizontalAdvance(t) + 2 * u, metriche.height());
    return {centro - QPointF(dimensione.width() / 2, dimensione.height() / 2), dimensione};
}

void scriviSuCarta(QPainter& p, const QRectF& r, const QString& t, const QColor& colore) {
    p.fillRect(r, QColor(255, 255, 255, 225));
    p.setPen(colore);
    p.drawText(r, Qt::AlignCenter, t);
}

}  // namespace flumetra::diagramma
