// The well sheet, the sheet chosen by the well's check box, the drawn sheet's
// differences, and what keeps a sheet from being written: values that are
// not numbers and typed text outside CP932. The text file's bytes.
#include "sheet_test_support.h"

#include "core/facilities/calculation_run.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <limits>

using namespace akuenza;
using namespace akuenza::sheet_test;

namespace {

SheetCase wellCase()
{
    SheetCase k;
    k.choices.form1 = {};
    k.choices.form1.chk6 = 1;
    k.rec.soilConductivityKo = 0.05;
    k.enter(6, {"2.0", "3.5", "5", "", "", ""});
    return k;
}

} // namespace

TEST(WellSheet, SuctionTankCheckExampleIsWrittenLineForLine)
{
    const std::string p1 = in(16, kIdeo + " ");
    const std::string p2 = p1 + kIdeo;
    const Sheet s = wellCase().sheet();
    const Lines expected = {
        "", in(13, "☆ アクエンザ書"), "", in(16, "◎ 雨水吸込槽"), "",
        p1 + "１、設計条件の設定",
        p2 + "集水区域面積Ａ=1000.0m2=0.1ha",
        p2 + "吸込槽直径  Ｄ=2.0m",
        p2 + "吸込槽本数  ｎ=5本",
        p2 + "定  数      ａ=5.0  ｂ=1200",
        p2 + "流 出 係 数 Ｃ=0.9",
        p2 + "浸 透 係 数 Ｋ=0.5",
        p2 + "許可放流量 Ｑc=0m3/sc",
        p2 + "降雨強度：60mm/hr", "",
        p1 + "２、吸込槽の計算",
        p2 + "吸込槽底面積ａ'=π･D^2/4=3.14159×2.0^2/4=3.1416m2",
        p2 + "必要面積ａi=ａ'×n=3.1416×5=15.7080m2",
        p2 + "Ｐ=0mm/hr (許可放流量が無い為)",
        p2 + "Ｓ=(60/1000)･K･ａi=(60/1000)×0.5×15.7080=0.4712mm/min",
        p2 + "Ｑ=(A･60･C)/360=(0.1×60×0.9)/360=0.0150",
        p2 + "Ｙ=(P･Q＋S)/(Q･b)=(0×0.0150＋0.4712)/(0.0150×1200)=0.0262",
        p2 + "Ｘ={(1/3－2･a･Y)＋sqr(8/3･a･Y＋1/9)}/(2･Y)",
        p2 + "  ={(0.3333－2×5.0×0.0262)＋sqr(2.6667×5.0×0.0262＋0.1111)",
        p2 + "   /(2×0.0262)=14.3213",
        p2 + "to=X^(3/2)=14.3213^(3/2)=54.1966min",
        p2 + "V(to)={1200/(to^(2/3)＋5.0)－rc/2}･A･60･to･C･(1/360)－(60/1000)･K･ai･to",
        p2 + "     ={1200/(54.1966^(2/3)＋5.0)－0/2}×0.1×60×54.1966×0.9",
        p2 + "      ×(1/360)－(60/1000)×0.5×15.7080×54.1966=24.9509m3",
        p2 + "吸込槽有効深さh=V(to)/ai=24.9509/15.7080=1.5884m", "",
        p1 + "従って",
        p1 + "（１）吸水槽直径Ｄ=2.0m",
        p1 + "（２）吸込槽本数ｎ=5本",
        p1 + "（３）吸込槽有効深さｈ=1.5884m",
        in(16, kIdeo + "       " + kIdeo + kIdeo + kIdeo + "施工深さＨ=3.5000m")};
    EXPECT_EQ(texts(s), expected);
    for (const SheetLine& line : s.lines)
        EXPECT_EQ(line.part, SheetPart::Hyouji_3);
}

TEST(WellSheet, TheWellsCheckBoxChoosesTheSheet)
{
    SheetCase k = wellCase();
    k.choices.form1.facility[0] = true; // a facility ticked as well (from an old file)
    k.choices.boxes[0] = {"0.5", "1.0", "2", "", "", "", "", "", "", "", "", ""};
    EXPECT_EQ(texts(k.sheet()), texts(wellSheet(k.rec, SheetVariant::TextFile)));
    k.choices.form1.chk6 = 0;
    EXPECT_EQ(k.sheet().lines[3].text, in(16, "◎ 対策雨水量"));
    k.choices.form1.chk6 = 2; // neither value: 書き込み writes nothing
    EXPECT_TRUE(k.sheet().lines.empty());
}

