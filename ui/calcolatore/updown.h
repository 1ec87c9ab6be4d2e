// An up-down spinner: two separate arrow buttons, one above the other,
// drawn with the platform style's own spin arrows, beside a text field.
// Holding an arrow repeats the step at the style's rate; one notch of the
// mouse wheel and the Up and Down keys are one click on that arrow.
//
// Each click emits Freccia; what follows is the calculator's (a bound
// spinner's step, written into its field like every program write, then its
// change; a fine spinner's up or down click). A bound spinner keeps its own
// value, the last number it wrote. Assistive technologies see the field's
// number as the spinner's value; setting a bound spinner's value is typing
// that number into the field.
#pragma once

#include <QTimer>
#include <QWidget>
#include <optional>

#include "logic/quantita.h"

namespace flumetra {

class CampoTesto;

class UpDown : public QWidget {
    Q_OBJECT

public:
    UpDown(Spinner spinner, CampoTesto* campo, QWidget* parent);

    [[nodiscard]] int passo() const { return dati_.intervallo.passo; }
    [[nodiscard]] IntervalloSpinner intervallo() const { return dati_.intervallo; }
    [[nodiscard]] bool legatoAlCampo() const { return dati_.legatoAlCampo; }
    [[nodiscard]] CampoTesto* campo() const { return campo_; }
    [[nodiscard]] const DatiSpinner& dati() const { return dati_; }
    [[nodiscard]] Intero valore() const { return valore_; }
    void impostaValore(Intero valore) { valore_ = valore; }

    // One click on an arrow, whether from the mouse, the wheel, the keyboard
    // or an assistive technology.
    void clicca(Verso verso);

    [[nodiscard]] QSize sizeHint() const override { return {17, 19}; }

signals:
    void Freccia(flumetra::Verso verso);

protected:
    void paintEvent(QPaintEvent* evento) override;
    void mousePressEvent(QMouseEvent* evento) override;
    void mouseReleaseEvent(QMouseEvent* evento) override;
    void wheelEvent(QWheelEvent* evento) override;
    void keyPressEvent(QKeyEvent* evento) override;
    void hideEvent(QHideEvent* evento) override;

private:
    [[nodiscard]] QRect meta(Verso verso) const;
    [[nodiscard]] std::optional<Verso> frecciaIn(QPoint punto) const;
    void ripeti();

    const DatiSpinner& dati_;
    CampoTesto* campo_;
    Intero valore_;
    std::optional<Verso> premuta_;
    QTimer ripetizione_;
    int rotella_ = 0;  // wheel rotation not yet a whole notch, in eighths of a degree
};

}  // namespace flumetra
