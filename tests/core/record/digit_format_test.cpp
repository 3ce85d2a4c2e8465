#include "core/record/digit_format.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using akuenza::formatDigits;

TEST(DigitFormat, ZeroDigitsAreAlwaysShown)
{
    EXPECT_EQ(formatDigits(0, "0.000"), "0.000");
    EXPECT_EQ(formatDigits(6.0619266, "0.000"), "6.062");
    EXPECT_EQ(formatDigits(1234567.0, "0.000"), "1234567.000"); // no grouping
    EXPECT_EQ(formatDigits(0.25, "0"), "0");
    EXPECT_EQ(formatDigits(2.5, "0"), "3");
    EXPECT_EQ(formatDigits(1.5884, "0.0000"), "1.5884");
    EXPECT_EQ(formatDigits(0.5026544, "0.0"), "0.5");
}

TEST(DigitFormat, HashDigitsDropTrailingZeros)
{
    EXPECT_EQ(formatDigits(1.25, "0.0#"), "1.25");
    EXPECT_EQ(formatDigits(1.2, "0.0#"), "1.2");
    EXPECT_EQ(formatDigits(1.0, "0.0#"), "1.0");
    EXPECT_EQ(formatDigits(1.0, "0.00#"), "1.00");
    EXPECT_EQ(formatDigits(0.0015, "0.00##"), "0.0015");
    EXPECT_EQ(formatDigits(0.1, "0.0###"), "0.1");
    EXPECT_EQ(formatDigits(0.000003, "0.0#####"), "0.000003");
    EXPECT_EQ(formatDigits(0.0000004, "0.0#####"), "0.0");
    EXPECT_EQ(formatDigits(2.345, "0.0##"), "2.345");
}

TEST(DigitFormat, RoundsHalvesAwayFromZeroOnTheDecimalForm)
{
    EXPECT_EQ(formatDigits(1.005, "0.00"), "1.01");
    EXPECT_EQ(formatDigits(2.675, "0.00"), "2.68");
    EXPECT_EQ(formatDigits(0.0005, "0.000"), "0.001");
    EXPECT_EQ(formatDigits(-2.675, "0.00"), "-2.68");
    EXPECT_EQ(formatDigits(1.125, "0.0#"), "1.13");
    // The circular coefficient 0.475 x 0.5 + 0.945 is stored as 1.1824999999999999.
    EXPECT_EQ(formatDigits(0.475 * 0.5 + 0.945, "0.000"), "1.183");
    EXPECT_EQ(formatDigits(0.4444, "0.000"), "0.444");
}

TEST(DigitFormat, CarriesThroughNines)
{
    EXPECT_EQ(formatDigits(9.9995, "0.000"), "10.000");
    EXPECT_EQ(formatDigits(99.96, "0.0"), "100.0");
    EXPECT_EQ(formatDigits(0.96, "0.0#"), "0.96");
    EXPECT_EQ(formatDigits(0.999, "0.0#"), "1.0");
}

TEST(DigitFormat, AValueRoundingToZeroShowsNoMinusSign)
{
    EXPECT_EQ(formatDigits(-0.0001, "0.000"), "0.000");
    EXPECT_EQ(formatDigits(-0.0, "0.0"), "0.0");
    EXPECT_EQ(formatDigits(-0.4, "0"), "0");
    EXPECT_EQ(formatDigits(-0.0005, "0.000"), "-0.001");
    EXPECT_EQ(formatDigits(-0.49, "0.0000"), "-0.4900");
}

TEST(DigitFormat, LargeAndSmallMagnitudes)
{
    EXPECT_EQ(formatDigits(1e20, "0.0"), "100000000000000000000.0");
    EXPECT_EQ(formatDigits(123456789012.345678, "0.000"), "123456789012.346");
    EXPECT_EQ(formatDigits(1e-300, "0.000"), "0.000");
}

TEST(DigitFormat, ANonFiniteValueIsNeverShown)
{
    EXPECT_EQ(formatDigits(std::numeric_limits<double>::infinity(), "0.000"), "");
    EXPECT_EQ(formatDigits(-std::numeric_limits<double>::infinity(), "0.0"), "");
    EXPECT_EQ(formatDigits(std::nan(""), "0.0000"), "");
}
