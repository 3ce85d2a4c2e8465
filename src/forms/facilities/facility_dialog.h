#pragma once
// Common ground of the facility dimension dialogs: text boxes that select
// their text and void the displayed results on a click, the input step
// Keisuu (boxes into the record) and the computing step Keisan, and the
// key boxes (width, diameter or height) whose emptiness leaves a facility
// kind out of the calculation.

#include "core/facilities/infiltration_formulas.h"
#include "core/record/design_case.h"
#include "forms/shell/application.h"
#include "forms/shell/controls.h"

#include <QHash>
#include <vector>

namespace akuenza {

class Schematic;

// A box that decides whether one facility kind is computed, with the
// infiltration volume the calculation run clears when the box is empty.
struct KeyBox {
    TextBox* box;
    CaseField fc; // nullptr where the kind has no infiltration volume
};

// Where one facility kind keeps its coefficients and results.
struct ResultFields {
    CaseField a, b, c, Kf, Qf, Q, Fc; // c is nullptr where the kind has none
};

// Stores a kind's coefficients, then its rates Qf, Q and its volume Fc for a
// quantity of pieces, metres or square metres.
void storeResults(DesignCase& record, const ResultFields& fields, const KfCoefficients& k, double quantity);

// One row of input: a field letter with its left caption and right unit.
struct BoxField {
    char letter;         // field letter of the names: w, h, n, d, l, s
    const char* caption; // left caption
    const char* unit;    // right unit
};

class FacilityDialog : public Form {
    Q_OBJECT
public:
    explicit FacilityDialog(App& app);

    // Reads the dialog's boxes into the record.
    virtual void Keisuu() = 0;
    // Computes every kind whose key box holds text.
    virtual void Keisan() = 0;
    virtual std::vector<KeyBox> keyBoxes() const = 0;

    // Every control by its designed name.
    QWidget* control(const QString& name) const { return controls_.value(name); }
    TextBox* box(const QString& name) const { return qobject_cast<TextBox*>(control(name)); }

protected:
    // A text box of the dialog with the event family: a click selects the
    // whole text and voids the results.
    TextBox* addBox(QWidget* parent, const char* name);
    QLabel* addLabel(QWidget* parent, const char* name, const QString& caption);
    QFrame* addLine(QWidget* parent, const char* name, bool vertical);
    CheckBox* addCheck(QWidget* parent, const char* name, const QString& caption);
    QLabel* addTitle(const QString& caption);
    // One input row: the caption lbl<stem>1<letter> from `left`, the box
    // txt<stem><letter> and the unit lbl<stem>2<letter> to its right.
    struct InputRow {
        QLabel* caption;
        TextBox* box;
        QLabel* unit;
    };
    InputRow addInputRow(const QByteArray& stem, const BoxField& field, int left, int top);
    void remember(QWidget* control);

    // Voids the results shown for the facilities (the well overrides this).
    virtual void invalidateResults();

    // Reads each named box into its field.
    void readBoxes(std::initializer_list<std::pair<const char*, CaseField>> boxes);
    bool filled(const char* name) const { return !box(QString::fromLatin1(name))->text().isEmpty(); }

private:
    QHash<QString, QWidget*> controls_;
};

// The layout shared by the dialogs with two columns chosen by check boxes
// (square and circular basins, side ditch and pipe): each column holds
// types ① and ②, each type three boxes with caption and unit labels and a
// bracket of three lines.

struct ColumnDialogDesign {
    const char* title;
    const char* columnCaption[2];
    BoxField fields[3];
    int widthTwips;
    int heightTwips;
    int gridTopTwips; // where the column check boxes stand
};

class ColumnFacilityDialog : public FacilityDialog {
    Q_OBJECT
public:
    ColumnFacilityDialog(App& app, const ColumnDialogDesign& design);

    CheckBox* chk1 = nullptr;
    CheckBox* chk2 = nullptr;

    // Name of a box: txt + column + type + field letter.
    static QString boxName(int column, int type, char letter);

protected:
    // Boxes, marks, labels and lines of one column.
    std::vector<QWidget*> columnInputs(int column) const;
    std::vector<QFrame*> columnLines(int column) const;
    void columnClicked(int column, bool checked);

private:
    const ColumnDialogDesign& design_;
};

} // namespace akuenza
