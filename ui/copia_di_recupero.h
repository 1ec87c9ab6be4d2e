// The recovery copy of a run with unsaved changes, so that nothing is lost
// in a crash: written whole (QSaveFile) at most half a second after an
// edit, in the program's data folder (QStandardPaths::AppDataLocation:
// ~/.local/share/Flumetra on Linux, %APPDATA%\Flumetra on Windows), with
// the name of the file the run came from beside it. A save, a discard and
// a normal close remove it; a start after a crash finds it.
#pragma once

#include <QDateTime>
#include <QObject>
#include <QString>
#include <QTimer>
#include <optional>
#include <variant>

#include "percorso/percorso.h"

namespace flumetra {

class CopiaDiRecupero : public QObject {
    Q_OBJECT

public:
    static constexpr int ritardoMs = 500;

    explicit CopiaDiRecupero(QObject* parent);

    // Where the copy is kept, and the name of the run's own file.
    [[nodiscard]] static QString file();
    [[nodiscard]] static QString fileOrigine();

    // Asks for a copy: daScrivere comes once, half a second from the first
    // call of a burst, however many calls come in between.
    void programma();
    // Writes it now; nothing when written, else why not.
    std::optional<QString> scrivi(const percorso::Percorso& percorso, const QString& origine);
    // Removes it and cancels a copy asked for.
    void rimuovi();

    struct Trovata {
        percorso::Percorso percorso;
        QString origine;  // the run's own file; empty for a run never saved
        QDateTime quando;
    };
    // The copy left by a program that did not close, or why it cannot be
    // read; nothing when there is none.
    [[nodiscard]] static std::variant<std::monostate, Trovata, QString> cerca();
    // A copy that cannot be read, renamed so that the next copy does not
    // replace it: its new name, or the old one if it cannot be renamed.
    static QString mettiDaParte();

signals:
    void daScrivere();

private:
    QTimer timer_;
};

}  // namespace flumetra
