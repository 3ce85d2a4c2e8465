// Writes the program's icon as the files a desktop installs: an SVG and PNGs
// of 48, 128 and 256 pixels, all drawn by the same painting procedure as the
// window icon, laid out as an icon theme (hicolor/<size>/apps/<name>.<ext>).
// Usage: akuenza_icon_files FOLDER NAME
#include "forms/base/toolbar_icons.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>

#include <cstdio>

namespace {

constexpr int kDesignBox = 32;
constexpr int kPngSizes[] = {48, 128, 256};

bool writeSvg(const QString& path)
{
    QSvgGenerator svg;
    svg.setFileName(path);
    svg.setSize(QSize(kDesignBox, kDesignBox));
    svg.setViewBox(QRect(0, 0, kDesignBox, kDesignBox));
    svg.setTitle(QStringLiteral("アクエンザ"));
    svg.setDescription(QStringLiteral("雨水浸透施設の設計計算"));
    QPainter painter;
    if (!painter.begin(&svg))
        return false;
    painter.setRenderHint(QPainter::Antialiasing);
    akuenza::drawProgramIcon(painter);
    return painter.end();
}

bool writePng(const QString& path, int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / double(kDesignBox), size / double(kDesignBox));
    akuenza::drawProgramIcon(painter);
    painter.end();
    return image.save(path, "PNG");
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    const QStringList arguments = QGuiApplication::arguments();
    if (arguments.size() != 3) {
        std::fprintf(stderr, "usage: akuenza_icon_files FOLDER NAME\n");
        return 2;
    }
    const QDir theme(arguments[1] + QStringLiteral("/hicolor"));
    const QString& name = arguments[2];

    bool ok = theme.mkpath(QStringLiteral("scalable/apps")) &&
              writeSvg(theme.filePath(QStringLiteral("scalable/apps/%1.svg").arg(name)));
    for (int size : kPngSizes) {
        const QString folder = QStringLiteral("%1x%1/apps").arg(size);
        ok = ok && theme.mkpath(folder) && writePng(theme.filePath(folder + QStringLiteral("/%1.png").arg(name)), size);
    }
    if (!ok) {
        std::fprintf(stderr, "akuenza_icon_files: cannot write the icon files under %s\n",
                     qPrintable(QDir::toNativeSeparators(theme.path())));
        return 1;
    }
    return 0;
}
