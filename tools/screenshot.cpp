// Shows the program on the current X display, opens a fresh design case and
// saves pictures of the main window as PNG files, so that the look of the
// windows (Japanese text included) can be checked without a desktop.
// Usage: akuenza_screenshot <folder>

#include "forms/conditions/design_conditions_form.h"
#include "forms/shell/application.h"
#include "forms/shell/fonts.h"
#include "forms/shell/main_window.h"
#include "forms/shell/qt_platform.h"

#include <QApplication>
#include <QDir>
#include <QPushButton>
#include <QScreen>
#include <QTest>

#include <cstdio>

namespace {

bool save(QWidget& window, const QString& folder, const QString& name)
{
    QApplication::processEvents();
    QTest::qWait(200);
    const QPixmap shot = window.screen()->grabWindow(window.winId());
    const QString path = QDir(folder).filePath(name);
    const bool ok = !shot.isNull() && shot.save(path);
    std::printf("%s %s\n", ok ? "saved" : "FAILED", qPrintable(path));
    return ok;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    akuenza::installFonts();
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    QDir().mkpath(folder);

    akuenza::QtPlatform platform;
    akuenza::App app(platform);
    akuenza::MDIFofm& main = app.mainWindow();
    main.move(0, 0);
    main.show();
    if (!QTest::qWaitForWindowExposed(&main))
        return 1;

    bool ok = save(main, folder, QStringLiteral("main-window-start.png"));
    main.FileNew();
    ok = save(main, folder, QStringLiteral("main-window-new.png")) && ok;

    // Each facility family's dialog in its place, as its 寸法入力 button shows it.
    akuenza::Form1& f1 = app.form<akuenza::Form1>();
    for (int n = 2; n <= 6; ++n) {
        f1.facilityCheck(n)->setValue(1);
        f1.dimensionButton(n)->click();
        ok = save(main, folder, QStringLiteral("facility-%1.png").arg(n)) && ok;
    }
    return ok ? 0 : 1;
}
