#pragma once
// Helpers of the calculation-sheet tests: lines written as "indent n + text",
// pieces of a sheet, and a design case entered and computed as the
// calculation run leaves it.

#include "core/facilities/adequacy.h"
#include "core/facilities/facility_families.h"
#include "core/report/calculation_sheet.h"

#include <string>
#include <string_view>
#include <vector>

namespace akuenza::sheet_test {

using Lines = std::vector<std::string>;

inline const std::string kIdeo = "　"; // U+3000

inline std::string in(int n, std::string_view text) { return std::string(static_cast<std::size_t>(n), ' ') + std::string(text); }

inline std::string bars(int n)
{
    std::string out;
    for (int i = 0; i < n; ++i)
        out += "―"; // U+2015
    return out;
}

inline Lines texts(const Sheet& s)
{
    Lines out;
    for (const SheetLine& line : s.lines)
        out.push_back(line.text);
    return out;
}

// `count` lines from the first line that contains `text`; none when no line does.
inline Lines from(const Sheet& s, std::string_view text, std::size_t count)
{
    const Lines all = texts(s);
    for (std::size_t i = 0; i < all.size(); ++i)
        if (all[i].find(text) != std::string::npos)
            return Lines(all.begin() + static_cast<long>(i), all.begin() + static_cast<long>(std::min(all.size(), i + count)));
    return {};
}

// The facility blocks: each from its heading "※ ..." through its Fc line.
inline std::vector<Lines> blocks(const Sheet& s)
{
    std::vector<Lines> out;
    bool open = false;
    for (const SheetLine& line : s.lines) {
        if (line.text.find("※ ") != std::string::npos) {
            out.emplace_back();
            open = true;
        }
        if (open)
            out.back().push_back(line.text);
        if (line.text.find("Fc=Q･") != std::string::npos)
            open = false;
    }
    return out;
}

// A case as entered: C 0.9 and A 1000 m2 typed, I 50 mm/hr typed, Q1
// computed (45 m3/hr), no increase, 細砂, influence coefficient 0.81.
struct SheetCase {
    DesignCase rec;
    SheetChoices choices;

    SheetCase()
    {
        rec.runoffCoefficientC = 0.9;
        rec.countermeasureAreaA = 1000;
        rec.rainfallIntensityI = 50;
        rec.countermeasureRainwaterQ1 = countermeasureQ1(0.9, 50, 1000);
        rec.soilName = "細砂";
        rec.soilConductivityKo = 0.015;
        rec.influenceCoefficientC = 0.81;
        choices.form1.optU1 = choices.form1.opt5 = choices.form1.opt3 = choices.form1.opt7 = true;
    }

    // A facility dialog's boxes entered and computed as the run does (Keisuu, Keisan, ΣFc).
    void enter(int selector, const BoxTexts& boxes)
    {
        const FacilityFamily& family = *facilityFamily(selector);
        if (selector <= kFamilyCount - 1) {
            choices.form1.facility[static_cast<std::size_t>(selector - 1)] = true;
            choices.boxes[static_cast<std::size_t>(selector - 1)] = boxes;
        }
        readBoxes(family, rec, boxes);
        computeKinds(family, rec, boxes);
        rec.totalInfiltrationFc = totalInfiltration(rec);
    }

    Sheet sheet(SheetVariant variant = SheetVariant::TextFile) const
    {
        return calculationSheet(rec, choices, variant);
    }
};

} // namespace akuenza::sheet_test
