// The two step rules: the bound spinners of A, B, D and G (steps, limits,
// fields whose text is not a plain whole number in range), and the fine
// steps of v and Y.

#include <gtest/gtest.h>

#include "logic/passo_spinner.h"
#include "logic/quantita.h"

namespace flumetra {
namespace {

constexpr IntervalloSpinner lato = dati(Spinner::UpDown_A).intervallo;
constexpr IntervalloSpinner diametro = dati(Spinner::UpDown_D).intervallo;
constexpr IntervalloSpinner portata = dati(Spinner::UpDown_G).intervallo;

TEST(PassoSpinner, StepsAndStopsAtTheLimits) {
    EXPECT_EQ(passoSpinner("500", lato, 500, Verso::Su), 550);
    EXPECT_EQ(passoSpinner("2990", lato, 500, Verso::Su), 3000);
    EXPECT_EQ(passoSpinner("3000", lato, 500, Verso::Su), std::nullopt);
    EXPECT_EQ(passoSpinner("25", diametro, 551, Verso::Giu), std::nullopt);
    EXPECT_EQ(passoSpinner("99980", portata, 3000, Verso::Su), 99999);
    EXPECT_EQ(passoSpinner("551", diametro, 551, Verso::Giu), 526);
}

TEST(PassoSpinner, TextsThatAreNotPlainWholeNumbersInRange) {
    EXPECT_EQ(passoSpinner("500,7", lato, 500, Verso::Su), 551);    // from 501
    EXPECT_EQ(passoSpinner("1.000", lato, 500, Verso::Su), 1050);   // digit groups read, never written
    EXPECT_EQ(passoSpinner("3000,0", lato, 500, Verso::Su), 3000);  // same value, new text
    EXPECT_EQ(passoSpinner("7000", lato, 500, Verso::Giu), 2950);   // clamped, then stepped
    EXPECT_EQ(passoSpinner("-1E300", lato, 500, Verso::Su), 100);
    EXPECT_EQ(passoSpinner("1E300", lato, 500, Verso::Su), 3000);
    EXPECT_EQ(passoSpinner("", lato, 700, Verso::Giu), 650);  // no number: the last value
    EXPECT_EQ(passoSpinner("abc", portata, 99999, Verso::Su), 99999);
}

TEST(PassoSpinner, FineStepsRefuseZeroAndBelow) {
    EXPECT_EQ(passoFine("3,5", 1, 10, Verso::Su), 3.6);
    EXPECT_EQ(passoFine("0,023", 5, 1000, Verso::Giu), 0.018);
    EXPECT_EQ(passoFine("0,003", 5, 1000, Verso::Giu), std::nullopt);
    EXPECT_EQ(passoFine("0,1", 1, 10, Verso::Giu), std::nullopt);  // exactly 0
    EXPECT_EQ(passoFine("abc", 1, 10, Verso::Su), std::nullopt);
}

}  // namespace
}  // namespace flumetra
