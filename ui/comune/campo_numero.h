// A number input with its arrows: the decimal comma and the calculator's own
// reading and writing of numbers (no locale), a range, a step and a unit.
// Typing a number outside the range is not accepted.
#pragma once

#include <QDoubleSpinBox>

namespace flumetra {

class CampoNumero : public QDoubleSpinBox {
    Q_OBJECT

public:
    CampoNumero(double minimo, double massimo, double passo, int decimali, const QString& unita, QWidget* parent);

protected:
    [[nodiscard]] QString textFromValue(double valore) const override;
    [[nodiscard]] double valueFromText(const QString& testo) const override;
    QValidator::State validate(QString& testo, int& posizione) const override;
};

}  // namespace flumetra
