#include "unit_parameters/number_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "unit_parameters/unit_parameters.h"

namespace unit_parameters {
namespace {

TEST(ReadLeadingDecimal, ReadsTheNumberThatStartsTheText) {
    EXPECT_DOUBLE_EQ(ReadLeadingDecimal("1000"), 1000.0);
    EXPECT_DOUBLE_EQ(ReadLeadingDecimal("  12.5abc"), 12.5);
    EXPECT_DOUBLE_EQ(ReadLeadingDecimal("-3x"), -3.0);
    EXPECT_DOUBLE_EQ(ReadLeadingDecimal("+.5"), 0.5);
    EXPECT_DOUBLE_EQ(ReadLeadingDecimal("7."), 7.0);
}

TEST(ReadLeadingDecimal, TextWithoutLeadingNumberGivesZero) {
    EXPECT_DOUBLE_EQ(ReadLeadingDecimal(""), 0.0);
    EXPECT_DOUBLE_EQ(ReadLeadingDecimal("abc"), 0.0);
    EXPECT_DOUBLE_EQ(ReadLeadingDecimal("-"), 0.0);
    EXPECT_DOUBLE_EQ(ReadLeadingDecimal("."), 0.0);
    EXPECT_DOUBLE_EQ(ReadLeadingDecimal("x12"), 0.0);
}

TEST(ReadStrictDecimal, AcceptsOnlyAWholeNumberWithBlanksAround) {
    EXPECT_EQ(ReadStrictDecimal(" 12 "), 12.0);
    EXPECT_EQ(ReadStrictDecimal("+5.5"), 5.5);
    EXPECT_EQ(ReadStrictDecimal("-1"), -1.0);
    EXPECT_EQ(ReadStrictDecimal(".5"), 0.5);
    EXPECT_FALSE(ReadStrictDecimal(""));
    EXPECT_FALSE(ReadStrictDecimal("   "));
    EXPECT_FALSE(ReadStrictDecimal("12a"));
    EXPECT_FALSE(ReadStrictDecimal("1 2"));
    EXPECT_FALSE(ReadStrictDecimal("-"));
    EXPECT_FALSE(ReadStrictDecimal("0x10"));
}

TEST(ReadStrictDecimal, NumbersTooLongForADoubleReadAsInfinityOrZero) {
    const std::string nines(400, '9');
    EXPECT_EQ(ReadStrictDecimal(nines), HUGE_VAL);
    EXPECT_EQ(ReadStrictDecimal("-" + nines + ".5"), -HUGE_VAL);
    EXPECT_EQ(ReadLeadingDecimal("+0." + std::string(400, '0') + "1x"), 0.0);
    EXPECT_FALSE(PhaseCountAccepted(nines));
}

TEST(RoundHalfToEven, HalvesGoToTheEvenNeighbour) {
    EXPECT_EQ(RoundHalfToEven(1.5), 2.0);
    EXPECT_EQ(RoundHalfToEven(2.5), 2.0);
    EXPECT_EQ(RoundHalfToEven(2000.5), 2000.0);
    EXPECT_EQ(RoundHalfToEven(2001.5), 2002.0);
    EXPECT_EQ(RoundHalfToEven(-2.5), -2.0);
    EXPECT_EQ(RoundHalfToEven(-0.5), 0.0);
    EXPECT_EQ(RoundHalfToEven(2000.4), 2000.0);
    EXPECT_EQ(RoundHalfToEven(2000.6), 2001.0);
}

TEST(ReadHex32, ReadsUpToThirtyTwoBitsInEitherCase) {
    EXPECT_EQ(ReadHex32("abc"), 0xABCu);
    EXPECT_EQ(ReadHex32("FfFfFf"), 0xFFFFFFu);
    EXPECT_EQ(ReadHex32("FFFFFFFF"), 0xFFFFFFFFu);
    EXPECT_EQ(ReadHex32("0000000001"), 1u);
    EXPECT_FALSE(ReadHex32("100000000"));
    EXPECT_FALSE(ReadHex32(""));
    EXPECT_FALSE(ReadHex32(" 1"));
    EXPECT_FALSE(ReadHex32("12G"));
    EXPECT_FALSE(ReadHex32("-1"));
    EXPECT_FALSE(ReadHex32("0x1"));
}

}  // namespace
}  // namespace unit_parameters
