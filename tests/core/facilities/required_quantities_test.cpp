// 必要数量: the quantity of one facility row that makes ΣFc reach Q1, checked
// by hand for every family, at the floating-point edges where the quotient
// lands exactly on a step, with an increase, when the other rows already
// cover Q1, and where no quantity can; then the table and the TSV lines.
#include "core/facilities/required_quantities.h"

#include "core/record/lenient_number.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <functional>
#include <iostream>
#include <tuple>

using namespace akuenza;

namespace {

// Q1 typed (optU2), the soil typed with Ko 0.01 cm/sec and C 1.0, so that
// Q = Kf x 0.36 per unit.
RunEntries typedCase(const std::string& q1)
{
    RunEntries e;
    ConditionEntries& c = e.conditions;
    c.optU2 = true;
    c.txtU = q1;
    c.chkT = true;
    c.txtT = "ローム";
    c.txtTk = "0.01";
    c.txtCf = "1.0";
    return e;
}

void setDialog(RunEntries& e, int selector, BoxTexts texts)
{
    e.conditions.facility[static_cast<std::size_t>(selector - 1)] = true;
    e.dialogs[static_cast<std::size_t>(selector - 1)] = {true, std::move(texts)};
}

// The texts of a family's dialog with the named boxes filled.
BoxTexts boxes(int selector, std::initializer_list<std::pair<const char*, const char*>> filled)
{
    const FacilityFamily& family = *facilityFamily(selector);
    BoxTexts texts(family.boxes.size());
    for (const auto& [name, text] : filled)
        texts.at(family.boxIndex(name)) = text;
    return texts;
}

RequiredQuantities afterRun(const RunEntries& e)
{
    DesignCase rec;
    calculationRun(rec, e);
    return requiredQuantities(rec, e);
}

// The verdict of the run with one box changed: what the engineer sees after
// typing the text and pressing 計算.
bool adequateWith(RunEntries e, int selector, const char* box, const std::string& text)
{
    BoxTexts& texts = e.dialogs[static_cast<std::size_t>(selector - 1)].texts;
    texts.at(facilityFamily(selector)->boxIndex(box)) = text;
    DesignCase rec;
    const RunOutcome outcome = calculationRun(rec, e);
    EXPECT_TRUE(outcome.ok() && outcome.display.comparison);
    return outcome.ok() && outcome.display.comparison && outcome.display.comparison->adequate;
}

// The shortest text that reads back as exactly this number.
std::string exactText(double value)
{
    char buf[64];
    return std::string(buf, std::to_chars(buf, buf + sizeof buf, value).ptr);
}

struct OneRow {
    int selector;
    BoxTexts texts;
    const char* form;
    const char* box;
    const char* name;
    const char* unit;
    const char* now;
    const char* required;        // Q1 = 45
    const char* requiredIncreased; // Q1 = 45 increased by 10 %
};

// One row of each family; Q by hand: Kf from the method x 0.36.
const std::vector<OneRow> kOneRowPerFamily = {
    // a = 1.045, b = 4.7385, c = 1.146: Kf 6.9295, Q 2.49462; 45 / Q = 18.04, 49.5 / Q = 19.84
    {1, boxes(1, {{"txt11w", "0.5"}, {"txt11h", "1.0"}, {"txt11n", "2"}}), "Form2", "txt11n",
     "浸透桝 W500×500×H1000", "個", "2", "19", "20"},
    // a = 8.9455, b = 1.1575: Kf 10.103, Q 3.63708; 12.37, 13.61
    {2, boxes(2, {{"txt2w", "0.5"}, {"txt2l", "1.0"}, {"txt2h", "1.0"}, {"txt2n", "1"}}), "Form5", "txt2n",
     "浸透桝 W500×L1000×H1000", "個", "1", "13", "14"},
    // bottom only, D = 1: a = 1.397, b = 1.757: Kf 3.154, Q 1.13544; 39.63, 43.60
    {3, boxes(3, {{"txt21d", "1.0"}, {"txt21h", "1.0"}, {"txt21n", "3"}}), "Form6", "txt21n",
     "浸透桝 D1000×H1000", "個", "3", "40", "44"},
    // a = 3.093, b = 1.347: Kf 4.44, Q 1.5984 per metre; 28.15, 30.97
    {4, boxes(4, {{"txt21w", "0.5"}, {"txt21h", "1.0"}, {"txt21l", "12.25"}}), "Form14", "txt21l",
     "浸透管(トレンチ) W500×H1000", "ｍ", "12.25", "28.2", "31.0"},
    // a = 0.014, b = 1.287: Kf 1.301, Q 0.46836 per m2; 96.08, 105.69
    {5, boxes(5, {{"txt2h", "1.0"}, {"txt2s", "50"}}), "Form15", "txt2s", "浸透池", "ｍ2", "50", "96.1", "105.7"},
};

} // namespace

