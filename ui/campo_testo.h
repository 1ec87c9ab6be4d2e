// A one-line text field that reports each key release once the key has
// changed the text, and clicks. A key held down and repeated by the system
// counts once, at its last release.
#pragma once

#include <QLineEdit>

namespace flumetra {

class CampoTesto : public QLineEdit {
    Q_OBJECT

public:
    CampoTesto(const QString& testo, QWidget* genitore);

signals:
    void KeyUp(int tasto, int modificatori);
    void Click();

protected:
    void keyReleaseEvent(QKeyEvent* evento) override;
    void mouseReleaseEvent(QMouseEvent* evento) override;
};

}  // namespace flumetra
