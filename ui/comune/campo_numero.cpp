#include "ui/comune/campo_numero.h"

#include <cmath>
#include <optional>

#include "calc/fallimento.h"
#include "calc/testo.h"

namespace flumetra {
namespace {

// The number of a text without its unit, as the calculator reads it.
std::optional<double> numeroDi(QString testo, const QString& suffisso) {
    if (!suffisso.isEmpty() && testo.endsWith(suffisso)) testo.chop(suffisso.size());
    try {
        return TestoInReale(testo.trimmed().toStdString());
    } catch (const Fallimento&) {
        return std::nullopt;
    }
}

}  // namespace

CampoNumero::CampoNumero(double minimo, double massimo, double passo, int decimali, const QString& unita,
                         QWidget* parent)
    : QDoubleSpinBox(parent) {
    setDecimals(decimali);
    setRange(minimo, massimo);
    setSingleStep(passo);
    setSuffix(QLatin1Char(' ') + unita);
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setKeyboardTracking(false);  // the value counts once typed, not at every digit
}

QString CampoNumero::textFromValue(double valore) const { return QString::fromStdString(RealeInTesto(valore)); }

double CampoNumero::valueFromText(const QString& testo) const { return numeroDi(testo, suffix()).value_or(value()); }

// A number inside the range is acceptable; while it is being typed (a lone
// minus sign, a comma at the end, an empty text, one still outside the
// range) it is intermediate; anything else is refused.
QValidator::State CampoNumero::validate(QString& testo, int& /*posizione*/) const {
    QString numero = testo;
    if (numero.endsWith(suffix())) numero.chop(suffix().size());
    numero = numero.trimmed();
    if (numero.isEmpty() || numero == QStringLiteral("-") || numero == QStringLiteral("+")) {
        return QValidator::Intermediate;
    }
    if (numero.contains(QLatin1Char('.'))) return QValidator::Invalid;  // no digit groups here
    const std::optional<double> valore = numeroDi(numero, {});
    if (!valore) return numero.endsWith(QLatin1Char(',')) ? QValidator::Intermediate : QValidator::Invalid;
    return *valore >= minimum() && *valore <= maximum() ? QValidator::Acceptable : QValidator::Intermediate;
}

}  // namespace flumetra
