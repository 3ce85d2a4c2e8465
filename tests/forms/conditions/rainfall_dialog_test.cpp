// The rainfall-intensity dialog through its real widgets: opening, the six
// formulas, the arrival-time sections, the OK checks and the hand-back of I.
#include "support/form_test.h"

#include "forms/conditions/rainfall_dialog.h"

#include <QMdiSubWindow>
#include <QToolBar>

namespace akuenza::test {

namespace {
const QString kConditionsHint = u"流出係数（C）、及び 降雨強度（I）は、各地域の基準等による事｡"_qs;
}

class RainfallDialog : public FormTest {
protected:
    void SetUp() override
    {
        FormTest::SetUp();
        newCase();
    }
    Form12& open()
    {
        click(f1().cmd_i2);
        return app().form<Form12>();
    }
    // A formula, its constants and a typed arrival time.
    Form12& withDirectTime(OptionButton* Form12::*formula, const char* a, const char* b, const char* t)
    {
        Form12& f = open();
        click(f.*formula);
        type(f.txt1, QString::fromLatin1(a));
        type(f.txt2, QString::fromLatin1(b));
        click(f.Option3);
        type(f.txt8, QString::fromLatin1(t));
        return f;
    }
    void expectCaretAtStart(QLineEdit* box)
    {
        EXPECT_EQ(focused(), box);
        EXPECT_EQ(box->cursorPosition(), 0);
        EXPECT_FALSE(box->hasSelectedText());
    }
};

TEST_F(RainfallDialog, FirstOpeningShowsOnlyTheFormulasOverTheConditions)
{
    Form12& f = open();
    EXPECT_TRUE(app().isVisible<Form12>());
    EXPECT_EQ(f.parentWidget()->pos(), QPoint(0, 0));
    EXPECT_TRUE(mainWindow().Toolbar1->isHidden());
    EXPECT_EQ(mainWindow().panelText(u"msg"_qs), u"雨量強度式 及び 到達時間 （ｔ） の計算は、各地域の基準等による事｡"_qs);
    for (OptionButton* o : {f.opt1, f.opt2, f.opt3, f.opt4, f.opt5, f.opt6, f.Option4})
        EXPECT_FALSE(o->isChecked()) << o->objectName().toStdString();
    EXPECT_TRUE(f.Option6->isChecked());
    EXPECT_FALSE(f.Frame3->isVisibleTo(&f));
    EXPECT_FALSE(f.Frame4->isVisibleTo(&f));
    EXPECT_FALSE(f.txt6->isVisibleTo(&f));
    EXPECT_FALSE(f.Command1->isVisibleTo(f.Frame4));
    EXPECT_EQ(focused(), f.cmd1);
    // Computing the velocity has no method: its button is there but unusable.
    EXPECT_TRUE(f.Command8->isVisibleTo(f.Frame5));
    EXPECT_FALSE(f.Command8->isEnabled());
    const QStringList captions = {u"①"_qs, u"②"_qs, u"③"_qs, u"④"_qs, u"⑤"_qs, u"⑥"_qs};
    const OptionButton* inCaptionOrder[] = {f.opt1, f.opt4, f.opt2, f.opt3, f.opt5, f.opt6};
    for (int k = 0; k < 6; ++k)
        EXPECT_EQ(inCaptionOrder[k]->text(), captions[k]);
}

TEST_F(RainfallDialog, OkWithoutAFormulaChoosesOneAndThenAsksForA)
{
    Form12& f = open();
    click(f.cmd1);
    expectOneError(u"降雨強度式を選択してください。"_qs);
    EXPECT_TRUE(f.opt1->isChecked());
    platform_->clear();
    click(f.cmd1);
    expectOneError(u"定数ａを入力してください。"_qs);
    expectCaretAtStart(f.txt1);
    EXPECT_TRUE(app().isVisible<Form12>());
}

TEST_F(RainfallDialog, ChoosingAFormulaEmptiesTheConstantsAndShowsCAndDOnlyForFiveAndSix)
{
    Form12& f = open();
    click(f.opt5);
    EXPECT_TRUE(f.txt6->isVisibleTo(&f));
    EXPECT_TRUE(f.lblConstantD->isVisibleTo(&f));
    EXPECT_TRUE(f.txt7->hasFrame());
    for (TextBox* box : {f.txt1, f.txt2, f.txt6, f.txt7})
        type(box, u"3"_qs);
    click(f.opt4);
    for (TextBox* box : {f.txt1, f.txt2, f.txt6, f.txt7})
        EXPECT_EQ(box->text(), QString());
    EXPECT_FALSE(f.txt6->isVisibleTo(&f));
    EXPECT_FALSE(f.lblC->isVisibleTo(&f));
}

TEST_F(RainfallDialog, EachOptionComputesItsOwnFormulaAndHandsIBackRounded)
{
    struct Case {
        OptionButton* Form12::*formula;
        const char *a, *b, *c, *d, *t, *shown;
    };
    const Case cases[] = {
        {&Form12::opt1, "1000", "4", "", "", "25", "34.5"},  // ① 1000 / 29
        {&Form12::opt4, "1000", "4", "", "", "25", "111.1"}, // ② 1000 / 9
        {&Form12::opt2, "1000", "3", "", "", "25", "500.0"}, // ③ 1000 / 2
        {&Form12::opt3, "5000", "0.5", "", "", "25", "1000.0"}, // ④ 5000 / 25^0.5
        {&Form12::opt5, "800", "2", "4", "3", "16", "80.0"}, // ⑤ 800 / (16^0.75 + 2)
        {&Form12::opt6, "800", "2", "4", "3", "16", "133.3"}, // ⑥ 800 / (16^0.75 - 2)
    };
    for (const Case& c : cases) {
        Form12& f = withDirectTime(c.formula, c.a, c.b, c.t);
        SCOPED_TRACE((f.*c.formula)->text().toStdString());
        if (*c.c) {
            type(f.txt6, QString::fromLatin1(c.c));
            type(f.txt7, QString::fromLatin1(c.d));
        }
        click(f.cmd1);
        EXPECT_TRUE(messages().empty());
        EXPECT_FALSE(app().isVisible<Form12>());
        EXPECT_EQ(f1().txt_i->text(), QString::fromLatin1(c.shown));
    }
}

TEST_F(RainfallDialog, OkHandsBackIAndVoidsThePreviousQ1)
{
    f11().lbl3->setText(u"45.000"_qs);
    record().countermeasureRainwaterQ1 = 45.0;
    mainWindow().setToolbarButtonEnabled(5, true);
    // A verdict with its increase stands beside the Q1 the dialog replaces.
    for (QLabel* l : {f11().lbl16, f11().lbl17, f11().lbl8, f11().lbl9})
        l->setText(u"x"_qs);
    Form12& f = withDirectTime(&Form12::opt3, "5000", "0.5", "25");
    click(f.cmd1);
    EXPECT_EQ(f1().txt_i->text(), u"1000.0"_qs);
    EXPECT_FALSE(f1().txt_i->hasFrame());
    EXPECT_TRUE(f1().opt4->isChecked());
    EXPECT_DOUBLE_EQ(record().rainfallIntensityI, 1000.0);
    EXPECT_DOUBLE_EQ(record().arrivalTimeT, 25.0);
    for (QLabel* l : {f11().lbl16, f11().lbl17, f11().lbl3, f11().lbl8, f11().lbl9})
        EXPECT_EQ(l->text(), QString()) << l->objectName().toStdString();
    EXPECT_EQ(record().countermeasureRainwaterQ1, 0.0);
    EXPECT_FALSE(mainWindow().toolbarButton(5)->isEnabled());
    EXPECT_FALSE(mainWindow().Toolbar1->isHidden());
    EXPECT_EQ(mainWindow().panelText(u"msg"_qs), kConditionsHint);
}

TEST_F(RainfallDialog, ArrivalTimeAsInletPlusFlowTime)
{
    Form12& f = open();
    click(f.opt1);
    type(f.txt1, u"1000"_qs);
    type(f.txt2, u"40"_qs);
    click(f.Option4);
    click(f.Option1);
    EXPECT_EQ(focused(), f.txt3);
    EXPECT_TRUE(f.txt3->hasFrame());
    type(f.txt3, u"5"_qs);
    click(f.Option6);
    type(f.txt4, u"600"_qs);
    click(f.txt5); // a click into V assumes the velocity
    EXPECT_TRUE(f.Option7->isChecked());
    type(f.txt5, u"1.0"_qs);
    click(f.cmd1);
    EXPECT_TRUE(messages().empty());
    EXPECT_DOUBLE_EQ(record().flowTimeT2, 10.0);
    EXPECT_DOUBLE_EQ(record().arrivalTimeT, 15.0);
    EXPECT_EQ(f1().txt_i->text(), u"18.2"_qs); // 1000 / 55

    // Opened again, the sections stand as left; a typed t2 of 10 gives the same t.
    click(f1().cmd_i2);
    EXPECT_TRUE(f.Frame4->isVisibleTo(&f));
    click(f.txt9);
    EXPECT_TRUE(f.Option5->isChecked());
    type(f.txt9, u"10"_qs);
    click(f.cmd1);
    EXPECT_TRUE(messages().empty());
    EXPECT_DOUBLE_EQ(record().arrivalTimeT, 15.0);
}

TEST_F(RainfallDialog, TimeOptionsShowHideAndClearTheirSections)
{
    Form12& f = open();
    click(f.opt1);
    click(f.Option3);
    EXPECT_FALSE(f.Frame3->isVisibleTo(&f));
    EXPECT_TRUE(f.txt8->hasFrame());
    EXPECT_EQ(focused(), f.txt8);
    type(f.txt8, u"12"_qs);

    click(f.Option4);
    EXPECT_TRUE(f.Frame3->isVisibleTo(&f));
    EXPECT_TRUE(f.Frame4->isVisibleTo(&f));
    EXPECT_FALSE(f.Frame5->isVisibleTo(&f));
    EXPECT_FALSE(f.txt4->isVisibleTo(&f));
    EXPECT_FALSE(f.Option6->isChecked());
    EXPECT_EQ(f.txt8->text(), QString());
    EXPECT_FALSE(f.txt8->hasFrame());

    click(f.Option6);
    EXPECT_TRUE(f.Frame5->isVisibleTo(&f));
    EXPECT_TRUE(f.txt4->isVisibleTo(&f));
    EXPECT_FALSE(f.txt5->hasFrame());
    click(f.Option7);
    EXPECT_TRUE(f.txt5->hasFrame());
    EXPECT_EQ(focused(), f.txt5);

    click(f.chk1);
    EXPECT_TRUE(f.Option6->isChecked());
    EXPECT_FALSE(f.Option7->isChecked());
    EXPECT_FALSE(f.Frame5->isVisibleTo(&f));
    EXPECT_FALSE(f.Frame6->isVisibleTo(&f));
    EXPECT_FALSE(f.txt4->isVisibleTo(&f));
    EXPECT_TRUE(f.Command1->isVisibleTo(&f));
    EXPECT_EQ(f.lbl1->text(), u"茨城県宅地開発関係資料集による(茨城県土木部都市局建築指導課)"_qs);

    click(f.chk1);
    EXPECT_TRUE(f.Option5->isChecked());
    EXPECT_FALSE(f.Command1->isVisibleTo(&f));
    EXPECT_FALSE(f.lbl1->isVisibleTo(&f));
    EXPECT_EQ(f.lbl1->text(), QString());
    EXPECT_TRUE(f.Frame6->isVisibleTo(&f));
    EXPECT_TRUE(f.txt9->hasFrame());
    EXPECT_EQ(focused(), f.txt9);

    click(f.txt8); // a click into t chooses its direct input
    EXPECT_TRUE(f.Option3->isChecked());
    EXPECT_FALSE(f.Frame4->isVisibleTo(&f));
}

TEST_F(RainfallDialog, EnterMovesAlongTheConstants)
{
    Form12& f = open();
    click(f.opt2);
    type(f.txt2, u"7"_qs);
    pressEnter(f.txt1);
    EXPECT_EQ(focused(), f.txt2);
    EXPECT_EQ(f.txt2->selectedText(), u"7"_qs);
    pressEnter(f.txt2);
    EXPECT_EQ(focused(), f.Option3);
    click(f.opt6);
    pressEnter(f.txt2);
    EXPECT_EQ(focused(), f.txt6);
    pressEnter(f.txt6);
    EXPECT_EQ(focused(), f.txt7);
}

TEST_F(RainfallDialog, AFailedCheckStoresTheTypedValuesAndKeepsI)
{
    Form12& f = withDirectTime(&Form12::opt1, "1000", "40", "10");
    click(f.cmd1);
    ASSERT_DOUBLE_EQ(record().rainfallIntensityI, 20.0);
    click(f1().cmd_i2);
    type(f.txt1, u"2500"_qs);
    f.txt8->clear();
    click(f.cmd1);
    expectOneError(u"到達時間を入力してください。"_qs);
    expectCaretAtStart(f.txt8);
    EXPECT_DOUBLE_EQ(record().rainConstantA, 2500.0);
    EXPECT_DOUBLE_EQ(record().rainfallIntensityI, 20.0);
    EXPECT_EQ(f1().txt_i->text(), u"20.0"_qs);
}

TEST_F(RainfallDialog, UndefinedFormulasAreRefusedWithTheDialogStillOpen)
{
    Form12& f = withDirectTime(&Form12::opt1, "1000", "-10", "10");
    click(f.cmd1);
    expectOneError(u"降雨強度式の分母が０になります。定数ｂ又は到達時間を確認してください。"_qs);
    expectCaretAtStart(f.txt2);
    EXPECT_TRUE(app().isVisible<Form12>());
    EXPECT_EQ(f1().txt_i->text(), QString());
    EXPECT_FALSE(record().rainfallIntensityI.isSet());

    platform_->clear();
    click(f.Option4);
    click(f.Option1);
    type(f.txt3, u"5"_qs);
    click(f.Option6);
    type(f.txt4, u"600"_qs);
    click(f.Option7);
    type(f.txt5, u"0"_qs);
    type(f.txt2, u"40"_qs);
    click(f.cmd1);
    expectOneError(u"流速が０のため流下時間を計算できません。流速を入力してください。"_qs);
    expectCaretAtStart(f.txt5);
    EXPECT_TRUE(app().isVisible<Form12>());
    EXPECT_EQ(f1().txt_i->text(), QString());
}

TEST_F(RainfallDialog, CancelKeepsTheEntriesAndDirectInputDiscardsThem)
{
    Form12& f = withDirectTime(&Form12::opt3, "5000", "0.5", "25");
    mainWindow().Men_S->setEnabled(false);
    click(f.cmd2);
    EXPECT_FALSE(app().isVisible<Form12>());
    EXPECT_FALSE(mainWindow().Toolbar1->isHidden());
    EXPECT_TRUE(mainWindow().Men_S->isEnabled());
    EXPECT_EQ(mainWindow().panelText(u"msg"_qs), kConditionsHint);
    EXPECT_FALSE(record().rainfallIntensityI.isSet()); // nothing stored

    click(f1().cmd_i2);
    EXPECT_EQ(f.txt1->text(), u"5000"_qs);
    EXPECT_TRUE(f.opt3->isChecked());
    click(f.cmd2);

    // A key that only moves the caret in I types nothing; a digit discards the dialog.
    QTest::keyClick(f1().txt_i, Qt::Key_Left);
    ASSERT_NE(app().loaded<Form12>(), nullptr);
    QTest::keyClick(f1().txt_i, '5');
    EXPECT_EQ(app().loaded<Form12>(), nullptr);

    Form12& again = open();
    type(again.txt1, u"1"_qs);
    click(again.cmd2);
    click(f1().cmd_i1);
    EXPECT_EQ(app().loaded<Form12>(), nullptr);
    EXPECT_TRUE(f1().opt3->isChecked());
    EXPECT_EQ(open().txt1->text(), QString());
    click(app().form<Form12>().cmd2);
    click(f1().txt_i);
    EXPECT_EQ(app().loaded<Form12>(), nullptr);
}

} // namespace akuenza::test
