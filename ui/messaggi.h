// What a failed recalculation step says, in Italian, and the conversion of
// the calculator's UTF-8 texts to Qt's strings.
#pragma once

#include <QString>
#include <QStringList>
#include <string_view>

#include "logic/esito.h"
#include "logic/finestra.h"

namespace flumetra {

// UTF-8 text from the calculator's tables as a Qt string.
inline QString inQt(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

}  // namespace flumetra

namespace flumetra::messaggi {

// "Non aggiornati: v, Y, Ytot — G non contiene un numero"
QString passoNonRiuscito(const PassoFallito& fallito);

}  // namespace flumetra::messaggi
