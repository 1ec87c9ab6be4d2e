#include "ui/calcolatore/updown_accessibile.h"

#include <QAccessibleWidget>
#include <cmath>
#include <string>
#include "ui/comune/campo_testo.h"

#include "calc/fallimento.h"
#include "calc/testo.h"
#include "logic/quantita.h"
#include "ui/calcolatore/updown.h"

namespace flumetra {
namespace {

class UpDownAccessibile : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit UpDownAccessibile(UpDown* spinner) : QAccessibleWidget(spinner, QAccessible::SpinBox) {}

    void* interface_cast(QAccessible::InterfaceType tipo) override {
        if (tipo == QAccessible::ValueInterface) return static_cast<QAccessibleValueInterface*>(this);
        return QAccessibleWidget::interface_cast(tipo);
    }

    [[nodiscard]] QString text(QAccessible::Text tipo) const override {
        if (tipo == QAccessible::Value) return spinner()->campo()->testoUsato();
        return QAccessibleWidget::text(tipo);
    }

    // Actions: exactly what a click on the upper or lower arrow does.
    [[nodiscard]] QStringList actionNames() const override {
        return QAccessibleWidget::actionNames() << increaseAction() << decreaseAction();
    }
    void doAction(const QString& azione) override {
        if (azione == increaseAction()) {
            spinner()->clicca(Verso::Su);
        } else if (azione == decreaseAction()) {
            spinner()->clicca(Verso::Giu);
        } else {
            QAccessibleWidget::doAction(azione);
        }
    }
    [[nodiscard]] QStringList keyBindingsForAction(const QString& azione) const override {
        if (azione == increaseAction()) return {QStringLiteral("Up")};
        if (azione == decreaseAction()) return {QStringLiteral("Down")};
        return QAccessibleWidget::keyBindingsForAction(azione);
    }

    // Value: the field's number as the calculator used it, not a text it
    // refused. Setting a bound spinner's value types that number into the
    // field, which then does what typing does; a fine spinner's value is
    // read-only, as the spinner never writes its field.
    [[nodiscard]] QVariant currentValue() const override {
        try {
            return TestoInReale(spinner()->campo()->testoUsato().toStdString());
        } catch (const Fallimento&) {
            return {};
        }
    }
    void setCurrentValue(const QVariant& valore) override {
        if (!spinner()->legatoAlCampo() || !valore.canConvert<double>()) return;
        const double numero = valore.toDouble();
        try {
            const std::string testo = numero == std::nearbyint(numero) && std::abs(numero) < 1e9
                                          ? InteroInTesto(static_cast<Intero>(numero))
                                          : RealeInTesto(numero);
            spinner()->campo()->setText(QString::fromStdString(testo));
        } catch (const Fallimento&) {
            // not a finite number: nothing to type
        }
    }
    [[nodiscard]] QVariant maximumValue() const override {
        if (spinner()->legatoAlCampo()) return spinner()->intervallo().massimo;
        return dati(spinner()->dati().campo).immissione->sopra;
    }
    [[nodiscard]] QVariant minimumValue() const override {
        if (spinner()->legatoAlCampo()) return spinner()->intervallo().minimo;
        return dati(spinner()->dati().campo).immissione->sotto;
    }
    [[nodiscard]] QVariant minimumStepSize() const override {
        if (spinner()->legatoAlCampo()) return spinner()->intervallo().passo;
        return spinner()->passo() / spinner()->dati().divisore;
    }

private:
    [[nodiscard]] UpDown* spinner() const { return static_cast<UpDown*>(widget()); }
};

QAccessibleInterface* interfaceFor(const QString& classe, QObject* oggetto) {
    if (classe == QLatin1String(UpDown::staticMetaObject.className())) {
        if (auto* spinner = qobject_cast<UpDown*>(oggetto)) return new UpDownAccessibile(spinner);
    }
    return nullptr;
}

}  // namespace

void rendiAccessibileUpDown() {
    static const bool registrata = [] {
        QAccessible::installFactory(interfaceFor);
        return true;
    }();
    (void)registrata;
}

void annunciaValore(QObject* spinner) {
    if (!QAccessible::isActive()) return;
    auto* s = qobject_cast<UpDown*>(spinner);
    if (s == nullptr) return;
    QAccessibleInterface* interfaccia = QAccessible::queryAccessibleInterface(s);
    if (interfaccia == nullptr || interfaccia->valueInterface() == nullptr) return;
    QAccessibleValueChangeEvent evento(spinner, interfaccia->valueInterface()->currentValue());
    QAccessible::updateAccessibility(&evento);
}

}  // namespace flumetra