TEST(DrawnSheet, DiffersFromTheTextFileOnlyWhereThePrintImageDoes)
{
    SheetCase k;
    k.rec.rainfallIntensityI = 52.34;
    k.enter(1, {"0.5", "1.0", "2", "", "", "", "0.5", "1.0", "2", "", "", ""});
    k.enter(5, {"0.3", "5", "", ""});
    const Sheet text = k.sheet(SheetVariant::TextFile);
    const Sheet drawn = k.sheet(SheetVariant::Drawn);

    Lines expected = texts(text);
    expected.insert(expected.begin(), 5, "");
    for (std::string& line : expected) {
        if (line == in(19, "・降雨強度 I=52.3mm/hr=0.052m/hr"))
            line = in(19, "・降雨強度 I=52.34mm/hr=0.052m/hr");
        if (line.find("総浸透量") != std::string::npos)
            line = " " + line;
    }
    EXPECT_EQ(texts(drawn), expected);
    EXPECT_NE(std::find(expected.begin(), expected.end(), in(20, "総浸透量 ΣFc=10.107m3/hr")), expected.end());

    // The blank line opening each of the three blocks is marked, on the drawn sheet only.
    std::vector<std::size_t> starts;
    for (std::size_t i = 0; i < drawn.lines.size(); ++i)
        if (drawn.lines[i].blockStart)
            starts.push_back(i);
    ASSERT_EQ(starts.size(), 3u);
    for (std::size_t i : starts) {
        EXPECT_EQ(drawn.lines[i].text, "");
        EXPECT_EQ(drawn.lines[i + 1].text.rfind(in(19, "※ "), 0), 0u);
    }
    for (const SheetLine& line : text.lines)
        EXPECT_FALSE(line.blockStart);

    // Hyouji_1 draws up to the intensity line, Hyouji_2 from the blank before Q1 on.
    for (std::size_t i = 0; i < drawn.lines.size(); ++i) {
        const bool first = i <= 5 + 12;
        EXPECT_EQ(drawn.lines[i].part, first ? SheetPart::Hyouji_1 : SheetPart::Hyouji_2) << i;
    }
    EXPECT_EQ(drawn.lines[18].text, "");
    EXPECT_EQ(drawn.lines[19].text.find("対策雨水量 Q1="), 19u);
    EXPECT_EQ(drawn.ngCount(), 1u);
    EXPECT_EQ(text.ngCount(), 1u);

    // The computed intensity is drawn with two decimals as well.
    k.choices.form1.opt3 = false;
    k.choices.form1.opt4 = true;
    k.choices.form12.opt4 = k.choices.form12.Option3 = true;
    k.rec.rainConstantA = 500;
    k.rec.rainConstantB = 2;
    k.rec.arrivalTimeT = 16;
    k.rec.rainfallIntensityI = 500.0 / 6.0;
    EXPECT_EQ(from(k.sheet(SheetVariant::Drawn), "・降雨強度", 1),
              (Lines{in(19, "・降雨強度 I=500.0/(√t＋2.0)=500.0/(√16.0＋2.0)=83.33mm/hr=0.083m/hr")}));

    const Sheet well = wellCase().sheet(SheetVariant::Drawn);
    EXPECT_EQ(texts(well), [] {
        Lines l = texts(wellCase().sheet());
        l.insert(l.begin(), 5, "");
        return l;
    }());
}

TEST(SheetRefusal, AValueThatIsNotANumberIsNamedWithTheRunsMessage)
{
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    SheetCase k;
    k.enter(1, {"0.5", "1.0", "2", "", "", "", "", "", "", "", "", ""});
    ASSERT_FALSE(k.sheet().hasNonFinite());

    struct Case {
        const char* name;
        std::function<void(SheetCase&)> spoil;
        NonFiniteValue first;
        const char* message;
    };
    const std::vector<Case> cases = {
        {"Kf", [=](SheetCase& c) { c.rec.square11Kf = inf; }, {"square11Kf", SheetConcern::Infiltration},
         kInfiltrationNotComputable},
        {"width in mm", [](SheetCase& c) { c.rec.square11W = 1e306; }, {"square11W", SheetConcern::Infiltration},
         kInfiltrationNotComputable},
        {"Q1", [=](SheetCase& c) { c.rec.countermeasureRainwaterQ1 = nan; },
         {"countermeasureRainwaterQ1", SheetConcern::Rainwater}, kRainwaterNotComputable},
        {"increase",
         [](SheetCase& c) {
             c.choices.form1.opt7 = false;
             c.choices.form1.opt8 = true;
             c.rec.volumeIncreasePercent = 1e308;
         },
         {"volumeIncreasePercent", SheetConcern::Increase}, kIncreaseTooLarge},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SheetCase spoilt = k;
        c.spoil(spoilt);
        const Sheet s = spoilt.sheet();
        ASSERT_TRUE(s.hasNonFinite());
        EXPECT_EQ(s.nonFinite.front(), c.first);
        EXPECT_EQ(nonFiniteMessage(s), c.message);
        for (const SheetLine& line : s.lines)
            EXPECT_TRUE(line.text.find("inf") == std::string::npos && line.text.find("nan") == std::string::npos)
                << line.text;
        SheetEncodingError error;
        EXPECT_FALSE(sheetBytes(s, &error));
        EXPECT_EQ(error.reason, SheetEncodingError::Reason::NonFinite);
    }

    // A stale value the sheet does not print is no reason to refuse: c of a
    // square basin above 1 m is not on its lines.
    SheetCase middle;
    middle.enter(1, {"5", "1.0", "2", "", "", "", "", "", "", "", "", ""});
    middle.rec.square11c = inf;
    EXPECT_FALSE(middle.sheet().hasNonFinite());

    SheetCase well = wellCase();
    well.rec.wellEffectiveDepthH = nan;
    EXPECT_EQ(nonFiniteMessage(well.sheet()), kWellDepthNotComputable);
    EXPECT_EQ(nonFiniteMessage(wellCase().sheet()), "");
}

