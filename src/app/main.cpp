// アクエンザ: design calculator for stormwater infiltration facilities.
#include "app/command_line.h"
#include "forms/shell/project_files.h"
#include "forms/base/application.h"
#include "forms/base/fonts.h"
#include "forms/shell/main_window.h"
#include "forms/base/program_setup.h"
#include "forms/base/qt_platform.h"

#include <QApplication>

#include <optional>

int main(int argc, char** argv)
{
    akuenza::useStartingConsole();
    // The arguments are read before anything needs a display: a mistake,
    // --help and --version are answered on any terminal.
    const akuenza::CommandLine early = akuenza::parseCommandLine(akuenza::programArguments(argc, argv));
    if (const int exitCode = akuenza::answerBeforeStart(early); exitCode >= 0)
        return exitCode;

    const bool withoutWindow = akuenza::runsWithoutWindow(early);
    if (withoutWindow)
        akuenza::prepareRunWithoutWindow();
    std::optional<akuenza::PlatformStartGuard> guard(std::in_place, !withoutWindow);
    akuenza::chooseOffscreenFontFolder();
    QApplication application(argc, argv);
    guard.reset();
    akuenza::setUpProgram();

    // The file names as Qt decodes them (on Windows from the wide command
    // line, so that every name survives), when Qt reads the same request.
    akuenza::CommandLine command = early;
    if (const akuenza::CommandLine decoded = akuenza::parseCommandLine(QApplication::arguments());
        decoded.error.isEmpty() && decoded.action == early.action && decoded.files.size() == early.files.size())
        command = decoded;
    if (withoutWindow)
        return akuenza::runWithoutWindow(command);

    akuenza::QtPlatform platform;
    akuenza::App app(platform);
    app.mainWindow().show();
    // A case given on the command line (a double-click on a project file) opens at once.
    if (!command.files.isEmpty())
        akuenza::openProjectFile(app, command.files.front(), akuenza::WhenCaseOpen::Replace);
    return QApplication::exec();
}
