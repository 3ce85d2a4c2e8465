#pragma once
// The weighted-average dialog of the runoff coefficient: up to six land-use
// rows with their coefficient and area, filled by ticking categories of a
// reference panel or typed. Its OK stores the rows and hands
// C = Σ(Ci·Ai) / ΣAi and A = ΣAi to the design conditions form. A borderless
// panel at the top left of the work area; OK and Cancel hide it with its
// rows, closing the case unloads it.

#include "core/conditions/hydrology.h"
#include "forms/base/application.h"
#include "forms/base/controls.h"

#include <array>

namespace akuenza {

class Form16 : public Form {
    Q_OBJECT
public:
    explicit Form16(App& app);

    QLabel *lblHeading, *lblSelectHint;

    // Reference panel: land-use categories with their published coefficients.
    QGroupBox* fraCategories;
    CheckBox *chk_k1, *chk_k2, *chk_k3, *chk_k4, *chk_k5, *chk_k6, *chk_k7, *chk_k8;
    CheckBox *chk_t1, *chk_t2, *chk_t3, *chk_t4, *chk_t5, *chk_t6, *chk_t7;
    CheckBox *chk_u1, *chk_u2, *chk_u3, *chk_u4;

    // The six rows: name, coefficient and area.
    QLabel* lblTypeHint;
    TextBox *txt_t1, *txt_t2, *txt_t3, *txt_t4, *txt_t5, *txt_t6;
    TextBox *txt_c1, *txt_c2, *txt_c3, *txt_c4, *txt_c5, *txt_c6;
    TextBox *txt_a1, *txt_a2, *txt_a3, *txt_a4, *txt_a5, *txt_a6;
    QLabel *lblGapNote, *lblGapExample;

    QPushButton *cmd1, *cmd2;

    std::array<TextBox*, 6> nameBoxes() const { return {txt_t1, txt_t2, txt_t3, txt_t4, txt_t5, txt_t6}; }
    std::array<TextBox*, 6> coefficientBoxes() const { return {txt_c1, txt_c2, txt_c3, txt_c4, txt_c5, txt_c6}; }
    std::array<TextBox*, 6> areaBoxes() const { return {txt_a1, txt_a2, txt_a3, txt_a4, txt_a5, txt_a6}; }
    // The nineteen category check boxes, column by column.
    std::array<CheckBox*, 19> categoryChecks() const;

    LandUseRows rows() const;
    // Copies the six rows into the record.
    void Ryusyutu_1();
    // Computes A and C and writes them into the design conditions form.
    void Ryusyutu_2();

    void cmd1_Click();
    void cmd2_Click();

    void Form_Unload() override;

private:
    void buildCategories();
    void buildRows();
    // Places or removes a ticked category's name in the rows.
    void categoryClicked(const QString& rowName, bool ticked);
    void showInConditions(const WeightedRunoff& result);
};

} // namespace akuenza
