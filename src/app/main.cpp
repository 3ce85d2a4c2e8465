// アクエンザ: design calculator for stormwater infiltration facilities.
#include "app/command_line.h"
#include "forms/project/project_files.h"
#include "forms/shell/application.h"
#include "forms/shell/fonts.h"
#include "forms/shell/main_window.h"
#include "forms/shell/program_setup.h"
#include "forms/shell/qt_platform.h"

#include <QApplication>

int main(int argc, char** argv)
{
    // A run without a window needs no display at all.
    if (akuenza::runsWithoutWindow(argc, argv) && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    akuenza::chooseOffscreenFontFolder();
    QApplication application(argc, argv);
    akuenza::setUpProgram();

    QString openAtStart;
    if (const int exitCode = akuenza::runCommandLine(QApplication::arguments(), &openAtStart); exitCode >= 0)
        return exitCode;

    akuenza::QtPlatform platform;
    akuenza::App app(platform);
    app.mainWindow().show();
    // A case given on the command line (a double-click on a project file) opens at once.
    if (!openAtStart.isEmpty())
        akuenza::openProjectFile(app, openAtStart, akuenza::WhenCaseOpen::Replace);
    return QApplication::exec();
}
