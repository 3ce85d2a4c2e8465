#include "core/project/project_file.h"

#include "core/facilities/facility_families.h"
#include "core/facilities/soil_table.h"
#include "core/record/cp932.h"
#include "core/record/lenient_number.h"

#include <array>
#include <charconv>
#include <cmath>

namespace akuenza {

namespace {

using D = DesignCase;

ProjectItem text(const char* window, const char* control) { return {window, control, LineKind::Text}; }
ProjectItem caption(const char* window, const char* control) { return {window, control, LineKind::Caption}; }
ProjectItem option(const char* window, const char* control) { return {window, control, LineKind::Option}; }
ProjectItem check(const char* window, const char* control) { return {window, control, LineKind::Check}; }

ProjectGroup always(std::vector<ProjectItem> items) { return {GroupCondition::Always, 0, std::move(items)}; }

// A facility dialog's group: its own check boxes, then its boxes in the
// order of its family's table.
ProjectGroup facilityGroup(int selector)
{
    const FacilityFamily& family = *facilityFamily(selector);
    ProjectGroup group{GroupCondition::FacilityChosen, selector, {}};
    for (const char* name : family.checks)
        group.items.push_back(check(family.form, name));
    for (const FacilityBox& box : family.boxes)
        group.items.push_back(text(family.form, box.name));
    return group;
}

std::vector<ProjectGroup> buildLayout()
{
    std::vector<ProjectGroup> layout;
    layout.push_back(always({
        option("Form1", "opt_u1"), option("Form1", "opt_u2"),
        text("Form1", "txt_u"), text("Form1", "txt_c"), text("Form1", "txt_a"), text("Form1", "txt_i"),
        text("Form1", "txt_t"), text("Form1", "txt_tk"), text("Form1", "txt_cf"), text("Form1", "txt1"),
        option("Form1", "opt3"), option("Form1", "opt4"), option("Form1", "opt5"), option("Form1", "opt6"),
        option("Form1", "opt7"), option("Form1", "opt8"),
        {"Form1", "cbo1", LineKind::ListIndex},
        check("Form1", "chk_t"), check("Form1", "chk1"), check("Form1", "chk2"), check("Form1", "chk3"),
        check("Form1", "chk4"), check("Form1", "chk5"),
    }));
    for (int selector = 1; selector <= 5; ++selector)
        layout.push_back(facilityGroup(selector));
    layout.push_back(always({caption("Form11", "lbl3"), caption("Form11", "lbl6")}));

    ProjectGroup rainfall{GroupCondition::ComputedIntensity, 0, {}};
    for (const char* name : {"opt1", "opt2", "opt3", "opt4", "opt5", "opt6"})
        rainfall.items.push_back(option("Form12", name));
    for (const char* name : {"txt1", "txt2", "txt3", "txt4", "txt5", "txt6", "txt7", "txt8", "txt9"})
        rainfall.items.push_back(text("Form12", name));
    for (const char* name : {"Option1", "Option2", "Option3", "Option4", "Option5", "Option6", "Option7", "Option8"})
        rainfall.items.push_back(option("Form12", name));
    rainfall.items.push_back(check("Form12", "chk1"));
    rainfall.items.push_back(caption("Form12", "lbl1"));
    rainfall.items.insert(rainfall.items.end(), {option("Form22", "opt1"), option("Form22", "opt2"),
                                                 text("Form22", "txt1"), text("Form22", "txt2")});
    rainfall.items.push_back({"record", "slopeLengthL", LineKind::RecordField, &D::slopeLengthL});
    rainfall.items.push_back({"record", "slopeGradientS", LineKind::RecordField, &D::slopeGradientS});
    rainfall.items.push_back({"record", "retardanceN", LineKind::RecordField, &D::retardanceN});
    rainfall.items.insert(rainfall.items.end(),
                          {text("Form13", "txt1"), text("Form13", "txt2"), text("Form13", "txt3")});
    layout.push_back(std::move(rainfall));

    ProjectGroup runoff{GroupCondition::WeightedRunoff, 0, {}};
    for (const char* name : {"chk_k1", "chk_k2", "chk_k3", "chk_k4", "chk_k5", "chk_k6", "chk_k7", "chk_k8",
                             "chk_t1", "chk_t2", "chk_t3", "chk_t4", "chk_t5", "chk_t6", "chk_t7", "chk_u1",
                             "chk_u2", "chk_u3", "chk_u4"})
        runoff.items.push_back(check("Form16", name));
    for (const char* name : {"txt_t1", "txt_t2", "txt_t3", "txt_t4", "txt_t5", "txt_t6", "txt_c1", "txt_c2",
                             "txt_c3", "txt_c4", "txt_c5", "txt_c6", "txt_a1", "txt_a2", "txt_a3", "txt_a4",
                             "txt_a5", "txt_a6"})
        runoff.items.push_back(text("Form16", name));
    layout.push_back(std::move(runoff));

    layout.push_back(always({check("Form1", "chk6")}));
    ProjectGroup well = facilityGroup(kWellSelector);
    well.when = GroupCondition::Well;
    well.items.push_back(caption("Form11", "Label1"));
    layout.push_back(std::move(well));
    return layout;
}

std::string_view trimBlanks(std::string_view s)
{
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t'))
        s.remove_suffix(1);
    return s;
}

std::optional<long> wholeNumber(std::string_view s)
{
    s = trimBlanks(s);
    if (!s.empty() && s.front() == '+')
        s.remove_prefix(1);
    long n = 0;
    const auto [end, error] = std::from_chars(s.data(), s.data() + s.size(), n);
    if (s.empty() || error != std::errc() || end != s.data() + s.size())
        return std::nullopt;
    return n;
}

// A record field's number: a sign, digits with an optional point (the
// leading zero may be missing) and an optional exponent with E or D.
bool isNumberText(std::string_view s)
{
    std::size_t i = 0;
    auto digits = [&] {
        const std::size_t from = i;
        while (i < s.size() && s[i] >= '0' && s[i] <= '9')
            ++i;
        return i - from;
    };
    if (i < s.size() && (s[i] == '+' || s[i] == '-'))
        ++i;
    std::size_t mantissa = digits();
    if (i < s.size() && s[i] == '.') {
        ++i;
        mantissa += digits();
    }
    if (mantissa == 0)
        return false;
    if (i < s.size() && (s[i] == 'E' || s[i] == 'e' || s[i] == 'D' || s[i] == 'd')) {
        ++i;
        if (i < s.size() && (s[i] == '+' || s[i] == '-'))
            ++i;
        if (digits() == 0)
            return false;
    }
    return i == s.size();
}

// The shortest digits that read back as the same number, written with one
// blank for the sign of a non-negative value, no zero before the point of a
// magnitude below 1, a two-digit exponent after E, and a trailing blank.
std::string fieldText(double v)
{
    if (v == 0.0)
        return " 0 ";
    char buf[64];
    const auto end = std::to_chars(buf, buf + sizeof buf, v).ptr;
    std::string s(buf, end);
    std::string exponent;
    if (const auto e = s.find('e'); e != std::string::npos) {
        exponent.push_back('E');
        exponent.push_back(s[e + 1]);
        if (s.size() - (e + 2) < 2)
            exponent.push_back('0');
        exponent.append(s, e + 2, std::string::npos);
        s.resize(e);
    }
    const bool negative = s.front() == '-';
    if (negative)
        s.erase(0, 1);
    if (s.size() > 1 && s[0] == '0' && s[1] == '.')
        s.erase(0, 1);
    std::string out(1, negative ? '-' : ' ');
    out.append(s);
    out.append(exponent);
    out.push_back(' ');
    return out;
}

bool isForm1(const ProjectItem& item, std::string_view control)
{
    return std::string_view(item.window) == "Form1" && control == item.control;
}

// The values of the design conditions form that decide the groups.
struct GroupDeciders {
    std::array<bool, 6> facility{};
    bool opt4 = false;
    bool opt6 = false;

