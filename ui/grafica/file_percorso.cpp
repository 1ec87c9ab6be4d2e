#include "ui/grafica/file_percorso.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <string_view>

#include "percorso/file.h"
#include "ui/grafica/errori_dei_file.h"

namespace flumetra {

QString nomeDelFile(const QString& percorsoFile) { return QFileInfo(percorsoFile).fileName(); }

QString nomeDelPercorso(const QString& percorsoFile) {
    return percorsoFile.isEmpty() ? QStringLiteral("Senza nome") : nomeDelFile(percorsoFile);
}

std::variant<percorso::Percorso, QString> leggiPercorso(const QString& percorsoFile) {
    const QString non = QStringLiteral("Il file «%1» non è stato aperto: %2").arg(nomeDelFile(percorsoFile));
    QFile file(percorsoFile);
    if (!file.exists()) return non.arg(QStringLiteral("non esiste"));
    if (QFileInfo(percorsoFile).isDir()) return non.arg(QStringLiteral("è una cartella"));
    if (!file.open(QIODevice::ReadOnly)) return non.arg(perche(circostanze(percorsoFile, file, false)));
    const QByteArray testo = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        return non.arg(QStringLiteral("lettura interrotta: %1").arg(perche(circostanze(percorsoFile, file, false))));
    }
    auto letto = percorso::leggi(std::string_view(testo.constData(), static_cast<std::size_t>(testo.size())));
    if (const auto* rifiuto = std::get_if<percorso::Rifiuto>(&letto)) {
        return non.arg(QString::fromStdString(rifiuto->messaggio));
    }
    return std::get<percorso::Percorso>(std::move(letto));
}

std::optional<QString> scriviTutto(const QString& percorsoFile, const QByteArray& contenuto) {
    QSaveFile file(percorsoFile);
    if (file.open(QIODevice::WriteOnly) && file.write(contenuto) == contenuto.size() && file.commit()) {
        return std::nullopt;
    }
    return nonSalvato(percorsoFile, file, contenuto.size());
}

QByteArray testoDelFile(const percorso::Percorso& percorso) {
    return QByteArray::fromStdString(percorso::scrivi(percorso));
}

}  // namespace flumetra
