#include "core/report/facility_blocks.h"

#include "core/facilities/infiltration_formulas.h"
#include "core/record/digit_format.h"

#include <string>
#include <string_view>
#include <vector>

namespace akuenza::sheet_detail {

namespace {

// The Kf lines of one formula and size range. The coefficient lines are
// written as in the method, with the row's values in place of the marks
// {w} (W or D, "0.000"), {l} (L, "0.000") and {a}, {b}, {c} ("0.0000").
// A line at depth 0 names a formula, at depth 1 it shows it evaluated.
struct CoefficientLine {
    int depth;
    const char* text;
};

struct KfLines {
    bool quadratic; // Kf = aH^2 + bH + c, else Kf = aH + b
    std::vector<CoefficientLine> lines;
    // The first square row spells its heading with an ideographic space here.
    bool ownSpacingHeading = false;
};

const KfLines kSquareSidesSmall{true,
    {{0, "a=0.120W+0.985=0.120×{w}＋0.985={a}"},
     {0, "b=7.837W+0.820=7.837×{w}＋0.820={b}"},
     {0, "c=2.858W-0.283=2.858×{w}－0.283={c}"}}};
const KfLines kSquareSidesMiddle{false,
    {{0, "a=-0.453W^2+8.289W+0.753"},
     {1, "=-0.453×{w}^2＋8.289×{w}＋0.753={a}"},
     {0, "b=1.458W^2+1.27W+0.362"},
     {1, "=1.458×{w}^2＋1.270×{w}＋0.362={b}"}}};
const KfLines kSquareSidesLarge{false,
    {{0, "a=0.747W+21.355=0.747×{w}＋21.355={a}"},
     {0, "b=1.263W^2+4.295W-7.649"},
     {1, "=1.263×{w}^2＋4.295×{w}－7.649={b}"}},
    true};
const KfLines kSquareBottomSmall{false,
    {{0, "a=1.676W-0.137=1.676×{w}－0.137={a}"},
     {0, "b=1.496W^2+0.671W-0.015"},
     {1, "=1.496×{w}^2＋0.671×{w}－0.015={b}"}}};
const KfLines kSquareBottomMiddle{false,
    {{0, "a=-0.204W^2+3.166W-1.936"},
     {1, "=-0.204×{w}^2＋3.166×{w}－1.936={a}"},
     {0, "b=1.345W^2+0.736W+0.251"},
     {1, "=1.345×{w}^2＋0.736×{w}＋0.251={b}"}}};
const KfLines kSquareBottomLarge{false,
    {{0, "a=1.265W-15.670=1.265×{w}－15.670={a}"},
     {0, "b=1.259W^2+2.336W-8.13"},
     {1, "=1.259×{w}^2＋2.336×{w}－8.130={b}"}}};
const KfLines kRectangular{false,
    {{0, "a=3.297L+(1.971W+4.663)"},
     {1, "=3.297×{l}＋(1.971×{w}＋4.663)={a}"},
     {0, "b=(1.401W+0.684)L+(1.214W-0.834)"},
     {1, "=(1.401×{w}＋0.684)×{l}＋(1.214×{w}－0.834)"},
     {1, "={b}"}}};
const KfLines kCircularSidesSmall{true,
    {{0, "a=0.475D+0.945=0.475×{w}＋0.945={a}"},
     {0, "b=6.07D+1.01=6.070×{w}＋1.01={b}"},
     {0, "c=2.570D-0.188=2.570×{w}－0.188={c}"}}};
const KfLines kCircularSidesLarge{false,
    {{0, "a=6.244D+2.853=6.244×{w}＋2.853={a}"},
     {0, "b=0.93D^2+1.606D-0.773"},
     {1, "=0.930×{w}^2＋1.606×{w}－0.773={b}"}}};
const KfLines kCircularBottomSmall{false,
    {{0, "a=1.497D-0.100=1.497×{w}－0.100={a}"},
     {0, "b=1.13D^2+0.638D-0.011"},
     {1, "=1.130×{w}^2＋0.638×{w}－0.011={b}"}}};
const KfLines kCircularBottomLarge{false,
    {{0, "a=2.556D-2.052=2.556×{w}－2.052={a}"},
     {0, "b=0.924D^2+0.993D-0.087"},
     {1, "=0.924×{w}^2＋0.993×{w}－0.087={b}"}}};
const KfLines kLinear{false, {{0, "a=3.093"}, {0, "b=1.340W+0.677=1.340×{w}＋0.677={b}"}}};
const KfLines kArea{false, {{0, "a=0.014"}, {0, "b=1.287"}}};

// The size ranges compare the stored metre value: W = 1 and D = 1 belong to
// the small range, W = 10 to the middle one.
const KfLines& kfLinesOf(KfFormula formula, double w)
{
    switch (formula) {
    case KfFormula::SquareSidesAndBottom:
        return w <= 1.0 ? kSquareSidesSmall : w <= 10.0 ? kSquareSidesMiddle : kSquareSidesLarge;
    case KfFormula::SquareBottomOnly:
        return w <= 1.0 ? kSquareBottomSmall : w <= 10.0 ? kSquareBottomMiddle : kSquareBottomLarge;
    case KfFormula::Rectangular: return kRectangular;
    case KfFormula::CircularSidesAndBottom: return w <= 1.0 ? kCircularSidesSmall : kCircularSidesLarge;
    case KfFormula::CircularBottomOnly: return w <= 1.0 ? kCircularBottomSmall : kCircularBottomLarge;
    case KfFormula::Linear: return kLinear;
    case KfFormula::Area: return kArea;
    }
    return kLinear;
}

bool circular(const FacilityKind& kind)
{
    return kind.formula == KfFormula::CircularSidesAndBottom || kind.formula == KfFormula::CircularBottomOnly;
}

// The record field behind a symbol of the kind, named for the refusal of a
// value that is not finite.
std::string fieldName(const FacilityKind& kind, std::string_view symbol)
{
    if (kind.formula == KfFormula::Area && (symbol == "a" || symbol == "b"))
        return std::string(kind.prefix) + (symbol == "a" ? "CoefA" : "CoefB");
    if (symbol == "W" && circular(kind))
        symbol = "D";
    return std::string(kind.prefix) + std::string(symbol);
}

// The name of a facility row as its block heading gives it, with its
// dimensions in millimetres, each formatted by mm(field, symbol), in the
// order the heading prints them: "浸透桝 W500×500×H1000", "浸透側溝 W300×H500",
// "浸透舗装". The heading adds "※ " before it and the quantity after it.
template <class Mm>
std::string facilityRowNameWith(const FacilityKind& kind, Mm&& mm)
{
    std::string name = kind.sheet.title;
    switch (kind.formula) {
    case KfFormula::SquareSidesAndBottom:
    case KfFormula::SquareBottomOnly: {
        const std::string w = mm(kind.W, "W");
        name += " W" + w + "×" + w;
        name += "×H" + mm(kind.H, "H");
        break;
    }
    case KfFormula::Rectangular:
        name += " W" + mm(kind.W, "W");
        name += "×L" + mm(kind.L, "L");
        name += "×H" + mm(kind.H, "H");
        break;
    case KfFormula::CircularSidesAndBottom:
    case KfFormula::CircularBottomOnly:
        name += " D" + mm(kind.W, "W");
        name += "×H" + mm(kind.H, "H");
        break;
    case KfFormula::Linear:
        name += " W" + mm(kind.W, "W");
        name += "×H" + mm(kind.H, "H");
        break;
    case KfFormula::Area: break;
    }
    return name;
}

class BlockWriter {
public:
    BlockWriter(SheetBuilder& b, const DesignCase& r, const FacilityKind& kind) : b_(b), r_(r), kind_(kind) {}

