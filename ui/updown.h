// An up-down spinner: two separate arrow buttons, one above the other,
// drawn with the platform style's own spin arrows, beside a text field.
// Holding an arrow repeats the step at the style's rate; one notch of the
// mouse wheel and the Up and Down keys are one click on that arrow.
//
// Bound to its field (A, B, D, G), it steps the field's number within its
// range, writes the new plain whole number, then emits Change; when the
// field's text would not change it writes and emits nothing. Not bound
// (v, Y), it never writes: each click emits UpClick or DownClick.
#pragma once

#include <QTimer>
#include <QWidget>
#include <optional>

#include "logic/passo_spinner.h"

class QLineEdit;

namespace flumetra {

class UpDown : public QWidget {
    Q_OBJECT

public:
    // A spinner bound to its field, starting from the field's value.
    UpDown(QLineEdit* campo, IntervalloSpinner intervallo, Intero iniziale, QWidget* genitore);
    // A spinner that only reports its clicks; passo is read by the handlers.
    UpDown(int passo, QWidget* genitore);

    [[nodiscard]] int passo() const { return intervallo_.passo; }
    [[nodiscard]] IntervalloSpinner intervallo() const { return intervallo_; }
    [[nodiscard]] bool sincronizzato() const { return campo_ != nullptr; }
    [[nodiscard]] const QLineEdit* campo() const { return campo_; }

    // One click on an arrow, whether from the mouse, the wheel, the keyboard
    // or an assistive technology.
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
    void wheelEvent(QWheelEvent* evento) override;
    void keyPressEvent(QKeyEvent* evento) override;
    void hideEvent(QHideEvent* evento) override;

private:
    UpDown(QWidget* genitore);
    [[nodiscard]] QRect meta(Verso verso) const;
    [[nodiscard]] std::optional<Verso> frecciaIn(QPoint punto) const;
    void ripeti();

    QLineEdit* campo_ = nullptr;
    IntervalloSpinner intervallo_{0, 0, 0};
    Intero ultimo_ = 0;  // the last value written, for a field that holds no number
    std::optional<Verso> premuta_;
    QTimer ripetizione_;
    int rotella_ = 0;  // wheel rotation not yet a whole notch, in eighths of a degree
};

}  // namespace flumetra
