#include "ui/calcolatore/riepilogo.h"
#include "ui/grafica/nomi.h"

#include <QStringList>

#include "calc/testo.h"
#include "dettagli/righe.h"
#include "logic/quantita.h"
#include "ui/calcolatore/form_principale.h"
#include "ui/calcolatore/messaggi.h"
#include "ui/comune/progetto.h"

namespace flumetra {
QString riepilogo(const Form_Principale& finestra, const dettagli::Dettagli& d) {
    QStringList righe;
    auto riga = [&](const QString& etichetta, const QString& valore, const QString& unita) {
        righe << QStringLiteral("%1\t%2\t%3").arg(etichetta, valore, unita);
    };
    riga(QStringLiteral("Dimensionamento del canale"), QStringLiteral("Flumetra %1").arg(inQt(progetto::versione)),
         QString());
    for (const Campo c : allValues<Campo>()) {
        const QString testo = finestra.testoUsato(c) ? inQt(finestra.testo(c)) : inQt(dettagli::nessunValore);
        riga(inQt(dati(c).descrizione), testo, inQt(dati(c).unita));
    }
    for (const Modo m : allValues<Modo>()) {
        if (finestra.modoSelezionato(m)) riga(QStringLiteral("Modo"), inQt(dati(m).cosaFa), QString());
    }
    for (const Sezione s : allValues<Sezione>()) {
        if (finestra.sezioneSelezionata(s)) {
            riga(QStringLiteral("Dimensione mantenuta della sezione"), inQt(dati(s).valore), QString());
        }
    }
    riga(QStringLiteral("Materiale del condotto"), nomeMateriale(d.materiale), QString());
    for (const dettagli::Voce& v : dettagli::voci(d)) riga(inQt(v.etichetta), inQt(v.valore), inQt(v.unita));
    return righe.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

}  // namespace flumetra
