// Giving a widget an accessible interface of the program's own: the factory
// is registered with Qt once, and an interface Qt made for the widget before
// (as for any widget, while it was being built) gives way to the factory's.
//
//   usaInterfaccia<CampoSoloLettura, Pulsante>(campo, interfacciaDelCampo);
#pragma once

#include <QAccessible>

namespace flumetra {

template <typename... Interfacce>
void usaInterfaccia(QObject* oggetto, QAccessible::InterfaceFactory fabbrica) {
    static const bool registrata = [fabbrica] {
        QAccessible::installFactory(fabbrica);
        return true;
    }();
    (void)registrata;
    QAccessibleInterface* fatta = QAccessible::queryAccessibleInterface(oggetto);
    if (fatta != nullptr && (... && (dynamic_cast<Interfacce*>(fatta) == nullptr))) {
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(fatta));
    }
}

}  // namespace flumetra
