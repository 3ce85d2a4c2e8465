#pragma once
// The project file (*.qzk): a design case saved as the states of its input
// windows, one value per line, in CP932 with CR LF. There is no header and no
// key: a line's meaning is its position. Some groups of lines are present
// only while a condition on the case holds (a facility family chosen, a
// computed rainfall intensity, a weighted runoff coefficient, the well); the
// reader evaluates the same conditions on what it has read so far, so writer
// and reader stay in step. This file holds the layout and the line codec;
// the windows give and take the values.

#include "core/record/design_case.h"

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace akuenza {

// How one line holds its value.
enum class LineKind {
    Text,        // a text box's text, exactly
    Caption,     // a label's caption, exactly
    Option,      // "True" or "False"
    Check,       // " 0 " or " 1 "
    ListIndex,   // " 3 " for the fourth entry, "-1 " for none
    RecordField, // " .5 ", "-1.5 ", "" when the field was never set (or holds no number)
};

struct ProjectItem {
    const char* window;  // designed form name, "Form1"
    const char* control; // designed control name, "txt_c"; the field's name for a record field
    LineKind kind;
    CaseField field = nullptr; // for a record field
};

// When a group of lines is in the file.
enum class GroupCondition {
    Always,
    FacilityChosen,    // Form1 chkN = 1 for the group's family
    ComputedIntensity, // Form1 opt4 chosen
    WeightedRunoff,    // Form1 opt6 chosen
    Well,              // Form1 chk6 = 1
};

struct ProjectGroup {
    GroupCondition when;
    int selector = 0; // the family of a FacilityChosen group
    std::vector<ProjectItem> items;
};

// The groups of the file in their order.
const std::vector<ProjectGroup>& projectLayout();

// One value as a window holds it.
struct ControlValue {
    std::string text;             // Text, Caption
    bool chosen = false;          // Option
    int number = 0;               // Check, ListIndex
    std::optional<double> field;  // RecordField: empty when never set
};

// ---- Line forms ----
std::string encodeLine(LineKind kind, const ControlValue& value);
// The value a line holds, or nullopt when the line does not convert.
std::optional<ControlValue> decodeLine(LineKind kind, std::string_view line);

// ---- Writing ----
// Asks the windows for each value in file order (the record fields are read
// from the record). Conditions are evaluated on the values given.
using ValueSource = std::function<ControlValue(const ProjectItem&)>;

struct WrittenProject {
    std::string bytes; // CP932, CR LF after every line; empty when refused
    // The first value whose text CP932 cannot hold: the file is not written.
    const ProjectItem* unencodable = nullptr;
    int lines = 0;
};
WrittenProject writeProject(const ValueSource& source, const DesignCase& record);

// ---- Reading ----
struct ReadValue {
    const ProjectItem* item;
    ControlValue value;
};

struct ReadProject {
    enum class Status { Read, NotAProject };
    Status status = Status::Read;
    // The values read and converted, in file order.
    std::vector<ReadValue> values;
    int linesRead = 0;     // lines the layout took from the file
    int linesExpected = 0; // lines the layout wanted (by the conditions known)
    int unconvertible = 0; // lines that did not convert into their control
    bool truncated() const { return linesRead < linesExpected; }

    // The value read for a control, or nullptr when the file did not hold it.
    const ControlValue* find(std::string_view window, std::string_view control) const;
};

// A project file holds at most 161 short lines; anything far larger is not
// one, and is neither read in whole nor decoded.
inline constexpr std::size_t kLargestProjectFile = 1 << 20;

// Reads a project file's bytes. A file whose first two lines are not
// "True"/"False", or whose bytes are not CP932 text, is not a project file.
ReadProject readProject(std::string_view bytes);

// Splits CP932-decoded text into lines at CR LF (a lone LF is taken too).
std::vector<std::string> splitLines(std::string_view text);

} // namespace akuenza
