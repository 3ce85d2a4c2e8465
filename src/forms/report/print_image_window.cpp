#include "forms/report/print_image_window.h"

#include "forms/conditions/rainfall_dialog.h"
#include "forms/report/picture_box.h"
#include "forms/report/printing.h"
#include "forms/report/sheet_drawing.h"
#include "forms/base/toolbar_icons.h"
#include "forms/base/twips.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QWheelEvent>
#include <QMenu>
#include <QMenuBar>
#include <QScrollBar>
#include <QToolBar>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace akuenza {

namespace {

// The page is 30000 twips tall, taller where a sheet of many facility blocks
// needs more; the viewport shows 10665 x 6705 twips of it.
constexpr int kPageHeight = 30000;
// Below the last line the page keeps a margin as wide as a few lines.
constexpr int kPageFoot = 720;
constexpr int kViewportWidth = 10665;
constexpr int kViewportHeight = 6705;

// Rounds to the nearest integer, a half to the even neighbour.
int roundHalfEven(double value)
{
    double whole = std::floor(value);
    const double rest = value - whole;
    if (rest > 0.5 || (rest == 0.5 && std::fmod(whole, 2.0) != 0.0))
        whole += 1.0;
    return static_cast<int>(whole);
}

// A bar moves the page by the part that does not fit in the viewport; a
// large step is half of that, a small step a tenth of a large one. A page
// narrower than the viewport leaves nothing to move, and a step is at least
// one twip.
void setRange(QScrollBar* bar, int hiddenTwips)
{
    const int maximum = std::max(0, hiddenTwips);
    const int large = std::max(1, roundHalfEven(maximum / 2.0));
    const int small = std::max(1, roundHalfEven(large / 10.0));
    bar->setRange(0, maximum);
    bar->setPageStep(large);
    bar->setSingleStep(small);
}

} // namespace

Form7::Form7(App& app) : Form(app)
{
    setObjectName(QStringLiteral("Form7"));
    setWindowTitle(QStringLiteral("アクエンザ"));
    setWindowIcon(programIcon());

    menuBar = new QMenuBar(this);
    menuBar->setObjectName(QStringLiteral("menuBar"));
    // The menus belong to this window, never to a desktop-wide menu bar.
    menuBar->setNativeMenuBar(false);
    Men_FPrn = menuBar->addAction(QStringLiteral("印刷(&P)"));
    Men_FEdi = menuBar->addMenu(QStringLiteral("ｴﾃﾞｨﾀ(&E)"));
    Men_FEWri = Men_FEdi->addAction(QStringLiteral("書き込み(&W)"));
    Men_FEOpn = Men_FEdi->addAction(QStringLiteral("起動(&O)"));
    Men_FCls = menuBar->addAction(QStringLiteral("閉じる(&C)"));
    Men_FPrn->setObjectName(QStringLiteral("Men_FPrn"));
    Men_FEdi->setObjectName(QStringLiteral("Men_FEdi"));
    Men_FEWri->setObjectName(QStringLiteral("Men_FEWri"));
    Men_FEOpn->setObjectName(QStringLiteral("Men_FEOpn"));
    Men_FCls->setObjectName(QStringLiteral("Men_FCls"));

    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    client->setFixedSize(twipsToPixels(10935), twipsToPixels(6975));

    Picture1 = new QWidget(client);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    placeTwips(Picture1, 0, 0, kViewportWidth, kViewportHeight);
    QPalette grey = Picture1->palette();
    grey.setColor(QPalette::Window, QColor(0xC0, 0xC0, 0xC0));
    Picture1->setPalette(grey);
    Picture1->setAutoFillBackground(true);

    Picture2 = new PictureBox(Picture1, "Picture2");
    drawingTarget = Picture2;
    Picture2->move(0, 0);
    Picture2->setSizeTwips(printerPageWidthTwips(), kPageHeight);

    VScroll1 = new QScrollBar(Qt::Vertical, client);
    VScroll1->setObjectName(QStringLiteral("VScroll1"));
    placeTwips(VScroll1, 10680, 0, 255, kViewportHeight);
    HScroll1 = new QScrollBar(Qt::Horizontal, client);
    HScroll1->setObjectName(QStringLiteral("HScroll1"));
    placeTwips(HScroll1, -30, 6720, 10695, 255);
    setScrollRanges();
    connect(VScroll1, &QScrollBar::valueChanged, this,
            [this](int value) { Picture2->move(Picture2->x(), -twipsToPixels(value)); });
    connect(HScroll1, &QScrollBar::valueChanged, this,
            [this](int value) { Picture2->move(-twipsToPixels(value), Picture2->y()); });

    // The window takes the keyboard, so the page keys reach it, and the
    // wheel over the page moves it.
    setFocusPolicy(Qt::StrongFocus);
    Picture1->installEventFilter(this);
    Picture2->installEventFilter(this);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setMenuBar(menuBar);
    layout->addWidget(client);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(Men_FPrn, &QAction::triggered, this, [this] { FilePrint(this->app()); });
    // 書き込み and 起動 are the main window's own commands. 書き込み is always
    // usable here, whatever the main window's File menu last decided for it.
    connect(Men_FEWri, &QAction::triggered, this, [this] { this->app().frame().writeSheetCommand(); });
    connect(Men_FEOpn, &QAction::triggered, this, [this] { this->app().frame().openSheetCommand(); });
    connect(Men_FCls, &QAction::triggered, this, &Form7::closeLater);
}

