// The calculation run without a window: the checks in their order with the
// control to correct, Q1 or the increased Q1 against ΣFc, the empty kinds,
// the dialogs discarded, the well, and results beyond the range of numbers.
#include "core/facilities/calculation_run.h"

#include "core/facilities/adequacy.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <functional>
#include <tuple>

using namespace akuenza;

namespace {

// A complete case: C 0.9, A 1000 m2, I 50 mm/hr (Q1 = 45), fine sand, one
// square basin W 0.5, H 1.0, N 2 (Fc = 6.0619266).
RunEntries squareBasinCase(const std::string& pieces = "2")
{
    RunEntries e;
    ConditionEntries& c = e.conditions;
    c.optU1 = true;
    c.txtC = "0.9";
    c.txtA = "1000";
    c.txtI = "50";
    c.opt7 = true;
    c.soilListIndex = 3;
    c.soilText = "細砂";
    c.txtCf = "0.81";
    c.facility[0] = true;
    e.dialogs[0] = {true, {"0.5", "1.0", pieces, "", "", "", "", "", "", "", "", ""}};
    return e;
}

RunEntries wellCase()
{
    RunEntries e;
    ConditionEntries& c = e.conditions;
    c.txtC = "0.9";
    c.txtA = "1000";
    c.txtI = "60";
    c.chkT = true;
    c.txtT = "ローム";
    c.txtTk = "0.05";
    c.facility[5] = true;
    e.dialogs[5] = {true, {"2.0", "3.5", "5", "", "", ""}};
    return e;
}

FocusTarget onForm1(const char* control) { return {0, control}; }

} // namespace

TEST(CalculationRun, ChecksStopAtTheFirstGapWithItsMessageAndControl)
{
    struct Step {
        std::function<void(ConditionEntries&)> change;
        const char* message;
        FocusTarget focus;
    };
    const std::vector<Step> steps = {
        {[](auto& c) { c.txtC = "abc"; }, "流出係数を入力又は計算してください。", onForm1("txt_c")},
        {[](auto& c) { c.txtA = ""; }, "施設の分担する対策面積を入力してください。", onForm1("txt_a")},
        {[](auto& c) { c.txtI = "0.0"; }, "降雨強度を入力又は計算してください。", onForm1("txt_i")},
        {[](auto& c) { c.opt7 = false; }, "計画雨水量の割増しの計算方法を選択してください。", onForm1("opt7")},
        {[](auto& c) {
             c.opt7 = false;
             c.opt8 = true;
         },
         "計画雨水量の割増しを入力してください。", onForm1("txt1")},
        {[](auto& c) {
             c.chkT = true;
             c.soilListIndex = -1;
         },
         "土質の名称を入力してください。", onForm1("txt_t")},
        {[](auto& c) {
             c.chkT = true;
             c.txtT = "ローム";
         },
         "土質の飽和透水係数を入力してください。", onForm1("txt_tk")},
        {[](auto& c) { c.soilText = ""; }, "土質を選択してください。", onForm1("cbo1")},
        {[](auto& c) { c.txtCf = ""; }, "各種影響係数を入力してください。", onForm1("txt_cf")},
        {[](auto& c) { c.optU1 = false; }, "対策雨水量の計算方法を選択してください。", onForm1("opt_u1")},
        {[](auto& c) {
             c.optU1 = false;
             c.optU2 = true;
             c.txtC = c.txtA = c.txtI = "";
         },
         "対策雨水量を入力してください。", onForm1("txt_u")},
    };
    for (std::size_t i = 0; i < steps.size(); ++i) {
        SCOPED_TRACE(i);
        RunEntries e = squareBasinCase();
        steps[i].change(e.conditions);
        DesignCase rec;
        const RunOutcome outcome = calculationRun(rec, e);
        ASSERT_TRUE(outcome.failed);
        EXPECT_EQ(outcome.failed->message, steps[i].message);
        EXPECT_EQ(outcome.failed->focus, steps[i].focus);
        EXPECT_FALSE(outcome.failed->clearsResults);
        EXPECT_FALSE(rec.countermeasureRainwaterQ1.isSet()); // nothing computed
    }
}