TEST(SheetRefusal, TypedTextOutsideCp932NamesItsBoxAndGivesNoBytes)
{
    SheetCase k;
    k.rec.soilName = "𠮷野ローム";
    const Sheet s = k.sheet();
    EXPECT_EQ(s.unencodable, (std::vector<UnencodableText>{{"Form1", "txt_t", "𠮷野ローム"}}));
    SheetEncodingError error;
    EXPECT_FALSE(sheetBytes(s, &error));
    EXPECT_EQ(error.reason, SheetEncodingError::Reason::Unencodable);
    EXPECT_EQ(s.lines[error.line].text.find("𠮷"), error.offset);
    EXPECT_NE(s.lines[error.line].text.find("・土壌の飽和透水係数"), std::string::npos);

    // A land-use name counts where it is printed: row 2 of a leading run.
    SheetCase rows;
    rows.choices.form1.opt5 = false;
    rows.choices.form1.opt6 = true;
    rows.rec.landUseName1 = "屋　根";
    rows.rec.landUseName2 = "庭😀";
    rows.rec.landUseA1 = 100;
    rows.rec.landUseA2 = 100;
    EXPECT_EQ(rows.sheet().unencodable, (std::vector<UnencodableText>{{"Form16", "txt_t2", "庭😀"}}));
    rows.rec.landUseA1 = 0; // a gap: the names are not printed
    EXPECT_TRUE(rows.sheet().unencodable.empty());
    EXPECT_TRUE(sheetBytes(rows.sheet()).has_value());
}

TEST(SheetBytes, EveryLineInCp932WithCrLf)
{
    SheetCase k;
    k.choices.form1 = {};
    k.choices.form1.optU2 = true;
    k.enter(1, {"0.5", "1.0", "2", "", "", "", "", "", "", "", "", ""});
    k.rec.countermeasureRainwaterQ1 = double(k.rec.totalInfiltrationFc);
    const Sheet s = k.sheet();
    const auto bytes = sheetBytes(s);
    ASSERT_TRUE(bytes.has_value());

    const std::string head = "\r\n" + std::string(13, ' ') + "\x81\x99 \x83\x41\x83\x4E\x83\x47\x83\x93\x83\x55\x8F\x91\r\n"
                             "\r\n" + std::string(16, ' ') + "\x81\x9D \x91\xCE\x8D\xF4\x89\x4A\x90\x85\x97\xCA\r\n";
    std::string tail = std::string(22, ' ') + "Q1=6.062m3/hr  <  \x83\xB0" "Fc=6.062m3/hr  \x81\x40\x81\x88 O.K\r\n" +
                       std::string(20, ' ');
    for (int i = 0; i < 25; ++i)
        tail += "\x81\x5C";
    tail += "\r\n";
    EXPECT_EQ(bytes->substr(0, head.size()), head);
    ASSERT_GE(bytes->size(), tail.size());
    EXPECT_EQ(bytes->substr(bytes->size() - tail.size()), tail);

    std::size_t lineEnds = 0;
    for (std::size_t at = bytes->find("\r\n"); at != std::string::npos; at = bytes->find("\r\n", at + 2))
        ++lineEnds;
    EXPECT_EQ(lineEnds, s.lines.size());
    EXPECT_EQ(bytes->find('\n'), bytes->find("\r\n") + 1);
}
