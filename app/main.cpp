// Flumetra: one window, no command line, no settings, nothing saved.

#include <QApplication>

#include "ui/form_principale.h"
#include "ui/progetto.h"
#include "ui/traduzione.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Flumetra"));
    QApplication::setApplicationVersion(QString::fromUtf8(flumetra::progetto::versione.data(),
                                                          static_cast<qsizetype>(flumetra::progetto::versione.size())));
    QApplication::setDesktopFileName(QStringLiteral("org.flumetra.Flumetra"));
    flumetra::traduciTestiDiQt(app);  // without it, Qt's own texts stay English

    flumetra::Form_Principale finestra;
    finestra.show();
    return QApplication::exec();
}
