// The hydrological formulas and the OK procedures of the hydrology dialogs:
// values to the printed digit, the order of the checks, and that no entry
// can bring an undefined number into the record.
#include "core/conditions/hydrology.h"
#include "core/record/digit_format.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace akuenza;

namespace {

// Rainfall entries with a formula, its constants and a typed arrival time.
RainfallEntries directTime(RainfallFormula formula, const char* a, const char* b, const char* t, const char* c = "",
                           const char* d = "")
{
    RainfallEntries e;
    e.formula = formula;
    e.a = a;
    e.b = b;
    e.c = c;
    e.d = d;
    e.arrival = ArrivalMethod::Direct;
    e.arrivalTime = t;
    return e;
}

// t = t1 + t2 with t2 = L / (60 V).
RainfallEntries byVelocity(const char* t1, const char* L, const char* V)
{
    RainfallEntries e = directTime(RainfallFormula::One, "1000", "40", "");
    e.arrival = ArrivalMethod::Computed;
    e.inlet = InletMethod::Direct;
    e.inletTime = t1;
    e.flow = FlowMethod::Computed;
    e.drainLength = L;
    e.velocity = V;
    return e;
}

RainfallEntries byChannel(ChannelDevelopment development, const char* L, const char* i)
{
    RainfallEntries e = byVelocity("5", "", "");
    e.ibaraki = true;
    e.drainLengthShown = false;
    e.development = development;
    e.channelLength = L;
    e.channelSlope = i;
    return e;
}

} // namespace

TEST(RainfallFormulas, EachFormulaAsWritten)
{
    EXPECT_DOUBLE_EQ(rainfallIntensity(RainfallFormula::One, 1000, 40, 0, 0, 10), 20.0);
    EXPECT_DOUBLE_EQ(rainfallIntensity(RainfallFormula::Two, 1000, 5, 0, 0, 25), 100.0);
    EXPECT_DOUBLE_EQ(rainfallIntensity(RainfallFormula::Three, 1000, 5, 0, 0, 100), 200.0);
    EXPECT_DOUBLE_EQ(rainfallIntensity(RainfallFormula::Four, 5000, 0.5, 0, 0, 25), 1000.0);
    EXPECT_EQ(formatDigits(rainfallIntensity(RainfallFormula::Four, 5000, 0.5, 0, 0, 25), "0.0"), "1000.0");
    // ⑤ and ⑥ raise t to d/c: with c = 4 and d = 3, 16^0.75 = 8.
    EXPECT_DOUBLE_EQ(rainfallIntensity(RainfallFormula::Five, 800, 2, 4, 3, 16), 80.0);
    EXPECT_NEAR(rainfallIntensity(RainfallFormula::Six, 800, 2, 4, 3, 16), 800.0 / 6.0, 1e-12);
    EXPECT_FALSE(usesExponentConstants(RainfallFormula::Four));
    EXPECT_TRUE(usesExponentConstants(RainfallFormula::Six));
}

TEST(RainfallFormulas, FlowAndInletTimes)
{
    EXPECT_DOUBLE_EQ(flowTimeByVelocity(600, 1.0), 10.0);
    EXPECT_EQ(formatDigits(channelFlowTime(ChannelDevelopment::Before, 1, 0.01), "0.0#"), "13.15");
    EXPECT_NEAR(channelFlowTime(ChannelDevelopment::After, 1, 0.01), 3.6, 1e-12);
    // Kerby: 2/3 x 3.28 x 100 x 0.40 / √0.01 = 874.67, ^0.467 = 23.65.
    EXPECT_EQ(formatDigits(kerbyInletTime(100, 10, 0.40), "0.0#"), "23.65");
}

