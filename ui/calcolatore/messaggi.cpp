#include "ui/calcolatore/messaggi.h"

#include <cmath>

#include "calc/testo.h"
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

namespace {

// A text as a note quotes it: a long one is cut, as the note must stay short.
QString citato(const std::string& testo) {
    constexpr qsizetype mostrati = 16;
    const QString intero = QString::fromStdString(testo);
    if (intero.size() <= mostrati) return QStringLiteral("«%1»").arg(intero);
    const qsizetype taglio = intero.at(mostrati - 1).isHighSurrogate() ? mostrati - 1 : mostrati;
    return QStringLiteral("«%1…»").arg(intero.left(taglio));
}

}  // namespace

QString avviso(Campo campo, const Avviso& avviso, const std::optional<QString>& altriDi) {
    const QString testo = citato(avviso.testo);
    const QString altri = altriDi
                              ? QStringLiteral("gli altri valori sono quelli di %1").arg(citato(altriDi->toStdString()))
                              : QStringLiteral("gli altri valori non sono cambiati");
    const QString nonUsato = QStringLiteral("%1 non usato: %2; %3");
    const Immissione& limiti = *dati(campo).immissione;
    switch (avviso.tipo) {
        case TipoAvviso::NonNumero: return nonUsato.arg(testo, QStringLiteral("non è un numero"), altri);
        case TipoAvviso::TroppoGrande:
            return nonUsato.arg(testo,
                                avviso.letto < 0 ? QStringLiteral("numero troppo grande in valore assoluto")
                                                 : QStringLiteral("numero troppo grande"),
                                altri);
        case TipoAvviso::FuoriIntervallo:
            if (std::isinf(limiti.sopra)) {
                return nonUsato.arg(
                    testo, QStringLiteral("deve essere maggiore di %1").arg(inQt(RealeInTesto(limiti.sotto))), altri);
            }
            return nonUsato.arg(testo,
                                QStringLiteral("fuori dall'intervallo %1 – %2, estremi esclusi")
                                    .arg(inQt(RealeInTesto(limiti.sotto)), inQt(RealeInTesto(limiti.sopra))),
                                altri);
        case TipoAvviso::PuntoDelleMigliaia: break;
    }
    return QStringLiteral("%1 letto come %2: il punto separa le migliaia; i decimali vogliono la virgola")
        .arg(testo, inQt(RealeInTesto(avviso.letto)));
}

namespace {

// "D, B e v"
QString elenco(const std::vector<Campo>& campi) {
    QStringList nomi;
    for (const Campo c : campi) nomi << inQt(dati(c).simbolo);
    if (nomi.size() < 2) return nomi.join(QString());
    const QString ultimo = nomi.takeLast();
    return QStringLiteral("%1 e %2").arg(nomi.join(QStringLiteral(", ")), ultimo);
}

}  // namespace

QString attesa(const QString& testo, const std::vector<Seguito>& seguiti) {
    QStringList quando;
    for (std::size_t i = 0; i < seguiti.size(); ++i) {
        const QString modifica = inQt(dati(seguiti[i].modifica).simbolo);
        quando << (i == 0 ? QStringLiteral("alla prossima modifica di %1 lo seguiranno %2")
                          : QStringLiteral("a quella di %1, %2"))
                      .arg(modifica, elenco(seguiti[i].scritti));
    }
    return QStringLiteral("%1 tenuto costante: %2").arg(citato(testo.toStdString()), quando.join(QStringLiteral("; ")));
}

}  // namespace flumetra::messaggi
