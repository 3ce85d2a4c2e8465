// 必要数量: the quantity of one facility row that makes ΣFc reach Q1, checked
// by hand for every family with and without an increase, at the
// floating-point edges where the quotient lands exactly on a step, when the
// other rows already cover Q1 and where no quantity can; then the table and
// the TSV lines.
#include "core/facilities/required_quantities.h"

#include "core/record/lenient_number.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>

using namespace akuenza;

namespace {

using Boxes = std::vector<std::pair<const char*, const char*>>;
using Dialogs = std::vector<std::pair<int, Boxes>>;

// Q1 typed, the soil typed with Ko 0.01 cm/sec and C 1.0: Q = Kf x 0.36.
RunEntries typedCase(const std::string& q1, const Dialogs& dialogs, const char* cf = "1.0")
{
    RunEntries e;
    ConditionEntries& c = e.conditions;
    c.optU2 = true;
    c.txtU = q1;
    c.chkT = true;
    c.txtT = "ローム";
    c.txtTk = "0.01";
    c.txtCf = cf;
    for (const auto& [selector, filled] : dialogs) {
        const FacilityFamily& family = *facilityFamily(selector);
        BoxTexts texts(family.boxes.size());
        for (const auto& [name, text] : filled)
            texts.at(family.boxIndex(name)) = text;
        e.conditions.facility[static_cast<std::size_t>(selector - 1)] = true;
        e.dialogs[static_cast<std::size_t>(selector - 1)] = {true, texts};
    }
    return e;
}

RequiredQuantities afterRun(const RunEntries& e)
{
    DesignCase rec;
    calculationRun(rec, e);
    return requiredQuantities(rec, e);
}

double totalOf(const RunEntries& e)
{
    DesignCase rec;
    EXPECT_TRUE(calculationRun(rec, e).ok());
    return rec.totalInfiltrationFc;
}

// The shortest text that reads back as exactly this number.
std::string exactText(double value)
{
    char buf[64];
    return std::string(buf, std::to_chars(buf, buf + sizeof buf, value).ptr);
}

const Boxes kPond{{"txt2h", "1.0"}, {"txt2s", "10"}}; // Q 0.46836 per m2, Fc 4.6836

} // namespace

TEST(RequiredQuantities, OneRowOfEachFamilyCheckedByHandWithAndWithoutIncrease)
{
    struct Row {
        Dialogs dialog;
        const char* box;
        const char* name;
        const char* unit;
        const char* plain;     // Q1 = 45
        const char* increased; // Q1 = 45 increased by 10 %: 49.5
    };
    const std::vector<Row> rows = {
        // Kf = 1.045 + 4.7385 + 1.146 = 6.9295, Q 2.49462: 18.04, 19.84
        {{{1, {{"txt11w", "0.5"}, {"txt11h", "1.0"}, {"txt11n", "2"}}}}, "txt11n", "浸透桝 W500×500×H1000", "個", "19",
         "20"},
        // Kf = 8.9455 + 1.1575 = 10.103, Q 3.63708: 12.37, 13.61
        {{{2, {{"txt2w", "0.5"}, {"txt2l", "1.0"}, {"txt2h", "1.0"}, {"txt2n", "1"}}}}, "txt2n",
         "浸透桝 W500×L1000×H1000", "個", "13", "14"},
        // bottom only: Kf = 1.397 + 1.757 = 3.154, Q 1.13544: 39.63, 43.60
        {{{3, {{"txt21d", "1.0"}, {"txt21h", "1.0"}, {"txt21n", "3"}}}}, "txt21n", "浸透桝 D1000×H1000", "個", "40",
         "44"},
        // Kf = 3.093 + 1.347 = 4.44, Q 1.5984 per metre: 28.15, 30.97
        {{{4, {{"txt21w", "0.5"}, {"txt21h", "1.0"}, {"txt21l", "12.25"}}}}, "txt21l", "浸透管(トレンチ) W500×H1000",
         "ｍ", "28.2", "31.0"},
        // Kf = 0.014 + 1.287 = 1.301, Q 0.46836 per m2: 96.08, 105.69
        {{{5, kPond}}, "txt2s", "浸透池", "ｍ2", "96.1", "105.7"},
    };
    for (const Row& row : rows) {
        for (bool increase : {false, true}) {
            SCOPED_TRACE(std::string(row.box) + (increase ? " increased" : ""));
            RunEntries e = typedCase("45", row.dialog);
            e.conditions.opt8 = increase;
            e.conditions.txt1 = "10";
            const RequiredQuantities r = afterRun(e);
            ASSERT_TRUE(r.ok()) << *r.failure;
            EXPECT_EQ(r.q1, increase ? 49.5 : 45.0);
            EXPECT_DOUBLE_EQ(r.shortfall, r.q1 - r.totalFc);
            ASSERT_EQ(r.rows.size(), 1u);
            const RequiredRow& q = r.rows[0];
            EXPECT_EQ(q.form, std::string(facilityFamily(q.selector)->form));
            EXPECT_EQ(q.box, std::string(row.box));
            EXPECT_EQ(q.name, row.name);
            EXPECT_EQ(q.unit, std::string(row.unit));
            EXPECT_DOUBLE_EQ(q.fc, q.perUnit * q.quantity);
            EXPECT_EQ(q.status, RequiredStatus::Required);
            EXPECT_EQ(q.required, increase ? row.increased : row.plain);
            EXPECT_EQ(q.requiredValue, lenientNumber(q.required));
        }
    }
}