    void note(const ProjectItem& item, const ControlValue& v)
    {
        if (std::string_view(item.window) != "Form1")
            return;
        static constexpr const char* checks[6] = {"chk1", "chk2", "chk3", "chk4", "chk5", "chk6"};
        for (std::size_t i = 0; i < 6; ++i)
            if (isForm1(item, checks[i]))
                facility[i] = v.number == 1;
        if (isForm1(item, "opt4"))
            opt4 = v.chosen;
        if (isForm1(item, "opt6"))
            opt6 = v.chosen;
    }
    bool holds(const ProjectGroup& group) const
    {
        switch (group.when) {
        case GroupCondition::Always: return true;
        case GroupCondition::FacilityChosen: return facility[static_cast<std::size_t>(group.selector - 1)];
        case GroupCondition::ComputedIntensity: return opt4;
        case GroupCondition::WeightedRunoff: return opt6;
        case GroupCondition::Well: return facility[static_cast<std::size_t>(kWellSelector - 1)];
        }
        return false;
    }
};

} // namespace

const std::vector<ProjectGroup>& projectLayout()
{
    static const std::vector<ProjectGroup> layout = buildLayout();
    return layout;
}

std::string encodeLine(LineKind kind, const ControlValue& value)
{
    switch (kind) {
    case LineKind::Text:
    case LineKind::Caption: return value.text;
    case LineKind::Option: return value.chosen ? "True" : "False";
    case LineKind::Check:
    case LineKind::ListIndex:
    {
        char digits[16];
        const auto end = std::to_chars(digits, digits + sizeof digits, value.number).ptr;
        std::string out = value.number >= 0 ? " " : "";
        out.append(digits, end);
        out.push_back(' ');
        return out;
    }
    case LineKind::RecordField:
        // A field holding no number (an entry beyond the range of numbers,
        // refused by its dialog) has no form its reader takes back: it is
        // written as never set, which is how the file would leave it.
        return value.field && std::isfinite(*value.field) ? fieldText(*value.field) : std::string();
    }
    return {};
}

std::optional<ControlValue> decodeLine(LineKind kind, std::string_view line)
{
    ControlValue v;
    switch (kind) {
    case LineKind::Text:
    case LineKind::Caption:
        v.text = std::string(line);
        return v;
    case LineKind::Option: {
        const std::string_view word = trimBlanks(line);
        auto same = [&](std::string_view w) {
            if (word.size() != w.size())
                return false;
            for (std::size_t i = 0; i < w.size(); ++i)
                if ((word[i] | 0x20) != (w[i] | 0x20))
                    return false;
            return true;
        };
        if (same("true"))
            v.chosen = true;
        else if (!same("false"))
            return std::nullopt;
        return v;
    }
    case LineKind::Check: {
        const auto n = wholeNumber(line);
        if (!n || (*n != 0 && *n != 1))
            return std::nullopt;
        v.number = static_cast<int>(*n);
        return v;
    }
    case LineKind::ListIndex: {
        const auto n = wholeNumber(line);
        if (!n || *n < -1 || *n >= static_cast<long>(kSoils.size()))
            return std::nullopt;
        v.number = static_cast<int>(*n);
        return v;
    }
    case LineKind::RecordField: {
        const std::string_view number = trimBlanks(line);
        if (number.empty())
            return v; // never set
        if (!isNumberText(number))
            return std::nullopt;
        // A number beyond the range of doubles ("1E999") is no value the
        // field can hold: the line does not convert.
        const double read = lenientNumber(number);
        if (!std::isfinite(read))
            return std::nullopt;
        v.field = read;
        return v;
    }
    }
    return std::nullopt;
}

WrittenProject writeProject(const ValueSource& source, const DesignCase& record)
{
    WrittenProject out;
    GroupDeciders deciders;
    std::string bytes;
    for (const ProjectGroup& group : projectLayout()) {
        if (!deciders.holds(group))
            continue;
        for (const ProjectItem& item : group.items) {
            ControlValue v;
            if (item.kind == LineKind::RecordField) {
                const CaseNumber& field = record.*item.field;
                if (field.isSet())
                    v.field = double(field);
            } else {
                v = source(item);
            }
            deciders.note(item, v);
            const auto encoded = toCp932(encodeLine(item.kind, v));
            if (!encoded) {
                out.unencodable = &item;
                return out;
            }
            bytes += *encoded;
            bytes += "\r\n";
            ++out.lines;
        }
    }
    out.bytes = std::move(bytes);
    return out;
}

std::vector<std::string> splitLines(std::string_view text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) {
            lines.emplace_back(text.substr(start)); // a last line without its line end
            break;
        }
        std::size_t stop = end;
        if (stop > start && text[stop - 1] == '\r')
            --stop;
        lines.emplace_back(text.substr(start, stop - start));
        start = end + 1;
    }
    return lines;
}

