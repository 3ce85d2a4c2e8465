#pragma once
// What the windows of a case may ask of the main window that frames them:
// the status panel's text and a passing note, the toolbar, the rule that
// enables saving and printing while results stand, the case's file and the
// folder last used, and the sheet-file commands the print image offers.
// The main window (the shell) implements it; the windows below it know
// only this.

#include <QMainWindow>
#include <QString>

class QMdiArea;

namespace akuenza {

class MainFrame : public QMainWindow {
    Q_OBJECT
public:
    using QMainWindow::QMainWindow;

    // The work area that holds every window of the case.
    virtual QMdiArea* workArea() const = 0;

    // ---- Status bar: the panel "msg", and a note shown for a while ----
    virtual void setPanelText(const QString& key, const QString& text) = 0;
    virtual QString panelText(const QString& key) const = 0;
    virtual void showNote(const QString& text) = 0;

    // ---- Toolbar and status bar ----
    virtual void hideToolbar() = 0;
    virtual void showToolbar() = 0;
    // Shows the toolbar and the status bar again after a dialog hid them.
    virtual void showBars() = 0;
    // The 参考 menu is usable again once a hydrology dialog is answered.
    virtual void enableReferenceMenu() = 0;

    // ---- The enable rule of saving and printing ----
    // Results are void: overwrite save, print image and print are disabled,
    // and nothing of them stays on show in the 必要数量 window.
    virtual void disableSaveAndPrintButtons() = 0;
    // Results exist: print image and print, and overwrite save with a
    // project file; an open 必要数量 window shows them.
    virtual void enableSaveAndPrintButtons() = 0;

    // ---- The case's file and the folder last chosen in a file dialog ----
    virtual QString fileName() const = 0;
    virtual QString lastFolder() const = 0;
    virtual void setLastFolder(const QString& folder) = 0;

    // ---- 書き込み and 起動 of the ﾌｧｲﾙ menu, run from the print image ----
    // 書き込み runs whatever the File menu last decided for its item.
    virtual void writeSheetCommand() = 0;
    virtual void openSheetCommand() = 0;
};

} // namespace akuenza