TEST(RainfallProcedures, ChecksComeInTheirOrderAndTheChannelMessageIsComplete)
{
    DesignCase record;
    RainfallEntries e;
    auto expectRefusal = [&](const char* message, RainfallEntry focus) {
        const RainfallOutcome out = confirmRainfall(record, e);
        EXPECT_FALSE(out.accepted);
        EXPECT_EQ(out.message, message);
        EXPECT_EQ(out.focus, focus);
        return out;
    };
    EXPECT_EQ(expectRefusal("降雨強度式を選択してください。", RainfallEntry::None).followUp,
              RainfallFollowUp::ChooseFormulaOne);
    e.formula = RainfallFormula::Five;
    expectRefusal("定数ａを入力してください。", RainfallEntry::ConstantA);
    e.a = "5000";
    expectRefusal("定数ｂを入力してください。", RainfallEntry::ConstantB);
    e.b = "40";
    expectRefusal("定数ｃを入力してください。", RainfallEntry::ConstantC);
    e.c = "4";
    expectRefusal("定数ｄを入力してください。", RainfallEntry::ConstantD);
    e.d = "3";
    expectRefusal("到達時間の計算方法を選択してください。", RainfallEntry::None);
    e.arrival = ArrivalMethod::Computed;
    expectRefusal("流入時間の計算方法を選択してください。", RainfallEntry::None);
    e.inlet = InletMethod::Kerby;
    expectRefusal("流入時間を入力してください。", RainfallEntry::InletTime);
    e.inletTime = "5";
    expectRefusal("流下時間の計算方法を選択してください。", RainfallEntry::None);
    e.flow = FlowMethod::Direct;
    expectRefusal("流下時間を入力してください。", RainfallEntry::FlowTime);
    e.flow = FlowMethod::Computed;
    expectRefusal("排水施設延長距離を入力してください。", RainfallEntry::DrainLength);
    e.drainLength = "600";
    expectRefusal("流速を仮定又は計算してください。", RainfallEntry::VelocityAssumed);
    e.drainLengthShown = false;
    e.ibaraki = true;
    EXPECT_EQ(expectRefusal("流下時間の項目を入力してください。", RainfallEntry::None).followUp,
              RainfallFollowUp::ShowChannelDialog);

    // A typed t needs nothing of the t1 + t2 sections.
    RainfallEntries direct = directTime(RainfallFormula::One, "1000", "40", "");
    const RainfallOutcome missing = confirmRainfall(record, direct);
    EXPECT_EQ(missing.message, "到達時間を入力してください。");
    direct.arrivalTime = "10";
    EXPECT_TRUE(confirmRainfall(record, direct).accepted);
    EXPECT_DOUBLE_EQ(record.rainfallIntensityI, 20.0);
}

