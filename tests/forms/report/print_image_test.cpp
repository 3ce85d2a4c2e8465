// The print image window: opened from the main window, its page and bars,
// the redraw each time it becomes the active window, its menu and closing.
#include "report_case.h"

#include "forms/conditions/rainfall_dialog.h"
#include "forms/report/picture_box.h"
#include "forms/report/print_image_window.h"
#include "forms/report/printing.h"
#include "forms/base/twips.h"

#include <QCoreApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPrinter>
#include <QPrinterInfo>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QToolBar>
#include <QWheelEvent>

#include <cmath>
#include <limits>

namespace akuenza::test {

class PrintImage : public ReportCase {
protected:
    Form7& f7() { return app().form<Form7>(); }
    QStringList pictureTexts()
    {
        QStringList out;
        for (const auto& line : f7().Picture2->lines())
            out << line.text;
        return out;
    }
    QMdiSubWindow* frameOf(QWidget* form) { return qobject_cast<QMdiSubWindow*>(form->parentWidget()); }
    // Another window becomes the active one, then the print image again.
    void activateAgain()
    {
        mainWindow().workArea()->setActiveSubWindow(frameOf(&f11()));
        mainWindow().workArea()->setActiveSubWindow(frameOf(&f7()));
    }
    // Lets a deferred close run.
    static void settle() { QCoreApplication::processEvents(); }
};

TEST_F(PrintImage, TheToolbarButtonShowsTheSheetAtTheTopLeftAndHidesTheToolbar)
{
    calculateWith(2);
    ASSERT_TRUE(mainWindow().toolbarButton(5)->isEnabled());
    mainWindow().toolbarButton(5)->trigger();
    ASSERT_TRUE(app().isVisible<Form7>());
    EXPECT_EQ(f7().windowTitle(), QStringLiteral("アクエンザ"));
    EXPECT_EQ(frameOf(&f7())->pos(), QPoint(0, 0));
    EXPECT_EQ(mainWindow().workArea()->activeSubWindow(), frameOf(&f7()));
    EXPECT_TRUE(mainWindow().Toolbar1->isHidden());
    EXPECT_EQ(pictureTexts(), sheetTexts());
    EXPECT_EQ(f7().drawingTarget, f7().Picture2);
    EXPECT_EQ(f7().printRowCounter, 102);
    EXPECT_TRUE(messages().empty());
}

TEST_F(PrintImage, ThePageHasTheDesignedSizeColoursAndScrollRanges)
{
    calculateWith(1);
    FileImage(app());
    Form7& f = f7();
    EXPECT_EQ(f.Picture2->heightTwips(), 30000);
    const int width = printerPageWidthTwips();
    EXPECT_EQ(f.Picture2->widthTwips(), width);
    if (QPrinterInfo::defaultPrinter().isNull()) {
        EXPECT_EQ(width, 11906); // A4 portrait, 210 mm
    }
    EXPECT_EQ(f.Picture1->geometry(), twipsRect(0, 0, 10665, 6705));
    EXPECT_EQ(f.Picture1->palette().color(QPalette::Window), QColor(0xC0, 0xC0, 0xC0));
    EXPECT_EQ(f.Picture2->picture().pixelColor(f.Picture2->width() - 1, f.Picture2->height() - 1), QColor(Qt::white));
    EXPECT_EQ(f.Picture2->font().family(), QStringLiteral("ＭＳ 明朝"));
    EXPECT_EQ(f.Picture2->font().pointSizeF(), 11.25);
    EXPECT_EQ(f.VScroll1->geometry(), twipsRect(10680, 0, 255, 6705));
    EXPECT_EQ(f.HScroll1->geometry(), twipsRect(-30, 6720, 10695, 255));

    EXPECT_EQ(f.VScroll1->minimum(), 0);
    EXPECT_EQ(f.VScroll1->maximum(), 23295);
    EXPECT_EQ(f.VScroll1->pageStep(), 11648);
    EXPECT_EQ(f.VScroll1->singleStep(), 1165);
    const int hidden = width - 10665;
    EXPECT_EQ(f.HScroll1->minimum(), 0);
    EXPECT_EQ(f.HScroll1->maximum(), std::max(0, hidden));
    if (hidden == 1241) { // A4: 620.5 goes to the even 620
        EXPECT_EQ(f.HScroll1->pageStep(), 620);
        EXPECT_EQ(f.HScroll1->singleStep(), 62);
    }

    // At the end of the vertical bar the page's bottom is the viewport's bottom.
    f.VScroll1->setValue(f.VScroll1->maximum());
    EXPECT_EQ(f.Picture2->geometry().bottom(), f.Picture1->height() - 1);
    f.HScroll1->setValue(f.HScroll1->maximum());
    EXPECT_EQ(f.Picture2->x(), -twipsToPixels(f.HScroll1->maximum()));
    f.VScroll1->setValue(0);
    EXPECT_EQ(f.Picture2->y(), 0);
}

TEST_F(PrintImage, AnNgVerdictIsDrawnInLightMagentaAndBeepsAtEveryRedraw)
{
    calculateWith(1);
    FileImage(app());
    EXPECT_EQ(platform_->beeps(), 1);
    const auto& lines = f7().Picture2->lines();
    std::size_t ng = lines.size();
    for (std::size_t i = 0; i < lines.size(); ++i)
        if (lines[i].text.endsWith(QStringLiteral("∴ NG")))
            ng = i;
    ASSERT_LT(ng + 1, lines.size());
    EXPECT_EQ(lines[ng].colour, QColor(255, 0, 255));
    EXPECT_EQ(lines[ng + 1].colour, QColor(0, 0, 0));

    // The picture itself is magenta on the NG line's row, and only there
    // (the glyph edges are blended with the white page).
    const QImage& picture = f7().Picture2->picture();
    const qreal pitch = f7().Picture2->lineHeight();
    auto magentaish = [](QColor c) { return c.red() > 200 && c.blue() > 200 && c.green() < 120; };
    int onLine = 0, elsewhere = 0;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            if (magentaish(picture.pixelColor(x, y)))
                ++(y >= std::floor(ng * pitch) && y <= std::ceil((ng + 1) * pitch) ? onLine : elsewhere);
    EXPECT_GT(onLine, 50);
    EXPECT_EQ(elsewhere, 0);

    activateAgain();
    EXPECT_EQ(platform_->beeps(), 2);
    EXPECT_EQ(pictureTexts(), sheetTexts());
}

TEST_F(PrintImage, EveryActivationRedrawsFromTheCurrentCase)
{
    calculateWith(2);
    FileImage(app());
    ASSERT_EQ(pictureTexts(), sheetTexts());
    // An edit elsewhere: the next activation shows it.
    record().influenceCoefficientC = 0.9;
    activateAgain();
    EXPECT_TRUE(pictureTexts().contains(QStringLiteral("                   ・各種影響係数 C=0.90")));
    EXPECT_EQ(pictureTexts(), sheetTexts());
    // 印刷ｲﾒｰｼﾞ on the window that is already the active one draws it anew too.
    record().influenceCoefficientC = 0.75;
    const int before = f7().redraws();
    FileImage(app());
    EXPECT_EQ(f7().redraws(), before + 1);
    EXPECT_TRUE(pictureTexts().contains(QStringLiteral("                   ・各種影響係数 C=0.75")));
}

TEST_F(PrintImage, AnImpossibleValueEmptiesThePageWithOneMessageNotOneAtEveryReturn)
{
    calculateWith(1);
    FileImage(app());
    record().square11Kf = std::numeric_limits<double>::infinity();
    platform_->clear();
    activateAgain();
    expectOneError(QString::fromStdString(nonFiniteMessage(sheet().sheet)));
    EXPECT_TRUE(f7().Picture2->lines().empty());
    EXPECT_EQ(f7().Picture2->picture().pixelColor(0, 0), QColor(Qt::white));

    // Closing the message box (or coming back from another program) gives
    // the main window the focus again; the work area reports no active
    // window and then the same one. That is no new activation.
    const int redraws = f7().redraws();
    emit mainWindow().workArea()->subWindowActivated(nullptr);
    emit mainWindow().workArea()->subWindowActivated(frameOf(&f7()));
    EXPECT_EQ(f7().redraws(), redraws);
    EXPECT_EQ(messages().size(), 1u);
}

TEST_F(PrintImage, BecomingActiveHidesTheRainfallDialog)
{
    calculateWith(1);
    click(f1().cmd_i2);
    ASSERT_TRUE(app().isVisible<Form12>());
    FileImage(app());
    EXPECT_FALSE(app().isVisible<Form12>());
    EXPECT_TRUE(app().isLoaded<Form12>());
    EXPECT_FALSE(pictureTexts().isEmpty());
}

TEST_F(PrintImage, ARedrawAfterPrintingStartsFromOneHundredAgain)
{
    calculateWith(5);
    FileImage(app());
    const auto before = f7().Picture2->lines();
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("printed.pdf"));
    platform_->queuePrinterAnswer([&](QPrinter& printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        return true;
    });
    f7().Men_FPrn->trigger();
    EXPECT_TRUE(messages().empty());
    EXPECT_TRUE(QFileInfo::exists(pdf));
    // Printing from the window leaves its picture and its count as they were.
    EXPECT_TRUE(f7().Picture2->lines() == before);
    EXPECT_EQ(f7().printRowCounter, 105);

