// «Percorso», the run sheet: a document window beside the main one with the
// run's settings, one table row per section and the fan's totals under it.
// Every edit recomputes the whole run and goes into its undo history
// (percorso/storia.h), which keeps only what the edit changed. The run is
// either empty or one that verifica accepts: an edit it refuses changes
// nothing and says why. Runs are files (.flumetra); while one has unsaved
// changes a recovery copy is kept (copia_di_recupero.h).
#pragma once

#include <QMainWindow>
#include <QString>
#include <optional>

#include "percorso/calcolo.h"
#include "percorso/percorso.h"
#include "percorso/storia.h"

class QAction;
class QTableView;

namespace flumetra {

class CampoTesto;
class CopiaDiRecupero;
class Finestra;
class ImpostazioniPercorso;
class ModelloPercorso;

class FoglioPercorso : public QMainWindow {
    Q_OBJECT

public:
    // calcolatore: the main window, whose fields «Aggiungi dal calcolatore» reads.
    FoglioPercorso(QWidget& principale, const Finestra& calcolatore);

    // What the sheet shows, for whoever draws it elsewhere.
    [[nodiscard]] const percorso::Percorso& percorso() const;
    [[nodiscard]] const std::optional<percorso::Risultati>& risultati() const;

    [[nodiscard]] ModelloPercorso* modello() const { return modello_; }
    [[nodiscard]] QTableView* tabella() const { return tabella_; }
    // Undo and redo, as the menu's «Annulla» and «Ripeti».
    void annulla();
    void ripeti();
    [[nodiscard]] const percorso::Storia& storia() const { return storia_; }
    // The run's file; empty for a run never saved.
    [[nodiscard]] const QString& file() const { return file_; }
    // Unsaved changes in a run that has sections.
    [[nodiscard]] bool daSalvare() const;

    // Each returns nothing when done, else the message the sheet shows;
    // none asks anything. apri replaces the run with a file's (a refused
    // file changes nothing); salvaIn writes the run whole and makes it that
    // file's; the exports write what the sheet shows.
    std::optional<QString> apri(const QString& percorsoFile);
    std::optional<QString> salvaIn(const QString& percorsoFile);
    std::optional<QString> esportaCsvIn(const QString& percorsoFile) const;
    std::optional<QString> esportaPdfIn(const QString& percorsoFile) const;
    // A new section downstream of the selected one (of the first when none
    // is, at the fan when the run is empty); dal calcolatore with G, A × B
    // and L as the main window's fields hold them.
    std::optional<QString> aggiungiTratto();
    std::optional<QString> aggiungiDalCalcolatore();
    // The run as it would be, checked: it goes on the undo stack, or the
    // reason is returned and nothing changes.
    // Edits with the same chiave in a row, close in time, are one step.
    std::optional<QString> proponi(const percorso::Percorso& nuovo, const QString& descrizione,
                                   const QString& chiave = QString());

    // What a person does through the menus, each asking what it must.
    void nuovo();
    void apriDalDialogo();
    void apriChiedendo(const QString& percorsoFile);
    bool salva();
    bool salvaConNome();
    // With unsaved changes: Salva, Non salvare or Annulla. True when the run
    // may go (saved or discarded).
    bool lasciaAndare();
    // A recovery copy's run, as unsaved changes of its file (origine; empty
    // for a run never saved); true once the sheet's own recovery copy holds it.
    bool ripristina(const percorso::Percorso& copia, const QString& origine);
    // Closes the run for good: an empty sheet, no recovery copy.
    void dimentica();

signals:
    // After every recompute, and when a new run is shown.
    void ricalcolato();

protected:
    void closeEvent(QCloseEvent* evento) override;

private:
    void creaMenu();
    QWidget* creaTotali();
    void mostraTotali();
    void imposta(const percorso::Percorso& nuovo);
    void ricomincia(const percorso::Percorso& nuovo, const QString& file);
    void aggiornaTitolo();
    void dopoLaStoria();
    void rispondi(const std::optional<QString>& messaggio);
    [[nodiscard]] int rigaScelta() const;
    std::optional<QString> aggiungi(percorso::Tratto tratto, const QString& descrizione);
    void eliminaTratto();
    QString fileDiEsportazione(const QString& titolo, const QString& suffisso, const QString& filtro);
    void esportaCsv();
    void esportaPdf();
    void scriviCopia();

    const Finestra& calcolatore_;
    ModelloPercorso* modello_ = nullptr;
    ImpostazioniPercorso* impostazioni_ = nullptr;
    QTableView* tabella_ = nullptr;
    percorso::Storia storia_;
    QAction* annulla_ = nullptr;
    QAction* ripeti_ = nullptr;
    CopiaDiRecupero* recupero_ = nullptr;
    CampoTesto* portata_ = nullptr;
    CampoTesto* pressione_ = nullptr;
    CampoTesto* indice_ = nullptr;
    CampoTesto* superficie_ = nullptr;
    QList<QAction*> serveUnTratto_;  // the actions that need a section in the run
    QString file_;
};

}  // namespace flumetra
