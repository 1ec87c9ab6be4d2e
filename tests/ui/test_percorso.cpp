// The run sheet beside the main window: a file opened shows its sections
// and the fan's pressure, an edit recomputes and undo restores it, a refused
// file changes nothing, a save writes what the file reader reads back, the
// recovery copy follows unsaved changes, «Stampa…» prints the report's
// pages, and «Aggiungi dal calcolatore» takes the main window's duct
// without changing it.

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QDoubleSpinBox>
#include <QFile>
#include <QItemSelectionModel>
#include <QListWidget>
#include <QLockFile>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QSpinBox>
#include <QSysInfo>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimer>

#include "open_window_test.h"
#include "percorso/calcolo.h"
#include "percorso/colonne.h"
#include "percorso/file.h"
#include "riferimento.h"
#include "ui/comune/cartella_dei_dati.h"
#include "ui/comune/estensione_chiesta.h"
#include "ui/comune/file_recenti.h"
#include "ui/diagramma/finestra_diagramma.h"
#include "ui/foglio/copia_di_recupero.h"
#include "ui/foglio/documento_percorso.h"
#include "ui/foglio/editore_raccordi.h"
#include "ui/foglio/foglio_percorso.h"
#include "ui/foglio/modello_percorso.h"
#include "ui/foglio/tabella_percorso.h"
#include "ui/grafica/errori_dei_file.h"
#include "ui/grafica/file_percorso.h"
#include "ui/grafica/rapporto_pdf.h"
#include "ui/grafica/testi_diagramma.h"

namespace flumetra {
namespace {

using percorso::Colonna;

class Foglio : public OpenWindowTest {
protected:
    void SetUp() override {
        OpenWindowTest::SetUp();
        ASSERT_TRUE(cartella.isValid());
        riferimento = scrivi(QStringLiteral("riferimento.flumetra"), testoRiferimento);
        ASSERT_FALSE(foglio().documento().apri(riferimento));
    }
    void TearDown() override { foglio().documento().dimentica(); }

    FoglioPercorso& foglio() { return programma.mostraPercorso(); }
    QString scrivi(const QString& nome, std::string_view testo) {
        QFile file(cartella.filePath(nome));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(testo.data(), static_cast<qint64>(testo.size()));
        return file.fileName();
    }
    QModelIndex cella(int riga, Colonna c) { return foglio().modello()->index(riga, percorso::posizioneNelFoglio(c)); }
    QString testo(int riga, Colonna c) { return cella(riga, c).data().toString(); }
    QString pressione() { return foglio().findChild<QLineEdit*>(QStringLiteral("Text_PressioneVentilatore"))->text(); }

