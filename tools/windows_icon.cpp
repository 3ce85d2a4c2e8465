// Writes the program's icon as a Windows icon file (.ico): the sizes Windows
// asks for in Explorer, the Start menu and the task bar, each drawn by the
// same painting procedure as the window icon and stored as PNG.
// Usage: akuenza_windows_icon FILE.ico
#include "forms/base/toolbar_icons.h"

#include <QBuffer>
#include <QDataStream>
#include <QSaveFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <cstdio>
#include <vector>

namespace {

constexpr int kDesignBox = 32;
constexpr int kSizes[] = {16, 20, 24, 32, 40, 48, 64, 128, 256};

QByteArray pngOf(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / double(kDesignBox), size / double(kDesignBox));
    akuenza::drawProgramIcon(painter);
    painter.end();
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    return image.save(&buffer, "PNG") ? png : QByteArray();
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    const QStringList arguments = QGuiApplication::arguments();
    if (arguments.size() != 2) {
        std::fprintf(stderr, "usage: akuenza_windows_icon FILE.ico\n");
        return 2;
    }
    std::vector<QByteArray> images;
    for (const int size : kSizes) {
        images.push_back(pngOf(size));
        if (images.back().isEmpty())
            return 1;
    }
    // The icon directory: a header, one entry per size, then the images.
    QByteArray ico;
    QDataStream out(&ico, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out << quint16(0) << quint16(1) << quint16(images.size());
    quint32 offset = 6 + 16 * quint32(images.size());
    for (std::size_t i = 0; i < images.size(); ++i) {
        const int size = kSizes[i];
        out << quint8(size >= 256 ? 0 : size) << quint8(size >= 256 ? 0 : size) << quint8(0) << quint8(0)
            << quint16(1) << quint16(32) << quint32(images[i].size()) << offset;
        offset += quint32(images[i].size());
    }
    for (const QByteArray& png : images)
        out.writeRawData(png.constData(), int(png.size()));
    QSaveFile file(arguments[1]);
    const bool written = file.open(QIODevice::WriteOnly) && file.write(ico) == ico.size() && file.commit();
    if (!written)
        std::fprintf(stderr, "akuenza_windows_icon: cannot write %s\n", qPrintable(arguments[1]));
    return written ? 0 : 1;
}
