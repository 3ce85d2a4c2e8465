// Shows the program on the current X display, opens a fresh design case and
// saves pictures of its windows as PNG files, so that the look of the windows
// (Japanese text included) can be checked without a desktop. It also checks
// that the X server holds exactly the designed title of each top-level window.
// Usage: akuenza_screenshot <folder>

#include "x_window_title.h"

#include "forms/conditions/design_conditions_form.h"
#include "forms/conditions/flow_time_dialog.h"
#include "forms/conditions/inlet_time_dialog.h"
#include "forms/conditions/rainfall_dialog.h"
#include "forms/conditions/runoff_dialog.h"
#include "forms/facilities/results_form.h"
#include "forms/facilities/square_basin_dialog.h"
#include "forms/report/picture_box.h"
#include "forms/report/print_image_window.h"
#include "forms/report/printing.h"
#include "forms/report/required_quantities_window.h"
#include "forms/base/application.h"
#include "forms/shell/main_window.h"
#include "forms/base/program_setup.h"
#include "forms/base/qt_platform.h"
#include "forms/shell/version_window.h"

#include <QApplication>
#include <QDir>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTest>

#include <cstdio>

namespace {

void settle()
{
    QApplication::processEvents();
    QTest::qWait(200);
}

bool savePicture(const QPixmap& shot, const QString& folder, const QString& name)
{
    const QString path = QDir(folder).filePath(name);
    const bool ok = !shot.isNull() && shot.save(path);
    std::printf("%s %s\n", ok ? "saved" : "FAILED", qPrintable(path));
    return ok;
}

// A top-level window as the screen shows it.
bool save(QWidget& window, const QString& folder, const QString& name)
{
    settle();
    return savePicture(window.screen()->grabWindow(window.winId()), folder, name);
}

// One form inside the main window, as the screen shows it.
bool saveForm(QWidget& main, QWidget& form, const QString& folder, const QString& name)
{
    settle();
    const QPoint at = form.mapTo(&main, QPoint(0, 0));
    return savePicture(main.screen()->grabWindow(main.winId(), at.x(), at.y(), form.width(), form.height()), folder,
                       name);
}

// The title bar text the window manager gets must be the designed title, nothing appended.
bool checkTitle(QWidget& window, const QString& designed)
{
    settle();
    const QString held = QString::fromStdString(xWindowTitle(window.winId()));
    const bool ok = held == designed;
    std::printf("%s title \"%s\"%s\n", ok ? "checked" : "WRONG", qPrintable(held),
                ok ? "" : qPrintable(QStringLiteral(", designed \"%1\"").arg(designed)));
    return ok;
}

bool showMessageBox(QWidget& main, const akuenza::MessageRequest& request, const QString& folder,
                    const QString& name)
{
    const auto box = akuenza::buildMessageBox(request, &main);
    box->show();
    if (!QTest::qWaitForWindowExposed(box.get()))
        return false;
    const bool titled = checkTitle(*box, request.title);
    const bool saved = save(*box, folder, name);
    box->close();
    return titled && saved;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    akuenza::setUpProgram();
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    QDir().mkpath(folder);

    akuenza::QtPlatform platform;
    akuenza::App app(platform);
    akuenza::MDIFofm& main = app.mainWindow();
    main.move(0, 0);
    main.show();
    if (!QTest::qWaitForWindowExposed(&main))
        return 1;
    // Without a window manager on the virtual display nothing activates the
    // window, and an inactive window shows no focus.
    main.activateWindow();
    if (!QTest::qWaitForWindowActive(&main))
        return 1;

    bool ok = checkTitle(main, QStringLiteral("アクエンザ"));
    ok = save(main, folder, QStringLiteral("main-window-start.png")) && ok;
    main.FileNew();
    ok = save(main, folder, QStringLiteral("main-window-new.png")) && ok;

    // Each facility family's dialog in its place, as its 寸法入力 button shows it.
    akuenza::Form1& f1 = app.form<akuenza::Form1>();
    for (int n = 2; n <= 6; ++n) {
        f1.facilityCheck(n)->setValue(1);
        f1.dimensionButton(n)->click();
        ok = save(main, folder, QStringLiteral("facility-%1.png").arg(n)) && ok;
    }
    // The well is checked now: the headings it disables are drawn disabled.
    ok = saveForm(main, f1, folder, QStringLiteral("conditions-well.png")) && ok;

    ok = showMessageBox(main,
                        {QStringLiteral("対策面積を入力してください。"), QStringLiteral("エラーメッセージ"),
                         akuenza::MessageButtons::Ok, akuenza::MessageIcon::Exclamation, akuenza::Answer::Ok},
                        folder, QStringLiteral("message-error.png")) &&
         ok;
    ok = showMessageBox(main,
                        {QStringLiteral("作成中のデータが失われます。閉じてもよろしいですか？"),
                         QStringLiteral("確認"), akuenza::MessageButtons::OkCancel,
                         akuenza::MessageIcon::Question, akuenza::Answer::Cancel},
                        folder, QStringLiteral("message-close.png")) &&
         ok;

    akuenza::Form10 version(&main);
    version.show();
    if (!QTest::qWaitForWindowExposed(&version))
        return 1;
    ok = checkTitle(version, QStringLiteral("バージョン情報")) && ok;
    ok = save(version, folder, QStringLiteral("version-window.png")) && ok;
    version.close();

    // The hydrology dialogs with a filled example, in a fresh case. The
    // modal ones are shown without their modal loop so that the picture can
    // be taken.
    // A fresh case without Close's question: the old one is discarded first.
    main.Tojiru();
    main.FileNew();
    akuenza::Form1& conditions = app.form<akuenza::Form1>();
    conditions.cmd_i2->click();
    akuenza::Form12& f12 = app.form<akuenza::Form12>();
    f12.opt4->setChecked(true);
    f12.txt1->setText(QStringLiteral("5000"));
    f12.txt2->setText(QStringLiteral("40"));
    f12.Option4->setChecked(true);
    f12.Option1->setChecked(true);
    f12.txt3->setText(QStringLiteral("5"));
    f12.Option6->setChecked(true);
    f12.txt4->setText(QStringLiteral("600"));
    f12.Option7->setChecked(true);
    f12.txt5->setText(QStringLiteral("1.0"));
    ok = save(main, folder, QStringLiteral("rainfall-dialog.png")) && ok;
    f12.cmd1->click();

    conditions.cmd_i2->click();
    f12.opt5->setChecked(true);
    f12.txt1->setText(QStringLiteral("5000"));
    f12.txt2->setText(QStringLiteral("40"));
    f12.txt6->setText(QStringLiteral("4"));
    f12.txt7->setText(QStringLiteral("3"));
    f12.chk1->setChecked(true);
    ok = save(main, folder, QStringLiteral("rainfall-dialog-ibaraki.png")) && ok;
    f12.cmd2->click();

    akuenza::Form13& f13 = app.dialog<akuenza::Form13>();
    f13.txt1->setText(QStringLiteral("100"));
    f13.txt2->setText(QStringLiteral("10"));
    f13.txt3->setText(QStringLiteral("0.40"));
    f13.show();
    ok = QTest::qWaitForWindowExposed(&f13) && ok;
    ok = save(f13, folder, QStringLiteral("inlet-time-dialog.png")) && ok;
    f13.hide();

    akuenza::Form22& f22 = app.dialog<akuenza::Form22>();
    f22.opt1->setChecked(true);
    f22.txt1->setText(QStringLiteral("1"));
    f22.txt2->setText(QStringLiteral("0.01"));
    f22.show();
    ok = QTest::qWaitForWindowExposed(&f22) && ok;
    ok = save(f22, folder, QStringLiteral("flow-time-dialog.png")) && ok;
    f22.hide();

    conditions.cmd_c2->click();
    akuenza::Form16& f16 = app.form<akuenza::Form16>();
    f16.chk_k1->setChecked(true);
    f16.chk_k6->setChecked(true);
    f16.chk_t7->setChecked(true);
    const char* rows[3][2] = {{"0.9", "500"}, {"0.15", "1200"}, {"0.8", "300"}};
    for (int row = 0; row < 3; ++row) {
        f16.coefficientBoxes()[row]->setText(QString::fromLatin1(rows[row][0]));
        f16.areaBoxes()[row]->setText(QString::fromLatin1(rows[row][1]));
    }
    ok = save(main, folder, QStringLiteral("runoff-dialog.png")) && ok;
    f16.cmd1->click();
    ok = save(main, folder, QStringLiteral("conditions-from-dialogs.png")) && ok;

    // The print image of a computed case, scrolled to its verdict: first NG
    // (two basins of two, far below Q1), whose printed first page also goes
    // to a PDF for scripts/screenshot.sh to render, then O.K with twenty each.
    // A fresh case without Close's question: the old one is discarded first.
    main.Tojiru();
    main.FileNew();
    akuenza::Form1& computed = app.form<akuenza::Form1>();
    computed.txt_c->setText(QStringLiteral("0.9"));
    computed.txt_a->setText(QStringLiteral("1000"));
    computed.txt_i->setText(QStringLiteral("50"));
    akuenza::Form2& basins = app.form<akuenza::Form2>();
    basins.chk1->setValue(1);
    for (akuenza::TextBox* w : {basins.txt11w, basins.txt12w})
        w->setText(QStringLiteral("0.5"));
    for (akuenza::TextBox* h : {basins.txt11h, basins.txt12h})
        h->setText(QStringLiteral("1.0"));
    auto showVerdict = [&](const QString& count, const QString& name, bool top) {
        basins.txt11n->setText(count);
        basins.txt12n->setText(count);
        app.form<akuenza::Form11>().cmd1->click();
        akuenza::FileImage(app);
        akuenza::Form7& image = app.form<akuenza::Form7>();
        image.VScroll1->setValue(0);
        const bool saved = !top || save(main, folder, QStringLiteral("print-image-top.png"));
        const qreal sheetPixels = (image.Picture2->lines().size() + 2) * image.Picture2->lineHeight();
        const double twipsPerPixel = 1440.0 / image.logicalDpiY();
        image.VScroll1->setValue(static_cast<int>((sheetPixels - image.Picture1->height()) * twipsPerPixel));
        return save(main, folder, name) && saved;
    };
    ok = showVerdict(QStringLiteral("2"), QStringLiteral("print-image-ng.png"), true) && ok;
    const QString pdf = QDir(folder).filePath(QStringLiteral("sheet.pdf"));
    QString pdfError;
    const bool exported = akuenza::exportPdf(app, pdf, &pdfError);
    std::printf("%s %s %s\n", exported ? "exported" : "FAILED", qPrintable(pdf), qPrintable(pdfError));
    ok = exported && ok;

    // 必要数量 of the NG case; then its first row's quantity entered with
    // 数量を入力 and 計　算 pressed, the window showing the O.K run.
    app.form<akuenza::Form7>().Men_FCls->trigger();
    settle();
    main.showRequiredQuantities();
    ok = save(main, folder, QStringLiteral("required-quantities-ng.png")) && ok;
    akuenza::RequiredQuantitiesWindow& required = app.form<akuenza::RequiredQuantitiesWindow>();
    required.cmdEnter->click();
    app.form<akuenza::Form11>().cmd1->click();
    ok = save(main, folder, QStringLiteral("required-quantities-ok.png")) && ok;
    app.unload<akuenza::RequiredQuantitiesWindow>();
    basins.txt11n->setText(QStringLiteral("2"));

    ok = showVerdict(QStringLiteral("20"), QStringLiteral("print-image-ok.png"), false) && ok;
    app.form<akuenza::Form7>().Men_FCls->trigger();
    settle();

    // A large site: every digit of a six-figure Q1 and a nine-figure total shows.
    computed.txt_a->setText(QStringLiteral("7500000"));
    basins.txt11n->setText(QStringLiteral("123456789"));
    app.form<akuenza::Form11>().cmd1->click();
    ok = save(main, folder, QStringLiteral("results-large.png")) && ok;

    // The engineer clicks into A of a fresh case, types it and presses Enter:
    // the focus goes to the intensity's 直接入力 button, which shows its
    // focus frame. Last, as the window shows focus frames from then on.
    // A fresh case without Close's question: the old one is discarded first.
    main.Tojiru();
    main.FileNew();
    main.activateWindow();
    if (!QTest::qWaitForWindowActive(&main))
        return 1;
    akuenza::Form1& fresh = app.form<akuenza::Form1>();
    QTest::mouseClick(fresh.txt_a, Qt::LeftButton);
    QTest::keyClicks(fresh.txt_a, QStringLiteral("1000"));
    QTest::keyClick(fresh.txt_a, Qt::Key_Return);
    ok = saveForm(main, fresh, folder, QStringLiteral("conditions-enter-focus.png")) && ok;
    return ok ? 0 : 1;
}