TEST(CalculationRun, TheEntriesReachTheRecordBeforeTheChecks)
{
    RunEntries e = squareBasinCase();
    e.conditions.txtC = "0.75";
    e.conditions.txtA = "";
    e.conditions.chkT = true;
    e.conditions.txtT = "ローム";
    e.conditions.txtTk = "0.002";
    DesignCase rec;
    ASSERT_FALSE(calculationRun(rec, e).ok());
    EXPECT_EQ(double(rec.runoffCoefficientC), 0.75);
    EXPECT_EQ(rec.soilName, "ローム");
    EXPECT_EQ(double(rec.soilConductivityKo), 0.002);
}

TEST(CalculationRun, WithNoFacilityTheSquareBasinIsChosenForTheEngineer)
{
    RunEntries e = squareBasinCase();
    e.conditions.facility = {};
    DesignCase rec;
    const RunOutcome outcome = calculationRun(rec, e);
    ASSERT_TRUE(outcome.failed);
    EXPECT_EQ(outcome.failed->message, "使用する浸透施設の種類を選択してください。");
    EXPECT_TRUE(outcome.failed->chooseSquareBasin);
    EXPECT_FALSE(outcome.failed->focus);
}

TEST(CalculationRun, AdequateAndInadequateCasesShowTheirVerdict)
{
    DesignCase rec;
    RunOutcome ok = calculationRun(rec, squareBasinCase("10")); // ΣFc 30.3 < 45: NG
    ASSERT_TRUE(ok.ok());
    ASSERT_TRUE(ok.display.comparison);
    const Comparison& ng = *ok.display.comparison;
    EXPECT_EQ(ng.q1, "45.000");
    EXPECT_EQ(ng.total, "30.310");
    EXPECT_EQ(ng.sign, "＞");
    EXPECT_EQ(ng.verdict, "∴ NG");
    EXPECT_FALSE(ng.adequate);
    EXPECT_EQ(ng.factor, "");
    EXPECT_EQ(*ok.display.status, "計画雨水量(Q1)が施設の総浸透量(FC)を超えています。");

    const RunOutcome enough = calculationRun(rec, squareBasinCase("16"));
    const Comparison& c = *enough.display.comparison;
    EXPECT_EQ(c.total, "48.495");
    EXPECT_EQ(c.verdict, "∴ O.K");
    EXPECT_EQ(c.sign, "＜");
    EXPECT_EQ(*enough.display.status, "");
    EXPECT_FALSE(enough.display.wellDepth);
}

TEST(CalculationRun, Q1EqualToTheTotalIsAdequate)
{
    DesignCase rec;
    calculationRun(rec, squareBasinCase());
    const double total = rec.totalInfiltrationFc;
    // A direct Q1 typed as the total, digit for digit.
    char digits[64];
    const auto end = std::to_chars(digits, digits + sizeof digits, total).ptr;
    RunEntries e = squareBasinCase();
    e.conditions.optU1 = false;
    e.conditions.optU2 = true;
    e.conditions.txtU.assign(digits, end);
    const RunOutcome outcome = calculationRun(rec, e);
    ASSERT_EQ(double(rec.countermeasureRainwaterQ1), total);
    ASSERT_TRUE(outcome.ok());
    EXPECT_EQ(outcome.display.comparison->sign, "＜");
    EXPECT_EQ(outcome.display.comparison->verdict, "∴ O.K");
    EXPECT_TRUE(outcome.display.comparison->adequate);
}

