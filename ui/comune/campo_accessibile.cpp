#include "ui/comune/campo_accessibile.h"

#include <QAccessibleWidget>

#include "ui/comune/campo_testo.h"
#include "ui/comune/interfaccia_accessibile.h"

namespace flumetra {
namespace {

// A text to read, select and copy: never editable.
class CampoSoloLettura : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit CampoSoloLettura(CampoTesto* campo) : QAccessibleWidget(campo, QAccessible::EditableText) {}

    void* interface_cast(QAccessible::InterfaceType tipo) override {
        if (tipo == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(tipo);
    }

    [[nodiscard]] QAccessible::State state() const override {
        QAccessible::State stato = QAccessibleWidget::state();
        stato.editable = false;
        stato.readOnly = true;
        stato.selectableText = true;
        return stato;
    }
    [[nodiscard]] QString text(QAccessible::Text tipo) const override {
        if (tipo == QAccessible::Value) return campo()->text();
        return QAccessibleWidget::text(tipo);
    }

    // QAccessibleTextInterface, over the field's own text and selection.
    void selection(int selectionIndex, int* inizio, int* fine) const override {
        *inizio = *fine = 0;
        if (selectionIndex != 0 || !campo()->hasSelectedText()) return;
        *inizio = campo()->selectionStart();
        *fine = campo()->selectionEnd();
    }
    [[nodiscard]] int selectionCount() const override { return campo()->hasSelectedText() ? 1 : 0; }
    void addSelection(int inizio, int fine) override { campo()->setSelection(inizio, fine - inizio); }
    void removeSelection(int /*selectionIndex*/) override { campo()->deselect(); }
    void setSelection(int /*selectionIndex*/, int inizio, int fine) override {
        campo()->setSelection(inizio, fine - inizio);
    }
    [[nodiscard]] int cursorPosition() const override { return campo()->cursorPosition(); }
    void setCursorPosition(int posizione) override { campo()->setCursorPosition(posizione); }
    [[nodiscard]] QString text(int inizio, int fine) const override {
        return campo()->text().mid(inizio, fine - inizio);
    }
    [[nodiscard]] int characterCount() const override { return static_cast<int>(campo()->text().size()); }
    [[nodiscard]] QRect characterRect(int /*posizione*/) const override { return {}; }
    [[nodiscard]] int offsetAtPoint(const QPoint& punto) const override {
        return campo()->cursorPositionAt(campo()->mapFromGlobal(punto));
    }
    void scrollToSubstring(int /*inizio*/, int /*fine*/) override {}
    [[nodiscard]] QString attributes(int posizione, int* inizio, int* fine) const override {
        *inizio = *fine = posizione;
        return {};
    }

private:
    [[nodiscard]] CampoTesto* campo() const { return static_cast<CampoTesto*>(widget()); }
};

// The information line: a push button named by the text it shows.
class Pulsante : public QAccessibleWidget {
public:
    explicit Pulsante(CampoTesto* campo) : QAccessibleWidget(campo, QAccessible::Button) {}

    [[nodiscard]] QString text(QAccessible::Text tipo) const override {
        if (tipo == QAccessible::Name) return campo()->text();
        return QAccessibleWidget::text(tipo);
    }
    [[nodiscard]] QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& azione) override {
        if (azione == pressAction()) campo()->clicca();
    }
    [[nodiscard]] QStringList keyBindingsForAction(const QString& azione) const override {
        if (azione == pressAction()) return {QStringLiteral("Space")};
        return {};
    }

private:
    [[nodiscard]] CampoTesto* campo() const { return static_cast<CampoTesto*>(widget()); }
};

QAccessibleInterface* interfacciaDelCampo(const QString& classe, QObject* oggetto) {
    if (classe != QLatin1String(CampoTesto::staticMetaObject.className())) return nullptr;
    auto* campo = qobject_cast<CampoTesto*>(oggetto);
    if (campo == nullptr || !campo->isReadOnly()) return nullptr;  // Qt's own line edit
    if (campo->pulsante()) return new Pulsante(campo);
    return new CampoSoloLettura(campo);
}

}  // namespace

void rendiAccessibile(CampoTesto* campo) { usaInterfaccia<CampoSoloLettura, Pulsante>(campo, interfacciaDelCampo); }

}  // namespace flumetra
