// An up-down spinner: two arrows drawn by the platform's style, beside a
// text field. Holding an arrow repeats the step at the style's rate.
//
// Bound to its field (A, B, D, G), it steps the field's number within its
// range, writes the new plain whole number, then emits Change; when the
// field's text would not change it writes and emits nothing. Not bound
// (v, Y), it never writes: each click emits UpClick or DownClick.
#pragma once

#include <QTimer>
#include <QWidget>

#include "logic/passo_spinner.h"

class QLineEdit;
class QStyleOptionSpinBox;

namespace flumetra {

class UpDown : public QWidget {
    Q_OBJECT

public:
    // A spinner bound to its field, starting from the field's value.
    UpDown(QLineEdit* campo, IntervalloSpinner intervallo, Intero iniziale, QWidget* genitore);
    // A spinner that only reports its clicks; passo is read by the handlers.
    UpDown(int passo, QWidget* genitore);

    [[nodiscard]] int passo() const { return intervallo_.passo; }
    [[nodiscard]] bool sincronizzato() const { return campo_ != nullptr; }

    // One click on an arrow, as the mouse or the keyboard gives it.
    void clicca(Verso verso);

    [[nodiscard]] QSize sizeHint() const override { return {17, 19}; }

signals:
    void Change();
    void UpClick();
    void DownClick();

protected:
    void paintEvent(QPaintEvent* evento) override;
    void mousePressEvent(QMouseEvent* evento) override;
    void mouseReleaseEvent(QMouseEvent* evento) override;
    void keyPressEvent(QKeyEvent* evento) override;
    void hideEvent(QHideEvent* evento) override;

private:
    void opzioniStile(QStyleOptionSpinBox* opzioni) const;
    [[nodiscard]] std::optional<Verso> frecciaIn(QPoint punto) const;
    void ripeti();

    QLineEdit* campo_ = nullptr;
    IntervalloSpinner intervallo_{0, 0, 0};
    Intero ultimo_ = 0;  // the last value written, for a field that holds no number
    std::optional<Verso> premuta_;
    QTimer ripetizione_;
};

}  // namespace flumetra
