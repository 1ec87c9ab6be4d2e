// Conversions between kinds and rounding to n decimals: ties to even at
// every coarsening, and the ends of each range.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "calc/conversioni.h"
#include "calc/testo.h"
#include "confronto.h"
#include "decimali.h"

namespace flumetra {
namespace {

TEST(Conversioni, RealeInInteroTiesToEvenAndRange) {
    EXPECT_EQ(RealeInIntero(550.5), 550);
    EXPECT_EQ(RealeInIntero(551.5), 552);
    EXPECT_EQ(RealeInIntero(-2.5), -2);
    EXPECT_EQ(RealeInIntero(550.6232), 551);
    EXPECT_EQ(RealeInIntero(2147483647.4), 2147483647);
    EXPECT_EQ(RealeInIntero(-2147483648.5), -2147483648);
    EXPECT_EQ(failureKindOf([] { RealeInIntero(2147483647.5); }), TipoFallimento::Overflow);
    EXPECT_EQ(failureKindOf([] { RealeInIntero(-1e300); }), TipoFallimento::Overflow);
    EXPECT_EQ(failureKindOf([] { RealeInIntero(INFINITY); }), TipoFallimento::Overflow);
    EXPECT_EQ(failureKindOf([] { RealeInIntero(NAN); }), TipoFallimento::ErroreDiCalcolo);
}

TEST(Conversioni, RealeInDecimaleRoundsTheDoubleProduct) {
    EXPECT_EQ(RealeInDecimale(0.023), decimillesimi(230));  // 0.023 × 10000 is just below 230
    EXPECT_EQ(RealeInDecimale(0.00005), decimillesimi(0));  // 0.5 exactly: to even
    EXPECT_EQ(RealeInDecimale(-3.45515), decimillesimi(-34552));
    EXPECT_EQ(failureKindOf([] { RealeInDecimale(1e15); }), TipoFallimento::Overflow);
    EXPECT_EQ(RealeInDecimale(-9e14), decimillesimi(-9'000'000'000'000'000'000));
    EXPECT_EQ(failureKindOf([] { RealeInDecimale(922337203685477.625); }), TipoFallimento::Overflow);
}

TEST(Conversioni, DecimaleInRealeIsTheNearestDouble) {
    EXPECT_EQ(DecimaleInReale(decimillesimi(35000)), 3.5);
    EXPECT_EQ(DecimaleInReale(decimillesimi(230)), 0.023);
    EXPECT_EQ(DecimaleInReale(decimillesimi(1)), 0.0001);
    // Past 2^53 ten-thousandths the count itself is no longer a double.
    EXPECT_EQ(DecimaleInReale(Decimale::massimo()), 922337203685477.5807);
    EXPECT_EQ(DecimaleInReale(decimillesimi(9007199254740993)), 900719925474.0993);
}

TEST(Conversioni, ArrotondaDouble) {
    EXPECT_EQ(Arrotonda(0.25, 1), 0.2);
    EXPECT_EQ(Arrotonda(0.35, 1), 0.4);  // 0.35 × 10 is exactly 3.5
    EXPECT_EQ(Arrotonda(0.45, 1), 0.4);
    EXPECT_EQ(Arrotonda(3.49493, 1), 3.5);
    EXPECT_EQ(Arrotonda(0.0235057, 3), 0.024);
    EXPECT_EQ(Arrotonda(-2.5, 0), -2.0);
    EXPECT_EQ(failureKindOf([] { Arrotonda(1e306, 3); }), TipoFallimento::ErroreDiCalcolo);
}

TEST(Conversioni, ArrotondaDecimaleIsExact) {
    EXPECT_EQ(Arrotonda(decimillesimi(34500), 1), decimillesimi(34000));
    EXPECT_EQ(Arrotonda(decimillesimi(35500), 1), decimillesimi(36000));
    EXPECT_EQ(Arrotonda(decimillesimi(34551), 1), decimillesimi(35000));
    EXPECT_EQ(Arrotonda(decimillesimi(-34500), 1), decimillesimi(-34000));
    EXPECT_EQ(Arrotonda(decimillesimi(-34501), 1), decimillesimi(-35000));
    EXPECT_EQ(Arrotonda(decimillesimi(25), 2), decimillesimi(0));
    EXPECT_EQ(Arrotonda(decimillesimi(15), 3), decimillesimi(20));
    EXPECT_EQ(Arrotonda(decimillesimi(12345), 4), decimillesimi(12345));
    EXPECT_EQ(Arrotonda(decimillesimi(5000), 0), decimillesimi(0));
    EXPECT_EQ(Arrotonda(decimillesimi(15000), 0), decimillesimi(20000));
    EXPECT_EQ(failureKindOf([] { Arrotonda(Decimale::massimo(), 0); }), TipoFallimento::Overflow);
    EXPECT_EQ(failureKindOf([] { Arrotonda(Decimale::minimo(), 1); }), TipoFallimento::Overflow);
}

TEST(Conversioni, DecimaleSumIsExactWithOverflowTest) {
    EXPECT_EQ(decimillesimi(1) + decimillesimi(2), decimillesimi(3));
    EXPECT_EQ(Decimale::massimo() + decimillesimi(-1), decimillesimi(std::numeric_limits<std::int64_t>::max() - 1));
    EXPECT_EQ(failureKindOf([] { Decimale::massimo() + decimillesimi(1); }), TipoFallimento::Overflow);
    EXPECT_EQ(failureKindOf([] { Decimale::minimo() + decimillesimi(-1); }), TipoFallimento::Overflow);
}

}  // namespace
}  // namespace flumetra
