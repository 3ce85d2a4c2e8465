#include "core/facilities/calculation_run.h"

#include "core/facilities/adequacy.h"
#include "core/facilities/soil_table.h"
#include "core/record/digit_format.h"
#include "core/record/lenient_number.h"

#include <cmath>

namespace akuenza {

namespace {

FailedCheck refuse(const char* message, int family, const char* control)
{
    return {message, FocusTarget{family, control}, false, false};
}

FailedCheck refuse(const char* message, const char* control) { return refuse(message, 0, control); }

const BoxTexts& textsOf(const RunEntries& entries, int selector)
{
    static const BoxTexts designState;
    const DialogEntries& d = entries.dialog(selector);
    return d.loaded ? d.texts : designState;
}

std::string boxText(const RunEntries& entries, const FacilityFamily& family, std::string_view name)
{
    const BoxTexts& texts = textsOf(entries, family.selector);
    const std::size_t i = family.boxIndex(name);
    return i < texts.size() ? texts[i] : std::string();
}

// With the well only C, A and the typed soil are checked on the design
// conditions form. The well's method divides by the number of wells, their
// bottom area and the soil conductivity: a zero there has no depth to show,
// so a well whose diameter box holds text is checked for them too.
std::optional<FailedCheck> checkWell(const DesignCase& rec, const RunEntries& entries)
{
    const ConditionEntries& c = entries.conditions;
    if (rec.runoffCoefficientC == 0.0)
        return refuse("流出係数を入力又は計算してください。", "txt_c");
    if (rec.countermeasureAreaA == 0.0)
        return refuse("施設の分担する対策面積を入力してください。", "txt_a");
    if (c.txtT.empty())
        return refuse("土質の名称を入力してください。", "txt_t");
    if (c.txtTk.empty())
        return refuse("土質の飽和透水係数を入力してください。", "txt_tk");

    const FacilityFamily& well = *facilityFamily(kWellSelector);
    const std::string diameter = boxText(entries, well, "txt1d");
    if (diameter.empty())
        return std::nullopt;
    if (lenientNumber(diameter) == 0.0)
        return refuse("浸透井の直径を入力してください。", kWellSelector, "txt1d");
    if (lenientNumber(boxText(entries, well, "txt1n")) == 0.0)
        return refuse("浸透井の個数を入力してください。", kWellSelector, "txt1n");
    if (rec.soilConductivityKo == 0.0)
        return refuse("土質の飽和透水係数を入力してください。", "txt_tk");
    return std::nullopt;
}

// A value beyond the range of numbers (an absurdly large entry, or a well
// whose infiltration outruns its inflow) has no meaning on the sheet: the run
// stops with a message naming what to correct and shows no result. The values
// that cannot be shown are zeroed, so a later sheet never prints them.
std::optional<FailedCheck> refuseNonFinite(DesignCase& rec, const RunEntries& entries)
{
    const ConditionEntries& c = entries.conditions;
    FailedCheck failed;
    failed.clearsResults = true;

    if (!std::isfinite(rec.countermeasureRainwaterQ1)) {
        failed.message = kRainwaterNotComputable;
        failed.focus = FocusTarget{0, c.optU2 ? "txt_u" : "txt_c"};
    } else if (!std::isfinite(rec.totalInfiltrationFc)) {
        failed.message = kInfiltrationNotComputable;
        // The first kind that cannot be computed; when every kind can but
        // their sum cannot, the largest kind.
        const FacilityKind* largestKind = nullptr;
        int largestFamily = 0;
        double largest = -1.0;
        for (const FacilityFamily& family : facilityFamilies()) {
            if (!entries.dialog(family.selector).loaded)
                continue;
            for (const FacilityKind& kind : family.kinds) {
                const double fc = rec.*kind.Fc;
                if (!std::isfinite(fc)) {
                    if (!failed.focus)
                        failed.focus = FocusTarget{family.selector, family.box(kind.keyBox).name};
                } else if (std::fabs(fc) > largest) {
                    largest = std::fabs(fc);
                    largestKind = &kind;
                    largestFamily = family.selector;
                }
            }
        }
        if (!failed.focus && largestKind)
            failed.focus =
                FocusTarget{largestFamily, facilityFamily(largestFamily)->box(largestKind->keyBox).name};
    } else if (c.opt8 && !std::isfinite(increasedQ1(rec.volumeIncreasePercent, rec.countermeasureRainwaterQ1))) {
        failed.message = kIncreaseTooLarge;
        failed.focus = FocusTarget{0, "txt1"};
    } else if (c.well() && !std::isfinite(rec.wellEffectiveDepthH)) {
        failed.message = kWellDepthNotComputable;
        failed.focus = FocusTarget{kWellSelector, "txt1d"};
    } else {
        return std::nullopt;
    }

    if (!std::isfinite(rec.countermeasureRainwaterQ1))
        rec.countermeasureRainwaterQ1 = 0.0;
    rec.totalInfiltrationFc = 0.0;
    if (!std::isfinite(rec.wellEffectiveDepthH))
        rec.wellEffectiveDepthH = 0.0;
    return failed;
}

Comparison compare(double q1, double total)
{
    Comparison c;
    c.q1 = formatDigits(q1, "0.000");
    c.total = formatDigits(total, "0.000");
    c.adequate = isAdequate(q1, total);
    c.sign = c.adequate ? "＜" : "＞";
    c.verdict = c.adequate ? "∴ O.K" : "∴ NG";
    return c;
}

} // namespace

void copyDesignConditions(DesignCase& rec, const ConditionEntries& c)
{
    rec.runoffCoefficientC = lenientNumber(c.txtC);
    rec.rainfallIntensityI = lenientNumber(c.txtI);
    rec.countermeasureAreaA = lenientNumber(c.txtA);
    if (c.opt8)
        rec.volumeIncreasePercent = lenientNumber(c.txt1);
    if (c.chkT) {
        rec.soilName = c.txtT;
        rec.soilConductivityKo = lenientNumber(c.txtTk);
    } else if (c.soilListIndex >= 0 && c.soilListIndex < static_cast<int>(kSoils.size())) {
        const Soil& soil = kSoils[static_cast<std::size_t>(c.soilListIndex)];
        rec.soilName = soil.name;
        rec.soilConductivityKo = soil.conductivityKo;
    }
    rec.influenceCoefficientC = lenientNumber(c.txtCf);
}

std::optional<FailedCheck> checkDesignConditions(const DesignCase& rec, const RunEntries& entries)
{
    const ConditionEntries& c = entries.conditions;
    if (c.well())
        return checkWell(rec, entries);

    if (!c.optU1 && !c.optU2)
        return refuse("対策雨水量の計算方法を選択してください。", "opt_u1");
    if (c.optU1) {
        if (rec.runoffCoefficientC == 0.0)
            return refuse("流出係数を入力又は計算してください。", "txt_c");
        if (rec.countermeasureAreaA == 0.0)
            return refuse("施設の分担する対策面積を入力してください。", "txt_a");
        if (rec.rainfallIntensityI == 0.0)
            return refuse("降雨強度を入力又は計算してください。", "txt_i");
        if (!c.opt7 && !c.opt8)
            return refuse("計画雨水量の割増しの計算方法を選択してください。", "opt7");
        if (c.opt8 && c.txt1.empty())
            return refuse("計画雨水量の割増しを入力してください。", "txt1");
    }
    if (c.optU2 && c.txtU.empty())
        return refuse("対策雨水量を入力してください。", "txt_u");
    if (c.chkT) {
        if (c.txtT.empty())
            return refuse("土質の名称を入力してください。", "txt_t");
        if (c.txtTk.empty())
            return refuse("土質の飽和透水係数を入力してください。", "txt_tk");
    } else if (c.soilText.empty()) {
        return refuse("土質を選択してください。", "cbo1");
    }
    if (c.txtCf.empty())
        return refuse("各種影響係数を入力してください。", "txt_cf");

    bool anyFacility = false;
    for (bool chosen : c.facility)
        anyFacility = anyFacility || chosen;
    if (!anyFacility)
        return FailedCheck{"使用する浸透施設の種類を選択してください。", std::nullopt, true, false};
    return std::nullopt;
}

RunOutcome computeResults(DesignCase& rec, const RunEntries& entries)
{
    const ConditionEntries& c = entries.conditions;
    RunOutcome outcome;

    // Q1, computed or typed; with neither method chosen it stays.
    if (c.optU1)
        rec.countermeasureRainwaterQ1 =
            countermeasureQ1(rec.runoffCoefficientC, rec.rainfallIntensityI, rec.countermeasureAreaA);
    else if (c.optU2)
        rec.countermeasureRainwaterQ1 = lenientNumber(c.txtU);

    // Every selected facility: its entries into the record, then its results.
    for (const FacilityFamily& family : facilityFamilies()) {
        if (!c.facility[static_cast<std::size_t>(family.selector - 1)])
            continue;
        readBoxes(family, rec, textsOf(entries, family.selector));
        computeKinds(family, rec, textsOf(entries, family.selector));
    }

    // A kind whose key box is empty contributes nothing, selected or not; a
    // dialog whose key boxes are all empty is discarded.
    for (const FacilityFamily& family : facilityFamilies()) {
        const BoxTexts& texts = textsOf(entries, family.selector);
        for (const FacilityKind& kind : family.kinds)
            if (kind.keyBox >= texts.size() || texts[kind.keyBox].empty())
                rec.*kind.Fc = 0.0;
        if (entries.dialog(family.selector).loaded && allKeyBoxesEmpty(family, texts))
            outcome.display.discardDialogs.push_back(family.selector);
    }

    rec.totalInfiltrationFc = totalInfiltration(rec);

    if (auto failed = refuseNonFinite(rec, entries)) {
        outcome.failed = std::move(failed);
        return outcome;
    }

    // Q1 (or the increased Q1') against ΣFc; the increased display replaces
    // the plain one where both apply.
    const double q1 = rec.countermeasureRainwaterQ1;
    const double p = rec.volumeIncreasePercent;
    RunDisplay& shown = outcome.display;
    if (c.optU2 || c.opt7)
        shown.comparison = compare(q1, rec.totalInfiltrationFc);
    if (c.opt8) {
        shown.comparison = compare(increasedQ1(p, q1), rec.totalInfiltrationFc);
        shown.comparison->factor = formatDigits(increaseFactor(p), "0.0#");
        shown.comparison->times = "×";
    }

    if (c.opt7 || c.opt8) {
        const double planned = c.opt8 ? increasedQ1(p, q1) : q1;
        shown.status = isAdequate(planned, rec.totalInfiltrationFc)
                           ? std::string()
                           : std::string("計画雨水量(Q1)が施設の総浸透量(FC)を超えています。");
    }

    if (c.well())
        shown.wellDepth = formatDigits(rec.wellEffectiveDepthH, "0.0000");
    return outcome;
}

RunOutcome calculationRun(DesignCase& rec, const RunEntries& entries)
{
    copyDesignConditions(rec, entries.conditions);
    if (auto failed = checkDesignConditions(rec, entries)) {
        RunOutcome outcome;
        outcome.failed = std::move(failed);
        return outcome;
    }
    RunOutcome outcome = computeResults(rec, entries);
    outcome.checksPassed = true;
    return outcome;
}

} // namespace akuenza
