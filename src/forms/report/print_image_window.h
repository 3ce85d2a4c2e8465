#pragma once
// The print image (印刷ｲﾒｰｼﾞ): the calculation sheet drawn on a white page
// of the printer's width and 30000 twips height, seen through a fixed
// viewport and moved with two scroll bars. The sheet is redrawn from the
// current record and window states each time the window becomes the active
// one. While the window exists the main toolbar is hidden.

#include "forms/base/application.h"

class QCloseEvent;
class QMenu;
class QMenuBar;
class QScrollBar;

namespace akuenza {

class DrawingTarget;
class PictureBox;

class Form7 : public Form {
    Q_OBJECT
public:
    explicit Form7(App& app);

    // ---- Menu bar ----
    QMenuBar* menuBar = nullptr;
    QAction* Men_FPrn = nullptr;
    QMenu* Men_FEdi = nullptr;
    QAction* Men_FEWri = nullptr;
    QAction* Men_FEOpn = nullptr;
    QAction* Men_FCls = nullptr;

    // ---- The page and its viewport ----
    QWidget* Picture1 = nullptr;      // the grey viewport that clips the page
    PictureBox* Picture2 = nullptr;   // the page the sheet is drawn on
    QScrollBar* VScroll1 = nullptr;
    QScrollBar* HScroll1 = nullptr;
    // The surface the sheet is drawn on (the page) and the count of facility
    // blocks of the last drawing, which starts at 100 so the page never breaks.
    DrawingTarget* drawingTarget = nullptr;
    int printRowCounter = 100;

    void Form_Activate() override;
    void Form_Unload() override;
    bool hasTitleBar() const override { return true; }

    // Draws the sheet of the open case on the page, from the top.
    void redraw();
    // How many times the page has been redrawn since the window was loaded.
    int redraws() const { return redraws_; }

protected:
    // The close box closes the window as 閉じる does.
    void closeEvent(QCloseEvent* event) override;
    // Page Up/Down, Home/End and the arrow keys move the page as the scroll
    // bars do; a Page key moves by one view.
    void keyPressEvent(QKeyEvent* event) override;
    // The wheel over the page scrolls it.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void setScrollRanges();
    // 閉じる: unloads the window once the menu or close box that asked has returned.
    void closeLater();

    int redraws_ = 0;
};

// 印刷ｲﾒｰｼﾞ: shows the print image at the top left of the work area with the
// sheet drawn, and hides the toolbar.
void FileImage(App& app);

} // namespace akuenza