    QTemporaryDir cartella;
    QString riferimento;
};

// The friction chart shows the open run's sections, the index run's marked,
// its lines follow the run's air and method and say so, and once the sheet
// is closed the chart has the calculator's lines and no sections.
TEST_F(Foglio, TheChartShowsTheRunsSections) {
    programma.mostraDiagramma(true);
    const ContenutoDiagramma& contenuto = programma.diagramma()->contenuto();
    const std::vector<PuntoTratto>& tratti = contenuto.tratti;
    ASSERT_EQ(tratti.size(), 5U);
    EXPECT_EQ(tratti[0].id, "T1");
    EXPECT_EQ(tratti[0].G, 3000);
    EXPECT_NEAR(tratti[0].Y_Pa_m, 0.67666, 1e-5);
    QStringList indice;
    for (const PuntoTratto& t : tratti) {
        if (t.indice) indice << t.id;
    }
    EXPECT_EQ(indice, QStringList({"T1", "T3", "T5"}));

    percorso::Percorso colebrook = foglio().percorso();
    colebrook.metodo = percorso::Metodo::Colebrook;
    colebrook.aria = {35, 1500};
    ASSERT_FALSE(foglio().documento().modifica(colebrook, QStringLiteral("Metodo per R")));
    ASSERT_TRUE(contenuto.delPercorso.has_value());
    EXPECT_EQ(contenuto.delPercorso->metodo, percorso::Metodo::Colebrook);
    EXPECT_FALSE(contenuto.linee.front().tracciato.empty()) << "Colebrook's lines bend";
    EXPECT_TRUE(descrizioneDiagramma(contenuto).contains(
        "percorso: aria a 35 °C, quota 1500 m, metodo: Colebrook, acciaio zincato (ε 0,15 mm)."));
    EXPECT_EQ(cella(0, Colonna::R).data(Qt::ToolTipRole).toString().section('\n', 1).toStdString(),
              "Perdita per attrito R in mm c.a.: 0,0763 mmc.a./m");  // T1 300 × 500 (De 424): R 0,748 Pa/m

    foglio().documento().annulla();  // nothing to ask at closing
    foglio().close();
    EXPECT_TRUE(contenuto.tratti.empty());
    EXPECT_FALSE(contenuto.delPercorso.has_value());
    EXPECT_EQ(contenuto.aria, dettagli::Aria{}) << "the details' air";
    EXPECT_TRUE(contenuto.linee.front().tracciato.empty());
}

TEST_F(Foglio, OpensARunEditsItAndUndoesTheEdit) {
    FoglioPercorso& f = foglio();
    ASSERT_EQ(f.modello()->rowCount(), 5);
    EXPECT_EQ(testo(0, Colonna::Sezione), "300 × 550");
    EXPECT_EQ(testo(0, Colonna::De), "443");
    EXPECT_EQ(testo(0, Colonna::Indice), "▶");
    EXPECT_EQ(testo(1, Colonna::DaTarare), "43,8");
    EXPECT_EQ(pressione(), "94,9");
    EXPECT_EQ(f.findChild<QLineEdit*>(QStringLiteral("Text_PercorsoIndice"))->text(), "T1 → T3 → T5");
    EXPECT_EQ(f.windowTitle(), "riferimento.flumetra[*] – Percorso");
    EXPECT_FALSE(cella(0, Colonna::v).flags().testFlag(Qt::ItemIsEditable));
    EXPECT_TRUE(cella(4, Colonna::v).data(Qt::AccessibleDescriptionRole).toString().startsWith("velocità oltre"));

    // F2 in the table edits the cell; it does not open the details there.
    f.tabella()->setCurrentIndex(cella(2, Colonna::L));
    QTest::keyClick(f.tabella(), Qt::Key_F2);
    const auto* editore = f.tabella()->viewport()->findChild<QLineEdit*>();
    ASSERT_NE(editore, nullptr);
    EXPECT_EQ(editore->text(), "15");
    EXPECT_FALSE(programma.dettagliAperti());
    QTest::keyClick(f.tabella()->viewport()->findChild<QLineEdit*>(), Qt::Key_Escape);

    // T5's diameter left to the sheet: a larger one, the warnings gone, and
    // T4's terminal (72,3 Pa) the index now.
    ASSERT_TRUE(f.modello()->setData(cella(4, Colonna::BoD), QString(), Qt::EditRole));
    EXPECT_EQ(testo(4, Colonna::Sezione), "Ø 355");
    EXPECT_EQ(cella(4, Colonna::v).data(Qt::AccessibleDescriptionRole).toString(), "");
    EXPECT_EQ(pressione(), "72,3");
    EXPECT_EQ(f.findChild<QLineEdit*>(QStringLiteral("Text_PercorsoIndice"))->text(), "T1 → T3 → T4");
    EXPECT_TRUE(f.isWindowModified());
    f.documento().annulla();
    EXPECT_EQ(testo(4, Colonna::Sezione), "Ø 250");
    EXPECT_EQ(pressione(), "94,9");
    EXPECT_FALSE(f.isWindowModified());
    f.documento().ripeti();
    EXPECT_EQ(testo(4, Colonna::Sezione), "Ø 355");
    f.documento().annulla();
    EXPECT_EQ(testo(4, Colonna::Sezione), "Ø 250");

    // A refused file: the message names it and what and where; the sheet keeps its run.
    std::string anello(testoRiferimento);
    anello.replace(anello.find("\"monte\": \"T1\""), 13, "\"monte\": \"T4\"");  // T2 hangs from T4
    anello.replace(anello.find("\"monte\": null"), 13, "\"monte\": \"T2\"");    // and T1 from T2
    const auto messaggio = f.documento().apri(scrivi(QStringLiteral("anello.flumetra"), anello));
    ASSERT_TRUE(messaggio);
    EXPECT_TRUE(messaggio->startsWith("Il file «anello.flumetra» non è stato aperto: ")) << messaggio->toStdString();
    EXPECT_EQ(f.file(), riferimento);
    EXPECT_EQ(testo(4, Colonna::Sezione), "Ø 250");
    EXPECT_EQ(pressione(), "94,9");
}

// A run typed by keyboard: Tab stops only where a row is typed, Enter on
// the last row's last value adds a section as the run goes on, and a text
// that is no value keeps its editor open, with the reason beside it.
TEST_F(Foglio, ARunIsTypedByKeyboard) {
    FoglioPercorso& f = foglio();
    TabellaPercorso* tabella = f.tabella();
    QApplication::processEvents();  // the windows' own activations first
    QApplication::setActiveWindow(&f);
    tabella->setFocus();
    auto colonnaCorrente = [&] { return percorso::colonneDelFoglio()[tabella->currentIndex().column()]; };
    // Keys where a person's go: the editor once the first opened one.
    auto premi = [](const char* tasti) {
        for (const char* c = tasti; *c != 0; ++c) QTest::keyClicks(QApplication::focusWidget(), QString(QChar(*c)));
    };
    struct Tab {
        int riga;
        Colonna da;
        std::vector<Colonna> attese;
    };
    const Tab righe[] = {
        {3,
         Colonna::L,
         {Colonna::G, Colonna::Zeta, Colonna::Ruolo, Colonna::Forma, Colonna::BoD, Colonna::DpTerminale}},
        {0, Colonna::Forma, {Colonna::A, Colonna::BoD, Colonna::Id}},  // a main has no terminal device
    };
    for (const Tab& r : righe) {
        tabella->setCurrentIndex(cella(r.riga, r.da));
        for (const Colonna attesa : r.attese) {
            QTest::keyClick(tabella, Qt::Key_Tab);
            EXPECT_EQ(colonnaCorrente(), attesa) << percorso::intestazione(attesa);
        }
    }

    // T5's device typed, then Enter: a new round terminal beside it, at its length.
    tabella->setCurrentIndex(cella(4, Colonna::DpTerminale));
    premi("35");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QApplication::processEvents();  // Enter's commit is queued
    ASSERT_EQ(f.modello()->rowCount(), 6);
    EXPECT_EQ(testo(4, Colonna::DpTerminale), "35");
    EXPECT_EQ(testo(5, Colonna::Id), "T6");
    EXPECT_EQ(testo(5, Colonna::Monte), "T3");
    EXPECT_EQ(testo(5, Colonna::Ruolo), "terminale");
    EXPECT_EQ(tabella->currentIndex(), cella(5, Colonna::L));
    EXPECT_EQ(f.modello()->headerData(5, Qt::Vertical, Qt::DisplayRole).toString(), "\u2002\u2002\u2002\u2002T6");

    // A length that is no number: refused there, the editor kept with it.
    premi("1x");
    auto* editore = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    ASSERT_NE(editore, nullptr);
    QTest::keyClick(editore, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), editore);
    EXPECT_TRUE(editore->isVisible());
    EXPECT_EQ(editore->text(), "1x");
    EXPECT_EQ(editore->accessibleDescription(), "«1x» non è un numero");
    EXPECT_EQ(cella(5, Colonna::L).data(Qt::AccessibleDescriptionRole).toString(),
              "non accettato: «1x» non è un numero");
    EXPECT_EQ(testo(5, Colonna::L), "10");
    QTest::keyClick(editore, Qt::Key_Escape);
    QTest::keyClick(tabella, Qt::Key_Return);  // not editing: on to the next value, as in a spreadsheet
    EXPECT_EQ(tabella->currentIndex(), cella(5, Colonna::G));

