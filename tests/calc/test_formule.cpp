// The nine duct formulas on the start window's values, at their limits, and
// the failures they report.

#include <gtest/gtest.h>

#include <limits>

#include "calc/module_calcoli.h"
#include "calc/testo.h"
#include "confronto.h"
#include "decimali.h"

namespace flumetra {
namespace {

using namespace Module_Calcoli;

TEST(Formule, StartWindowValues) {
    EXPECT_EQ(DiametroEquivalente(500, 500), 551);
    EXPECT_EQ(DiametroEquivalente(500, 1000), 770);
    EXPECT_EQ(DiametroEquivalente(300, 200), 269);
    EXPECT_EQ(LatoPerDiametro(500, 551), 503);
    EXPECT_EQ(LatoPerDiametro(300, 267), 200);
    EXPECT_EQ(VelocitaDaPortata(551, 3000), dec("3,5"));
    EXPECT_EQ(PerditaUnitaria(dec("3,5"), 551), dec("0,024"));
    EXPECT_EQ(DiametroDaPortataPerdita(3000, dec("0,023")), 553);
    EXPECT_EQ(DiametroDaPortataVelocita(3000, dec("3,5")), 551);
    EXPECT_EQ(PortataDaVelocita(551, dec("3,5")), 3004);
    EXPECT_EQ(DiametroDaVelocitaPerdita(dec("3,5"), dec("0,023")), 560);
    EXPECT_EQ(VelocitaDaPerdita(551, dec("0,023")), dec("3,5"));
    EXPECT_EQ(RealeInTesto(PerditaTotale(0.023, 10)), "0,23");
}

TEST(Formule, SearchesAtTheirEdges) {
    EXPECT_EQ(DiametroEquivalente(0, 500), 0);
    EXPECT_EQ(LatoPerDiametro(500, -1), 0);  // the start value, no scan
    EXPECT_EQ(LatoPerDiametro(500, 0), 2);   // diameters 0 and 15
    EXPECT_EQ(LatoPerDiametro(50, 3000), 775028);
    EXPECT_EQ(DiametroDaPortataPerdita(3000, dec("0")), 3000);
    EXPECT_EQ(DiametroDaPortataPerdita(3000, dec("-1")), 3000);
    EXPECT_EQ(DiametroDaVelocitaPerdita(dec("3,5"), dec("0")), 3000);
    EXPECT_EQ(VelocitaDaPerdita(551, dec("0")), dec("0"));
    EXPECT_EQ(VelocitaDaPerdita(551, dec("-0,5")), dec("0"));
    // The velocity scan ends on an exact Decimale and rounds it to even:
    // at D = 551 these end on 2.45 and 7.85, at D = 300 on 3.75.
    EXPECT_EQ(VelocitaDaPerdita(551, dec("0,0122")), dec("2,4"));
    EXPECT_EQ(VelocitaDaPerdita(551, dec("0,1048")), dec("7,8"));
    EXPECT_EQ(VelocitaDaPerdita(300, dec("0,0582")), dec("3,8"));
}

TEST(Formule, FailuresAtTheLimits) {
    constexpr auto calcolo = TipoFallimento::ErroreDiCalcolo;
    constexpr auto overflow = TipoFallimento::Overflow;
    EXPECT_EQ(failureKindOf([] { DiametroEquivalente(500, -500); }), calcolo);
    EXPECT_EQ(failureKindOf([] { DiametroEquivalente(50000, 50000); }), overflow);
    EXPECT_EQ(failureKindOf([] { DiametroEquivalente(2147483647, 1); }), overflow);
    EXPECT_EQ(failureKindOf([] { DiametroEquivalente(-300, 400); }), calcolo);  // negative quotient^(1/5)
    EXPECT_EQ(failureKindOf([] { LatoPerDiametro(0, 551); }), calcolo);
    EXPECT_EQ(failureKindOf([] { VelocitaDaPortata(0, 3000); }), calcolo);
    EXPECT_EQ(failureKindOf([] { PerditaUnitaria(dec("3,5"), 0); }), calcolo);
    EXPECT_EQ(failureKindOf([] { PerditaUnitaria(dec("-3,5"), 551); }), calcolo);
    EXPECT_EQ(failureKindOf([] { DiametroDaPortataVelocita(3000, dec("0")); }), calcolo);
    EXPECT_EQ(failureKindOf([] { DiametroDaPortataVelocita(-3000, dec("3,5")); }), calcolo);
    EXPECT_EQ(failureKindOf([] { PortataDaVelocita(2000000, dec("1000")); }), overflow);
    EXPECT_EQ(failureKindOf([] { VelocitaDaPerdita(0, dec("0,023")); }), calcolo);
    EXPECT_EQ(failureKindOf([] { VelocitaDaPerdita(-551, dec("0,023")); }), calcolo);
    EXPECT_EQ(failureKindOf([] { PerditaTotale(5, 1e308); }), calcolo);  // beyond every double
    EXPECT_EQ(failureKindOf([] { PerditaTotale(0, std::numeric_limits<Reale>::infinity()); }), calcolo);
}

TEST(Formule, DiameterScansFailWhenTheyReachZero) {
    constexpr auto calcolo = TipoFallimento::ErroreDiCalcolo;
    // The loss of 3000 m³/h at 1 mm is about 10^12; of 3.5 m/s, 7.47 × 3.5^1.85 = 75.9.
    EXPECT_EQ(failureKindOf([] { DiametroDaPortataPerdita(3000, dec("900000000000000")); }), calcolo);
    EXPECT_EQ(failureKindOf([] { DiametroDaPortataPerdita(0, dec("0,023")); }), calcolo);
    EXPECT_EQ(failureKindOf([] { DiametroDaVelocitaPerdita(dec("3,5"), dec("76")); }), calcolo);
    EXPECT_EQ(DiametroDaVelocitaPerdita(dec("3,5"), dec("75")), 1);
    EXPECT_EQ(failureKindOf([] { DiametroDaVelocitaPerdita(dec("0"), dec("0,023")); }), calcolo);
}

}  // namespace
}  // namespace flumetra
