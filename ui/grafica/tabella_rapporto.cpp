#include "ui/grafica/tabella_rapporto.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>
#include <QStringList>
#include <algorithm>
#include <cmath>
#include <numeric>

#include "ui/grafica/testo_qt.h"

namespace flumetra {
namespace {

constexpr double puntiMinimi = 4.5;  // the smallest font the table steps down to, pt
constexpr double passo = 0.25;       // pt
const QColor testa(0xdd, 0xdd, 0xdd);
const QColor ombra(0xf3, 0xf3, 0xf3);

double millimetri(const QPaintDevice& d, double mm) { return d.logicalDpiX() * mm / 25.4; }

// A heading's words, its unit in brackets one of them: «R», «[mm c.a./m]».
QStringList paroleDellaTesta(const QString& titolo) {
    QStringList parole;
    bool dentro = false;  // the brackets of the unit
    for (const QString& parola : titolo.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (dentro) {
            parole.back() += QLatin1Char(' ') + parola;
        } else {
            parole << parola;
        }
        if (parola.startsWith(QLatin1Char('['))) dentro = true;
        if (parola.endsWith(QLatin1Char(']'))) dentro = false;
    }
    return parole;
}

// A heading's lines, each holding as many whole words as it can: broken at
// the spaces alone, not after the «/» of «[m³/h]» as Qt's own wrapping would.
QStringList righeDellaTesta(const QString& titolo, double larghezza, const QFontMetricsF& m) {
    QStringList righe;
    for (const QString& parola : paroleDellaTesta(titolo)) {
        const QString insieme = righe.isEmpty() ? parola : righe.back() + QLatin1Char(' ') + parola;
        if (!righe.isEmpty() && m.horizontalAdvance(insieme) <= larghezza) {
            righe.back() = insieme;
        } else {
            righe << parola;
        }
    }
    return righe;
}

}  // namespace

TabellaRapporto::TabellaRapporto(const percorso::Rapporto& rapporto, const QFont& carattere,
                                 const QPaintDevice& dispositivo, double larghezza)
    : rapporto_(rapporto), dispositivo_(dispositivo), carattere_(carattere) {
    margine_ = millimetri(dispositivo, 0.7);
    while (misura(carattere_) > larghezza && carattere_.pointSizeF() - passo >= puntiMinimi) {
        carattere_.setPointSizeF(carattere_.pointSizeF() - passo);
    }
    // The room left shared; at the floor, a table still too wide squeezed in.
    const double somma = std::accumulate(larghezze_.begin(), larghezze_.end(), 0.0);
    for (double& l : larghezze_) {
        l = somma <= larghezza ? l + (larghezza - somma) / static_cast<double>(larghezze_.size())
                               : l * larghezza / somma;
    }
    grassetto_ = carattere_;
    grassetto_.setBold(true);
    const QFontMetricsF m(grassetto_, &dispositivo);
    altezzaRiga_ = m.height() + margine_;
    qsizetype righe = 1;
    for (std::size_t c = 0; c < larghezze_.size(); ++c) {
        righe =
            std::max(righe, righeDellaTesta(inQt(rapporto.colonne[c].titolo), larghezze_[c] - 2 * margine_, m).size());
    }
    altezzaTesta_ = static_cast<double>(righe) * m.lineSpacing() + 2 * margine_;
}

double TabellaRapporto::misura(const QFont& carattere) {
    QFont grassetto(carattere);
    grassetto.setBold(true);  // every cell measured bold, as an index run's row is
    const QFontMetricsF m(grassetto, &dispositivo_);
    larghezze_.assign(rapporto_.colonne.size(), 0);
    for (std::size_t c = 0; c < larghezze_.size(); ++c) {
        double l = 0;
        for (const QString& parola : paroleDellaTesta(inQt(rapporto_.colonne[c].titolo))) {
            l = std::max(l, m.horizontalAdvance(parola));
        }
        for (const percorso::TrattoRapporto& t : rapporto_.tratti)
            l = std::max(l, m.horizontalAdvance(inQt(t.celle[c])));
        larghezze_[c] = std::ceil(l) + 2 * margine_;
    }
    return std::accumulate(larghezze_.begin(), larghezze_.end(), 0.0);
}

void TabellaRapporto::disegnaTesta(QPainter& pittore, QPointF dove) const {
    pittore.save();
    QPen bordo(Qt::black);
    bordo.setWidthF(millimetri(dispositivo_, 0.15));
    pittore.setPen(bordo);
    pittore.setFont(grassetto_);
    const QFontMetricsF m(grassetto_, &dispositivo_);
    double x = dove.x();
    for (std::size_t c = 0; c < larghezze_.size(); ++c) {
        const QRectF r(x, dove.y(), larghezze_[c], altezzaTesta_);
        pittore.fillRect(r, testa);
        pittore.drawRect(r);
        const QStringList righe = righeDellaTesta(inQt(rapporto_.colonne[c].titolo), r.width() - 2 * margine_, m);
        // Centred, the block of lines too.
        double y = r.center().y() - static_cast<double>(righe.size()) * m.lineSpacing() / 2;
        for (const QString& riga : righe) {
            pittore.drawText(QRectF(r.left(), y, r.width(), m.lineSpacing()), Qt::AlignHCenter | Qt::AlignTop, riga);
            y += m.lineSpacing();
        }
        x += larghezze_[c];
    }
    pittore.restore();
}

void TabellaRapporto::disegnaRiga(QPainter& pittore, QPointF dove, std::size_t riga) const {
    const percorso::TrattoRapporto& t = rapporto_.tratti.at(riga);
    pittore.save();
    QPen bordo(Qt::black);
    bordo.setWidthF(millimetri(dispositivo_, 0.15));
    pittore.setPen(bordo);
    pittore.setFont(t.indice ? grassetto_ : carattere_);
    double x = dove.x();
    for (std::size_t c = 0; c < larghezze_.size(); ++c) {
        const QRectF r(x, dove.y(), larghezze_[c], altezzaRiga_);
        if (riga % 2 == 1) pittore.fillRect(r, ombra);
        pittore.drawRect(r);
        const int a = rapporto_.colonne[c].aSinistra ? Qt::AlignLeft : Qt::AlignRight;
        pittore.drawText(r.adjusted(margine_, 0, -margine_, 0), a | Qt::AlignVCenter, inQt(t.celle[c]));
        x += larghezze_[c];
    }
    pittore.restore();
}

}  // namespace flumetra
