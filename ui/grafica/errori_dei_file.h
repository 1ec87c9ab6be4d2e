// Why a file could not be written or read, in the person's words and in
// Italian whatever language the system speaks: a missing folder, a disk
// that is read-only or full, no permission, a file another program holds;
// otherwise the system's own text, named as such.
//
//   perche(Circostanze{.scrittura = true, .cartellaEsiste = false, .cartella = "/progetti"})
//     -> "la cartella «/progetti» non esiste"
//   perche(Circostanze{.scrittura = true, … .libero = 100, .necessario = 4096 …})
//     -> "il disco è pieno"
#pragma once

#include <QFileDevice>
#include <QString>

namespace flumetra {

// What the file system says of the file and its folder after a failure.
struct Circostanze {
    bool scrittura = false;  // writing, else reading
    QString cartella{};      // where the file is, as the person reads it
    bool cartellaEsiste = true;
    bool soloLettura = false;  // the disk (or its mount) is read-only
    bool cartellaScrivibile = true;
    bool fileEsiste = false;
    bool fileScrivibile = true;
    bool fileLeggibile = true;
    qint64 libero = -1;  // bytes free on the disk; -1 when unknown
    qint64 necessario = 0;
    QString sistema{};  // the system's own text
};

[[nodiscard]] QString perche(const Circostanze& c);

// The circumstances of a failure on file, read off the disk now.
[[nodiscard]] Circostanze circostanze(const QString& percorsoFile, const QFileDevice& file, bool scrittura,
                                      qint64 necessario = 0);

// "Il file «rete.flumetra» non è stato salvato: il disco è pieno"
[[nodiscard]] QString nonSalvato(const QString& percorsoFile, const QFileDevice& file, qint64 necessario);

}  // namespace flumetra
