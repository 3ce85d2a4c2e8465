// The side ditch and pipe dialog, driven through its real widgets.
#include "support/form_test.h"

#include "forms/facilities/ditch_pipe_dialog.h"
#include "forms/facilities/schematics.h"

namespace akuenza::test {

class DitchPipeDialog : public FormTest {
protected:
    void SetUp() override
    {
        FormTest::SetUp();
        newCase();
        enterConditions();
        click(f1().chk4);
        click(f1().cmd4);
    }
    Form14& f14() { return app().form<Form14>(); }
    QString caption(const char* name) { return qobject_cast<QLabel*>(f14().findChild<QWidget*>(QString::fromLatin1(name)))->text(); }
};

TEST_F(DitchPipeDialog, ShowsBothFacilitiesAndEnterRunsWidthHeightLength)
{
    EXPECT_NE(f14().findChild<SideDitchSchematic*>(), nullptr);
    EXPECT_NE(f14().findChild<InfiltrationPipeSchematic*>(), nullptr);
    EXPECT_EQ(caption("lblHeading"), QStringLiteral("※使用する浸透施設"));
    EXPECT_EQ(caption("lblSurface"), QStringLiteral("浸透面　側面及び底面"));
    EXPECT_EQ(f14().chk2->text(), QStringLiteral("浸透管(浸透トレンチ)"));
    EXPECT_EQ(caption("lbl111w"), QStringLiteral("巾　 Ｗ＝"));
    EXPECT_EQ(caption("lbl121l"), QStringLiteral("長さ Ｌ＝"));
    click(f14().chk1);
    const std::vector<TextBox*> column = {f14().txt11w, f14().txt11h, f14().txt11l,
                                          f14().txt12w, f14().txt12h, f14().txt12l};
    ASSERT_EQ(focused(), column.front());
    for (std::size_t i = 1; i < column.size(); ++i) {
        pressEnter(focused());
        EXPECT_EQ(focused(), column[i]) << i;
    }
}

TEST_F(DitchPipeDialog, EachTypeMultipliesItsOwnRateByItsOwnLength)
{
    click(f14().chk1);
    click(f14().chk2);
    for (TextBox* w : {f14().txt11w, f14().txt12w, f14().txt22w})
        type(w, QStringLiteral("0.5"));
    for (TextBox* h : {f14().txt11h, f14().txt12h, f14().txt22h})
        type(h, QStringLiteral("1.0"));
    type(f14().txt11l, QStringLiteral("10"));
    type(f14().txt12l, QStringLiteral("3"));
    type(f14().txt22l, QStringLiteral("10"));
    record().pipe1Fc = 7.0; // pipe ① left empty: its old volume must not count
    calculate();
    EXPECT_NEAR(record().ditch1Kf, 4.44, 1e-12);
    EXPECT_NEAR(record().ditch1Q, 1.942056, 1e-12);
    EXPECT_NEAR(record().ditch1Fc, 19.42056, 1e-12);
    EXPECT_NEAR(record().ditch2Fc, 3 * 1.942056, 1e-12);
    EXPECT_NEAR(record().pipe2Fc, 19.42056, 1e-12);
    EXPECT_EQ(record().pipe1Fc, 0.0);
    EXPECT_NEAR(record().totalInfiltrationFc, 23 * 1.942056, 1e-12);
    EXPECT_EQ(f11().lbl6->text(), QStringLiteral("44.667"));
}

} // namespace akuenza::test
