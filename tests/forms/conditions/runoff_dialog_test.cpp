// The weighted-average dialog of the runoff coefficient through its real
// widgets: ticking categories into rows, the OK checks and the hand-back.
#include "support/form_test.h"

#include "forms/conditions/runoff_dialog.h"

#include <QToolBar>

namespace akuenza::test {

class RunoffDialog : public FormTest {
protected:
    void SetUp() override
    {
        FormTest::SetUp();
        newCase();
    }
    Form16& open()
    {
        click(f1().cmd_c2);
        return app().form<Form16>();
    }
    QStringList names(const Form16& f) const
    {
        QStringList out;
        for (TextBox* box : f.nameBoxes())
            out << box->text();
        return out;
    }
    void fillRow(Form16& f, int row, const QString& c, const QString& a)
    {
        type(f.coefficientBoxes()[row], c);
        type(f.areaBoxes()[row], a);
    }
};

TEST_F(RunoffDialog, OpensOverTheConditionsWithItsHint)
{
    Form16& f = open();
    EXPECT_TRUE(app().isVisible<Form16>());
    EXPECT_EQ(f.parentWidget()->pos(), QPoint(0, 0));
    EXPECT_TRUE(mainWindow().Toolbar1->isHidden());
    EXPECT_EQ(mainWindow().panelText(u"msg"_qs), u"流出係数(Ｃ)は、各地域の基準等による事｡"_qs);
    EXPECT_EQ(f.chk_t3->text(), u"畑 ・ 原野"_qs);
    EXPECT_EQ(f.chk_t7->text(), u"ｺﾞﾙﾌ場等の造成地域"_qs);
}

TEST_F(RunoffDialog, TickingFillsTheFirstFreeRowAndUntickingEmptiesItsRow)
{
    Form16& f = open();
    click(f.chk_k1);
    click(f.chk_k2);
    EXPECT_EQ(names(f), (QStringList{u"屋　根"_qs, u"道　路"_qs, "", "", "", ""}));
    fillRow(f, 0, u"0.9"_qs, u"500"_qs);
    click(f.chk_k1);
    EXPECT_EQ(names(f), (QStringList{"", u"道　路"_qs, "", "", "", ""}));
    EXPECT_EQ(f.txt_c1->text(), QString());
    EXPECT_EQ(f.txt_a1->text(), QString());
    // The written names are not always the captions.
    click(f.chk_t4);
    click(f.chk_k6);
    click(f.chk_k4);
    EXPECT_EQ(names(f), (QStringList{u"水  田"_qs, u"道　路"_qs, u"芝､樹木の多い公園"_qs, u"水  面"_qs, "", ""}));

    // A row whose name was edited by hand is not the category's any more.
    type(f.txt_t2, u"市道"_qs);
    click(f.chk_k2);
    EXPECT_EQ(names(f), (QStringList{u"水  田"_qs, u"市道"_qs, u"芝､樹木の多い公園"_qs, u"水  面"_qs, "", ""}));
}

TEST_F(RunoffDialog, ASeventhTickWritesNothing)
{
    Form16& f = open();
    for (CheckBox* box : {f.chk_k1, f.chk_k2, f.chk_k3, f.chk_k5, f.chk_t1, f.chk_u1})
        click(box);
    const QStringList six = names(f);
    click(f.chk_u4);
    EXPECT_TRUE(f.chk_u4->isChecked());
    EXPECT_EQ(names(f), six);
    EXPECT_FALSE(six.contains(u"裸　地"_qs));
}

TEST_F(RunoffDialog, OkHandsTheWeightedCoefficientAndTheAreaBack)
{
    f11().lbl3->setText(u"45.000"_qs);
    record().countermeasureRainwaterQ1 = 45.0;
    mainWindow().Men_S->setEnabled(false);
    // A verdict with its increase stands beside the Q1 the dialog replaces.
    for (QLabel* l : {f11().lbl16, f11().lbl17, f11().lbl8, f11().lbl9})
        l->setText(u"x"_qs);
    Form16& f = open();
    click(f.chk_k1);
    click(f.chk_k5);
    fillRow(f, 0, u"0.9"_qs, u"500"_qs);
    fillRow(f, 1, u"0.3"_qs, u"1500"_qs);
    click(f.cmd1);
    EXPECT_TRUE(messages().empty());
    EXPECT_EQ(f1().txt_c->text(), u"0.45"_qs);
    EXPECT_EQ(f1().txt_a->text(), u"2000.00"_qs);
    EXPECT_TRUE(f1().opt6->isChecked());
    EXPECT_FALSE(f1().txt_c->hasFrame());
    EXPECT_FALSE(f1().txt_a->hasFrame());
    EXPECT_EQ(focused(), f1().cmd_i1);
    EXPECT_FALSE(app().isVisible<Form16>());
    for (QLabel* l : {f11().lbl16, f11().lbl17, f11().lbl3, f11().lbl8, f11().lbl9})
        EXPECT_EQ(l->text(), QString()) << l->objectName().toStdString();
    EXPECT_EQ(record().countermeasureRainwaterQ1, 0.0);
    EXPECT_TRUE(mainWindow().Men_S->isEnabled());
    EXPECT_FALSE(mainWindow().Toolbar1->isHidden());
    EXPECT_EQ(record().landUseName2, "間　地");

    click(f1().cmd_c2);
    fillRow(f, 0, u"1"_qs, u"100"_qs);
    fillRow(f, 1, u"0"_qs, u"200"_qs);
    click(f.cmd1);
    EXPECT_EQ(f1().txt_c->text(), u"0.333"_qs);
    EXPECT_EQ(f1().txt_a->text(), u"300.00"_qs);
}

TEST_F(RunoffDialog, RowOneIsCheckedInOrderAndTheRowsAreStoredAllTheSame)
{
    Form16& f = open();
    click(f.cmd1);
    expectOneError(u"土地利用形態を入力してください。"_qs);
    EXPECT_EQ(focused(), f.txt_t1);
    click(f.chk_k1);
    type(f.txt_c1, u"0"_qs);
    type(f.txt_t2, u"池"_qs);
    platform_->clear();
    click(f.cmd1);
    expectOneError(u"流出係数を入力してください。"_qs);
    EXPECT_EQ(focused(), f.txt_c1);
    EXPECT_EQ(record().landUseName2, "池");
    type(f.txt_c1, u"0.9"_qs);
    platform_->clear();
    click(f.cmd1);
    expectOneError(u"対策面積を入力してください。"_qs);
    EXPECT_EQ(focused(), f.txt_a1);
    EXPECT_TRUE(app().isVisible<Form16>());
    EXPECT_EQ(f1().txt_c->text(), QString());
}

TEST_F(RunoffDialog, AZeroTotalAreaIsRefusedAndCStaysAsItWas)
{
    type(f1().txt_c, u"0.8"_qs);
    Form16& f = open();
    click(f.chk_k1);
    fillRow(f, 0, u"0.9"_qs, u"100"_qs);
    fillRow(f, 1, u"0.5"_qs, u"-100"_qs);
    click(f.cmd1);
    expectOneError(u"対策面積の合計が０のため流出係数を計算できません。対策面積を確認してください。"_qs);
    EXPECT_EQ(focused(), f.txt_a1);
    EXPECT_TRUE(app().isVisible<Form16>());
    EXPECT_EQ(f1().txt_c->text(), u"0.8"_qs);
    EXPECT_FALSE(f1().opt6->isChecked());
}

TEST_F(RunoffDialog, CancelKeepsTheRowsDirectInputAndCloseDiscardThem)
{
    Form16& f = open();
    click(f.chk_k1);
    type(f.txt_c1, u"0.9"_qs);
    click(f.cmd2);
    EXPECT_FALSE(app().isVisible<Form16>());
    EXPECT_FALSE(mainWindow().Toolbar1->isHidden());
    EXPECT_FALSE(record().runoffCoefficientC.isSet()); // nothing stored
    click(f1().cmd_c2);
    EXPECT_TRUE(f.chk_k1->isChecked());
    EXPECT_EQ(f.txt_c1->text(), u"0.9"_qs);
    click(f.cmd2);

    click(f1().cmd_c1);
    EXPECT_EQ(app().loaded<Form16>(), nullptr);
    EXPECT_EQ(open().txt_t1->text(), QString());

    // Closing the case while the dialog is up discards it and gives the toolbar back.
    platform_->queueAnswer(Answer::Ok);
    mainWindow().Men_FCls->trigger();
    EXPECT_EQ(app().loaded<Form16>(), nullptr);
    EXPECT_FALSE(mainWindow().Toolbar1->isHidden());
}

} // namespace akuenza::test