TEST(RequiredQuantities, OneRowOfEachFamilyCheckedByHandWithAndWithoutIncrease)
{
    for (const OneRow& c : kOneRowPerFamily) {
        SCOPED_TRACE(c.form);
        for (bool increase : {false, true}) {
            SCOPED_TRACE(increase ? "increase 10 %" : "no increase");
            RunEntries e = typedCase("45");
            if (increase) {
                e.conditions.opt8 = true;
                e.conditions.txt1 = "10";
            }
            setDialog(e, c.selector, c.texts);
            const RequiredQuantities r = afterRun(e);
            ASSERT_TRUE(r.ok()) << *r.failure;
            EXPECT_EQ(r.q1, increase ? 49.5 : 45.0);
            EXPECT_FALSE(r.comparison.adequate);
            EXPECT_EQ(r.increased, increase);
            EXPECT_DOUBLE_EQ(r.shortfall, r.q1 - r.totalFc);
            ASSERT_EQ(r.rows.size(), 1u);
            const RequiredRow& row = r.rows[0];
            EXPECT_EQ(row.form, std::string(c.form));
            EXPECT_EQ(row.box, std::string(c.box));
            EXPECT_EQ(row.name, c.name);
            EXPECT_EQ(row.unit, std::string(c.unit));
            EXPECT_EQ(row.quantityText, c.now);
            EXPECT_EQ(row.quantity, lenientNumber(c.now));
            EXPECT_DOUBLE_EQ(row.fc, row.perUnit * row.quantity);
            EXPECT_DOUBLE_EQ(row.fc, r.totalFc);
            EXPECT_EQ(row.status, RequiredStatus::Required);
            EXPECT_EQ(row.required, increase ? c.requiredIncreased : c.required);
            EXPECT_EQ(row.requiredValue, lenientNumber(row.required));
            EXPECT_EQ(row.message, "");
        }
    }
}

