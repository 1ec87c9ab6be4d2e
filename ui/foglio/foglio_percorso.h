// «Percorso», the run sheet: a document window beside the main one with the
// run's settings, one table row per section and the fan's totals under it,
// all views of one DocumentoPercorso (documento_percorso.h), which holds the
// run, its undo history, its file and its recovery copy. The window asks
// what it must (save first? which file?) and shows what the document says.
#pragma once

#include <QMainWindow>
#include <QString>
#include <optional>

#include "logic/finestra.h"
#include "percorso/calcolo.h"
#include "percorso/modifiche.h"
#include "percorso/percorso.h"

class QAction;
class QMenu;

namespace flumetra {

class CampoTesto;
class DocumentoPercorso;
class EditoreRaccordi;
class Finestra;
class ImpostazioniPercorso;
class ModelloPercorso;
class TabellaPercorso;

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
    [[nodiscard]] TabellaPercorso* tabella() const { return tabella_; }
    // The run's file; empty for a run never saved.
    [[nodiscard]] const QString& file() const;
    // Unsaved changes in a run that has sections.
    [[nodiscard]] bool daSalvare() const;

    // A new section after the selected one (the first when none is) as
    // conTrattoSeguente makes it; dal calcolatore, one downstream of it with
    // G, A × B and L as the main window's fields hold them. Nothing when
    // added, else why not.
    std::optional<QString> aggiungiTratto();
    std::optional<QString> aggiungiDalCalcolatore();
    // The selected section's fittings, in their window beside the sheet
    // (Ctrl+R, the table's context menu, a double click on «ζ raccordi»).
    EditoreRaccordi* apriRaccordi();
    // «Apri nel calcolatore», and with conDettagli «Dettagli del tratto»:
    // the selected section's size and flow go to the calculator
    // (condottoRichiesto). Nothing when sent, else why not.
    std::optional<QString> apriNelCalcolatore(bool conDettagli);
    // The selected cells to the clipboard, and a block of rows from it into
    // the sections from the current cell on (foglio_appunti.cpp). Nothing
    // when pasted, else why not; nothing changes then.
    void copia() const;
    std::optional<QString> incolla();

    // What a person does through the menus, each asking what it must.
    void nuovo();
    void apriDalDialogo();
    void apriChiedendo(const QString& percorsoFile);
    void riempiRecenti(QMenu& menu);
    // The title block, in its dialog.
    void modificaIntestazione();
    bool salva();
    bool salvaConNome();
    // With unsaved changes: Salva, Non salvare or Annulla. True when the run
    // may go (saved or discarded).
    bool lasciaAndare();

signals:
    // After every recompute, and when a new run is shown.
    void ricalcolato();
    // A section's size and flow for the calculator's fields, typed in as a
    // person would; conDettagli: and its details shown.
    void condottoRichiesto(const TestiDeiCampi& testi, bool conDettagli);

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
    std::optional<QString> aggiungi(const percorso::Aggiunto& aggiunto, const QString& descrizione);
    void eliminaTratto();
    void menuDellaTabella(const QPoint& dove);
    QString fileDiEsportazione(const QString& titolo, const QString& suffisso, const QString& filtro);
    void esportaCsv();
    void esportaPdf();
    void stampa();

    const Finestra& calcolatore_;
    DocumentoPercorso* documento_ = nullptr;
    ModelloPercorso* modello_ = nullptr;
    ImpostazioniPercorso* impostazioni_ = nullptr;
    TabellaPercorso* tabella_ = nullptr;
    QAction* annulla_ = nullptr;
    QAction* ripeti_ = nullptr;
    QAction* aggiungi_ = nullptr;
    QAction* elimina_ = nullptr;
    QAction* raccordi_ = nullptr;
    QAction* nelCalcolatore_ = nullptr;
    QAction* dettagli_ = nullptr;
    CampoTesto* portata_ = nullptr;
    CampoTesto* pressione_ = nullptr;
    CampoTesto* indice_ = nullptr;
    CampoTesto* superficie_ = nullptr;
    QString fileRicordato_;          // the run's file last put first among the recent ones
    QList<QAction*> serveUnTratto_;  // the actions that need a section in the run
};

}  // namespace flumetra
