#include "ui/comune/cartella_dei_dati.h"

#include <QStandardPaths>

namespace flumetra {
namespace {

QString& scelta() {
    static QString cartella;
    return cartella;
}

}  // namespace

QString cartellaDeiDati() {
    return scelta().isEmpty() ? QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) : scelta();
}

void usaCartellaDeiDati(const QString& cartella) { scelta() = cartella; }

}  // namespace flumetra
