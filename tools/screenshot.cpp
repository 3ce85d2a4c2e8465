// Shows the program on the current X display, opens a fresh design case and
// saves pictures of its windows as PNG files, so that the look of the windows
// (Japanese text included) can be checked without a desktop. It also checks
// that the X server holds exactly the designed title of each top-level window.
// Usage: akuenza_screenshot <folder>

#include "x_window_title.h"

#include "forms/conditions/design_conditions_form.h"
#include "forms/shell/application.h"
#include "forms/shell/main_window.h"
#include "forms/shell/program_setup.h"
#include "forms/shell/qt_platform.h"
#include "forms/shell/version_window.h"

#include <QApplication>
#include <QDir>
#include <QPushButton>
#include <QScreen>
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

    // The engineer clicks into A of a fresh case, types it and presses Enter:
    // the focus goes to the intensity's 直接入力 button, which shows its
    // focus frame. Last, as the window shows focus frames from then on.
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
