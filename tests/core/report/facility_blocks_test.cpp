// The facility blocks of the sheet: which rows are printed, each family's
// heading, the Kf lines of every size range and the rate lines, with the
// check values of the facility methods.
#include "sheet_test_support.h"

#include <gtest/gtest.h>

using namespace akuenza;
using namespace akuenza::sheet_test;

namespace {

// The Kf heading and coefficient lines of a block (after heading and blank).
Lines kfLines(const Lines& block)
{
    Lines out;
    for (std::size_t i = 2; i < block.size() && !block[i].empty(); ++i)
        out.push_back(block[i]);
    return out;
}

} // namespace

TEST(FacilityBlocks, SquareBasinSidesAndBottomAtWidthsOneTenAndAboveTen)
{
    SheetCase k;
    k.enter(1, {"1", "0.8", "3", "10", "1.0", "1", "", "", "", "", "", ""});
    const std::vector<Lines> b = blocks(k.sheet());
    ASSERT_EQ(b.size(), 2u);
    // W = 1 belongs to the small range: the quadratic heading with c.
    EXPECT_EQ(b[0], (Lines{in(19, "※ 浸透桝 W1000×1000×H800 (個数 N=3)"), "",
                           in(22, "・比浸透量   Kf=aH^2+bH+c=1.1050×0.800^2＋8.6570×0.800＋2.575=10.208m2"),
                           in(38, "a=0.120W+0.985=0.120×1.000＋0.985=1.1050"),
                           in(38, "b=7.837W+0.820=7.837×1.000＋0.820=8.6570"),
                           in(38, "c=2.858W-0.283=2.858×1.000－0.283=2.5750"), "",
                           in(20, kIdeo + "・基準浸透量 Qf=Ko･Kf=0.54×10.208=5.512m3/hr/個"),
                           in(22, "・設計浸透量  Q=C･Qf=0.81×5.512=4.465m3/hr/個"),
                           in(22, "・浸　透　量 Fc=Q･N=4.465×3=13.395m3/hr")}));
    // W = 10 belongs to the middle range; the second row uses the plain literals.
    EXPECT_EQ(b[1], (Lines{in(19, "※ 浸透桝 W10000×10000×H1000 (個数 N=1)"), "",
                           in(22, "・比浸透量   Kf=aH+b=38.3430×1.000＋158.8620=197.205m2"),
                           in(38, "a=-0.453W^2+8.289W+0.753"), in(39, "=-0.453×10.000^2＋8.289×10.000＋0.753=38.3430"),
                           in(38, "b=1.458W^2+1.27W+0.362"), in(39, "=1.458×10.000^2＋1.270×10.000＋0.362=158.8620"),
                           "", in(22, "・基準浸透量 Qf=Ko･Kf=0.54×197.205=106.491m3/hr/個"),
                           in(22, "・設計浸透量  Q=C･Qf=0.81×106.491=86.257m3/hr/個"),
                           in(22, "・浸  透  量 Fc=Q･N=86.257×1=86.257m3/hr")}));

    // Above 10 m: the first row spells its heading with an ideographic space.
    SheetCase large;
    large.enter(1, {"12", "1.0", "1", "12", "1.0", "1", "", "", "", "", "", ""});
    const std::vector<Lines> l = blocks(large.sheet());
    ASSERT_EQ(l.size(), 2u);
    const Lines coefficients = {in(38, "a=0.747W+21.355=0.747×12.000＋21.355=30.3190"),
                                in(38, "b=1.263W^2+4.295W-7.649"),
                                in(39, "=1.263×12.000^2＋4.295×12.000－7.649=225.7630")};
    Lines first = {in(22, "・比浸透量 " + kIdeo + "Kf=aH+b=30.3190×1.000＋225.7630=256.082m2")};
    Lines second = {in(22, "・比浸透量   Kf=aH+b=30.3190×1.000＋225.7630=256.082m2")};
    first.insert(first.end(), coefficients.begin(), coefficients.end());
    second.insert(second.end(), coefficients.begin(), coefficients.end());
    EXPECT_EQ(kfLines(l[0]), first);
    EXPECT_EQ(kfLines(l[1]), second);

    // In the middle range the first row's heading is the plain one.
    SheetCase middle;
    middle.enter(1, {"5", "1.0", "1", "", "", "", "", "", "", "", "", ""});
    EXPECT_EQ(blocks(middle.sheet()).at(0).at(2).rfind(in(22, "・比浸透量   Kf=aH+b="), 0), 0u);
}

