// The friction chart beside the main window: F4 and the background menu open
// it, it stays above others as the main window does, the duct's point
// follows the fields, and a run's sections and the lines say what they are.

#include <QApplication>
#include <QContextMenuEvent>
#include <QFile>
#include <QFontMetricsF>
#include <QHelpEvent>
#include <QImage>
#include <QMenu>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolTip>
#include <QWindow>

#include "open_window_test.h"
#include "ui/diagramma/finestra_diagramma.h"
#include "ui/diagramma/grafico_perdite.h"
#include "ui/grafica/esporta_diagramma.h"

namespace flumetra {
namespace {

class Diagramma : public OpenWindowTest {
protected:
    void SetUp() override {
        OpenWindowTest::SetUp();
        QApplication::setActiveWindow(&finestra);
    }
    FinestraDiagramma* apri() {
        QTest::keyClick(&finestra, Qt::Key_F4);
        QCoreApplication::sendPostedEvents();
        EXPECT_TRUE(programma.diagrammaAperto());
        return programma.diagramma();
    }
    // The tooltip at a point of the chart, as the pointer resting there shows it.
    static QString suggerimento(GraficoPerdite* grafico, dettagli::PuntoDiagramma punto) {
        const QPoint qui = grafico->piano().punto(punto).toPoint();
        QHelpEvent evento(QEvent::ToolTip, qui, grafico->mapToGlobal(qui));
        QApplication::sendEvent(grafico, &evento);
        return QToolTip::text();
    }
};

TEST_F(Diagramma, F4OpensItBesideTheUnchangedWindowAndThePointFollowsG) {
    const QRect geometria = finestra.geometry();
    FinestraDiagramma* diagramma = apri();
    ASSERT_NE(diagramma, nullptr);
    EXPECT_TRUE(diagramma->windowFlags().testFlag(Qt::Tool));
    EXPECT_TRUE(finestra.screen()->availableGeometry().contains(diagramma->geometry()))
        << "beside the main window where it fits (not on an 800 × 600 screen), inside the screen";
    EXPECT_EQ(finestra.geometry(), geometria);
    EXPECT_GE(diagramma->minimumSizeHint().width(), 320);
    EXPECT_TRUE(diagramma->grafico()->accessibleDescription().contains(
        "Punto del condotto: G 3000 m³/h, Y 0,226 Pa/m (0,023 mm c.a./m), tra D 500 e D 560 mm e tra 3 e 4 m/s."));

    const std::optional<QPointF> prima = diagramma->posizioneDelCondotto();
    ASSERT_TRUE(prima.has_value());
    freccia("UpDown_G", true);
    QCoreApplication::sendPostedEvents();
    const std::optional<QPointF> dopo = diagramma->posizioneDelCondotto();
    ASSERT_TRUE(dopo.has_value());
    EXPECT_GT(dopo->x(), prima->x()) << "more flow, further right";

    EXPECT_TRUE(diagramma->windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint));
    QTest::mouseClick(w(controlli::inPrimoPiano), Qt::LeftButton, {}, QPoint(8, 8));
    EXPECT_FALSE(diagramma->windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint));

    QTest::keyClick(diagramma, Qt::Key_F4);
    EXPECT_FALSE(programma.diagrammaAperto()) << "F4 closes it from its own window too";
}

TEST_F(Diagramma, TheBackgroundMenuOpensItAndShowsF4) {
    QString voce;
    QTimer::singleShot(0, [&] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(menu, nullptr);
        for (QAction* azione : menu->actions()) {
            if (azione->shortcut() == QKeySequence(Qt::Key_F4)) {
                voce = azione->text();
                azione->trigger();
            }
        }
        menu->close();
    });
    QContextMenuEvent evento(QContextMenuEvent::Mouse, QPoint(4, 4), finestra.mapToGlobal(QPoint(4, 4)));
    QApplication::sendEvent(&finestra, &evento);
    EXPECT_EQ(voce, "Diagramma delle &perdite");
    EXPECT_TRUE(programma.diagrammaAperto());
}

TEST_F(Diagramma, SectionsAndLinesSayWhatTheyAre) {
    FinestraDiagramma* diagramma = apri();
    diagramma->mostraTratti({{"T1", 1000, 0.5, true}, {"T2", 5000, 1.2, false}, {"T3", 50, 1, false}});
    GraficoPerdite* grafico = diagramma->grafico();
    EXPECT_TRUE(grafico->accessibleDescription().endsWith(" Tratti: 3, 1 sul percorso indice."));
    EXPECT_EQ(suggerimento(grafico, {1000, 0.5}),
              "Tratto T1 (percorso indice): G 1000 m³/h\nY 0,5 Pa/m = 0,051 mm c.a./m\n"
              "sul diagramma: D 313 mm, v 3,6 m/s");
    EXPECT_EQ(suggerimento(grafico, {5000, 1.2}).section('\n', 0, 0), "Tratto T2: G 5000 m³/h");
    EXPECT_EQ(suggerimento(grafico, {2000, 0.176126}), "Diametro D 500 mm");
    EXPECT_EQ(suggerimento(grafico, {1000, 0.649911}), "Velocità v 4 m/s");

    // Identical sections: one point, which names them all.
    diagramma->mostraTratti({{"T2", 800, 0.7, false}, {"T4", 800, 0.7, true}, {"T3", 2000, 0.5, true}});
    EXPECT_EQ(suggerimento(grafico, {800, 0.7}).section('\n', 0, 0), "Tratti T2, T4 (percorso indice: T4): G 800 m³/h");
    EXPECT_TRUE(grafico->accessibleDescription().endsWith(" Tratti: 3 in 2 punti, 2 sul percorso indice."));

    diagramma->mostraTratti({});
    EXPECT_FALSE(grafico->accessibleDescription().contains("Tratti"));
}

}  // namespace
}  // namespace flumetra
