// The recalculation chains: the worked examples a duct designer can check by
// hand, which fields each routine writes in each mode, and read-back
// through text.

#include <vector>

#include "calculator_test.h"
#include "logic/quantita.h"

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

// Only the held A of the modes that hold it has B follow at once: B is what
// every chain of those modes computes from A and D.
TEST_F(Ricalcolo, OwnDimensionHeldWritesNothingButTheOtherSideOfAHeldA) {
    digita(Text_B, "700");  // B is held at start
    EXPECT_TRUE(f.scritti.empty());
    f.cliccaModo(Modo::Perdita);  // holds A
    digita(Text_A, "300");
    EXPECT_EQ(f.scritti, (std::vector<Campo>{Text_B}));
    expectTexts({{Text_A, "300"}, {Text_B, "885"}, {Text_D, "551"}, {Text_v, "3,5"}, {Text_Ytot, "0,23"}});
    f.cliccaModo(Modo::SezioneCanale);  // A still held, chosen by the person now
    f.scritti.clear();
    digita(Text_A, "400");
    EXPECT_TRUE(f.scritti.empty());
}

// What typing G 3050, v 4 or Y 0,03 gives in each mode: the fields written,
// in order, and every text after (A B D G v Y L Ytot). The typed field and
// the held quantity keep their texts.
TEST_F(Ricalcolo, WhatEachRoutineWrites) {
    const struct {
        Campo campo;
        const char* testo;
        Modo modo;
        std::vector<Campo> scritti;
        const char* dopo;
    } righe[] = {
        {Text_G, "3050", Modo::SezioneCanale, {Text_v, Text_Y, Text_Ytot}, "500 500 551 3050 3,6 0,025 10 0,25"},
        {Text_G, "3050", Modo::Perdita, {Text_D, Text_B, Text_v, Text_Ytot}, "500 512 556 3050 3,5 0,023 10 0,23"},
        {Text_G, "3050", Modo::Velocita, {Text_D, Text_B, Text_Y, Text_Ytot}, "500 510 555 3050 3,5 0,023 10 0,23"},
        {Text_G, "3050", Modo::Portata, {}, "500 500 551 3050 3,5 0,023 10 0,23"},
        {Text_v, "4", Modo::SezioneCanale, {Text_G, Text_Y, Text_Ytot}, "500 500 551 3434 4 0,03 10 0,3"},
        {Text_v, "4", Modo::Perdita, {Text_D, Text_B, Text_G, Text_Ytot}, "500 770 679 5214 4 0,023 10 0,23"},
        {Text_v, "4", Modo::Velocita, {}, "500 500 551 3000 4 0,023 10 0,23"},
        {Text_v, "4", Modo::Portata, {Text_D, Text_B, Text_Y, Text_Ytot}, "500 440 515 3000 4 0,033 10 0,33"},
        {Text_Y, "0,03", Modo::SezioneCanale, {Text_v, Text_G, Text_Ytot}, "500 500 551 3434 4 0,03 10 0,3"},
        {Text_Y, "0,05", Modo::Perdita, {Text_Ytot}, "500 500 551 3000 3,5 0,05 10 0,5"},
        {Text_Y, "0,03", Modo::Velocita, {Text_D, Text_B, Text_G, Text_Ytot}, "500 346 455 2049 3,5 0,03 10 0,3"},
        {Text_Y, "0,03", Modo::Portata, {Text_D, Text_B, Text_v, Text_Ytot}, "500 455 524 3000 3,9 0,03 10 0,3"},
    };
    for (const auto& r : righe) {
        FinestraRegistrata w;
        w.cliccaModo(r.modo);
        const Esito esito = w.digita(r.campo, r.testo);
        EXPECT_FALSE(esito.has_value());
        std::string dopo;
        for (const Campo c : allValues<Campo>()) dopo += w.testo(c) + (c == Campo::Text_Ytot ? "" : " ");
        const std::string caso = std::string(dati(r.campo).simbolo) + " in mode " + std::string(dati(r.modo).valore);
        EXPECT_EQ(w.scritti, r.scritti) << caso;
        EXPECT_EQ(dopo, r.dopo) << caso;
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
    EXPECT_EQ(perdita.testo(Text_Ytot), "0,23");  // the total-loss step ends the chain: 10 × 0,023

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
    digita(Text_G, "3050");  // mode Perdita too ends with the total loss
    EXPECT_EQ(t(Text_Ytot), "0,46");
}

}  // namespace
}  // namespace flumetra
