// The calculation run of "計　算": checks in order, Q1 against ΣFc, the
// verdict, the increase, and what happens around them.
#include "support/form_test.h"

#include "facilities/square_basin_dialog.h"

#include <functional>

namespace akuenza::test {

class CalculationRun : public FormTest {
protected:
    void SetUp() override
    {
        FormTest::SetUp();
        newCase();
    }
    Form2& f2() { return app().form<Form2>(); }

    // One square basin, sides and bottom: W = 0.5, H = 1.0, N = n.
    void oneBasin(const QString& n = QStringLiteral("2"))
    {
        click(f1().cmd1);
        if (f2().chk1->value() == 0)
            click(f2().chk1);
        type(f2().txt11w, QStringLiteral("0.5"));
        type(f2().txt11h, QStringLiteral("1.0"));
        type(f2().txt11n, n);
    }
    QColor totalColour() { return f11().lbl6->palette().color(QPalette::WindowText); }
};

TEST_F(CalculationRun, ChecksTheConditionsInOrderWithMessageAndFocus)
{
    struct Step {
        std::function<void()> change; // what the engineer does before pressing 計算
        const char* message;
        std::function<QWidget*()> focus;
    };
    Form1& f = f1();
    const std::vector<Step> steps = {
        {[] {}, "流出係数を入力又は計算してください。", [&] { return f.txt_c; }},
        {[&] { type(f.txt_c, QStringLiteral("abc")); }, "流出係数を入力又は計算してください。", [&] { return f.txt_c; }},
        {[&] { type(f.txt_c, QStringLiteral("0.9")); }, "施設の分担する対策面積を入力してください。", [&] { return f.txt_a; }},
        {[&] { type(f.txt_a, QStringLiteral("1000")); }, "降雨強度を入力又は計算してください。", [&] { return f.txt_i; }},
        {[&] {
             type(f.txt_i, QStringLiteral("50"));
             f.opt7->setChecked(false);
         },
         "計画雨水量の割増しの計算方法を選択してください。", [&] { return f.opt7; }},
        {[&] { click(f.opt8); }, "計画雨水量の割増しを入力してください。", [&] { return f.txt1; }},
        {[&] {
             type(f.txt1, QStringLiteral("10"));
             click(f.chk_t);
         },
         "土質の名称を入力してください。", [&] { return f.txt_t; }},
        {[&] { type(f.txt_t, QStringLiteral("ローム")); }, "土質の飽和透水係数を入力してください。", [&] { return f.txt_tk; }},
        {[&] { click(f.chk_t); f.cbo1->setText(QString()); }, "土質を選択してください。", [&] { return f.cbo1; }},
        {[&] {
             f.cbo1->setListIndex(4);
             type(f.txt_cf, QString());
         },
         "各種影響係数を入力してください。", [&] { return f.txt_cf; }},
        {[&] { f.opt_u1->setChecked(false); }, "対策雨水量の計算方法を選択してください。", [&] { return f.opt_u1; }},
        {[&] { click(f.opt_u2); }, "対策雨水量を入力してください。", [&] { return f.txt_u; }},
    };
    for (std::size_t i = 0; i < steps.size(); ++i) {
        SCOPED_TRACE(i);
        steps[i].change();
        platform_->clear();
        calculate();
        expectOneError(QString::fromUtf8(steps[i].message));
        EXPECT_EQ(focused(), steps[i].focus());
        EXPECT_EQ(f11().lbl9->text(), QString());
    }
}

TEST_F(CalculationRun, TheEntriesReachTheRecordEvenWhenACheckFails)
{
    type(f1().txt_c, QStringLiteral("0.75"));
    calculate(); // fails on the area
    EXPECT_EQ(record().runoffCoefficientC, 0.75);
    EXPECT_EQ(record().soilName, "細砂");
    EXPECT_EQ(record().soilConductivityKo, 0.015);
    EXPECT_EQ(record().influenceCoefficientC, 0.81);
}

TEST_F(CalculationRun, WithoutAFacilityTheSquareBasinBecomesChecked)
{
    enterConditions();
    click(f1().chk1);
    ASSERT_EQ(f1().chk1->value(), 0);
    platform_->clear();
    calculate();
    expectOneError(QStringLiteral("使用する浸透施設の種類を選択してください。"));
    EXPECT_EQ(f1().chk1->value(), 1);
    EXPECT_TRUE(f1().cmd1->isEnabled());
}

TEST_F(CalculationRun, ShortfallIsNgInLightMagentaWithBeepAndWarning)
{
    enterConditions();
    oneBasin();
    platform_->clear();
    calculate();
    EXPECT_TRUE(messages().empty());
    EXPECT_EQ(f11().lbl14->text(), QStringLiteral("Ｑ1="));
    EXPECT_EQ(f11().lbl3->text(), QStringLiteral("45.000"));
    EXPECT_EQ(f11().lbl15->text(), QStringLiteral("∑Ｆc="));
    EXPECT_EQ(f11().lbl6->text(), QStringLiteral("6.062"));
    EXPECT_EQ(f11().lbl8->text(), QStringLiteral("＞"));
    EXPECT_EQ(f11().lbl9->text(), QStringLiteral("∴ NG"));
    EXPECT_EQ(totalColour(), QColor(255, 0, 255));
    EXPECT_EQ(platform_->beeps(), 1);
    EXPECT_EQ(mainWindow().panelText(QStringLiteral("msg")),
              QStringLiteral("計画雨水量(Q1)が施設の総浸透量(FC)を超えています。"));
    EXPECT_EQ(f11().lbl16->text(), QString());
    EXPECT_EQ(f11().lbl17->text(), QString());
}

TEST_F(CalculationRun, EnoughInfiltrationIsOkInBlackWithoutBeep)
{
    enterConditions(QStringLiteral("0.9"), QStringLiteral("100"), QStringLiteral("50")); // Q1 = 4.5
    oneBasin();
    calculate();
    EXPECT_EQ(f11().lbl3->text(), QStringLiteral("4.500"));
    EXPECT_EQ(f11().lbl8->text(), QStringLiteral("＜"));
    EXPECT_EQ(f11().lbl9->text(), QStringLiteral("∴ O.K"));
    EXPECT_EQ(totalColour(), QColor(Qt::black));
    EXPECT_EQ(platform_->beeps(), 0);
    EXPECT_EQ(mainWindow().panelText(QStringLiteral("msg")), QString());
}

TEST_F(CalculationRun, EqualityIsOkAndOneStepAboveIsNg)
{
    enterConditions();
    oneBasin();
    calculate();
    const double total = record().totalInfiltrationFc;
    click(f1().opt_u2);
    type(f1().txt_u, QString::number(total, 'g', 17));
    calculate();
    EXPECT_EQ(double(record().countermeasureRainwaterQ1), total);
    EXPECT_EQ(f11().lbl8->text(), QStringLiteral("＜"));
    EXPECT_EQ(f11().lbl9->text(), QStringLiteral("∴ O.K"));
    EXPECT_EQ(totalColour(), QColor(Qt::black));

    type(f1().txt_u, QString::number(std::nextafter(total, 1e9), 'g', 17));
    calculate();
    EXPECT_EQ(f11().lbl9->text(), QStringLiteral("∴ NG"));
}

TEST_F(CalculationRun, TheIncreaseIsShownAndCompared)
{
    enterConditions(QStringLiteral("0.9"), QStringLiteral("100"), QStringLiteral("50")); // Q1 = 4.5
    oneBasin(QStringLiteral("1"));                                                        // ΣFc = 3.031
    click(f1().opt8);
    type(f1().txt1, QStringLiteral("25"));
    calculate();
    EXPECT_EQ(record().volumeIncreasePercent, 25.0);
    EXPECT_EQ(f11().lbl16->text(), QStringLiteral("1.25"));
    EXPECT_EQ(f11().lbl17->text(), QStringLiteral("×"));
    EXPECT_EQ(f11().lbl3->text(), QStringLiteral("5.625"));
    EXPECT_EQ(f11().lbl9->text(), QStringLiteral("∴ NG"));

    type(f1().txt1, QStringLiteral("-40")); // 0.6 x 4.5 = 2.7 is covered
    calculate();
    EXPECT_EQ(f11().lbl16->text(), QStringLiteral("0.6"));
    EXPECT_EQ(f11().lbl3->text(), QStringLiteral("2.700"));
    EXPECT_EQ(f11().lbl9->text(), QStringLiteral("∴ O.K"));
    EXPECT_EQ(mainWindow().panelText(QStringLiteral("msg")), QString());
}

TEST_F(CalculationRun, DirectQ1WithAnIncreaseShowsTheIncreasedComparisonOnce)
{
    enterConditions();
    oneBasin(QStringLiteral("1"));
    click(f1().opt_u2);
    type(f1().txt_u, QStringLiteral("2.8")); // 2.8 <= 3.031 but 1.25 x 2.8 = 3.5 is not
    f1().opt8->setChecked(true);             // as a project file can leave it
    f1().txt1->setText(QStringLiteral("25"));
    platform_->clear();
    calculate();
    EXPECT_EQ(f11().lbl16->text(), QStringLiteral("1.25"));
    EXPECT_EQ(f11().lbl3->text(), QStringLiteral("3.500"));
    EXPECT_EQ(f11().lbl9->text(), QStringLiteral("∴ NG"));
    EXPECT_EQ(platform_->beeps(), 1);
}

TEST_F(CalculationRun, ASelectedDialogNeverOpenedContributesNothingAndEndsUnloaded)
{
    enterConditions();
    app().unload<Form2>();
    record().square11Fc = 99.0; // left over from an earlier case
    calculate();
    EXPECT_EQ(app().loaded<Form2>(), nullptr);
    EXPECT_EQ(record().square11Fc, 0.0);
    EXPECT_EQ(record().totalInfiltrationFc, 0.0);
    EXPECT_EQ(f11().lbl6->text(), QStringLiteral("0.000"));
    EXPECT_EQ(f11().lbl9->text(), QStringLiteral("∴ NG"));
}

TEST_F(CalculationRun, ResultsEnablePrintingAndOverwriteOnlyWithAProjectFile)
{
    enterConditions();
    oneBasin();
    calculate();
    EXPECT_FALSE(mainWindow().toolbarButton(3)->isEnabled());
    EXPECT_TRUE(mainWindow().toolbarButton(5)->isEnabled());
    EXPECT_TRUE(mainWindow().toolbarButton(6)->isEnabled());
    mainWindow().setFileName(QStringLiteral("/tmp/case.qzk"));
    calculate();
    EXPECT_TRUE(mainWindow().toolbarButton(3)->isEnabled());
}

TEST_F(CalculationRun, AnEditOfTheConditionsVoidsTheShownResult)
{
    enterConditions();
    oneBasin();
    calculate();
    click(f1().txt_c);
    EXPECT_EQ(record().countermeasureRainwaterQ1, 0.0);
    EXPECT_EQ(f11().lbl3->text(), QString());
    EXPECT_EQ(f11().lbl9->text(), QString());
    EXPECT_FALSE(mainWindow().toolbarButton(6)->isEnabled());
    EXPECT_EQ(f11().lbl6->text(), QStringLiteral("6.062")); // ΣFc stays until a facility edit
}

TEST_F(CalculationRun, AnOverflowingBasinIsReportedNeverJudged)
{
    enterConditions();
    oneBasin();
    type(f2().txt11w, QStringLiteral("1e200")); // W squared is beyond any double
    platform_->clear();
    calculate();
    expectOneError(QStringLiteral("浸透量が計算できません。浸透施設の寸法を確認してください。"));
    EXPECT_EQ(focused(), f2().txt11w);
    EXPECT_EQ(record().totalInfiltrationFc, 0.0);
    for (QLabel* l : {f11().lbl3, f11().lbl6, f11().lbl8, f11().lbl9})
        EXPECT_EQ(l->text(), QString()) << l->objectName().toStdString();
    EXPECT_FALSE(mainWindow().toolbarButton(5)->isEnabled());
    EXPECT_EQ(platform_->beeps(), 0);
}

TEST_F(CalculationRun, AnOverflowingQ1IsReportedNeverJudged)
{
    enterConditions(QStringLiteral("1e200"), QStringLiteral("1e200"), QStringLiteral("50"));
    oneBasin();
    platform_->clear();
    calculate();
    expectOneError(QStringLiteral("対策雨水量が計算できません。流出係数、降雨強度及び対策面積を確認してください。"));
    EXPECT_EQ(focused(), f1().txt_c);
    EXPECT_EQ(record().countermeasureRainwaterQ1, 0.0);
    EXPECT_EQ(f11().lbl9->text(), QString());
}

TEST_F(CalculationRun, ActivationShowsTheResultsRowOutsideWellMode)
{
    f11().Frame1->hide();
    f11().Form_Activate();
    EXPECT_TRUE(f11().Frame1->isVisibleTo(&f11()));
    f1().chk6->setValue(1);
    f11().Form_Activate();
    EXPECT_FALSE(f11().Frame1->isVisibleTo(&f11()));
}

} // namespace akuenza::test
