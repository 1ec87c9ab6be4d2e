#include "ui/comune/traduzione.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace flumetra {

bool traduciTestiDiQt(QCoreApplication& app) {
    auto* traduttore = new QTranslator(&app);
    // Beside the program first (a Windows folder carries its own copy),
    // then where Qt keeps its translations.
    const bool caricata =
        traduttore->load(QStringLiteral("qtbase_it"),
                         QCoreApplication::applicationDirPath() + QStringLiteral("/translations")) ||
        traduttore->load(QStringLiteral("qtbase_it"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    if (!caricata) {
        delete traduttore;
        return false;
    }
    QCoreApplication::installTranslator(traduttore);
    return true;
}

}  // namespace flumetra
