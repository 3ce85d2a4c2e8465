// Runs the window tests inside one QApplication on the offscreen platform.
#include "forms/base/fonts.h"

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    akuenza::chooseOffscreenFontFolder();
    QApplication app(argc, argv);
    akuenza::installFonts();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
