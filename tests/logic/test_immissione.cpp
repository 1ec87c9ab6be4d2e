// Typed entry, fine steps, and what a failing step leaves behind.

#include <vector>

#include "calculator_test.h"
#include "logic/uso_del_testo.h"

namespace flumetra {
namespace {

using enum Campo;
using Immissione = CalculatorTest;

TEST_F(Immissione, BoundsAreExclusive) {
    struct Riga {
        Campo campo;
        const char* fuori;
        const char* dentro;
    };
    for (const Riga& r : {Riga{Text_A, "10", "11"}, Riga{Text_A, "3000", "2999"}, Riga{Text_B, "10", "11"},
                          Riga{Text_D, "10", "10,5"}, Riga{Text_D, "5000", "4999"}, Riga{Text_G, "50", "51"},
                          Riga{Text_G, "900000", "899999"}, Riga{Text_v, "0,1", "0,2"}, Riga{Text_v, "100", "99,9"},
                          Riga{Text_Y, "0,0001", "0,0002"}, Riga{Text_Y, "100", "99"}}) {
        FinestraRegistrata w;
        w.cliccaSezione(Sezione::D);  // so that B and D changes recalculate
        if (r.campo == Text_D) w.cliccaSezione(Sezione::B);
        auto premi = [&](const char* testo) {
            w.scritti.clear();
            w.digita(r.campo, testo);
            return !w.scritti.empty();
        };
        EXPECT_FALSE(premi(r.fuori)) << r.fuori << " in field " << static_cast<int>(r.campo);
        EXPECT_TRUE(premi(r.dentro)) << r.dentro << " in field " << static_cast<int>(r.campo);
    }
}

TEST_F(Immissione, IgnoredTextsChangeNothing) {
    for (const char* testo : {"", "abc", "-", ",", "3000 m", "1E999999", "-500"}) {
        f.scritti.clear();
        EXPECT_FALSE(digita(Text_G, testo).has_value()) << testo;
        EXPECT_TRUE(f.scritti.empty()) << testo;
        EXPECT_EQ(t(Text_G), testo);
    }
}

TEST_F(Immissione, TypingDigitByDigit) {
    f.cliccaSezione(Sezione::A);
    f.cliccaSezione(Sezione::B);
    paste(Text_A, "");
    std::vector<bool> ricalcolato;
    for (const char* testo : {"1", "15", "150"}) {
        f.scritti.clear();
        digita(Text_A, testo);
        ricalcolato.push_back(!f.scritti.empty());
    }
    EXPECT_EQ(ricalcolato, (std::vector<bool>{false, true, true}));
    EXPECT_EQ(t(Text_A), "150");
    EXPECT_EQ(t(Text_D), "291");  // DiametroEquivalente(150, 500)
}

TEST_F(Immissione, AFractionPassesAsTypedAndEntersRounded) {
    paste(Text_D, "11");       // so narrow that v moves by about 3 m/s per m³/h
    digita(Text_G, "3000,5");  // enters the formulas as 3000, ties to even
    EXPECT_EQ(t(Text_G), "3000,5");
    EXPECT_EQ(t(Text_v), "8769,1");  // VelocitaDaPortata(11, 3000), not of 3001
    digita(Text_G, "3001,5");
    EXPECT_EQ(t(Text_v), "8775");  // VelocitaDaPortata(11, 3002), not of 3001
}

TEST_F(Immissione, ARepeatedKeyReleaseRecalculatesAgain) {
    digita(Text_G, "3000");
    f.scritti.clear();
    c.Text_G_KeyUp();  // a cursor key: the text does not change
    EXPECT_EQ(f.scritti, (std::vector<Campo>{Text_v, Text_Y, Text_Ytot}));
}

TEST_F(Immissione, AFailingStepKeepsEarlierWritesAndStops) {
    paste(Text_G, "");
    const Esito esito = c.UpDown_A_Change();  // as after a spinner step, B held
    EXPECT_EQ(f.scritti, (std::vector<Campo>{Text_D}));
    ASSERT_TRUE(esito.has_value());
    EXPECT_EQ(*esito, (PassoFallito{2, Text_v, TipoFallimento::NonNumero, Text_G, {Text_v, Text_Y, Text_Ytot}}));
    expectTexts({{Text_v, "3,5"}, {Text_Y, "0,023"}, {Text_Ytot, "0,23"}});

    paste(Text_G, "3000");
    paste(Text_L, "");
    f.scritti.clear();
    EXPECT_EQ(digita(Text_G, "3100"), (PassoFallito{3, Text_Ytot, TipoFallimento::NonNumero, Text_L, {Text_Ytot}}));
    EXPECT_EQ(f.scritti, (std::vector<Campo>{Text_v, Text_Y}));

    paste(Text_L, "1E308");  // 5 × 10^308 is beyond every double
    f.cliccaModo(Modo::Portata);
    EXPECT_EQ(digita(Text_Y, "5"),
              (PassoFallito{4, Text_Ytot, TipoFallimento::ErroreDiCalcolo, std::nullopt, {Text_Ytot}}));
}

TEST_F(Immissione, FormulaFailureIsReported) {
    f.cliccaModo(Modo::Portata);
    paste(Text_A, "0");  // LatoPerDiametro(0, D) divides by zero
    const Esito esito = digita(Text_v, "4");
    EXPECT_EQ(esito,
              (PassoFallito{2, Text_B, TipoFallimento::ErroreDiCalcolo, std::nullopt, {Text_B, Text_Y, Text_Ytot}}));
    EXPECT_EQ(f.scritti, (std::vector<Campo>{Text_D}));
}

TEST_F(Immissione, FineSteps) {
    c.UpDown_v_UpClick();
    EXPECT_EQ(t(Text_v), "3,6");
    EXPECT_EQ(f.scritti.front(), Text_v);
    EXPECT_EQ(f.scritti.size(), 4U);  // v, then G, Y, Ytot
    paste(Text_v, "3,5");
    c.UpDown_v_DownClick();
    EXPECT_EQ(t(Text_v), "3,4");

    paste(Text_Y, "0,023");
    c.UpDown_Y_UpClick();
    EXPECT_EQ(t(Text_Y), "0,028");
    paste(Text_Y, "0,023");
    c.UpDown_Y_DownClick();
    EXPECT_EQ(t(Text_Y), "0,018");

    paste(Text_v, "150");  // beyond the typed range: still stepped
    c.UpDown_v_UpClick();
    EXPECT_EQ(t(Text_v), "150,1");
    paste(Text_v, "0,05");  // below it too
    c.UpDown_v_UpClick();
    EXPECT_EQ(t(Text_v), "0,15");
}

TEST_F(Immissione, FineStepToZeroOrBelowIsRefused) {
    for (const char* testo : {"0,1", "0,05", "-3"}) {
        paste(Text_v, testo);
        f.scritti.clear();
        EXPECT_FALSE(c.UpDown_v_DownClick().has_value());
        EXPECT_TRUE(f.scritti.empty()) << testo;
        EXPECT_EQ(t(Text_v), testo);
    }
    paste(Text_Y, "0,005");
    f.scritti.clear();
    c.UpDown_Y_DownClick();
    EXPECT_TRUE(f.scritti.empty());
    paste(Text_Y, "0,0051");
    c.UpDown_Y_DownClick();
    EXPECT_EQ(t(Text_Y), "0,0001");

    for (const char* testo : {"", "abc", "1E999"}) {
        paste(Text_v, testo);
        f.scritti.clear();
        c.UpDown_v_UpClick();
        EXPECT_TRUE(f.scritti.empty()) << testo;
    }
}

// What a person is told of a text: unused, or read with a full stop that
// groups no three digits.
TEST(Avvisi, UnusedTextsAndStrayFullStops) {
    struct Riga {
        Campo campo;
        const char* testo;
        std::optional<TipoAvviso> tipo;
        Reale letto;
    };
    const std::string centomilaCifre(100000, '9');
    const Riga righe[] = {
        {Text_G, "950000", TipoAvviso::FuoriIntervallo, 0},
        {Text_G, "1e400", TipoAvviso::TroppoGrande, 1},
        {Text_L, centomilaCifre.c_str(), TipoAvviso::TroppoGrande, 1},
        {Text_A, " -1e400", TipoAvviso::TroppoGrande, -1},
        {Text_L, "0", TipoAvviso::FuoriIntervallo, 0},
        {Text_L, "1e300", std::nullopt, 0},
        {Text_v, "3,5.", TipoAvviso::NonNumero, 0},
        {Text_D, "4.5", TipoAvviso::PuntoDelleMigliaia, 45},
        {Text_L, "1.0000", TipoAvviso::PuntoDelleMigliaia, 10000},
        {Text_G, "12.345,5", std::nullopt, 0},
        {Text_G, "1.000.000", TipoAvviso::FuoriIntervallo, 0},
        {Text_G, "", std::nullopt, 0},
    };
    for (const Riga& riga : righe) {
        const std::optional<Avviso> a = avviso(riga.campo, riga.testo);
        ASSERT_EQ(a.has_value(), riga.tipo.has_value()) << riga.testo;
        if (!a) continue;
        EXPECT_EQ(a->tipo, *riga.tipo) << riga.testo;
        EXPECT_EQ(a->testo, riga.testo);
        if (a->tipo == TipoAvviso::PuntoDelleMigliaia || a->tipo == TipoAvviso::TroppoGrande) {
            EXPECT_EQ(a->letto, riga.letto) << riga.testo;
        }
    }
}

}  // namespace
}  // namespace flumetra
