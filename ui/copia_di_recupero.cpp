#include "ui/copia_di_recupero.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include "ui/file_percorso.h"

namespace flumetra {

CopiaDiRecupero::CopiaDiRecupero(QObject* parent) : QObject(parent) {
    timer_.setSingleShot(true);
    timer_.setInterval(ritardoMs);
    connect(&timer_, &QTimer::timeout, this, &CopiaDiRecupero::daScrivere);
}

QString CopiaDiRecupero::file() {
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
           QStringLiteral("/recupero/percorso.flumetra");
}

QString CopiaDiRecupero::fileOrigine() {
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/recupero/origine.txt");
}

// Not restarted by later calls: a run edited without pause is still copied
// every half second.
void CopiaDiRecupero::programma() {
    if (!timer_.isActive()) timer_.start();
}

// The origin first: a copy is never beside another run's name.
std::optional<QString> CopiaDiRecupero::scrivi(const percorso::Percorso& percorso, const QString& origine) {
    if (!QDir().mkpath(QFileInfo(file()).path())) {
        return QStringLiteral("La cartella «%1» non si può creare").arg(QFileInfo(file()).path());
    }
    if (auto errore = scriviTutto(fileOrigine(), origine.toUtf8())) return errore;
    return scriviTutto(file(), testoDelFile(percorso));
}

void CopiaDiRecupero::rimuovi() {
    timer_.stop();
    QFile::remove(file());
    QFile::remove(fileOrigine());
}

std::variant<std::monostate, CopiaDiRecupero::Trovata, QString> CopiaDiRecupero::cerca() {
    if (!QFile::exists(file())) return std::monostate{};
    auto letto = leggiPercorso(file());
    if (auto* perche = std::get_if<QString>(&letto)) return *perche;
    QString origine;
    QFile nome(fileOrigine());
    if (nome.open(QIODevice::ReadOnly)) origine = QString::fromUtf8(nome.readAll());
    return Trovata{std::get<percorso::Percorso>(std::move(letto)), origine, QFileInfo(file()).lastModified()};
}

QString CopiaDiRecupero::mettiDaParte() {
    const QString accanto = QFileInfo(file()).path() + QStringLiteral("/illeggibile-") +
                            QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss")) +
                            QStringLiteral(".flumetra");
    return QFile::rename(file(), accanto) ? accanto : file();
}

}  // namespace flumetra