TEST(FacilityBlocks, SquareBasinBottomOnlyInItsThreeRanges)
{
    SheetCase k;
    k.enter(1, {"", "", "", "12", "1.5", "1", "1", "1.0", "1", "10", "1.0", "1"});
    const std::vector<Lines> b = blocks(k.sheet());
    ASSERT_EQ(b.size(), 3u);
    EXPECT_EQ(b[1][0], in(19, "※ 浸透桝 W1000×1000×H1000 (個数 N=1)"));
    EXPECT_EQ(kfLines(b[1]), (Lines{in(22, "・比浸透量   Kf=aH+b=1.5390×1.000＋2.1520=3.691m2"),
                                    in(38, "a=1.676W-0.137=1.676×1.000－0.137=1.5390"),
                                    in(38, "b=1.496W^2+0.671W-0.015"),
                                    in(39, "=1.496×1.000^2＋0.671×1.000－0.015=2.1520")}));
    EXPECT_EQ(kfLines(b[2]), (Lines{in(22, "・比浸透量   Kf=aH+b=9.3240×1.000＋142.1110=151.435m2"),
                                    in(38, "a=-0.204W^2+3.166W-1.936"),
                                    in(39, "=-0.204×10.000^2＋3.166×10.000－1.936=9.3240"),
                                    in(38, "b=1.345W^2+0.736W+0.251"),
                                    in(39, "=1.345×10.000^2＋0.736×10.000＋0.251=142.1110")}));
    // The second sides-and-bottom row above 10 m, then the bottom rows.
    EXPECT_EQ(b[0][0], in(19, "※ 浸透桝 W12000×12000×H1500 (個数 N=1)"));

    SheetCase large;
    large.enter(1, {"", "", "", "", "", "", "12", "1.5", "1", "", "", ""});
    const std::vector<Lines> l = blocks(large.sheet());
    ASSERT_EQ(l.size(), 1u);
    EXPECT_EQ(kfLines(l[0]), (Lines{in(22, "・比浸透量   Kf=aH+b=-0.4900×1.500＋201.1980=200.463m2"),
                                    in(38, "a=1.265W-15.670=1.265×12.000－15.670=-0.4900"),
                                    in(38, "b=1.259W^2+2.336W-8.13"),
                                    in(39, "=1.259×12.000^2＋2.336×12.000－8.130=201.1980")}));
}

TEST(FacilityBlocks, RectangularAndCircularBasinsWithTheirCheckValues)
{
    SheetCase k;
    k.enter(2, {"1.0", "2.0", "1.0", "2", "", "", "", ""});
    k.enter(3, {"0.5", "1.0", "1", "1.5", "2.0", "1", "0.8", "1.0", "1", "1.5", "2.0", "1"});
    const std::vector<Lines> b = blocks(k.sheet());
    ASSERT_EQ(b.size(), 5u);
    EXPECT_EQ(b[0], (Lines{in(19, "※ 浸透桝 W1000×L2000×H1000 (個数 N=2)"), "",
                           in(22, "・比浸透量   Kf=aH+b=13.2280×1.000＋4.5500=17.778m2"),
                           in(38, "a=3.297L+(1.971W+4.663)"), in(39, "=3.297×2.000＋(1.971×1.000＋4.663)=13.2280"),
                           in(38, "b=(1.401W+0.684)L+(1.214W-0.834)"),
                           in(39, "=(1.401×1.000＋0.684)×2.000＋(1.214×1.000－0.834)"), in(39, "=4.5500"), "",
                           in(22, "・基準浸透量 Qf=Ko･Kf=0.54×17.778=9.600m3/hr/個"),
                           in(22, "・設計浸透量  Q=C･Qf=0.81×9.600=7.776m3/hr/個"),
                           in(22, "・浸  透  量 Fc=Q･N=7.776×2=15.552m3/hr")}));
    EXPECT_EQ(b[1][0], in(19, "※ 浸透桝 D500×H1000 (個数 N=1)"));
    EXPECT_EQ(kfLines(b[1]), (Lines{in(22, "・比浸透量   Kf=aH^2+bH+c=1.1825×1.000^2＋4.0450×1.000＋1.097=6.325m2"),
                                    in(38, "a=0.475D+0.945=0.475×0.500＋0.945=1.1825"),
                                    in(38, "b=6.07D+1.01=6.070×0.500＋1.01=4.0450"),
                                    in(38, "c=2.570D-0.188=2.570×0.500－0.188=1.0970")}));
    EXPECT_EQ(kfLines(b[2]), (Lines{in(22, "・比浸透量   Kf=aH+b=12.2190×2.000＋3.7285=28.167m2"),
                                    in(38, "a=6.244D+2.853=6.244×1.500＋2.853=12.2190"),
                                    in(38, "b=0.93D^2+1.606D-0.773"),
                                    in(39, "=0.930×1.500^2＋1.606×1.500－0.773=3.7285")}));
    EXPECT_EQ(kfLines(b[3]), (Lines{in(22, "・比浸透量   Kf=aH+b=1.0976×1.000＋1.2226=2.320m2"),
                                    in(38, "a=1.497D-0.100=1.497×0.800－0.100=1.0976"),
                                    in(38, "b=1.13D^2+0.638D-0.011"),
                                    in(39, "=1.130×0.800^2＋0.638×0.800－0.011=1.2226")}));
    EXPECT_EQ(kfLines(b[4]), (Lines{in(22, "・比浸透量   Kf=aH+b=1.7820×2.000＋3.4815=7.046m2"),
                                    in(38, "a=2.556D-2.052=2.556×1.500－2.052=1.7820"),
                                    in(38, "b=0.924D^2+0.993D-0.087"),
                                    in(39, "=0.924×1.500^2＋0.993×1.500－0.087=3.4815")}));

    // D = 1 belongs to the small range, with the quadratic heading.
    SheetCase unit;
    unit.enter(3, {"1", "1.0", "1", "", "", "", "", "", "", "", "", ""});
    EXPECT_EQ(blocks(unit.sheet()).at(0).at(2).rfind(in(22, "・比浸透量   Kf=aH^2+bH+c="), 0), 0u);
}

