// Flumetra: one window, no command line, no settings, nothing saved.

#include <QApplication>

#include "ui/form_principale.h"

int main(int argc, char* argv[]) {
    QApplication applicazione(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Flumetra"));
    QApplication::setDesktopFileName(QStringLiteral("flumetra"));

    flumetra::Form_Principale finestra;
    finestra.show();
    return QApplication::exec();
}
