#include "ui/grafica/cartiglio.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>
#include <QTextLayout>
#include <QTextOption>
#include <array>
#include <utility>

#include "percorso/intestazione.h"
#include "ui/grafica/testo_qt.h"

namespace flumetra {
namespace {

// The boxes' share of the width: the first row's, and the second's, whose
// edges fall on the first's.
constexpr std::array<double, 5> primaRiga = {0.38, 0.24, 0.20, 0.08, 0.10};
constexpr std::array<double, 3> secondaRiga = {0.62, 0.28, 0.10};

const QColor grigio(0x60, 0x60, 0x60);

}  // namespace

Cartiglio::Cartiglio(DatiCartiglio dati, const QFont& carattere, const QPaintDevice& dispositivo)
    : dati_(std::move(dati)), dispositivo_(dispositivo), etichetta_(carattere), valore_(carattere) {
    etichetta_.setPointSizeF(carattere.pointSizeF() * 0.75);
    const QFontMetricsF e(etichetta_, &dispositivo), v(valore_, &dispositivo);
    margine_ = e.height() * 0.35;
    righeValore_ = v.lineSpacing();
    primaRiga_ = 2 * margine_ + e.height() + v.height();
    secondaRiga_ = primaRiga_ + righeValore_;
}

// Its label small and grey at the top, the value below it: on as many lines
// as the box has (a word too long for a line broken where it must), the last
// cut short with «…».
void Cartiglio::casella(QPainter& pittore, const QRectF& r, const QString& etichetta, const QString& valore) const {
    pittore.drawRect(r);
    const QRectF dentro = r.adjusted(margine_, margine_ * 0.6, -margine_, -margine_ * 0.6);
    const QFontMetricsF e(etichetta_, &dispositivo_);
    pittore.setFont(etichetta_);
    pittore.setPen(grigio);
    pittore.drawText(QPointF(dentro.left(), dentro.top() + e.ascent()), etichetta);
    pittore.setFont(valore_);
    pittore.setPen(Qt::black);
    const QFontMetricsF v(valore_, &dispositivo_);
    const auto righe = static_cast<int>((dentro.bottom() - dentro.top() - e.height()) / righeValore_ + 0.01);
    QTextLayout layout(valore, valore_, &dispositivo_);
    QTextOption a(Qt::AlignLeft);
    a.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(a);
    layout.beginLayout();
    double y = dentro.top() + e.height();
    for (int n = 0; n < righe; ++n) {
        QTextLine riga = layout.createLine();
        if (!riga.isValid()) break;
        riga.setLineWidth(dentro.width());
        const QString testo = valore.mid(riga.textStart(), riga.textLength()).trimmed();
        const bool ultima = n + 1 == righe && riga.textStart() + riga.textLength() < valore.size();
        const QString scritto =
            ultima ? v.elidedText(valore.mid(riga.textStart()).simplified(), Qt::ElideRight, dentro.width()) : testo;
        pittore.drawText(QPointF(dentro.left(), y + v.ascent()), scritto);
        y += righeValore_;
    }
    layout.endLayout();
}

void Cartiglio::disegna(QPainter& pittore, const QRectF& area, int pagina, int pagine) const {
    pittore.save();
    QPen bordo(Qt::black);
    bordo.setWidthF(dispositivo_.logicalDpiX() * 0.25 / 25.4);  // a quarter of a millimetre
    pittore.setPen(bordo);
    pittore.setBrush(Qt::NoBrush);
    auto voce = [&](percorso::Voce v) { return inQt(dati_.voci.at(static_cast<std::size_t>(v)).valore); };
    auto nome = [&](percorso::Voce v) { return inQt(percorso::dati(v).etichetta); };
    using percorso::Voce;
    const std::array<std::pair<QString, QString>, primaRiga.size()> prima = {{
        {nome(Voce::Progetto), voce(Voce::Progetto)},
        {nome(Voce::Cliente), voce(Voce::Cliente)},
        {nome(Voce::Progettista), voce(Voce::Progettista)},
        {nome(Voce::Revisione), voce(Voce::Revisione)},
        {QStringLiteral("Data"), dati_.data},
    }};
    const std::array<std::pair<QString, QString>, secondaRiga.size()> seconda = {{
        {nome(Voce::Note), voce(Voce::Note)},
        {QStringLiteral("Percorso"), dati_.percorso},
        {QStringLiteral("Pagina"), QStringLiteral("%1 di %2").arg(pagina).arg(pagine)},
    }};
    const double alto = area.bottom() - altezza();
    double x = area.left();
    for (std::size_t k = 0; k < prima.size(); ++k) {
        const double w = area.width() * primaRiga.at(k);
        pittore.setPen(bordo);
        casella(pittore, QRectF(x, alto, w, primaRiga_), prima.at(k).first, prima.at(k).second);
        x += w;
    }
    x = area.left();
    for (std::size_t k = 0; k < seconda.size(); ++k) {
        const double w = area.width() * secondaRiga.at(k);
        pittore.setPen(bordo);
        casella(pittore, QRectF(x, alto + primaRiga_, w, secondaRiga_), seconda.at(k).first, seconda.at(k).second);
        x += w;
    }
    pittore.restore();
}

}  // namespace flumetra
