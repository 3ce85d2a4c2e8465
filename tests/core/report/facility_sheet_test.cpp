// The facility sheet line for line: the heading, the rainwater volume with
// its runoff coefficient, intensity and arrival-time lines, and the total
// with its judgements.
#include "sheet_test_support.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

using namespace akuenza;
using namespace akuenza::sheet_test;

namespace {

const BoxTexts kOneSquareBasin = {"0.5", "1.0", "2", "", "", "", "", "", "", "", "", ""};

// The lines of section 4, from the total to the end.
Lines totalAndJudgement(const Sheet& s) { return from(s, "総浸透量", 99); }

} // namespace

TEST(FacilitySheet, SquareBasinCaseIsWrittenLineForLineWithItsNgJudgement)
{
    SheetCase k;
    k.enter(1, kOneSquareBasin);
    const Sheet s = k.sheet();
    const Lines expected = {
        "", in(13, "☆ アクエンザ書"), "", in(16, "◎ 対策雨水量"),
        "", in(19, "Q1=C･I･A     ｜Q1：対策雨水量(m3/hr)"),
        in(32, "｜ C：流出係数  I：降雨強度(m/hr)  A：対策面積(m2)"), "",
        in(19, "・対策面積 A=1000.00m2"), "", in(19, "・流出係数 C=0.9"), "",
        in(19, "・降雨強度 I=50.0mm/hr=0.050m/hr"),
        "", in(19, "対策雨水量 Q1=0.9×0.050×1000.00=45.000m3/hr"), "", "",
        in(16, "◎ 雨水浸透施設"), "", in(19, "・土壌の飽和透水係数  細砂 Ko=0.015cm/sec=0.54m/hr"), "",
        in(19, "・各種影響係数 C=0.81"),
        "", in(19, "※ 浸透桝 W500×500×H1000 (個数 N=2)"), "",
        in(22, "・比浸透量   Kf=aH^2+bH+c=1.0450×1.000^2＋4.7385×1.000＋1.146=6.930m2"),
        in(38, "a=0.120W+0.985=0.120×0.500＋0.985=1.0450"),
        in(38, "b=7.837W+0.820=7.837×0.500＋0.820=4.7385"),
        in(38, "c=2.858W-0.283=2.858×0.500－0.283=1.1460"), "",
        in(20, kIdeo + "・基準浸透量 Qf=Ko･Kf=0.54×6.930=3.742m3/hr/個"),
        in(22, "・設計浸透量  Q=C･Qf=0.81×3.742=3.031m3/hr/個"),
        in(22, "・浸　透　量 Fc=Q･N=3.031×2=6.062m3/hr"),
        "", in(19, "総浸透量 ΣFc=6.062m3/hr"), "",
        in(20, "  Q1=45.000m3/hr  >  ΣFc=6.062m3/hr    ∴ NG"), in(20, bars(25))};
    EXPECT_EQ(texts(s), expected);
    ASSERT_EQ(s.ngCount(), 1u);
    EXPECT_TRUE(s.lines[s.lines.size() - 2].ng);
    EXPECT_FALSE(s.hasNonFinite());
    EXPECT_TRUE(s.unencodable.empty());
}

TEST(FacilitySheet, JudgementsCompareQ1AndTheIncreasedQ1WithTheTotal)
{
    // Q1 typed and equal to ΣFc: "<" and O.K, no NG line.
    SheetCase equal;
    equal.choices.form1 = {};
    equal.choices.form1.optU2 = true;
    equal.enter(1, kOneSquareBasin);
    equal.rec.countermeasureRainwaterQ1 = double(equal.rec.totalInfiltrationFc);
    const Sheet s = equal.sheet();
    EXPECT_EQ(from(s, "◎ 対策雨水量", 6), (Lines{in(16, "◎ 対策雨水量"), "", in(21, "Q1=6.062m3/hr"), "", "",
                                                 in(16, "◎ 雨水浸透施設")}));
    EXPECT_EQ(totalAndJudgement(s), (Lines{in(19, "総浸透量 ΣFc=6.062m3/hr"), "",
                                           in(20, "  Q1=6.062m3/hr  <  ΣFc=6.062m3/hr  " + kIdeo + "∴ O.K"),
                                           in(20, bars(25))}));
    EXPECT_EQ(s.ngCount(), 0u);

    // An increase of 10 %: the factor 1.1, Q1' = 49.5 against ΣFc with four decimals.
    SheetCase increased;
    increased.choices.form1.opt7 = false;
    increased.choices.form1.opt8 = true;
    increased.rec.volumeIncreasePercent = 10;
    increased.enter(4, {"0.5", "1.0", "30", "", "", "", "", "", "", "", "", ""});
    EXPECT_EQ(totalAndJudgement(increased.sheet()),
              (Lines{in(19, "総浸透量 ΣFc=58.262m3/hr"), "",
                     in(20, "1.1×Q1=49.5000m3/hr  <  ΣFc=58.2617m3/hr  " + kIdeo + "∴ O.K"), in(20, bars(28))}));

    // Q1 typed with an increase (possible from a saved case): both judgements,
    // the plain one first; only the increased one fails.
    SheetCase both = increased;
    both.choices.form1 = {};
    both.choices.form1.optU2 = both.choices.form1.opt8 = true;
    both.choices.form1.facility = increased.choices.form1.facility;
    both.rec.countermeasureRainwaterQ1 = 50;
    both.rec.volumeIncreasePercent = 20;
    const Sheet b = both.sheet();
    EXPECT_EQ(totalAndJudgement(b), (Lines{in(19, "総浸透量 ΣFc=58.262m3/hr"), "",
                                           in(20, "  Q1=50.000m3/hr  <  ΣFc=58.262m3/hr  " + kIdeo + "∴ O.K"),
                                           in(20, bars(25)),
                                           in(20, "1.2×Q1=60.0000m3/hr  >  ΣFc=58.2617m3/hr    ∴ NG"),
                                           in(20, bars(28))}));
    ASSERT_EQ(b.ngCount(), 1u);
    EXPECT_TRUE(b.lines[b.lines.size() - 2].ng);
}

