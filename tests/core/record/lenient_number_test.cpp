#include "core/record/lenient_number.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

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

TEST(LenientNumber, ANumberTooLargeForADoubleGivesInfinityWithItsSign)
{
    const double infinity = std::numeric_limits<double>::infinity();
    EXPECT_EQ(lenientNumber("1e400"), infinity);
    EXPECT_EQ(lenientNumber("-1e999"), -infinity);
    EXPECT_EQ(lenientNumber(std::string(400, '9')), infinity);
    EXPECT_EQ(lenientNumber("-" + std::string(400, '9') + ".5"), -infinity);
    EXPECT_EQ(lenientNumber("1.7976931348623159e308"), infinity); // rounds beyond the largest double
    EXPECT_EQ(lenientNumber("0.001e312"), infinity);
    EXPECT_EQ(lenientNumber("1 e 4 0 0 m"), infinity);
    EXPECT_EQ(lenientNumber("1D99999999999999999999999"), infinity); // exponent beyond any integer
    // Just inside the range the number is read as it stands.
    EXPECT_DOUBLE_EQ(lenientNumber("1e300"), 1e300);
    EXPECT_EQ(lenientNumber("1.7976931348623157e308"), std::numeric_limits<double>::max());
    EXPECT_EQ(lenientNumber("0.000001e308"), 1e302);
}

TEST(LenientNumber, ANumberTooSmallForADoubleGivesPlainZero)
{
    for (const std::string text : {"1e-400", "-1e-400", "-0.00000000001e-320", "1000e-330",
                                   "-1D-99999999999999999999", "-0", "-0.000", "-0e999"}) {
        SCOPED_TRACE(text);
        EXPECT_EQ(lenientNumber(text), 0.0);
        EXPECT_FALSE(std::signbit(lenientNumber(text)));
    }
    // The smallest doubles are still numbers.
    EXPECT_EQ(lenientNumber("4.9e-324"), std::numeric_limits<double>::denorm_min());
    EXPECT_EQ(lenientNumber("-1e-310"), -1e-310);
}