    // Insert while a value is being typed: the value is taken first.
    premi("7");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Insert);
    EXPECT_EQ(testo(5, Colonna::G), "7");
    EXPECT_EQ(f.modello()->rowCount(), 7);
}

// «Apri nel calcolatore»: the section's size as the sheet chose it and the
// flow it carries, typed into the calculator, which follows them.
TEST_F(Foglio, OpensASectionInTheCalculator) {
    FoglioPercorso& f = foglio();
    f.tabella()->setCurrentIndex(cella(0, Colonna::L));  // T1, 300 × 550 chosen, 3000 m³/h
    ASSERT_FALSE(f.apriNelCalcolatore(false));
    EXPECT_EQ(t("Text_A"), "300");
    EXPECT_EQ(t("Text_B"), "550");
    EXPECT_EQ(t("Text_D"), "443");
    EXPECT_EQ(t("Text_G"), "3000");
    EXPECT_TRUE(w<QRadioButton>("Option_SezioneCanale")->isChecked());
    f.tabella()->setCurrentIndex(cella(4, Colonna::L));  // T5, Ø 250, 1000 m³/h
    ASSERT_FALSE(f.apriNelCalcolatore(true));
    EXPECT_EQ(t("Text_D"), "250");
    EXPECT_EQ(t("Text_v"), "5,7");
    EXPECT_TRUE(programma.dettagliAperti());
}

