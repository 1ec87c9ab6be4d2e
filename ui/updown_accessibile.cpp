#include "ui/updown_accessibile.h"

#include <QAccessibleWidget>
#include <QLineEdit>

#include "calc/fallimento.h"
#include "calc/testo.h"
#include "ui/updown.h"

namespace flumetra {
namespace {

class UpDownAccessibile : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit UpDownAccessibile(UpDown* spinner) : QAccessibleWidget(spinner, QAccessible::SpinBox) {}

    void* interface_cast(QAccessible::InterfaceType tipo) override {
        if (tipo == QAccessible::ValueInterface && spinner()->sincronizzato()) {
            return static_cast<QAccessibleValueInterface*>(this);
        }
        return QAccessibleWidget::interface_cast(tipo);
    }

    [[nodiscard]] QString text(QAccessible::Text tipo) const override {
        if (tipo == QAccessible::Value && spinner()->sincronizzato()) return spinner()->campo()->text();
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

    // Value, for a bound spinner: its field's number. The field is the
    // place to change it, so setting it here does nothing.
    [[nodiscard]] QVariant currentValue() const override {
        try {
            return TestoInReale(spinner()->campo()->text().toStdString());
        } catch (const Fallimento&) {
            return {};
        }
    }
    void setCurrentValue(const QVariant& /*valore*/) override {}
    [[nodiscard]] QVariant maximumValue() const override { return spinner()->intervallo().massimo; }
    [[nodiscard]] QVariant minimumValue() const override { return spinner()->intervallo().minimo; }
    [[nodiscard]] QVariant minimumStepSize() const override { return spinner()->intervallo().passo; }

private:
    [[nodiscard]] UpDown* spinner() const { return static_cast<UpDown*>(widget()); }
};

QAccessibleInterface* fabbrica(const QString& classe, QObject* oggetto) {
    if (classe == QLatin1String(UpDown::staticMetaObject.className())) {
        if (auto* spinner = qobject_cast<UpDown*>(oggetto)) return new UpDownAccessibile(spinner);
    }
    return nullptr;
}

}  // namespace

void rendiAccessibileUpDown() {
    static const bool registrata = [] {
        QAccessible::installFactory(fabbrica);
        return true;
    }();
    (void)registrata;
}

void annunciaValore(QObject* spinner) {
    if (!QAccessible::isActive()) return;
    auto* s = qobject_cast<UpDown*>(spinner);
    if (s == nullptr || !s->sincronizzato()) return;
    QAccessibleInterface* interfaccia = QAccessible::queryAccessibleInterface(s);
    if (interfaccia == nullptr || interfaccia->valueInterface() == nullptr) return;
    QAccessibleValueChangeEvent evento(spinner, interfaccia->valueInterface()->currentValue());
    QAccessible::updateAccessibility(&evento);
}

}  // namespace flumetra
