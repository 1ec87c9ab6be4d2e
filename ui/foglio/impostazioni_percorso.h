// The run's settings above the sheet's table: the air (temperature and
// altitude), how R is computed, the duct material, the friction target Y°
// and the velocity each role allows. Each input is labelled and takes only
// its range (verifica.h). A change asks the sheet for the run with that one
// setting changed; the inputs show the document's run (mostra).
#pragma once

#include <QString>
#include <QWidget>
#include <array>
#include <functional>

#include "percorso/percorso.h"
#include "percorso/verifica.h"

class QComboBox;
class QGridLayout;

namespace flumetra {

class CampoNumero;
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
    // An input in the grid at (riga, coppia), its label on its left; scrivi
    // puts its value into a run.
    CampoNumero* numero(const QString& etichetta, percorso::Intervallo limiti, double passo, const QString& unita,
                        int riga, int coppia, std::function<void(percorso::Percorso&, Reale)> scrivi);
    QComboBox* elenco(const QString& etichetta, const QStringList& voci, int riga, int coppia,
                      std::function<void(percorso::Percorso&, int)> scrivi);
    void chiedi(const percorso::Percorso& nuovo, const QString& descrizione);

    const DocumentoPercorso& documento_;
    QGridLayout* griglia_ = nullptr;
    CampoNumero* temperatura_ = nullptr;
    CampoNumero* quota_ = nullptr;
    QComboBox* metodo_ = nullptr;
    QComboBox* materiale_ = nullptr;
    CampoNumero* obiettivo_ = nullptr;
    std::array<CampoNumero*, percorso::numeroRuoli> velocita_{};
};

}  // namespace flumetra
