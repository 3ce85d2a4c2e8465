// The project-file reader of the core on arbitrary bytes: it judges any file
// without failing, takes no more lines than the layout wants, and what it
// reads is written back by the writer into a file that reads the same.
#include "core/project/project_file.h"
#include "fuzz_check.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace {

using akuenza::ControlValue;
using akuenza::LineKind;

bool same(LineKind kind, const ControlValue& a, const ControlValue& b)
{
    switch (kind) {
    case LineKind::Text:
    case LineKind::Caption: return a.text == b.text;
    case LineKind::Option: return a.chosen == b.chosen;
    case LineKind::Check:
    case LineKind::ListIndex: return a.number == b.number;
    case LineKind::RecordField: return a.field == b.field;
    }
    return false;
}

int lineCount()
{
    int n = 0;
    for (const akuenza::ProjectGroup& group : akuenza::projectLayout())
        n += static_cast<int>(group.items.size());
    return n;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace akuenza;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const ReadProject read = readProject(bytes);
    if (read.status == ReadProject::Status::NotAProject) {
        FUZZ_REQUIRE(read.values.empty() && read.linesRead == 0, "a file that is none yields values");
        return 0;
    }

    static const int kMostLines = lineCount();
    FUZZ_REQUIRE(read.linesRead <= read.linesExpected, "%d lines read of %d", read.linesRead, read.linesExpected);
    FUZZ_REQUIRE(read.linesExpected >= 26 && read.linesExpected <= kMostLines, "%d lines expected",
                 read.linesExpected);
    FUZZ_REQUIRE(static_cast<int>(read.values.size()) + read.unconvertible == read.linesRead,
                 "%zu values and %d unconvertible of %d lines", read.values.size(), read.unconvertible,
                 read.linesRead);

    // Every value read encodes to a line that decodes to the same value.
    for (const ReadValue& v : read.values) {
        const std::string line = encodeLine(v.item->kind, v.value);
        const auto again = decodeLine(v.item->kind, line);
        FUZZ_REQUIRE(again && same(v.item->kind, *again, v.value), "%s.%s: \"%s\" does not read back",
                     v.item->window, v.item->control, line.c_str());
    }

    // The windows refilled from the file save a file that reads back as
    // the same values: the controls the file missed keep their fresh state.
    DesignCase record;
    for (const ReadValue& v : read.values)
        if (v.item->kind == LineKind::RecordField && v.value.field)
            record.*v.item->field = *v.value.field;
    const WrittenProject written = writeProject(
        [&read](const ProjectItem& item) {
            for (const ReadValue& v : read.values)
                if (v.item == &item)
                    return v.value;
            ControlValue fresh;
            return fresh;
        },
        record);
    FUZZ_REQUIRE(!written.unencodable, "%s.%s read from CP932 cannot be written back", written.unencodable->window,
                 written.unencodable->control);
    const ReadProject again = readProject(written.bytes);
    FUZZ_REQUIRE(again.status == ReadProject::Status::Read, "the written file is not a project file");
    FUZZ_REQUIRE(!again.truncated() && again.unconvertible == 0, "the written file reads %d of %d lines, %d unconvertible",
                 again.linesRead, again.linesExpected, again.unconvertible);
    FUZZ_REQUIRE(again.linesRead == written.lines, "%d lines written, %d read", written.lines, again.linesRead);
    for (const ReadValue& v : again.values) {
        const ControlValue* first = read.find(v.item->window, v.item->control);
        if (first)
            FUZZ_REQUIRE(same(v.item->kind, *first, v.value), "%s.%s changes on writing", v.item->window,
                         v.item->control);
    }
    return 0;
}