TEST(CalculationRun, TheIncreaseMultipliesQ1BeforeTheComparison)
{
    RunEntries e = squareBasinCase("16"); // ΣFc 48.495
    e.conditions.opt7 = false;
    e.conditions.opt8 = true;
    e.conditions.txt1 = "25";
    DesignCase rec;
    const RunOutcome outcome = calculationRun(rec, e);
    const Comparison& c = *outcome.display.comparison;
    EXPECT_EQ(c.factor, "1.25");
    EXPECT_EQ(c.times, "×");
    EXPECT_EQ(c.q1, "56.250"); // 1.25 x 45
    EXPECT_EQ(c.verdict, "∴ NG");
    EXPECT_EQ(double(rec.countermeasureRainwaterQ1), 45.0); // the record keeps the plain Q1
    EXPECT_EQ(double(rec.volumeIncreasePercent), 25.0);
    EXPECT_EQ(*outcome.display.status, "計画雨水量(Q1)が施設の総浸透量(FC)を超えています。");

    // A direct Q1 with the increase: the increased display replaces the plain one.
    e.conditions.optU1 = false;
    e.conditions.optU2 = true;
    e.conditions.txtU = "40";
    e.conditions.txt1 = "10";
    const RunOutcome direct = calculationRun(rec, e);
    EXPECT_EQ(direct.display.comparison->factor, "1.1");
    EXPECT_EQ(direct.display.comparison->q1, "44.000");
    EXPECT_EQ(direct.display.comparison->verdict, "∴ O.K");
}

TEST(CalculationRun, WithoutAnIncreaseOptionOpeningAFileKeepsTheLabels)
{
    // Opening a project file runs the computing step without the checks.
    RunEntries e = squareBasinCase();
    e.conditions.opt7 = false;
    DesignCase rec;
    copyDesignConditions(rec, e.conditions);
    const RunOutcome outcome = computeResults(rec, e);
    ASSERT_TRUE(outcome.ok());
    EXPECT_FALSE(outcome.display.comparison);
    EXPECT_FALSE(outcome.display.status);
    EXPECT_EQ(double(rec.countermeasureRainwaterQ1), 45.0);
}

TEST(CalculationRun, EmptyKindsCountZeroAndEmptyDialogsAreDiscarded)
{
    RunEntries e = squareBasinCase();
    DesignCase rec;
    rec.square22Fc = 50.0;   // stale: its width box is empty now
    rec.rect1Fc = 70.0;      // stale: its dialog is not loaded, not selected
    rec.circular11Fc = 80.0; // stale: its dialog is loaded with every key box empty
    e.dialogs[2] = {true, {"", "1", "2", "", "", "", "", "", "", "", "", ""}};
    e.conditions.facility[3] = true; // ditch and pipe chosen, dialog never opened
    const RunOutcome outcome = calculationRun(rec, e);
    ASSERT_TRUE(outcome.ok());
    EXPECT_EQ(double(rec.square22Fc), 0.0);
    EXPECT_EQ(double(rec.rect1Fc), 0.0);
    EXPECT_EQ(double(rec.circular11Fc), 0.0);
    EXPECT_NEAR(double(rec.totalInfiltrationFc), 6.0619266, 1e-12);
    EXPECT_EQ(outcome.display.discardDialogs, std::vector<int>{3});
    // The chosen dialog that was never opened read its empty boxes.
    EXPECT_TRUE(rec.ditch1W.isSet());
    EXPECT_EQ(double(rec.ditch1W), 0.0);
}