TEST(FacilityBlocks, DitchPipePavementAndPondPerMetreAndPerSquareMetre)
{
    SheetCase k;
    k.enter(4, {"0.5", "1.0", "12.5", "", "", "", "", "", "", "0.5", "1.0", "10"});
    const std::vector<Lines> b = blocks(k.sheet());
    ASSERT_EQ(b.size(), 2u);
    // L in the heading with "0.000", in the volume with "0.00#".
    EXPECT_EQ(b[0], (Lines{in(19, "※ 浸透側溝 W500×H1000 L=12.500m"), "",
                           in(22, "・比浸透量   Kf=aH+b=3.0930×1.000＋1.3470=4.440m2"), in(38, "a=3.093"),
                           in(38, "b=1.340W+0.677=1.340×0.500＋0.677=1.3470"), "",
                           in(22, "・基準浸透量 Qf=Ko･Kf=0.54×4.440=2.398m3/hr/m"),
                           in(22, "・設計浸透量  Q=C･Qf=0.81×2.398=1.942m3/hr/m"),
                           in(22, "・浸  透  量 Fc=Q･L=1.942×12.50=24.276m3/hr")}));
    EXPECT_EQ(b[1].front(), in(19, "※ 浸透管(トレンチ) W500×H1000 L=10.000m"));
    EXPECT_EQ(b[1].back(), in(22, "・浸  透  量 Fc=Q･L=1.942×10.00=19.421m3/hr"));

    SheetCase area;
    area.rec.soilName = "ローム";
    area.rec.soilConductivityKo = 0.001;
    area.enter(5, {"0.3", "500", "0.3", "500"});
    const Sheet s = area.sheet();
    EXPECT_EQ(from(s, "・土壌の飽和透水係数", 1), (Lines{in(19, "・土壌の飽和透水係数  ローム Ko=0.001cm/sec=0.036m/hr")}));
    const std::vector<Lines> a = blocks(s);
    ASSERT_EQ(a.size(), 2u);
    const Lines rates = {in(22, "・基準浸透量 Qf=Ko･Kf=0.036×1.291=0.046m3/hr/m2"),
                         in(22, "・設計浸透量  Q=C･Qf=0.81×0.046=0.038m3/hr/m2"),
                         in(22, "・浸  透  量 Fc=Q･S=0.038×500.00=18.826m3/hr")};
    auto block = [&](const char* heading, int indent) {
        Lines out = {in(19, heading), "", in(22, "・比浸透量   Kf=aH+b=0.0140×0.300＋1.2870=1.291m2"),
                     in(indent, "a=0.014"), in(indent, "b=1.287"), ""};
        out.insert(out.end(), rates.begin(), rates.end());
        return out;
    };
    EXPECT_EQ(a[0], block("※ 浸透舗装 S=500m2", 37));
    EXPECT_EQ(a[1], block("※ 浸透池 S=500m2", 38));
}

TEST(FacilityBlocks, ARowIsPrintedWhenItsFamilyIsCheckedAndItsKeyBoxHoldsText)
{
    SheetCase k;
    k.enter(4, {"", "", "", "", "", "", "", "", "", "0.5", "1.0", "10"});
    k.enter(5, {"", "500", "0.3", "500"}); // the pavement's area alone does not print it
    k.enter(1, {" ", "1.0", "1", "", "", "", "", "", "", "", "", ""}); // a blank width is text
    std::vector<Lines> b = blocks(k.sheet());
    ASSERT_EQ(b.size(), 3u);
    EXPECT_EQ(b[0][0], in(19, "※ 浸透桝 W0×0×H1000 (個数 N=1)"));
    EXPECT_EQ(b[1][0], in(19, "※ 浸透管(トレンチ) W500×H1000 L=10.000m"));
    EXPECT_EQ(b[2][0], in(19, "※ 浸透池 S=500m2"));

    // Unchecked on the design conditions form: no block, whatever the boxes hold.
    k.choices.form1.facility = {};
    k.choices.form1.facility[4] = true;
    b = blocks(k.sheet());
    ASSERT_EQ(b.size(), 1u);
    EXPECT_EQ(b[0][0], in(19, "※ 浸透池 S=500m2"));
    // With no family checked the soil lines are followed by the total.
    k.choices.form1.facility = {};
    EXPECT_TRUE(blocks(k.sheet()).empty());
    const Lines tail = from(k.sheet(), "・各種影響係数", 3);
    ASSERT_EQ(tail.size(), 3u);
    EXPECT_EQ(tail[1], "");
    EXPECT_EQ(tail[2].rfind(in(19, "総浸透量 ΣFc="), 0), 0u);
}
