// «Dettagli del condotto»: a small tool window beside the main one, showing
// the details of the duct the main window's fields describe (condotto), for
// the duct material and the air chosen here. It reads the fields and never
// writes them. Its rows are the details' table (dettagli/righe.h).
#pragma once

#include <QWidget>
#include <functional>
#include <utility>
#include <vector>

#include "dettagli/dettagli.h"
#include "dettagli/righe.h"
#include "ui/comune/presto.h"

class QComboBox;
class QFormLayout;

namespace flumetra {

class CampoNumero;
class CampoTesto;

class FinestraDettagli : public QWidget {
    Q_OBJECT

public:
    // principale: the window it stands beside and belongs to.
    FinestraDettagli(QWidget& principale, std::function<dettagli::TestiDelCondotto()> condotto);

    [[nodiscard]] dettagli::Materiale materiale() const;
    [[nodiscard]] dettagli::Aria aria() const;
    // As a person sets the inputs: a value outside an input's range leaves it.
    void scegliAria(dettagli::Aria aria);

    // The details of the fields as they stand now.
    [[nodiscard]] dettagli::Dettagli valori() const;

    // Shows the values anew: now, or once the event loop turns, however
    // many calls come before.
    void aggiorna();
    void aggiornaPresto();

signals:
    void Copia();
    void ariaCambiata();

protected:
    void keyPressEvent(QKeyEvent* evento) override;

private:
    void aggiungiRighe(QFormLayout& modulo);

    std::function<dettagli::TestiDelCondotto()> condotto_;
    QComboBox* materiale_ = nullptr;
    std::vector<std::pair<CampoNumero*, const dettagli::Ingresso*>> ingressi_;  // the air's
    std::vector<CampoTesto*> valori_;  // a value line for each computed row, and two for the series
    ChiamataPresto aggiornamentoPresto_{this, [this] { aggiorna(); }};
};

}  // namespace flumetra
