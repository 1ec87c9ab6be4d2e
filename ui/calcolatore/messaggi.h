// What a failed recalculation step says, in Italian.
#pragma once

#include <QString>
#include <QStringList>
#include <string_view>

#include "logic/attesa.h"
#include "logic/esito.h"
#include "logic/finestra.h"
#include "logic/uso_del_testo.h"
#include "ui/grafica/testo_qt.h"

namespace flumetra {}  // namespace flumetra

namespace flumetra::messaggi {

// "Non aggiornati: v, Y, Ytot — G non contiene un numero"
QString passoNonRiuscito(const PassoFallito& fallito);

// What became of a typed text. Of one not used, what the other fields
// belong to: the last text of this field that was used, when the last
// recalculation was its (altriDi), else they did not change.
// "«950000» non usato: fuori dall'intervallo 50 – 900000, estremi esclusi; gli altri valori sono quelli di «95000»"
// "«abc» non usato: non è un numero; gli altri valori non sono cambiati"
// "«1e400» non usato: numero troppo grande; gli altri valori non sono cambiati"
// "«4.5» letto come 45: il punto separa le migliaia; i decimali vogliono la virgola"
// A text longer than 16 characters is quoted as its first 16 and "…".
QString avviso(Campo campo, const Avviso& avviso, const std::optional<QString>& altriDi);

// A held value typed, which the others will follow at the next change of
// another quantity:
// "«0,05» tenuto costante: alla prossima modifica di G lo seguiranno D, B e v; a quella di v, D, B e G"
QString attesa(const QString& testo, const std::vector<Seguito>& seguiti);

}  // namespace flumetra::messaggi
