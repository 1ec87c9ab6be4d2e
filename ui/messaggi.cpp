#include "ui/messaggi.h"

namespace flumetra::messaggi {

QString nomeCampo(Campo campo) {
    switch (campo) {
        case Campo::Text_A: return QStringLiteral("Sezione A [mm]");
        case Campo::Text_B: return QStringLiteral("Sezione B [mm]");
        case Campo::Text_D: return QStringLiteral("Diametro [mm]");
        case Campo::Text_G: return QStringLiteral("Portata G [mc/h]");
        case Campo::Text_v: return QStringLiteral("Velocità v [m/s]");
        case Campo::Text_Y: return QStringLiteral("Perdita unitaria Y [mmc.a./m]");
        case Campo::Text_L: return QStringLiteral("Lunghezza equivalente L [m]");
        case Campo::Text_Ytot: return QStringLiteral("Perdita totale Y tot [mmc.a.]");
    }
    return {};
}

QString suggerimento(Modo modo) {
    switch (modo) {
        case Modo::Perdita: return QStringLiteral("Mantieni costante la perdita unitaria Y");
        case Modo::Velocita: return QStringLiteral("Mantieni costante la velocità v");
        case Modo::Portata: return QStringLiteral("Mantieni costante la portata G");
        case Modo::SezioneCanale: return QStringLiteral("Mantieni costante la sezione del condotto");
    }
    return {};
}

QString suggerimento(Sezione sezione) {
    switch (sezione) {
        case Sezione::A: return QStringLiteral("Mantieni costante il lato A");
        case Sezione::B: return QStringLiteral("Mantieni costante il lato B");
        case Sezione::D: return QStringLiteral("Mantieni costante il diametro");
    }
    return {};
}

QString nomeSpinner(Spinner spinner) {
    switch (spinner) {
        case Spinner::UpDown_A: return QStringLiteral("Varia la sezione A");
        case Spinner::UpDown_B: return QStringLiteral("Varia la sezione B");
        case Spinner::UpDown_D: return QStringLiteral("Varia il diametro");
        case Spinner::UpDown_G: return QStringLiteral("Varia la portata G");
        case Spinner::UpDown_v: return QStringLiteral("Varia la velocità v di 0,1 m/s");
        case Spinner::UpDown_Y: return QStringLiteral("Varia la perdita unitaria Y di 0,005");
    }
    return {};
}

QString nomeBreve(Campo campo) {
    switch (campo) {
        case Campo::Text_A: return QStringLiteral("A");
        case Campo::Text_B: return QStringLiteral("B");
        case Campo::Text_D: return QStringLiteral("D");
        case Campo::Text_G: return QStringLiteral("G");
        case Campo::Text_v: return QStringLiteral("v");
        case Campo::Text_Y: return QStringLiteral("Y");
        case Campo::Text_L: return QStringLiteral("L");
        case Campo::Text_Ytot: return QStringLiteral("Ytot");
    }
    return {};
}

QString passoNonRiuscito(const PassoFallito& fallito) {
    QStringList nonAggiornati;
    for (const Campo campo : fallito.nonAggiornati) nonAggiornati << nomeBreve(campo);
    const QString quali =
        (nonAggiornati.size() == 1 ? QStringLiteral("Non aggiornato: %1") : QStringLiteral("Non aggiornati: %1"))
            .arg(nonAggiornati.join(QStringLiteral(", ")));
    const QString causa = [&] {
        if (fallito.illeggibile) {
            const QString nome = nomeBreve(*fallito.illeggibile);
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
