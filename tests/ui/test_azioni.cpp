// Every user action reaches exactly its one operation: the window after an
// action equals an in-memory window after that operation alone.

#include <QKeyEvent>
#include <array>

#include "finestra_aperta.h"
#include "logic/finestra_in_memoria.h"

namespace flumetra {
namespace {

constexpr std::array campi = {"Text_A", "Text_B", "Text_D", "Text_G", "Text_v", "Text_Y", "Text_L", "Text_Ytot"};

class Azioni : public FinestraAperta {
protected:
    // The eight texts, the mode and the held dimension, as one string.
    std::string statoFinestra() {
        std::string s;
        for (const char* c : campi) s += t(c).toStdString() + '|';
        for (int m = 0; m < 4; ++m) s += finestra.modoSelezionato(static_cast<Modo>(m)) ? 'M' : '.';
        for (int z = 0; z < 3; ++z) s += finestra.sezioneSelezionata(static_cast<Sezione>(z)) ? 'S' : '.';
        return s;
    }
    std::string statoLogica() {
        std::string s;
        for (int c = 0; c < 8; ++c) s += logica.testo(static_cast<Campo>(c)) + '|';
        for (int m = 0; m < 4; ++m) s += logica.modoSelezionato(static_cast<Modo>(m)) ? 'M' : '.';
        for (int z = 0; z < 3; ++z) s += logica.sezioneSelezionata(static_cast<Sezione>(z)) ? 'S' : '.';
        return s;
    }
    void rilascia(const char* campo, Qt::Key tasto, bool ripetuto = false) {
        QKeyEvent rilascio(QEvent::KeyRelease, tasto, Qt::NoModifier, QString(), ripetuto);
        QApplication::sendEvent(w(campo), &rilascio);
    }

    FinestraInMemoria logica;
    Calcolatore& c = logica.calcolatore();
};

TEST_F(Azioni, EachActionRunsItsOperationOnly) {
    ASSERT_EQ(statoFinestra(), statoLogica());

    freccia("UpDown_A", true);  // writes 550, then UpDown_A_Change; the D it writes starts nothing
    logica.scrivi(Campo::Text_A, "550");
    c.UpDown_A_Change();
    EXPECT_EQ(t("Text_A"), "550");
    EXPECT_EQ(statoFinestra(), statoLogica());

    freccia("UpDown_v", false);
    c.UpDown_v_DownClick();
    EXPECT_EQ(statoFinestra(), statoLogica());

    QTest::mouseClick(w("Option_D"), Qt::LeftButton, {}, QPoint(8, 8));
    logica.cliccaSezione(Sezione::D);
    freccia("UpDown_B", true);
    logica.scrivi(Campo::Text_B, "550");
    c.UpDown_B_Change();
    EXPECT_EQ(statoFinestra(), statoLogica());

    QTest::mouseClick(w("Option_Portata"), Qt::LeftButton, {}, QPoint(8, 8));
    logica.cliccaModo(Modo::Portata);
    freccia("UpDown_Y", true);
    c.UpDown_Y_UpClick();
    EXPECT_EQ(statoFinestra(), statoLogica());

    w<QLineEdit>("Text_G")->setText("3100");  // as a paste: nothing runs until a key is released
    logica.scrivi(Campo::Text_G, "3100");
    EXPECT_EQ(statoFinestra(), statoLogica());
    rilascia("Text_G", Qt::Key_Right);  // in mode Portata the held G recomputes nothing
    EXPECT_EQ(statoFinestra(), statoLogica());

    w("Text_L")->setFocus();
    QTest::keyClicks(w("Text_L"), "5");
    logica.scrivi(Campo::Text_L, "105");
    EXPECT_EQ(t("Text_L"), "105");
    EXPECT_EQ(statoFinestra(), statoLogica()) << "typing in Text_L runs nothing";

    QTest::keyClicks(w("Text_Ytot"), "9");
    QTest::keyClicks(w("Text1"), "9");
    EXPECT_EQ(statoFinestra(), statoLogica());
    EXPECT_EQ(t("Text1"), "cliccare qui per informazioni");
}

TEST_F(Azioni, KeyReleaseRunsOnceTheTextHasChanged) {
    w("Text_A")->setFocus();
    w<QLineEdit>("Text_A")->clear();
    QTest::keyClicks(w("Text_A"), "550");
    EXPECT_EQ(t("Text_D"), "577");
    EXPECT_EQ(t("Text_Ytot"), "0,19");

    w<QLineEdit>("Text_G")->setText("3500");
    rilascia("Text_G", Qt::Key_5, /*ripetuto=*/true);  // a key the system repeats counts at its last release
    EXPECT_EQ(t("Text_v"), "3,2");
    rilascia("Text_G", Qt::Key_Shift);
    EXPECT_EQ(t("Text_v"), "3,7");
}

TEST_F(Azioni, TwentyClicksMakeTwentySteps) {
    QTest::mouseClick(w("Option_Portata"), Qt::LeftButton, {}, QPoint(8, 8));  // G held, so v and Y can both step
    for (int i = 0; i < 20; ++i) freccia("UpDown_v", true);
    EXPECT_EQ(t("Text_v"), "5,5");
    w<QLineEdit>("Text_Y")->setText("0,2");
    for (int i = 0; i < 20; ++i) freccia("UpDown_Y", false);
    EXPECT_EQ(t("Text_Y"), "0,1");
}

TEST_F(Azioni, HoldingAnArrowRepeats) {
    QWidget* v = w("UpDown_v");
    QTest::mousePress(v, Qt::LeftButton, {}, QPoint(v->width() / 2, 3));
    QTest::qWait(900);  // the first repeat after 500 ms, then every 150 ms
    QTest::mouseRelease(v, Qt::LeftButton, {}, QPoint(v->width() / 2, 3));
    const double passi = (t("Text_v").replace(',', '.').toDouble() - 3.5) / 0.1;
    EXPECT_GE(passi, 2.5);
    const QString fermo = t("Text_v");
    QTest::qWait(400);
    EXPECT_EQ(t("Text_v"), fermo) << "no step after the release";
}

TEST_F(Azioni, AFailedStepIsShownOnItsFieldUntilWrittenAgain) {
    w<QLineEdit>("Text_G")->clear();
    freccia("UpDown_A", true);
    EXPECT_EQ(t("Text_D"), "577");
    EXPECT_EQ(t("Text_v"), "3,5");
    const QString detto = w("Text_v")->toolTip();
    EXPECT_TRUE(detto.contains("Portata G")) << detto.toStdString();
    EXPECT_TRUE(detto.contains("non contiene un numero")) << detto.toStdString();
    EXPECT_EQ(w("Text_v")->accessibleDescription(), detto);

    w<QLineEdit>("Text_G")->setText("3000");
    freccia("UpDown_A", true);
    EXPECT_TRUE(w("Text_v")->toolTip().isEmpty());
}

TEST_F(Azioni, CaptionlessControlsSayWhatTheyDo) {
    for (const char* nome : {"Option_Perdita", "Option_Velocità", "Option_Portata", "Option_SezioneCanale", "Option_A",
                             "Option_B", "Option_D", "Check1"}) {
        EXPECT_FALSE(w(nome)->toolTip().isEmpty()) << nome;
        EXPECT_FALSE(w(nome)->accessibleName().isEmpty()) << nome;
    }
    for (const char* campo : campi) EXPECT_FALSE(w(campo)->accessibleName().isEmpty()) << campo;
}

}  // namespace
}  // namespace flumetra