TEST(RequiredQuantities, EveryRowOfEveryFamilyNamesItsQuantityBoxAndUnit)
{
    struct Family {
        int selector;
        std::vector<std::pair<const char*, const char*>> filled; // key boxes
        std::vector<const char*> quantityBoxes;
        const char* unit;
        int decimals;
    };
    const std::vector<Family> families = {
        {1, {{"txt11w", "0.5"}, {"txt12w", "0.6"}, {"txt21w", "0.7"}, {"txt22w", "0.8"}},
         {"txt11n", "txt12n", "txt21n", "txt22n"}, "個", 0},
        {2, {{"txt1w", "0.5"}, {"txt2w", "0.6"}}, {"txt1n", "txt2n"}, "個", 0},
        {3, {{"txt11d", "0.5"}, {"txt12d", "0.6"}, {"txt21d", "0.7"}, {"txt22d", "0.8"}},
         {"txt11n", "txt12n", "txt21n", "txt22n"}, "個", 0},
        {4, {{"txt11w", "0.5"}, {"txt12w", "0.6"}, {"txt21w", "0.7"}, {"txt22w", "0.8"}},
         {"txt11l", "txt12l", "txt21l", "txt22l"}, "ｍ", 1},
        {5, {{"txt1h", "0.5"}, {"txt2h", "0.6"}}, {"txt1s", "txt2s"}, "ｍ2", 1},
    };
    for (const Family& f : families) {
        SCOPED_TRACE(f.selector);
        RunEntries e = typedCase("45");
        BoxTexts texts = boxes(f.selector, {});
        const FacilityFamily& family = *facilityFamily(f.selector);
        for (const auto& [name, text] : f.filled)
            texts.at(family.boxIndex(name)) = text;
        for (std::size_t i = 0; i < family.boxes.size(); ++i)
            if (texts[i].empty())
                texts[i] = "1";
        setDialog(e, f.selector, texts);
        const RequiredQuantities r = afterRun(e);
        ASSERT_TRUE(r.ok()) << *r.failure;
        ASSERT_EQ(r.rows.size(), f.quantityBoxes.size());
        for (std::size_t k = 0; k < r.rows.size(); ++k) {
            const RequiredRow& row = r.rows[k];
            EXPECT_EQ(row.box, std::string(f.quantityBoxes[k]));
            EXPECT_EQ(family.boxes.at(row.boxIndex).name, std::string(row.box));
            EXPECT_NE(row.boxIndex, family.kinds[row.kind].keyBox); // the row is never discarded by the change
            EXPECT_EQ(row.unit, std::string(f.unit));
            EXPECT_EQ(row.decimals, f.decimals);
            EXPECT_EQ(row.selector, f.selector);
            EXPECT_EQ(row.dialogCaption, std::string(family.caption));
            EXPECT_EQ(row.status, RequiredStatus::Required);
        }
    }
}

// Q1 typed as exactly the Fc of a quantity: the quotient lands on the step,
// where Q1 <= ΣFc holds at that very quantity. Division alone misses some
// of these by one step; the proof never does.
TEST(RequiredQuantities, AQuotientOnAStepGivesThatStepAndOneUlpMoreTheNext)
{
    struct Row {
        int selector;
        const char* key;
        const char* height;
        const char* quantityBox;
        std::vector<const char*> quantities;
    };
    const std::vector<Row> rows = {
        {1, "txt11w", "txt11h", "txt11n", {"1", "3", "7", "13", "29", "41"}},
        {4, "txt11w", "txt11h", "txt11l", {"0.1", "0.7", "1.3", "12.3", "28.1", "100.1", "333.3", "4097.9"}},
        {5, "txt1h", nullptr, "txt1s", {"0.3", "2.9", "12.3", "96.1", "700.7", "1234.5"}},
    };
    const std::vector<const char*> sizes = {"0.3", "0.55", "0.8", "1.17"};
    int divisionMisses = 0, cases = 0;
    for (const Row& row : rows) {
        for (const char* size : sizes) {
            for (const char* quantity : row.quantities) {
                SCOPED_TRACE(std::string(row.quantityBox) + " " + size + " " + quantity);
                RunEntries e = typedCase("1");
                std::vector<std::pair<const char*, const char*>> filled = {{row.key, size}, {row.quantityBox, quantity}};
                if (row.height)
                    filled.push_back({row.height, "1.3"});
                setDialog(e, row.selector, boxes(row.selector, {}));
                for (const auto& [name, text] : filled)
                    e.dialogs[static_cast<std::size_t>(row.selector - 1)].texts.at(
                        facilityFamily(row.selector)->boxIndex(name)) = text;

                DesignCase rec;
                ASSERT_TRUE(calculationRun(rec, e).ok());
                const double total = rec.totalInfiltrationFc;
                e.conditions.txtU = exactText(total);
                ASSERT_EQ(lenientNumber(e.conditions.txtU), total);

                const RequiredQuantities onStep = afterRun(e);
                ASSERT_TRUE(onStep.ok());
                ASSERT_EQ(onStep.rows.size(), 1u);
                EXPECT_TRUE(onStep.comparison.adequate);
                EXPECT_EQ(onStep.rows[0].required, quantity);
                const RequiredRow& r = onStep.rows[0];
                const double scale = r.decimals == 0 ? 1.0 : 10.0;
                divisionMisses += std::ceil(total / r.perUnit * scale) != std::round(lenientNumber(quantity) * scale);
                ++cases;

                const double next = std::nextafter(total, HUGE_VAL);
                e.conditions.txtU = exactText(next);
                divisionMisses += std::ceil(next / r.perUnit * scale) != std::round(lenientNumber(quantity) * scale) + 1;
                const RequiredQuantities above = afterRun(e);
                ASSERT_EQ(above.rows.size(), 1u);
                EXPECT_FALSE(above.comparison.adequate);
                EXPECT_EQ(above.rows[0].steps, r.steps + 1);
                EXPECT_TRUE(adequateWith(e, row.selector, row.quantityBox, above.rows[0].required));
                EXPECT_FALSE(adequateWith(e, row.selector, row.quantityBox, quantity));
            }
        }
    }
    // The edges are real: for some of them the plain quotient is a step off.
    std::cout << divisionMisses << " of " << 2 * cases << " missed by division\n";
    EXPECT_GT(divisionMisses, 0) << "of " << cases;
}