TEST(FacilitySheet, WeightedRunoffCoefficientListsRowsInPairsAndExpandsTheAverage)
{
    struct Row {
        const char* name;
        double c, a;
    };
    auto weighted = [](std::vector<Row> rows, double A, double C) {
        SheetCase k;
        k.choices.form1.opt5 = false;
        k.choices.form1.opt6 = true;
        std::string DesignCase::*names[] = {&DesignCase::landUseName1, &DesignCase::landUseName2,
                                            &DesignCase::landUseName3, &DesignCase::landUseName4,
                                            &DesignCase::landUseName5, &DesignCase::landUseName6};
        CaseField cs[] = {&DesignCase::landUseC1, &DesignCase::landUseC2, &DesignCase::landUseC3,
                          &DesignCase::landUseC4, &DesignCase::landUseC5, &DesignCase::landUseC6};
        CaseField as[] = {&DesignCase::landUseA1, &DesignCase::landUseA2, &DesignCase::landUseA3,
                          &DesignCase::landUseA4, &DesignCase::landUseA5, &DesignCase::landUseA6};
        for (std::size_t i = 0; i < rows.size(); ++i) {
            k.rec.*names[i] = rows[i].name;
            k.rec.*cs[i] = rows[i].c;
            k.rec.*as[i] = rows[i].a;
        }
        k.rec.countermeasureAreaA = A;
        k.rec.runoffCoefficientC = C;
        // From the area heading to the line before the intensity.
        Lines lines = from(k.sheet(), "・対策面積(A)", 99);
        while (!lines.empty() && lines.back().find("・降雨強度") == std::string::npos)
            lines.pop_back();
        if (!lines.empty())
            lines.pop_back();
        return lines;
    };
    const std::string areaHeading = in(7, kIdeo + kIdeo + kIdeo + kIdeo + kIdeo + kIdeo + "・対策面積(A) ( ( )は流出係数(C) )");
    const std::string averageHeading = in(7, kIdeo + kIdeo + kIdeo + kIdeo + kIdeo + "  ・平均流出係数(C)");

    EXPECT_EQ(weighted({{"屋　根", 0.9, 500}, {"道　路", 0.85, 300}, {"間　地", 0.2, 150}, {"水  面", 1.0, 50}},
                       1000, 0.785),
              (Lines{areaHeading, in(21, "屋　根(0.9)500.00m2   道　路(0.85)300.00m2"),
                     in(21, "間　地(0.2)150.00m2   水  面(1.0)50.00m2"), in(21, "合計面積 A=1000.00m2=0.100ha"), "",
                     averageHeading, in(21, "C={(0.9×500.00)＋(0.85×300.00)＋(0.2×150.00)"),
                     in(23, "＋(1.0×50.00)}/1000.00=0.785"), ""}));

    EXPECT_EQ(weighted({{"屋　根", 0.9, 500}, {"道　路", 0.85, 300}, {"間　地", 0.2, 150}, {"水  面", 1.0, 50},
                        {"林　地", 0.5, 100}},
                       1100, 0.759),
              (Lines{areaHeading, in(21, "屋　根(0.9)500.00m2   道　路(0.85)300.00m2"),
                     in(21, "間　地(0.2)150.00m2   水  面(1.0)50.00m2"), in(21, "林　地(0.5)100.00m2"),
                     in(21, "合計面積 A=1100.00m2=0.110ha"), "", averageHeading,
                     in(21, "C={(0.9×500.00)＋(0.85×300.00)＋(0.2×150.00)"),
                     in(23, "＋(1.0×50.00)＋(0.5×100.00)}/1100.00=0.759"), ""}));

    EXPECT_EQ(weighted({{"屋　根", 0.9, 500}, {"草　地", 0.3, 1500}}, 2000, 0.45),
              (Lines{areaHeading, in(21, "屋　根(0.9)500.00m2   草　地(0.3)1500.00m2"),
                     in(21, "合計面積 A=2000.00m2=0.200ha"), "", averageHeading,
                     in(21, "C={(0.9×500.00)＋(0.3×1500.00)}/2000.00=0.45"), ""}));

    // One row: C with "0.0##".
    EXPECT_EQ(weighted({{"屋　根", 0.9, 500}}, 500, 0.9),
              (Lines{areaHeading, in(21, "屋　根(0.9)500.00m2"), in(21, "合計面積 A=500.00m2=0.050ha"), "",
                     averageHeading, in(21, "C=(0.9×500.00)/500.00=0.9"), ""}));

    // Rows 1 and 3 with a gap: neither the list nor the expansion.
    EXPECT_EQ(weighted({{"屋　根", 0.9, 500}, {"", 0, 0}, {"間　地", 0.2, 500}}, 1000, 0.55),
              (Lines{areaHeading, in(21, "合計面積 A=1000.00m2=0.100ha"), "", averageHeading, ""}));
}

