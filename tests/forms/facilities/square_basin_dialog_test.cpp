// The square crushed-stone basin dialog, driven through its real widgets.
#include "support/form_test.h"

#include "forms/facilities/square_basin_dialog.h"

namespace akuenza::test {

class SquareBasinDialog : public FormTest {
protected:
    void SetUp() override
    {
        FormTest::SetUp();
        newCase();
        enterConditions();
    }
    Form2& f2() { return app().form<Form2>(); }
};

TEST_F(SquareBasinDialog, StartsWithBothColumnsDisabledAndTheirBracketsHidden)
{
    EXPECT_EQ(f2().chk1->text(), QStringLiteral("浸透面　側面及び底面"));
    EXPECT_EQ(f2().chk2->text(), QStringLiteral("浸透面　底面"));
    for (const char* name : {"txt11w", "txt12n", "txt21h", "txt22n", "lbl11", "lbl22", "lbl111w", "lbl222n"})
        EXPECT_FALSE(f2().findChild<QWidget*>(QString::fromLatin1(name))->isEnabled()) << name;
    for (const char* name : {"Line111", "Line123", "Line211", "Line223"})
        EXPECT_FALSE(f2().findChild<QWidget*>(QString::fromLatin1(name))->isVisibleTo(&f2())) << name;
    auto caption = [&](const char* name) { return qobject_cast<QLabel*>(f2().findChild<QWidget*>(QString::fromLatin1(name)))->text(); };
    EXPECT_EQ(caption("lbl111w"), QStringLiteral("巾　 Ｗ＝"));
    EXPECT_EQ(caption("lbl112w"), QStringLiteral("ｍ"));
    EXPECT_EQ(caption("lbl211h"), QStringLiteral("高さ Ｈ＝"));
    EXPECT_EQ(caption("lbl222n"), QStringLiteral("個"));
    EXPECT_EQ(caption("lbl121n"), QStringLiteral("個数 Ｎ＝"));
    EXPECT_EQ(caption("lbl12"), QStringLiteral("②"));
    EXPECT_EQ(caption("lblTitle"), QStringLiteral("浸透桝　正方形砕石層"));
}

TEST_F(SquareBasinDialog, CheckingAColumnOpensItAndFocusesItsFirstWidth)
{
    click(f2().chk1);
    for (const char* name : {"txt11w", "txt11h", "txt11n", "txt12w", "txt12h", "txt12n", "lbl11", "lbl12", "lbl121h"})
        EXPECT_TRUE(f2().findChild<QWidget*>(QString::fromLatin1(name))->isEnabled()) << name;
    EXPECT_TRUE(f2().findChild<QWidget*>(QStringLiteral("Line112"))->isVisibleTo(&f2()));
    EXPECT_FALSE(f2().txt21w->isEnabled()); // the other column is independent
    EXPECT_EQ(focused(), f2().txt11w);

    type(f2().txt11w, QStringLiteral("0.5"));
    type(f2().txt12h, QStringLiteral("2"));
    click(f2().chk1); // unchecking empties and closes the column
    EXPECT_EQ(f2().txt11w->text(), QString());
    EXPECT_EQ(f2().txt12h->text(), QString());
    EXPECT_FALSE(f2().txt11w->isEnabled());
    EXPECT_FALSE(f2().findChild<QWidget*>(QStringLiteral("Line112"))->isVisibleTo(&f2()));
}

TEST_F(SquareBasinDialog, EnterRunsDownEachColumnAndStopsAtItsLastBox)
{
    click(f2().chk1);
    click(f2().chk2);
    const std::vector<TextBox*> column1 = {f2().txt11w, f2().txt11h, f2().txt11n, f2().txt12w, f2().txt12h, f2().txt12n};
    const std::vector<TextBox*> column2 = {f2().txt21w, f2().txt21h, f2().txt21n, f2().txt22w, f2().txt22h, f2().txt22n};
    for (const auto& column : {column1, column2}) {
        column.front()->setFocus();
        for (std::size_t i = 1; i < column.size(); ++i) {
            pressEnter(focused());
            EXPECT_EQ(focused(), column[i]);
        }
        pressEnter(focused());
        EXPECT_EQ(focused(), column.back());
    }
}

TEST_F(SquareBasinDialog, AClickIntoABoxVoidsTheShownResultsButTheKeyboardDoesNot)
{
    click(f2().chk1);
    type(f2().txt11w, QStringLiteral("0.5"));
    type(f2().txt11h, QStringLiteral("1"));
    type(f2().txt11n, QStringLiteral("2"));
    calculate();
    ASSERT_EQ(f11().lbl9->text(), QStringLiteral("∴ NG"));
    ASSERT_TRUE(mainWindow().toolbarButton(5)->isEnabled());

    f2().txt11h->setFocus(); // Tab or Enter: nothing is voided
    pressEnter(f2().txt11h);
    EXPECT_EQ(f11().lbl9->text(), QStringLiteral("∴ NG"));

    click(f2().txt11h);
    EXPECT_EQ(f2().txt11h->selectedText(), QStringLiteral("1"));
    EXPECT_EQ(record().totalInfiltrationFc, 0.0);
    EXPECT_EQ(f11().lbl6->text(), QString());
    EXPECT_EQ(f11().lbl8->text(), QString());
    EXPECT_EQ(f11().lbl9->text(), QString());
    EXPECT_FALSE(mainWindow().toolbarButton(5)->isEnabled());
    EXPECT_FALSE(mainWindow().toolbarButton(6)->isEnabled());
    EXPECT_NE(f11().lbl3->text(), QString()); // Q1 stays until the next run
}

TEST_F(SquareBasinDialog, ComputesTheCheckExampleIntoTheRecord)
{
    click(f2().chk1);
    type(f2().txt11w, QStringLiteral("0.5"));
    type(f2().txt11h, QStringLiteral("1.0"));
    type(f2().txt11n, QStringLiteral("2"));
    calculate(); // soil 細砂: Ko = 0.015, influence coefficient 0.81
    EXPECT_DOUBLE_EQ(record().square11W, 0.5);
    EXPECT_NEAR(record().square11a, 1.045, 1e-12);
    EXPECT_NEAR(record().square11b, 4.7385, 1e-12);
    EXPECT_NEAR(record().square11c, 1.146, 1e-12);
    EXPECT_NEAR(record().square11Kf, 6.9295, 1e-12);
    EXPECT_NEAR(record().square11Qf, 3.74193, 1e-12);
    EXPECT_NEAR(record().square11Q, 3.0309633, 1e-12);
    EXPECT_NEAR(record().square11Fc, 6.0619266, 1e-12);
    EXPECT_EQ(f11().lbl6->text(), QStringLiteral("6.062"));
}

TEST_F(SquareBasinDialog, TheWidthDecidesTheRangeThroughTheDialog)
{
    click(f2().chk1);
    click(f2().chk2);
    type(f2().txt11w, QStringLiteral("1"));
    type(f2().txt11h, QStringLiteral("1"));
    type(f2().txt12w, QStringLiteral("10"));
    type(f2().txt12h, QStringLiteral("1"));
    type(f2().txt21w, QStringLiteral("10.001"));
    type(f2().txt21h, QStringLiteral("1"));
    calculate();
    EXPECT_NEAR(record().square11c, 2.575, 1e-12);                       // W = 1: first row, with c
    EXPECT_NEAR(record().square12a, -45.3 + 82.89 + 0.753, 1e-9);        // W = 10: second row
    EXPECT_NEAR(record().square21a, 1.265 * 10.001 - 15.670, 1e-9);      // W = 10.001: third row
    EXPECT_FALSE(record().square12c.isSet());                            // no c beyond W = 1
}

TEST_F(SquareBasinDialog, ACoefficientCIsNotWrittenBeyondWidthOne)
{
    click(f2().chk1);
    type(f2().txt11w, QStringLiteral("0.5"));
    calculate();
    const double earlierC = record().square11c;
    type(f2().txt11w, QStringLiteral("2"));
    calculate();
    EXPECT_EQ(double(record().square11c), earlierC);
}

TEST_F(SquareBasinDialog, ABlankWidthIsFilledAndComputesWithZero)
{
    click(f2().chk2);
    type(f2().txt21w, QStringLiteral("   "));
    type(f2().txt21h, QStringLiteral("1"));
    type(f2().txt21n, QStringLiteral("1"));
    calculate();
    EXPECT_TRUE(record().square21Kf.isSet());
    EXPECT_NEAR(record().square21Kf, -0.137 - 0.015, 1e-12); // W = 0, first range: aH + b
}

TEST_F(SquareBasinDialog, AnEmptyWidthLeavesTheKindOutAndItsOldResultsStand)
{
    click(f2().chk1);
    type(f2().txt11w, QStringLiteral("0.5"));
    type(f2().txt11n, QStringLiteral("1"));
    type(f2().txt12w, QStringLiteral("0.8"));
    type(f2().txt12n, QStringLiteral("1"));
    calculate();
    const double kf12 = record().square12Kf;
    ASSERT_GT(record().square12Fc, 0.0);
    type(f2().txt12w, QString());
    calculate();
    EXPECT_EQ(double(record().square12Kf), kf12); // not recomputed
    EXPECT_EQ(record().square12Fc, 0.0);          // but cleared by the run
    EXPECT_NEAR(record().totalInfiltrationFc, double(record().square11Fc), 1e-12);
}

TEST_F(SquareBasinDialog, AFilledWidthWithoutHeightAndCountGivesNoVolume)
{
    click(f2().chk1);
    type(f2().txt11w, QStringLiteral("0.5"));
    calculate();
    EXPECT_NEAR(record().square11Kf, 1.146, 1e-12); // H = 0: Kf = c
    EXPECT_EQ(record().square11Fc, 0.0);
}

} // namespace akuenza::test
