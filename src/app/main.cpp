// アクエンザ: design calculator for stormwater infiltration facilities.
#include "forms/shell/application.h"
#include "forms/shell/main_window.h"
#include "forms/shell/program_setup.h"
#include "forms/shell/qt_platform.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    akuenza::setUpProgram();

    akuenza::QtPlatform platform;
    akuenza::App app(platform);
    app.mainWindow().show();
    return QApplication::exec();
}
