// The project file's line codec: the layout with its conditional groups,
// the value forms, CP932 with CR LF, and what the reader makes of files
// that are short, damaged or no project files at all.
#include "core/project/project_file.h"

#include "core/record/cp932.h"

#include <gtest/gtest.h>

#include <limits>
#include <map>

using namespace akuenza;

namespace {

// Windows as a test holds them: every value by "window.control"; what is
// not set has its design state (empty text, not chosen, unchecked).
struct Windows {
    std::map<std::string, ControlValue> values;
    ControlValue& operator[](const std::string& key) { return values[key]; }
    ValueSource source() const
    {
        return [this](const ProjectItem& item) {
            const auto it = values.find(std::string(item.window) + "." + item.control);
            return it == values.end() ? ControlValue{} : it->second;
        };
    }
};

ControlValue txt(std::string s) { return {std::move(s), false, 0, std::nullopt}; }
ControlValue chosen() { return {{}, true, 0, std::nullopt}; }
ControlValue value(int n) { return {{}, false, n, std::nullopt}; }

std::vector<std::string> linesOf(const WrittenProject& written)
{
    const auto text = fromCp932(written.bytes);
    EXPECT_TRUE(text);
    return splitLines(*text);
}

} // namespace

TEST(ProjectFile, LineFormsOfEveryKind)
{
    EXPECT_EQ(encodeLine(LineKind::Option, chosen()), "True");
    EXPECT_EQ(encodeLine(LineKind::Option, {}), "False");
    EXPECT_EQ(encodeLine(LineKind::Check, value(0)), " 0 ");
    EXPECT_EQ(encodeLine(LineKind::Check, value(1)), " 1 ");
    EXPECT_EQ(encodeLine(LineKind::ListIndex, value(3)), " 3 ");
    EXPECT_EQ(encodeLine(LineKind::ListIndex, value(-1)), "-1 ");
    EXPECT_EQ(encodeLine(LineKind::Text, txt(" 1,2 \"x\"")), " 1,2 \"x\"");
    auto field = [](std::optional<double> v) { return encodeLine(LineKind::RecordField, {{}, false, 0, v}); };
    EXPECT_EQ(field(0.5), " .5 ");
    EXPECT_EQ(field(-1.5), "-1.5 ");
    EXPECT_EQ(field(-0.25), "-.25 ");
    EXPECT_EQ(field(100), " 100 ");
    EXPECT_EQ(field(0), " 0 ");
    EXPECT_EQ(field(1e-5), " 1E-05 ");
    EXPECT_EQ(field(std::nullopt), "");
}

TEST(ProjectFile, RecordFieldsReadBackAsHandWrittenOrAsWritten)
{
    auto read = [](std::string_view line) { return decodeLine(LineKind::RecordField, line); };
    EXPECT_EQ(*read(" .5 ")->field, 0.5);
    EXPECT_EQ(*read(".5")->field, 0.5);
    EXPECT_EQ(*read("1E-3 ")->field, 0.001);
    EXPECT_EQ(*read(" 2.5D2")->field, 250.0);
    EXPECT_EQ(*read("-.25 ")->field, -0.25);
    EXPECT_FALSE(read("")->field); // never set
    EXPECT_FALSE(read("  ")->field);
    EXPECT_FALSE(read("abc"));
    EXPECT_FALSE(read("1.5m"));
    EXPECT_FALSE(read("E5"));
    // Every double survives the round trip digit for digit.
    for (double v : {0.1, 1.0 / 3.0, 23.650012345678901, 1e-300, -6.02e23, 100.0}) {
        const std::string line = encodeLine(LineKind::RecordField, {{}, false, 0, v});
        EXPECT_EQ(*read(line)->field, v) << line;
    }
    EXPECT_FALSE(decodeLine(LineKind::Option, "Maybe"));
    EXPECT_TRUE(decodeLine(LineKind::Option, " True ")->chosen);
    EXPECT_FALSE(decodeLine(LineKind::Check, " 2 "));
    EXPECT_FALSE(decodeLine(LineKind::Check, "x"));
    EXPECT_EQ(decodeLine(LineKind::ListIndex, "-1 ")->number, -1);
    EXPECT_FALSE(decodeLine(LineKind::ListIndex, " 7 "));
}

