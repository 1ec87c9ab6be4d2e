#include "ui/offerta_di_recupero.h"

#include <QDir>
#include <QMessageBox>
#include <QPushButton>

#include "ui/copia_di_recupero.h"
#include "ui/documento_percorso.h"
#include "ui/file_percorso.h"
#include "ui/foglio_percorso.h"

namespace flumetra {
namespace {

enum class Scelta { Ripristina, Scarta, PiuTardi };

Scelta chiedi(QWidget& finestra, const CopiaLasciata& copia, std::size_t numero, std::size_t quante) {
    const QString nome = nomeDelPercorso(copia.origine);
    const QString quando = copia.quando.toString(QStringLiteral("dd/MM/yyyy 'alle' HH:mm:ss"));
    QString testo = QStringLiteral(
                        "Flumetra non si è chiuso normalmente. C'è una copia di recupero del percorso "
                        "«%1», con modifiche non salvate, salvata il %2.")
                        .arg(nome, quando);
    if (quante > 1) testo += QStringLiteral(" (Copia %1 di %2.)").arg(numero).arg(quante);
    QMessageBox domanda(QMessageBox::Question, QStringLiteral("Flumetra"), testo, QMessageBox::NoButton, &finestra);
    domanda.setInformativeText(
        QStringLiteral("Ripristinarla? Scartandola, quelle modifiche vanno perse; "
                       "più tardi, sarà offerta al prossimo avvio."));
    QPushButton* ripristina = domanda.addButton(QStringLiteral("&Ripristina"), QMessageBox::AcceptRole);
    QPushButton* scarta = domanda.addButton(QStringLiteral("&Scarta"), QMessageBox::DestructiveRole);
    QPushButton* dopo = domanda.addButton(QStringLiteral("&Più tardi"), QMessageBox::RejectRole);
    domanda.setDefaultButton(ripristina);
    domanda.setEscapeButton(dopo);  // nothing is lost by a key pressed in haste
    domanda.exec();
    if (domanda.clickedButton() == ripristina) return Scelta::Ripristina;
    return domanda.clickedButton() == scarta ? Scelta::Scarta : Scelta::PiuTardi;
}

}  // namespace

void offriCopieLasciate(QWidget& finestra, const std::function<FoglioPercorso&()>& foglio) {
    const std::vector<CopiaLasciata> copie = CopiaLasciata::cerca();
    std::size_t numero = 0;
    for (const CopiaLasciata& copia : copie) {
        ++numero;
        if (const auto* perche = std::get_if<QString>(&copia.contenuto)) {
            QMessageBox::warning(&finestra, QStringLiteral("Flumetra"),
                                 QStringLiteral("Una copia di recupero non si può usare. %1\nResta in «%2».")
                                     .arg(*perche, QDir::toNativeSeparators(copia.mettiDaParte())));
            continue;
        }
        switch (chiedi(finestra, copia, numero, copie.size())) {
            case Scelta::Ripristina: {
                FoglioPercorso& f = foglio();
                // The copy goes only once the sheet's own holds its run.
                if (f.lasciaAndare() &&
                    f.documento().ripristina(std::get<percorso::Percorso>(copia.contenuto), copia.origine)) {
                    copia.rimuovi();
                }
                break;
            }
            case Scelta::Scarta: copia.rimuovi(); break;
            case Scelta::PiuTardi: break;
        }
    }
}

}  // namespace flumetra
