// The duct's details against values computed independently (Colebrook solved
// by bisection, to nine digits).

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <tuple>

#include "calc/fallimento.h"
#include "dettagli/aria.h"
#include "dettagli/attrito.h"
#include "dettagli/colebrook.h"
#include "dettagli/dettagli.h"
#include "dettagli/logaritmo.h"
#include "dettagli/potenza.h"
#include "dettagli/righe.h"
#include "dettagli/trigonometria.h"

namespace flumetra::dettagli {
namespace {

TestiDelCondotto condotto(const char* D, const char* G) { return {"500", "500", D, G, "0,023", "0,23"}; }

TEST(Dettagli, ColebrookAgainstReferenceValues) {
    struct Riga {
        const char* D;
        const char* G;
        Materiale materiale;
        Reale v, Re, lambda, R_Pa_m;
    };
    const Riga righe[] = {
        {"500", "3000", Materiale::Zincato, 4.244132, 140936.545, 0.018522977, 0.401745547},
        {"551", "3000", Materiale::Zincato, 3.494827, 127891.602, 0.018633913, 0.248677431},
        {"160", "300", Materiale::Zincato, 4.144660, 44042.670, 0.024288380, 1.569961311},
        {"500", "3000", Materiale::Spiralato, 4.244132, 140936.545, 0.017870726, 0.387598849},
    };
    for (const Riga& r : righe) {
        const Dettagli d = calcola(condotto(r.D, r.G), r.materiale);
        EXPECT_NEAR(*d.v_tondo, r.v, 1e-6) << r.D;
        EXPECT_NEAR(*d.Re, r.Re, 1e-3) << r.D;
        EXPECT_NEAR(*d.lambda, r.lambda, 1e-9) << r.D;
        EXPECT_NEAR(*d.R_Pa_m, r.R_Pa_m, 1e-9) << r.D;
    }
    EXPECT_NEAR(*calcola(condotto("551", "3000"), Materiale::Zincato).R_mmca_m, 0.025358041, 1e-9);
    EXPECT_THROW(Colebrook(0, 0.001), Fallimento);
}

TEST(Dettagli, TheStartWindow) {
    const Dettagli d = calcola(condotto("551", "3000"), Materiale::Zincato);
    EXPECT_DOUBLE_EQ(*d.Y_Pa_m, 0.22555295);
    EXPECT_DOUBLE_EQ(*d.Ytot_Pa, 2.2555295);
    EXPECT_NEAR(*d.v_rett, 3.333333333, 1e-9) << "the rectangle's own velocity, not the round duct's 3,5";
    EXPECT_EQ(*d.rapporto, 1);
    EXPECT_NEAR(*d.scarto, -9.298986711, 1e-6);
    ASSERT_TRUE(d.EN1506.has_value());
    const auto& [sotto, sopra] = *d.EN1506;
    ASSERT_TRUE(sotto && sopra);
    EXPECT_EQ(sotto->D, 500);
    EXPECT_DOUBLE_EQ(*sotto->v, 4.2) << "as typing 500 into D would give";
    EXPECT_DOUBLE_EQ(*sotto->Y, 0.037);
    EXPECT_EQ(sopra->D, 560);
    EXPECT_NEAR(*sopra->R_Pa_m, 0.2295962903, 1e-9);
}

// The series' ends, a diameter on a size, and fields that are not numbers.
TEST(Dettagli, WhatCannotBeComputedIsEmpty) {
    struct Riga {
        TestiDelCondotto testi;
        int sotto, sopra;  // 0: no series diameter on that side
    };
    const Riga righe[] = {
        {condotto("40", "300"), 0, 63},
        {condotto("1300", "300"), 1250, 0},
        {condotto("500", "300"), 500, 560},
        {condotto("1250", "300"), 1250, 0},
    };
    for (const Riga& r : righe) {
        const Dettagli d = calcola(r.testi, Materiale::Zincato);
        ASSERT_TRUE(d.EN1506.has_value()) << *r.testi.D;
        EXPECT_EQ((*d.EN1506)[0] ? (*d.EN1506)[0]->D : 0, r.sotto) << *r.testi.D;
        EXPECT_EQ((*d.EN1506)[1] ? (*d.EN1506)[1]->D : 0, r.sopra) << *r.testi.D;
    }

    const Dettagli illeggibile = calcola({"500", "0", "abc", "3000", "x", ""}, Materiale::Zincato);
    EXPECT_FALSE(illeggibile.Y_Pa_m || illeggibile.Ytot_Pa || illeggibile.v_tondo || illeggibile.lambda ||
                 illeggibile.scarto || illeggibile.EN1506);
    EXPECT_FALSE(illeggibile.v_rett) << "a side of 0";
    EXPECT_FALSE(calcola(condotto("0", "3000"), Materiale::Zincato).v_tondo) << "a diameter of 0";

    // A text the calculator did not use counts as one that cannot be read:
    // G «50» refused leaves no velocity and no deviation.
    TestiDelCondotto nonUsato = condotto("551", "50");
    nonUsato.G.reset();
    const Dettagli senzaG = calcola(nonUsato, Materiale::Zincato);
    EXPECT_FALSE(senzaG.v_rett || senzaG.v_tondo || senzaG.R_Pa_m || senzaG.scarto);
    EXPECT_TRUE(senzaG.Y_Pa_m && senzaG.rapporto);
}

TEST(Dettagli, SignificantDigits) {
    const std::tuple<Reale, int, const char*> righe[] = {
        {140936.545, 3, "141000"},  {0.018522977, 3, "0,0185"},  {4.244132, 3, "4,24"},
        {-9.298986711, 3, "-9,3"},  {6.69e-5, 3, "6,69E-05"},    {1, 3, "1"},
        {1.813e-5, 5, "1,813E-05"}, {0.955911646, 5, "0,95591"},
    };
    for (const auto& [valore, cifre, testo] : righe) EXPECT_EQ(cifreSignificative(valore, cifre), testo);
}

// The start window's details in air at 35 °C and 1500 m: the friction loss
// with that air's density and viscosity, the calculator's Y corrected by K.
TEST(Dettagli, TheStartWindowInWarmAirUpHigh) {
    const Dettagli d = calcola(condotto("551", "3000"), Materiale::Zincato, {35, 1500});
    EXPECT_NEAR(*d.R_Pa_m, 0.205687, 1e-6);
    EXPECT_NEAR(*d.Y_aria, 0.0187574, 1e-7);
    EXPECT_NEAR(*d.scarto, -10.569, 1e-3) << "(Y × K − R) / R; (Y − R) / R would be +9,659 %";
    EXPECT_EQ(testoDi(riga("rho"), d), "0,95591");
    EXPECT_EQ(testoDi(riga("mu"), d), "1,8839E-05");
    EXPECT_EQ(testoDi(riga("lambda"), d), "0,0194 (Colebrook)");
    EXPECT_EQ(testoDi(riga("lambda"), calcola(condotto("3000", "100"), Materiale::Zincato)),
              "0,0817 (moto laminare, 64/Re)");
}

// Reference air at 20 °C and sea level is exactly the formula's; the others
// computed independently.
TEST(Dettagli, TheAir) {
    struct Riga {
        Aria aria;
        Reale rho, mu, K;
    };
    const Riga righe[] = {
        {{20, 0}, 1.2041, 1.813e-5, 1},
        {{35, 1500}, 0.955911646, 1.883892945e-5, 0.815540472},
        {{-30, 0}, 1.451704359, 1.563222787e-5, 1.165886757},
    };
    for (const Riga& r : righe) {
        const ProprietaAria p = proprietaDellAria(r.aria);
        EXPECT_NEAR(p.densita, r.rho, 1e-9) << r.aria.temperatura;
        EXPECT_NEAR(p.viscosita, r.mu, 1e-14) << r.aria.temperatura;
        EXPECT_NEAR(p.correzione, r.K, 1e-9) << r.aria.temperatura;
    }
    const ProprietaAria standard = proprietaDellAria({});
    EXPECT_EQ(standard.densita, 1.2041);
    EXPECT_EQ(standard.viscosita, 1.813e-5);
    EXPECT_EQ(standard.correzione, 1);
    EXPECT_THROW(proprietaDellAria({80.5, 0}), Fallimento);
    EXPECT_THROW(proprietaDellAria({20, 4001}), Fallimento);
}

// The power and the logarithm made of basic operations, against the standard
// library's over the air's bases and exponents and Colebrook's arguments,
// and where they must be exact.
TEST(Dettagli, PowerAndLogarithmOfBasicOperations) {
    Reale peggiore = 0;
    for (Reale base = 0.5; base < 1.6; base += 0.0013) {
        for (const Reale esponente : {5.2559, 1.5, 0.9, 0.1, -2.0}) {
            const Reale atteso = std::pow(base, esponente);
            peggiore = std::max(peggiore, std::abs(potenza(base, esponente) - atteso) / atteso);
        }
    }
    EXPECT_LT(peggiore, 1e-15);
    Reale peggioreLogaritmo = 0;
    for (Reale x = 1e-9; x < 1e4; x *= 1.0173) {
        peggioreLogaritmo = std::max(peggioreLogaritmo, std::abs(logaritmoDecimale(x) - std::log10(x)));
    }
    EXPECT_LT(peggioreLogaritmo, 2e-15);
    EXPECT_EQ(logaritmoDecimale(1000), 3);
    EXPECT_EQ(logaritmoDecimale(0.0042), -2.3767507096020997);
    EXPECT_THROW(logaritmoDecimale(0), Fallimento);
    EXPECT_EQ(potenza(1, 5.2559), 1);
    EXPECT_EQ(potenza(0.966, 0), 1);
    EXPECT_EQ(potenza(4, 0.5), 2);
    EXPECT_THROW(potenza(0, 2), Fallimento);
}

// Below a Reynolds number of 2300 the flow is laminar: D 3000 at 100 m³/h.
TEST(Dettagli, LaminarFlow) {
    const Reale Re = reynolds(velocitaNelTondo(100, 3000), 3000, proprietaDellAria({}));
    EXPECT_NEAR(Re, 782.9, 0.1);
    EXPECT_TRUE(laminare(Re));
    EXPECT_DOUBLE_EQ(fattoreDAttrito(Re, 0.15 / 3000), 64 / Re);
    EXPECT_NEAR(fattoreDAttrito(Re, 0.15 / 3000), 0.0817, 1e-4);
    EXPECT_FALSE(laminare(2300));
}

}  // namespace
}  // namespace flumetra::dettagli

namespace flumetra::dettagli {
namespace {

// The fittings' sine and cosine, made of additions and multiplications:
// within 1e-15 of the standard library's (its argument rounds otherwise),
// and exact where the angle is.
TEST(Trigonometria, CloseToTheLibrarysAndExactWhereTheAngleIs) {
    EXPECT_EQ(cosenoGradi(90), 0);
    EXPECT_EQ(senoGradi(90), 1);
    EXPECT_EQ(senoGradi(0), 0);
    for (int decimi = 0; decimi <= 1800; ++decimi) {
        const Reale gradi = decimi / 10.0;
        const Reale r = gradi * 3.14159265358979323846 / 180;
        EXPECT_NEAR(senoGradi(gradi), std::sin(r), 1e-15) << gradi;
        EXPECT_NEAR(cosenoGradi(gradi), std::cos(r), 1e-15) << gradi;
    }
}

}  // namespace
}  // namespace flumetra::dettagli
