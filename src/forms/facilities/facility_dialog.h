#pragma once
// Common ground of the facility dimension dialogs. Each dialog is one
// facility family of the core's tables: its input boxes are built from the
// family's boxes (designed names, captions, units) in their order, so the
// input step Keisuu and the computing step Keisan are the core's, and the
// calculation run, the project file and the sheet see the same boxes. The
// dialog classes declare their controls as typed members under the designed
// names and hand the builder where to put each one.

#include "core/facilities/facility_families.h"
#include "forms/base/application.h"
#include "forms/base/controls.h"

#include <array>
#include <string_view>
#include <vector>

namespace akuenza {

class FacilityDialog : public Form {
    Q_OBJECT
public:
    // A dialog of its family's form name and window title (the family's
    // caption on the design conditions form), with its heading label and
    // its size in twips.
    FacilityDialog(App& app, int selector, const char* heading, int widthTwips, int heightTwips);

    const FacilityFamily& family() const { return family_; }

    // Reads the dialog's boxes into the record.
    void Keisuu();
    // Computes every kind whose key box holds text.
    void Keisan();

    // The boxes' texts in the order of the family's boxes.
    BoxTexts texts() const;
    // The boxes in the order of the family's boxes.
    const std::vector<TextBox*>& boxes() const { return boxes_; }

protected:
    // Where the builder puts the controls it makes: the addresses of the
    // dialog's own members. Names of the boxes and of their caption and unit
    // labels come from the family's table; the others are given here.
    template <class W>
    struct Slot {
        W** member = nullptr;
        const char* name = nullptr;
    };
    struct RowSlots {
        QLabel** caption;
        TextBox** box;
        QLabel** unit;
    };
    // One basin or facility type: a mark ①/②, its rows, a bracket of three lines.
    struct BlockSlots {
        Slot<QLabel> mark{}; // no member: the block has no mark
        const char* markCaption = nullptr;
        std::vector<RowSlots> rows{};
        std::array<Slot<QFrame>, 3> bracket{}; // no member: an unnamed bracket, or none
        bool hasBracket = false;
    };
    struct ColumnSlots {
        Slot<CheckBox> check{}; // no member: the column is always in use
        const char* checkCaption = nullptr;
        std::vector<BlockSlots> blocks{};
        bool hidden = false;
    };
    struct Grid {
        int checkTop = 0;  // twips, where the column check boxes stand
        int rowsTop = 0;   // twips, the first row of the first block
        bool enterAcrossColumns = false;   // Enter runs on from one column into the next
        bool checkFocusesFirstBox = false; // ticking a column puts the focus in its first box
    };

    // Builds the columns side by side, their blocks one under the other.
    void buildColumns(const Grid& grid, const std::vector<ColumnSlots>& columns);
    // Places a drawing of the facility, which has no behaviour.
    void placeDrawing(QWidget* drawing, const char* name, int left, int top, int width, int height);

private:
    struct Column {
        CheckBox* check = nullptr;
        std::vector<QWidget*> inputs; // marks, captions, boxes, units
        std::vector<TextBox*> boxes;
        std::vector<QFrame*> lines;
    };
    void columnClicked(const Column& column, bool checked, bool focusFirstBox);
    void invalidateResults();

    const FacilityFamily& family_;
    std::vector<TextBox*> boxes_;
    std::vector<Column> columns_;
};

// The dialogs with two columns chosen by check boxes, each with types ① and
// ② of three boxes and a bracket: square and circular basins, ditch and pipe.
class TwoColumnDialog : public FacilityDialog {
    Q_OBJECT
public:
    TwoColumnDialog(App& app, int selector, const char* heading, int widthTwips, int heightTwips);

    CheckBox *chk1, *chk2;
    QLabel *lbl11, *lbl12, *lbl21, *lbl22;
    QFrame *Line111, *Line112, *Line113, *Line121, *Line122, *Line123;
    QFrame *Line211, *Line212, *Line213, *Line221, *Line222, *Line223;

protected:
    // The rows of column 1 type ①, column 1 type ②, column 2 type ①,
    // column 2 type ②, three each, top to bottom.
    void buildTwoColumns(int checkTop, const char* caption1, const char* caption2,
                         const std::array<RowSlots, 12>& rows);
};

} // namespace akuenza
