#include "core/report/calculation_sheet.h"

#include "core/facilities/adequacy.h"
#include "core/facilities/calculation_run.h"
#include "core/record/cp932.h"
#include "core/record/digit_format.h"
#include "core/report/facility_blocks.h"
#include "core/report/sheet_builder.h"

#include <cmath>

namespace akuenza {

using namespace sheet_detail;

// ---- The snapshot of the windows ---------------------------------------------

bool SheetChoices::facilityChecked(int selector) const
{
    return selector >= 1 && selector <= static_cast<int>(form1.facility.size()) &&
           form1.facility[static_cast<std::size_t>(selector - 1)];
}

const std::string& SheetChoices::boxText(const FacilityFamily& family, std::size_t box) const
{
    static const std::string empty;
    if (family.selector < 1 || family.selector > static_cast<int>(boxes.size()))
        return empty;
    const BoxTexts& texts = boxes[static_cast<std::size_t>(family.selector - 1)];
    return box < texts.size() ? texts[box] : empty;
}

std::size_t Sheet::ngCount() const
{
    std::size_t n = 0;
    for (const SheetLine& line : lines)
        n += line.ng ? 1 : 0;
    return n;
}

namespace {

const std::string kIdeo(kIdeographicSpace);

std::string repeat(std::string_view piece, int times)
{
    std::string out;
    for (int i = 0; i < times; ++i)
        out += piece;
    return out;
}

// ---- Section 2: the countermeasure rainwater volume Q1 --------------------------

using D = DesignCase;
struct LandUseRow {
    std::string D::*name;
    CaseField C;
    CaseField A;
    const char* box; // the name box of the weighted-average dialog
    const char* cField;
    const char* aField;
};
const LandUseRow kLandUse[6] = {
    {&D::landUseName1, &D::landUseC1, &D::landUseA1, "txt_t1", "landUseC1", "landUseA1"},
    {&D::landUseName2, &D::landUseC2, &D::landUseA2, "txt_t2", "landUseC2", "landUseA2"},
    {&D::landUseName3, &D::landUseC3, &D::landUseA3, "txt_t3", "landUseC3", "landUseA3"},
    {&D::landUseName4, &D::landUseC4, &D::landUseA4, "txt_t4", "landUseC4", "landUseA4"},
    {&D::landUseName5, &D::landUseC5, &D::landUseA5, "txt_t5", "landUseC5", "landUseA5"},
    {&D::landUseName6, &D::landUseC6, &D::landUseA6, "txt_t6", "landUseC6", "landUseA6"},
};

// The number k of land-use rows printed: rows 1 to k have an area and rows
// k + 1 to 6 have none. 0 when the areas do not form such a leading run.
int leadingLandUseRows(const DesignCase& r)
{
    int k = 0;
    while (k < 6 && double(r.*kLandUse[k].A) != 0.0)
        ++k;
    for (int i = k; i < 6; ++i)
        if (double(r.*kLandUse[i].A) != 0.0)
            return 0;
    return k;
}

void landUseRows(SheetBuilder& b, const DesignCase& r, int k)
{
    auto entry = [&](int i) {
        const LandUseRow& row = kLandUse[i];
        b.typedText(r.*row.name, "Form16", row.box);
        return r.*row.name + "(" + b.num(r.*row.C, "0.0#", row.cField) + ")" + b.num(r.*row.A, "0.00", row.aField) +
               "m2";
    };
    for (int first = 0; first < k; first += 2) {
        const std::string left = entry(first);
        if (first + 1 < k)
            b.line(21, {left, "   ", entry(first + 1)});
        else
            b.line(21, {left});
    }
}

void weightedAverage(SheetBuilder& b, const DesignCase& r, int k)
{
    auto term = [&](int i) {
        const LandUseRow& row = kLandUse[i];
        return b.num(r.*row.C, "0.0#", row.cField) + "×" + b.num(r.*row.A, "0.00", row.aField);
    };
    auto joined = [&](int from, int to) {
        std::string out = term(from);
        for (int i = from + 1; i < to; ++i)
            out += ")＋(" + term(i);
        return out;
    };
    const std::string area = b.num(r.countermeasureAreaA, "0.00", "countermeasureAreaA");
    if (k == 1) {
        b.line(21, {"C=(", term(0), ")/", area, "=", b.num(r.runoffCoefficientC, "0.0##", "runoffCoefficientC")});
        return;
    }
    const std::string c = b.num(r.runoffCoefficientC, "0.00#", "runoffCoefficientC");
    if (k <= 3) {
        b.line(21, {"C={(", joined(0, k), ")}/", area, "=", c});
        return;
    }
    b.line(21, {"C={(", joined(0, 3), ")"});
    b.line(23, {"＋(", joined(3, k), ")}/", area, "=", c});
}

void runoffCoefficient(SheetBuilder& b, const DesignCase& r, const SheetChoices& c)
{
    if (c.form1.opt5) {
        b.line(19, {"・対策面積 A=", b.num(r.countermeasureAreaA, "0.00", "countermeasureAreaA"), "m2"});
        b.blank();
        b.line(19, {"・流出係数 C=", b.num(r.runoffCoefficientC, "0.0##", "runoffCoefficientC")});
        b.blank();
    }
    if (c.form1.opt6) {
        const int k = leadingLandUseRows(r);
        b.line(spaces(7) + repeat(kIdeo, 6), {"・対策面積(A) ( ( )は流出係数(C) )"});
        landUseRows(b, r, k);
        b.line(21, {"合計面積 A=", b.num(r.countermeasureAreaA, "0.00", "countermeasureAreaA"), "m2=",
                    b.num(r.countermeasureAreaA * 0.0001, "0.000", "countermeasureAreaA"), "ha"});
        b.blank();
        b.line(spaces(7) + repeat(kIdeo, 5) + "  ", {"・平均流出係数(C)"});
        if (k > 0)
            weightedAverage(b, r, k);
        b.blank();
    }
}

void arrivalTime(SheetBuilder& b, const DesignCase& r, const SheetChoices& c)
{
    const SheetChoices::Form12& f = c.form12;
    if (f.Option3) {
        b.line(19, {"・到達時間 t=", b.num(r.arrivalTimeT, "0.0#", "arrivalTimeT"), "min"});
        b.blank();
    }
    if (!f.Option4)
        return;
    if (f.Option1) {
        b.line(19, {"・流入時間 t1=", b.num(r.inletTimeT1, "0.0#", "inletTimeT1"), "min"});
        b.blank();
    }
    if (f.Option2) {
        b.line(19, {"・流入時間 t1=(2/3×3.28×(L･n/√S))^0.467"});
        b.line(32, {"=(2/3×3.28×(", b.num(r.slopeLengthL, "0.0#", "slopeLengthL"), "×",
                    b.num(r.retardanceN, "0.00#", "retardanceN"), "/√",
                    b.num(r.slopeGradientS / 1000.0, "0.00#", "slopeGradientS"), "))^0.467=",
                    b.num(r.inletTimeT1, "0.0#", "inletTimeT1"), "min"});
        b.line(41, {"｜ L：斜面距離(m)   S：斜面勾配", kIdeo, " n：遅滞係数"});
        b.blank();
    }
    if (f.Option5) {
        b.line(19, {"・流下時間 t2=", b.num(r.flowTimeT2, "0.0#", "flowTimeT2"), "min"});
        b.blank();
    }
    if (f.Option6 && f.Option7) {
        b.line(19, {"・流下時間 t2=L/60V=", b.num(r.drainLengthL, "0.0#", "drainLengthL"), "/(60×",
                    b.num(r.flowVelocityV, "0.00", "flowVelocityV"), ")=", b.num(r.flowTimeT2, "0.0#", "flowTimeT2"),
                    "min"});
        b.line(41, {"｜ L：管渠延長(m)     V：仮定流速(m/sec)"});
        b.blank();
    }
    if (f.chk1) {
        const char* formula = c.form22.opt1 ? "・流下時間 t2=0.83L/i^0.6=0.83×"
                              : c.form22.opt2 ? "・流下時間 t2=0.36L/i^0.5=0.36×"
                                              : nullptr;
        if (formula)
            b.line(19, {formula, b.num(r.channelLengthL, "0.00", "channelLengthL"), "/",
                        b.num(r.channelSlopeI, "0.000", "channelSlopeI"), c.form22.opt1 ? "^0.6=" : "^0.5=",
                        b.num(r.flowTimeT2, "0.00", "flowTimeT2"), "min"});
        b.line(41, {"｜ L：河道延長(km)     i：河道の勾配"});
        b.blank();
    }
    b.line(19, {"・到達時間 t=t1＋t2=", b.num(r.inletTimeT1, "0.0#", "inletTimeT1"), "＋",
                b.num(r.flowTimeT2, "0.0#", "flowTimeT2"), "=", b.num(r.arrivalTimeT, "0.0#", "arrivalTimeT"), "min"});
    b.blank();
}

// The rainfall-intensity formula line; formulas are tested in the order of
// their numbers ① to ⑥, as the rainfall dialog computes them.
void intensityFormula(SheetBuilder& b, const DesignCase& r, const SheetChoices& c, const char* mmPattern)
{
    const SheetChoices::Form12& f = c.form12;
    enum class Formula { None, Plus, RootPlus, RootMinus, Power, RatioPlus, RatioMinus };
    const Formula formula = f.opt1 ? Formula::Plus
                            : f.opt4 ? Formula::RootPlus
                            : f.opt2 ? Formula::RootMinus
                            : f.opt3 ? Formula::Power
                            : f.opt5 ? Formula::RatioPlus
                            : f.opt6 ? Formula::RatioMinus
                                     : Formula::None;
    if (formula == Formula::None)
        return;

    const std::string a = b.num(r.rainConstantA, "0.0#", "rainConstantA");
    const std::string bv = b.num(r.rainConstantB, "0.0##", "rainConstantB");
    const std::string t = b.num(r.arrivalTimeT, "0.0#", "arrivalTimeT");
    std::string middle;
    switch (formula) {
    case Formula::Plus: middle = "/(t＋" + bv + ")=" + a + "/(" + t + "＋" + bv; break;
    case Formula::RootPlus: middle = "/(√t＋" + bv + ")=" + a + "/(√" + t + "＋" + bv; break;
    case Formula::RootMinus: middle = "/(√t－" + bv + ")=" + a + "/(√" + t + "－" + bv; break;
    case Formula::Power: middle = "/(t^" + bv + ")=" + a + "/(" + t + "^" + bv; break;
    case Formula::RatioPlus:
    case Formula::RatioMinus: {
        const std::string d = b.num(r.rainConstantD, "0", "rainConstantD");
        const std::string cv = b.num(r.rainConstantC, "0", "rainConstantC");
        const std::string sign = formula == Formula::RatioPlus ? "＋" : "－";
        middle = "/(t^(" + d + "/" + cv + ")" + sign + bv + ")=" + a + "/(" + t + "^(" + d + "/" + cv + ")" + sign + bv;
        break;
    }
    case Formula::None: break;
    }
    b.line(19, {"・降雨強度 I=", a, middle, ")=", b.num(r.rainfallIntensityI, mmPattern, "rainfallIntensityI"),
                "mm/hr", "=", b.num(r.rainfallIntensityI * 0.001, "0.000", "rainfallIntensityI"), "m/hr"});
}

void rainwaterSection(SheetBuilder& b, const DesignCase& r, const SheetChoices& c)
{
    b.setConcern(SheetConcern::Rainwater);
    const char* mmPattern = b.drawn() ? "0.0#" : "0.0";
    if (c.form1.optU1) {
        b.blank();
        b.line(19, {"Q1=C･I･A     ｜Q1：対策雨水量(m3/hr)"});
        b.line(32, {"｜ C：流出係数  I：降雨強度(m/hr)  A：対策面積(m2)"});
        b.blank();
        runoffCoefficient(b, r, c);
        if (c.form1.opt3)
            b.line(19, {"・降雨強度 I=", b.num(r.rainfallIntensityI, mmPattern, "rainfallIntensityI"), "mm/hr", "=",
                        b.num(r.rainfallIntensityI * 0.001, "0.000", "rainfallIntensityI"), "m/hr"});
        if (c.form1.opt4) {
            arrivalTime(b, r, c);
            intensityFormula(b, r, c, mmPattern);
        }
    }

    b.setPart(SheetPart::Hyouji_2);
    b.blank();
    if (c.form1.optU1)
        b.line(19, {"対策雨水量 Q1=", b.num(r.runoffCoefficientC, "0.0##", "runoffCoefficientC"), "×",
                    b.num(r.rainfallIntensityI * 0.001, "0.000", "rainfallIntensityI"), "×",
                    b.num(r.countermeasureAreaA, "0.00", "countermeasureAreaA"), "=",
                    b.num(r.countermeasureRainwaterQ1, "0.000", "countermeasureRainwaterQ1"), "m3/hr"});
    else if (c.form1.optU2)
        b.line(21, {"Q1=", b.num(r.countermeasureRainwaterQ1, "0.000", "countermeasureRainwaterQ1"), "m3/hr"});
    b.blank();
    b.blank();
}

// ---- Section 4: the total and the judgement ----------------------------------------

// Q1 (or the increased Q1) against ΣFc, at print position 20. Equality is
// O.K and printed with "<"; an NG line is marked for its colour and beep.
void judgement(SheetBuilder& b, std::string_view lead, const std::string& q1, const std::string& total, bool adequate)
{
    if (adequate) {
        b.line(20, {lead, q1, "m3/hr  <  ΣFc=", total, "m3/hr  ", kIdeo, "∴ O.K"});
    } else {
        b.line(20, {lead, q1, "m3/hr  >  ΣFc=", total, "m3/hr    ∴ NG"});
        b.markNg();
    }
}

void totalSection(SheetBuilder& b, const DesignCase& r, const SheetChoices& c)
{
    const double q1 = r.countermeasureRainwaterQ1;
    const double total = r.totalInfiltrationFc;
    b.setConcern(SheetConcern::Infiltration);
    b.blank();
    b.line(b.drawn() ? 20 : 19, {"総浸透量 ΣFc=", b.num(total, "0.000", "totalInfiltrationFc"), "m3/hr"});
    b.blank();
    if (c.form1.opt7 || c.form1.optU2) {
        b.setConcern(SheetConcern::Rainwater);
        const std::string q1Text = b.num(q1, "0.000", "countermeasureRainwaterQ1");
        b.setConcern(SheetConcern::Infiltration);
        judgement(b, "  Q1=", q1Text, b.num(total, "0.000", "totalInfiltrationFc"), isAdequate(q1, total));
        b.line(20, {repeat("―", 25)});
    }
    if (c.form1.opt8) {
        const double p = r.volumeIncreasePercent;
        const double increased = increasedQ1(p, q1);
        b.setConcern(SheetConcern::Increase);
        const std::string factor = b.num(increaseFactor(p), "0.0#", "volumeIncreasePercent") + "×Q1=";
        const std::string q1Text = b.num(increased, "0.0000", "volumeIncreasePercent");
        b.setConcern(SheetConcern::Infiltration);
        judgement(b, factor, q1Text, b.num(total, "0.0000", "totalInfiltrationFc"), isAdequate(increased, total));
        b.line(20, {repeat("―", 28)});
    }
}

} // namespace

// ---- The two sheets ------------------------------------------------------------

Sheet facilitySheet(const DesignCase& record, const SheetChoices& choices, SheetVariant variant)
{
    SheetBuilder b(variant, SheetPart::Hyouji_1);
    b.topMargin();
    b.line(13, {"☆ アクエンザ書"});
    b.blank();
    b.line(16, {"◎ 対策雨水量"});
    rainwaterSection(b, record, choices);
    facilitySection(b, record, choices);
    totalSection(b, record, choices);
    return b.take();
}

Sheet wellSheet(const DesignCase& r, SheetVariant variant)
{
    SheetBuilder b(variant, SheetPart::Hyouji_3);
    b.setConcern(SheetConcern::Well);
    const std::string p1 = spaces(16) + kIdeo + " ";
    const std::string p2 = p1 + kIdeo;
    auto v = [&](double value, std::string_view pattern, std::string_view field) {
        return b.num(value, pattern, field);
    };
    const std::string ha = v(r.countermeasureAreaA * 0.0001, "0.0###", "countermeasureAreaA");
    const std::string c = v(r.runoffCoefficientC, "0.0#", "runoffCoefficientC");
    const std::string k = v(r.soilConductivityKo * 10.0, "0.0#", "soilConductivityKo");
    const std::string d = v(r.wellDiameterD, "0.0###", "wellDiameterD");
    const std::string n = v(r.wellCountN, "0", "wellCountN");
    const std::string a1 = v(r.wellBottomArea, "0.0000", "wellBottomArea");
    const std::string ai = v(r.wellAreaAi, "0.0000", "wellAreaAi");
    const std::string s = v(r.wellInfiltrationS, "0.0000", "wellInfiltrationS");
    const std::string q = v(r.wellInflowQ, "0.0000", "wellInflowQ");
    const std::string y = v(r.wellRatioY, "0.0000", "wellRatioY");
    const std::string x = v(r.wellTermX, "0.0000", "wellTermX");
    const std::string to = v(r.wellCriticalTimeTo, "0.0000", "wellCriticalTimeTo");
    const std::string vol = v(r.wellVolumeV, "0.0000", "wellVolumeV");
    const std::string h = v(r.wellEffectiveDepthH, "0.0000", "wellEffectiveDepthH");

    b.topMargin();
    b.line(13, {"☆ アクエンザ書"});
    b.blank();
    b.line(16, {"◎ 雨水吸込槽"});
    b.blank();
    b.line(p1, {"１、設計条件の設定"});
    b.line(p2, {"集水区域面積Ａ=", v(r.countermeasureAreaA, "0.0###", "countermeasureAreaA"), "m2=", ha, "ha"});
    b.line(p2, {"吸込槽直径  Ｄ=", d, "m"});
    b.line(p2, {"吸込槽本数  ｎ=", n, "本"});
    b.line(p2, {"定  数      ａ=5.0  ｂ=1200"});
    b.line(p2, {"流 出 係 数 Ｃ=", c});
    b.line(p2, {"浸 透 係 数 Ｋ=", k});
    b.line(p2, {"許可放流量 Ｑc=0m3/sc"});
    b.line(p2, {"降雨強度：60mm/hr"});
    b.blank();
    b.line(p1, {"２、吸込槽の計算"});
    b.line(p2, {"吸込槽底面積ａ'=π･D^2/4=3.14159×", d, "^2/4=", a1, "m2"});
    b.line(p2, {"必要面積ａi=ａ'×n=", a1, "×", n, "=", ai, "m2"});
    b.line(p2, {"Ｐ=0mm/hr (許可放流量が無い為)"});
    b.line(p2, {"Ｓ=(60/1000)･K･ａi=(60/1000)×", k, "×", ai, "=", s, "mm/min"});
    b.line(p2, {"Ｑ=(A･60･C)/360=(", ha, "×60×", c, ")/360=", q});
    b.line(p2, {"Ｙ=(P･Q＋S)/(Q･b)=(0×", q, "＋", s, ")/(", q, "×1200)=", y});
    b.line(p2, {"Ｘ={(1/3－2･a･Y)＋sqr(8/3･a･Y＋1/9)}/(2･Y)"});
    b.line(p2, {"  ={(0.3333－2×5.0×", y, ")＋sqr(2.6667×5.0×", y, "＋0.1111)"});
    b.line(p2, {"   /(2×", y, ")=", x});
    b.line(p2, {"to=X^(3/2)=", x, "^(3/2)=", to, "min"});
    b.line(p2, {"V(to)={1200/(to^(2/3)＋5.0)－rc/2}･A･60･to･C･(1/360)－(60/1000)･K･ai･to"});
    b.line(p2, {"     ={1200/(", to, "^(2/3)＋5.0)－0/2}×", ha, "×60×", to, "×", c});
    b.line(p2, {"      ×(1/360)－(60/1000)×", k, "×", ai, "×", to, "=", vol, "m3"});
    b.line(p2, {"吸込槽有効深さh=V(to)/ai=", vol, "/", ai, "=", h, "m"});
    b.blank();
    b.line(p1, {"従って"});
    b.line(p1, {"（１）吸水槽直径Ｄ=", d, "m"});
    b.line(p1, {"（２）吸込槽本数ｎ=", n, "本"});
    b.line(p1, {"（３）吸込槽有効深さｈ=", h, "m"});
    b.line(spaces(16) + kIdeo + spaces(7) + repeat(kIdeo, 3),
           {"施工深さＨ=", v(r.wellDepthH, "0.0000", "wellDepthH"), "m"});
    return b.take();
}

Sheet calculationSheet(const DesignCase& record, const SheetChoices& choices, SheetVariant variant)
{
    if (choices.form1.chk6 == 0)
        return facilitySheet(record, choices, variant);
    if (choices.form1.chk6 == 1)
        return wellSheet(record, variant);
    return {};
}

std::string nonFiniteMessage(const Sheet& sheet)
{
    if (sheet.nonFinite.empty())
        return {};
    switch (sheet.nonFinite.front().concern) {
    case SheetConcern::Rainwater: return kRainwaterNotComputable;
    case SheetConcern::Infiltration: return kInfiltrationNotComputable;
    case SheetConcern::Increase: return kIncreaseTooLarge;
    case SheetConcern::Well: return kWellDepthNotComputable;
    }
    return {};
}

std::optional<std::string> sheetBytes(const Sheet& sheet, SheetEncodingError* error)
{
    if (sheet.hasNonFinite()) {
        if (error)
            *error = {SheetEncodingError::Reason::NonFinite, 0, 0};
        return std::nullopt;
    }
    std::string bytes;
    for (std::size_t i = 0; i < sheet.lines.size(); ++i) {
        std::size_t bad = 0;
        const auto encoded = toCp932(sheet.lines[i].text, &bad);
        if (!encoded) {
            if (error)
                *error = {SheetEncodingError::Reason::Unencodable, i, bad};
            return std::nullopt;
        }
        bytes += *encoded;
        bytes += "\r\n";
    }
    return bytes;
}

} // namespace akuenza