    std::string value(CaseField field, std::string_view symbol, std::string_view pattern)
    {
        return b_.num(r_.*field, pattern, fieldName(kind_, symbol));
    }
    // A length in metres printed in millimetres.
    std::string mm(CaseField field, std::string_view symbol)
    {
        return b_.num(r_.*field * 1000.0, "0", fieldName(kind_, symbol));
    }

    void write()
    {
        b_.blockStart();
        heading();
        b_.blank();
        kfLines();
        b_.blank();
        rates();
    }

private:
    void heading()
    {
        const std::string name =
            facilityRowNameWith(kind_, [this](CaseField field, std::string_view symbol) { return mm(field, symbol); });
        switch (kind_.formula) {
        case KfFormula::Linear:
            b_.line(19, {"※ ", name, " L=", value(kind_.L, "L", "0.000"), "m"});
            break;
        case KfFormula::Area:
            b_.line(19, {"※ ", name, " S=", value(kind_.quantity, "S", "0"), "m2"});
            break;
        default:
            b_.line(19, {"※ ", name, " (個数 N=", value(kind_.quantity, "N", "0"), ")"});
            break;
        }
    }

    void kfLines()
    {
        const double w = kind_.W ? double(r_.*kind_.W) : 0.0;
        const KfLines& lines = kfLinesOf(kind_.formula, w);
        const std::string a = value(kind_.a, "a", "0.0000");
        const std::string h = value(kind_.H, "H", "0.000");
        const std::string b = value(kind_.b, "b", "0.0000");
        if (lines.quadratic) {
            b_.line(22, {"・比浸透量   Kf=aH^2+bH+c=", a, "×", h, "^2＋", b, "×", h, "＋", value(kind_.c, "c", "0.000"),
                         "=", value(kind_.Kf, "Kf", "0.000"), "m2"});
        } else {
            const bool own = lines.ownSpacingHeading && kind_.sheet.ownSpacing;
            const std::string name = own ? std::string("・比浸透量 ") + std::string(kIdeographicSpace) + "Kf=aH+b="
                                         : std::string("・比浸透量   Kf=aH+b=");
            b_.line(22, {name, a, "×", h, "＋", b, "=", value(kind_.Kf, "Kf", "0.000"), "m2"});
        }
        for (const CoefficientLine& line : lines.lines)
            b_.line(kind_.sheet.coefficientIndent + line.depth, {fill(line.text)});
    }

