#include "ui/foglio/offerta_di_recupero.h"

#include <QDir>
#include <QMessageBox>

#include "ui/comune/domanda.h"
#include "ui/foglio/copia_di_recupero.h"
#include "ui/foglio/documento_percorso.h"
#include "ui/foglio/foglio_percorso.h"
#include "ui/grafica/file_percorso.h"

namespace flumetra {
namespace {

enum class Scelta { Ripristina, Scarta, PiuTardi };

Scelta chiediDellaCopia(QWidget& finestra, const CopiaLasciata& copia, std::size_t numero, std::size_t quante) {
    const QString nome = nomeDelPercorso(copia.origine);
    const QString quando = copia.quando.toString(QStringLiteral("dd/MM/yyyy 'alle' HH:mm:ss"));
    QString testo = QStringLiteral(
                        "Flumetra non si è chiuso normalmente. C'è una copia di recupero del percorso "
                        "«%1», con modifiche non salvate, salvata il %2.")
                        .arg(nome, quando);
    if (quante > 1) testo += QStringLiteral(" (Copia %1 di %2.)").arg(numero).arg(quante);
    // In the order of Scelta; nothing is lost by Esc pressed in haste.
    const int risposta =
        flumetra::chiedi(&finestra, {.testo = testo,
                                     .dettaglio = QStringLiteral("Ripristinarla? Scartandola, quelle modifiche vanno "
                                                                 "perse; più tardi, sarà offerta al prossimo avvio."),
                                     .risposte = {{QStringLiteral("&Ripristina"), QMessageBox::AcceptRole},
                                                  {QStringLiteral("&Scarta"), QMessageBox::DestructiveRole},
                                                  {QStringLiteral("&Più tardi"), QMessageBox::RejectRole}},
                                     .predefinita = static_cast<int>(Scelta::Ripristina),
                                     .fuga = static_cast<int>(Scelta::PiuTardi)});
    return static_cast<Scelta>(risposta);
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
        switch (chiediDellaCopia(finestra, copia, numero, copie.size())) {
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
