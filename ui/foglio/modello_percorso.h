// The run sheet's table: one row per section, the columns of
// percorso/colonne.h, over the document's run and its results, shown anew
// whenever the document changes. An edit in place is a named edit sent to
// the document, which decides; a text that makes no run is told
// (rifiutato).
#pragma once

#include <QAbstractTableModel>
#include <QIcon>
#include <QPersistentModelIndex>
#include <optional>
#include <vector>

#include "percorso/calcolo.h"
#include "percorso/percorso.h"

namespace flumetra {

class DocumentoPercorso;

class ModelloPercorso : public QAbstractTableModel {
    Q_OBJECT

public:
    // The words a list cell offers (a QStringList), for its editor.
    static constexpr int ScelteRole = Qt::UserRole + 1;
    // Whether Tab stops at the cell as a person types the row (a bool).
    static constexpr int DaDigitareRole = Qt::UserRole + 2;

    ModelloPercorso(DocumentoPercorso& documento, QObject* parent);

    [[nodiscard]] const percorso::Percorso& percorso() const;
    [[nodiscard]] const std::optional<percorso::Risultati>& risultati() const;
    [[nodiscard]] bool sulPercorsoIndice(int riga) const;

    [[nodiscard]] int rowCount(const QModelIndex& parent = {}) const override;
    [[nodiscard]] int columnCount(const QModelIndex& parent = {}) const override;
    [[nodiscard]] QVariant data(const QModelIndex& index, int role) const override;
    [[nodiscard]] QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    [[nodiscard]] Qt::ItemFlags flags(const QModelIndex& index) const override;
    // A person's text for a cell: the run it makes is sent to the document,
    // or the reason it makes none is told (rifiutato) and false returned.
    // The rows' headings are the sections' ids, indented by their depth
    // from the fan, in bold on the index run.
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

signals:
    void rifiutato(const QString& messaggio, const QModelIndex& cella);

private:
    void aggiorna();
    void rifiuta(const QModelIndex& cella, const QString& perche);

    DocumentoPercorso& documento_;
    int righe_ = 0;  // as many as the run had when last shown
    // Asked for by every painted cell: which rows are on the index run, and
    // the warning icon (a theme lookup on the file system when asked anew).
    std::vector<bool> sulPercorsoIndice_;
    std::vector<std::size_t> profondita_;  // each section's depth from the fan
    // The cell whose text was last refused, and why: its tooltip and its
    // description for a screen reader until the run next changes.
    QPersistentModelIndex rifiutata_;
    QString perche_;
    QIcon iconaAvviso_;
};

}  // namespace flumetra
