#pragma once
// The calculation sheet (計算書) of a design case as a list of lines: the
// infiltration-facility sheet (Kakikomi) and the infiltration-well sheet
// (Kakikomi_3). The sheet computes nothing of the design: it prints the
// record's fields, a few unit conversions (mm as m x 1000, ha as m2 x 0.0001,
// m/hr as Ko x 36 or I x 0.001) and the verdict, and reads which options of
// the input windows are chosen to decide which lines appear.
//
// One builder serves the text file "sintou.txt", the print image and the
// printer: the drawn sheet differs from the text file only in its six top
// blank lines, I in mm/hr with two decimals, the total indented by one more
// column, and the marks that the drawing needs (the NG colour, where each
// facility block begins so the printer can break the page).

#include "core/facilities/facility_families.h"
#include "core/record/design_case.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace akuenza {

enum class SheetVariant {
    TextFile, // appended to "sintou.txt"
    Drawn,    // the print image and the printed pages
};

// The drawing procedure a line belongs to: Hyouji_1 draws the facility
// sheet's heading and rainwater section, Hyouji_2 the rest of it (the
// printer may start a page between the two), Hyouji_3 the well sheet.
enum class SheetPart { Hyouji_1, Hyouji_2, Hyouji_3 };

struct SheetLine {
    std::string text; // UTF-8, without a line end; "" for a blank line
    bool ng = false;  // a "∴ NG" judgement: drawn in light magenta, one beep each
    // The blank line that opens a facility block, where printing counts the
    // blocks and may start a new page (drawn sheet only).
    bool blockStart = false;
    SheetPart part = SheetPart::Hyouji_1;
    bool operator==(const SheetLine&) const = default;
};

// The states of the input windows that the sheet depends on, gathered once.
struct SheetChoices {
    struct Form1 {
        bool optU1 = false; // Q1 計算する
        bool optU2 = false; // Q1 直接入力
        bool opt3 = false;  // I 直接入力
        bool opt4 = false;  // I 計算する (rainfall-intensity dialog)
        bool opt5 = false;  // C 直接入力
        bool opt6 = false;  // C 加重平均
        bool opt7 = false;  // increase 無し
        bool opt8 = false;  // increase 有り
        // chk1 ... chk5: the facility families checked, by selector - 1.
        std::array<bool, kFamilyCount - 1> facility{};
        // chk6 as its value: 0 the facility sheet, 1 the well sheet, any
        // other value no sheet at all.
        int chk6 = 0;
    } form1;

    // The rainfall-intensity dialog: its formula, time methods and 茨城県.
    struct Form12 {
        bool opt1 = false, opt4 = false, opt2 = false; // ①, ②, ③
        bool opt3 = false, opt5 = false, opt6 = false; // ④, ⑤, ⑥
        bool Option1 = false; // t1 直接入力
        bool Option2 = false; // t1 by Kerby's formula
        bool Option3 = false; // t 直接入力
        bool Option4 = false; // t = t1 + t2
        bool Option5 = false; // t2 直接入力
        bool Option6 = false; // t2 計算する
        bool Option7 = false; // V 仮定する
        bool Option8 = false; // V 計算する (the printer starts a page after Hyouji_1)
        bool chk1 = false;    // 茨城県 (value 1)
    } form12;

    // The river-channel dialog: before or after development.
    struct Form22 {
        bool opt1 = false; // 開発前
        bool opt2 = false; // 開発後
    } form22;

    // The box texts of each facility dialog (selector - 1), in the order of
    // its family's boxes; a dialog that is not loaded has none. A row is
    // printed when its family is checked and its key box is not "".
    std::array<BoxTexts, kFamilyCount - 1> boxes;

    bool facilityChecked(int selector) const;
    const std::string& boxText(const FacilityFamily& family, std::size_t box) const;
};

// What made a printed value impossible: the same grouping, and the same
// message, as the calculation run that refuses such a result.
enum class SheetConcern {
    Rainwater,    // C, I, A, the rainfall formula and times, Q1
    Infiltration, // the soil, the influence coefficient, a facility row, ΣFc
    Increase,     // the increased Q1
    Well,         // the well sheet
};

// A value the sheet would print that is not a finite number.
struct NonFiniteValue {
    std::string field; // record field, e.g. "square11Kf" ("square11W" for its mm)
    SheetConcern concern;
    bool operator==(const NonFiniteValue&) const = default;
};

// A typed text printed on the sheet that CP932 cannot hold, and the box it
// was typed into.
struct UnencodableText {
    std::string form; // "Form1" or "Form16"
    std::string box;  // "txt_t", "txt_t1" ... "txt_t6"
    std::string text;
    bool operator==(const UnencodableText&) const = default;
};

struct Sheet {
    std::vector<SheetLine> lines;
    // Every value that is not finite, in the order of the sheet; its place
    // on the line is empty. Such a sheet must not be written, drawn or printed.
    std::vector<NonFiniteValue> nonFinite;
    std::vector<UnencodableText> unencodable;

    bool hasNonFinite() const { return !nonFinite.empty(); }
    std::size_t ngCount() const;
};

// Kakikomi: the infiltration-facility sheet.
Sheet facilitySheet(const DesignCase& record, const SheetChoices& choices, SheetVariant variant);
// Kakikomi_3: the infiltration-well sheet; it has no conditional lines.
Sheet wellSheet(const DesignCase& record, SheetVariant variant);
// The sheet that 書き込み writes: chosen by Form1 chk6 (0 the facility
// sheet, 1 the well sheet, any other value no line at all).
Sheet calculationSheet(const DesignCase& record, const SheetChoices& choices, SheetVariant variant);

// The name the sheet's block heading gives a facility row, with its
// dimensions in millimetres and without its quantity: "浸透桝 W500×500×H1000",
// "浸透管(トレンチ) W600×H600", "浸透池".
std::string facilityRowName(const FacilityKind& kind, const DesignCase& record);

// The message with which a command refuses a sheet holding a value that is
// not finite (the run's message for the first such value); "" when none.
std::string nonFiniteMessage(const Sheet& sheet);

// Why a sheet gave no bytes.
struct SheetEncodingError {
    enum class Reason { NonFinite, Unencodable } reason = Reason::NonFinite;
    // For a text that cannot be encoded: the index of its line and the byte
    // offset of the character in that line's UTF-8 text.
    std::size_t line = 0;
    std::size_t offset = 0;
};

// The sheet as the text file holds it: every line in CP932 followed by
// CR LF, blank lines included. Nothing when a value is not finite or a text
// cannot be encoded (never a "?" in its place).
std::optional<std::string> sheetBytes(const Sheet& sheet, SheetEncodingError* error = nullptr);

} // namespace akuenza
