#include "ui/grafica/nomi.h"

#include "calc/testo.h"
#include "ui/grafica/testo_qt.h"

namespace flumetra {

QString nomeMateriale(dettagli::Materiale materiale) {
    const dettagli::DatiMateriale& m = dettagli::dati(materiale);
    return QStringLiteral("%1 (ε %2 mm)").arg(inQt(m.descrizione), inQt(RealeInTesto(m.rugosita_mm)));
}

QString nomeMetodo(percorso::Metodo metodo) {
    return metodo == percorso::Metodo::Calcolatore ? QStringLiteral("formula del calcolatore")
                                                   : QStringLiteral("Colebrook");
}

}  // namespace flumetra
