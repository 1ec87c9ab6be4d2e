#include "ui/comune/contenitore_accessibile.h"

#include <QAccessibleWidget>
#include <QGroupBox>

#include "ui/comune/interfaccia_accessibile.h"

namespace flumetra {
namespace {

constexpr const char* soloVisibili = "flumetra_soloVisibili";

class ContenitoreAccessibile : public QAccessibleWidget {
public:
    ContenitoreAccessibile(QWidget* contenitore, QAccessible::Role ruolo) : QAccessibleWidget(contenitore, ruolo) {}

    [[nodiscard]] int childCount() const override { return static_cast<int>(figli().size()); }
    [[nodiscard]] QAccessibleInterface* child(int indice) const override {
        const QList<QAccessibleInterface*> tutti = figli();
        return indice >= 0 && indice < tutti.size() ? tutti.at(indice) : nullptr;
    }
    [[nodiscard]] int indexOfChild(const QAccessibleInterface* figlio) const override {
        return static_cast<int>(figli().indexOf(const_cast<QAccessibleInterface*>(figlio)));
    }
    [[nodiscard]] QString text(QAccessible::Text tipo) const override {
        if (tipo == QAccessible::Name && widget()->accessibleName().isEmpty()) {
            if (const auto* cornice = qobject_cast<const QGroupBox*>(widget())) {
                return QString(cornice->title()).remove(QLatin1Char('&'));
            }
        }
        return QAccessibleWidget::text(tipo);
    }

private:
    // Qt's own list of children, without those hidden by the program.
    [[nodiscard]] QList<QAccessibleInterface*> figli() const {
        QList<QAccessibleInterface*> visibili;
        for (int i = 0; i < QAccessibleWidget::childCount(); ++i) {
            QAccessibleInterface* figlio = QAccessibleWidget::child(i);
            const auto* controllo = figlio != nullptr ? qobject_cast<const QWidget*>(figlio->object()) : nullptr;
            if (controllo == nullptr || !controllo->isHidden()) visibili << figlio;
        }
        return visibili;
    }
};

QAccessibleInterface* interfacciaDelContenitore(const QString& /*classe*/, QObject* oggetto) {
    auto* contenitore = qobject_cast<QWidget*>(oggetto);
    if (contenitore == nullptr || !contenitore->property(soloVisibili).toBool()) return nullptr;
    const QAccessible::Role ruolo =
        qobject_cast<QGroupBox*>(contenitore) != nullptr ? QAccessible::Grouping : QAccessible::Client;
    return new ContenitoreAccessibile(contenitore, ruolo);
}

}  // namespace

void offriSoloIVisibili(QWidget* contenitore) {
    contenitore->setProperty(soloVisibili, true);
    usaInterfaccia<ContenitoreAccessibile>(contenitore, interfacciaDelContenitore);
}

void annunciaVisibilita(QWidget* controllo, bool visibile) {
    if (!QAccessible::isActive()) return;
    QAccessibleEvent evento(controllo, visibile ? QAccessible::ObjectCreated : QAccessible::ObjectDestroyed);
    QAccessible::updateAccessibility(&evento);
}

}  // namespace flumetra