    // The coefficient line with the row's values in place of its marks.
    std::string fill(std::string_view text)
    {
        std::string out;
        while (!text.empty()) {
            const std::size_t open = text.find('{');
            if (open == std::string_view::npos || open + 2 >= text.size() || text[open + 2] != '}') {
                out += text;
                break;
            }
            out += text.substr(0, open);
            switch (text[open + 1]) {
            case 'w': out += value(kind_.W, "W", "0.000"); break;
            case 'l': out += value(kind_.L, "L", "0.000"); break;
            case 'a': out += value(kind_.a, "a", "0.0000"); break;
            case 'b': out += value(kind_.b, "b", "0.0000"); break;
            case 'c': out += value(kind_.c, "c", "0.0000"); break;
            default: out += text.substr(open, 3); break;
            }
            text.remove_prefix(open + 3);
        }
        return out;
    }

    void rates()
    {
        const char* unit = "m3/hr/個";
        const char* volume = "・浸  透  量 Fc=Q･N=";
        std::string multiplier;
        switch (kind_.per) {
        case PerUnit::Piece: multiplier = value(kind_.quantity, "N", "0"); break;
        case PerUnit::Metre:
            unit = "m3/hr/m";
            volume = "・浸  透  量 Fc=Q･L=";
            multiplier = value(kind_.quantity, "L", "0.00#");
            break;
        case PerUnit::SquareMetre:
            unit = "m3/hr/m2";
            volume = "・浸  透  量 Fc=Q･S=";
            multiplier = value(kind_.quantity, "S", "0.00#");
            break;
        }
        const std::string ko = b_.num(conductivityFactor() * r_.soilConductivityKo, "0.0#####", "soilConductivityKo");
        const std::string qf = value(kind_.Qf, "Qf", "0.000");
        const std::string q = value(kind_.Q, "Q", "0.000");
        if (kind_.sheet.ownSpacing)
            b_.line(20, {kIdeographicSpace, "・基準浸透量 Qf=Ko･Kf=", ko, "×", value(kind_.Kf, "Kf", "0.000"), "=", qf,
                         unit});
        else
            b_.line(22, {"・基準浸透量 Qf=Ko･Kf=", ko, "×", value(kind_.Kf, "Kf", "0.000"), "=", qf, unit});
        b_.line(22, {"・設計浸透量  Q=C･Qf=", b_.num(r_.influenceCoefficientC, "0.00##", "influenceCoefficientC"),
                     "×", qf, "=", q, unit});
        if (kind_.sheet.ownSpacing)
            volume = "・浸　透　量 Fc=Q･N=";
        b_.line(22, {volume, q, "×", multiplier, "=", value(kind_.Fc, "Fc", "0.000"), "m3/hr"});
    }

    SheetBuilder& b_;
    const DesignCase& r_;
    const FacilityKind& kind_;
};

} // namespace

void facilitySection(SheetBuilder& b, const DesignCase& r, const SheetChoices& c)
{
    b.setConcern(SheetConcern::Infiltration);
    b.line(16, {"◎ 雨水浸透施設"});
    b.blank();
    b.typedText(r.soilName, "Form1", "txt_t");
    b.line(19, {"・土壌の飽和透水係数  ", r.soilName, " Ko=", b.num(r.soilConductivityKo, "0.0#####", "soilConductivityKo"),
                "cm/sec=", b.num(conductivityFactor() * r.soilConductivityKo, "0.0#####", "soilConductivityKo"),
                "m/hr"});
    b.blank();
    b.line(19, {"・各種影響係数 C=", b.num(r.influenceCoefficientC, "0.00##", "influenceCoefficientC")});

    for (const FacilityFamily& family : facilityFamilies()) {
        if (family.well || !c.facilityChecked(family.selector))
            continue;
        for (const FacilityKind& kind : family.kinds)
            if (!c.boxText(family, kind.keyBox).empty())
                BlockWriter(b, r, kind).write();
    }
}

} // namespace akuenza::sheet_detail

namespace akuenza {

std::string facilityRowName(const FacilityKind& kind, const DesignCase& record)
{
    return sheet_detail::facilityRowNameWith(kind, [&record](CaseField field, std::string_view) {
        return formatDigits(record.*field * 1000.0, "0");
    });
}

} // namespace akuenza
