// The friction chart's lines against values computed independently from the
// calculator's loss formula (Y = K · 7,47 · v^1,85 / D^1,28 mm c.a./m,
// v = G / 3600 / (3,1415 · (D / 2000)²), × 9,80665 for Pa/m).

#include <gtest/gtest.h>

#include <algorithm>

#include "dettagli/aria.h"
#include "dettagli/diagramma.h"
#include "dettagli/legge_diagramma.h"

namespace flumetra::dettagli {
namespace {

TEST(Diagramma, PointsOnADiameterAndOnAVelocity) {
    struct Riga {
        Reale G, D, K, Y_Pa_m;
    };
    const Reale K35_1500 = proprietaDellAria({35, 1500}).correzione;
    const Riga righe[] = {
        {1000, 500, 1, 0.048856060506},             // D 500
        {10000, 500, 1, 3.458744207671},            // D 500
        {1000, 297.358404320, 1, 0.649910543873},   // v 4 m/s
        {10000, 940.329839046, 1, 0.148885904215},  // v 4 m/s
        {3000, 500, K35_1500, 0.304115310130},      // D 500 in air at 35 °C, 1500 m
    };
    for (const Riga& r : righe) EXPECT_NEAR(perditaAlMetro(r.G, r.D, r.K), r.Y_Pa_m, 1e-10) << r.G << ' ' << r.D;
    EXPECT_NEAR(diametroPerVelocita(1000, 4), 297.358404320, 1e-8);
    EXPECT_NEAR(diametroPerVelocita(10000, 4), 940.329839046, 1e-8);
    EXPECT_NEAR(diametroPerPerdita(3000, 0.22555295, 1), 553.113466, 1e-5) << "the start duct's place on the chart";
}

// A line's ends where it crosses the chart's edges: 0,01 and 10 Pa/m, 100 and 100 000 m³/h.
TEST(Diagramma, LinesEndOnTheChartsEdges) {
    const auto D500 = lineaDiametro(500, 1);
    ASSERT_TRUE(D500.has_value());
    EXPECT_NEAR(D500->inizio.G, 424.240036463, 1e-7);
    EXPECT_EQ(D500->inizio.Y_Pa_m, 0.01);
    EXPECT_NEAR(D500->fine.G, 17751.4270916, 1e-6);
    EXPECT_EQ(D500->fine.Y_Pa_m, 10);

    const auto v4 = lineaVelocita(4, 1);
    ASSERT_TRUE(v4.has_value());
    EXPECT_EQ(v4->inizio.G, 100);
    EXPECT_NEAR(v4->inizio.Y_Pa_m, 2.836962419404, 1e-10);
    EXPECT_EQ(v4->fine.G, 100000);
    EXPECT_NEAR(v4->fine.Y_Pa_m, 0.034107790192, 1e-12);

    EXPECT_FALSE(lineaDiametro(63, 1)) << "6,3 Pa/m at 100 m³/h in D 80, far more in D 63";
    const std::vector<Linea> linee = lineeDelDiagramma(1);
    ASSERT_EQ(linee.size(), 21U + 11U) << "every series size from 80 mm, every velocity";
    EXPECT_EQ(linee.front().valore, 80);
    EXPECT_EQ(linee.back().tipo, TipoLinea::Velocita);
}

// A run's lines by Colebrook for galvanised steel (ε 0,15 mm) at 20 °C, against
// Colebrook–White solved on its own with λ = 64/Re below Re 2300: R 0,40175 Pa/m
// at D 500 and 3000 m³/h; D 500 crosses 0,01 Pa/m at 391,749 m³/h and 10 Pa/m
// at 16 171,56; 4 m/s runs from 2,87119 Pa/m at 100 m³/h to 0,0421741 at 100 000.
TEST(Diagramma, ColebrooksLinesBendFromEdgeToEdge) {
    const LeggePerdita legge = leggeDi({20, 0}, 0.15);
    EXPECT_NEAR(perditaAlMetro(3000, 500, legge), 0.401745547, 1e-8);
    EXPECT_NEAR(diametroPerPerdita(3000, 0.401745547, legge), 500, 1e-6);
    EXPECT_NEAR(perditaAlMetro(3000, 500, leggeDi({20, 0}, std::nullopt)), 0.372900, 1e-6) << "the formula's";

    const std::vector<Linea> linee = lineeDelDiagramma(legge);
    auto linea = [&](TipoLinea tipo, Reale valore) -> const Linea* {
        const auto l = std::find_if(linee.begin(), linee.end(),
                                    [&](const Linea& x) { return x.tipo == tipo && x.valore == valore; });
        return l != linee.end() ? &*l : nullptr;
    };
    ASSERT_NE(linea(TipoLinea::Diametro, 500), nullptr);
    ASSERT_NE(linea(TipoLinea::Velocita, 4), nullptr);
    const Linea& D500 = *linea(TipoLinea::Diametro, 500);
    EXPECT_NEAR(D500.estremi.inizio.G, 391.749117, 1e-5);
    EXPECT_EQ(D500.estremi.inizio.Y_Pa_m, 0.01);
    EXPECT_NEAR(D500.estremi.fine.G, 16171.5574, 1e-3);
    EXPECT_EQ(D500.estremi.fine.Y_Pa_m, 10);
    ASSERT_GE(D500.tracciato.size(), 2U);
    EXPECT_EQ(D500.tracciato.front().G, D500.estremi.inizio.G);
    EXPECT_EQ(D500.tracciato.back().Y_Pa_m, 10);
    const Linea& v4 = *linea(TipoLinea::Velocita, 4);
    EXPECT_EQ(v4.estremi.inizio.G, 100);
    EXPECT_NEAR(v4.estremi.inizio.Y_Pa_m, 2.8711949, 1e-6);
    EXPECT_EQ(v4.estremi.fine.G, 100000);
    EXPECT_NEAR(v4.estremi.fine.Y_Pa_m, 0.04217406, 1e-7);
    EXPECT_TRUE(lineeDelDiagramma(leggeDi({20, 0}, std::nullopt)).front().tracciato.empty())
        << "the formula's lines are straight";
}

TEST(Diagramma, GridLinesAndTheirLabels) {
    const std::vector<Tacca> perdite = tacche(perditaMinima, perditaMassima);
    ASSERT_EQ(perdite.size(), 28U) << "three decades of nine, and 10";
    EXPECT_EQ(testoTacca(perdite.front()), "0,01");
    EXPECT_EQ(testoTacca(perdite[1]), "0,02");
    EXPECT_EQ(perdite[4].valore(), 0.05);
    EXPECT_EQ(testoTacca(perdite.back()), "10");
    EXPECT_EQ(testoTacca(tacche(portataMinima, portataMassima)[10]), "2000");

    // The other side in mm c.a./m: 0,0010197 to 1,0197.
    const std::vector<Tacca> mmca = tacche(perditaMinima / 9.80665, perditaMassima / 9.80665);
    EXPECT_EQ(testoTacca(mmca.front()), "0,002");
    EXPECT_EQ(testoTacca(mmca.back()), "1");
}

TEST(Diagramma, TheDuctIsReadAsTheCalculatorReadsItsFields) {
    struct Riga {
        const char* G;
        const char* Y;
        std::optional<PuntoDiagramma> atteso;
    };
    const Riga righe[] = {
        {"3000", "0,023", PuntoDiagramma{3000, 0.22555295}},
        {"2,5", "0,02345", PuntoDiagramma{2, 0.22947561}},  // G to even, Y to four decimals
        {"3000", "", std::nullopt},
        {"3000", "0", std::nullopt},
        {"abc", "0,023", std::nullopt},
    };
    for (const Riga& r : righe) {
        const auto punto = puntoDelCondotto(r.G, r.Y);
        ASSERT_EQ(punto.has_value(), r.atteso.has_value()) << r.G << ' ' << r.Y;
        if (!punto) continue;
        EXPECT_EQ(punto->G, r.atteso->G);
        EXPECT_NEAR(punto->Y_Pa_m, r.atteso->Y_Pa_m, 1e-12);
    }
}

}  // namespace
}  // namespace flumetra::dettagli
