// The recalculation chains: the worked examples a duct designer can check by
// hand, which fields each routine writes in each mode, and read-back
// through text.

#include <map>
#include <vector>

#include "calculator_test.h"

namespace flumetra {
namespace {

using enum Campo;
using Ricalcolo = CalculatorTest;

TEST_F(Ricalcolo, SectionChangesFromTheStartWindow) {
    digita(Text_A, "550");  // B held
    expectTexts({{Text_A, "550"},
                 {Text_B, "500"},
                 {Text_D, "577"},
                 {Text_v, "3,2"},
                 {Text_Y, "0,019"},
                 {Text_Ytot, "0,19"},
                 {Text_G, "3000"},
                 {Text_L, "10"}});
    EXPECT_EQ(f.scritti, (std::vector<Campo>{Text_D, Text_v, Text_Y, Text_Ytot}));

    digita(Text_A, "500");  // back: Y now follows the formulas, not the laid-out 0,023
    expectTexts({{Text_D, "551"}, {Text_v, "3,5"}, {Text_Y, "0,024"}, {Text_Ytot, "0,24"}});
}

TEST_F(Ricalcolo, BChangedWithAHeldGivesTheSameAsAWithBHeld) {
    f.cliccaSezione(Sezione::A);
    digita(Text_B, "550");
    expectTexts(
        {{Text_A, "500"}, {Text_B, "550"}, {Text_D, "577"}, {Text_v, "3,2"}, {Text_Y, "0,019"}, {Text_Ytot, "0,19"}});
}

TEST_F(Ricalcolo, DChangedRewritesTheOtherSideAndUsesDNotTheRectangle) {
    digita(Text_D, "576");        // B held: A follows from B and D; v and Y are those of D = 576
    EXPECT_EQ(t(Text_A), "550");  // LatoPerDiametro(500, 576)
    expectTexts({{Text_B, "500"}, {Text_D, "576"}, {Text_v, "3,2"}, {Text_Y, "0,019"}, {Text_Ytot, "0,19"}});
    EXPECT_EQ(f.scritti, (std::vector<Campo>{Text_A, Text_v, Text_Y, Text_Ytot}));

    digita(Text_D, "526");  // 0.029 × 10 is the double just above 0.29
    expectTexts({{Text_A, "459"}, {Text_v, "3,8"}, {Text_Y, "0,029"}, {Text_Ytot, "0,29"}});

    f.cliccaSezione(Sezione::A);  // A held: B follows
    f.scritti.clear();
    digita(Text_D, "600");
    EXPECT_EQ(t(Text_B), "653");  // LatoPerDiametro(459, 600)
    EXPECT_EQ(f.scritti.front(), Text_B);
}

TEST_F(Ricalcolo, BChangedWithDHeldRewritesAFromBAndD) {
    f.cliccaSezione(Sezione::D);
    digita(Text_B, "400");
    EXPECT_EQ(t(Text_A), "635");  // LatoPerDiametro(400, 551)
    EXPECT_EQ(t(Text_D), "551");
}

TEST_F(Ricalcolo, SectionChangesIgnoreTheMode) {
    f.cliccaModo(Modo::Velocita);  // v held, yet stepping B rewrites v
    digita(Text_B, "550");
    EXPECT_EQ(f.scritti, (std::vector<Campo>{Text_D, Text_v, Text_Y, Text_Ytot}));
}

TEST_F(Ricalcolo, OwnDimensionHeldWritesNothing) {
    digita(Text_B, "700");  // B is held at start
    EXPECT_TRUE(f.scritti.empty());
    f.cliccaModo(Modo::Perdita);  // holds A
    digita(Text_A, "700");
    EXPECT_TRUE(f.scritti.empty());
    EXPECT_EQ(t(Text_A), "700");
}

// Which fields each routine writes, in order, for each mode.
TEST_F(Ricalcolo, WhatEachRoutineWrites) {
    using Scritti = std::vector<Campo>;
    const std::map<std::pair<Campo, Modo>, Scritti> expectTexts = {
        {{Text_G, Modo::SezioneCanale}, {Text_v, Text_Y, Text_Ytot}},
        {{Text_G, Modo::Perdita}, {Text_D, Text_B, Text_v}},
        {{Text_G, Modo::Velocita}, {Text_D, Text_B, Text_Y, Text_Ytot}},
        {{Text_G, Modo::Portata}, {}},
        {{Text_v, Modo::SezioneCanale}, {Text_G, Text_Y, Text_Ytot}},
        {{Text_v, Modo::Perdita}, {Text_D, Text_B, Text_G, Text_Ytot}},
        {{Text_v, Modo::Velocita}, {}},
        {{Text_v, Modo::Portata}, {Text_D, Text_B, Text_Y, Text_Ytot}},
        {{Text_Y, Modo::SezioneCanale}, {Text_v, Text_G, Text_Ytot}},
        {{Text_Y, Modo::Perdita}, {}},
        {{Text_Y, Modo::Velocita}, {Text_D, Text_B, Text_G, Text_Ytot}},
        {{Text_Y, Modo::Portata}, {Text_D, Text_B, Text_v, Text_Ytot}},
    };
    const std::map<Campo, const char*> nuovi = {{Text_G, "3050"}, {Text_v, "4"}, {Text_Y, "0,03"}};
    for (const auto& [chiave, scritti] : expectTexts) {
        const auto [campo, modo] = chiave;
        FinestraRegistrata w;
        w.cliccaModo(modo);
        w.FinestraInMemoria::scrivi(campo, nuovi.at(campo));
        Calcolatore& calc = w.calcolatore();
        const Esito esito = campo == Text_G   ? calc.Text_G_KeyUp()
                            : campo == Text_v ? calc.Text_v_KeyUp()
                                              : calc.Text_Y_KeyUp();
        EXPECT_FALSE(esito.has_value());
        EXPECT_EQ(w.scritti, scritti) << "field " << static_cast<int>(campo) << " mode " << static_cast<int>(modo);
        EXPECT_EQ(w.testo(campo), nuovi.at(campo)) << "a routine rewrote its own field";
    }
}

TEST_F(Ricalcolo, TypedFlowVelocityAndLoss) {
    digita(Text_G, "3050");
    expectTexts({{Text_v, "3,6"}, {Text_Y, "0,025"}, {Text_Ytot, "0,25"}, {Text_A, "500"}, {Text_D, "551"}});

    FinestraRegistrata perdita;
    perdita.cliccaModo(Modo::Perdita);
    perdita.FinestraInMemoria::scrivi(Text_G, "3050");
    perdita.calcolatore().Text_G_KeyUp();
    EXPECT_EQ(perdita.testo(Text_D), "556");
    EXPECT_EQ(perdita.testo(Text_B), "512");  // LatoPerDiametro(500, D) read back from "556"
    EXPECT_EQ(perdita.testo(Text_v), "3,5");
    EXPECT_EQ(perdita.testo(Text_Y), "0,023");
    EXPECT_EQ(perdita.testo(Text_Ytot), "0,23");  // no total-loss step in this chain

    FinestraRegistrata velocita;
    velocita.FinestraInMemoria::scrivi(Text_v, "4");
    velocita.calcolatore().Text_v_KeyUp();
    EXPECT_EQ(velocita.testo(Text_G), "3434");
    EXPECT_EQ(velocita.testo(Text_Y), "0,03");
    EXPECT_EQ(velocita.testo(Text_Ytot), "0,3");

    digita(Text_G, "3000");
    f.FinestraInMemoria::scrivi(Text_v, "3,5");
    digita(Text_Y, "0,03");  // v from the scan, then G from the v just written
    expectTexts({{Text_v, "4"}, {Text_G, "3434"}, {Text_Ytot, "0,3"}});
}

TEST_F(Ricalcolo, EditedLengthShowsAtTheNextTotalLossStep) {
    paste(Text_L, "20");
    EXPECT_EQ(t(Text_Ytot), "0,23");
    f.cliccaModo(Modo::Perdita);
    digita(Text_G, "3050");  // no total-loss step in mode Perdita
    EXPECT_EQ(t(Text_Ytot), "0,23");
    digita(Text_v, "3");
    EXPECT_EQ(t(Text_Ytot), "0,46");
}

}  // namespace
}  // namespace flumetra
