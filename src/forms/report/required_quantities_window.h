#pragma once
// 必要数量: after a run, for each facility row of the case, how many pieces,
// metres or square metres of that kind alone make the case O.K (the other
// rows kept as they are), with Q1 as compared, ΣFc and what the case lacks or
// has in hand. "数量を入力" types the chosen row's quantity into its box in
// its facility dialog, as the engineer would, and brings that dialog forward;
// the edit voids the results like any other, and the verdict comes again
// only from "計　算".
//
// The window shows only numbers of results that stand: when they are voided
// it empties itself and says so, and after the next run the main window
// fills it again from that run.

#include "forms/base/application.h"

#include <memory>
#include <string_view>

class QLabel;
class QPushButton;
class QTableWidget;

namespace akuenza {

class TextBox;
struct RequiredQuantities;

class RequiredQuantitiesWindow : public Form {
    Q_OBJECT
public:
    explicit RequiredQuantitiesWindow(App& app);
    ~RequiredQuantitiesWindow() override;

    QLabel* lblHeading = nullptr;
    QLabel* lblQ1 = nullptr;      // "1.25 × Ｑ1= 56.250 m3/hr"
    QLabel* lblTotal = nullptr;   // "∑Ｆc= 48.000 m3/hr  ∴ NG"
    QLabel* lblBalanceCaption = nullptr; // "◎　不足量" or "◎　余裕量"
    QLabel* lblBalance = nullptr; // "8.250 m3/hr"
    // One line per facility row of the run, in the order of the total.
    enum Column { kDialog, kBox, kKind, kPerUnit, kNow, kFcNow, kRequired, kRemark, kColumns };
    QTableWidget* grdRows = nullptr;
    QLabel* lblNote = nullptr;    // why nothing is shown, or what to do next
    QPushButton* cmdEnter = nullptr; // 数量を入力
    QPushButton* cmdClose = nullptr; // 閉じる

    bool hasTitleBar() const override { return true; }

    // Fills the window from the record of the run that stands and the
    // entries of the windows it was made from.
    void showRun();
    // Results are void: no number of the last run is left on show.
    void showVoided();
    // Whether the window shows the quantities of a run.
    bool showsRun() const;

    // 数量を入力: the selected row's required quantity typed into its box.
    void cmdEnter_Click();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void clearShown();
    void updateButton();
    void closeLater();

    // What the shown table was made from, row by row.
    std::unique_ptr<RequiredQuantities> shown_;
};

// The input box a row of 必要数量 names: the facility dialog by its designed
// name ("Form2"), loaded hidden as the program loads it when it is not, and
// the box by its designed name ("txt11n"); nullptr for a name that is not a
// box of that window.
TextBox* facilityBox(App& app, std::string_view form, std::string_view box);

} // namespace akuenza