void Form7::setScrollRanges()
{
    setRange(VScroll1, Picture2->heightTwips() - kViewportHeight);
    setRange(HScroll1, Picture2->widthTwips() - kViewportWidth);
}

void Form7::Form_Activate()
{
    if (app().isVisible<Form12>())
        app().hide<Form12>();
    redraw();
}

void Form7::redraw()
{
    ++redraws_;
    const DrawnSheet drawn = drawnSheet(app());
    if (refusesImpossibleSheet(app(), drawn)) {
        // Nothing of a sheet with an impossible value is shown.
        printRowCounter = 100;
        Picture2->clear();
        return;
    }
    printRowCounter = drawPrintImage(*drawingTarget, drawn, app().platform());
    // The page reaches below the last line of the sheet, so the scroll bars
    // bring every line into view, ΣFc and the verdict at its foot included.
    const int needed = std::max(kPageHeight, Picture2->drawnHeightTwips() + kPageFoot);
    if (needed != Picture2->heightTwips()) {
        Picture2->setSizeTwips(Picture2->widthTwips(), needed);
        setScrollRanges();
        printRowCounter = drawPrintImage(*drawingTarget, drawn, app().platform());
    }
}

bool Form7::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::Wheel || (watched != Picture1 && watched != Picture2))
        return Form::eventFilter(watched, event);
    // Over the page the wheel scrolls it as over its vertical bar: each
    // notch by the desktop's number of lines, a line being the bar's small step.
    const auto* wheel = static_cast<QWheelEvent*>(event);
    const double notches = wheel->angleDelta().y() / 120.0;
    const double lines = notches * QApplication::wheelScrollLines();
    VScroll1->setValue(VScroll1->value() - static_cast<int>(std::lround(lines * VScroll1->singleStep())));
    return true;
}

void Form7::keyPressEvent(QKeyEvent* event)
{
    const int view = kViewportHeight;
    switch (event->key()) {
    case Qt::Key_PageDown:
        VScroll1->setValue(VScroll1->value() + view);
        break;
    case Qt::Key_PageUp:
        VScroll1->setValue(VScroll1->value() - view);
        break;
    case Qt::Key_Down:
        VScroll1->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        break;
    case Qt::Key_Up:
        VScroll1->triggerAction(QAbstractSlider::SliderSingleStepSub);
        break;
    case Qt::Key_Home:
        VScroll1->setValue(VScroll1->minimum());
        break;
    case Qt::Key_End:
        VScroll1->setValue(VScroll1->maximum());
        break;
    case Qt::Key_Right:
        HScroll1->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        break;
    case Qt::Key_Left:
        HScroll1->triggerAction(QAbstractSlider::SliderSingleStepSub);
        break;
    default:
        Form::keyPressEvent(event);
        return;
    }
    event->accept();
}

void Form7::Form_Unload() { app().frame().showToolbar(); }

void Form7::closeEvent(QCloseEvent* event)
{
    event->ignore();
    closeLater();
}

void Form7::closeLater()
{
    // The menu bar or the title bar that asked is part of this window and is
    // still at work; the window goes once control is back in the event loop.
    QMetaObject::invokeMethod(this, [this] { app().unload<Form7>(); }, Qt::QueuedConnection);
}

void FileImage(App& app)
{
    if (refusesImpossibleSheet(app, drawnSheet(app)))
        return;
    app.frame().hideToolbar();
    Form7& window = app.form<Form7>();
    const int before = window.redraws();
    app.showAt<Form7>(0, 0);
    // Becoming the active window draws the sheet; a window that already was
    // the active one is drawn here, so the page is never left empty.
    if (window.redraws() == before)
        window.redraw();
}

} // namespace akuenza
