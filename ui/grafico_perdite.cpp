#include "ui/grafico_perdite.h"

#include <QFontMetricsF>
#include <QHelpEvent>
#include <QPainter>
#include <QStyleOptionFocusRect>
#include <QToolTip>
#include <utility>

#include "ui/testi_diagramma.h"

namespace flumetra {

GraficoPerdite::GraficoPerdite(QWidget* parent) : QWidget(parent) {
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

PianoDiagramma GraficoPerdite::piano() const { return {QRectF(rect()), QFontMetricsF(font(), this)}; }

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
    if (hasFocus()) {
        QStyleOptionFocusRect opzione;
        opzione.initFrom(this);
        opzione.rect = piano().riquadro().toAlignedRect().adjusted(-3, -3, 3, 3);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &opzione, &pittore, this);
    }
}

}  // namespace flumetra