TEST(RequiredQuantities, RowsAlreadyCoveredByTheOthersNeedNoneOfTheirKind)
{
    // Square ① N = 20: Fc 49.89; pond S = 10: Fc 4.6836; Q1 = 45.
    RunEntries e = typedCase("45");
    setDialog(e, 1, boxes(1, {{"txt11w", "0.5"}, {"txt11h", "1.0"}, {"txt11n", "20"}}));
    setDialog(e, 5, boxes(5, {{"txt2h", "1.0"}, {"txt2s", "10"}}));
    const RequiredQuantities r = afterRun(e);
    ASSERT_TRUE(r.ok());
    EXPECT_TRUE(r.comparison.adequate);
    EXPECT_LT(r.shortfall, 0.0); // a margin
    ASSERT_EQ(r.rows.size(), 2u);
    // (45 - 4.6836) / 2.49462 = 16.16
    EXPECT_EQ(r.rows[0].required, "17");
    EXPECT_EQ(r.rows[0].status, RequiredStatus::Required);
    EXPECT_EQ(r.rows[1].required, "0");
    EXPECT_EQ(r.rows[1].steps, 0);
    EXPECT_EQ(r.rows[1].status, RequiredStatus::Covered);
    EXPECT_TRUE(adequateWith(e, 5, "txt2s", "0"));
    EXPECT_FALSE(adequateWith(e, 1, "txt11n", "16"));
}

TEST(RequiredQuantities, RowsNoQuantityCanMeetSayWhyAndShowNoNumber)
{
    struct Case {
        const char* what;
        const char* q1;
        const char* cf;
        BoxTexts pond;
        const char* message;
    };
    const std::vector<Case> cases = {
        // C = 0: every Q is 0.
        {"no infiltration", "45", "0", boxes(5, {{"txt2h", "1.0"}, {"txt2s", "10"}}), kRequiredNoInfiltration},
        // 1e12 / 0.46836 m2 is beyond a billion.
        {"beyond the limit", "1e12", "1.0", boxes(5, {{"txt2h", "1.0"}, {"txt2s", "10"}}), kRequiredBeyondLimit},
        // Just beyond: a billion m2 of Q 0.46836 falls short by a hair.
        {"just beyond the limit", "468360000.001", "1.0", boxes(5, {{"txt2h", "1.0"}, {"txt2s", "1"}}),
         kRequiredBeyondLimit},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        RunEntries e = typedCase(c.q1);
        e.conditions.txtCf = c.cf;
        setDialog(e, 5, c.pond);
        const RequiredQuantities r = afterRun(e);
        ASSERT_TRUE(r.ok());
        ASSERT_EQ(r.rows.size(), 1u);
        EXPECT_EQ(r.rows[0].status, RequiredStatus::CannotBeMet);
        EXPECT_EQ(r.rows[0].message, c.message);
        EXPECT_EQ(r.rows[0].required, "");
        EXPECT_FALSE(r.rows[0].hasQuantity());
        // The table and the TSV line put the message where the number would be.
        EXPECT_TRUE(requiredQuantitiesTable(r).ends_with("  ｍ2   " + std::string(c.message) + "\n"));
        EXPECT_TRUE(requiredQuantitiesTsv(r, "a.qzk").ends_with("\t" + std::string(c.message) + "\tｍ2\n"));
    }

    // A negative Q (a bottom-only circle of 1 cm) cannot add, yet with the
    // others covering Q1 none of it is still right.
    RunEntries e = typedCase("1");
    setDialog(e, 3, boxes(3, {{"txt21d", "0.01"}, {"txt21h", "1.0"}, {"txt21n", "4"}}));
    setDialog(e, 5, boxes(5, {{"txt2h", "1.0"}, {"txt2s", "10"}}));
    const RequiredQuantities covered = afterRun(e);
    ASSERT_EQ(covered.rows.size(), 2u);
    EXPECT_LT(covered.rows[0].perUnit, 0.0);
    EXPECT_EQ(covered.rows[0].status, RequiredStatus::Covered);
    EXPECT_EQ(covered.rows[0].required, "0");
    e.conditions.txtU = "45";
    const RequiredQuantities short_ = afterRun(e);
    EXPECT_EQ(short_.rows[0].status, RequiredStatus::CannotBeMet);
    EXPECT_EQ(short_.rows[0].message, kRequiredNoInfiltration);
    // Q = -0.0322333 per piece; (45 + 4 x 0.0322333) / 0.46836 = 96.355
    EXPECT_EQ(short_.rows[1].required, "96.4");
}

