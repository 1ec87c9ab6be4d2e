// The sheet's files as a person handles them: the dialogs that choose one,
// the question before a run with unsaved changes goes, the exports and the
// printed report. The document reads and writes them.

#include <QCloseEvent>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>

#include "ui/comune/domanda.h"
#include "ui/comune/estensione_chiesta.h"
#include "ui/comune/file_recenti.h"
#include "ui/foglio/documento_percorso.h"
#include "ui/foglio/foglio_percorso.h"
#include "ui/grafica/file_percorso.h"
#include "ui/grafica/rapporto_pdf.h"

namespace flumetra {
namespace {

const QString filtroPercorsi = QStringLiteral("Percorsi di Flumetra (*.flumetra);;Tutti i file (*)");
const QString estensione = QStringLiteral("flumetra");

// The name typed, with the extension the filter names when it has none
// (asking before it replaces a file); empty when cancelled.
QString conSuffisso(QWidget* finestra, const QString& nome, const QString& suffisso) {
    if (nome.isEmpty() || !QFileInfo(nome).suffix().isEmpty()) return nome;
    return conEstensione(finestra, nome, QLatin1Char('.') + suffisso);
}

}  // namespace

void FoglioPercorso::nuovo() {
    if (lasciaAndare()) documento_->ricomincia(percorso::Percorso{}, QString());
}

void FoglioPercorso::apriDalDialogo() {
    if (!lasciaAndare()) return;
    const QString scelto =
        QFileDialog::getOpenFileName(this, QStringLiteral("Apri un percorso"), ultimaCartella(), filtroPercorsi);
    if (scelto.isEmpty()) return;
    ricordaCartella(QFileInfo(scelto).path());
    rispondi(documento_->apri(scelto));
}

void FoglioPercorso::apriChiedendo(const QString& percorsoFile) {
    if (lasciaAndare()) rispondi(documento_->apri(percorsoFile));
}

// The last files opened or saved, the newest first with its number as
// its key; one that is gone is said and left out.
void FoglioPercorso::riempiRecenti(QMenu& menu) {
    menu.clear();
    const QStringList elenco = fileRecenti();
    for (int k = 0; k < elenco.size(); ++k) {
        const QString& f = elenco[k];
        QAction* a = menu.addAction(QStringLiteral("&%1 %2").arg(k + 1).arg(QFileInfo(f).fileName()));
        a->setToolTip(QDir::toNativeSeparators(f));
        a->setStatusTip(QDir::toNativeSeparators(f));
        connect(a, &QAction::triggered, this, [this, f] {
            if (!QFileInfo::exists(f)) {
                dimenticaFile(f);
                rispondi(QStringLiteral("Il file «%1» non c'è più: tolto dall'elenco dei recenti.")
                             .arg(QDir::toNativeSeparators(f)));
                return;
            }
            apriChiedendo(f);
        });
    }
    if (elenco.isEmpty()) menu.addAction(QStringLiteral("Nessun file recente"))->setEnabled(false);
    menu.addSeparator();
    menu.addAction(QStringLiteral("&Svuota l'elenco"), this, [] { dimenticaTuttiIFile(); })
        ->setEnabled(!elenco.isEmpty());
}

bool FoglioPercorso::salva() {
    if (file().isEmpty()) return salvaConNome();
    const auto errore = documento_->salvaIn(file());
    rispondi(errore);
    return !errore;
}

bool FoglioPercorso::salvaConNome() {
    const QString proposto =
        file().isEmpty() ? QDir(ultimaCartella()).filePath(QStringLiteral("percorso.flumetra")) : file();
    const QString scelto = conSuffisso(
        this, QFileDialog::getSaveFileName(this, QStringLiteral("Salva il percorso"), proposto, filtroPercorsi),
        estensione);
    if (scelto.isEmpty()) return false;
    ricordaCartella(QFileInfo(scelto).path());
    const auto errore = documento_->salvaIn(scelto);
    rispondi(errore);
    return !errore;
}

bool FoglioPercorso::lasciaAndare() {
    if (!daSalvare()) return true;
    const int salvaLe = 0, scarta = 1, annulla = 2;
    const int risposta = chiedi(
        this,
        {.titolo = QStringLiteral("Percorso"),
         .icona = QMessageBox::Warning,
         .testo = QStringLiteral("Il percorso «%1» ha modifiche non salvate. Salvarle?").arg(nomeDelPercorso(file())),
         .risposte = {{QStringLiteral("&Salva"), QMessageBox::AcceptRole},
                      {QStringLiteral("&Non salvare"), QMessageBox::DestructiveRole},
                      {QStringLiteral("Annulla"), QMessageBox::RejectRole}},
         .predefinita = salvaLe,
         .fuga = annulla});
    if (risposta == salvaLe) return salva();
    return risposta == scarta;
}

void FoglioPercorso::closeEvent(QCloseEvent* evento) {
    if (!lasciaAndare()) {
        evento->ignore();
        return;
    }
    documento_->dimentica();
    evento->accept();
}

// Beside the run's file, with its name and the export's extension.
QString FoglioPercorso::fileDiEsportazione(const QString& titolo, const QString& suffisso, const QString& filtro) {
    const QFileInfo base(file().isEmpty() ? QDir(ultimaCartella()).filePath(QStringLiteral("percorso")) : file());
    const QString proposto = base.path() + QLatin1Char('/') + base.completeBaseName() + QLatin1Char('.') + suffisso;
    return conSuffisso(this, QFileDialog::getSaveFileName(this, titolo, proposto, filtro), suffisso);
}

void FoglioPercorso::esportaCsv() {
    const QString scelto = fileDiEsportazione(QStringLiteral("Esporta CSV"), QStringLiteral("csv"),
                                              QStringLiteral("CSV per foglio di calcolo (*.csv)"));
    if (!scelto.isEmpty()) rispondi(documento_->esportaCsvIn(scelto));
}

void FoglioPercorso::esportaPdf() {
    const QString scelto = fileDiEsportazione(QStringLiteral("Esporta PDF"), QStringLiteral("pdf"),
                                              QStringLiteral("Documento PDF (*.pdf)"));
    if (!scelto.isEmpty()) rispondi(documento_->esportaPdfIn(scelto));
}

// The report's pages on the printer the person picks, A4 landscape unless
// they change it, the same pages as the PDF's; only those asked for when a
// range is.
void FoglioPercorso::stampa() {
    const std::optional<percorso::Risultati>& r = risultati();
    if (!r) return;
    const QString nome = nomeDelPercorso(file());
    QPrinter stampante(QPrinter::HighResolution);
    stampante.setPageLayout(paginaDelRapporto());
    stampante.setDocName(QStringLiteral("Percorso «%1»").arg(nome));
    stampante.setCreator(QStringLiteral("Flumetra"));
    QPrintDialog dialogo(&stampante, this);
    dialogo.setWindowTitle(QStringLiteral("Stampa il percorso"));
    if (dialogo.exec() != QDialog::Accepted) return;
    const bool intervallo = stampante.printRange() == QPrinter::PageRange;
    const bool stampato = disegnaRapporto(stampante, nome, percorso(), *r, intervallo ? stampante.fromPage() : 1,
                                          intervallo ? stampante.toPage() : 0);
    if (!stampato || stampante.printerState() == QPrinter::Error) {
        rispondi(
            QStringLiteral("Non è stato possibile stampare il percorso «%1» su «%2»")
                .arg(nome, stampante.printerName().isEmpty() ? stampante.outputFileName() : stampante.printerName()));
    }
}

}  // namespace flumetra
