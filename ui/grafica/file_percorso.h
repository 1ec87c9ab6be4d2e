// A run's file and the sheet's exports on disk: read whole or refused with a
// message that names the file and what and where; written whole or not at
// all (QSaveFile: a crash or a full disk leaves the old file as it was).
//
//   leggiPercorso("/tmp/anello.flumetra")
//     -> "Il file «anello.flumetra» non è stato aperto: tratto 1 («T1»), monte: … anello …"
#pragma once

#include <QByteArray>
#include <QString>
#include <optional>
#include <variant>

#include "percorso/percorso.h"

namespace flumetra {

// The name a message gives a file: its own, without the folders.
QString nomeDelFile(const QString& percorsoFile);
// The name a run goes by: its file's, or «Senza nome» for a run never saved.
QString nomeDelPercorso(const QString& percorsoFile);

std::variant<percorso::Percorso, QString> leggiPercorso(const QString& percorsoFile);

// Nothing when written; else why not, naming the file.
std::optional<QString> scriviTutto(const QString& percorsoFile, const QByteArray& contenuto);

// The run as its file holds it, UTF-8.
QByteArray testoDelFile(const percorso::Percorso& percorso);

}  // namespace flumetra
