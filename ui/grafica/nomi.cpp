#include "ui/grafica/nomi.h"

#include "percorso/impostazioni.h"
#include "ui/grafica/testo_qt.h"

namespace flumetra {

QString nomeMateriale(dettagli::Materiale materiale) { return inQt(percorso::nomeDi(materiale)); }

QString nomeMetodo(percorso::Metodo metodo) { return inQt(percorso::nomeDi(metodo)); }

}  // namespace flumetra
