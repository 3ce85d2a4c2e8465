#include "forms/report/picture_box.h"

#include "forms/base/fonts.h"
#include "forms/base/twips.h"

#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>

#include <cmath>

namespace akuenza {

PictureBox::PictureBox(QWidget* parent, const char* name) : QWidget(parent)
{
    setObjectName(QString::fromLatin1(name));
    QFont font(QString::fromUtf8(kMincho));
    font.setPointSizeF(11.25);
    font.setWeight(QFont::Normal);
    setFont(font);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PictureBox::setSizeTwips(int widthTwips, int heightTwips)
{
    widthTwips_ = widthTwips;
    heightTwips_ = heightTwips;
    resize(twipsToPixels(widthTwips), twipsToPixels(heightTwips));
    canvas_ = QImage(size(), QImage::Format_RGB32);
    // The picture's points are the screen's: 11.25 pt is as tall as on the screen.
    const QScreen* screen = QGuiApplication::primaryScreen();
    const double dpi = screen ? screen->logicalDotsPerInchY() : 96.0;
    const int dotsPerMetre = static_cast<int>(std::lround(dpi / 0.0254));
    canvas_.setDotsPerMeterX(dotsPerMetre);
    canvas_.setDotsPerMeterY(dotsPerMetre);
    clear();
}

qreal PictureBox::lineHeight() const { return QFontMetricsF(font(), &canvas_).height(); }

int PictureBox::drawnHeightTwips() const
{
    if (height() <= 0 || heightTwips_ <= 0)
        return 0;
    return static_cast<int>(std::ceil(y_ * heightTwips_ / height()));
}

void PictureBox::clear()
{
    canvas_.fill(Qt::white);
    y_ = 0;
    lines_.clear();
    update();
}

void PictureBox::setTextColour(const QColor& colour) { colour_ = colour; }

void PictureBox::printLine(const QString& text)
{
    lines_.push_back({text, colour_});
    if (!text.isEmpty() && !canvas_.isNull()) {
        QPainter painter(&canvas_);
        painter.setFont(font());
        painter.setPen(colour_);
        // Lines beyond the right edge or the bottom are cut off there.
        painter.drawText(QPointF(0, y_ + QFontMetricsF(font(), &canvas_).ascent()), text);
        update();
    }
    y_ += lineHeight();
}

void PictureBox::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    const QRect area = event->rect();
    painter.drawImage(area, canvas_, area);
}

} // namespace akuenza
