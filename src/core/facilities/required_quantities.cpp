#include "core/facilities/required_quantities.h"

#include "core/facilities/adequacy.h"
#include "core/record/digit_format.h"
#include "core/record/lenient_number.h"
#include "core/report/calculation_sheet.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace akuenza {

namespace {

// The box of the family that holds the kind's quantity (N, L or S).
std::size_t quantityBox(const FacilityFamily& family, const FacilityKind& kind)
{
    for (std::size_t i = 0; i < family.boxes.size(); ++i)
        if (family.boxes[i].field == kind.quantity)
            return i;
    return family.boxes.size();
}

// The verdict of the run made again with one quantity box holding the typed
// text of `steps`. A run that refuses the case or shows no verdict counts
// as NG and is remembered: no quantity is then given.
class Verdicts {
public:
    Verdicts(const DesignCase& record, const RunEntries& entries, const RequiredRow& row)
        : record_(record), entries_(entries), row_(row)
    {
    }

    bool adequateAt(std::int64_t steps) const
    {
        RunEntries changed = entries_;
        BoxTexts& texts = changed.dialogs[static_cast<std::size_t>(row_.selector - 1)].texts;
        if (texts.size() <= row_.boxIndex)
            texts.resize(row_.boxIndex + 1);
        texts[row_.boxIndex] = typedQuantity(steps, row_.decimals);
        DesignCase rec = record_;
        const RunOutcome outcome = calculationRun(rec, changed);
        if (!outcome.ok() || !outcome.display.comparison) {
            failed_ = true;
            return false;
        }
        return outcome.display.comparison->adequate;
    }
    bool failed() const { return failed_; }

private:
    const DesignCase& record_;
    const RunEntries& entries_;
    const RequiredRow& row_;
    mutable bool failed_ = false;
};

void cannotBeMet(RequiredRow& row, const char* message)
{
    row.status = RequiredStatus::CannotBeMet;
    row.steps = 0;
    row.required.clear();
    row.requiredValue = 0.0;
    row.message = message;
}

void settle(RequiredRow& row, std::int64_t steps)
{
    row.steps = steps;
    row.required = typedQuantity(steps, row.decimals);
    row.requiredValue = lenientNumber(row.required);
    row.status = steps == 0 ? RequiredStatus::Covered : RequiredStatus::Required;
    row.message.clear();
}

// The least number of steps whose run is O.K. ΣFc never falls as the
// quantity grows (Fc = Q x quantity with Q > 0, and the total adds the rows
// in a fixed order), so the verdicts are NG up to one step and O.K from it
// on: the estimate is the starting point, a doubling walk brackets the
// boundary and halving closes it. Every step named is a verdict of the run,
// and the last two runs are the proof: the quantity O.K, one step less NG.
void findRequired(RequiredRow& row, const Verdicts& verdicts, double q1, double totalFc)
{
    const std::int64_t scale = row.decimals == 0 ? 1 : 10;
    const std::int64_t maxSteps = static_cast<std::int64_t>(kRequiredQuantityLimit) * scale;

    if (!std::isfinite(row.perUnit) || !std::isfinite(row.fc))
        return cannotBeMet(row, kRequiredNotComputable);
    if (row.perUnit <= 0.0) {
        // More of this kind never adds to ΣFc: none of it is the best there is.
        const bool none = verdicts.adequateAt(0);
        if (verdicts.failed())
            return cannotBeMet(row, kRequiredNotComputable);
        return none ? settle(row, 0) : cannotBeMet(row, kRequiredNoInfiltration);
    }

    std::int64_t start = 0;
    const double need = q1 - (totalFc - row.fc);
    if (need > 0.0) {
        const double estimate = std::ceil(need / row.perUnit * static_cast<double>(scale));
        start = estimate < static_cast<double>(maxSteps) ? static_cast<std::int64_t>(estimate) : maxSteps;
    }

    std::int64_t lo = -1; // the highest step known NG; -1 below any quantity
    std::int64_t hi = -1; // the lowest step known O.K; -1 none yet
    if (verdicts.adequateAt(start)) {
        hi = start;
        for (std::int64_t d = 1; hi - d > lo; d *= 2) {
            if (!verdicts.adequateAt(hi - d)) {
                lo = hi - d;
                break;
            }
            hi -= d;
        }
    } else {
        lo = start;
        for (std::int64_t d = 1; hi < 0 && lo < maxSteps && !verdicts.failed(); d *= 2) {
            const std::int64_t step = std::min(lo + d, maxSteps);
            (verdicts.adequateAt(step) ? hi : lo) = step;
        }
    }
    while (hi - lo > 1 && !verdicts.failed()) {
        const std::int64_t mid = lo + (hi - lo) / 2;
        (verdicts.adequateAt(mid) ? hi : lo) = mid;
    }
    if (verdicts.failed())
        return cannotBeMet(row, kRequiredNotComputable);
    if (hi < 0)
        return cannotBeMet(row, kRequiredBeyondLimit);

    const bool enough = verdicts.adequateAt(hi);
    const bool less = hi > 0 && verdicts.adequateAt(hi - 1);
    if (verdicts.failed() || !enough || less)
        return cannotBeMet(row, kRequiredNotComputable);
    settle(row, hi);
}

// ---- Text forms ------------------------------------------------------------

// The next code point of UTF-8 text; a byte that starts no valid sequence
// stands for itself.
char32_t nextCodePoint(std::string_view text, std::size_t& i)
{
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
    const unsigned char lead = byte(i);
    int length = lead < 0x80 ? 1 : (lead >> 5) == 0x6 ? 2 : (lead >> 4) == 0xE ? 3 : (lead >> 3) == 0x1E ? 4 : 0;
    if (length == 0 || i + static_cast<std::size_t>(length) > text.size()) {
        ++i;
        return lead;
    }
    char32_t cp = length == 1 ? lead : lead & (0x7F >> length);
    for (int k = 1; k < length; ++k) {
        const unsigned char c = byte(i + static_cast<std::size_t>(k));
        if ((c & 0xC0) != 0x80) {
            ++i;
            return lead;
        }
        cp = (cp << 6) | (c & 0x3F);
    }
    i += static_cast<std::size_t>(length);
    return cp;
}

// Wide and full-width characters (East Asian Width W and F).
bool wide(char32_t c)
{
    return (c >= 0x1100 && c <= 0x115F) || (c >= 0x2E80 && c <= 0x303E) || (c >= 0x3041 && c <= 0x33FF) ||
           (c >= 0x3400 && c <= 0x4DBF) || (c >= 0x4E00 && c <= 0x9FFF) || (c >= 0xA000 && c <= 0xA4CF) ||
           (c >= 0xAC00 && c <= 0xD7A3) || (c >= 0xF900 && c <= 0xFAFF) || (c >= 0xFE30 && c <= 0xFE4F) ||
           (c >= 0xFF00 && c <= 0xFF60) || (c >= 0xFFE0 && c <= 0xFFE6) || (c >= 0x20000 && c <= 0x3FFFD);
}

enum class Align { Left, Right };

// Columns two blanks apart, each as wide as its widest cell; no trailing blanks.
std::string alignedColumns(const std::vector<std::vector<std::string>>& rows, const std::vector<Align>& align)
{
    std::vector<std::size_t> widths(align.size(), 0);
    for (const auto& row : rows)
        for (std::size_t c = 0; c < row.size() && c < widths.size(); ++c)
            widths[c] = std::max(widths[c], displayWidth(row[c]));
    std::string out;
    for (const auto& row : rows) {
        std::string line;
        for (std::size_t c = 0; c < row.size() && c < widths.size(); ++c) {
            const std::string pad(widths[c] - displayWidth(row[c]), ' ');
            if (c > 0)
                line += "  ";
            line += align[c] == Align::Right ? pad + row[c] : row[c] + pad;
        }
        while (!line.empty() && line.back() == ' ')
            line.pop_back();
        out += line + "\n";
    }
    return out;
}

// The quantity now, as read: no more decimals than it has (up to six).
std::string quantityNow(double value) { return formatDigits(value, "0.######"); }

std::string perUnit(double value) { return formatDigits(value, "0.000###"); }

std::string remark(const RequiredRow& row)
{
    switch (row.status) {
    case RequiredStatus::Required: return {};
    case RequiredStatus::Covered: return "他の施設で満たしています。";
    case RequiredStatus::CannotBeMet: return row.message;
    }
    return {};
}

// A field of the tab-separated form: a tab, line end or backslash in it (a
// case file's name may hold one) is written as \t, \n, \r or \\ so that every
// line keeps its columns.
std::string tsvField(std::string_view text)
{
    std::string out;
    for (char c : text) {
        switch (c) {
        case '\t': out += "\\t"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\\': out += "\\\\"; break;
        default: out += c; break;
        }
    }
    return out;
}

std::string tsvLine(std::initializer_list<std::string_view> fields)
{
    std::string line;
    bool firstField = true;
    for (std::string_view f : fields) {
        if (!firstField)
            line += '\t';
        line += tsvField(f);
        firstField = false;
    }
    return line + "\n";
}

} // namespace

