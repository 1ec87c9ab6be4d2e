// The window as it opens, and its own behaviours.

#include <QGroupBox>
#include <QLabel>
#include <QMessageBox>
#include <QWindow>

#include "open_window_test.h"

namespace flumetra {
namespace {

using MainWindow = OpenWindowTest;

TEST_F(MainWindow, StartState) {
    EXPECT_EQ(finestra.windowTitle(), "Flumetra");
    EXPECT_EQ(finestra.size(), QSize(217, 272));
    EXPECT_EQ(finestra.minimumSize(), finestra.maximumSize()) << "the layout is fixed: no resize";
    const std::pair<std::string_view, const char*> testi[] = {
        {"Text_A", "500"},  {"Text_B", "500"},     {"Text_D", "551"},
        {"Text_G", "3000"}, {"Text_v", "3,5"},     {"Text_Y", "0,023"},
        {"Text_L", "10"},   {"Text_Ytot", "0,23"}, {controlli::informazioni, "cliccare qui per informazioni"}};
    for (const auto& [campo, testo] : testi) EXPECT_EQ(t(campo), QString::fromUtf8(testo)) << campo;
    const std::pair<Campo, const char*> didascalie[] = {
        {Campo::Text_A, "Sezione A"},    {Campo::Text_B, "Sezione B"},        {Campo::Text_D, "Diametro"},
        {Campo::Text_G, "G [mc/h]"},     {Campo::Text_v, "v [m/s]"},          {Campo::Text_Y, "Y [mmc.a./m]"},
        {Campo::Text_L, "L equiv. [m]"}, {Campo::Text_Ytot, "Y tot [mmc.a.]"}};
    for (const auto& [campo, didascalia] : didascalie) {
        EXPECT_EQ(w<QLabel>(dati(campo).etichetta)->text(), QString::fromUtf8(didascalia)) << dati(campo).nome;
    }
    EXPECT_EQ(w<QGroupBox>(controlli::cornice)->title(), "Sezione condotto [mm]");
    EXPECT_TRUE(w<QRadioButton>("Option_SezioneCanale")->isChecked());
    EXPECT_TRUE(w<QRadioButton>("Option_B")->isChecked());
    EXPECT_FALSE(w("UpDown_B")->isVisible());
    for (const char* visibile : {"UpDown_A", "UpDown_D", "UpDown_G", "UpDown_v", "UpDown_Y", "Option_A", "Option_D"}) {
        EXPECT_TRUE(w(visibile)->isVisible()) << visibile;
    }
    EXPECT_EQ(w<QCheckBox>(controlli::inPrimoPiano)->checkState(), Qt::Checked);
    EXPECT_TRUE(finestra.inPrimoPiano());
    EXPECT_EQ(QApplication::focusWidget(), w("Text_Y"));
    EXPECT_FALSE(finestra.windowIcon().isNull());
    EXPECT_FALSE(finestra.windowIcon().pixmap(16, 16).isNull());
    EXPECT_TRUE(w<QLineEdit>("Text_Ytot")->isReadOnly());
    EXPECT_TRUE(w<QLineEdit>(controlli::informazioni)->isReadOnly());
}

TEST_F(MainWindow, ControlsStandWhereTheLayoutPutsThem) {
    EXPECT_EQ(w(controlli::cornice)->geometry(), QRect(24, 8, 161, 105));
    EXPECT_EQ(w("Text_A")->geometry(), QRect(72, 24, 39, 19));  // inside the frame
    EXPECT_EQ(w("Option_SezioneCanale")->geometry(), QRect(192, 56, 17, 17));
    EXPECT_EQ(w("Text_L")->geometry(), QRect(104, 200, 73, 19));
    EXPECT_EQ(w(controlli::inPrimoPiano)->geometry(), QRect(192, 248, 17, 17));
    EXPECT_EQ(w(controlli::informazioni)->geometry(), QRect(16, 248, 169, 19));
}

// What Qt itself needs to show each caption whole, margins and frame
// included, fits the box the layout gives it, in the font the window chose.
TEST_F(MainWindow, EveryCaptionFitsItsBox) {
    EXPECT_EQ(finestra.font().family().toStdString(), "Liberation Sans");
    EXPECT_EQ(finestra.font().pixelSize(), 10);  // the largest at which every text fits
    for (const QLabel* label : finestra.findChildren<QLabel*>()) {
        EXPECT_LE(label->sizeHint().width(), label->width()) << label->text().toStdString();
        EXPECT_LE(label->sizeHint().height(), label->height()) << label->text().toStdString();
    }
    const auto* cornice = w<QGroupBox>(controlli::cornice);
    EXPECT_LE(cornice->minimumSizeHint().width(), cornice->width());
}

TEST_F(MainWindow, TabOrderFromTheLossField) {
    QStringList visti;
    for (int i = 0; i < 12; ++i) {
        visti << QApplication::focusWidget()->objectName();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    EXPECT_EQ(visti, QStringList({"Text_Y", "Text_G", "Text_v", "UpDown_G", "Text_L", "Text_Ytot", "UpDown_v",
                                  "Option_B", "UpDown_D", "UpDown_A", "Text_D", "Text_B"}));
}

TEST_F(MainWindow, Check1SwitchesOnTopWithoutRecreatingTheWindow) {
    const WId prima = finestra.winId();
    const QRect geometria = finestra.geometry();
    auto* check1 = w<QCheckBox>(controlli::inPrimoPiano);
    QTest::mouseClick(check1, Qt::LeftButton, {}, QPoint(8, 8));
    EXPECT_EQ(check1->checkState(), Qt::Unchecked);
    EXPECT_FALSE(finestra.inPrimoPiano());
    EXPECT_FALSE(finestra.windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint));
    QTest::mouseClick(check1, Qt::LeftButton, {}, QPoint(8, 8));
    EXPECT_TRUE(finestra.inPrimoPiano());
    EXPECT_TRUE(finestra.isVisible());
    EXPECT_EQ(finestra.winId(), prima);
    EXPECT_EQ(finestra.geometry(), geometria);
    EXPECT_EQ(t("Text_A"), "500");
}

// A dialog of any window opens above the calculator while it stays on top;
// while a dialog the platform draws is open, the calculator lets go.
TEST_F(MainWindow, DialogsOpenAboveTheCalculator) {
    QWidget altra;  // another of the program's windows
    altra.show();
    for (const bool sopra : {true, false}) {
        if (finestra.inPrimoPiano() != sopra) QTest::mouseClick(w<QCheckBox>(controlli::inPrimoPiano), Qt::LeftButton);
        QMessageBox messaggio(QMessageBox::Warning, QStringLiteral("Percorso"), QStringLiteral("…"), QMessageBox::Ok,
                              &altra);
        messaggio.show();
        ASSERT_NE(messaggio.windowHandle(), nullptr);
        EXPECT_EQ(messaggio.windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint), sopra);
        EXPECT_EQ(messaggio.windowHandle()->transientParent(), (sopra ? &finestra : &altra)->windowHandle())
            << "a click on the calculator must not raise it over the dialog";
    }
    QTest::mouseClick(w<QCheckBox>(controlli::inPrimoPiano), Qt::LeftButton);
    QDialog dellaPiattaforma(&altra);
    dellaPiattaforma.setAttribute(Qt::WA_DontShowOnScreen);
    dellaPiattaforma.show();
    EXPECT_FALSE(finestra.inPrimoPiano());
    dellaPiattaforma.hide();
    EXPECT_TRUE(finestra.inPrimoPiano());
}

TEST_F(MainWindow, InformationLineCycles) {
    QStringList visti;
    for (int i = 0; i < 4; ++i) {
        QTest::mouseClick(w(controlli::informazioni), Qt::LeftButton, {}, QPoint(20, 8));
        visti << t(controlli::informazioni);
    }
    for (const Qt::Key tasto : {Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter}) {  // the keyboard's click
        QTest::keyClick(w(controlli::informazioni), tasto);
        visti << t(controlli::informazioni);
    }
    const QString indirizzo = "www.flumetra.example";
    const QString versione = "Versione Beta - 2004 11 18";
    EXPECT_EQ(visti, QStringList({indirizzo, versione, indirizzo, versione, indirizzo, versione, indirizzo}));
}

}  // namespace
}  // namespace flumetra
