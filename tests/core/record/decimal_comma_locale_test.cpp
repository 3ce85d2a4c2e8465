// Entries and digit patterns under a desktop locale with a decimal comma:
// the engineer's "0.81" must still be 0.81 and print as "0.81".
#include "core/record/cp932.h"
#include "core/record/digit_format.h"
#include "core/record/lenient_number.h"
#include "support/decimal_comma_locale.h"

#include <gtest/gtest.h>

#include <limits>
#include <optional>

namespace akuenza::test {
namespace {

class UnderDecimalCommaLocale : public ::testing::Test {
protected:
    void SetUp() override
    {
        locale_.emplace();
        ASSERT_TRUE(locale_->active()) << locale_->failure();
    }
    void TearDown() override { locale_.reset(); }

    std::optional<DecimalCommaLocale> locale_;
};

TEST_F(UnderDecimalCommaLocale, EntriesStillReadThePointAsDecimalPoint)
{
    EXPECT_EQ(lenientNumber("0.81"), 0.81);
    EXPECT_EQ(lenientNumber(" 1 2 . 5 "), 12.5);
    EXPECT_EQ(lenientNumber("-.25"), -0.25);
    EXPECT_EQ(lenientNumber("1.5E2"), 150.0);
    EXPECT_EQ(lenientNumber("2.5D-3"), 0.0025);
    EXPECT_EQ(lenientNumber("0.015"), 0.015);
    // The comma never becomes a decimal point, nor the point a thousands separator.
    EXPECT_EQ(lenientNumber("0,81"), 0.0);
    EXPECT_EQ(lenientNumber("1.000"), 1.0);
    EXPECT_EQ(lenientNumber("1e400"), std::numeric_limits<double>::infinity());
}

TEST_F(UnderDecimalCommaLocale, DigitPatternsStillWriteThePoint)
{
    EXPECT_EQ(formatDigits(0.81, "0.0##"), "0.81");
    EXPECT_EQ(formatDigits(6.0619266, "0.000"), "6.062");
    EXPECT_EQ(formatDigits(1.005, "0.00"), "1.01");
    EXPECT_EQ(formatDigits(-2.675, "0.00"), "-2.68");
    EXPECT_EQ(formatDigits(1234567.0, "0.000"), "1234567.000"); // no German grouping
    EXPECT_EQ(formatDigits(0.000003, "0.0#####"), "0.000003");
    EXPECT_EQ(formatDigits(1e20, "0.0"), "100000000000000000000.0");
}

TEST_F(UnderDecimalCommaLocale, Cp932TextIsUnaffected)
{
    // A German LC_CTYPE as well: the code page is named, never taken from it.
    EXPECT_EQ(toCp932(" .81 ∴ O.K ―－～ﾌｧｲﾙ"), " .81 \x81\x88 O.K \x81\x5C\x81\x7C\x81\x60\xCC\xA7\xB2\xD9");
    EXPECT_EQ(fromCp932("\x81\x40\x87\x75 0.5"), "　㎡ 0.5");
    std::size_t offset = 0;
    EXPECT_EQ(toCp932("Ko=0.015😀", &offset), std::nullopt);
    EXPECT_EQ(offset, 8u);
}

} // namespace
} // namespace akuenza::test
