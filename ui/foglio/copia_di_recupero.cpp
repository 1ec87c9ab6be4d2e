#include "ui/foglio/copia_di_recupero.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>

#include "ui/comune/cartella_dei_dati.h"
#include "ui/grafica/file_percorso.h"

namespace flumetra {
namespace {

const QString estensioneCopia = QStringLiteral(".flumetra");
const QString estensioneOrigine = QStringLiteral(".origine");
const QString estensioneBlocco = QStringLiteral(".lock");

QString cartellaDelRecupero() { return cartellaDeiDati() + QStringLiteral("/recupero"); }

// NAME.flumetra -> NAME.origine
QString accanto(const QString& copia, const QString& estensione) {
    return copia.chopped(estensioneCopia.size()) + estensione;
}

// The lock of a copy, never taken for stale by its age: only a lock whose
// program has gone is.
std::unique_ptr<QLockFile> bloccoDi(const QString& copia) {
    auto blocco = std::make_unique<QLockFile>(accanto(copia, estensioneBlocco));
    blocco->setStaleLockTime(0);
    return blocco;
}

// A name no copy has: the time and the process, which no other program
// has at once.
QString nomeNuovo() {
    const QString base = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss-zzz")) +
                         QLatin1Char('-') + QString::number(QCoreApplication::applicationPid());
    QString nome = base;
    for (int n = 2; QFile::exists(cartellaDelRecupero() + QLatin1Char('/') + nome + estensioneCopia); ++n) {
        nome = base + QLatin1Char('-') + QString::number(n);
    }
    return nome;
}

}  // namespace

CopiaDiRecupero::CopiaDiRecupero(QObject* parent) : QObject(parent), nome_(nomeNuovo()) {
    timer_.setSingleShot(true);
    timer_.setInterval(ritardoMs);
    connect(&timer_, &QTimer::timeout, this, &CopiaDiRecupero::daScrivere);
}

QString CopiaDiRecupero::file() const { return cartellaDelRecupero() + QLatin1Char('/') + nome_ + estensioneCopia; }

// Not restarted by later calls: a run edited without pause is still copied
// every half second.
void CopiaDiRecupero::programma() {
    if (!timer_.isActive()) timer_.start();
}

// The lock before the copy, so that no copy of a running program is ever
// without it; the origin before the copy, so that a copy is never beside
// another run's name.
std::optional<QString> CopiaDiRecupero::scrivi(const percorso::Percorso& percorso, const QString& origine) {
    if (!QDir().mkpath(cartellaDelRecupero())) {
        return QStringLiteral("la cartella «%1» non si può creare")
            .arg(QDir::toNativeSeparators(cartellaDelRecupero()));
    }
    if (!blocco_) {
        auto blocco = bloccoDi(file());
        if (!blocco->tryLock(0)) {
            return QStringLiteral("il file «%1» non si può bloccare")
                .arg(QDir::toNativeSeparators(accanto(file(), estensioneBlocco)));
        }
        blocco_ = std::move(blocco);
    }
    if (auto errore = scriviTutto(accanto(file(), estensioneOrigine), origine.toUtf8())) return errore;
    return scriviTutto(file(), testoDelFile(percorso));
}

void CopiaDiRecupero::rimuovi() {
    timer_.stop();
    QFile::remove(file());
    QFile::remove(accanto(file(), estensioneOrigine));
}

namespace {

// The one copy an earlier version kept, with its origin beside it.
const QString copiaDiPrima = QStringLiteral("percorso.flumetra");
const QString origineDiPrima = QStringLiteral("origine.txt");

QString origineDi(const QString& copia) {
    const QFileInfo info(copia);
    if (info.fileName() == copiaDiPrima && !QFile::exists(accanto(copia, estensioneOrigine))) {
        return info.path() + QLatin1Char('/') + origineDiPrima;
    }
    return accanto(copia, estensioneOrigine);
}

// The locks of programs gone whose copies are gone too.
void togliBlocchiSoli(const QDir& cartella) {
    for (const QFileInfo& blocco : cartella.entryInfoList({QLatin1Char('*') + estensioneBlocco}, QDir::Files)) {
        const QString copia = blocco.absoluteFilePath().chopped(estensioneBlocco.size()) + estensioneCopia;
        if (QFile::exists(copia)) continue;
        auto solo = bloccoDi(copia);
        if (solo->tryLock(0)) solo->unlock();
    }
}

}  // namespace

std::vector<CopiaLasciata> CopiaLasciata::cerca() {
    std::vector<CopiaLasciata> trovate;
    const QDir cartella(cartellaDelRecupero());
    togliBlocchiSoli(cartella);
    const QFileInfoList copie =
        cartella.entryInfoList({QLatin1Char('*') + estensioneCopia}, QDir::Files, QDir::Time | QDir::Reversed);
    for (const QFileInfo& copia : copie) {
        auto blocco = bloccoDi(copia.absoluteFilePath());
        if (!blocco->tryLock(0)) continue;  // its program runs, or another is offering it
        CopiaLasciata lasciata{copia.absoluteFilePath(),
                               copia.lastModified(),
                               {},
                               leggiPercorso(copia.absoluteFilePath()),
                               std::move(blocco)};
        QFile origine(origineDi(lasciata.file));
        if (origine.open(QIODevice::ReadOnly)) lasciata.origine = QString::fromUtf8(origine.readAll());
        trovate.push_back(std::move(lasciata));
    }
    return trovate;
}

void CopiaLasciata::rimuovi() const {
    QFile::remove(file);
    QFile::remove(origineDi(file));
}

QString CopiaLasciata::mettiDaParte() const {
    const QString illeggibili = cartellaDelRecupero() + QStringLiteral("/illeggibili");
    QString dove = illeggibili + QLatin1Char('/') + QFileInfo(file).fileName();
    if (!QDir().mkpath(illeggibili) || !QFile::rename(file, dove)) return file;
    QFile::rename(origineDi(file), accanto(dove, estensioneOrigine));
    return dove;
}

}  // namespace flumetra
