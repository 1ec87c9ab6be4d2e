// Reading field text: the forms accepted, rounding once to each kind, and
// texts that are not numbers or do not fit.

#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "calc/testo.h"
#include "confronto.h"
#include "decimali.h"

namespace flumetra {
namespace {

TEST(Lettura, FormsOfTheSameNumber) {
    for (const char* testo : {"551", " 551 ", "+551", "551,0", "0551", "5,51E2", "55100e-2", "\t551"}) {
        EXPECT_EQ(TestoInIntero(testo), 551) << testo;
        EXPECT_EQ(TestoInReale(testo), 551.0) << testo;
        EXPECT_EQ(TestoInDecimale(testo), decimillesimi(5510000)) << testo;
    }
    EXPECT_EQ(TestoInIntero("1.000"), 1000);
    EXPECT_EQ(TestoInIntero("1.000.000,4"), 1000000);
    EXPECT_EQ(TestoInReale(",5"), 0.5);
    EXPECT_EQ(TestoInReale("5,"), 5.0);
    EXPECT_EQ(TestoInReale("1E3"), 1000.0);
    EXPECT_EQ(TestoInReale("-3,5"), -3.5);
}

TEST(Lettura, RoundsOnceToEachKindTiesToEven) {
    EXPECT_EQ(TestoInIntero("3,5"), 4);
    EXPECT_EQ(TestoInIntero("2,5"), 2);
    EXPECT_EQ(TestoInIntero("-2,5"), -2);
    EXPECT_EQ(TestoInIntero("-0,4"), 0);
    EXPECT_EQ(TestoInIntero("2,5000000000000000000001"), 3);  // not a tie: no double detour
    EXPECT_EQ(TestoInIntero("500,7"), 501);
    EXPECT_EQ(TestoInDecimale("0,02345"), decimillesimi(234));
    EXPECT_EQ(TestoInDecimale("0,02355"), decimillesimi(236));
    EXPECT_EQ(TestoInDecimale("0,023450001"), decimillesimi(235));
    EXPECT_EQ(TestoInDecimale("-0,00005"), decimillesimi(0));
    EXPECT_EQ(TestoInDecimale("-0,00015"), decimillesimi(-2));
    EXPECT_EQ(TestoInReale("3,5"), 3.5);
    EXPECT_EQ(TestoInReale("0,1"), 0.1);
    // 2^53 + 1 is halfway between two doubles; the even one is 2^53.
    EXPECT_EQ(TestoInReale("9007199254740993"), 9007199254740992.0);
}

TEST(Lettura, RangeOfEachKind) {
    EXPECT_EQ(TestoInIntero("2147483647"), std::numeric_limits<Intero>::max());
    EXPECT_EQ(TestoInIntero("-2147483648"), std::numeric_limits<Intero>::min());
    EXPECT_EQ(TestoInIntero("2147483646,5000001"), std::numeric_limits<Intero>::max());
    EXPECT_EQ(TestoInIntero("-2147483648,5"), std::numeric_limits<Intero>::min());  // tie to even
    EXPECT_EQ(failureKindOf([] { TestoInIntero("2147483647,5"); }), TipoFallimento::Overflow)
        << "the tie goes to the even 2147483648";
}

TEST(Lettura, Overflows) {
    EXPECT_EQ(failureKindOf([] { TestoInIntero("3000000000"); }), TipoFallimento::Overflow);
    EXPECT_EQ(TestoInReale("3000000000"), 3e9);
    EXPECT_EQ(failureKindOf([] { TestoInIntero("2147483648"); }), TipoFallimento::Overflow);
    EXPECT_EQ(failureKindOf([] { TestoInIntero("2147483647,5000001"); }), TipoFallimento::Overflow);
    EXPECT_EQ(TestoInDecimale("922337203685477,5807"), Decimale::massimo());
    EXPECT_EQ(TestoInDecimale("-922337203685477,5808"), Decimale::minimo());
    EXPECT_EQ(failureKindOf([] { TestoInDecimale("922337203685477,5808"); }), TipoFallimento::Overflow);
    EXPECT_EQ(failureKindOf([] { TestoInReale("1E309"); }), TipoFallimento::Overflow);
    for (const char* enorme : {"1E99999999999999999999", "-1E99999999999999999999"}) {
        EXPECT_EQ(failureKindOf([&] { TestoInIntero(enorme); }), TipoFallimento::Overflow);
        EXPECT_EQ(failureKindOf([&] { TestoInDecimale(enorme); }), TipoFallimento::Overflow);
        EXPECT_EQ(failureKindOf([&] { TestoInReale(enorme); }), TipoFallimento::Overflow);
    }
}

TEST(Lettura, TinyValuesReadAsZero) {
    for (const char* minuscolo : {"1E-99999999999", "1E-400", "-1E-99999999999999999999", "0E99999999999"}) {
        EXPECT_EQ(TestoInIntero(minuscolo), 0) << minuscolo;
        EXPECT_EQ(TestoInDecimale(minuscolo), decimillesimi(0)) << minuscolo;
        EXPECT_EQ(TestoInReale(minuscolo), 0.0) << minuscolo;
    }
    EXPECT_EQ(TestoInReale("5E-324"), std::numeric_limits<double>::denorm_min());
}

TEST(Lettura, TextsThatAreNotNumbers) {
    for (const char* testo :
         {"",   "   ",   "abc", "3,5,1", "3,5.",    ",",    "+",     "-",   "1E",    "1E+",      "E3",
          ".5", "1 000", "- 5", "5-",    "1,5E3,0", "0x10", "3,5 m", "++1", "1e5e5", "1.000,5.0"}) {
        EXPECT_EQ(failureKindOf([&] { TestoInIntero(testo); }), TipoFallimento::NonNumero) << '"' << testo << '"';
        EXPECT_EQ(failureKindOf([&] { TestoInDecimale(testo); }), TipoFallimento::NonNumero) << testo;
        EXPECT_EQ(failureKindOf([&] { TestoInReale(testo); }), TipoFallimento::NonNumero) << testo;
    }
    EXPECT_EQ(failureKindOf([] { TestoInReale(std::string("1\0", 2)); }), TipoFallimento::NonNumero);
}

TEST(Lettura, AMillionDigits) {
    const std::string unoEZeri = "1" + std::string(1'000'000, '0');
    EXPECT_EQ(failureKindOf([&] { TestoInIntero(unoEZeri); }), TipoFallimento::Overflow);
    EXPECT_EQ(failureKindOf([&] { TestoInReale(unoEZeri); }), TipoFallimento::Overflow);
    EXPECT_EQ(TestoInIntero("0," + std::string(1'000'000, '9')), 1);
    EXPECT_EQ(TestoInDecimale("0,00004" + std::string(1'000'000, '9')), decimillesimi(0));
    EXPECT_EQ(TestoInDecimale("0,00005" + std::string(1'000'000, '0') + "1"), decimillesimi(1));
    EXPECT_EQ(TestoInReale(std::string(1'000'000, '0') + "3,5"), 3.5);
    EXPECT_EQ(TestoInReale("1" + std::string(1'000'000, '0') + "E-1000000"), 1.0);
}

}  // namespace
}  // namespace flumetra
