// «Percorso», the run sheet: a document window beside the main one with the
// run's settings, one table row per section and the fan's totals under it,
// all views of one DocumentoPercorso (documento_percorso.h), which holds the
// run, its undo history, its file and its recovery copy. The window asks
// what it must (save first? which file?) and shows what the document says.
#pragma once

#include <QMainWindow>
#include <QString>
#include <optional>

#include "percorso/calcolo.h"
#include "percorso/percorso.h"

class QAction;
class QTableView;

namespace flumetra {

class CampoTesto;
class DocumentoPercorso;
class EditoreRaccordi;
class Finestra;
class ImpostazioniPercorso;
class ModelloPercorso;

class FoglioPercorso : public QMainWindow {
    Q_OBJECT

public:
    // calcolatore: the main window, whose fields «Aggiungi dal calcolatore» reads.
    FoglioPercorso(QWidget& principale, const Finestra& calcolatore);

    [[nodiscard]] DocumentoPercorso& documento() const { return *documento_; }
    // What the sheet shows, for whoever draws it elsewhere.
    [[nodiscard]] const percorso::Percorso& percorso() const;
    [[nodiscard]] const std::optional<percorso::Risultati>& risultati() const;

    [[nodiscard]] ModelloPercorso* modello() const { return modello_; }
    [[nodiscard]] QTableView* tabella() const { return tabella_; }
    // The run's file; empty for a run never saved.
    [[nodiscard]] const QString& file() const;
    // Unsaved changes in a run that has sections.
    [[nodiscard]] bool daSalvare() const;

    // A new section downstream of the selected one (of the first when none
    // is, at the fan when the run is empty); dal calcolatore with G, A × B
    // and L as the main window's fields hold them. Nothing when added, else
    // why not.
    std::optional<QString> aggiungiTratto();
    std::optional<QString> aggiungiDalCalcolatore();
    // The selected section's fittings, in their window beside the sheet
    // (Ctrl+R, the table's context menu, a double click on «ζ raccordi»).
    EditoreRaccordi* apriRaccordi();

    // What a person does through the menus, each asking what it must.
    void nuovo();
    void apriDalDialogo();
    void apriChiedendo(const QString& percorsoFile);
    bool salva();
    bool salvaConNome();
    // With unsaved changes: Salva, Non salvare or Annulla. True when the run
    // may go (saved or discarded).
    bool lasciaAndare();

signals:
    // After every recompute, and when a new run is shown.
    void ricalcolato();

protected:
    void closeEvent(QCloseEvent* evento) override;

private:
    void creaMenu();
    QWidget* creaTotali();
    void mostraTotali();
    void dopoIlCambio();
    void dopoLaStoria();
    void rispondi(const std::optional<QString>& messaggio);
    [[nodiscard]] int rigaScelta() const;
    std::optional<QString> aggiungi(percorso::Tratto tratto, const QString& descrizione);
    void eliminaTratto();
    QString fileDiEsportazione(const QString& titolo, const QString& suffisso, const QString& filtro);
    void esportaCsv();
    void esportaPdf();
    void stampa();

    const Finestra& calcolatore_;
    DocumentoPercorso* documento_ = nullptr;
    ModelloPercorso* modello_ = nullptr;
    ImpostazioniPercorso* impostazioni_ = nullptr;
    QTableView* tabella_ = nullptr;
    QAction* annulla_ = nullptr;
    QAction* ripeti_ = nullptr;
    CampoTesto* portata_ = nullptr;
    CampoTesto* pressione_ = nullptr;
    CampoTesto* indice_ = nullptr;
    CampoTesto* superficie_ = nullptr;
    QList<QAction*> serveUnTratto_;  // the actions that need a section in the run
    int righe_ = 0;                  // as many as the run had when last shown
};

}  // namespace flumetra
