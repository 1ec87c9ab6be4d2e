// The files a person opened or saved last, newest first (at most
// massimoRecenti), and the folder their file dialogs last used: kept in the
// settings file of the data folder (cartella_dei_dati.h), so that a test or
// a script player's process keeps its own.
#pragma once

#include <QString>
#include <QStringList>

namespace flumetra {

inline constexpr int massimoRecenti = 8;

[[nodiscard]] QStringList fileRecenti();
// First in the list, once; the oldest goes past the eighth.
void ricordaFile(const QString& percorsoFile);
void dimenticaFile(const QString& percorsoFile);
void dimenticaTuttiIFile();

// The folder a file dialog starts in: the last one used, else the home folder.
[[nodiscard]] QString ultimaCartella();
void ricordaCartella(const QString& cartella);

}  // namespace flumetra
