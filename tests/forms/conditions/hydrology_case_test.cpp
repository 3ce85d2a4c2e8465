// The hydrology dialogs within a design case: the calculation works with the
// values they hand back as shown, and New and Close reset or discard them.
#include "support/form_test.h"

#include "forms/conditions/flow_time_dialog.h"
#include "forms/conditions/rainfall_dialog.h"
#include "forms/conditions/runoff_dialog.h"
#include "forms/facilities/square_basin_dialog.h"

#include <QToolBar>

namespace akuenza::test {

class HydrologyCase : public FormTest {
protected:
    void SetUp() override
    {
        FormTest::SetUp();
        newCase();
    }
};

TEST_F(HydrologyCase, IAndCFromTheDialogsGiveTheSameQ1AsTheSameValuesTyped)
{
    click(f1().cmd_i2);
    Form12& rainfall = app().form<Form12>();
    click(rainfall.opt4); // ② I = a / (√t + b)
    type(rainfall.txt1, u"5000"_qs);
    type(rainfall.txt2, u"40"_qs);
    click(rainfall.Option3);
    type(rainfall.txt8, u"15"_qs);
    click(rainfall.cmd1);

    click(f1().cmd_c2);
    Form16& runoff = app().form<Form16>();
    const std::pair<const char*, const char*> rows[] = {{"0.9", "500"}, {"0.15", "1200"}, {"0.8", "300"}};
    for (CheckBox* box : {runoff.chk_k1, runoff.chk_k6, runoff.chk_t7})
        click(box);
    for (int row = 0; row < 3; ++row) {
        type(runoff.coefficientBoxes()[row], QString::fromLatin1(rows[row].first));
        type(runoff.areaBoxes()[row], QString::fromLatin1(rows[row].second));
    }
    click(runoff.cmd1);
    ASSERT_TRUE(messages().empty());
    const QString I = f1().txt_i->text(), C = f1().txt_c->text(), A = f1().txt_a->text();
    EXPECT_EQ(I, u"114.0"_qs);
    EXPECT_EQ(C, u"0.435"_qs);
    EXPECT_EQ(A, u"2000.00"_qs);

    Form2& basin = app().form<Form2>();
    basin.chk1->setValue(1);
    basin.txt11w->setText(u"0.5"_qs);
    basin.txt11h->setText(u"1"_qs);
    basin.txt11n->setText(u"2"_qs);
    calculate();
    ASSERT_TRUE(messages().empty());
    const double fromDialogs = record().countermeasureRainwaterQ1;
    // Q1 = 0.435 x 114.0 x 10^-3 x 2000: the shown values, not the unrounded I.
    EXPECT_EQ(f11().lbl3->text(), u"99.180"_qs);

    click(f1().cmd_i1);
    type(f1().txt_i, I);
    click(f1().cmd_c1);
    type(f1().txt_c, C);
    type(f1().txt_a, A);
    EXPECT_EQ(app().loaded<Form12>(), nullptr);
    EXPECT_EQ(app().loaded<Form16>(), nullptr);
    calculate();
    ASSERT_TRUE(messages().empty());
    EXPECT_EQ(record().countermeasureRainwaterQ1, fromDialogs);
    EXPECT_EQ(f11().lbl3->text(), u"99.180"_qs);
}

TEST_F(HydrologyCase, NewLeavesTheRainfallDialogLoadedHiddenAndFresh)
{
    click(f1().cmd_i2);
    Form12& before = app().form<Form12>();
    click(before.opt5);
    for (TextBox* box : {before.txt1, before.txt2, before.txt6})
        type(box, u"3"_qs);
    click(before.Option3);
    type(before.txt8, u"10"_qs);
    click(before.cmd2);
    click(f1().cmd_c2);
    click(app().form<Form16>().chk_k1);

    newCase();
    Form12* rainfall = app().loaded<Form12>();
    ASSERT_NE(rainfall, nullptr);
    EXPECT_FALSE(app().isVisible<Form12>());
    EXPECT_FALSE(rainfall->opt5->isChecked());
    for (TextBox* box : {rainfall->txt1, rainfall->txt2, rainfall->txt6, rainfall->txt8})
        EXPECT_EQ(box->text(), QString());
    EXPECT_EQ(app().loaded<Form16>(), nullptr);
    EXPECT_FALSE(mainWindow().Toolbar1->isHidden());
}

TEST_F(HydrologyCase, CloseDiscardsTheOpenRainfallDialogButNotTheChannelEntries)
{
    click(f1().cmd_i2);
    ASSERT_TRUE(mainWindow().Toolbar1->isHidden());
    app().dialog<Form22>().txt1->setText(u"1"_qs);

    platform_->queueAnswer(Answer::Ok);
    mainWindow().Men_FCls->trigger();
    EXPECT_EQ(app().loaded<Form12>(), nullptr);
    EXPECT_FALSE(mainWindow().Toolbar1->isHidden());
    // The sub-dialogs of the rainfall dialog outlive the case, as they always have.
    ASSERT_NE(app().loadedDialog<Form22>(), nullptr);
    EXPECT_EQ(app().loadedDialog<Form22>()->txt1->text(), u"1"_qs);
}

} // namespace akuenza::test
