#include "core/report/sheet_builder.h"

#include "core/record/cp932.h"
#include "core/record/digit_format.h"

#include <cmath>

namespace akuenza {

namespace sheet_detail {

std::string spaces(int n) { return std::string(static_cast<std::size_t>(n > 0 ? n : 0), ' '); }

std::string SheetBuilder::num(double value, std::string_view pattern, std::string_view field)
{
    if (!std::isfinite(value)) {
        const NonFiniteValue entry{std::string(field), concern_};
        bool known = false;
        for (const NonFiniteValue& v : sheet_.nonFinite)
            known = known || v == entry;
        if (!known)
            sheet_.nonFinite.push_back(entry);
        return {};
    }
    return formatDigits(value, pattern);
}

void SheetBuilder::add(std::string text, bool blockStart)
{
    SheetLine line;
    line.text = std::move(text);
    line.blockStart = blockStart;
    line.part = part_;
    sheet_.lines.push_back(std::move(line));
}

void SheetBuilder::blank() { add({}); }

void SheetBuilder::blockStart() { add({}, drawn()); }

void SheetBuilder::topMargin()
{
    for (int i = 0; i < (drawn() ? 6 : 1); ++i)
        blank();
}

void SheetBuilder::line(int indent, std::initializer_list<std::string_view> pieces)
{
    line(spaces(indent), pieces);
}

void SheetBuilder::line(std::string_view prefix, std::initializer_list<std::string_view> pieces)
{
    std::string text(prefix);
    for (std::string_view piece : pieces)
        text += piece;
    add(std::move(text));
}

void SheetBuilder::markNg()
{
    if (!sheet_.lines.empty())
        sheet_.lines.back().ng = true;
}

void SheetBuilder::typedText(const std::string& text, const char* form, const char* box)
{
    if (!isCp932Encodable(text))
        sheet_.unencodable.push_back({form, box, text});
}

} // namespace sheet_detail

} // namespace akuenza