TEST(RequiredQuantities, AtTheLimitTheQuantityIsStillGiven)
{
    // A billion pieces exactly: Q1 = 1e9 x Q of one square basin.
    RunEntries e = typedCase("1");
    setDialog(e, 1, boxes(1, {{"txt11w", "0.5"}, {"txt11h", "1.0"}, {"txt11n", "1000000000"}}));
    DesignCase rec;
    ASSERT_TRUE(calculationRun(rec, e).ok());
    e.conditions.txtU = exactText(rec.totalInfiltrationFc);
    const RequiredQuantities r = afterRun(e);
    ASSERT_EQ(r.rows.size(), 1u);
    EXPECT_EQ(r.rows[0].required, "1000000000");
    e.conditions.txtU = exactText(std::nextafter(double(rec.totalInfiltrationFc), HUGE_VAL));
    EXPECT_EQ(afterRun(e).rows.at(0).message, kRequiredBeyondLimit);
}

TEST(RequiredQuantities, CasesWithoutAVerdictHaveNoRows)
{
    struct Case {
        const char* what;
        std::function<void(RunEntries&)> change;
        std::string failure;
    };
    const std::vector<Case> cases = {
        {"a failed check", [](RunEntries& e) { e.conditions.txtCf = ""; }, "各種影響係数を入力してください。"},
        {"a quantity beyond the range of numbers",
         [](RunEntries& e) { e.dialogs[0].texts[2] = "1e400"; }, kInfiltrationNotComputable},
        {"the well", [](RunEntries& e) { setDialog(e, 6, {"2.0", "3.5", "5", "", "", ""}); }, kRequiredWellCase},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        RunEntries e = typedCase("45");
        setDialog(e, 1, boxes(1, {{"txt11w", "0.5"}, {"txt11h", "1.0"}, {"txt11n", "2"}}));
        c.change(e);
        const RequiredQuantities r = afterRun(e);
        EXPECT_FALSE(r.ok());
        EXPECT_EQ(r.failure.value_or(""), c.failure);
        EXPECT_TRUE(r.rows.empty());
        EXPECT_EQ(requiredQuantitiesTable(r), c.failure + "\n");
        EXPECT_EQ(requiredQuantitiesTsv(r, "a.qzk"), "a.qzk\t\t\t\t\t\t" + c.failure + "\t\n");
    }
}

