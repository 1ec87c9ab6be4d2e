#include "ui/grafica/errori_dei_file.h"

#include <QDir>
#include <QFileInfo>
#include <QStorageInfo>

namespace flumetra {

QString perche(const Circostanze& c) {
    if (!c.cartellaEsiste) return QStringLiteral("la cartella «%1» non esiste").arg(c.cartella);
    if (c.scrittura) {
        if (c.soloLettura) return QStringLiteral("il disco della cartella «%1» è di sola lettura").arg(c.cartella);
        if (!c.cartellaScrivibile) return QStringLiteral("non c'è il permesso di scrivere in «%1»").arg(c.cartella);
        if (c.fileEsiste && !c.fileScrivibile) return QStringLiteral("il file è di sola lettura");
        if (c.libero >= 0 && c.libero < c.necessario) return QStringLiteral("il disco è pieno");
    } else if (c.fileEsiste && !c.fileLeggibile) {
        return QStringLiteral("non c'è il permesso di leggerlo");
    }
    // Everything allows it, and still the system refused: another program
    // holds the file (on Windows, one that has it open).
    if (c.fileEsiste) {
        return QStringLiteral("il file è in uso da un altro programma, o il sistema l'ha rifiutato (%1)")
            .arg(c.sistema);
    }
    return QStringLiteral("il sistema l'ha rifiutato (%1)").arg(c.sistema);
}

Circostanze circostanze(const QString& percorsoFile, const QFileDevice& file, bool scrittura, qint64 necessario) {
    const QFileInfo info(percorsoFile);
    const QFileInfo cartella(info.absolutePath());
    Circostanze c;
    c.scrittura = scrittura;
    c.cartella = QDir::toNativeSeparators(info.absolutePath());
    c.cartellaEsiste = cartella.isDir();
    c.cartellaScrivibile = cartella.isWritable();
    c.fileEsiste = info.exists();
    c.fileScrivibile = info.isWritable();
    c.fileLeggibile = info.isReadable();
    c.necessario = necessario;
    c.sistema = file.errorString();
    if (c.cartellaEsiste) {
        const QStorageInfo disco(info.absolutePath());
        c.soloLettura = disco.isValid() && disco.isReadOnly();
        if (disco.isValid()) c.libero = disco.bytesAvailable();
    }
    return c;
}

QString nonSalvato(const QString& percorsoFile, const QFileDevice& file, qint64 necessario) {
    return QStringLiteral("Il file «%1» non è stato salvato: %2")
        .arg(QFileInfo(percorsoFile).fileName(), perche(circostanze(percorsoFile, file, true, necessario)));
}

}  // namespace flumetra
