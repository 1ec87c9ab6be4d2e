// «Dettagli del condotto»: a small tool window beside the main one, read-only,
// showing the details of the duct the main window's fields describe, for the
// duct material chosen here. It reads the field texts and never writes them.
#pragma once

#include <QWidget>
#include <vector>

#include "dettagli/dettagli.h"

class QComboBox;

namespace flumetra {

class CampoTesto;
class Finestra;

class FinestraDettagli : public QWidget {
    Q_OBJECT

public:
    FinestraDettagli(const Finestra& finestra, QWidget* principale);

    [[nodiscard]] dettagli::Materiale materiale() const;
    void scegliMateriale(dettagli::Materiale materiale);

    // The details of the fields as they stand now.
    [[nodiscard]] dettagli::Dettagli valori() const;

    // Shows the values anew: now, or once the event loop turns, however
    // many calls come before.
    void aggiorna();
    void aggiornaPresto();

signals:
    void Copia();

private:
    const Finestra& finestra_;
    QComboBox* materiale_ = nullptr;
    std::vector<CampoTesto*> righe_;
    bool aggiornamentoInAttesa_ = false;
};

}  // namespace flumetra