// Cells copied for a spreadsheet with decimal commas, and pasted back from
// where they came as one edit; what is computed there is left as it is.
TEST_F(Foglio, CellsAreCopiedAndPastedAsOneEdit) {
    FoglioPercorso& f = foglio();
    QItemSelectionModel* scelta = f.tabella()->selectionModel();
    scelta->select(QItemSelection(cella(1, Colonna::L), cella(1, Colonna::ZetaRaccordi)),
                   QItemSelectionModel::ClearAndSelect);
    f.copia();
    EXPECT_EQ(QApplication::clipboard()->text(), "8\t800\t1,2\t0,00\n");
    f.tabella()->setCurrentIndex(cella(4, Colonna::L));
    ASSERT_FALSE(f.incolla());
    EXPECT_EQ(testo(4, Colonna::L), "8");
    EXPECT_EQ(testo(4, Colonna::G), "800");
    EXPECT_EQ(testo(4, Colonna::Zeta), "1,2");
    f.documento().annulla();
    EXPECT_EQ(testo(4, Colonna::L), "4");
    EXPECT_EQ(testo(4, Colonna::Zeta), "1,5");
}

// The runs opened last, newest first and each once, eight at most.
TEST_F(Foglio, RecentFilesNewestFirstAtMostEight) {
    ASSERT_FALSE(fileRecenti().isEmpty());
    EXPECT_EQ(fileRecenti().first(), riferimento) << "the run the sheet opened";
    for (int k = 1; k <= 9; ++k) ricordaFile(cartella.filePath(QStringLiteral("r%1.flumetra").arg(k)));
    ricordaFile(cartella.filePath(QStringLiteral("r5.flumetra")));
    const QStringList elenco = fileRecenti();
    ASSERT_EQ(elenco.size(), 8);
    EXPECT_EQ(elenco.first(), cartella.filePath(QStringLiteral("r5.flumetra")));
    EXPECT_EQ(elenco.last(), cartella.filePath(QStringLiteral("r2.flumetra")));
}

// A setting changed in the panel is a named edit of the document; its
// arrow pressed again and again, or a value typed, is one undo step.
TEST_F(Foglio, ASettingsArrowsAreOneUndoStep) {
    FoglioPercorso& f = foglio();
    auto* temperatura = f.findChild<QDoubleSpinBox*>();
    ASSERT_NE(temperatura, nullptr);
    EXPECT_EQ(temperatura->accessibleName(), "Temperatura dell'aria [°C]");
    temperatura->setFocus();
    for (int i = 0; i < 3; ++i) QTest::keyClick(temperatura, Qt::Key_Up);
    EXPECT_EQ(f.percorso().aria.temperatura, 23);
    EXPECT_EQ(f.documento().storia().passi(), 1U);
    EXPECT_TRUE(f.isWindowModified());
    f.documento().annulla();
    EXPECT_EQ(f.percorso().aria.temperatura, 20);
    EXPECT_EQ(temperatura->value(), 20) << "the panel shows the document's run";
    EXPECT_FALSE(f.isWindowModified());
}

