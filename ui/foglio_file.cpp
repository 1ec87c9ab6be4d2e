// The sheet's files: opening and saving a run, the question before a run
// with unsaved changes goes, the exports, and the recovery copy.

#include <QCloseEvent>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QStatusBar>

#include "percorso/csv.h"
#include "ui/copia_di_recupero.h"
#include "ui/estensione_chiesta.h"
#include "ui/file_percorso.h"
#include "ui/foglio_percorso.h"
#include "ui/modello_percorso.h"
#include "ui/rapporto_pdf.h"

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

std::optional<QString> FoglioPercorso::apri(const QString& percorsoFile) {
    auto letto = leggiPercorso(percorsoFile);
    if (auto* perche = std::get_if<QString>(&letto)) return *perche;
    ricomincia(std::get<percorso::Percorso>(letto), QFileInfo(percorsoFile).absoluteFilePath());
    return std::nullopt;
}

std::optional<QString> FoglioPercorso::salvaIn(const QString& percorsoFile) {
    if (auto errore = scriviTutto(percorsoFile, testoDelFile(percorso()))) return errore;
    file_ = QFileInfo(percorsoFile).absoluteFilePath();
    storia_.segnaSalvata();
    dopoLaStoria();
    aggiornaTitolo();
    statusBar()->showMessage(QStringLiteral("Salvato in «%1»").arg(nomeDelFile(file_)), 5000);
    return std::nullopt;
}

std::optional<QString> FoglioPercorso::esportaCsvIn(const QString& percorsoFile) const {
    if (!risultati()) return QStringLiteral("Un percorso senza tratti non ha nulla da esportare");
    return scriviTutto(percorsoFile, QByteArray::fromStdString(percorso::csv(percorso(), *risultati())));
}

std::optional<QString> FoglioPercorso::esportaPdfIn(const QString& percorsoFile) const {
    if (!risultati()) return QStringLiteral("Un percorso senza tratti non ha nulla da esportare");
    const QString nome = nomeDelPercorso(file_);
    return scriviRapportoPdf(percorsoFile, nome, percorso(), *risultati());
}

void FoglioPercorso::nuovo() {
    if (lasciaAndare()) ricomincia(percorso::Percorso{}, QString());
}

void FoglioPercorso::apriDalDialogo() {
    if (!lasciaAndare()) return;
    const QString cartella = file_.isEmpty() ? QDir::homePath() : QFileInfo(file_).path();
    const QString scelto =
        QFileDialog::getOpenFileName(this, QStringLiteral("Apri un percorso"), cartella, filtroPercorsi);
    if (!scelto.isEmpty()) rispondi(apri(scelto));
}

void FoglioPercorso::apriChiedendo(const QString& percorsoFile) {
    if (lasciaAndare()) rispondi(apri(percorsoFile));
}

bool FoglioPercorso::salva() {
    if (file_.isEmpty()) return salvaConNome();
    const auto errore = salvaIn(file_);
    rispondi(errore);
    return !errore;
}

bool FoglioPercorso::salvaConNome() {
    const QString proposto = file_.isEmpty() ? QDir::home().filePath(QStringLiteral("percorso.flumetra")) : file_;
    const QString scelto = conSuffisso(
        this, QFileDialog::getSaveFileName(this, QStringLiteral("Salva il percorso"), proposto, filtroPercorsi),
        estensione);
    if (scelto.isEmpty()) return false;
    const auto errore = salvaIn(scelto);
    rispondi(errore);
    return !errore;
}

bool FoglioPercorso::lasciaAndare() {
    if (!daSalvare()) return true;
    const QString nome = nomeDelPercorso(file_);
    QMessageBox domanda(QMessageBox::Warning, QStringLiteral("Percorso"),
                        QStringLiteral("Il percorso «%1» ha modifiche non salvate. Salvarle?").arg(nome),
                        QMessageBox::NoButton, this);
    QPushButton* salvaLe = domanda.addButton(QStringLiteral("&Salva"), QMessageBox::AcceptRole);
    QPushButton* scarta = domanda.addButton(QStringLiteral("&Non salvare"), QMessageBox::DestructiveRole);
    QPushButton* annulla = domanda.addButton(QStringLiteral("Annulla"), QMessageBox::RejectRole);
    domanda.setDefaultButton(salvaLe);
    domanda.setEscapeButton(annulla);
    domanda.exec();
    if (domanda.clickedButton() == salvaLe) return salva();
    return domanda.clickedButton() == scarta;
}

void FoglioPercorso::dimentica() {
    ricomincia(percorso::Percorso{}, QString());
    recupero_->rimuovi();
}

void FoglioPercorso::closeEvent(QCloseEvent* evento) {
    if (!lasciaAndare()) {
        evento->ignore();
        return;
    }
    dimentica();
    evento->accept();
}

// Beside the run's file, with its name and the export's extension.
QString FoglioPercorso::fileDiEsportazione(const QString& titolo, const QString& suffisso, const QString& filtro) {
    const QFileInfo base(file_.isEmpty() ? QDir::home().filePath(QStringLiteral("percorso")) : file_);
    const QString proposto = base.path() + QLatin1Char('/') + base.completeBaseName() + QLatin1Char('.') + suffisso;
    return conSuffisso(this, QFileDialog::getSaveFileName(this, titolo, proposto, filtro), suffisso);
}

void FoglioPercorso::esportaCsv() {
    const QString scelto = fileDiEsportazione(QStringLiteral("Esporta CSV"), QStringLiteral("csv"),
                                              QStringLiteral("CSV per foglio di calcolo (*.csv)"));
    if (!scelto.isEmpty()) rispondi(esportaCsvIn(scelto));
}

void FoglioPercorso::esportaPdf() {
    const QString scelto = fileDiEsportazione(QStringLiteral("Esporta PDF"), QStringLiteral("pdf"),
                                              QStringLiteral("Documento PDF (*.pdf)"));
    if (!scelto.isEmpty()) rispondi(esportaPdfIn(scelto));
}

// Only while there is something a crash would lose.
void FoglioPercorso::scriviCopia() {
    if (storia_.salvata()) return;
    if (!daSalvare()) {
        recupero_->rimuovi();
        return;
    }
    if (auto errore = recupero_->scrivi(percorso(), file_)) {
        statusBar()->showMessage(QStringLiteral("Copia di recupero non scritta: %1").arg(*errore));
    }
}

bool FoglioPercorso::ripristina(const percorso::Percorso& copia, const QString& origine) {
    ricomincia(copia, origine);
    storia_.segnaMaiSalvata();
    dopoLaStoria();
    const auto errore = recupero_->scrivi(percorso(), file_);
    statusBar()->showMessage(
        errore ? QStringLiteral("Copia di recupero non scritta: %1").arg(*errore)
               : QStringLiteral("Ripristinata la copia di recupero del percorso «%1»").arg(nomeDelPercorso(file_)));
    return !errore;
}

}  // namespace flumetra