TEST(CalculationRun, TheWellChecksOnlyItsOwnConditionsAndShowsItsDepth)
{
    RunEntries e = wellCase();
    e.conditions.txtI = "";
    e.conditions.soilText = ""; // neither I nor the soil list matter for the well
    DesignCase rec;
    const RunOutcome outcome = calculationRun(rec, e);
    ASSERT_TRUE(outcome.ok()) << outcome.failed->message;
    EXPECT_EQ(*outcome.display.wellDepth, "1.5884");
    EXPECT_FALSE(outcome.display.comparison);
    EXPECT_FALSE(outcome.display.status);

    const std::vector<std::tuple<std::function<void(RunEntries&)>, const char*, FocusTarget>> gaps = {
        {[](RunEntries& r) { r.conditions.txtA = ""; }, "施設の分担する対策面積を入力してください。", onForm1("txt_a")},
        {[](RunEntries& r) { r.conditions.txtT = ""; }, "土質の名称を入力してください。", onForm1("txt_t")},
        {[](RunEntries& r) { r.conditions.txtTk = ""; }, "土質の飽和透水係数を入力してください。", onForm1("txt_tk")},
        {[](RunEntries& r) { r.dialogs[5].texts[0].assign(1, '0'); }, "浸透井の直径を入力してください。",
         FocusTarget{6, "txt1d"}},
        {[](RunEntries& r) { r.dialogs[5].texts[2] = ""; }, "浸透井の個数を入力してください。",
         FocusTarget{6, "txt1n"}},
        {[](RunEntries& r) { r.conditions.txtTk = "0.0"; }, "土質の飽和透水係数を入力してください。", onForm1("txt_tk")},
    };
    for (const auto& [change, message, focus] : gaps) {
        SCOPED_TRACE(message);
        RunEntries gap = wellCase();
        change(gap);
        const RunOutcome failed = calculationRun(rec, gap);
        ASSERT_TRUE(failed.failed);
        EXPECT_EQ(failed.failed->message, message);
        EXPECT_EQ(failed.failed->focus, focus);
    }
}

TEST(CalculationRun, ResultsBeyondTheRangeOfNumbersAreRefusedNotShown)
{
    struct Case {
        const char* what;
        std::function<void(RunEntries&)> change;
        const char* message;
        FocusTarget focus;
    };
    const std::vector<Case> cases = {
        {"Q1", [](RunEntries& r) { r.conditions.txtC = r.conditions.txtA = "1e200"; },
         "対策雨水量が計算できません。流出係数、降雨強度及び対策面積を確認してください。", onForm1("txt_c")},
        {"direct Q1", [](RunEntries& r) {
             r.conditions.optU1 = false;
             r.conditions.optU2 = true;
             r.conditions.txtU = "1e308";
             r.conditions.opt8 = true;
             r.conditions.opt7 = false;
             r.conditions.txt1 = "1e308";
         },
         "計画雨水量の割増しが大きすぎます。割増しを確認してください。", onForm1("txt1")},
        {"one kind", [](RunEntries& r) { r.dialogs[0].texts[6] = "1e200"; },
         "浸透量が計算できません。浸透施設の寸法を確認してください。", FocusTarget{1, "txt21w"}},
        {"only the sum", [](RunEntries& r) {
             // 1.5e308 and 1.7e308 m3/hr: each a number, their sum not.
             r.dialogs[0].texts = {"0.5", "1", "5e307", "0.5", "1", "5.5e307", "", "", "", "", "", ""};
         },
         "浸透量が計算できません。浸透施設の寸法を確認してください。", FocusTarget{1, "txt12w"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        RunEntries e = squareBasinCase();
        c.change(e);
        DesignCase rec;
        rec.wellEffectiveDepthH = 2.0;
        const RunOutcome outcome = calculationRun(rec, e);
        ASSERT_TRUE(outcome.failed);
        EXPECT_EQ(outcome.failed->message, c.message);
        EXPECT_EQ(outcome.failed->focus, c.focus);
        EXPECT_TRUE(outcome.failed->clearsResults);
        EXPECT_TRUE(std::isfinite(rec.countermeasureRainwaterQ1));
        EXPECT_EQ(double(rec.totalInfiltrationFc), 0.0);
        EXPECT_EQ(double(rec.wellEffectiveDepthH), 2.0); // not the well's business
    }

    // A well whose depth cannot be computed: no wells of any area.
    RunEntries well = wellCase();
    well.dialogs[5].texts = {"1e-200", "3", "1e-200", "", "", ""};
    DesignCase rec;
    const RunOutcome outcome = calculationRun(rec, well);
    ASSERT_TRUE(outcome.failed);
    EXPECT_EQ(outcome.failed->focus, (FocusTarget{6, "txt1d"}));
    EXPECT_EQ(double(rec.wellEffectiveDepthH), 0.0);
}
