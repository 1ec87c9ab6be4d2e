#include "ui/diagramma/grafico_perdite.h"

#include <QAccessibleWidget>
#include <QFontMetricsF>
#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>
#include <utility>

#include "ui/comune/interfaccia_accessibile.h"
#include "ui/grafica/testi_diagramma.h"

namespace flumetra {
namespace {

// A screen reader is told it is a chart, not a filler.
class InterfacciaGrafico : public QAccessibleWidget {
public:
    explicit InterfacciaGrafico(QWidget* grafico) : QAccessibleWidget(grafico, QAccessible::Chart) {}
};

QAccessibleInterface* interfacciaDelGrafico(const QString& classe, QObject* oggetto) {
    if (classe != QLatin1String(GraficoPerdite::staticMetaObject.className())) return nullptr;
    return new InterfacciaGrafico(qobject_cast<QWidget*>(oggetto));
}

// An interface Qt made while the widget was a plain QWidget gives way.
void rendiGrafico(GraficoPerdite* grafico) { usaInterfaccia<InterfacciaGrafico>(grafico, interfacciaDelGrafico); }

}  // namespace

GraficoPerdite::GraficoPerdite(QWidget* parent) : QWidget(parent) {
    rendiGrafico(this);
    setObjectName(QStringLiteral("Grafico_Perdite"));
    setAccessibleName(QStringLiteral("Diagramma delle perdite"));
    setAccessibleDescription(descrizioneDiagramma(contenuto_));
    setFocusPolicy(Qt::TabFocus);  // a keyboard, and a screen reader with it, can reach it
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void GraficoPerdite::mostra(ContenutoDiagramma contenuto) {
    contenuto_ = std::move(contenuto);
    setAccessibleDescription(descrizioneDiagramma(contenuto_));
    update();
}

PianoDiagramma GraficoPerdite::piano() const { return {QRectF(rect()), QFontMetricsF(font(), this), contenuto_}; }

// Room for three decades each way, in a 4:3 picture.
QSize GraficoPerdite::sizeHint() const { return {640, 480}; }
QSize GraficoPerdite::minimumSizeHint() const { return {320, 240}; }

bool GraficoPerdite::event(QEvent* evento) {
    if (evento->type() != QEvent::ToolTip) return QWidget::event(evento);
    const auto* aiuto = static_cast<QHelpEvent*>(evento);
    if (const std::optional<Sotto> sotto = cosaSotto(aiuto->pos(), piano(), contenuto_)) {
        QToolTip::showText(aiuto->globalPos(), suggerimentoDiagramma(*sotto, contenuto_), this);
    } else {
        QToolTip::hideText();
        evento->ignore();
    }
    return true;
}

void GraficoPerdite::paintEvent(QPaintEvent* /*evento*/) {
    QPainter pittore(this);
    disegnaDiagramma(pittore, QRectF(rect()), font(), contenuto_);
    // The keyboard's focus as a frame round the plot in the highlight colour
    // (the style's own focus mark would tint the whole chart).
    if (hasFocus()) {
        pittore.setPen(QPen(palette().color(QPalette::Highlight), 2));
        pittore.setBrush(Qt::NoBrush);
        pittore.drawRect(piano().riquadro().adjusted(-3, -3, 3, 3));
    }
}

}  // namespace flumetra
