#pragma once
// The results form: the button "計　算" runs the calculation of the open
// design case in the core and shows Q1 against ΣFc with the verdict, or the
// message of the first failed check.

#include "core/facilities/calculation_run.h"
#include "forms/base/application.h"
#include "forms/base/controls.h"

namespace akuenza {

class Form11 : public Form {
    Q_OBJECT
public:
    explicit Form11(App& app);

    QLabel* lbl1;
    QLabel* lbl2;
    QLabel* lbl5;
    QGroupBox* Frame1;
    QLabel *lbl16, *lbl17, *lbl14, *lbl3, *lbl4, *lbl8, *lbl15, *lbl6, *lbl7, *lbl9;
    QLabel *Label2, *Label1, *Label3;
    QPushButton* cmd1;

    // The run of the button "計　算".
    void cmd1_Click();
    // Copies the design conditions of the design conditions form into the record.
    void Zairyou_1();
    // Computes Q1, runs the facilities, totals ΣFc and fills the display.
    // False when a result beyond the range of numbers was refused (with its
    // message) and nothing is shown.
    bool Zairyou_2();

    void Form_Activate() override;
    void Form_Unload() override;

    // Voids the shown facility results: ΣFc = 0, its labels and the
    // comparison and verdict emptied, save and print disabled.
    void voidFacilityResults();
    // Voids the shown Q1 after a rainwater input changed (or a hydrology
    // dialog handed a new C, A or I back): Q1 = 0, the increase, Q1, the
    // comparison and the verdict emptied, save and print disabled.
    void voidQ1Results();
    // Voids the infiltration well's depth after an edit in its dialog.
    void voidWellResult();
    // Voids every result of the case: Q1, ΣFc and the well's depth are 0,
    // the whole results row is empty, save and print disabled. An opened
    // case whose results cannot stand is left so until the next run.
    void voidAllResults();
    // The row of the infiltration well (its depth) or the results row of the
    // other facilities, whichever the case uses; the well's depth is
    // emptied when the facilities' row is shown.
    void showWellRow(bool well);
    // A new case: the well's row emptied and hidden (the results row is
    // shown again when the form becomes active).
    void hideWellRow();

    // Light magenta of the 16-colour palette: the total when it falls short.
    static QColor shortfallColour() { return {255, 0, 255}; }

private:
    // Shows what a run gave: its results, or its failed check; false for a failure.
    bool show(const RunOutcome& outcome);
    void showFailure(const FailedCheck& failed);
    void showComparison(const Comparison& comparison);
    // Lays the results row out so that no shown number is ever cut off.
    void fitResultsRow();
    void fitWellRow();
    void setMsg(const QString& text);
};

} // namespace akuenza
