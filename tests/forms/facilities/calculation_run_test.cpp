// The calculation run of "計　算": checks in order, Q1 against ΣFc, the
// verdict, the increase, and what happens around them.
#include "support/form_test.h"

#include "forms/facilities/square_basin_dialog.h"

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

TEST_F(CalculationRun, LargeResultsAreShownWithEveryDigit)
{
    // 100 000 m3/hr and beyond: no label of the results row cuts its text.
    enterConditions(u"0.9"_qs, u"7500000"_qs, u"50"_qs); // Q1 = 337 500 m3/hr
    oneBasin(u"123456789"_qs);
    calculate();
    ASSERT_EQ(f11().lbl3->text(), u"337500.000"_qs);
    ASSERT_EQ(f11().lbl6->text(), u"374192996.595"_qs);
    auto fits = [](QLabel* label) {
        return label->fontMetrics().horizontalAdvance(label->text()) <= label->contentsRect().width();
    };
    QRect previous;
    for (QLabel* l : {f11().lbl16, f11().lbl17, f11().lbl14, f11().lbl3, f11().lbl4, f11().lbl8, f11().lbl15,
                      f11().lbl6, f11().lbl7, f11().lbl9}) {
        SCOPED_TRACE(l->objectName().toStdString());
        EXPECT_TRUE(fits(l)) << l->text().toStdString();
        EXPECT_GE(l->x(), previous.right()); // in their order, not on top of each other
        EXPECT_LE(l->geometry().right(), f11().Frame1->contentsRect().right());
        previous = l->geometry();
    }
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

#include "core/facilities/adequacy.h"
#include "core/record/digit_format.h"
#include "core/facilities/facility_families.h"
#include "forms/facilities/family_dialogs.h"
#include "core/facilities/infiltration_formulas.h"

namespace akuenza::test {

// All five facility families with all sixteen rows filled: ΣFc must equal the
// sum, in the fixed order, of volumes computed straight from the formulas.
TEST_F(CalculationRun, AllSixteenRowsAddUpInTheirOrder)
{
    enterConditions();
    for (int n = 2; n <= 5; ++n)
        click(f1().facilityCheck(n));
    auto dialog = [&](int n) -> FacilityDialog& { return dialogOf(app(), n); };
    auto fill = [&](int n, std::initializer_list<std::pair<const char*, const char*>> entries) {
        FacilityDialog& d = dialog(n);
        for (const char* column : {"chk1", "chk2"})
            if (auto* check = d.findChild<CheckBox*>(QString::fromLatin1(column)))
                check->setValue(1);
        for (const auto& [name, text] : entries)
            qobject_cast<TextBox*>(app().control(d.objectName().toLatin1().constData(), name))->setText(QString::fromLatin1(text));
    };
    fill(1, {{"txt11w", "0.5"}, {"txt11h", "1"}, {"txt11n", "2"}, {"txt12w", "3"}, {"txt12h", "1.2"}, {"txt12n", "3"},
             {"txt21w", "0.7"}, {"txt21h", "1"}, {"txt21n", "2"}, {"txt22w", "12"}, {"txt22h", "1.5"}, {"txt22n", "1"}});
    fill(2, {{"txt1w", "1"}, {"txt1l", "2"}, {"txt1h", "1"}, {"txt1n", "2"},
             {"txt2w", "0.6"}, {"txt2l", "3"}, {"txt2h", "0.8"}, {"txt2n", "4"}});
    fill(3, {{"txt11d", "0.5"}, {"txt11h", "1"}, {"txt11n", "2"}, {"txt12d", "1.5"}, {"txt12h", "2"}, {"txt12n", "1"},
             {"txt21d", "0.8"}, {"txt21h", "1"}, {"txt21n", "3"}, {"txt22d", "1.5"}, {"txt22h", "2"}, {"txt22n", "1"}});
    fill(4, {{"txt11w", "0.5"}, {"txt11h", "1"}, {"txt11l", "10"}, {"txt12w", "0.4"}, {"txt12h", "0.6"}, {"txt12l", "25"},
             {"txt21w", "0.6"}, {"txt21h", "0.8"}, {"txt21l", "30"}, {"txt22w", "1"}, {"txt22h", "1"}, {"txt22l", "12"}});
    fill(5, {{"txt1h", "0.3"}, {"txt1s", "500"}, {"txt2h", "1"}, {"txt2s", "200"}});
    calculate();

    const double ko = 0.015, c = 0.81;
    auto fc = [&](const KfCoefficients& k, double quantity) { return infiltrationRates(k.Kf, ko, c, quantity).Fc; };
    const double rows[16] = {
        fc(squareSidesAndBottom(0.5, 1), 2),   fc(squareSidesAndBottom(3, 1.2), 3),
        fc(squareBottomOnly(0.7, 1), 2),       fc(squareBottomOnly(12, 1.5), 1),
        fc(rectangularBasin(1, 2, 1), 2),      fc(rectangularBasin(0.6, 3, 0.8), 4),
        fc(circularSidesAndBottom(0.5, 1), 2), fc(circularSidesAndBottom(1.5, 2), 1),
        fc(circularBottomOnly(0.8, 1), 3),     fc(circularBottomOnly(1.5, 2), 1),
        fc(linearFacility(0.5, 1), 10),        fc(linearFacility(0.4, 0.6), 25),
        fc(linearFacility(0.6, 0.8), 30),      fc(linearFacility(1, 1), 12),
        fc(areaFacility(0.3), 500),            fc(areaFacility(1), 200),
    };
    double expected = rows[0];
    for (int i = 1; i < 16; ++i)
        expected += rows[i];
    for (int i = 0; i < 16; ++i)
        EXPECT_EQ(double(record().*facilityInfiltrationVolumes()[static_cast<std::size_t>(i)]), rows[i]) << i;
    EXPECT_EQ(double(record().totalInfiltrationFc), expected);
    EXPECT_EQ(f11().lbl6->text(), QString::fromStdString(formatDigits(expected, "0.000")));
    EXPECT_EQ(f11().lbl9->text(), isAdequate(45.0, expected) ? QStringLiteral("∴ O.K") : QStringLiteral("∴ NG"));
    for (int n = 1; n <= 5; ++n)
        EXPECT_NE(loadedDialogOf(app(), n), nullptr) << n; // filled dialogs stay loaded
}

TEST_F(CalculationRun, CloseDiscardsEveryFacilityDialog)
{
    for (int n = 1; n <= 6; ++n)
        dialogOf(app(), n);
    platform_->queueAnswer(Answer::Ok);
    mainWindow().Men_FCls->trigger();
    for (int n = 1; n <= 6; ++n)
        EXPECT_EQ(loadedDialogOf(app(), n), nullptr) << n;
}

} // namespace akuenza::test
