#include "core/conditions/hydrology.h"

#include "core/record/lenient_number.h"

#include <cmath>

namespace akuenza {

namespace {

double number(const std::string& text) { return lenientNumber(text); }

// Writes a derived value only when it is a number; an undefined one leaves
// the field as it was.
bool storeIfFinite(CaseNumber& field, double value)
{
    if (!std::isfinite(value))
        return false;
    field = value;
    return true;
}

RainfallOutcome refuse(const char* message, RainfallEntry focus,
                       RainfallFollowUp followUp = RainfallFollowUp::None)
{
    return {false, message, focus, followUp, 0.0};
}

} // namespace

// ------------------------------------------------------------ the formulas

bool usesExponentConstants(RainfallFormula formula)
{
    return formula == RainfallFormula::Five || formula == RainfallFormula::Six;
}

double rainfallDenominator(RainfallFormula formula, double b, double c, double d, double t)
{
    switch (formula) {
    case RainfallFormula::One: return t + b;
    case RainfallFormula::Two: return std::sqrt(t) + b;
    case RainfallFormula::Three: return std::sqrt(t) - b;
    case RainfallFormula::Four: return std::pow(t, b);
    case RainfallFormula::Five: return std::pow(t, d / c) + b;
    case RainfallFormula::Six: return std::pow(t, d / c) - b;
    }
    return std::nan("");
}

double rainfallIntensity(RainfallFormula formula, double a, double b, double c, double d, double t)
{
    return a / rainfallDenominator(formula, b, c, d, t);
}

double flowTimeByVelocity(double L, double V) { return L / (60.0 * V); }

double channelFlowTime(ChannelDevelopment development, double L, double i)
{
    switch (development) {
    case ChannelDevelopment::Before: return 0.83 * L / std::pow(i, 0.6);
    case ChannelDevelopment::After: return 0.36 * L / std::pow(i, 0.5);
    case ChannelDevelopment::None: break;
    }
    return std::nan("");
}

double kerbyInletTime(double L, double S, double n)
{
    return std::pow((2.0 / 3.0 * 3.28) * (L * n) / std::sqrt(S / 1000.0), 0.467);
}

// ------------------------------------------- rainfall intensity and arrival time

void storeRainfallEntries(DesignCase& record, const RainfallEntries& e)
{
    record.rainConstantA = number(e.a);
    record.rainConstantB = number(e.b);
    record.inletTimeT1 = number(e.inletTime);
    record.drainLengthL = number(e.drainLength);
    record.flowVelocityV = number(e.velocity);
    record.rainConstantC = number(e.c);
    record.rainConstantD = number(e.d);
    record.channelLengthL = number(e.channelLength);
    record.channelSlopeI = number(e.channelSlope);

    if (e.arrival == ArrivalMethod::Direct)
        record.arrivalTimeT = number(e.arrivalTime);
    if (e.arrival != ArrivalMethod::Computed)
        return;

    if (e.flow == FlowMethod::Direct) {
        record.flowTimeT2 = number(e.flowTime);
    } else if (e.flow == FlowMethod::Computed && !e.ibaraki) {
        if (!storeIfFinite(record.flowTimeT2, flowTimeByVelocity(record.drainLengthL, record.flowVelocityV)))
            return;
    } else if (e.flow == FlowMethod::Computed && e.development != ChannelDevelopment::None) {
        if (!storeIfFinite(record.flowTimeT2,
                           channelFlowTime(e.development, record.channelLengthL, record.channelSlopeI)))
            return;
    }
    storeIfFinite(record.arrivalTimeT, record.flowTimeT2 + record.inletTimeT1);
}

void storeRainfallIntensity(DesignCase& record, std::optional<RainfallFormula> formula)
{
    if (!formula)
        return;
    storeIfFinite(record.rainfallIntensityI,
                  rainfallIntensity(*formula, record.rainConstantA, record.rainConstantB, record.rainConstantC,
                                    record.rainConstantD, record.arrivalTimeT));
}

namespace {

// The checks of emptiness and choice, in their fixed order.
std::optional<RainfallOutcome> checkRainfallEntries(const RainfallEntries& e)
{
    if (!e.formula)
        return refuse("降雨強度式を選択してください。", RainfallEntry::None, RainfallFollowUp::ChooseFormulaOne);
    if (e.a.empty())
        return refuse("定数ａを入力してください。", RainfallEntry::ConstantA);
    if (e.b.empty())
        return refuse("定数ｂを入力してください。", RainfallEntry::ConstantB);
    if (usesExponentConstants(*e.formula)) {
        if (e.c.empty())
            return refuse("定数ｃを入力してください。", RainfallEntry::ConstantC);
        if (e.d.empty())
            return refuse("定数ｄを入力してください。", RainfallEntry::ConstantD);
    }
    if (e.arrival == ArrivalMethod::None)
        return refuse("到達時間の計算方法を選択してください。", RainfallEntry::None);
    if (e.arrival == ArrivalMethod::Direct) {
        if (e.arrivalTime.empty())
            return refuse("到達時間を入力してください。", RainfallEntry::ArrivalTime);
        return std::nullopt;
    }
    if (e.inlet == InletMethod::None)
        return refuse("流入時間の計算方法を選択してください。", RainfallEntry::None);
    if (e.inletTime.empty())
        return refuse("流入時間を入力してください。", RainfallEntry::InletTime);
    if (e.flow == FlowMethod::None)
        return refuse("流下時間の計算方法を選択してください。", RainfallEntry::None);
    if (e.flow == FlowMethod::Direct && e.flowTime.empty())
        return refuse("流下時間を入力してください。", RainfallEntry::FlowTime);
    if (e.flow == FlowMethod::Computed && e.drainLengthShown) {
        if (e.drainLength.empty())
            return refuse("排水施設延長距離を入力してください。", RainfallEntry::DrainLength);
        if (e.velocity.empty())
            return refuse("流速を仮定又は計算してください。", RainfallEntry::VelocityAssumed);
    }
    if (e.flow == FlowMethod::Computed && !e.drainLengthShown && e.channelLength.empty())
        return refuse("流下時間の項目を入力してください。", RainfallEntry::None, RainfallFollowUp::ShowChannelDialog);
    return std::nullopt;
}

// The flow time the chosen method gives, or the refusal of entries for which
// it is undefined.
std::optional<RainfallOutcome> checkFlowTime(const DesignCase& record, const RainfallEntries& e, double& t2)
{
    t2 = record.flowTimeT2;
    if (e.flow == FlowMethod::Direct) {
        t2 = number(e.flowTime);
    } else if (e.flow == FlowMethod::Computed && !e.ibaraki) {
        if (record.flowVelocityV == 0.0)
            return refuse("流速が０のため流下時間を計算できません。流速を入力してください。",
                          RainfallEntry::Velocity);
        t2 = flowTimeByVelocity(record.drainLengthL, record.flowVelocityV);
        if (!std::isfinite(t2))
            return refuse("流下時間を計算できません。排水施設延長距離及び流速を確認してください。",
                          RainfallEntry::DrainLength);
    } else if (e.flow == FlowMethod::Computed && e.development != ChannelDevelopment::None) {
        if (record.channelSlopeI <= 0.0)
            return refuse("河道の勾配が０又は負のため流下時間を計算できません。河道の勾配を入力してください。",
                          RainfallEntry::ChannelSlope, RainfallFollowUp::ShowChannelDialog);
        t2 = channelFlowTime(e.development, record.channelLengthL, record.channelSlopeI);
        if (!std::isfinite(t2))
            return refuse("流下時間を計算できません。河道延長及び河道の勾配を確認してください。",
                          RainfallEntry::ChannelLength, RainfallFollowUp::ShowChannelDialog);
    }
    return std::nullopt;
}

// Refuses entries for which the chosen formula has no value.
std::optional<RainfallOutcome> checkIntensity(const DesignCase& record, const RainfallEntries& e, double t)
{
    const RainfallFormula formula = *e.formula;
    if (usesExponentConstants(formula) && record.rainConstantC == 0.0)
        return refuse("定数ｃが０のため降雨強度を計算できません。定数ｃを入力してください。",
                      RainfallEntry::ConstantC);
    const double denominator =
        rainfallDenominator(formula, record.rainConstantB, record.rainConstantC, record.rainConstantD, t);
    if (std::isnan(denominator))
        return refuse("到達時間が負のため降雨強度を計算できません。到達時間を確認してください。",
                      e.arrival == ArrivalMethod::Direct ? RainfallEntry::ArrivalTime : RainfallEntry::InletTime);
    if (denominator == 0.0)
        return refuse("降雨強度式の分母が０になります。定数ｂ又は到達時間を確認してください。",
                      RainfallEntry::ConstantB);
    if (!std::isfinite(record.rainConstantA / denominator))
        return refuse("降雨強度を計算できません。定数及び到達時間を確認してください。", RainfallEntry::ConstantA);
    return std::nullopt;
}

} // namespace

RainfallOutcome confirmRainfall(DesignCase& record, const RainfallEntries& e)
{
    storeRainfallEntries(record, e);
    if (auto refusal = checkRainfallEntries(e))
        return *refusal;

    double t = number(e.arrivalTime);
    if (e.arrival == ArrivalMethod::Computed) {
        double t2 = 0.0;
        if (auto refusal = checkFlowTime(record, e, t2))
            return *refusal;
        t = t2 + record.inletTimeT1;
        if (!std::isfinite(t))
            return refuse("到達時間を計算できません。流入時間及び流下時間を確認してください。",
                          RainfallEntry::InletTime);
    }
    if (auto refusal = checkIntensity(record, e, t))
        return *refusal;

    storeRainfallEntries(record, e);
    storeRainfallIntensity(record, e.formula);
    RainfallOutcome accepted;
    accepted.accepted = true;
    accepted.intensity = record.rainfallIntensityI;
    return accepted;
}

// -------------------------------------------------- flow time by river channel

ChannelOutcome confirmChannel(const ChannelEntries& e)
{
    if (e.development == ChannelDevelopment::None)
        return {false, "開発の前または後を選択してください。", ChannelEntry::Development};
    if (e.length.empty())
        return {false, "河道延長を入力してください。", ChannelEntry::Length};
    if (e.slope.empty())
        return {false, "河道の勾配を入力してください。", ChannelEntry::Slope};
    const double i = number(e.slope);
    if (i <= 0.0)
        return {false, "河道の勾配が０又は負のため流下時間を計算できません。河道の勾配を入力してください。",
                ChannelEntry::Slope};
    if (!std::isfinite(channelFlowTime(e.development, number(e.length), i)))
        return {false, "流下時間を計算できません。河道延長及び河道の勾配を確認してください。",
                ChannelEntry::Length};
    return {true, {}, ChannelEntry::None};
}

// ------------------------------------------------------ inlet time by Kerby

InletTimeOutcome confirmInletTime(DesignCase& record, const InletTimeEntries& e)
{
    record.slopeLengthL = number(e.slopeLength);
    record.slopeGradientS = number(e.slopeGradient);
    record.retardanceN = number(e.retardance);

    auto refuseEntry = [](const char* message, InletTimeEntry focus) {
        return InletTimeOutcome{false, message, focus, 0.0};
    };
    if (e.slopeLength.empty())
        return refuseEntry("斜面距離をしてください。", InletTimeEntry::SlopeLength);
    if (e.slopeGradient.empty())
        return refuseEntry("斜面勾配を入力してください。", InletTimeEntry::SlopeGradient);
    if (e.retardance.empty())
        return refuseEntry("遅滞係数を入力してください。", InletTimeEntry::Retardance);

    const double L = record.slopeLengthL;
    const double S = record.slopeGradientS;
    const double n = record.retardanceN;
    if (S <= 0.0)
        return refuseEntry("斜面勾配が０又は負のため流入時間を計算できません。斜面勾配を入力してください。",
                           InletTimeEntry::SlopeGradient);
    if (L * n < 0.0)
        return refuseEntry("斜面距離又は遅滞係数が負のため流入時間を計算できません。斜面距離及び遅滞係数を確認してください。",
                           L < 0.0 ? InletTimeEntry::SlopeLength : InletTimeEntry::Retardance);
    const double t1 = kerbyInletTime(L, S, n);
    if (!std::isfinite(t1))
        return refuseEntry("流入時間を計算できません。斜面距離、斜面勾配及び遅滞係数を確認してください。",
                           InletTimeEntry::SlopeLength);

    record.inletTimeT1 = t1;
    return {true, {}, InletTimeEntry::None, t1};
}

// ------------------------------------------- runoff coefficient by weighted average

void storeLandUseRows(DesignCase& record, const LandUseRows& rows)
{
    std::string* const names[6] = {&record.landUseName1, &record.landUseName2, &record.landUseName3,
                                   &record.landUseName4, &record.landUseName5, &record.landUseName6};
    CaseNumber* const coefficients[6] = {&record.landUseC1, &record.landUseC2, &record.landUseC3,
                                         &record.landUseC4, &record.landUseC5, &record.landUseC6};
    CaseNumber* const areas[6] = {&record.landUseA1, &record.landUseA2, &record.landUseA3,
                                  &record.landUseA4, &record.landUseA5, &record.landUseA6};
    for (std::size_t row = 0; row < rows.size(); ++row) {
        *names[row] = rows[row].name;
        *coefficients[row] = number(rows[row].coefficient);
        *areas[row] = number(rows[row].area);
    }
}

std::optional<WeightedRunoff> weightedRunoff(const DesignCase& r)
{
    const double A = r.landUseA1 + r.landUseA2 + r.landUseA3 + r.landUseA4 + r.landUseA5 + r.landUseA6;
    const double weighted = r.landUseC1 * r.landUseA1 + r.landUseC2 * r.landUseA2 + r.landUseC3 * r.landUseA3 +
                            r.landUseC4 * r.landUseA4 + r.landUseC5 * r.landUseA5 + r.landUseC6 * r.landUseA6;
    const double C = weighted / A;
    if (!std::isfinite(A) || !std::isfinite(C))
        return std::nullopt;
    return WeightedRunoff{A, C};
}

std::optional<WeightedRunoff> storeWeightedRunoff(DesignCase& record)
{
    const std::optional<WeightedRunoff> result = weightedRunoff(record);
    if (result) {
        record.countermeasureAreaA = result->area;
        record.runoffCoefficientC = result->coefficient;
    }
    return result;
}

RunoffOutcome confirmRunoff(DesignCase& record, const LandUseRows& rows)
{
    storeLandUseRows(record, rows);
    auto refuseEntry = [](const char* message, RunoffEntry focus) {
        return RunoffOutcome{false, message, focus, {}};
    };
    if (rows[0].name.empty())
        return refuseEntry("土地利用形態を入力してください。", RunoffEntry::Name1);
    if (record.landUseC1 == 0.0)
        return refuseEntry("流出係数を入力してください。", RunoffEntry::Coefficient1);
    if (record.landUseA1 == 0.0)
        return refuseEntry("対策面積を入力してください。", RunoffEntry::Area1);

    const double total = record.landUseA1 + record.landUseA2 + record.landUseA3 + record.landUseA4 +
                         record.landUseA5 + record.landUseA6;
    if (total == 0.0)
        return refuseEntry("対策面積の合計が０のため流出係数を計算できません。対策面積を確認してください。",
                           RunoffEntry::Area1);
    const std::optional<WeightedRunoff> result = storeWeightedRunoff(record);
    if (!result)
        return refuseEntry("流出係数を計算できません。流出係数及び対策面積を確認してください。",
                           RunoffEntry::Coefficient1);
    return {true, {}, RunoffEntry::None, *result};
}

} // namespace akuenza
