#include "ui/updown.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionSpinBox>

#include "calc/testo.h"

namespace flumetra {

UpDown::UpDown(QLineEdit* campo, IntervalloSpinner intervallo, Intero iniziale, QWidget* genitore)
    : QWidget(genitore), campo_(campo), intervallo_(intervallo), ultimo_(iniziale) {
    setFocusPolicy(Qt::StrongFocus);
    connect(&ripetizione_, &QTimer::timeout, this, &UpDown::ripeti);
}

UpDown::UpDown(int passo, QWidget* genitore) : QWidget(genitore), intervallo_{0, 0, passo} {
    setFocusPolicy(Qt::StrongFocus);
    connect(&ripetizione_, &QTimer::timeout, this, &UpDown::ripeti);
}

void UpDown::clicca(Verso verso) {
    if (!sincronizzato()) {
        emit(verso == Verso::Su ? UpClick() : DownClick());
        return;
    }
    const auto nuovo = passoSpinner(campo_->text().toStdString(), intervallo_, ultimo_, verso);
    if (!nuovo) return;
    ultimo_ = *nuovo;
    campo_->setText(QString::fromStdString(InteroInTesto(*nuovo)));
    emit Change();
}

void UpDown::opzioniStile(QStyleOptionSpinBox* opzioni) const {
    opzioni->initFrom(this);
    opzioni->subControls = QStyle::SC_SpinBoxUp | QStyle::SC_SpinBoxDown | QStyle::SC_SpinBoxFrame;
    opzioni->frame = true;
    opzioni->buttonSymbols = QAbstractSpinBox::UpDownArrows;
    opzioni->stepEnabled = QAbstractSpinBox::StepUpEnabled | QAbstractSpinBox::StepDownEnabled;
    if (premuta_) {
        opzioni->activeSubControls = *premuta_ == Verso::Su ? QStyle::SC_SpinBoxUp : QStyle::SC_SpinBoxDown;
        opzioni->state |= QStyle::State_Sunken;
    } else {
        opzioni->activeSubControls = QStyle::SC_None;
    }
}

void UpDown::paintEvent(QPaintEvent* /*evento*/) {
    QStyleOptionSpinBox opzioni;
    opzioniStile(&opzioni);
    QPainter pittore(this);
    style()->drawComplexControl(QStyle::CC_SpinBox, &opzioni, &pittore, this);
}

// The style's own parts where it has them; elsewhere the upper half is up.
std::optional<Verso> UpDown::frecciaIn(QPoint punto) const {
    if (!rect().contains(punto)) return std::nullopt;
    QStyleOptionSpinBox opzioni;
    opzioniStile(&opzioni);
    const auto parte = style()->hitTestComplexControl(QStyle::CC_SpinBox, &opzioni, punto, this);
    if (parte == QStyle::SC_SpinBoxUp) return Verso::Su;
    if (parte == QStyle::SC_SpinBoxDown) return Verso::Giu;
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
    QWidget::hideEvent(evento);
}

}  // namespace flumetra
