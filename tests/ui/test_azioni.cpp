// Every user action reaches exactly its one operation, and nothing more:
// the window's whole state after each action, written out.

#include <QKeyEvent>
#include <QSignalSpy>
#include <functional>
#include <vector>

#include "open_window_test.h"

namespace flumetra {
namespace {

using UserActions = OpenWindowTest;

// The field texts A B D G v Y L Ytot, then the mode and the held side.
std::string stato(const Finestra& f) {
    std::string s;
    for (const Campo c : allValues<Campo>()) s += f.testo(c) + ' ';
    for (const Modo m : allValues<Modo>()) {
        if (f.modoSelezionato(m)) s += std::string(dati(m).valore) + ' ';
    }
    for (const Sezione z : allValues<Sezione>()) {
        if (f.sezioneSelezionata(z)) s += dati(z).valore;
    }
    return s;
}

TEST_F(UserActions, EachActionRunsItsOperationOnly) {
    const struct {
        const char* azione;
        std::function<void()> esegui;
        const char* dopo;
    } passi[] = {
        {"start", [] {}, "500 500 551 3000 3,5 0,023 10 0,23 SezioneCanale B"},
        // Writes 550, then UpDown_A_Change; the D it writes starts nothing.
        {"A up", [this] { freccia("UpDown_A", true); }, "550 500 577 3000 3,2 0,019 10 0,19 SezioneCanale B"},
        {"v down", [this] { freccia("UpDown_v", false); }, "550 500 577 2918 3,1 0,018 10 0,18 SezioneCanale B"},
        {"D held, B up",
         [this] {
             QTest::mouseClick(w("Option_D"), Qt::LeftButton, {}, QPoint(8, 8));
             freccia("UpDown_B", true);
         },
         "502 550 577 2918 3,1 0,018 10 0,18 SezioneCanale D"},
        {"mode Portata, Y up",
         [this] {
             QTest::mouseClick(w("Option_Portata"), Qt::LeftButton, {}, QPoint(8, 8));
             freccia("UpDown_Y", true);
         },
         "502 494 547 2918 3,4 0,023 10 0,23 Portata A"},
        // As an assistive tool: the check waits for the event loop.
        {"G set to 3100", [this] { w<QLineEdit>("Text_G")->setText("3100"); },
         "502 494 547 3100 3,4 0,023 10 0,23 Portata A"},
        // In mode Portata the held G recomputes nothing.
        {"a key released in G", [this] { QTest::keyClick(w("Text_G"), Qt::Key_Right); },
         "502 494 547 3100 3,4 0,023 10 0,23 Portata A"},
        {"5 typed after L",
         [this] {
             w("Text_L")->setFocus();
             QTest::keyClicks(w("Text_L"), "5");
         },
         "502 494 547 3100 3,4 0,023 105 2,415 Portata A"},
        {"9 typed in the read-only fields",
         [this] {
             QTest::keyClicks(w("Text_Ytot"), "9");
             QTest::keyClicks(w(controlli::informazioni), "9");
         },
         "502 494 547 3100 3,4 0,023 105 2,415 Portata A"},
    };
    for (const auto& passo : passi) {
        passo.esegui();
        EXPECT_EQ(stato(finestra), passo.dopo) << passo.azione;
    }
    EXPECT_EQ(t(controlli::informazioni), "cliccare qui per informazioni");
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

// The press steps once; held, the arrow repeats at the style's rate until
// released.
TEST_F(UserActions, HoldingAnArrowRepeats) {
    QWidget* v = w("UpDown_v");
    QTest::mousePress(v, Qt::LeftButton, {}, QPoint(v->width() / 2, 3));
    EXPECT_EQ(t("Text_v"), "3,6");
    EXPECT_TRUE(QTest::qWaitFor([this] { return t("Text_v") == "3,8"; }, 10'000)) << "two repeats";
    QTest::mouseRelease(v, Qt::LeftButton, {}, QPoint(v->width() / 2, 3));
    const QString fermo = t("Text_v");
    EXPECT_FALSE(QTest::qWaitFor([&] { return t("Text_v") != fermo; }, 1'000)) << "a step after the release";
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
