// While the calculator stays above other windows, every dialog and message
// of any of the program's windows opens above it too: a dialog under it
// would be out of reach. A dialog of Qt's own is put on top itself and
// made the calculator's (its transient window), so that a click on the
// calculator does not raise it over the dialog; while one the platform
// draws is open (Windows' file dialogs), the calculator lets go of its
// place above and takes it back after.
#pragma once

#include <QObject>
#include <QWidget>
#include <functional>

namespace flumetra {

class DialoghiSopra : public QObject {
public:
    // inPrimoPiano: whether the calculator stays on top now; restaSopra
    // sets that (false while a platform's dialog is open, true after).
    DialoghiSopra(QWidget& calcolatore, std::function<bool()> inPrimoPiano, std::function<void(bool)> restaSopra);

protected:
    bool eventFilter(QObject* oggetto, QEvent* evento) override;

private:
    QWidget& calcolatore_;
    std::function<bool()> inPrimoPiano_;
    std::function<void(bool)> restaSopra_;
    int dialoghiDellaPiattaforma_ = 0;  // open now, with the calculator let go
};

}  // namespace flumetra
