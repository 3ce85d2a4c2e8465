// The design conditions form: its reactions, chained exactly as the
// engineer's own changes, driven through the real widgets.
#include "support/form_test.h"

#include "forms/facilities/square_basin_dialog.h"

#include <QToolBar>

namespace akuenza::test {

class DesignConditions : public FormTest {
protected:
    void SetUp() override
    {
        FormTest::SetUp();
        newCase();
    }
    // Runs a calculation that leaves Q1, ΣFc and a verdict on the results form.
    void calculateSomething()
    {
        enterConditions();
        Form2& f2 = app().form<Form2>();
        f2.chk1->setValue(1);
        f2.txt11w->setText(QStringLiteral("0.5"));
        f2.txt11h->setText(QStringLiteral("1"));
        f2.txt11n->setText(QStringLiteral("2"));
        calculate();
        ASSERT_NE(f11().lbl9->text(), QString());
        ASSERT_TRUE(mainWindow().toolbarButton(5)->isEnabled());
    }
    void expectFacilityResultsVoided()
    {
        EXPECT_EQ(record().totalInfiltrationFc, 0.0);
        EXPECT_EQ(f11().lbl6->text(), QString());
        EXPECT_EQ(f11().lbl9->text(), QString());
        EXPECT_FALSE(mainWindow().toolbarButton(5)->isEnabled());
    }
    void expectQ1Voided()
    {
        EXPECT_EQ(record().countermeasureRainwaterQ1, 0.0);
        EXPECT_EQ(f11().lbl3->text(), QString());
        EXPECT_EQ(f11().lbl9->text(), QString());
        EXPECT_FALSE(mainWindow().toolbarButton(6)->isEnabled());
    }
};

TEST_F(DesignConditions, HoldsTheDesignedCaptions)
{
    Form1& f = f1();
    const std::pair<QAbstractButton*, const char*> buttons[] = {
        {f.opt_u1, "計算する"}, {f.opt_u2, "直接入力"}, {f.cmd_c1, "直接入力"}, {f.cmd_c2, "加重平均"},
        {f.cmd_i1, "直接入力"}, {f.cmd_i2, "計算する"}, {f.opt7, "無し"},      {f.opt8, "有り"},
        {f.chk_t, "直接入力"},  {f.chk1, "正方形砕石層"}, {f.chk2, "長方形砕石層"}, {f.chk3, "円形砕石層"},
        {f.chk4, "浸透側溝、管"}, {f.chk5, "浸透舗装、池"}, {f.chk6, "浸透井(吸込槽)"}, {f.cmd6, "寸法入力"},
    };
    for (const auto& [button, caption] : buttons)
        EXPECT_EQ(button->text(), QString::fromUtf8(caption)) << button->objectName().toStdString();
    const std::pair<QLabel*, const char*> labels[] = {
        {f.Label5, "☆ アクエンザ"}, {f.Label18, "対策雨水量"}, {f.lbl_u, "m3/h"}, {f.lbl6, "流 出 係 数"},
        {f.lbl_c1, "Ｃ＝"}, {f.lbl7, "施設の分担する対策面積"}, {f.lbl_a1, "Ａ＝"}, {f.lbl_a2, "m2"},
        {f.lbl8, "1時間当りの降雨強度"}, {f.lbl_i1, "I＝"}, {f.lbl_i2, "mm/hr"}, {f.lbl9, "対策雨水量の割増し"},
        {f.lbl1, "％増し"}, {f.Label13, "土質の飽和透水係数 (ｋ)"}, {f.lbl5, "土質"}, {f.lbl2, "土質の名称"},
        {f.lbl3, "土質の飽和透水係数"}, {f.lbl4, "cm/sec"}, {f.Label10, "各種影響係数"}, {f.Label14, "Ｃ＝"},
        {f.Label15, "（一般的には 0.81）雨水浸透施設技術指針[案]より"}, {f.Label4, "検討する浸透施設の種類"},
        {f.Label16, "(複数選択可)"}, {f.Label17, "浸透桝"},
    };
    for (const auto& [label, caption] : labels)
        EXPECT_EQ(label->text(), QString::fromUtf8(caption)) << label->objectName().toStdString();
    EXPECT_EQ(f.lbl6->palette().color(QPalette::WindowText), QColor(0, 64, 0));
    const QStringList soils = {"粘土", "シルト", "微細砂", "細砂", "中砂", "粗砂", "小砂利"};
    ASSERT_EQ(f.cbo1->count(), soils.size());
    for (int i = 0; i < soils.size(); ++i)
        EXPECT_EQ(f.cbo1->itemText(i), soils[i]);
}

TEST_F(DesignConditions, NewArrangesTheFreshCase)
{
    Form1& f = f1();
    EXPECT_TRUE(app().isVisible<Form1>());
    EXPECT_TRUE(app().isVisible<Form2>());
    EXPECT_TRUE(app().isVisible<Form11>());
    EXPECT_TRUE(f.opt_u1->isChecked());
    EXPECT_TRUE(f.opt5->isChecked());
    EXPECT_TRUE(f.opt3->isChecked());
    EXPECT_TRUE(f.opt7->isChecked());
    EXPECT_FALSE(f.txt1->isVisibleTo(&f));
    EXPECT_EQ(f.cbo1->listIndex(), 3);
    EXPECT_EQ(f.cbo1->text(), QStringLiteral("細砂"));
    EXPECT_EQ(f.chk1->value(), 1);
    EXPECT_TRUE(f.cmd1->isEnabled());
    EXPECT_FALSE(f.cmd2->isEnabled());
    EXPECT_EQ(f.txt_cf->text(), QStringLiteral("0.81"));
    for (TextBox* box : {f.txt_c, f.txt_a, f.txt_i, f.txt_u, f.txt1})
        EXPECT_EQ(box->text(), QString());
    EXPECT_EQ(focused(), f.txt_c);
    EXPECT_TRUE(f11().Frame1->isVisibleTo(&f11()));
    EXPECT_FALSE(f11().Label1->isVisibleTo(&f11()));
    EXPECT_EQ(f11().lbl3->text(), QString()); // the designed placeholders are voided
    EXPECT_EQ(f11().lbl6->text(), QString());
    EXPECT_EQ(f11().lbl16->text(), QString());
}

TEST_F(DesignConditions, DirectQ1EmptiesAndLocksTheRainwaterInputs)
{
    Form1& f = f1();
    enterConditions();
    click(f.opt8);
    type(f.txt1, QStringLiteral("20"));
    click(f.opt_u2);
    EXPECT_TRUE(f.txt_u->isVisibleTo(&f));
    EXPECT_TRUE(f.lbl_u->isVisibleTo(&f));
    EXPECT_EQ(focused(), f.txt_u);
    for (TextBox* box : {f.txt_c, f.txt_a, f.txt_i, f.txt1})
        EXPECT_EQ(box->text(), QString());
    for (OptionButton* o : {f.opt3, f.opt4, f.opt5, f.opt6, f.opt7, f.opt8}) {
        EXPECT_FALSE(o->isChecked()) << o->objectName().toStdString();
        EXPECT_FALSE(o->isEnabled());
    }
    EXPECT_FALSE(f.frm2->isEnabled());
    EXPECT_FALSE(f.txt_c->isEnabled()); // inside the disabled frame
    EXPECT_FALSE(f.cmd_i2->isEnabled());

    type(f.txt_u, QStringLiteral("12"));
    click(f.opt_u1); // computing again re-enables, but restores nothing
    EXPECT_EQ(f.txt_u->text(), QString());
    EXPECT_FALSE(f.txt_u->isVisibleTo(&f));
    EXPECT_TRUE(f.txt_c->isEnabled());
    EXPECT_TRUE(f.opt7->isEnabled());
    EXPECT_FALSE(f.opt7->isChecked());
    EXPECT_FALSE(f.opt5->isChecked());
}

TEST_F(DesignConditions, TheIncreaseOptionShowsAndClearsThePercentage)
{
    Form1& f = f1();
    calculateSomething();
    click(f.opt8);
    EXPECT_TRUE(f.txt1->isVisibleTo(&f));
    EXPECT_TRUE(f.lbl1->isVisibleTo(&f));
    expectQ1Voided();
    type(f.txt1, QStringLiteral("25"));
    calculate();
    ASSERT_EQ(f11().lbl16->text(), QStringLiteral("1.25"));
    click(f.opt7);
    EXPECT_EQ(f.txt1->text(), QString());
    EXPECT_FALSE(f.txt1->isVisibleTo(&f));
    EXPECT_EQ(f11().lbl16->text(), QString());
    EXPECT_EQ(f11().lbl17->text(), QString());
    expectQ1Voided();
}

TEST_F(DesignConditions, TypedSoilReplacesTheListAndUncheckingReturnsToFineSand)
{
    Form1& f = f1();
    calculateSomething();
    click(f.chk_t);
    EXPECT_TRUE(f.txt_t->isEnabled());
    EXPECT_TRUE(f.txt_tk->isEnabled());
    EXPECT_TRUE(f.lbl3->isEnabled());
    EXPECT_FALSE(f.cbo1->isEnabled());
    EXPECT_EQ(f.cbo1->text(), QString());
    EXPECT_EQ(focused(), f.txt_t);
    expectFacilityResultsVoided();
    type(f.txt_t, QStringLiteral("ローム"));
    type(f.txt_tk, QStringLiteral("0.002"));

    click(f.chk_t);
    EXPECT_EQ(f.txt_t->text(), QString());
    EXPECT_EQ(f.txt_tk->text(), QString());
    EXPECT_FALSE(f.txt_t->isEnabled());
    EXPECT_TRUE(f.cbo1->isEnabled());
    EXPECT_EQ(f.cbo1->listIndex(), 3);
    EXPECT_EQ(f.cbo1->text(), QStringLiteral("細砂"));
}

TEST_F(DesignConditions, ChoosingASoilVoidsTheFacilityResults)
{
    calculateSomething();
    f1().cbo1->setListIndex(5);
    expectFacilityResultsVoided();
    EXPECT_NE(f11().lbl3->text(), QString()); // Q1 stands
}

TEST_F(DesignConditions, TheWellClearsTheOtherFacilitiesAndLocksWhatItDoesNotUse)
{
    Form1& f = f1();
    f.chk2->setValue(1);
    record().square11Fc = 5.0;
    record().rect2Fc = 7.0;
    click(f.chk6);
    for (int n = 1; n <= 5; ++n) {
        EXPECT_EQ(f.facilityCheck(n)->value(), 0) << n;
        EXPECT_FALSE(f.dimensionButton(n)->isEnabled()) << n;
    }
    EXPECT_EQ(record().square11Fc, 0.0);
    EXPECT_EQ(record().rect2Fc, 0.0);
    EXPECT_EQ(app().loaded<Form2>(), nullptr); // its dialog closed with its entries
    EXPECT_TRUE(f.cmd6->isEnabled());
    EXPECT_EQ(f.txt_i->text(), QStringLiteral("60"));
    EXPECT_FALSE(f.txt_i->isEnabled());
    EXPECT_EQ(f.txt_cf->text(), QString());
    EXPECT_FALSE(f.txt_cf->isEnabled());
    EXPECT_EQ(f.cbo1->text(), QString());
    EXPECT_FALSE(f.cbo1->isEnabled());
    for (OptionButton* o : {f.opt_u1, f.opt_u2, f.opt3, f.opt4, f.opt6, f.opt7, f.opt8})
        EXPECT_FALSE(o->isChecked()) << o->objectName().toStdString();
    EXPECT_FALSE(f.opt_u1->isEnabled());
    // What stays usable: C directly, A, and the typed soil.
    EXPECT_TRUE(f.txt_c->isEnabled());
    EXPECT_TRUE(f.cmd_c1->isEnabled());
    EXPECT_TRUE(f.txt_a->isEnabled());
    EXPECT_TRUE(f.chk_t->isEnabled());
    EXPECT_FALSE(f11().Frame1->isVisibleTo(&f11()));
    EXPECT_TRUE(f11().Label2->isVisibleTo(&f11()));
    EXPECT_EQ(mainWindow().panelText(QStringLiteral("msg")), QString());

    click(f.chk1); // back to the facilities
    EXPECT_EQ(f.chk6->value(), 0);
    EXPECT_FALSE(f.cmd6->isEnabled());
    for (QWidget* w : std::initializer_list<QWidget*>{f.opt_u1, f.opt_u2, f.txt_i, f.cbo1, f.txt_cf, f.opt7, f.cmd_i2})
        EXPECT_TRUE(w->isEnabled()) << w->objectName().toStdString();
    EXPECT_FALSE(f.opt_u1->isChecked()); // what the well cleared stays clear
    EXPECT_FALSE(f.opt7->isChecked());
    EXPECT_TRUE(f11().Frame1->isVisibleTo(&f11()));
    EXPECT_FALSE(f11().Label2->isVisibleTo(&f11()));
}

TEST_F(DesignConditions, AfterADirectQ1TheWellStillTakesCAndA)
{
    Form1& f = f1();
    click(f.opt_u2); // locks the frame of C and A
    ASSERT_FALSE(f.txt_c->isEnabled());
    click(f.chk6);
    EXPECT_TRUE(f.txt_c->isEnabled());
    EXPECT_TRUE(f.txt_a->isEnabled());
    EXPECT_TRUE(f.cmd_c1->isEnabled());
    EXPECT_FALSE(f.cmd_c2->isEnabled());
    EXPECT_FALSE(f.txt_i->isEnabled());
}

TEST_F(DesignConditions, UncheckingAFacilityClosesItsDialogWithItsEntries)
{
    Form1& f = f1();
    Form2& f2 = app().form<Form2>();
    f2.chk1->setValue(1);
    f2.txt11w->setText(QStringLiteral("0.5"));
    record().square12Fc = 3.0;
    click(f.chk1);
    EXPECT_EQ(app().loaded<Form2>(), nullptr);
    EXPECT_EQ(record().square12Fc, 0.0);
    EXPECT_FALSE(f.cmd1->isEnabled());
    click(f.chk1);
    click(f.cmd1);
    EXPECT_TRUE(app().isVisible<Form2>());
    EXPECT_EQ(app().form<Form2>().txt11w->text(), QString());
}

TEST_F(DesignConditions, BoxClicksVoidWhatTheirEntryFeeds)
{
    Form1& f = f1();
    calculateSomething();
    click(f.txt_t); // disabled: a click reaches nothing
    EXPECT_NE(f11().lbl9->text(), QString());

    calculate();
    click(f.txt_cf);
    EXPECT_EQ(f.txt_cf->selectedText(), QStringLiteral("0.81"));
    expectQ1Voided();

    calculate();
    f.opt3->setChecked(false);
    f.txt_i->setFrame(false);
    click(f.txt_i);
    EXPECT_TRUE(f.opt3->isChecked());
    EXPECT_TRUE(f.txt_i->hasFrame());
    EXPECT_EQ(mainWindow().panelText(QStringLiteral("msg")),
              QStringLiteral("流出係数（C）、及び 降雨強度（I）は、各地域の基準等による事｡"));
    expectQ1Voided();

    calculate();
    click(f.chk_t);
    calculate(); // fails: no soil name
    type(f.txt_t, QStringLiteral("砂"));
    type(f.txt_tk, QStringLiteral("0.01"));
    calculate();
    ASSERT_NE(f11().lbl9->text(), QString());
    click(f.txt_tk);
    expectFacilityResultsVoided();
}

TEST_F(DesignConditions, DirectInputButtonsFocusTheBoxAndRestoreItsBorder)
{
    Form1& f = f1();
    type(f.txt_c, QStringLiteral("0.9"));
    f.txt_c->setFrame(false);
    f.txt_a->setFrame(false);
    f.opt6->setChecked(true);
    click(f.cmd_c1);
    EXPECT_EQ(focused(), f.txt_c);
    EXPECT_EQ(f.txt_c->selectedText(), QStringLiteral("0.9"));
    EXPECT_TRUE(f.txt_c->hasFrame());
    EXPECT_TRUE(f.txt_a->hasFrame());
    EXPECT_TRUE(f.opt5->isChecked());
    EXPECT_FALSE(f.opt6->isChecked());

    f.opt4->setChecked(true);
    f.txt_i->setFrame(false);
    click(f.cmd_i1);
    EXPECT_EQ(focused(), f.txt_i);
    EXPECT_TRUE(f.txt_i->hasFrame());
    EXPECT_TRUE(f.opt3->isChecked());
}

TEST_F(DesignConditions, ComputeButtonsHideTheToolbarAndNewBringsItBack)
{
    click(f1().cmd_c2);
    EXPECT_FALSE(mainWindow().Toolbar1->isVisibleTo(&mainWindow()));
    EXPECT_EQ(mainWindow().panelText(QStringLiteral("msg")), QStringLiteral("流出係数(Ｃ)は、各地域の基準等による事｡"));
    newCase();
    EXPECT_TRUE(mainWindow().Toolbar1->isVisibleTo(&mainWindow()));
    click(f1().cmd_i2);
    EXPECT_FALSE(mainWindow().Toolbar1->isVisibleTo(&mainWindow()));
    EXPECT_EQ(mainWindow().panelText(QStringLiteral("msg")),
              QStringLiteral("雨量強度式 及び 到達時間 （ｔ） の計算は、各地域の基準等による事｡"));
}

TEST_F(DesignConditions, EnterMovesAlongTheForm)
{
    Form1& f = f1();
    f.txt_c->setFocus();
    pressEnter(f.txt_c);
    EXPECT_EQ(focused(), f.txt_a);
    pressEnter(f.txt_a);
    EXPECT_EQ(focused(), f.cmd_i1);
    f.txt_i->setFocus();
    pressEnter(f.txt_i);
    EXPECT_EQ(focused(), f.opt7);
    click(f.opt8);
    f.txt1->setFocus();
    pressEnter(f.txt1);
    EXPECT_EQ(focused(), f.cbo1);
    click(f.chk_t);
    pressEnter(f.txt_t);
    EXPECT_EQ(focused(), f.txt_tk);
    click(f.opt_u2);
    pressEnter(f.txt_u);
    EXPECT_EQ(focused(), f.txt_t); // the soil list is locked while the soil is typed
    // With the well the rainfall buttons are locked: Enter in A goes on to the soil.
    click(f.chk6);
    f.txt_a->setFocus();
    pressEnter(f.txt_a);
    EXPECT_EQ(focused(), f.txt_t);
}

TEST_F(DesignConditions, ADoubleClickInTheInfluenceCoefficientLeavesTheCaretAtItsEnd)
{
    doubleClick(f1().txt_cf);
    EXPECT_FALSE(f1().txt_cf->hasSelectedText());
    EXPECT_EQ(f1().txt_cf->cursorPosition(), 4);
}

TEST_F(DesignConditions, TabFollowsTheDesignedOrder)
{
    Form1& f = f1();
    f.txt_cf->setFocus();
    QTest::keyClick(focused(), Qt::Key_Tab);
    EXPECT_EQ(focused(), f.chk1);
    QTest::keyClick(focused(), Qt::Key_Tab);
    EXPECT_EQ(focused(), f.cmd1);
    f.txt_c->setFocus();
    QTest::keyClick(focused(), Qt::Key_Tab);
    EXPECT_EQ(focused(), f.txt_a);
    QTest::keyClick(focused(), Qt::Key_Tab);
    EXPECT_EQ(focused(), f.cmd_c1);
}

TEST_F(DesignConditions, NumberBoxesSwitchTheInputMethodOffAndTheSoilNameOn)
{
    Form1& f = f1();
    for (TextBox* box : {f.txt_u, f.txt_c, f.txt_a, f.txt_i, f.txt1, f.txt_tk, f.txt_cf})
        EXPECT_FALSE(box->testAttribute(Qt::WA_InputMethodEnabled)) << box->objectName().toStdString();
    EXPECT_TRUE(f.txt_t->testAttribute(Qt::WA_InputMethodEnabled));
}

TEST_F(DesignConditions, DimensionButtonsShowOneDialogAtATime)
{
    Form1& f = f1();
    app().hide<Form2>();
    click(f.cmd1);
    EXPECT_TRUE(app().isVisible<Form2>());
}

} // namespace akuenza::test

namespace akuenza::test {

TEST_F(DesignConditions, InWellModeAnEditOfCAOrTheSoilVoidsTheShownDepth)
{
    click(f1().chk6);
    record().wellEffectiveDepthH = 1.5;
    f11().Label1->setText(QStringLiteral("1.5000"));
    click(f1().txt_a);
    EXPECT_EQ(record().wellEffectiveDepthH, 0.0);
    EXPECT_EQ(f11().Label1->text(), QString());
    record().wellEffectiveDepthH = 1.5;
    click(f1().chk_t);
    EXPECT_EQ(record().wellEffectiveDepthH, 0.0);
}

} // namespace akuenza::test