const ControlValue* ReadProject::find(std::string_view window, std::string_view control) const
{
    for (const ReadValue& v : values)
        if (window == v.item->window && control == v.item->control)
            return &v.value;
    return nullptr;
}

ReadProject readProject(std::string_view bytes)
{
    ReadProject out;
    const auto text = bytes.size() <= kLargestProjectFile ? fromCp932(bytes) : std::nullopt;
    const std::vector<std::string> lines = text ? splitLines(*text) : std::vector<std::string>{};
    // Every project file opens with the two options of how Q1 is obtained.
    if (lines.size() < 2 || !decodeLine(LineKind::Option, lines[0]) || !decodeLine(LineKind::Option, lines[1])) {
        out.status = ReadProject::Status::NotAProject;
        return out;
    }

    GroupDeciders deciders;
    std::size_t next = 0;
    for (const ProjectGroup& group : projectLayout()) {
        if (!deciders.holds(group))
            continue;
        for (const ProjectItem& item : group.items) {
            ++out.linesExpected;
            if (next >= lines.size())
                continue; // the file ended early: the control keeps its fresh state
            ++out.linesRead;
            const auto value = decodeLine(item.kind, lines[next++]);
            if (!value) {
                ++out.unconvertible;
                continue;
            }
            deciders.note(item, *value);
            out.values.push_back({&item, *value});
        }
    }
    return out;
}

} // namespace akuenza
