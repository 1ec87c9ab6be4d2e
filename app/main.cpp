// Flumetra: the calculator's window; `flumetra FILE.flumetra` opens the run
// sheet beside it with that run. After a crash, the runs it left are
// offered back first.

#include <QApplication>
#include <QCommandLineParser>
#include <QTimer>
#include <QWindow>
#include <functional>
#include <utility>

#include "ui/comune/progetto.h"
#include "ui/comune/traduzione.h"
#include "ui/foglio/foglio_percorso.h"
#include "ui/programma/coordinatore.h"

namespace {

// Runs once, when the window is first on screen: its place is known then.
class AllaPrimaEsposizione : public QObject {
public:
    AllaPrimaEsposizione(QWindow* finestra, std::function<void()> azione)
        : QObject(finestra), azione_(std::move(azione)) {
        finestra->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* oggetto, QEvent* evento) override {
        if (evento->type() == QEvent::Expose && static_cast<QWindow*>(oggetto)->isExposed()) {
            oggetto->removeEventFilter(this);
            QTimer::singleShot(0, this, azione_);
        }
        return false;
    }

private:
    std::function<void()> azione_;
};

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // No organisation: the data folder (the run's recovery copy) is
    // ~/.local/share/Flumetra on Linux and %APPDATA%\Flumetra on Windows.
    QApplication::setApplicationName(QStringLiteral("Flumetra"));
    QApplication::setApplicationVersion(QString::fromUtf8(flumetra::progetto::versione.data(),
                                                          static_cast<qsizetype>(flumetra::progetto::versione.size())));
    QApplication::setDesktopFileName(QStringLiteral("org.flumetra.Flumetra"));
    flumetra::traduciTestiDiQt(app);  // without it, Qt's own texts stay English

    QCommandLineParser riga;
    riga.setApplicationDescription(QStringLiteral("Dimensiona i canali d'aria di ventilazione."));
    riga.addHelpOption();
    riga.addVersionOption();
    riga.addPositionalArgument(QStringLiteral("file"), QStringLiteral("un percorso da aprire (.flumetra)"),
                               QStringLiteral("[file]"));
    riga.process(app);

    flumetra::Coordinatore programma;
    programma.principale().show();
    // After a crash the runs it left are offered first, then the file named.
    const QStringList file = riga.positionalArguments();
    new AllaPrimaEsposizione(programma.principale().windowHandle(), [&programma, file] {
        programma.offriRecupero();
        if (!file.isEmpty()) programma.mostraPercorso().apriChiedendo(file.constFirst());
    });
    return QApplication::exec();
}