std::string typedQuantity(std::int64_t steps, int decimals)
{
    if (steps == 0)
        return "0";
    const std::int64_t scale = decimals == 0 ? 1 : 10;
    const std::int64_t whole = steps / scale;
    char buf[32];
    const auto end = std::to_chars(buf, buf + sizeof buf, whole).ptr;
    std::string text(buf, end);
    if (decimals != 0) {
        text += '.';
        text += static_cast<char>('0' + steps % scale);
    }
    return text;
}

std::size_t displayWidth(std::string_view utf8)
{
    std::size_t width = 0;
    for (std::size_t i = 0; i < utf8.size();)
        width += wide(nextCodePoint(utf8, i)) ? 2 : 1;
    return width;
}

RequiredQuantities requiredQuantities(const DesignCase& record, const RunEntries& entries)
{
    RequiredQuantities result;
    if (entries.conditions.well()) {
        result.failure = kRequiredWellCase;
        return result;
    }
    DesignCase rec = record;
    const RunOutcome outcome = calculationRun(rec, entries);
    if (outcome.failed) {
        result.failure = outcome.failed->message;
        return result;
    }
    if (!outcome.display.comparison) {
        result.failure = kRequiredNoVerdict;
        return result;
    }
    result.comparison = *outcome.display.comparison;
    result.increased = entries.conditions.opt8;
    result.q1 = result.increased ? increasedQ1(rec.volumeIncreasePercent, rec.countermeasureRainwaterQ1)
                                 : double(rec.countermeasureRainwaterQ1);
    result.totalFc = rec.totalInfiltrationFc;
    result.shortfall = result.q1 - result.totalFc;

    for (const FacilityFamily& family : facilityFamilies()) {
        if (family.well || !entries.conditions.facility[static_cast<std::size_t>(family.selector - 1)])
            continue;
        const DialogEntries& dialog = entries.dialog(family.selector);
        if (!dialog.loaded)
            continue;
        for (std::size_t k = 0; k < family.kinds.size(); ++k) {
            const FacilityKind& kind = family.kinds[k];
            if (kind.keyBox >= dialog.texts.size() || dialog.texts[kind.keyBox].empty())
                continue;
            const std::size_t box = quantityBox(family, kind);
            if (box >= family.boxes.size())
                continue;
            RequiredRow row;
            row.selector = family.selector;
            row.kind = k;
            row.form = family.form;
            row.dialogCaption = family.caption;
            row.box = family.box(box).name;
            row.boxIndex = box;
            row.unit = family.box(box).unit;
            row.decimals = kind.per == PerUnit::Piece ? 0 : 1;
            row.name = facilityRowName(kind, rec);
            row.perUnit = rec.*kind.Q;
            row.quantityText = box < dialog.texts.size() ? dialog.texts[box] : std::string();
            row.quantity = rec.*kind.quantity;
            row.fc = rec.*kind.Fc;
            findRequired(row, Verdicts(record, entries, row), result.q1, result.totalFc);
            result.rows.push_back(std::move(row));
        }
    }
    return result;
}

