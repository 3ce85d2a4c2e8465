// The icon files the package installs show the same picture as the program's
// window icon: the PNGs pixel for pixel, the SVG as a desktop renders it.
#include "forms/base/toolbar_icons.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

namespace {

const QString kTheme = QStringLiteral(AKUENZA_ICON_THEME);
const QString kName = QStringLiteral("jp.akuenza.Akuenza");

QImage installedPng(int size)
{
    return QImage(kTheme + QStringLiteral("/%1x%1/apps/%2.png").arg(size).arg(kName))
        .convertToFormat(QImage::Format_ARGB32);
}

QImage renderedSvg(int size)
{
    QSvgRenderer svg(kTheme + QStringLiteral("/scalable/apps/%1.svg").arg(kName));
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    if (!svg.isValid())
        return QImage();
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    svg.render(&painter);
    painter.end();
    return image;
}

struct Difference {
    int largest = 0;      // the largest difference of one channel of one pixel
    double meanPixel = 0; // the mean over all pixels of the largest channel difference
};

Difference difference(const QImage& a, const QImage& b)
{
    Difference d;
    long long total = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            const int channel = std::max({std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                                          std::abs(qBlue(p) - qBlue(q)), std::abs(qAlpha(p) - qAlpha(q))});
            d.largest = std::max(d.largest, channel);
            total += channel;
        }
    d.meanPixel = double(total) / (a.width() * a.height());
    return d;
}

} // namespace

TEST(IconFiles, EachPngIsTheWindowIconDrawnAtItsSize)
{
    // 48 px is also one of the window icon's own sizes: the installed file
    // and the window frame's picture are the same pixels.
    const QImage window = akuenza::programIcon().pixmap(48, 48).toImage().convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(window.size(), QSize(48, 48));
    EXPECT_EQ(installedPng(48), window);

    for (int size : {128, 256}) {
        const QImage png = installedPng(size);
        ASSERT_EQ(png.size(), QSize(size, size)) << size;
        // Transparent corners above the ground, the ground's strata below.
        EXPECT_EQ(qAlpha(png.pixel(1, 1)), 0) << size;
        EXPECT_EQ(png.pixel(size / 2, size - 2), qRgb(135, 135, 135)) << size;
    }
}

TEST(IconFiles, TheSvgRendersAsTheDrawnIcon)
{
    const QImage svg = renderedSvg(256);
    ASSERT_FALSE(svg.isNull()) << "the SVG icon does not load";
    const QImage png = installedPng(256);
    ASSERT_EQ(png.size(), svg.size());
    const Difference d = difference(svg, png);
    // The same shapes, colours and gradient rasterised twice differ by
    // rounding only; a lost gradient, opacity or stroke width shows as tens.
    EXPECT_LT(d.meanPixel, 0.1);
    EXPECT_LE(d.largest, 8);
}

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
