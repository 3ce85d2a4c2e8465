#pragma once
// The calculation run of a design case, apart from any window: the entries
// of the design conditions form and of the facility dialogs are gathered
// once, the run copies them into the record, checks them in their fixed
// order, computes Q1 and every selected facility, totals ΣFc, and says what
// the results form is to show, or which check failed and where the engineer
// is sent to correct it.

#include "core/facilities/facility_families.h"
#include "core/record/design_case.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace akuenza {

// What the design conditions form holds: its texts and which options and
// check boxes are chosen.
struct ConditionEntries {
    bool optU1 = false; // Q1 計算する
    bool optU2 = false; // Q1 直接入力
    std::string txtU, txtC, txtA, txtI;
    bool opt7 = false; // increase 無し
    bool opt8 = false; // increase 有り
    std::string txt1;  // increase in percent
    bool chkT = false; // soil typed directly
    std::string txtT, txtTk;
    int soilListIndex = -1; // -1: no soil chosen from the list
    std::string soilText;   // what the soil list shows
    std::string txtCf;
    std::array<bool, kFamilyCount> facility{}; // chk1 ... chk6 checked
    bool well() const { return facility[kWellSelector - 1]; }
};

// What one facility dialog holds. A dialog that is not loaded is in its
// design state: every box empty.
struct DialogEntries {
    bool loaded = false;
    BoxTexts texts; // in the order of the family's boxes
};

struct RunEntries {
    ConditionEntries conditions;
    std::array<DialogEntries, kFamilyCount> dialogs; // by selector - 1
    const DialogEntries& dialog(int selector) const { return dialogs[static_cast<std::size_t>(selector - 1)]; }
};

// The control an engineer is sent to: on the design conditions form
// (family 0) or in the dimension dialog of a family, which is then shown.
struct FocusTarget {
    int family = 0;
    std::string control;
    bool operator==(const FocusTarget&) const = default;
};

// A check that stopped the run: its message in a box titled
// "エラーメッセージ", then the focus.
struct FailedCheck {
    std::string message;
    std::optional<FocusTarget> focus;
    // With no facility chosen the run chooses the square basin itself.
    bool chooseSquareBasin = false;
    // The failure came from a result beyond the range of numbers: the
    // results shown so far are emptied as well.
    bool clearsResults = false;
};

// Q1 against ΣFc as the results row shows them.
struct Comparison {
    std::string factor; // lbl16: (p + 100) / 100, or ""
    std::string times;  // lbl17: "×" or ""
    std::string q1;     // lbl3
    std::string total;  // lbl6
    std::string sign;   // lbl8: "＜" or "＞"
    std::string verdict; // lbl9: "∴ O.K" or "∴ NG"
    bool adequate = true;  // false: the total in light magenta and a beep
};

struct RunDisplay {
    // The dialogs whose key boxes are all empty; they are discarded.
    std::vector<int> discardDialogs;
    // Absent when neither a direct Q1 nor an increase option is chosen
    // (possible only when a project file is opened): the labels stay.
    std::optional<Comparison> comparison;
    // The status panel text; absent leaves the panel as it is.
    std::optional<std::string> status;
    // The well's effective depth for Label1, when the well is chosen.
    std::optional<std::string> wellDepth;
};

struct RunOutcome {
    std::optional<FailedCheck> failed;
    // The design conditions passed the checks (a failure, if any, is a
    // result beyond the range of numbers).
    bool checksPassed = false;
    RunDisplay display; // valid when nothing failed (its discards hold either way)
    bool ok() const { return !failed; }
};

// The messages with which a result beyond the range of numbers is refused,
// by the run and by every command that would print such a value.
inline constexpr const char* kRainwaterNotComputable =
    "対策雨水量が計算できません。流出係数、降雨強度及び対策面積を確認してください。";
inline constexpr const char* kInfiltrationNotComputable = "浸透量が計算できません。浸透施設の寸法を確認してください。";
inline constexpr const char* kIncreaseTooLarge = "計画雨水量の割増しが大きすぎます。割増しを確認してください。";
inline constexpr const char* kWellDepthNotComputable =
    "浸透井の有効深さが計算できません。直径Ｄ、個数ｎ及び土質の飽和透水係数を確認してください。";

// Zairyou_1: the design conditions into the record.
void copyDesignConditions(DesignCase& record, const ConditionEntries& entries);

// Zairyou_2: Q1, every selected facility, the empty kinds cleared, the
// total, and what to show. A result beyond the range of numbers fails with
// a message naming what to correct (and zeroes the values it cannot show).
RunOutcome computeResults(DesignCase& record, const RunEntries& entries);

// The whole run of "計　算": Zairyou_1, the checks, then Zairyou_2.
RunOutcome calculationRun(DesignCase& record, const RunEntries& entries);

// The first failed check of the design conditions, if any (the record has
// received the conditions already).
std::optional<FailedCheck> checkDesignConditions(const DesignCase& record, const RunEntries& entries);

} // namespace akuenza