TEST(FacilitySheet, ArrivalTimeLinesFollowTheMethodsOfTheRainfallDialog)
{
    struct Case {
        const char* name;
        std::function<void(SheetCase&)> set;
        Lines expected;
    };
    const std::string formula = "・降雨強度 I=5000.0/(t＋40.0)=5000.0/(";
    const std::vector<Case> cases = {
        {"t typed",
         [](SheetCase& k) {
             k.choices.form12.Option3 = true;
             k.rec.arrivalTimeT = 10;
             k.rec.rainfallIntensityI = 100;
         },
         {in(19, "・到達時間 t=10.0min"), "", in(19, formula + "10.0＋40.0)=100.0mm/hr=0.100m/hr")}},
        {"t1 and t2 typed",
         [](SheetCase& k) {
             k.choices.form12.Option4 = k.choices.form12.Option1 = k.choices.form12.Option5 = true;
             k.rec.inletTimeT1 = 5;
             k.rec.flowTimeT2 = 10;
             k.rec.arrivalTimeT = 15;
             k.rec.rainfallIntensityI = 5000.0 / 55.0;
         },
         {in(19, "・流入時間 t1=5.0min"), "", in(19, "・流下時間 t2=10.0min"), "",
          in(19, "・到達時間 t=t1＋t2=5.0＋10.0=15.0min"), "",
          in(19, formula + "15.0＋40.0)=90.9mm/hr=0.091m/hr")}},
        {"Kerby and L/60V",
         [](SheetCase& k) {
             k.choices.form12.Option4 = k.choices.form12.Option2 = true;
             k.choices.form12.Option6 = k.choices.form12.Option7 = true;
             k.rec.slopeLengthL = 100;
             k.rec.slopeGradientS = 10;
             k.rec.retardanceN = 0.4;
             k.rec.inletTimeT1 = 23.65;
             k.rec.drainLengthL = 600;
             k.rec.flowVelocityV = 1.0;
             k.rec.flowTimeT2 = 10;
             k.rec.arrivalTimeT = 33.65;
             k.rec.rainfallIntensityI = 5000.0 / 73.65;
         },
         {in(19, "・流入時間 t1=(2/3×3.28×(L･n/√S))^0.467"),
          in(32, "=(2/3×3.28×(100.0×0.40/√0.01))^0.467=23.65min"),
          in(41, "｜ L：斜面距離(m)   S：斜面勾配" + kIdeo + " n：遅滞係数"), "",
          in(19, "・流下時間 t2=L/60V=600.0/(60×1.00)=10.0min"), in(41, "｜ L：管渠延長(m)     V：仮定流速(m/sec)"), "",
          in(19, "・到達時間 t=t1＋t2=23.65＋10.0=33.65min"), "",
          in(19, formula + "33.65＋40.0)=67.9mm/hr=0.068m/hr")}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SheetCase k;
        k.choices.form1.opt3 = false;
        k.choices.form1.opt4 = true;
        k.choices.form12.opt1 = true;
        k.rec.rainConstantA = 5000;
        k.rec.rainConstantB = 40;
        c.set(k);
        const Sheet s = k.sheet();
        EXPECT_EQ(from(s, "・降雨強度 I", 1).size(), 1u);
        Lines lines = from(s, c.expected.front(), c.expected.size() + 1);
        EXPECT_EQ(lines.back(), "") << "2.26 follows the intensity line";
        lines.pop_back();
        EXPECT_EQ(lines, c.expected);
    }
}

TEST(FacilitySheet, RiverChannelFlowTimeOfIbarakiBeforeAfterOrNeither)
{
    auto ibaraki = [](bool before, bool after, double t2) {
        SheetCase k;
        k.choices.form1.opt3 = false;
        k.choices.form1.opt4 = true;
        k.choices.form12.opt1 = true;
        k.choices.form12.Option4 = k.choices.form12.Option1 = k.choices.form12.Option6 = true;
        k.choices.form12.chk1 = true;
        k.choices.form22.opt1 = before;
        k.choices.form22.opt2 = after;
        k.rec.inletTimeT1 = 5;
        k.rec.channelLengthL = 1;
        k.rec.channelSlopeI = 0.01;
        k.rec.flowTimeT2 = t2;
        k.rec.arrivalTimeT = 5 + t2;
        return from(k.sheet(), "・流入時間", 7);
    };
    const std::string legend = in(41, "｜ L：河道延長(km)     i：河道の勾配");
    EXPECT_EQ(ibaraki(true, false, 0.83 / std::pow(0.01, 0.6)),
              (Lines{in(19, "・流入時間 t1=5.0min"), "", in(19, "・流下時間 t2=0.83L/i^0.6=0.83×1.00/0.010^0.6=13.15min"),
                     legend, "", in(19, "・到達時間 t=t1＋t2=5.0＋13.15=18.15min"), ""}));
    EXPECT_EQ(ibaraki(false, true, 0.36 / std::pow(0.01, 0.5)),
              (Lines{in(19, "・流入時間 t1=5.0min"), "", in(19, "・流下時間 t2=0.36L/i^0.5=0.36×1.00/0.010^0.5=3.60min"),
                     legend, "", in(19, "・到達時間 t=t1＋t2=5.0＋3.6=8.6min"), ""}));
    EXPECT_EQ(ibaraki(false, false, 2),
              (Lines{in(19, "・流入時間 t1=5.0min"), "", legend, "", in(19, "・到達時間 t=t1＋t2=5.0＋2.0=7.0min"), "",
                     in(19, "・降雨強度 I=0.0/(t＋0.0)=0.0/(7.0＋0.0)=50.0mm/hr=0.050m/hr")}));
}

TEST(FacilitySheet, EachIntensityFormulaPrintsItsOwnExpansion)
{
    struct Formula {
        bool SheetChoices::Form12::*option;
        double a, b, c, d, t, I;
        const char* line;
    };
    using F = SheetChoices::Form12;
    const std::vector<Formula> formulas = {
        {&F::opt1, 5000, 40, 0, 0, 10, 100, "・降雨強度 I=5000.0/(t＋40.0)=5000.0/(10.0＋40.0)=100.0mm/hr=0.100m/hr"},
        {&F::opt4, 500, 2, 0, 0, 16, 500.0 / 6, "・降雨強度 I=500.0/(√t＋2.0)=500.0/(√16.0＋2.0)=83.3mm/hr=0.083m/hr"},
        {&F::opt2, 500, 1, 0, 0, 16, 500.0 / 3, "・降雨強度 I=500.0/(√t－1.0)=500.0/(√16.0－1.0)=166.7mm/hr=0.167m/hr"},
        {&F::opt3, 5000, 0.5, 0, 0, 25, 1000, "・降雨強度 I=5000.0/(t^0.5)=5000.0/(25.0^0.5)=1000.0mm/hr=1.000m/hr"},
        {&F::opt5, 1000, 5, 4, 3, 16, 1000.0 / 13,
         "・降雨強度 I=1000.0/(t^(3/4)＋5.0)=1000.0/(16.0^(3/4)＋5.0)=76.9mm/hr=0.077m/hr"},
        {&F::opt6, 1000, 3, 4, 3, 16, 200,
         "・降雨強度 I=1000.0/(t^(3/4)－3.0)=1000.0/(16.0^(3/4)－3.0)=200.0mm/hr=0.200m/hr"},
    };
    for (const Formula& f : formulas) {
        SCOPED_TRACE(f.line);
        SheetCase k;
        k.choices.form1.opt3 = false;
        k.choices.form1.opt4 = true;
        k.choices.form12.*f.option = true;
        k.choices.form12.Option3 = true;
        k.rec.rainConstantA = f.a;
        k.rec.rainConstantB = f.b;
        k.rec.rainConstantC = f.c;
        k.rec.rainConstantD = f.d;
        k.rec.arrivalTimeT = f.t;
        k.rec.rainfallIntensityI = f.I;
        EXPECT_EQ(from(k.sheet(), "・降雨強度 I", 2), (Lines{in(19, f.line), ""}));
    }
}