TEST(ProjectFile, ARecordFieldIsNeverANumberBeyondTheRangeOfDoubles)
{
    auto read = [](std::string_view line) { return decodeLine(LineKind::RecordField, line); };
    EXPECT_FALSE(read("1E999"));
    EXPECT_FALSE(read("-1.1D400 "));
    EXPECT_EQ(*read(" 1E-999 ")->field, 0.0); // too small: zero, a number
    // A field holding no number is written as never set, which reads back.
    const std::string line =
        encodeLine(LineKind::RecordField, {{}, false, 0, std::numeric_limits<double>::infinity()});
    EXPECT_EQ(line, "");
    ASSERT_TRUE(read(line));
    EXPECT_FALSE(read(line)->field);

    // In a file the line is one that does not convert: the field stays as it
    // was, and the reader says so.
    DesignCase rec;
    Windows w;
    w["Form1.opt4"] = chosen();
    rec.retardanceN = 0.2;
    std::string bytes = writeProject(w.source(), rec).bytes;
    const std::size_t at = bytes.find("\r\n .2 \r\n");
    ASSERT_NE(at, std::string::npos);
    bytes.replace(at + 2, 4, "2E999");
    const ReadProject opened = readProject(bytes);
    EXPECT_EQ(opened.unconvertible, 1);
    EXPECT_EQ(opened.find("record", "retardanceN"), nullptr);
    EXPECT_FALSE(opened.truncated());
}

TEST(ProjectFile, GroupsFollowTheChoicesOfTheCase)
{
    DesignCase rec;
    Windows w;
    // Nothing chosen: 23 lines of the design conditions, the two captions, chk6.
    EXPECT_EQ(writeProject(w.source(), rec).lines, 26);
    // The square basin alone adds its 14 lines.
    w["Form1.chk1"] = value(1);
    EXPECT_EQ(writeProject(w.source(), rec).lines, 40);
    // Computed I adds 35 lines, even from a rainfall dialog never opened; a
    // weighted C adds 37; every facility family of chk1 ... chk5 adds its own.
    w["Form1.opt4"] = chosen();
    w["Form1.opt6"] = chosen();
    for (const char* chk : {"Form1.chk2", "Form1.chk3", "Form1.chk4", "Form1.chk5"})
        w[chk] = value(1);
    w["Form1.chk6"] = value(1); // the well, for a file holding every group
    const WrittenProject all = writeProject(w.source(), rec);
    EXPECT_EQ(all.lines, 161);
    const auto lines = linesOf(all);
    ASSERT_EQ(lines.size(), 161u);
    EXPECT_EQ(lines[17], " 0 ");  // chk_t
    EXPECT_EQ(lines[18], " 1 ");  // chk1
    EXPECT_EQ(lines[110], "");    // slopeLengthL never set
    EXPECT_EQ(lines[153], " 1 "); // chk6
}

TEST(ProjectFile, BytesAreCp932WithCrLfAfterEveryLine)
{
    DesignCase rec;
    rec.slopeLengthL = 100;
    rec.slopeGradientS = 0.5;
    Windows w;
    w["Form1.opt_u1"] = chosen();
    w["Form1.txt_t"] = txt("ローム");
    w["Form1.cbo1"] = value(-1);
    w["Form1.opt4"] = chosen();
    const WrittenProject written = writeProject(w.source(), rec);
    const std::string& b = written.bytes;
    EXPECT_EQ(b.substr(0, 13), "True\r\nFalse\r\n");
    EXPECT_NE(b.find("\r\n\x83\x8D\x81\x5B\x83\x80\r\n"), std::string::npos); // ローム
    EXPECT_NE(b.find("\r\n-1 \r\n"), std::string::npos);
    EXPECT_NE(b.find("\r\n 100 \r\n .5 \r\n\r\n"), std::string::npos); // L, S, n never set
    EXPECT_EQ(b.substr(b.size() - 2), "\r\n");
    EXPECT_EQ(b.find('\n', 0), 5u); // no bare LF anywhere before
}

