#include "ui/comune/file_recenti.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

#include "ui/comune/cartella_dei_dati.h"

namespace flumetra {
namespace {

const QString chiaveFile = QStringLiteral("recenti/file");
const QString chiaveCartella = QStringLiteral("recenti/cartella");

QSettings impostazioni() {
    return {QDir(cartellaDeiDati()).filePath(QStringLiteral("impostazioni.ini")), QSettings::IniFormat};
}

void scriviFile(const QStringList& elenco) { impostazioni().setValue(chiaveFile, elenco); }

}  // namespace

QStringList fileRecenti() { return impostazioni().value(chiaveFile).toStringList(); }

void ricordaFile(const QString& percorsoFile) {
    const QString assoluto = QFileInfo(percorsoFile).absoluteFilePath();
    QStringList elenco = fileRecenti();
    elenco.removeAll(assoluto);
    elenco.prepend(assoluto);
    while (elenco.size() > massimoRecenti) elenco.removeLast();
    scriviFile(elenco);
}

void dimenticaFile(const QString& percorsoFile) {
    QStringList elenco = fileRecenti();
    elenco.removeAll(percorsoFile);
    scriviFile(elenco);
}

void dimenticaTuttiIFile() { scriviFile({}); }

QString ultimaCartella() {
    const QString cartella = impostazioni().value(chiaveCartella).toString();
    return !cartella.isEmpty() && QFileInfo(cartella).isDir() ? cartella : QDir::homePath();
}

void ricordaCartella(const QString& cartella) { impostazioni().setValue(chiaveCartella, cartella); }

}  // namespace flumetra
