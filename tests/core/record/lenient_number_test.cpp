#include "core/record/lenient_number.h"

#include <gtest/gtest.h>

#include <cmath>

using akuenza::lenientNumber;

TEST(LenientNumber, ReadsTheLeadingDecimalNumber)
{
    EXPECT_DOUBLE_EQ(lenientNumber("0.81"), 0.81);
    EXPECT_DOUBLE_EQ(lenientNumber("12"), 12.0);
    EXPECT_DOUBLE_EQ(lenientNumber(".5"), 0.5);
    EXPECT_DOUBLE_EQ(lenientNumber("5."), 5.0);
    EXPECT_DOUBLE_EQ(lenientNumber("-2.5"), -2.5);
    EXPECT_DOUBLE_EQ(lenientNumber("+3"), 3.0);
    EXPECT_DOUBLE_EQ(lenientNumber("-.25"), -0.25);
}

TEST(LenientNumber, StopsAtTheFirstCharacterThatCannotContinue)
{
    EXPECT_DOUBLE_EQ(lenientNumber("1,000"), 1.0);
    EXPECT_DOUBLE_EQ(lenientNumber("2.5m"), 2.5);
    EXPECT_DOUBLE_EQ(lenientNumber("1.2.3"), 1.2);
    EXPECT_DOUBLE_EQ(lenientNumber("3-4"), 3.0);
    EXPECT_DOUBLE_EQ(lenientNumber("7\r8"), 7.0); // a carriage return is not a skipped blank
    EXPECT_DOUBLE_EQ(lenientNumber("4\u30005"), 4.0); // nor is the ideographic space
}

TEST(LenientNumber, SkipsBlanksTabsAndLineFeedsAnywhere)
{
    EXPECT_DOUBLE_EQ(lenientNumber("  1 2 . 5 "), 12.5);
    EXPECT_DOUBLE_EQ(lenientNumber("\t-\n3"), -3.0);
    EXPECT_DOUBLE_EQ(lenientNumber("1 000"), 1000.0);
}

TEST(LenientNumber, EmptyOrNonNumericTextGivesZero)
{
    EXPECT_EQ(lenientNumber(""), 0.0);
    EXPECT_EQ(lenientNumber("   "), 0.0);
    EXPECT_EQ(lenientNumber("abc"), 0.0);
    EXPECT_EQ(lenientNumber("."), 0.0);
    EXPECT_EQ(lenientNumber("-"), 0.0);
    EXPECT_EQ(lenientNumber("--5"), 0.0);
    EXPECT_EQ(lenientNumber("１２"), 0.0); // full-width digits are not read as a number
    EXPECT_FALSE(std::signbit(lenientNumber("-0")));
}

TEST(LenientNumber, ReadsAnOptionalExponent)
{
    EXPECT_DOUBLE_EQ(lenientNumber("1.5E2"), 150.0);
    EXPECT_DOUBLE_EQ(lenientNumber("1.5e-2"), 0.015);
    EXPECT_DOUBLE_EQ(lenientNumber("2E+3"), 2000.0);
    EXPECT_DOUBLE_EQ(lenientNumber("3D2"), 300.0);
    EXPECT_DOUBLE_EQ(lenientNumber("1 e 2"), 100.0);
    // An exponent letter without digits ends the number before it.
    EXPECT_DOUBLE_EQ(lenientNumber("2e"), 2.0);
    EXPECT_DOUBLE_EQ(lenientNumber("2e+"), 2.0);
    EXPECT_DOUBLE_EQ(lenientNumber("2Ex"), 2.0);
}

TEST(LenientNumber, ANumberBeyondTheDoubleRangeGivesZeroNotInfinity)
{
    EXPECT_EQ(lenientNumber("1e400"), 0.0);
    EXPECT_EQ(lenientNumber("-1e999"), 0.0);
    EXPECT_DOUBLE_EQ(lenientNumber("1e300"), 1e300);
}
