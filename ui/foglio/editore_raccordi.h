// «Raccordi del tratto»: the fittings of one section, in a window beside the
// sheet. A list of its fittings, each with its kind, parameters and count,
// its ζ referred to the section and where that ζ comes from; under it the
// selected fitting's kind (chosen from the catalogue by its Italian name),
// its parameters (labelled, with units and ranges, decimal comma) and its
// count. Every change is an edit of the document: undone and redone,
// recovered after a crash, marked unsaved; one the run refuses (a fitting
// on the wrong shape, one that needs an upstream at the fan) changes
// nothing and says why. It follows the document: a section that goes (an
// undo) closes it. Keyboard only, every control read by its label.
#pragma once

#include <QDialog>
#include <array>
#include <optional>
#include <string>

#include "percorso/raccordi.h"

class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;
class QSpinBox;

namespace flumetra {

class CampoNumero;
class DocumentoPercorso;

class EditoreRaccordi : public QDialog {
    Q_OBJECT

public:
    // The section of that id, in documento's run.
    EditoreRaccordi(DocumentoPercorso& documento, std::string id, QWidget* parent);

    [[nodiscard]] QListWidget* lista() const { return lista_; }

signals:
    void rifiutato(const QString& messaggio);

private:
    void creaScheda();
    // Shows the document's fittings of the section; closes when it has gone.
    void mostra();
    void mostraScelto();
    [[nodiscard]] std::optional<std::size_t> indiceDelTratto() const;
    [[nodiscard]] int scelto() const;
    // The section's fittings changed by cambia, sent as one edit.
    template <typename Cambio>
    void modifica(const QString& cosa, const QString& chiave, Cambio cambia);
    void aggiungi();
    void rimuovi();

    DocumentoPercorso& documento_;
    std::string id_;
    QListWidget* lista_ = nullptr;
    QPushButton* aggiungi_ = nullptr;
    QPushButton* rimuovi_ = nullptr;
    QComboBox* tipo_ = nullptr;
    // One input for each parameter the catalogue has, shown for the kinds that take it.
    std::array<QWidget*, percorso::tabellaParametri.size()> parametri_{};
    std::array<QLabel*, percorso::tabellaParametri.size()> etichette_{};
    QSpinBox* numero_ = nullptr;
    QLabel* zeta_ = nullptr;
    bool mostrando_ = false;  // while the inputs are set from the document, not by a person
};

}  // namespace flumetra