    activateAgain();
    EXPECT_EQ(f7().printRowCounter, 105);
    EXPECT_EQ(pictureTexts(), sheetTexts()); // no page break blanks in the picture
}

TEST_F(PrintImage, CloseAndTheCloseBoxBothUnloadTheWindowAndGiveTheToolbarBack)
{
    calculateWith(1);
    FileImage(app());
    ASSERT_TRUE(mainWindow().Toolbar1->isHidden());
    f7().Men_FCls->trigger();
    settle();
    EXPECT_FALSE(app().isLoaded<Form7>());
    EXPECT_FALSE(mainWindow().Toolbar1->isHidden());

    FileImage(app());
    ASSERT_TRUE(mainWindow().Toolbar1->isHidden());
    QMdiSubWindow* frame = frameOf(&f7());
    EXPECT_TRUE(frame->windowFlags() & Qt::WindowCloseButtonHint);
    frame->close();
    settle();
    EXPECT_FALSE(app().isLoaded<Form7>());
    EXPECT_FALSE(mainWindow().Toolbar1->isHidden());
    EXPECT_TRUE(messages().empty());
}

TEST_F(PrintImage, ItsMenuCarriesTheDesignedCaptionsAndServesTheMainWindowsCommands)
{
    calculateWith(1);
    FileImage(app());
    const QList<QAction*> top = f7().menuBar->actions();
    ASSERT_EQ(top.size(), 3);
    EXPECT_EQ(top[0], f7().Men_FPrn);
    EXPECT_EQ(top[0]->text(), QStringLiteral("印刷(&P)"));
    EXPECT_EQ(top[1], f7().Men_FEdi->menuAction());
    EXPECT_EQ(f7().Men_FEdi->title(), QStringLiteral("ｴﾃﾞｨﾀ(&E)"));
    EXPECT_EQ(f7().Men_FEdi->actions(), (QList<QAction*>{f7().Men_FEWri, f7().Men_FEOpn}));
    EXPECT_EQ(f7().Men_FEWri->text(), QStringLiteral("書き込み(&W)"));
    EXPECT_EQ(f7().Men_FEOpn->text(), QStringLiteral("起動(&O)"));
    EXPECT_EQ(top[2], f7().Men_FCls);
    EXPECT_EQ(top[2]->text(), QStringLiteral("閉じる(&C)"));

    // 書き込み here is always usable, even while the main window's item is disabled.
    int writes = 0, opens = 0;
    QObject::connect(mainWindow().Men_FEWri, &QAction::triggered, [&] { ++writes; });
    QObject::connect(mainWindow().Men_FEOpn, &QAction::triggered, [&] { ++opens; });
    mainWindow().Men_FEWri->setEnabled(false);
    f7().Men_FEWri->trigger();
    EXPECT_EQ(writes, 1);
    EXPECT_FALSE(mainWindow().Men_FEWri->isEnabled());
    f7().Men_FEOpn->trigger();
    EXPECT_EQ(opens, 1);

    // 印刷 asks for a printer; Cancel prints nothing and changes nothing.
    platform_->clear();
    const int counter = f7().printRowCounter;
    platform_->queuePrinterAnswer(false);
    f7().Men_FPrn->trigger();
    ASSERT_EQ(platform_->calls().size(), 1u);
    EXPECT_EQ(platform_->calls()[0].kind, PlatformCall::Kind::Printer);
    EXPECT_EQ(f7().printRowCounter, counter);
}

} // namespace akuenza::test

