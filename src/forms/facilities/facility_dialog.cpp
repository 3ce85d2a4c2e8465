#include "forms/facilities/facility_dialog.h"

#include "forms/facilities/results_form.h"
#include "forms/base/twips.h"

namespace akuenza {

namespace {
constexpr int kColumnWidth = 2640;
constexpr int kRowStep = 360;
constexpr int kBlockGap = 120;
} // namespace

FacilityDialog::FacilityDialog(App& app, int selector, const char* heading, int widthTwips, int heightTwips)
    : Form(app), family_(*facilityFamily(selector))
{
    setObjectName(QString::fromLatin1(family_.form));
    setWindowTitle(QString::fromUtf8(family_.caption));
    setFixedSize(twipsToPixels(widthTwips), twipsToPixels(heightTwips));

    QLabel* title = makeLabel(this, "lblTitle", QString::fromUtf8(heading));
    QFont f = title->font();
    f.setPointSize(11);
    f.setBold(true);
    title->setFont(f);
    setTextColour(title, kFacilityHeadingBlue);
    placeTwips(title, 120, 60, 5000, 300);
}

void FacilityDialog::Keisuu() { readBoxes(family_, app().record, texts()); }

void FacilityDialog::Keisan() { computeKinds(family_, app().record, texts()); }

BoxTexts FacilityDialog::texts() const
{
    BoxTexts out;
    out.reserve(boxes_.size());
    for (const TextBox* box : boxes_)
        out.push_back(box->text().toStdString());
    return out;
}

void FacilityDialog::placeDrawing(QWidget* drawing, const char* name, int left, int top, int width, int height)
{
    drawing->setObjectName(QString::fromLatin1(name));
    placeTwips(drawing, left, top, width, height);
}

void FacilityDialog::buildColumns(const Grid& grid, const std::vector<ColumnSlots>& columns)
{
    std::size_t nextBox = 0; // the family's boxes are met in their order
    std::vector<TextBox*> chain;
    for (std::size_t c = 0; c < columns.size(); ++c) {
        const ColumnSlots& columnSlots = columns[c];
        const int left = 120 + static_cast<int>(c) * kColumnWidth;
        Column column;
        if (columnSlots.check.member) {
            column.check = new CheckBox(this, columnSlots.check.name, QString::fromUtf8(columnSlots.checkCaption));
            *columnSlots.check.member = column.check;
            placeTwips(column.check, left, grid.checkTop, kColumnWidth - 60, 300);
        }
        int top = grid.rowsTop;
        for (const BlockSlots& block : columnSlots.blocks) {
            const int rowsLeft = left + (block.mark.member ? 360 : 240);
            if (block.mark.member) {
                QLabel* mark = makeLabel(this, block.mark.name, QString::fromUtf8(block.markCaption));
                placeTwips(mark, left, top, 240, 300);
                *block.mark.member = mark;
                column.inputs.push_back(mark);
            }
            for (std::size_t r = 0; r < block.rows.size(); ++r) {
                const FacilityBox& fb = family_.box(nextBox++);
                const int y = top + static_cast<int>(r) * kRowStep;
                QLabel* caption = makeLabel(this, fb.captionName, QString::fromUtf8(fb.caption));
                placeTwips(caption, rowsLeft, y, 900, 300);
                auto* box = new TextBox(this, fb.name);
                box->setNumberEntry();
                placeTwips(box, rowsLeft + 900, y - 15, 900, 300);
                box->onClickOrEdit(this, [this] { invalidateResults(); });
                QLabel* unit = makeLabel(this, fb.unitName, QString::fromUtf8(fb.unit));
                placeTwips(unit, rowsLeft + 1860, y, 420, 300);
                *block.rows[r].caption = caption;
                *block.rows[r].box = box;
                *block.rows[r].unit = unit;
                column.inputs.insert(column.inputs.end(), {caption, box, unit});
                column.boxes.push_back(box);
                boxes_.push_back(box);
            }
            if (block.hasBracket) {
                // A bracket "[" to the left of the rows.
                const int bracketTop = top - 30;
                const int bracketHeight = static_cast<int>(block.rows.size()) * kRowStep - 30;
                const std::array<QRect, 3> parts = {
                    QRect(left + 255, bracketTop, 75, 15),
                    QRect(left + 240, bracketTop, 30, bracketHeight),
                    QRect(left + 255, bracketTop + bracketHeight - 15, 75, 15),
                };
                for (std::size_t i = 0; i < 3; ++i) {
                    QFrame* line = makeLine(this, block.bracket[i].name, i == 1);
                    placeTwips(line, parts[i].x(), parts[i].y(), parts[i].width(), parts[i].height());
                    if (block.bracket[i].member)
                        *block.bracket[i].member = line;
                    column.lines.push_back(line);
                }
            }
            top += static_cast<int>(block.rows.size()) * kRowStep + kBlockGap;
        }

        if (column.check) {
            for (QWidget* w : column.inputs)
                w->setEnabled(false);
            for (QFrame* line : column.lines)
                line->hide();
        }
        if (columnSlots.hidden) {
            for (QWidget* w : column.inputs)
                w->hide();
            for (QFrame* line : column.lines)
                line->hide();
        }

        // Enter moves down the column; the last box has no Enter handling.
        if (!grid.enterAcrossColumns)
            chain.clear();
        chain.insert(chain.end(), column.boxes.begin(), column.boxes.end());
        if (!grid.enterAcrossColumns || c + 1 == columns.size())
            for (std::size_t i = 0; i + 1 < chain.size(); ++i)
                chain[i]->chainEnter({chain[i + 1]}, TextBox::EnterKey::PassOn);
        columns_.push_back(column);
    }
    Q_ASSERT(nextBox == family_.boxes.size());

    for (const Column& column : columns_)
        if (column.check)
            connect(column.check, &QCheckBox::toggled, this,
                    [this, column, focus = grid.checkFocusesFirstBox](bool on) {
                        columnClicked(column, on, focus);
                    });
}

// Ticking a column opens its boxes; clearing it empties them first, so the
// next run leaves its kinds out.
void FacilityDialog::columnClicked(const Column& column, bool checked, bool focusFirstBox)
{
    for (QWidget* w : column.inputs) {
        if (!checked)
            if (auto* b = qobject_cast<TextBox*>(w))
                b->setText(QString());
        w->setEnabled(checked);
    }
    for (QFrame* line : column.lines)
        line->setVisible(checked);
    if (checked && focusFirstBox && !column.boxes.empty())
        focusAndSelect(column.boxes.front());
    invalidateResults();
}

// An edit voids the shown results: the total for the facilities, the
// effective depth for the well.
void FacilityDialog::invalidateResults()
{
    Form11& results = app().form<Form11>();
    if (family_.well)
        results.voidWellResult();
    else
        results.voidFacilityResults();
}

// ------------------------------------------------------------ TwoColumnDialog

TwoColumnDialog::TwoColumnDialog(App& app, int selector, const char* heading, int widthTwips, int heightTwips)
    : FacilityDialog(app, selector, heading, widthTwips, heightTwips)
{
}

void TwoColumnDialog::buildTwoColumns(int checkTop, const char* caption1, const char* caption2,
                                      const std::array<RowSlots, 12>& rows)
{
    auto type = [&rows](std::size_t first) {
        return std::vector<RowSlots>(rows.begin() + static_cast<std::ptrdiff_t>(first),
                                     rows.begin() + static_cast<std::ptrdiff_t>(first + 3));
    };
    auto block = [](Slot<QLabel> mark, const char* caption, const std::vector<RowSlots>& rows,
                    std::array<Slot<QFrame>, 3> bracket) {
        return BlockSlots{.mark = mark, .markCaption = caption, .rows = rows, .bracket = bracket, .hasBracket = true};
    };
    buildColumns({.checkTop = checkTop, .rowsTop = checkTop + 420, .checkFocusesFirstBox = true},
                 {
                     {.check = {&chk1, "chk1"},
                      .checkCaption = caption1,
                      .blocks = {block({&lbl11, "lbl11"}, "①", type(0),
                                       {{{&Line111, "Line111"}, {&Line112, "Line112"}, {&Line113, "Line113"}}}),
                                 block({&lbl12, "lbl12"}, "②", type(3),
                                       {{{&Line121, "Line121"}, {&Line122, "Line122"}, {&Line123, "Line123"}}})}},
                     {.check = {&chk2, "chk2"},
                      .checkCaption = caption2,
                      .blocks = {block({&lbl21, "lbl21"}, "①", type(6),
                                       {{{&Line211, "Line211"}, {&Line212, "Line212"}, {&Line213, "Line213"}}}),
                                 block({&lbl22, "lbl22"}, "②", type(9),
                                       {{{&Line221, "Line221"}, {&Line222, "Line222"}, {&Line223, "Line223"}}})}},
                 });
}

} // namespace akuenza
