// The details window beside the main one: F2 opens and closes it, it stays
// above others as the main window does, it shows the fields' details as they
// change, and opening it changes nothing in the main window.

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QWindow>

#include "open_window_test.h"
#include "ui/comune/posizione.h"
#include "ui/dettagli/finestra_dettagli.h"

namespace flumetra {
namespace {

class Dettagli : public OpenWindowTest {
protected:
    void SetUp() override {
        OpenWindowTest::SetUp();
        QApplication::setActiveWindow(&finestra);
    }
    void f2() {
        QTest::keyClick(&finestra, Qt::Key_F2);
        QCoreApplication::sendPostedEvents();
    }
    // The value line a label names, as the window shows it.
    QString riga(const QString& etichetta) {
        for (const QLabel* label : programma.dettagli()->findChildren<QLabel*>()) {
            if (label->text() == etichetta && label->buddy() != nullptr)
                return qobject_cast<QLineEdit*>(label->buddy())->text();
        }
        ADD_FAILURE() << etichetta.toStdString();
        return {};
    }
};

TEST_F(Dettagli, F2OpensAndClosesItBesideTheUnchangedWindow) {
    const QRect geometria = finestra.geometry();
    EXPECT_EQ(programma.dettagli(), nullptr) << "closed at start";
    f2();
    ASSERT_TRUE(programma.dettagliAperti());
    EXPECT_TRUE(programma.dettagli()->windowFlags().testFlag(Qt::Tool));
    EXPECT_GE(programma.dettagli()->geometry().left(), geometria.right()) << "beside the main window";
    EXPECT_EQ(finestra.geometry(), geometria);
    EXPECT_EQ(t("Text_D"), "551");
    EXPECT_EQ(riga("Perdita per attrito R in pascal"), "0,249 Pa/m");
    EXPECT_EQ(riga("Velocità nel rettangolo A × B"), "3,33 m/s");
    EXPECT_EQ(riga("EN 1506, diametro inferiore"), "D 500: v 4,2 m/s, Y 0,037 mmc.a./m, R 0,402 Pa/m");

    freccia("UpDown_G", true);  // the details follow the fields
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(riga("Velocità nel tondo D"), "3,55 m/s");

    f2();
    EXPECT_FALSE(programma.dettagliAperti());
    EXPECT_FALSE(programma.dettagli()->isVisible());
}

// Right of the main window where it fits on the screen, else left, else
// below, else as near as it can inside the screen.
TEST(WindowBeside, ItStaysInsideTheScreen) {
    const QRect schermo(0, 0, 1920, 1080);
    const QSize dettagli(400, 500);
    const std::pair<QRect, QPoint> righe[] = {
        {QRect(100, 200, 230, 300), QPoint(338, 200)},    // right
        {QRect(1600, 200, 230, 300), QPoint(1192, 200)},  // left, near the right edge
        {QRect(100, 100, 1800, 300), QPoint(100, 408)},   // below a wide window
        {QRect(100, 600, 1800, 300), QPoint(1520, 580)},  // nowhere: pulled inside
    };
    for (const auto& [principale, atteso] : righe) {
        EXPECT_EQ(accanto(principale, dettagli, schermo), atteso) << principale.x() << ',' << principale.y();
    }
}

// The keys of a shortcut pressed in a field run nothing there: in Y at
// start, whose text the others do not follow, a release would rewrite G.
TEST_F(Dettagli, TheSummaryShortcutChangesNoField) {
    QWidget* y = w("Text_Y");
    y->setFocus();
    QTest::keyPress(y, Qt::Key_Control);
    QTest::keyPress(y, Qt::Key_Shift, Qt::ControlModifier);
    QTest::keyClick(y, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    QTest::keyRelease(y, Qt::Key_Shift, Qt::ControlModifier);
    QTest::keyRelease(y, Qt::Key_Control);
    EXPECT_EQ(t("Text_G"), "3000");
    EXPECT_TRUE(QGuiApplication::clipboard()->text().contains("Portata G\t3000\tmc/h"));
}

TEST_F(Dettagli, F6MovesBetweenTheWindowsAndEscClosesTheDetails) {
    f2();
    QApplication::setActiveWindow(&finestra);
    QTest::keyClick(&finestra, Qt::Key_F6);
    QCoreApplication::processEvents();
    EXPECT_TRUE(programma.dettagli()->isActiveWindow());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F6);
    QCoreApplication::processEvents();
    EXPECT_TRUE(finestra.isActiveWindow());
    QTest::keyClick(programma.dettagli()->findChild<QComboBox*>("Combo_Materiale"), Qt::Key_Escape);
    EXPECT_FALSE(programma.dettagliAperti());
}

// The chart, which can be resized, takes the room beside the main window
// where its own size does not fit there.
TEST(WindowBeside, AResizableOneShrinksToTheRoomBeside) {
    const QRect schermo(0, 0, 1280, 800);
    const QSize voluta(660, 540);
    const QSize minima(340, 300);
    const std::pair<QRect, QSize> righe[] = {
        {QRect(0, 0, 219, 285), QSize(660, 540)},      // it fits right
        {QRect(500, 260, 219, 285), QSize(553, 452)},  // 553 right, 492 left
        {QRect(200, 0, 900, 300), QSize(340, 300)},    // no room: its minimum
    };
    for (const auto& [principale, atteso] : righe) {
        EXPECT_EQ(dimensioneAccanto(principale, voluta, minima, schermo), atteso) << principale.x();
    }
}

TEST_F(Dettagli, ItStaysOnTopAsTheMainWindowDoes) {
    f2();
    ASSERT_TRUE(programma.dettagliAperti());
    EXPECT_TRUE(programma.dettagli()->windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint));
    QTest::mouseClick(w(controlli::inPrimoPiano), Qt::LeftButton, {}, QPoint(8, 8));
    EXPECT_FALSE(programma.dettagli()->windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(programma.dettagli()->isVisible());
}

TEST_F(Dettagli, TheSummaryNamesEveryFieldTheModeAndTheMaterial) {
    f2();
    programma.dettagli()->findChild<QComboBox*>("Combo_Materiale")->setCurrentIndex(3);
    QTest::keyClick(programma.dettagli(), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    const QStringList righe = QGuiApplication::clipboard()->text().split('\n', Qt::SkipEmptyParts);
    EXPECT_TRUE(righe.contains("Portata G\t3000\tmc/h"));
    EXPECT_TRUE(righe.contains("Dimensione mantenuta della sezione\tB\t"));
    EXPECT_TRUE(righe.contains("Materiale del condotto\tplastica (ε 0,01 mm)\t"));
    EXPECT_TRUE(righe.contains("Perdita per attrito R in pascal\t0,23\tPa/m")) << "the plastic duct's loss";
    EXPECT_TRUE(righe.contains("EN 1506 superiore: velocità v\t3,4\tm/s")) << "one value a line";
    QStringList etichette;
    for (const QString& riga : righe) {
        EXPECT_EQ(riga.count('\t'), 2) << riga.toStdString();
        etichette << riga.section('\t', 0, 0);
    }
    EXPECT_EQ(etichette.removeDuplicates(), 0) << "every label once";
}

}  // namespace
}  // namespace flumetra