// A section's fittings, edited beside the sheet: each change an edit of the
// run, its ζ in the sheet, undone as any other; a shape they do not go on
// refused.
TEST_F(Foglio, FittingsAreEditsOfTheRun) {
    FoglioPercorso& f = foglio();
    f.tabella()->setCurrentIndex(cella(2, Colonna::L));  // T3, round, below T1
    EditoreRaccordi* editore = f.apriRaccordi();
    ASSERT_NE(editore, nullptr);
    auto* aggiungi = editore->findChild<QPushButton*>();
    ASSERT_NE(aggiungi, nullptr);
    ASSERT_EQ(aggiungi->text(), "A&ggiungi");
    aggiungi->click();
    ASSERT_EQ(f.percorso().tratti[2].raccordi.size(), 1U);
    EXPECT_EQ(editore->lista()->item(0)->text(), "Curva circolare, r/D 1,5, angolo 90°: n 1, ζ 0,15 (tabella CD3-1)");
    EXPECT_EQ(testo(2, Colonna::ZetaRaccordi), "0,15");
    EXPECT_TRUE(f.isWindowModified());
    editore->findChild<QSpinBox*>()->setValue(2);
    EXPECT_EQ(testo(2, Colonna::ZetaRaccordi), "0,30");

    percorso::Percorso rettangolo = f.percorso();
    rettangolo.tratti[2].forma = percorso::Rettangolare{400, std::nullopt};
    const auto rifiuto = f.documento().modifica(rettangolo, QStringLiteral("forma di T3"));
    ASSERT_TRUE(rifiuto.has_value());
    EXPECT_TRUE(rifiuto->startsWith("tratto 3 («T3»), raccordo 1")) << rifiuto->toStdString();
    EXPECT_TRUE(std::holds_alternative<percorso::Tondo>(f.percorso().tratti[2].forma));

    f.documento().annulla();
    f.documento().annulla();
    EXPECT_TRUE(f.percorso().tratti[2].raccordi.empty());
    EXPECT_EQ(editore->lista()->count(), 0) << "the editor follows the document";
    EXPECT_FALSE(f.isWindowModified());
    editore->close();
}

