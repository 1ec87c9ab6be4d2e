// Every user action reaches exactly its one operation: the window after an
// action equals an in-memory window after that operation alone.

#include <QKeyEvent>
#include <QSignalSpy>
#include <vector>

#include "logic/finestra_in_memoria.h"
#include "open_window_test.h"

namespace flumetra {
namespace {

// The field texts, the mode and the held dimension, as one string.
std::string stato(const Finestra& f) {
    std::string s;
    for (const Campo c : allValues<Campo>()) s += f.testo(c) + '|';
    for (const Modo m : allValues<Modo>()) s += f.modoSelezionato(m) ? 'M' : '.';
    for (const Sezione z : allValues<Sezione>()) s += f.sezioneSelezionata(z) ? 'S' : '.';
    return s;
}

class UserActions : public OpenWindowTest {
protected:
    std::string statoFinestra() { return stato(finestra); }
    std::string statoLogica() { return stato(logica); }

    FinestraInMemoria logica;
};

TEST_F(UserActions, EachActionRunsItsOperationOnly) {
    ASSERT_EQ(statoFinestra(), statoLogica());

    freccia("UpDown_A", true);  // writes 550, then UpDown_A_Change; the D it writes starts nothing
    logica.freccia(Spinner::UpDown_A, Verso::Su);
    EXPECT_EQ(t("Text_A"), "550");
    EXPECT_EQ(statoFinestra(), statoLogica());

    freccia("UpDown_v", false);
    logica.freccia(Spinner::UpDown_v, Verso::Giu);
    EXPECT_EQ(statoFinestra(), statoLogica());

    QTest::mouseClick(w("Option_D"), Qt::LeftButton, {}, QPoint(8, 8));
    logica.cliccaSezione(Sezione::D);
    freccia("UpDown_B", true);
    logica.freccia(Spinner::UpDown_B, Verso::Su);
    EXPECT_EQ(statoFinestra(), statoLogica());

    QTest::mouseClick(w("Option_Portata"), Qt::LeftButton, {}, QPoint(8, 8));
    logica.cliccaModo(Modo::Portata);
    freccia("UpDown_Y", true);
    logica.freccia(Spinner::UpDown_Y, Verso::Su);
    EXPECT_EQ(statoFinestra(), statoLogica());

    w<QLineEdit>("Text_G")->setText("3100");  // as an assistive tool: the check waits for the event loop
    logica.incolla(Campo::Text_G, "3100");
    EXPECT_EQ(statoFinestra(), statoLogica());
    QTest::keyClick(w("Text_G"), Qt::Key_Right);  // in mode Portata the held G recomputes nothing
    logica.digita(Campo::Text_G, "3100");
    EXPECT_EQ(statoFinestra(), statoLogica());

    w("Text_L")->setFocus();
    QTest::keyClicks(w("Text_L"), "5");
    logica.digita(Campo::Text_L, "105");
    EXPECT_EQ(t("Text_L"), "105");
    EXPECT_EQ(statoFinestra(), statoLogica()) << "typing in Text_L runs nothing";

    QTest::keyClicks(w("Text_Ytot"), "9");
    QTest::keyClicks(w("Text1"), "9");
    EXPECT_EQ(statoFinestra(), statoLogica());
    EXPECT_EQ(t("Text1"), "cliccare qui per informazioni");
}

TEST_F(UserActions, KeyReleaseRunsOnceTheTextHasChanged) {
    w("Text_A")->setFocus();
    w<QLineEdit>("Text_A")->clear();
    QTest::keyClicks(w("Text_A"), "550");
    EXPECT_EQ(t("Text_D"), "577");
    EXPECT_EQ(t("Text_Ytot"), "0,19");
}

// A release counts when its key went down in the same field, once however
// long the system repeated it; a release whose press the field never saw
// (the Tab that brought the focus here) counts not at all.
TEST_F(UserActions, OnlyAKeyPressedInTheFieldCountsAtItsRelease) {
    struct Tasto {
        QEvent::Type tipo;
        Qt::Key tasto;
        Qt::KeyboardModifiers modificatori = Qt::NoModifier;
        bool ripetuto = false;
    };
    constexpr auto giu = QEvent::KeyPress;
    constexpr auto su = QEvent::KeyRelease;
    const struct {
        const char* caso;
        std::vector<Tasto> tasti;
        int volte;
    } casi[] = {
        {"cursor key", {{giu, Qt::Key_Right}, {su, Qt::Key_Right}}, 1},
        {"Shift", {{giu, Qt::Key_Shift, Qt::ShiftModifier}, {su, Qt::Key_Shift}}, 1},
        {"Ctrl+A",
         {{giu, Qt::Key_Control, Qt::ControlModifier},
          {giu, Qt::Key_A, Qt::ControlModifier},
          {su, Qt::Key_A, Qt::ControlModifier},
          {su, Qt::Key_Control}},
         2},
        {"a key held and repeated",
         {{giu, Qt::Key_Right},
          {su, Qt::Key_Right, {}, true},
          {giu, Qt::Key_Right, {}, true},
          {su, Qt::Key_Right, {}, true},
          {giu, Qt::Key_Right, {}, true},
          {su, Qt::Key_Right}},
         1},
        {"a Tab released after the focus came", {{su, Qt::Key_Tab}}, 0},
        {"a Shift+Tab released after the focus came", {{su, Qt::Key_Backtab}, {su, Qt::Key_Shift}}, 0},
    };
    for (const auto& caso : casi) {
        w("Text_G")->setFocus();
        QSignalSpy rilasci(w("Text_G"), SIGNAL(KeyUp(int, int)));
        for (const Tasto& tasto : caso.tasti) {
            QKeyEvent evento(tasto.tipo, tasto.tasto, tasto.modificatori, QString(), tasto.ripetuto);
            QApplication::sendEvent(w("Text_G"), &evento);
        }
        EXPECT_EQ(rilasci.count(), caso.volte) << caso.caso;
    }
}

TEST_F(UserActions, TwentyClicksMakeTwentySteps) {
    QTest::mouseClick(w("Option_Portata"), Qt::LeftButton, {}, QPoint(8, 8));  // G held, so v and Y can both step
    for (int i = 0; i < 20; ++i) freccia("UpDown_v", true);
    EXPECT_EQ(t("Text_v"), "5,5");
    w<QLineEdit>("Text_Y")->setText("0,2");
    for (int i = 0; i < 20; ++i) freccia("UpDown_Y", false);
    EXPECT_EQ(t("Text_Y"), "0,1");
}

TEST_F(UserActions, HoldingAnArrowRepeats) {
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

TEST_F(UserActions, AFailedStepIsShownOnTheFieldsItLeftUntilWrittenAgain) {
    w<QLineEdit>("Text_G")->clear();
    freccia("UpDown_A", true);
    EXPECT_EQ(t("Text_D"), "577");
    EXPECT_EQ(t("Text_v"), "3,5");
    for (const char* rimasto : {"Text_v", "Text_Y", "Text_Ytot"}) {
        EXPECT_EQ(w(rimasto)->accessibleDescription(), "Non aggiornati: v, Y, Ytot — G non contiene un numero")
            << rimasto;
    }
    EXPECT_TRUE(w("Text_D")->toolTip().isEmpty());

    // Wrapped so that the tooltip is no wider than the window; it shows once
    // the click's release has been delivered.
    QApplication::processEvents();
    const QWidget* tooltip = nullptr;
    for (const QWidget* topLevel : QApplication::topLevelWidgets()) {
        if (topLevel->inherits("QTipLabel") && topLevel->isVisible()) tooltip = topLevel;
    }
    ASSERT_NE(tooltip, nullptr);
    EXPECT_LE(tooltip->width(), finestra.width());
    EXPECT_GE(w("Text_v")->toolTip().count('\n'), 1);

    w<QLineEdit>("Text_G")->setText("3000");
    freccia("UpDown_A", true);
    for (const char* riscritto : {"Text_v", "Text_Y", "Text_Ytot"}) {
        EXPECT_TRUE(w(riscritto)->toolTip().isEmpty()) << riscritto;
        EXPECT_TRUE(w(riscritto)->accessibleDescription().isEmpty()) << riscritto;
    }
}

TEST_F(UserActions, KeypadDecimalKeyTypesTheComma) {
    for (const Qt::Key decimale : {Qt::Key_Period, Qt::Key_Comma}) {  // a US layout, then an Italian one
        w("Text_L")->setFocus();
        w<QLineEdit>("Text_L")->clear();
        QTest::keyClick(w("Text_L"), Qt::Key_2, Qt::KeypadModifier);
        QTest::keyClick(w("Text_L"), decimale, Qt::KeypadModifier);
        QTest::keyClick(w("Text_L"), Qt::Key_5, Qt::KeypadModifier);
        EXPECT_EQ(t("Text_L"), "2,5");
    }
    QTest::keyClicks(w("Text_L"), ".");  // the main keyboard's full stop stays a full stop
    EXPECT_EQ(t("Text_L"), "2,5.");
}

}  // namespace
}  // namespace flumetra