TEST(ProjectFile, WhatIsWrittenIsReadBackValueForValue)
{
    DesignCase rec;
    rec.slopeLengthL = 100;
    rec.retardanceN = 0.4;
    Windows w;
    w["Form1.opt_u1"] = chosen();
    w["Form1.txt_c"] = txt(" 0.9,\"typed\"");
    w["Form1.cbo1"] = value(3);
    w["Form1.chk1"] = value(1);
    w["Form1.opt4"] = chosen();
    w["Form2.chk1"] = value(1);
    w["Form2.txt11w"] = txt("0.5");
    w["Form11.lbl3"] = txt("45.000");
    w["Form12.opt3"] = chosen();
    w["Form12.lbl1"] = txt("茨城県宅地開発関係資料集による(茨城県土木部都市局建築指導課)");
    w["Form13.txt3"] = txt("0.40");
    const WrittenProject written = writeProject(w.source(), rec);
    const ReadProject read = readProject(written.bytes);
    ASSERT_EQ(read.status, ReadProject::Status::Read);
    EXPECT_FALSE(read.truncated());
    EXPECT_EQ(read.unconvertible, 0);
    EXPECT_EQ(read.linesRead, written.lines);
    for (const ReadValue& v : read.values) {
        SCOPED_TRACE(std::string(v.item->window) + "." + v.item->control);
        if (v.item->kind == LineKind::RecordField) {
            const CaseNumber& field = rec.*v.item->field;
            EXPECT_EQ(v.value.field.has_value(), field.isSet());
            if (field.isSet()) {
                EXPECT_EQ(*v.value.field, double(field));
            }
            continue;
        }
        const ControlValue expected = w.source()(*v.item);
        EXPECT_EQ(v.value.text, expected.text);
        EXPECT_EQ(v.value.chosen, expected.chosen);
        EXPECT_EQ(v.value.number, expected.number);
    }
    EXPECT_EQ(read.find("Form1", "txt_c")->text, " 0.9,\"typed\"");
    EXPECT_EQ(read.find("Form13", "txt3")->text, "0.40");
    EXPECT_EQ(read.find("Form16", "txt_t1"), nullptr); // not a weighted C
}

TEST(ProjectFile, AShortFileFillsOnlyWhatItHoldsAndSaysHowMuchWasMissing)
{
    DesignCase rec;
    Windows w;
    w["Form1.chk1"] = value(1);
    w["Form2.txt11w"] = txt("0.5");
    std::string bytes = writeProject(w.source(), rec).bytes;
    // Cut after line 30 (txt11w is line 27).
    std::size_t at = 0;
    for (int i = 0; i < 30; ++i)
        at = bytes.find("\r\n", at) + 2;
    bytes.resize(at);
    const ReadProject read = readProject(bytes);
    ASSERT_EQ(read.status, ReadProject::Status::Read);
    EXPECT_TRUE(read.truncated());
    EXPECT_EQ(read.linesRead, 30);
    EXPECT_EQ(read.linesExpected, 40);
    EXPECT_EQ(read.find("Form2", "txt11w")->text, "0.5");
    EXPECT_EQ(read.find("Form2", "txt12n"), nullptr);
    EXPECT_EQ(read.find("Form1", "chk6"), nullptr);
}

TEST(ProjectFile, LinesThatDoNotConvertAreCountedAndLeftOut)
{
    DesignCase rec;
    Windows w;
    std::string bytes = writeProject(w.source(), rec).bytes;
    const std::size_t opt3 = [&] {
        std::size_t at = 0;
        for (int i = 0; i < 10; ++i)
            at = bytes.find("\r\n", at) + 2;
        return at;
    }();
    bytes.replace(opt3, 5, "Maybe"); // line 11 held "False"
    const ReadProject read = readProject(bytes);
    EXPECT_EQ(read.unconvertible, 1);
    EXPECT_EQ(read.find("Form1", "opt3"), nullptr);
    EXPECT_NE(read.find("Form1", "opt4"), nullptr);
}

TEST(ProjectFile, OtherFilesAreNoProjectFiles)
{
    EXPECT_EQ(readProject("").status, ReadProject::Status::NotAProject);
    EXPECT_EQ(readProject("Hello\r\nWorld\r\n").status, ReadProject::Status::NotAProject);
    EXPECT_EQ(readProject("True\r\n").status, ReadProject::Status::NotAProject);
    EXPECT_EQ(readProject("True\r\nFalse\r\n\x81\r\n").status, ReadProject::Status::NotAProject); // not CP932
    EXPECT_EQ(readProject(std::string(2 << 20, 'x')).status, ReadProject::Status::NotAProject);
    // Two options and nothing else: a project file cut short.
    const ReadProject shortest = readProject("True\nFalse\n");
    EXPECT_EQ(shortest.status, ReadProject::Status::Read);
    EXPECT_EQ(shortest.linesRead, 2);
    EXPECT_EQ(shortest.linesExpected, 26);
}

TEST(ProjectFile, TextCp932CannotHoldRefusesTheWholeFile)
{
    DesignCase rec;
    Windows w;
    w["Form1.opt6"] = chosen();
    w["Form16.txt_t2"] = txt("𠮷野家の駐車場");
    const WrittenProject written = writeProject(w.source(), rec);
    ASSERT_NE(written.unencodable, nullptr);
    EXPECT_STREQ(written.unencodable->window, "Form16");
    EXPECT_STREQ(written.unencodable->control, "txt_t2");
    EXPECT_TRUE(written.bytes.empty());
}