// The recovery copies: each program keeps its own, held while it runs,
// and finds only those whose program is gone.
TEST_F(Foglio, SaveWritesTheRunAndRemovesTheRecoveryCopy) {
    FoglioPercorso& f = foglio();
    const QDir recupero(cartellaDeiDati() + QStringLiteral("/recupero"));
    auto copie = [&] { return recupero.entryList({QStringLiteral("*.flumetra")}, QDir::Files); };
    ASSERT_TRUE(f.modello()->setData(cella(2, Colonna::L), QStringLiteral("20,5"), Qt::EditRole));
    ASSERT_TRUE(QTest::qWaitFor([&] { return copie().size() == 1; }, 5000));
    const QString nostra = recupero.filePath(copie().constFirst());
    const auto letta = leggiPercorso(nostra);
    ASSERT_TRUE(std::holds_alternative<percorso::Percorso>(letta));
    EXPECT_TRUE(std::get<percorso::Percorso>(letta) == f.percorso());
    EXPECT_TRUE(CopiaLasciata::cerca().empty()) << "the copy of a program that runs is never offered";

    // Another program's copy while it runs (its lock held), and one a crash left.
    auto copia = [&](const QString& nome, const QString& origine) {
        ASSERT_TRUE(QFile::copy(riferimento, recupero.filePath(nome + ".flumetra")));
        QFile file(recupero.filePath(nome + ".origine"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(origine.toUtf8());
    };
    copia(QStringLiteral("viva"), QStringLiteral("/progetti/viva.flumetra"));
    QLockFile viva(recupero.filePath(QStringLiteral("viva.lock")));
    ASSERT_TRUE(viva.tryLock(0));
    copia(QStringLiteral("lasciata"), QStringLiteral("/progetti/uffici.flumetra"));
    {
        const std::vector<CopiaLasciata> trovate = CopiaLasciata::cerca();
        ASSERT_EQ(trovate.size(), 1U);
        EXPECT_EQ(trovate[0].origine, "/progetti/uffici.flumetra");
        ASSERT_TRUE(std::holds_alternative<percorso::Percorso>(trovate[0].contenuto));
        EXPECT_EQ(std::get<percorso::Percorso>(trovate[0].contenuto).tratti.size(), 5U);
        EXPECT_TRUE(CopiaLasciata::cerca().empty()) << "nor offered twice at once";
        trovate[0].rimuovi();
    }
    EXPECT_EQ(copie().size(), 2) << "Scarta removes that copy only";

    const QString salvato = cartella.filePath(QStringLiteral("salvato.flumetra"));
    ASSERT_FALSE(f.documento().salvaIn(salvato));
    EXPECT_FALSE(QFile::exists(nostra));
    EXPECT_TRUE(QFile::exists(recupero.filePath(QStringLiteral("viva.flumetra"))));
    EXPECT_FALSE(f.isWindowModified());
    EXPECT_EQ(f.windowTitle(), "salvato.flumetra[*] – Percorso");
    QFile file(salvato);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const auto letto = percorso::leggi(file.readAll().toStdString());
    ASSERT_TRUE(std::holds_alternative<percorso::Percorso>(letto));
    EXPECT_TRUE(std::get<percorso::Percorso>(letto) == f.percorso());
    EXPECT_EQ(std::get<percorso::Percorso>(letto).tratti[2].L, 20.5);

    // A copy that cannot be read is kept aside, where nobody offers it again.
    viva.unlock();
    QFile rotta(recupero.filePath(QStringLiteral("viva.flumetra")));
    ASSERT_TRUE(rotta.open(QIODevice::Append));
    rotta.write("}");
    rotta.close();
    const std::vector<CopiaLasciata> illeggibili = CopiaLasciata::cerca();
    ASSERT_EQ(illeggibili.size(), 1U);
    ASSERT_TRUE(std::holds_alternative<QString>(illeggibili[0].contenuto));
    const QString daParte = illeggibili[0].mettiDaParte();
    EXPECT_EQ(daParte, recupero.filePath(QStringLiteral("illeggibili/viva.flumetra")));
    EXPECT_TRUE(QFile::exists(daParte));
    EXPECT_TRUE(copie().isEmpty());
}

// At start, a copy a crash left is offered and «Ripristina» puts it in the
// sheet as unsaved changes of its file; the sheet's own copy then holds it.
TEST_F(Foglio, ACopyACrashLeftIsRestoredAtStart) {
    const QDir recupero(cartellaDeiDati() + QStringLiteral("/recupero"));
    ASSERT_TRUE(QDir().mkpath(recupero.path()));
    std::string modificato(testoRiferimento);
    modificato.replace(modificato.find("\"L\": 15"), 7, "\"L\": 17");
    const QString lasciata = recupero.filePath(QStringLiteral("lasciata.flumetra"));
    QFile file(lasciata);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(modificato.data(), static_cast<qint64>(modificato.size()));
    file.close();
    QFile origine(recupero.filePath(QStringLiteral("lasciata.origine")));
    ASSERT_TRUE(origine.open(QIODevice::WriteOnly));
    origine.write(riferimento.toUtf8());
    origine.close();
    foglio().documento().dimentica();

    QString domanda;
    QTimer::singleShot(0, [&domanda] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr) return;  // nothing asked: the expectations below fail
        domanda = box->text();
        for (QAbstractButton* b : box->buttons()) {
            if (box->buttonRole(b) == QMessageBox::AcceptRole) b->click();
        }
    });
    programma.offriRecupero();
    EXPECT_TRUE(domanda.contains("«riferimento.flumetra»")) << domanda.toStdString();
    FoglioPercorso& f = foglio();
    EXPECT_EQ(testo(2, Colonna::L), "17");
    EXPECT_TRUE(f.isWindowModified());
    EXPECT_EQ(f.file(), riferimento);
    EXPECT_FALSE(QFile::exists(lasciata));
    EXPECT_EQ(recupero.entryList({QStringLiteral("*.flumetra")}, QDir::Files).size(), 1) << "the sheet's own";
    f.documento().annulla();
    EXPECT_EQ(testo(2, Colonna::L), "17") << "nothing to undo in a restored run";
}

