// Where the sheet, the details and the chart open around the calculator: the
// plan's numbers on a 1920 × 1080 screen at scale 1 and at scale 2 (960 × 540),
// frames as an X11 desktop draws them, whichever opens first; and in the
// program, a second opening and a window a person moved.

#include <QApplication>
#include <QScreen>

#include "open_window_test.h"
#include "ui/comune/disposizione.h"
#include "ui/dettagli/finestra_dettagli.h"
#include "ui/diagramma/finestra_diagramma.h"
#include "ui/foglio/foglio_percorso.h"

namespace flumetra {
namespace {

// The windows open one after another, in the order given, each placed with
// those before it open.
Cornici apriInOrdine(const QRect& calcolatore, const QRect& schermo, const std::array<Misura, numeroVicine>& misure,
                     const std::vector<Vicina>& ordine, int testata) {
    const Cornici piano = disponi(calcolatore, schermo, misure);
    Cornici aperte;
    for (const Vicina v : ordine) {
        const auto i = static_cast<std::size_t>(v);
        aperte[i] = posto(piano, v, misure[i], calcolatore, aperte, schermo, testata);
    }
    return aperte;
}

TEST(Disposizione, EachBesideTheCalculatorCoveringNoneWhereTheScreenHasRoom) {
    using enum Vicina;
    struct Caso {
        const char* cosa;
        QRect calcolatore, schermo;
        std::array<Misura, numeroVicine> misure;  // sheet, details, chart
        std::vector<Vicina> ordine;
        std::array<QRect, numeroVicine> attese;
        bool senzaCoprire;
    };
    const std::array<Misura, numeroVicine> scala1 = {Misura{{1102, 581}, {835, 234}}, Misura{{408, 543}, {408, 543}},
                                                     Misura{{658, 543}, {338, 290}}};
    const std::array<Misura, numeroVicine> scala2 = {Misura{{1102, 573}, {835, 226}}, Misura{{408, 533}, {408, 533}},
                                                     Misura{{658, 535}, {338, 295}}};
    const Caso casi[] = {
        {"scale 1, the sheet first",
         {850, 392, 219, 294},
         {0, 0, 1920, 1080},
         scala1,
         {Foglio, Dettagli, Diagramma},
         {QRect(1077, 392, 843, 581), QRect(434, 0, 408, 543), QRect(201, 551, 641, 529)},
         true},
        {"scale 1, the chart first: the same places",
         {850, 392, 219, 294},
         {0, 0, 1920, 1080},
         scala1,
         {Diagramma, Dettagli, Foglio},
         {QRect(1077, 392, 843, 581), QRect(434, 0, 408, 543), QRect(201, 551, 641, 529)},
         true},
        {"a larger screen: each at its size, the details and the chart both alongside the calculator",
         {1170, 653, 219, 294},
         {0, 0, 2560, 1600},
         scala1,
         {Dettagli, Foglio, Diagramma},
         {QRect(1397, 653, 1102, 581), QRect(754, 253, 408, 543), QRect(504, 804, 658, 543)},
         true},
        {"the calculator near the top left corner",
         {26, 26, 219, 294},
         {0, 0, 1920, 1040},
         scala1,
         {Foglio, Dettagli, Diagramma},
         {QRect(853, 26, 1067, 581), QRect(253, 0, 408, 543), QRect(253, 551, 592, 489)},
         true},
        {"scale 2: only the chart has room beside it",
         {371, 129, 219, 283},
         {0, 0, 960, 540},
         scala2,
         {Foglio, Dettagli, Diagramma},
         {QRect(0, 139, 835, 401), QRect(552, 7, 408, 533), QRect(598, 129, 362, 295)},
         false},
    };
    for (const Caso& c : casi) {
        const Cornici aperte = apriInOrdine(c.calcolatore, c.schermo, c.misure, c.ordine, 10);
        for (std::size_t i = 0; i < numeroVicine; ++i) {
            ASSERT_TRUE(aperte[i].has_value()) << c.cosa;
            EXPECT_EQ(*aperte[i], c.attese[i]) << c.cosa << ", window " << i;
            EXPECT_TRUE(c.schermo.contains(*aperte[i])) << c.cosa << ", window " << i;
            if (!c.senzaCoprire) continue;
            EXPECT_FALSE(aperte[i]->intersects(c.calcolatore)) << c.cosa << ", window " << i;
            for (std::size_t j = 0; j < i; ++j) EXPECT_FALSE(aperte[i]->intersects(*aperte[j])) << c.cosa << i << j;
        }
    }
}

// Closed and opened again, a window is placed anew beside the calculator,
// which may have moved; one a person has moved stays where they left it, and
// one already open keeps its place.
TEST_F(OpenWindowTest, ASecondOpeningFollowsTheCalculatorButNotAMovedWindow) {
    programma.mostraDiagramma(true);
    QWidget& diagramma = *programma.diagramma();
    const QRect prima = diagramma.geometry();
    EXPECT_FALSE(prima.intersects(finestra.frameGeometry()));
    programma.mostraDiagramma(false);
    programma.mostraDiagramma(true);
    EXPECT_EQ(diagramma.geometry(), prima);

    programma.mostraDiagramma(false);
    finestra.move(finestra.pos() + QPoint(20, 30));
    programma.mostraDiagramma(true);
    ASSERT_TRUE(prima.intersects(finestra.frameGeometry())) << "where it was, it would cover the calculator now";
    EXPECT_FALSE(diagramma.geometry().intersects(finestra.frameGeometry()));

    diagramma.move(diagramma.pos() + QPoint(-40, 50));  // as a person drags it
    const QRect lasciata = diagramma.geometry();
    programma.mostraDiagramma(false);
    programma.mostraDiagramma(true);
    EXPECT_EQ(diagramma.geometry(), lasciata);

    FoglioPercorso& foglio = programma.mostraPercorso();
    foglio.move(foglio.pos() + QPoint(10, 10));
    const QRect aperto = foglio.geometry();
    programma.mostraPercorso();
    EXPECT_EQ(foglio.geometry(), aperto) << "F3 on an open sheet only brings it forward";
}

}  // namespace
}  // namespace flumetra