TEST(RequiredQuantities, OnlyRowsTheRunComputedAreListedInTheOrderOfTheSheet)
{
    RunEntries e = typedCase("45");
    setDialog(e, 5, boxes(5, {{"txt1h", "1.0"}, {"txt1s", "3"}, {"txt2s", "7"}})); // pond's height empty
    setDialog(e, 1, boxes(1, {{"txt22w", "0.5"}, {"txt22h", "1.0"}, {"txt22n", "1"}, {"txt11n", "5"}}));
    // A dialog whose family is not chosen is not computed.
    e.dialogs[1] = {true, boxes(2, {{"txt1w", "0.5"}, {"txt1l", "1"}, {"txt1h", "1"}, {"txt1n", "1"}})};
    const RequiredQuantities r = afterRun(e);
    ASSERT_EQ(r.rows.size(), 2u);
    EXPECT_EQ(r.rows[0].box, std::string("txt22n"));
    EXPECT_EQ(r.rows[1].box, std::string("txt1s"));
    EXPECT_EQ(r.rows[1].name, "浸透舗装");

    // A chosen family without a key box filled: a verdict, but no row.
    RunEntries none = typedCase("45");
    setDialog(none, 4, boxes(4, {{"txt11l", "10"}}));
    const RequiredQuantities empty = afterRun(none);
    ASSERT_TRUE(empty.ok());
    EXPECT_TRUE(empty.rows.empty());
    EXPECT_TRUE(requiredQuantitiesTable(empty).ends_with("∴ NG\n" + std::string(kRequiredNoRows) + "\n"));
    EXPECT_EQ(requiredQuantitiesTsv(empty, "b.qzk"), "b.qzk\t\t\t\t\t\t" + std::string(kRequiredNoRows) + "\t\n");
}

TEST(RequiredQuantities, TypedQuantitiesAndDisplayWidths)
{
    const std::vector<std::tuple<std::int64_t, int, const char*>> typed = {
        {0, 0, "0"}, {7, 0, "7"}, {1000000000, 0, "1000000000"}, {0, 1, "0"}, {5, 1, "0.5"},
        {120, 1, "12.0"}, {123, 1, "12.3"}, {10000000000, 1, "1000000000.0"},
    };
    for (const auto& [steps, decimals, text] : typed)
        EXPECT_EQ(typedQuantity(steps, decimals), text) << steps << " " << decimals;

    const std::vector<std::pair<const char*, std::size_t>> widths = {
        {"", 0}, {"Form2 7", 7}, {"浸透桝", 6}, {"ｍ2", 3}, {"ﾃﾆｽ", 3}, {"W500×500", 8}, {"ΣFc", 3},
        {"　", 2}, {"∴ O.K", 5}, {"\xE6\xB5", 2}, {"a\xFF" "b", 3},
    };
    for (const auto& [text, width] : widths)
        EXPECT_EQ(displayWidth(text), width) << text;
}

TEST(RequiredQuantities, TheTableAlignsItsColumnsAndTheTsvKeepsItsFields)
{
    RunEntries e = typedCase("45");
    e.conditions.opt8 = true;
    e.conditions.txt1 = "10";
    setDialog(e, 1, boxes(1, {{"txt11w", "0.5"}, {"txt11h", "1.0"}, {"txt11n", "2"}}));
    setDialog(e, 4, boxes(4, {{"txt21w", "0.5"}, {"txt21h", "1.0"}, {"txt21l", "12.25"}}));
    setDialog(e, 5, boxes(5, {{"txt2h", "1.0"}, {"txt2s", "200"}}));
    const RequiredQuantities r = afterRun(e);
    ASSERT_TRUE(r.ok());

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
    EXPECT_EQ(requiredQuantitiesTsv(r, "北側\t案.qzk"),
              "北側\\t案.qzk\tForm2\ttxt11n\t浸透桝 W500×500×H1000\t2.49462\t2\t0\t個\n"
              "北側\\t案.qzk\tForm14\ttxt21l\t浸透管(トレンチ) W500×H1000\t1.5984\t12.25\t0\tｍ\n"
              "北側\\t案.qzk\tForm15\ttxt2s\t浸透池\t0.46836\t200\t53.3\tｍ2\n");
}