// «Stampa…» (Ctrl+P), with a section in the run, asks for a printer with the
// report's A4 landscape and prints nothing when cancelled; a printer gets
// the PDF's pages, those of a range alone.
TEST_F(Foglio, PrintsTheReportsPages) {
    FoglioPercorso& f = foglio();
    QAction* stampa = nullptr;
    for (QAction* a : f.findChildren<QAction*>()) {
        if (a->shortcut() == QKeySequence(QKeySequence::Print)) stampa = a;
    }
    ASSERT_NE(stampa, nullptr);
    EXPECT_EQ(stampa->text(), "S&tampa…");
    EXPECT_TRUE(stampa->isEnabled());
    // Windows' print dialog is the system's own, which no test can answer.
    if (QSysInfo::productType() != QLatin1String("windows")) {
        QString titolo;
        QPageLayout offerta;
        QTimer::singleShot(0, [&] {
            auto* dialogo = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget());
            if (dialogo == nullptr) return;  // nothing asked: the expectations below fail
            titolo = dialogo->windowTitle();
            offerta = dialogo->printer()->pageLayout();
            dialogo->reject();
        });
        stampa->trigger();
        EXPECT_EQ(titolo, "Stampa il percorso");
        EXPECT_EQ(offerta.pageSize().id(), QPageSize::A4);
        EXPECT_EQ(offerta.orientation(), QPageLayout::Landscape);
    }

    auto pagine = [&](int prima, int ultima) {
        const QString pdf = cartella.filePath(QStringLiteral("stampa.pdf"));
        QPrinter stampante(QPrinter::HighResolution);
        stampante.setOutputFormat(QPrinter::PdfFormat);
        stampante.setOutputFileName(pdf);
        stampante.setPageLayout(paginaDelRapporto());
        EXPECT_TRUE(
            disegnaRapporto(stampante, QStringLiteral("rete.flumetra"), f.percorso(), *f.risultati(), prima, ultima));
        QFile file(pdf);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        return file.readAll().count("/Type /Page\n");
    };
    EXPECT_EQ(pagine(1, 0), 2);
    EXPECT_EQ(pagine(2, 2), 1);

    f.documento().ricomincia(percorso::Percorso{}, QString());
    EXPECT_FALSE(stampa->isEnabled()) << "nothing to print";
}

TEST_F(Foglio, AddsTheCalculatorsDuctBelowTheSelectedSection) {
    FoglioPercorso& f = foglio();
    auto campi = [this] {
        std::vector<QString> testi;
        testi.reserve(tabellaCampi.size());
        for (const DatiCampo& c : tabellaCampi) testi.push_back(t(c.nome));
        return testi;
    };
    freccia("UpDown_A", false);  // A no longer equal to B, so that the two cannot be swapped unseen
    ASSERT_NE(t("Text_A"), t("Text_B"));
    const std::vector<QString> prima = campi();
    f.tabella()->setCurrentIndex(cella(2, Colonna::L));  // T3
    ASSERT_FALSE(f.aggiungiDalCalcolatore());
    ASSERT_EQ(f.modello()->rowCount(), 6);
    const std::pair<Colonna, const char*> attesi[] = {
        {Colonna::Id, "T6"},  {Colonna::Monte, "T3"}, {Colonna::Forma, "rettangolare"},
        {Colonna::G, "3000"}, {Colonna::L, "10"},
    };
    for (const auto& [colonna, atteso] : attesi)
        EXPECT_EQ(testo(3, colonna), atteso) << percorso::intestazione(colonna);
    EXPECT_EQ(testo(3, Colonna::A), t("Text_A"));
    EXPECT_EQ(testo(3, Colonna::BoD), t("Text_B"));
    EXPECT_EQ(f.tabella()->currentIndex().row(), 3);
    EXPECT_EQ(campi(), prima) << "the main window as it was";

    // Once more, below the new terminal T6: hung there as asked, T6's role marked for review.
    EXPECT_EQ(cella(3, Colonna::Ruolo).data(Qt::AccessibleDescriptionRole).toString(), "");
    ASSERT_FALSE(f.aggiungiDalCalcolatore());
    EXPECT_EQ(testo(4, Colonna::Monte), "T6");
    EXPECT_EQ(cella(3, Colonna::Ruolo).data(Qt::AccessibleDescriptionRole).toString(),
              "un terminale con tratti a valle: il ruolo è da rivedere");
}

