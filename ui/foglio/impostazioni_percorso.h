// The run's settings above the sheet's table, one input for each row of
// their table (percorso/impostazioni.h), in its order, four to a line of the
// grid: a number takes only its range, a choice lists its words' names. Each
// is labelled. A change asks the sheet for the run with that one setting
// changed; the inputs show the document's run (mostra).
#pragma once

#include <QString>
#include <QWidget>
#include <array>

#include "percorso/impostazioni.h"
#include "percorso/percorso.h"

class QGridLayout;

namespace flumetra {

class DocumentoPercorso;

class ImpostazioniPercorso : public QWidget {
    Q_OBJECT

public:
    ImpostazioniPercorso(const DocumentoPercorso& documento, QWidget* parent);

    void mostra(const percorso::Percorso& percorso);
    // The first input, where the keyboard starts.
    [[nodiscard]] QWidget* primo() const;

signals:
    void modificaRichiesta(const percorso::Percorso& nuovo, const QString& descrizione);

private:
    // The input of a setting in the grid at (riga, coppia), its label on its
    // left.
    QWidget* numero(const percorso::DatiImpostazione& d, int riga, int coppia);
    QWidget* elenco(const percorso::DatiImpostazione& d, int riga, int coppia);
    void etichetta(const percorso::DatiImpostazione& d, QWidget* ingresso, int riga, int coppia);
    // The document's run with setting d at x: a number, or its word's index.
    void chiedi(const percorso::DatiImpostazione& d, double x);

    const DocumentoPercorso& documento_;
    QGridLayout* griglia_ = nullptr;
    std::array<QWidget*, percorso::numeroImpostazioni> ingressi_{};  // by Impostazione
};

}  // namespace flumetra
