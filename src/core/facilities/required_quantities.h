#pragma once
// 必要数量: for each facility row of a finished run, how many pieces, metres
// or square metres of that kind alone make ΣFc reach Q1 (the increased Q1
// where an increase is chosen), the other rows unchanged.
//
// Every quantity given is proven, not estimated: the run is made again with
// the quantity typed into its box as the engineer would type it ("7",
// "12.3"), and the verdict of that run is "∴ O.K"; one step less (when the
// quantity is above 0) gives "∴ NG". The estimate Q1 − (ΣFc − Fc) divided by
// Q only says where to look. A row for which no quantity can be proven says
// why in a message and shows no number.

#include "core/facilities/calculation_run.h"
#include "core/facilities/facility_families.h"
#include "core/record/design_case.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace akuenza {

// The largest quantity proposed, in the kind's unit: a billion pieces,
// metres or square metres. No facility is built beyond it, and up to it a
// length in tenths is still held exactly by the number the run reads.
inline constexpr double kRequiredQuantityLimit = 1e9;

// The messages of a row that shows no quantity.
inline constexpr const char* kRequiredNoInfiltration = "設計浸透量Qが0以下のため、この施設では満たせません。";
inline constexpr const char* kRequiredBeyondLimit =
    "必要数量が入力できる上限(1000000000)を超えるため、この施設では満たせません。";
inline constexpr const char* kRequiredNotComputable = "数値が計算できないため、この施設では満たせません。";
// The messages of a case that has no required quantities at all.
inline constexpr const char* kRequiredWellCase = "浸透井(吸込槽)の計算には必要数量がありません。";
inline constexpr const char* kRequiredNoVerdict = "計算結果の判定がないため、必要数量を求められません。";
// The line of a case whose run computed no facility row.
inline constexpr const char* kRequiredNoRows = "必要数量を求める施設がありません。";

enum class RequiredStatus {
    Required,      // the quantity makes the case O.K and one step less does not
    Covered,       // the other rows already cover Q1: "0" (also proven)
    CannotBeMet,   // no quantity of this kind alone; the message says why
};

// One facility row that the run computed (its family chosen, its key box not
// empty), in the order of the total and of the sheet.
struct RequiredRow {
    int selector = 0;           // the family: N of chkN on the design conditions form
    std::size_t kind = 0;       // index in the family's kinds
    const char* form = "";      // the dialog's designed name: "Form2"
    const char* dialogCaption = ""; // the family's caption: "正方形砕石層"
    const char* box = "";       // the quantity box's designed name: "txt11n", "txt12l", "txt1s"
    std::size_t boxIndex = 0;   // its index in the family's boxes (and in the dialog's texts)
    const char* unit = "";      // the box's unit as the dialog writes it: "個", "ｍ", "ｍ2"
    int decimals = 0;           // decimals of a typed quantity: 0 for pieces, 1 for lengths and areas
    std::string name;           // as the sheet names it: "浸透桝 W500×500×H1000"
    double perUnit = 0.0;       // Q, m3/hr per piece, metre or square metre
    std::string quantityText;   // what the box holds now
    double quantity = 0.0;      // what the run read from it
    double fc = 0.0;            // Fc now, m3/hr

    RequiredStatus status = RequiredStatus::CannotBeMet;
    std::int64_t steps = 0;     // the required quantity in steps (pieces or tenths)
    std::string required;       // as typed into the box: "7", "12.3", "0"; "" when it cannot be met
    double requiredValue = 0.0; // what the run reads from it
    std::string message;        // why it cannot be met; "" otherwise

    bool hasQuantity() const { return status != RequiredStatus::CannotBeMet; }
};

struct RequiredQuantities {
    // Absent when the case has none: the run refused it (its message), a
    // well case, or a run without a verdict.
    std::optional<std::string> failure;
    Comparison comparison; // what the results form shows of the run
    bool increased = false; // the increased Q1 is compared
    double q1 = 0.0;        // Q1 as compared (increased where an increase is chosen)
    double totalFc = 0.0;   // ΣFc
    double shortfall = 0.0; // Q1 − ΣFc: above 0 a shortfall, else the margin
    std::vector<RequiredRow> rows;

    bool ok() const { return !failure; }
};

// From the record of a finished run and the entries it was made from. The
// record is not changed: every run, the first one again included, is made
// on a copy of it.
RequiredQuantities requiredQuantities(const DesignCase& record, const RunEntries& entries);

// A quantity of `steps` steps as the engineer types it: 7 pieces "7",
// 123 tenths "12.3", 120 tenths "12.0"; none at all "0".
std::string typedQuantity(std::int64_t steps, int decimals);

// Columns a terminal gives the text: 2 for a wide or full-width character
// (kana, kanji, "Ｑ", "　"), 1 for any other, ambiguous ones ("×", "Σ", "①")
// included, as a UTF-8 terminal counts them.
std::size_t displayWidth(std::string_view utf8);

// The case's line and one line per row, with Japanese headings, each column
// aligned by display width; every line ends in "\n".
std::string requiredQuantitiesTable(const RequiredQuantities& result);

// The cells of the table, its heading row first: 画面, 施設, 設計浸透量Q,
// 現在の数量, 現在のFc, 必要数量, 単位, 備考 (why a row has no quantity, or
// that the other rows already cover Q1). The text table and the 必要数量
// window show these same texts.
std::vector<std::vector<std::string>> requiredTableCells(const RequiredQuantities& result);

// The heading line of the tab-separated form, ending in "\n".
std::string requiredQuantitiesTsvHeading();
// One tab-separated line per row: the case file, the dialog, the quantity
// box, the kind as the sheet names it, Q per unit, the quantity now, the
// required quantity as typed, its unit. A row that cannot be met holds its
// message in place of the required quantity; a case without required
// quantities, or without a facility row, is one line with its message there
// and the other fields empty. A tab, line end or backslash in a field is
// written as \t, \n, \r or \\.
std::string requiredQuantitiesTsv(const RequiredQuantities& result, std::string_view caseFile);

} // namespace akuenza