// Every undefined formula is refused at OK, pointing at what to correct,
// and leaves I and the derived times as they were.
TEST(RainfallProcedures, UndefinedEntriesAreRefusedAndNothingUndefinedIsStored)
{
    struct Case {
        const char* what;
        RainfallEntries entries;
        RainfallEntry focus;
        const char* message;
    };
    const char* const zeroDenominator = "降雨強度式の分母が０になります。定数ｂ又は到達時間を確認してください。";
    const char* const negativeTime = "到達時間が負のため降雨強度を計算できません。到達時間を確認してください。";
    RainfallEntries negativeSum = byVelocity("-20", "600", "1.0");
    negativeSum.formula = RainfallFormula::Two;
    const Case cases[] = {
        {"t + b = 0", directTime(RainfallFormula::One, "1000", "-10", "10"), RainfallEntry::ConstantB,
         zeroDenominator},
        {"√t = b", directTime(RainfallFormula::Three, "1000", "5", "25"), RainfallEntry::ConstantB, zeroDenominator},
        {"t^b = 0", directTime(RainfallFormula::Four, "1000", "0.5", "0"), RainfallEntry::ConstantB,
         zeroDenominator},
        {"t^(d/c) = -b", directTime(RainfallFormula::Five, "800", "-8", "16", "4", "3"), RainfallEntry::ConstantB,
         zeroDenominator},
        {"c = 0", directTime(RainfallFormula::Six, "800", "2", "0.5", "0", "3"), RainfallEntry::ConstantC,
         "定数ｃが０のため降雨強度を計算できません。定数ｃを入力してください。"},
        {"root of a negative t", directTime(RainfallFormula::Two, "1000", "5", "-4"), RainfallEntry::ArrivalTime,
         negativeTime},
        {"fractional power of a negative t", directTime(RainfallFormula::Five, "800", "2", "-16", "4", "3"),
         RainfallEntry::ArrivalTime, negativeTime},
        {"negative t1 + t2 under a root", negativeSum, RainfallEntry::InletTime, negativeTime},
        {"V = 0", byVelocity("5", "600", "0"), RainfallEntry::Velocity,
         "流速が０のため流下時間を計算できません。流速を入力してください。"},
        {"i = 0", byChannel(ChannelDevelopment::Before, "1", "0"), RainfallEntry::ChannelSlope,
         "河道の勾配が０又は負のため流下時間を計算できません。河道の勾配を入力してください。"},
        {"i < 0", byChannel(ChannelDevelopment::After, "1", "-0.01"), RainfallEntry::ChannelSlope,
         "河道の勾配が０又は負のため流下時間を計算できません。河道の勾配を入力してください。"},
        {"I beyond the numbers", directTime(RainfallFormula::One, "1e308", "1e-300", "0"),
         RainfallEntry::ConstantA, "降雨強度を計算できません。定数及び到達時間を確認してください。"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        DesignCase record;
        record.rainfallIntensityI = 42.0;
        record.flowTimeT2 = 3.0;
        record.arrivalTimeT = 8.0;
        const RainfallOutcome out = confirmRainfall(record, c.entries);
        EXPECT_FALSE(out.accepted);
        EXPECT_EQ(out.message, c.message);
        EXPECT_EQ(out.focus, c.focus);
        EXPECT_EQ(record.rainfallIntensityI, 42.0);
        EXPECT_TRUE(std::isfinite(record.flowTimeT2));
        EXPECT_TRUE(std::isfinite(record.arrivalTimeT));
    }
}

TEST(RainfallProcedures, KeisanWithoutChecksKeepsUndefinedTimesAndIntensityOut)
{
    DesignCase record;
    record.flowTimeT2 = 3.0;
    record.arrivalTimeT = 8.0;
    record.rainfallIntensityI = 42.0;
    storeRainfallEntries(record, byVelocity("5", "600", ""));
    EXPECT_EQ(record.flowTimeT2, 3.0);
    EXPECT_EQ(record.arrivalTimeT, 8.0);
    EXPECT_EQ(record.drainLengthL, 600.0); // the entries themselves are stored
    storeRainfallEntries(record, directTime(RainfallFormula::One, "1000", "-10", "10"));
    storeRainfallIntensity(record, RainfallFormula::One);
    EXPECT_EQ(record.rainfallIntensityI, 42.0);
    storeRainfallIntensity(record, std::nullopt);
    EXPECT_EQ(record.rainfallIntensityI, 42.0);
}

TEST(InletTimeProcedure, ChecksStoresAndRefusesUndefinedSlopes)
{
    DesignCase record;
    InletTimeEntries e;
    EXPECT_EQ(confirmInletTime(record, e).message, "斜面距離をしてください。");
    e.slopeLength = "100";
    EXPECT_EQ(confirmInletTime(record, e).focus, InletTimeEntry::SlopeGradient);
    e.slopeGradient = "0";
    EXPECT_EQ(confirmInletTime(record, e).message, "遅滞係数を入力してください。");
    e.retardance = "0.40";
    InletTimeOutcome out = confirmInletTime(record, e);
    EXPECT_EQ(out.message, "斜面勾配が０又は負のため流入時間を計算できません。斜面勾配を入力してください。");
    EXPECT_EQ(out.focus, InletTimeEntry::SlopeGradient);
    EXPECT_FALSE(record.inletTimeT1.isSet());
    EXPECT_DOUBLE_EQ(record.retardanceN, 0.40); // stored before the checks

    e.slopeGradient = "10";
    e.retardance = "-0.4";
    out = confirmInletTime(record, e);
    EXPECT_FALSE(out.accepted);
    EXPECT_EQ(out.focus, InletTimeEntry::Retardance);
    EXPECT_FALSE(record.inletTimeT1.isSet());

    e.retardance = "0.40";
    out = confirmInletTime(record, e);
    ASSERT_TRUE(out.accepted);
    EXPECT_EQ(formatDigits(record.inletTimeT1, "0.0#"), "23.65");
}

TEST(WeightedRunoff, EmptyCoefficientsAndAreasCountAsZeroAndAZeroTotalIsRefused)
{
    DesignCase record;
    LandUseRows rows{};
    rows[0] = {"屋　根", "0.9", "500"};
    rows[1] = {"", "", "1000"}; // an area without a coefficient lowers C
    ASSERT_TRUE(confirmRunoff(record, rows).accepted);
    EXPECT_DOUBLE_EQ(record.runoffCoefficientC, 0.3);
    rows[1] = {"道　路", "0.5", ""}; // a coefficient without an area adds nothing
    ASSERT_TRUE(confirmRunoff(record, rows).accepted);
    EXPECT_DOUBLE_EQ(record.runoffCoefficientC, 0.9);
    EXPECT_DOUBLE_EQ(record.countermeasureAreaA, 500.0);

    rows[1] = {"", "0.5", "-500"};
    const RunoffOutcome out = confirmRunoff(record, rows);
    EXPECT_EQ(out.focus, RunoffEntry::Area1);
    EXPECT_DOUBLE_EQ(record.runoffCoefficientC, 0.9);
    EXPECT_DOUBLE_EQ(record.landUseA2, -500.0); // the rows are stored all the same
}