std::string requiredQuantitiesTable(const RequiredQuantities& result)
{
    if (!result.ok())
        return *result.failure + "\n";
    const Comparison& c = result.comparison;
    std::string out = c.factor + c.times + "Q1=" + c.q1 + "m3/hr  ΣFc=" + c.total + "m3/hr  " +
                      (c.adequate ? "余裕=" : "不足=") + formatDigits(std::fabs(result.shortfall), "0.000") +
                      "m3/hr  " + c.verdict + "\n";
    if (result.rows.empty())
        return out + kRequiredNoRows + "\n";

    out += "\n";
    out += alignedColumns(requiredTableCells(result), {Align::Left, Align::Left, Align::Right, Align::Right,
                                                       Align::Right, Align::Right, Align::Left, Align::Left});
    return out;
}

std::vector<std::vector<std::string>> requiredTableCells(const RequiredQuantities& result)
{
    std::vector<std::vector<std::string>> rows = {
        {"画面", "施設", "設計浸透量Q(m3/hr)", "現在の数量", "現在のFc(m3/hr)", "必要数量", "単位", "備考"}};
    for (const RequiredRow& r : result.rows)
        rows.push_back({r.dialogCaption, r.name, perUnit(r.perUnit), quantityNow(r.quantity),
                        formatDigits(r.fc, "0.000"), r.required, r.unit, remark(r)});
    return rows;
}

std::string requiredQuantitiesTsvHeading()
{
    return tsvLine({"計算ファイル", "画面", "入力欄", "施設", "設計浸透量Q", "現在の数量", "必要数量", "単位"});
}

std::string requiredQuantitiesTsv(const RequiredQuantities& result, std::string_view caseFile)
{
    if (!result.ok())
        return tsvLine({caseFile, "", "", "", "", "", *result.failure, ""});
    if (result.rows.empty())
        return tsvLine({caseFile, "", "", "", "", "", kRequiredNoRows, ""});
    std::string out;
    for (const RequiredRow& r : result.rows)
        out += tsvLine({caseFile, r.form, r.box, r.name, perUnit(r.perUnit), quantityNow(r.quantity),
                        r.hasQuantity() ? r.required : r.message, r.unit});
    return out;
}

} // namespace akuenza
