#include "ui/comune/estensione_chiesta.h"

#include <QFileInfo>

#include "ui/comune/domanda.h"

namespace flumetra {

QString conEstensione(QWidget* finestra, const QString& nome, const QString& estensione) {
    QString completo = nome + estensione;
    if (!QFileInfo::exists(completo)) return completo;
    const int sostituisci = 0, annulla = 1;
    const int risposta =
        chiedi(finestra, {.titolo = QStringLiteral("Salva"),
                          .icona = QMessageBox::Warning,
                          .testo = QStringLiteral("«%1» esiste già. Sostituirlo?").arg(QFileInfo(completo).fileName()),
                          .risposte = {{QStringLiteral("&Sostituisci"), QMessageBox::DestructiveRole},
                                       {QStringLiteral("Annulla"), QMessageBox::RejectRole}},
                          .predefinita = annulla,
                          .fuga = annulla});
    return risposta == sostituisci ? completo : QString();
}

}  // namespace flumetra
