// A one-line text field that reports each key release once the key has
// changed the text, and clicks.
//
// A release counts only when its key was pressed in this field: the release
// of the Tab that brought the focus here, or of a key pressed before a mouse
// click moved the focus, belongs to another control. A key held down and
// repeated by the system counts once, at its last release.
//
// The numeric keypad's decimal key types the decimal comma, whatever the
// keyboard layout. On a read-only field, Space and Enter are a click.
#pragma once

#include <QLineEdit>
#include <QSet>

namespace flumetra {

class CampoTesto : public QLineEdit {
    Q_OBJECT

public:
    CampoTesto(const QString& testo, QWidget* parent);

signals:
    void KeyUp(int tasto, int modificatori);
    void Click();

protected:
    bool event(QEvent* evento) override;
    void keyReleaseEvent(QKeyEvent* evento) override;
    void mouseReleaseEvent(QMouseEvent* evento) override;
    void focusOutEvent(QFocusEvent* evento) override;

private:
    QSet<int> premuti_;  // keys pressed here and not yet released
};

}  // namespace flumetra
