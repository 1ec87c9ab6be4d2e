#include "ui/calcolatore/updown.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionFocusRect>
#include <QWheelEvent>
#include "ui/comune/campo_testo.h"

#include "ui/calcolatore/updown_accessibile.h"

namespace flumetra {
namespace {

constexpr int unaTacca = 120;  // one notch of a mouse wheel, in eighths of a degree

}  // namespace

UpDown::UpDown(Spinner spinner, CampoTesto* campo, QWidget* parent)
    : QWidget(parent), dati_(flumetra::dati(spinner)), campo_(campo), valore_(valoreIniziale(spinner)) {
    rendiAccessibileUpDown();
    setFocusPolicy(Qt::StrongFocus);
    connect(&ripetizione_, &QTimer::timeout, this, &UpDown::ripeti);
    // The value a screen reader hears is the field's: whoever writes it.
    connect(campo_, &QLineEdit::textChanged, this, [this] { annunciaValore(this); });
}

void UpDown::clicca(Verso verso) { emit Freccia(verso); }

// The upper and the lower half, with one pixel between them when the
// height allows.
QRect UpDown::meta(Verso verso) const {
    const int altezza = height() / 2;
    return verso == Verso::Su ? QRect(0, 0, width(), altezza) : QRect(0, height() - altezza, width(), altezza);
}

// Each half is a small button of the style with the style's spin arrow,
// which the style sizes to the half and centres in it.
void UpDown::paintEvent(QPaintEvent* /*evento*/) {
    QPainter painter(this);
    for (const Verso verso : {Verso::Su, Verso::Giu}) {
        QStyleOptionButton button;
        button.initFrom(this);
        button.state &= ~QStyle::State_HasFocus;
        button.rect = meta(verso);
        button.state |= premuta_ == verso ? QStyle::State_Sunken : QStyle::State_Raised;
        style()->drawPrimitive(QStyle::PE_PanelButtonCommand, &button, &painter, this);
        style()->drawPrimitive(verso == Verso::Su ? QStyle::PE_IndicatorSpinUp : QStyle::PE_IndicatorSpinDown, &button,
                               &painter, this);
    }
    if (hasFocus()) {
        QStyleOptionFocusRect fuoco;
        fuoco.initFrom(this);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &fuoco, &painter, this);
    }
}

std::optional<Verso> UpDown::frecciaIn(QPoint punto) const {
    if (!rect().contains(punto)) return std::nullopt;
    return punto.y() < height() / 2 ? Verso::Su : Verso::Giu;
}

void UpDown::mousePressEvent(QMouseEvent* evento) {
    if (evento->button() != Qt::LeftButton) return;
    premuta_ = frecciaIn(evento->position().toPoint());
    if (!premuta_) return;
    update();
    clicca(*premuta_);
    ripetizione_.start(style()->styleHint(QStyle::SH_SpinBox_ClickAutoRepeatThreshold, nullptr, this));
}

void UpDown::mouseReleaseEvent(QMouseEvent* evento) {
    if (evento->button() != Qt::LeftButton) return;
    ripetizione_.stop();
    premuta_.reset();
    update();
}

void UpDown::ripeti() {
    if (!premuta_) return;
    ripetizione_.setInterval(style()->styleHint(QStyle::SH_SpinBox_ClickAutoRepeatRate, nullptr, this));
    clicca(*premuta_);
}

// A high-resolution wheel sends parts of a notch; they add up to clicks.
void UpDown::wheelEvent(QWheelEvent* evento) {
    rotella_ += evento->angleDelta().y();
    for (; rotella_ >= unaTacca; rotella_ -= unaTacca) clicca(Verso::Su);
    for (; rotella_ <= -unaTacca; rotella_ += unaTacca) clicca(Verso::Giu);
    evento->accept();
}

void UpDown::keyPressEvent(QKeyEvent* evento) {
    if (evento->key() == Qt::Key_Up) {
        clicca(Verso::Su);
    } else if (evento->key() == Qt::Key_Down) {
        clicca(Verso::Giu);
    } else {
        QWidget::keyPressEvent(evento);
    }
}

// A spinner hidden while an arrow is held stops repeating.
void UpDown::hideEvent(QHideEvent* evento) {
    ripetizione_.stop();
    premuta_.reset();
    rotella_ = 0;
    QWidget::hideEvent(evento);
}

}  // namespace flumetra
