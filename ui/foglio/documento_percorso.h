// The run a sheet edits, as one document: the run and its results
// (computed once for each edit, on the tree its check built), its undo
// history, its file, whether it has unsaved changes, and its recovery copy. The sheet's window, its settings
// and its table observe it and send it named edits; nothing else holds the
// run. The run is either empty or one that verifica accepts: an edit it
// refuses changes nothing and says why.
//
//   documento.modifica(conL20, "L di T3")  -> nothing; cambiato, then storiaCambiata
//   documento.modifica(conLoop, "monte di T1")
//                                          -> "tratto 1 («T1»), monte: risalendo a monte …"
//   documento.annulla()                    -> the run before, cambiato
#pragma once

#include <QObject>
#include <QString>
#include <optional>

#include "percorso/albero.h"
#include "percorso/calcolo.h"
#include "percorso/percorso.h"
#include "percorso/storia.h"

namespace flumetra {

class CopiaDiRecupero;

class DocumentoPercorso : public QObject {
    Q_OBJECT

public:
    explicit DocumentoPercorso(QObject* parent);

    [[nodiscard]] const percorso::Percorso& percorso() const { return percorso_; }
    // None for a run without sections.
    [[nodiscard]] const std::optional<percorso::Risultati>& risultati() const { return risultati_; }
    [[nodiscard]] const percorso::Storia& storia() const { return storia_; }
    // The run's file; empty for a run never saved.
    [[nodiscard]] const QString& file() const { return file_; }
    // Unsaved changes in a run that has sections.
    [[nodiscard]] bool daSalvare() const;

    // A named edit: the run as it would be, checked. It becomes an undo
    // step (merged with the one before when chiave is the same, close in
    // time), or the reason is returned and nothing changes.
    std::optional<QString> modifica(const percorso::Percorso& nuovo, const QString& descrizione,
                                    const QString& chiave = QString());
    void annulla();
    void ripeti();

    // Each returns nothing when done, else the message to show; none asks
    // anything. apri replaces the run with a file's (a refused file changes
    // nothing); salvaIn writes the run whole and makes it that file's.
    std::optional<QString> apri(const QString& percorsoFile);
    std::optional<QString> salvaIn(const QString& percorsoFile);
    std::optional<QString> esportaCsvIn(const QString& percorsoFile) const;
    std::optional<QString> esportaPdfIn(const QString& percorsoFile) const;
    // A run that starts anew, saved as it is (file, or never saved).
    void ricomincia(const percorso::Percorso& nuovo, const QString& percorsoFile);
    // A recovery copy's run, as unsaved changes of its file (origine);
    // true once this document's own recovery copy holds it.
    bool ripristina(const percorso::Percorso& copia, const QString& origine);
    // Closes the run for good: empty, no recovery copy.
    void dimentica();

signals:
    // The run or its results changed: every view shows them anew.
    void cambiato();
    // The undo history, the file or the unsaved state changed.
    void storiaCambiata();
    // For the status bar, for ms milliseconds (0: until the next); an empty
    // one clears what was said of the run before an edit.
    void notizia(const QString& testo, int ms);

private:
    void mostra(percorso::Percorso nuovo, const percorso::Albero* albero = nullptr);
    void dopoLaStoria();
    void scriviCopia();

    percorso::Percorso percorso_;
    std::optional<percorso::Risultati> risultati_;
    percorso::Storia storia_;
    QString file_;
    CopiaDiRecupero* recupero_ = nullptr;
};

}  // namespace flumetra
