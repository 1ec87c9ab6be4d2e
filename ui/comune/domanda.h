// A question a window asks, and the answer a person gives: one button for
// each answer, with its role (which tells a platform's order and a test
// which is which), one of them the default and one the answer of Esc.
//
//   chiedi(finestra, {.testo = "«rete.csv» esiste già. Sostituirlo?",
//                     .risposte = {{"&Sostituisci", Distruttiva}, {"Annulla", Rifiuto}},
//                     .predefinita = 1, .fuga = 1})
//     -> 0 when Sostituisci is pressed, 1 for Annulla or Esc
#pragma once

#include <QMessageBox>
#include <QString>
#include <vector>

namespace flumetra {

struct Domanda {
    QString titolo = QStringLiteral("Flumetra");
    QMessageBox::Icon icona = QMessageBox::Question;
    QString testo{};
    QString dettaglio{};  // below the text; none when empty
    struct Risposta {
        QString testo;
        QMessageBox::ButtonRole ruolo;
    };
    std::vector<Risposta> risposte{};
    int predefinita = 0;
    int fuga = 0;  // Esc, and closing the question
};

// The index of the answer given.
int chiedi(QWidget* finestra, const Domanda& domanda);

}  // namespace flumetra
