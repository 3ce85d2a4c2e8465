#pragma once
// The main window: a multiple-document frame whose work area holds every
// other window of the program. It owns the menus, the toolbar, the status
// bar and the current project file name, and runs the life of the one
// design case that can be open at a time: new, open, close, save, exit.

#include "forms/base/main_frame.h"

#include <QPointer>
#include <QString>

class QAction;
class QLabel;
class QMdiArea;
class QMenu;
class QToolBar;
class QStatusBar;

namespace akuenza {

class App;
class RequiredQuantitiesWindow;

class MDIFofm : public MainFrame {
    Q_OBJECT
public:
    explicit MDIFofm(App& app);

    // ---- Menu bar ----
    QMenu* Men_F = nullptr;
    QAction* Men_FNew = nullptr;
    QAction* Men_FOpn = nullptr;
    QAction* Men_FCls = nullptr;
    QAction* Men_FL1 = nullptr;
    QAction* Men_FOvw = nullptr;
    QAction* Men_FSav = nullptr;
    QAction* Men_FL2 = nullptr;
    QAction* Men_FImg = nullptr;
    QAction* Men_FPrn = nullptr;
    QAction* Men_FPdf = nullptr;
    QAction* Men_FL3 = nullptr;
    QMenu* Men_FEdi = nullptr;
    QAction* Men_FEWri = nullptr;
    QAction* Men_FEOpn = nullptr;
    QAction* Men_FL4 = nullptr;
    QAction* Men_FEnd = nullptr;
    QAction* Men_S = nullptr;
    // ﾂｰﾙ: 必要数量, usable exactly while 印刷ｲﾒｰｼﾞ is, never for the well.
    QMenu* Men_T = nullptr;
    QAction* Men_TReq = nullptr;
    QMenu* Men_H = nullptr;
    QAction* Men_HVer = nullptr;

    // ---- Toolbar, buttons addressed by index 1 to 6 (4 is a separator) ----
    QToolBar* Toolbar1 = nullptr;
    QAction* toolbarButton(int index) const;
    void setToolbarButtonEnabled(int index, bool enabled);
    // Results are void: toolbar buttons 3 (overwrite save), 5 (print image)
    // and 6 (print) are disabled, and an open 必要数量 window is emptied.
    void disableSaveAndPrintButtons() override;
    // Results exist: buttons 5 and 6 are enabled, and 3 when the case has a
    // project file; an open 必要数量 window shows them.
    void enableSaveAndPrintButtons() override;
    void Toolbar1_ButtonClick(int index);

    // ---- Status bar with its one keyed panel "msg" ----
    QStatusBar* sbr1 = nullptr;
    void setPanelText(const QString& key, const QString& text) override;
    QString panelText(const QString& key) const override;

    // The current project file name; "" while the case has no project file.
    QString fileName() const override { return fileName_; }
    // Sets it; the title and the status bar name the file of the open case.
    void setFileName(const QString& name);
    // The folder of the file last chosen in a file dialog in this run.
    QString lastFolder() const override { return lastFolder_; }
    void setLastFolder(const QString& folder) override { lastFolder_ = folder; }
    // A short note in the status bar (where a file was written), shown for a
    // while over the panels, which then come back as they were.
    void showNote(const QString& text) override;

    QMdiArea* workArea() const override { return workArea_; }
    // Shows the toolbar and the status bar again after a dialog hid them.
    void showBars() override;
    // A dialog over the design conditions hides the toolbar while it is up.
    void hideToolbar() override;
    void showToolbar() override;
    void enableReferenceMenu() override;
    // 書き込み and 起動 for the print image: the ﾌｧｲﾙ menu's items, 書き込み
    // whatever the menu last decided for its item.
    void writeSheetCommand() override;
    void openSheetCommand() override;

    // ---- Procedures of the document lifecycle ----
    void FileNew();
    // 開く, 上書き保存 and 名前をつけて保存 of the project file.
    void FileOpen();
    void FileUpdate();
    void FileSaveAs();
    // 書き込み: the facility sheet (Kakikomi) or the well sheet (Kakikomi_3),
    // as the design conditions form's well box says; 起動: the text editor.
    void Kakikomi();
    void Kakikomi_3();
    void Men_FEWri_Click();
    void Men_FEOpn_Click();
    // Close's question: may the case being entered be discarded?
    bool confirmDiscard();
    // A case with results was opened: every save and print command is usable.
    void enableSaveAndPrintCommands();
    // The save and print menu items (and 書き込み when asked) with buttons 3, 5, 6.
    void disableSaveAndPrintCommands(bool includingWrite);
    void Tojiru();
    void FileClose();
    void FileExit();
    // Recomputes the enabled state of the file commands; runs when the menu
    // opens, and when the ﾂｰﾙ menu opens, whose item follows 印刷ｲﾒｰｼﾞ.
    void Men_F_Click();
    // 必要数量: opens its window over the design conditions, filled from the
    // results that stand.
    void showRequiredQuantities();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenus();
    void buildToolbar();

    // The title names the open case's file ("アクエンザ - 案件A.qzk"), the
    // status bar's file panel its full path; with no case or no file only
    // the program's name.
    void showCaseFile();
    // The first size fits inside the screen's free area at any scale.
    void fitToScreen();

    // Whether the results of the case stand: the well's depth, or Q1 and ΣFc.
    bool resultsStand();
    // 印刷ｲﾒｰｼﾞ and 必要数量 are enabled together by this one rule, so they
    // never disagree; 必要数量 stays disabled for the infiltration well.
    void setPrintImageEnabled(bool enabled);

    void showVersion();
    void showReference();

    App& app_;
    QMdiArea* workArea_ = nullptr;
    QAction* buttons_[7] = {};
    QLabel* msgPanel_ = nullptr;
    QString fileName_;
    QString lastFolder_;
    QLabel* filePanel_ = nullptr;
    // The 必要数量 window while it is loaded.
    QPointer<RequiredQuantitiesWindow> requiredWindow_;
};

} // namespace akuenza