namespace akuenza::test {

TEST_F(PrintImage, TheBarsReachTheFootOfEverySheetAndTheWheelAndPageKeysMoveThePage)
{
    calculateWith(8);
    FileImage(app());
    Form7& f = f7();
    PictureBox& page = *f.Picture2;
    // The sheet of eight rows runs past the designed page: the page grows
    // to hold it, and the verdict at its foot is drawn on it.
    ASSERT_GT(page.drawnHeightTwips(), 30000);
    EXPECT_GE(page.heightTwips(), page.drawnHeightTwips());
    EXPECT_EQ(f.VScroll1->maximum(), page.heightTwips() - 6705);
    EXPECT_EQ(pictureTexts().back().trimmed(), sheetTexts().back().trimmed());
    const QImage& picture = page.picture();
    const int lastLineBottom = static_cast<int>(std::floor(twipsToPixels(page.drawnHeightTwips())));
    const int lastLineTop = lastLineBottom - static_cast<int>(std::ceil(page.lineHeight()));
    bool inked = false;
    for (int y = std::max(0, lastLineTop); y < std::min(picture.height(), lastLineBottom) && !inked; ++y)
        for (int x = 0; x < picture.width() && !inked; ++x)
            inked = picture.pixelColor(x, y) != QColor(Qt::white);
    EXPECT_TRUE(inked) << "the last line is not on the page";

    // The wheel over the page scrolls down, Page Down moves one view, End
    // reaches the foot, Home the top.
    QWheelEvent wheel(QPointF(10, 10), page.mapToGlobal(QPointF(10, 10)), QPoint(), QPoint(0, -120), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(&page, &wheel);
    EXPECT_GT(f.VScroll1->value(), 0);
    f.VScroll1->setValue(0);
    QTest::keyClick(&f, Qt::Key_PageDown);
    EXPECT_EQ(f.VScroll1->value(), 6705);
    QTest::keyClick(&f, Qt::Key_End);
    EXPECT_EQ(f.VScroll1->value(), f.VScroll1->maximum());
    EXPECT_EQ(page.geometry().bottom(), f.Picture1->height() - 1);
    QTest::keyClick(&f, Qt::Key_Home);
    EXPECT_EQ(f.VScroll1->value(), 0);
}

} // namespace akuenza::test
