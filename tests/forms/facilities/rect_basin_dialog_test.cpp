// The rectangular crushed-stone basin dialog, driven through its real widgets.
#include "support/form_test.h"

#include "forms/facilities/rect_basin_dialog.h"

namespace akuenza::test {

class RectBasinDialog : public FormTest {
protected:
    void SetUp() override
    {
        FormTest::SetUp();
        newCase();
        enterConditions();
        click(f1().chk2);
        click(f1().cmd2);
    }
    Form5& f5() { return app().form<Form5>(); }
    QString caption(const char* name) { return qobject_cast<QLabel*>(f5().findChild<QWidget*>(QString::fromLatin1(name)))->text(); }
};

TEST_F(RectBasinDialog, OpensWithEveryBoxUsableAndEnterRunsThroughBothTypes)
{
    EXPECT_EQ(caption("lblTitle"), QStringLiteral("浸透桝　長方形砕石層"));
    EXPECT_EQ(caption("lblSurface"), QStringLiteral("浸透面　側面及び底面"));
    EXPECT_EQ(caption("lbl2"), QStringLiteral("②"));
    EXPECT_EQ(caption("lbl21w"), QStringLiteral("巾  Ｗ＝")); // two ordinary blanks
    EXPECT_EQ(caption("lbl11l"), QStringLiteral("長さ Ｌ＝"));
    EXPECT_EQ(caption("lbl22n"), QStringLiteral("個"));
    const std::vector<TextBox*> chain = {f5().txt1w, f5().txt1l, f5().txt1h, f5().txt1n,
                                         f5().txt2w, f5().txt2l, f5().txt2h, f5().txt2n};
    for (TextBox* b : chain)
        EXPECT_TRUE(b->isEnabled()) << b->objectName().toStdString();
    chain.front()->setFocus();
    for (std::size_t i = 1; i < chain.size(); ++i) {
        pressEnter(focused());
        EXPECT_EQ(focused(), chain[i]) << i;
    }
    pressEnter(focused());
    EXPECT_EQ(focused(), f5().txt2n);
}

TEST_F(RectBasinDialog, ComputesEachTypeWithAWidthAndLeavesTheOthersOut)
{
    type(f5().txt1w, QStringLiteral("1.0"));
    type(f5().txt1l, QStringLiteral("2.0"));
    type(f5().txt1h, QStringLiteral("1.0"));
    type(f5().txt1n, QStringLiteral("2"));
    type(f5().txt2w, QStringLiteral("1.5")); // no L, H, N: Kf = b, no volume
    calculate(); // soil 細砂: Ko = 0.015, influence coefficient 0.81
    EXPECT_NEAR(record().rect1a, 13.228, 1e-12);
    EXPECT_NEAR(record().rect1b, 4.55, 1e-12);
    EXPECT_NEAR(record().rect1Kf, 17.778, 1e-12);
    EXPECT_NEAR(record().rect1Fc, 2 * 17.778 * 0.54 * 0.81, 1e-12);
    EXPECT_NEAR(record().rect2Kf, 1.214 * 1.5 - 0.834, 1e-12);
    EXPECT_EQ(record().rect2Fc, 0.0);
    EXPECT_EQ(f11().lbl6->text(), QStringLiteral("15.552"));

    type(f5().txt1w, QString());
    calculate();
    EXPECT_NEAR(record().rect1Kf, 17.778, 1e-12); // not recomputed
    EXPECT_EQ(record().rect1Fc, 0.0);             // but cleared by the run
    type(f5().txt2w, QString());
    calculate();
    EXPECT_FALSE(app().isLoaded<Form5>());
}

} // namespace akuenza::test
