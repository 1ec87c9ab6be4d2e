#include "ui/estensione_chiesta.h"

#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>

namespace flumetra {

QString conEstensione(QWidget* finestra, const QString& nome, const QString& estensione) {
    QString completo = nome + estensione;
    if (!QFileInfo::exists(completo)) return completo;
    QMessageBox domanda(QMessageBox::Warning, QStringLiteral("Salva"),
                        QStringLiteral("«%1» esiste già. Sostituirlo?").arg(QFileInfo(completo).fileName()),
                        QMessageBox::NoButton, finestra);
    QPushButton* sostituisci = domanda.addButton(QStringLiteral("&Sostituisci"), QMessageBox::DestructiveRole);
    QPushButton* annulla = domanda.addButton(QStringLiteral("Annulla"), QMessageBox::RejectRole);
    domanda.setDefaultButton(annulla);
    domanda.setEscapeButton(annulla);
    domanda.exec();
    return domanda.clickedButton() == sostituisci ? completo : QString();
}

}  // namespace flumetra
