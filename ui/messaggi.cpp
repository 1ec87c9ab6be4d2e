#include "ui/messaggi.h"

#include "logic/quantita.h"

namespace flumetra::messaggi {

QString passoNonRiuscito(const PassoFallito& fallito) {
    QStringList nonAggiornati;
    for (const Campo campo : fallito.nonAggiornati) nonAggiornati << inQt(dati(campo).simbolo);
    const QString quali =
        (nonAggiornati.size() == 1 ? QStringLiteral("Non aggiornato: %1") : QStringLiteral("Non aggiornati: %1"))
            .arg(nonAggiornati.join(QStringLiteral(", ")));
    const QString causa = [&] {
        if (fallito.illeggibile) {
            const QString nome = inQt(dati(*fallito.illeggibile).simbolo);
            return fallito.tipo == TipoFallimento::Overflow
                       ? QStringLiteral("%1 è fuori dall'intervallo ammesso").arg(nome)
                       : QStringLiteral("%1 non contiene un numero").arg(nome);
        }
        switch (fallito.tipo) {
            case TipoFallimento::NonNumero: return QStringLiteral("un campo non contiene un numero");
            case TipoFallimento::Overflow: return QStringLiteral("il risultato è fuori dall'intervallo ammesso");
            case TipoFallimento::ErroreDiCalcolo: break;
        }
        return QStringLiteral("divisione per zero o operazione non valida con questi valori");
    }();
    return QStringLiteral("%1 — %2").arg(quali, causa);
}

}  // namespace flumetra::messaggi
