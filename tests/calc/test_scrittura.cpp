// Writing field text, and reading back what was written.

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>
#include <random>
#include <string>

#include "calc/testo.h"
#include "decimali.h"

namespace flumetra {
namespace {

std::string quindiciCifre(double d) {
    char b[40];
    return {b, std::to_chars(b, b + sizeof b, d, std::chars_format::scientific, 14).ptr};
}

TEST(Scrittura, WholeNumbers) {
    EXPECT_EQ(InteroInTesto(551), "551");
    EXPECT_EQ(InteroInTesto(99999), "99999");
    EXPECT_EQ(InteroInTesto(0), "0");
    EXPECT_EQ(InteroInTesto(-42), "-42");
    EXPECT_EQ(InteroInTesto(std::numeric_limits<Intero>::min()), "-2147483648");
}

TEST(Scrittura, Decimali) {
    EXPECT_EQ(DecimaleInTesto(decimillesimi(35000)), "3,5");
    EXPECT_EQ(DecimaleInTesto(decimillesimi(30000)), "3");
    EXPECT_EQ(DecimaleInTesto(decimillesimi(240)), "0,024");
    EXPECT_EQ(DecimaleInTesto(decimillesimi(-5000)), "-0,5");
    EXPECT_EQ(DecimaleInTesto(decimillesimi(12345678)), "1234,5678");
    EXPECT_EQ(DecimaleInTesto(decimillesimi(1)), "0,0001");
    EXPECT_EQ(DecimaleInTesto(TestoInDecimale("0,0230")), "0,023");
    EXPECT_EQ(DecimaleInTesto(TestoInDecimale("3,50")), "3,5");
    EXPECT_EQ(DecimaleInTesto(Decimale::minimo()), "-922337203685477,5808");
}

TEST(Scrittura, DoublesToFifteenDigits) {
    EXPECT_EQ(RealeInTesto(10 * 0.023), "0,23");
    EXPECT_EQ(RealeInTesto(0.029 * 10), "0,29");
    EXPECT_EQ(RealeInTesto(0.024), "0,024");
    EXPECT_EQ(RealeInTesto(3.5 + 0.1), "3,6");
    EXPECT_EQ(RealeInTesto(1.0 / 3.0), "0,333333333333333");
    EXPECT_EQ(RealeInTesto(0.0001), "0,0001");
    EXPECT_EQ(RealeInTesto(0.00001), "1E-05");
    EXPECT_EQ(RealeInTesto(1e15), "1E+15");
    EXPECT_EQ(RealeInTesto(1234567890123456.0), "1,23456789012346E+15");
    EXPECT_EQ(RealeInTesto(999999999999999.0), "999999999999999");
    EXPECT_EQ(RealeInTesto(9999999999999999.0), "1E+16");  // rounding moves the first digit
    EXPECT_EQ(RealeInTesto(-2.5e-7), "-2,5E-07");
    EXPECT_EQ(RealeInTesto(1e-100), "1E-100");
    EXPECT_EQ(RealeInTesto(0.1 - 0.1), "0");
    EXPECT_EQ(RealeInTesto(-0.0), "0");
    EXPECT_EQ(RealeInTesto(3.5 - 0.1 * 3), "3,2");
}

TEST(Scrittura, NonFiniteHasNoText) {
    for (double d : {std::numeric_limits<double>::infinity(), std::numeric_limits<double>::quiet_NaN()}) {
        try {
            RealeInTesto(d);
            ADD_FAILURE() << "wrote a text for " << d;
        } catch (const Fallimento& f) {
            EXPECT_EQ(f.tipo(), TipoFallimento::ErroreDiCalcolo);
        }
    }
}

TEST(Scrittura, RoundTripsOverGeneratedValues) {
    std::mt19937_64 caso(20041118);
    for (int i = 0; i < 100000; ++i) {
        const auto intero = static_cast<Intero>(caso());
        ASSERT_EQ(TestoInIntero(InteroInTesto(intero)), intero);

        const auto decimale = decimillesimi(static_cast<std::int64_t>(caso()) >> (caso() % 60));
        ASSERT_EQ(TestoInDecimale(DecimaleInTesto(decimale)), decimale);

        double reale = 0;
        const auto bit = caso();
        std::memcpy(&reale, &bit, sizeof reale);
        if (!std::isnormal(reale)) continue;
        // Fifteen significant digits survive the trip exactly.
        ASSERT_EQ(quindiciCifre(TestoInReale(RealeInTesto(reale))), quindiciCifre(reale)) << RealeInTesto(reale);
    }
}

}  // namespace
}  // namespace flumetra
