#pragma once
// The facility families of a design case as data. Each family is one
// dimension dialog selected by one check box of the design conditions form;
// it lists its input boxes (in the order the project file keeps them) with
// the record fields they are read into, and its facility kinds (the rows of
// the calculation sheet) with their key box, their fields and their formula.
// The dialogs, the calculation run, the project file and the sheet all walk
// these tables, so a fact about a facility is written down once.

#include "core/record/design_case.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace akuenza {

// One input box of a dimension dialog with its caption and unit labels.
struct FacilityBox {
    const char* name;        // designed control name, e.g. "txt11w"
    CaseField field;         // record field the box is read into
    const char* captionName; // label left of the box, e.g. "lbl111w"
    const char* caption;     // e.g. "巾　 Ｗ＝"
    const char* unitName;    // label right of the box, e.g. "lbl112w"
    const char* unit;        // e.g. "ｍ"
};

// The empirical formula that gives a kind's coefficients and Kf.
enum class KfFormula {
    SquareSidesAndBottom,
    SquareBottomOnly,
    Rectangular,
    CircularSidesAndBottom,
    CircularBottomOnly,
    Linear, // side ditch and pipe, per metre
    Area,   // pavement and pond, per square metre
};

// What the rates of a kind are given per, and what its volume multiplies by.
enum class PerUnit { Piece, Metre, SquareMetre };

// What the calculation sheet prints of a kind beyond its formula and fields.
struct SheetFacts {
    const char* title;          // named in the block heading: "浸透桝", "浸透側溝", ...
    int coefficientIndent = 38; // indent of the coefficient lines that name a formula
    // The first square-basin row keeps spacing of its own in the Qf and Fc
    // lines and in its Kf heading for W > 10 (ideographic spaces).
    bool ownSpacing = false;
};

// One facility kind: a basin type, a ditch or pipe type, the pavement or the pond.
struct FacilityKind {
    const char* prefix;      // names its record fields, e.g. "square11"
    std::size_t keyBox;      // index in the family's boxes: the width, diameter or height box
    KfFormula formula;
    PerUnit per;
    CaseField W;             // width or diameter; nullptr for pavement and pond
    CaseField L;             // length of a rectangular basin, ditch or pipe; else nullptr
    CaseField H;
    CaseField quantity;      // N, L or S: Fc = Q x quantity
    CaseField a, b, c;       // c is nullptr where the kind has no c term
    CaseField Kf, Qf, Q, Fc;
    SheetFacts sheet;
};

struct FacilityFamily {
    int selector;                     // N of chkN and cmdN on the design conditions form
    const char* form;                 // the dialog, e.g. "Form2"
    const char* caption;              // the check box caption on the design conditions form
    std::vector<const char*> checks;  // the dialog's own check boxes, kept with its boxes
    std::vector<FacilityBox> boxes;   // every input box, in the order the project file keeps them
    std::vector<FacilityKind> kinds;  // in the order of the total and of the sheet
    std::vector<std::size_t> keyBoxes; // a dialog whose key boxes are all empty is discarded
    bool well = false;                // the infiltration well: its own method, no Fc

    const FacilityBox& box(std::size_t i) const { return boxes[i]; }
    // Index of a box by its designed name; boxes.size() when there is none.
    std::size_t boxIndex(std::string_view name) const;
};

// The six families in the order of the calculation run: square, rectangular
// and circular basins, side ditch and pipe, pavement and pond, the well.
const std::vector<FacilityFamily>& facilityFamilies();
// The family selected by chkN; nullptr for a number without a family.
const FacilityFamily* facilityFamily(int selector);
inline constexpr int kFamilyCount = 6;
inline constexpr int kWellSelector = 6;

// The texts of one dialog's boxes, in the order of its family's boxes. A
// dialog that is not loaded holds its design state: every box empty.
using BoxTexts = std::vector<std::string>;

// Keisuu: every box of the dialog into its record field (lenient conversion).
void readBoxes(const FacilityFamily& family, DesignCase& record, const BoxTexts& texts);
// Keisan: computes every kind whose key box holds text; the well runs its own
// method. Kinds with an empty key box keep their previous results.
void computeKinds(const FacilityFamily& family, DesignCase& record, const BoxTexts& texts);
// Whether every key box of the dialog is empty (the dialog is then discarded).
bool allKeyBoxesEmpty(const FacilityFamily& family, const BoxTexts& texts);

// The infiltration volume fields of a family's kinds, in the order of the total.
std::vector<CaseField> infiltrationVolumes(const FacilityFamily& family);
// The sixteen infiltration volumes of all families, in the order in which
// they make up the total infiltration volume.
const std::vector<CaseField>& facilityInfiltrationVolumes();

} // namespace akuenza
