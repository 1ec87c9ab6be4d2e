// The bound spinners of A, B, D and G: steps, limits, and fields whose text
// is not a plain whole number in range.

#include <gtest/gtest.h>

#include "logic/passo_spinner.h"

namespace flumetra {
namespace {

constexpr IntervalloSpinner lato{50, 3000, 50};
constexpr IntervalloSpinner diametro{25, 3000, 25};
constexpr IntervalloSpinner portata{50, 99999, 50};

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

}  // namespace
}  // namespace flumetra