// Why a file was not written or read, in Italian whatever the system says.
TEST(ErroriDeiFile, EachFailureInThePersonsWords) {
    struct Riga {
        Circostanze c;
        const char* atteso;
    };
    const QString dove = QStringLiteral("/progetti");
    const QString sistema = QStringLiteral("Input/output error");
    const Riga righe[] = {
        {{.scrittura = true, .cartella = dove, .cartellaEsiste = false}, "la cartella «/progetti» non esiste"},
        {{.cartella = dove, .cartellaEsiste = false}, "la cartella «/progetti» non esiste"},
        {{.scrittura = true, .cartella = dove, .soloLettura = true},
         "il disco della cartella «/progetti» è di sola lettura"},
        {{.scrittura = true, .cartella = dove, .cartellaScrivibile = false},
         "non c'è il permesso di scrivere in «/progetti»"},
        {{.scrittura = true, .fileEsiste = true, .fileScrivibile = false}, "il file è di sola lettura"},
        {{.scrittura = true, .libero = 100, .necessario = 4096}, "il disco è pieno"},
        {{.fileEsiste = true, .fileLeggibile = false}, "non c'è il permesso di leggerlo"},
        {{.scrittura = true, .fileEsiste = true, .libero = 1 << 20, .necessario = 10, .sistema = sistema},
         "il file è in uso da un altro programma, o il sistema l'ha rifiutato (Input/output error)"},
        {{.sistema = sistema}, "il sistema l'ha rifiutato (Input/output error)"},
    };
    for (const Riga& r : righe) EXPECT_EQ(perche(r.c), r.atteso);

    QTemporaryDir dati;
    const QString senzaCartella = dati.filePath(QStringLiteral("manca/rete.flumetra"));
    EXPECT_EQ(scriviTutto(senzaCartella, "{}"),
              QStringLiteral("Il file «rete.flumetra» non è stato salvato: la cartella «%1» non esiste")
                  .arg(QDir::toNativeSeparators(dati.filePath(QStringLiteral("manca")))));
}

// A name saved without its extension gets it; the file that then names, if
// it exists, is replaced only when the person says so.
TEST(Estensione, AFileTheAddedExtensionNamesIsReplacedOnlyWhenSaidSo) {
    QTemporaryDir cartella;
    const QString nome = cartella.filePath(QStringLiteral("rete"));
    EXPECT_EQ(conEstensione(nullptr, nome, QStringLiteral(".csv")), nome + ".csv") << "no such file: nothing asked";
    QFile esistente(nome + ".csv");
    ASSERT_TRUE(esistente.open(QIODevice::WriteOnly));
    esistente.close();
    for (const bool sostituisci : {false, true}) {
        QTimer::singleShot(0, [sostituisci] {
            auto* domanda = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (domanda == nullptr) return;  // nothing asked: the expectation below fails
            for (QAbstractButton* b : domanda->buttons()) {
                if ((domanda->buttonRole(b) == QMessageBox::DestructiveRole) == sostituisci) b->click();
            }
        });
        EXPECT_EQ(conEstensione(nullptr, nome, QStringLiteral(".csv")), sostituisci ? nome + ".csv" : QString());
    }
}

}  // namespace
}  // namespace flumetra
