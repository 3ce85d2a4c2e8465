#pragma once
// The line builder shared by the parts of the calculation sheet: lines of
// blanks and pieces, values formatted with their digit patterns, and the
// record of every value that is not finite and every typed text that CP932
// cannot hold.

#include "core/report/calculation_sheet.h"

#include <initializer_list>
#include <string>
#include <string_view>

namespace akuenza::sheet_detail {

// The ideographic space (U+3000) that the sheet's literals use for spacing.
inline constexpr std::string_view kIdeographicSpace = "　";

class SheetBuilder {
public:
    SheetBuilder(SheetVariant variant, SheetPart part) : variant_(variant), part_(part) {}

    bool drawn() const { return variant_ == SheetVariant::Drawn; }
    void setPart(SheetPart part) { part_ = part; }
    // The concern of the values formatted from here on.
    void setConcern(SheetConcern concern) { concern_ = concern; }

    // A value with its digit pattern; one that is not finite is recorded
    // under its record field and leaves its place empty.
    std::string num(double value, std::string_view pattern, std::string_view field);

    void blank();
    // The blank line that opens a facility block (marked on the drawn sheet).
    void blockStart();
    // The top of a sheet: one blank line in the text file, six when drawn.
    void topMargin();
    // A line of `indent` blanks followed by the pieces.
    void line(int indent, std::initializer_list<std::string_view> pieces);
    // A line that starts with a literal prefix instead of blanks.
    void line(std::string_view prefix, std::initializer_list<std::string_view> pieces);
    // Marks the last line as a "∴ NG" judgement.
    void markNg();
    // A typed text about to be printed, from the given box.
    void typedText(const std::string& text, const char* form, const char* box);

    Sheet take() { return std::move(sheet_); }

private:
    void add(std::string text, bool blockStart = false);

    Sheet sheet_;
    SheetVariant variant_;
    SheetPart part_;
    SheetConcern concern_ = SheetConcern::Rainwater;
};

std::string spaces(int n);

} // namespace akuenza::sheet_detail
