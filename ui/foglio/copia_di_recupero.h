// The recovery copies of runs with unsaved changes, so that nothing is lost
// in a crash, one for each running program: in the data folder's
// «recupero» (cartella_dei_dati.h), a program writes NAME.flumetra, whole
// (QSaveFile) at most half a second after an edit, with NAME.origine, the
// name of the file the run came from, and holds the lock NAME.lock
// (QLockFile) from its first copy until it ends. A save, a discard and a
// normal close remove its copy. A copy whose lock no running program holds
// was left by a crash (CopiaLasciata); no program touches another's copy
// while that one runs.
#pragma once

#include <QDateTime>
#include <QLockFile>
#include <QObject>
#include <QString>
#include <QTimer>
#include <memory>
#include <optional>
#include <variant>
#include <vector>

#include "percorso/percorso.h"

namespace flumetra {

// This program's copy.
class CopiaDiRecupero : public QObject {
    Q_OBJECT

public:
    static constexpr int ritardoMs = 500;

    explicit CopiaDiRecupero(QObject* parent);

    // Where this program's copy is kept.
    [[nodiscard]] QString file() const;

    // Asks for a copy: daScrivere comes once, half a second from the first
    // call of a burst, however many calls come in between.
    void programma();
    // Writes it now; nothing when written, else why not.
    std::optional<QString> scrivi(const percorso::Percorso& percorso, const QString& origine);
    // Removes it and cancels a copy asked for; the lock stays until the end.
    void rimuovi();

signals:
    void daScrivere();

private:
    QString nome_;
    std::unique_ptr<QLockFile> blocco_;
    QTimer timer_;
};

// A copy left by a program that is gone, locked by this one from when it
// is found until it is dropped: no other program offers it meanwhile.
struct CopiaLasciata {
    QString file;
    QDateTime quando;
    QString origine;                                      // the run's own file; empty for a run never saved
    std::variant<percorso::Percorso, QString> contenuto;  // the run, or why it cannot be read
    std::unique_ptr<QLockFile> blocco;

    // Every copy whose program is gone, oldest first.
    [[nodiscard]] static std::vector<CopiaLasciata> cerca();
    // Removes the copy.
    void rimuovi() const;
    // A copy that cannot be read, moved aside (to «recupero/illeggibili»)
    // where nobody offers it again: its new name, or the old one if it
    // cannot be moved.
    [[nodiscard]] QString mettiDaParte() const;
};

}  // namespace flumetra
