// A calculation run on a desktop with German number conventions: the C
// library of the process uses a decimal comma, the engineer still types and
// reads "0.81".
#include "support/decimal_comma_locale.h"
#include "support/form_test.h"

#include "forms/facilities/square_basin_dialog.h"

#include <optional>

namespace akuenza::test {

class DecimalCommaRun : public FormTest {
protected:
    void SetUp() override
    {
        FormTest::SetUp();
        newCase();
        // After the QApplication exists, as its own start-up would set it.
        locale_.emplace();
        ASSERT_TRUE(locale_->active()) << locale_->failure();
    }
    void TearDown() override
    {
        locale_.reset();
        FormTest::TearDown();
    }

    std::optional<DecimalCommaLocale> locale_;
};

TEST_F(DecimalCommaRun, TypedDecimalsReachTheRecordAndTheResults)
{
    enterConditions(QStringLiteral("0.81"), QStringLiteral("1000"), QStringLiteral("50.5"));
    click(f1().cmd1);
    Form2& f2 = app().form<Form2>();
    if (f2.chk1->value() == 0)
        click(f2.chk1);
    type(f2.txt11w, QStringLiteral("0.5"));
    type(f2.txt11h, QStringLiteral("1.0"));
    type(f2.txt11n, QStringLiteral("2"));
    platform_->clear();
    calculate();

    EXPECT_TRUE(messages().empty());
    EXPECT_EQ(record().runoffCoefficientC, 0.81);
    EXPECT_EQ(record().rainfallIntensityI, 50.5);
    EXPECT_EQ(record().influenceCoefficientC, 0.81); // the form's own "0.81"
    EXPECT_EQ(record().square11W, 0.5);
    // Q1 = 0.81 x 50.5 x 1000 / 1000 = 40.905; the basin as in the C locale.
    EXPECT_EQ(f11().lbl3->text(), QStringLiteral("40.905"));
    EXPECT_EQ(f11().lbl6->text(), QStringLiteral("6.062"));
    EXPECT_EQ(f11().lbl8->text(), QStringLiteral("＞"));
    EXPECT_EQ(f11().lbl9->text(), QStringLiteral("∴ NG"));
}

} // namespace akuenza::test