// Q1 typed as exactly the Fc of a quantity: the quotient lands on the step,
// where Q1 <= ΣFc holds at that very quantity; one ulp more needs the next
// step. Division alone misses some of these; the proof never does.
TEST(RequiredQuantities, AQuotientOnAStepGivesThatStepAndOneUlpMoreTheNext)
{
    const std::vector<std::pair<Boxes, std::vector<const char*>>> rows = {
        {{{"txt11w", ""}, {"txt11h", "1.3"}}, {"1", "3", "7", "13", "29", "41", "1000000000"}},
        {{{"txt11w", ""}, {"txt11h", "1.3"}},
         {"0.1", "0.7", "1.3", "12.3", "28.1", "100.1", "333.3", "4097.9", "1000000000.0"}},
        {{{"txt1h", ""}}, {"0.3", "2.9", "12.3", "96.1", "700.7", "1234.5"}},
    };
    const int selectors[] = {1, 4, 5};
    const char* quantityBoxes[] = {"txt11n", "txt11l", "txt1s"};
    int divisionMisses = 0;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        for (const char* size : {"0.3", "0.55", "0.8", "1.17"}) {
            for (const char* quantity : rows[i].second) {
                SCOPED_TRACE(std::string(quantityBoxes[i]) + " " + size + " " + quantity);
                Boxes boxes = rows[i].first;
                boxes[0].second = size;
                boxes.push_back({quantityBoxes[i], quantity});
                RunEntries e = typedCase("1", {{selectors[i], boxes}});
                for (const double q1 : {totalOf(e), std::nextafter(totalOf(e), HUGE_VAL)}) {
                    e.conditions.txtU = exactText(q1);
                    const RequiredQuantities r = afterRun(e);
                    ASSERT_EQ(r.rows.size(), 1u);
                    const RequiredRow& row = r.rows[0];
                    const double scale = row.decimals == 0 ? 1.0 : 10.0;
                    const double steps = std::round(lenientNumber(quantity) * scale) + (q1 == totalOf(e) ? 0 : 1);
                    if (steps > kRequiredQuantityLimit * scale)
                        EXPECT_EQ(row.message, kRequiredBeyondLimit);
                    else
                        EXPECT_EQ(row.steps, steps);
                    divisionMisses += std::ceil(q1 / row.perUnit * scale) != steps;
                }
            }
        }
    }
    EXPECT_GT(divisionMisses, 0) << "the edges are real: the plain quotient is a step off for some";
}

