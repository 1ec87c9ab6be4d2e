// The run sheet's table: one row per section, the columns of
// percorso/colonne.h, over the run and its results. It holds the run the
// sheet shows and nothing else; an edit in place does not change it but
// asks the sheet (modificaRichiesta), which decides, keeps it for undo and
// sets the run anew (imposta), recomputed whole.
#pragma once

#include <QAbstractTableModel>
#include <QIcon>
#include <optional>
#include <vector>

#include "percorso/calcolo.h"
#include "percorso/percorso.h"

namespace flumetra {

class ModelloPercorso : public QAbstractTableModel {
    Q_OBJECT

public:
    // The words a list cell offers (a QStringList), for its editor.
    static constexpr int ScelteRole = Qt::UserRole + 1;

    explicit ModelloPercorso(QObject* parent);

    // The run, computed; an empty run has no results. Throws
    // PercorsoNonValido for a run with sections that verifica refuses.
    void imposta(percorso::Percorso percorso);
    [[nodiscard]] const percorso::Percorso& percorso() const { return percorso_; }
    [[nodiscard]] const std::optional<percorso::Risultati>& risultati() const { return risultati_; }
    [[nodiscard]] bool sulPercorsoIndice(int riga) const;

    [[nodiscard]] int rowCount(const QModelIndex& parent = {}) const override;
    [[nodiscard]] int columnCount(const QModelIndex& parent = {}) const override;
    [[nodiscard]] QVariant data(const QModelIndex& index, int role) const override;
    [[nodiscard]] QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    [[nodiscard]] Qt::ItemFlags flags(const QModelIndex& index) const override;
    // A person's text for a cell: the run it makes is asked for, or the
    // reason a text makes none is told (rifiutato) and false returned.
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

signals:
    void modificaRichiesta(const percorso::Percorso& nuovo, const QString& descrizione);
    void rifiutato(const QString& messaggio);

private:
    percorso::Percorso percorso_;
    std::optional<percorso::Risultati> risultati_;
    // Asked for by every painted cell: which rows are on the index run, and
    // the warning icon (a theme lookup on the file system when asked anew).
    std::vector<bool> sulPercorsoIndice_;
    QIcon iconaAvviso_;
};

}  // namespace flumetra