TEST(RequiredQuantities, CoveredRowsNeedNoneAndRowsNoQuantityCanMeetSayWhy)
{
    struct Case {
        const char* what;
        const char* q1;
        const char* cf;
        Dialogs dialogs;
        std::vector<const char*> required; // the text, or the message where no number stands
    };
    const Boxes square20{{"txt11w", "0.5"}, {"txt11h", "1.0"}, {"txt11n", "20"}}; // Fc 49.89
    const Boxes tinyCircle{{"txt21d", "0.01"}, {"txt21h", "1.0"}, {"txt21n", "4"}}; // Q -0.0322333
    const std::vector<Case> cases = {
        // (45 - 4.6836) / 2.49462 = 16.16; the square alone covers 45.
        {"covered", "45", "1.0", {{1, square20}, {5, kPond}}, {"17", "0"}},
        {"no infiltration", "45", "0", {{5, kPond}}, {kRequiredNoInfiltration}},
        // (1 + 4 x 0.0322333) / 0.46836 = 2.41
        {"a negative Q, covered", "1", "1.0", {{3, tinyCircle}, {5, kPond}}, {"0", "2.5"}},
        // (45 + 4 x 0.0322333) / 0.46836 = 96.355
        {"a negative Q", "45", "1.0", {{3, tinyCircle}, {5, kPond}}, {kRequiredNoInfiltration, "96.4"}},
        {"far beyond a billion", "1e12", "1.0", {{5, kPond}}, {kRequiredBeyondLimit}},
        // a billion m2 of Q 0.46836 falls short by a hair
        {"just beyond a billion", "468360000.001", "1.0", {{5, kPond}}, {kRequiredBeyondLimit}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const RequiredQuantities r = afterRun(typedCase(c.q1, c.dialogs, c.cf));
        ASSERT_TRUE(r.ok()) << *r.failure;
        ASSERT_EQ(r.rows.size(), c.required.size());
        for (std::size_t i = 0; i < r.rows.size(); ++i) {
            const RequiredRow& row = r.rows[i];
            EXPECT_EQ(row.hasQuantity() ? row.required : row.message, c.required[i]);
            EXPECT_EQ(row.status, row.steps > 0 ? RequiredStatus::Required
                                  : row.hasQuantity() ? RequiredStatus::Covered
                                                      : RequiredStatus::CannotBeMet);
            if (!row.hasQuantity()) {
                // The table and the TSV line put the message where the number would be.
                EXPECT_EQ(row.required, "");
                EXPECT_NE(requiredQuantitiesTable(r).find("  " + row.message + "\n"), std::string::npos);
                EXPECT_NE(requiredQuantitiesTsv(r, "a").find("\t" + row.message + "\t"), std::string::npos);
            }
        }
    }
}

TEST(RequiredQuantities, CasesWithoutAVerdictOrWithoutARowSaySo)
{
    const Boxes square{{"txt11w", "0.5"}, {"txt11h", "1.0"}, {"txt11n", "2"}};
    struct Case {
        const char* what;
        RunEntries entries;
        std::string message;
        bool verdict;
    };
    std::vector<Case> cases = {
        {"a failed check", typedCase("45", {{1, square}}, ""), "各種影響係数を入力してください。", false},
        {"a value beyond numbers", typedCase("1e400", {{1, square}}), kRainwaterNotComputable, false},
        {"the well", typedCase("45", {{1, square}, {6, {{"txt1d", "2"}, {"txt1h", "3"}, {"txt1n", "5"}}}}),
         kRequiredWellCase, false},
        // A chosen family without a key box, a kind without its key box, a
        // dialog whose family is not chosen: a verdict, but no row.
        {"no row", typedCase("45", {{4, {{"txt11l", "10"}}}, {5, {{"txt1s", "3"}}}}), kRequiredNoRows, true},
    };
    cases.back().entries.dialogs[0] = {true, {"0.5", "1", "1", "", "", "", "", "", "", "", "", ""}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const RequiredQuantities r = afterRun(c.entries);
        EXPECT_EQ(r.ok(), c.verdict);
        EXPECT_EQ(r.failure.value_or(kRequiredNoRows), c.message);
        EXPECT_TRUE(r.rows.empty());
        EXPECT_TRUE(requiredQuantitiesTable(r).ends_with("\n" + c.message + "\n") ||
                    requiredQuantitiesTable(r) == c.message + "\n");
        EXPECT_EQ(requiredQuantitiesTsv(r, "a.qzk"), "a.qzk\t\t\t\t\t\t" + c.message + "\t\n");
    }
}

TEST(RequiredQuantities, TypedQuantitiesAndDisplayWidths)
{
    const std::vector<std::tuple<std::int64_t, int, const char*>> typed = {
        {0, 0, "0"},   {7, 0, "7"},     {1000000000, 0, "1000000000"}, {0, 1, "0"},
        {5, 1, "0.5"}, {120, 1, "12.0"}, {123, 1, "12.3"},               {10000000000, 1, "1000000000.0"},
    };
    for (const auto& [steps, decimals, text] : typed)
        EXPECT_EQ(typedQuantity(steps, decimals), text) << steps;

    const std::vector<std::pair<const char*, std::size_t>> widths = {
        {"", 0},     {"Form2 7", 7}, {"浸透桝", 6}, {"ｍ2", 3},         {"ﾃﾆｽ", 3},
        {"×Σ①", 3}, {"　", 2},      {"∴ O.K", 5}, {"\xE6\xB5", 2}, {"a\xFF" "b", 3},
    };
    for (const auto& [text, width] : widths)
        EXPECT_EQ(displayWidth(text), width) << text;
}

TEST(RequiredQuantities, TheTableAlignsItsColumnsAndTheTsvKeepsItsFields)
{
    RunEntries e = typedCase("45", {{1, {{"txt11w", "0.5"}, {"txt11h", "1.0"}, {"txt11n", "2"}}},
                                    {4, {{"txt21w", "0.5"}, {"txt21h", "1.0"}, {"txt21l", "12.25"}}},
                                    {5, {{"txt2h", "1.0"}, {"txt2s", "200"}}}});
    e.conditions.opt8 = true;
    e.conditions.txt1 = "10";
    const RequiredQuantities r = afterRun(e);

    // ΣFc = 2 x 2.49462 + 12.25 x 1.5984 + 200 x 0.46836 = 118.24164 against
    // 49.5: O.K. The pond alone: (49.5 - 4.98924 - 19.5804) / 0.46836 = 53.23.
    EXPECT_EQ(requiredQuantitiesTable(r),
              "1.1×Q1=49.500m3/hr  ΣFc=118.242m3/hr  余裕=68.742m3/hr  ∴ O.K\n"
              "\n"
              "画面          施設                         設計浸透量Q(m3/hr)  現在の数量  現在のFc(m3/hr)  必要数量  単位  備考\n"
              "正方形砕石層  浸透桝 W500×500×H1000                   2.49462           2            4.989         0  個    他の施設で満たしています。\n"
              "浸透側溝、管  浸透管(トレンチ) W500×H1000              1.5984       12.25           19.580         0  ｍ    他の施設で満たしています。\n"
              "浸透舗装、池  浸透池                                  0.46836         200           93.672      53.3  ｍ2\n");
    EXPECT_EQ(requiredQuantitiesTsvHeading(),
              "計算ファイル\t画面\t入力欄\t施設\t設計浸透量Q\t現在の数量\t必要数量\t単位\n");
    EXPECT_EQ(requiredQuantitiesTsv(r, "北側\t案\\1.qzk"),
              "北側\\t案\\\\1.qzk\tForm2\ttxt11n\t浸透桝 W500×500×H1000\t2.49462\t2\t0\t個\n"
              "北側\\t案\\\\1.qzk\tForm14\ttxt21l\t浸透管(トレンチ) W500×H1000\t1.5984\t12.25\t0\tｍ\n"
              "北側\\t案\\\\1.qzk\tForm15\ttxt2s\t浸透池\t0.46836\t200\t53.3\tｍ2\n");
}
