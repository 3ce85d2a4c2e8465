#include "forms/base/toolbar_icons.h"

#include <QIconEngine>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPolygonF>

#include <utility>

namespace akuenza {

namespace {

// Every picture is drawn in a 32 x 32 box and scaled to each pixmap size.
using Drawing = void (*)(QPainter&);

QPixmap drawnPixmap(Drawing draw, int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 32.0, size / 32.0);
    draw(p);
    p.end();
    return pixmap;
}

// An icon of one picture at a few designed sizes. It answers exactly as an
// icon holding those pixmaps would (the size chosen for a request, the
// scaling down, the greyed disabled picture), but draws a size only when it
// is first asked for: at start-up the toolbar needs its 16-pixel pictures
// alone, and a window frame drawn by no window system needs none at all.
class DrawnIconEngine final : public QIconEngine {
public:
    DrawnIconEngine(Drawing draw, QList<int> sizes) : draw_(draw), sizes_(std::move(sizes)) {}

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return withBestSizeFor(size).pixmap(size, 1.0, mode, state);
    }

    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override
    {
        const int best = bestSizeFor(size);
        QSize actual(best, best);
        if (actual.width() > size.width() || actual.height() > size.height())
            actual.scale(size, Qt::KeepAspectRatio);
        return actual;
    }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        const qreal ratio = painter->device() ? painter->device()->devicePixelRatio() : 1.0;
        painter->drawPixmap(rect, pixmap(rect.size() * ratio, mode, state));
    }

    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override
    {
        // Only the normal pictures are held; the others are made from them.
        QList<QSize> sizes;
        if (mode == QIcon::Normal && state == QIcon::Off)
            for (int size : sizes_)
                sizes << QSize(size, size);
        return sizes;
    }

    bool isNull() override { return false; }
    QIconEngine* clone() const override { return new DrawnIconEngine(*this); }
    QString key() const override { return QStringLiteral("akuenza-drawn"); }

private:
    // The designed size a set of pixmaps would pick: the smallest that
    // covers the request, or the largest when none does.
    int bestSizeFor(const QSize& request) const
    {
        const qint64 wanted = qint64(request.width()) * request.height();
        int best = 0;
        for (int size : sizes_) {
            const qint64 area = qint64(size) * size;
            const qint64 bestArea = qint64(best) * best;
            if (best == 0 || (area >= wanted && (bestArea < wanted || area < bestArea)) ||
                (area < wanted && bestArea < wanted && area > bestArea))
                best = size;
        }
        return best;
    }

    // The pixmaps drawn so far, with the one a request needs among them;
    // holding the best size, they choose it as the full set would.
    const QIcon& withBestSizeFor(const QSize& request)
    {
        const int best = bestSizeFor(request);
        if (!drawnSizes_.contains(best)) {
            drawn_.addPixmap(drawnPixmap(draw_, best));
            drawnSizes_ << best;
        }
        return drawn_;
    }

    Drawing draw_;
    QList<int> sizes_;
    QIcon drawn_;
    QList<int> drawnSizes_;
};

QIcon drawnIcon(Drawing draw, QList<int> sizes)
{
    return QIcon(new DrawnIconEngine(draw, std::move(sizes)));
}

const QColor kOutline(60, 60, 60);

QPen outlinePen(qreal width = 1.6)
{
    return QPen(kOutline, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

// A sheet of paper with its top right corner folded down.
void drawPage(QPainter& p, const QRectF& r)
{
    constexpr qreal fold = 6;
    p.setPen(outlinePen());
    p.setBrush(Qt::white);
    p.drawPolygon(QPolygonF{r.topLeft(), QPointF(r.right() - fold, r.top()), QPointF(r.right(), r.top() + fold),
                            r.bottomRight(), r.bottomLeft()});
    p.setBrush(QColor(205, 205, 205));
    p.drawPolygon(QPolygonF{QPointF(r.right() - fold, r.top()), QPointF(r.right() - fold, r.top() + fold),
                            QPointF(r.right(), r.top() + fold)});
}

void drawNew(QPainter& p)
{
    drawPage(p, QRectF(6, 2.5, 20, 27));
}

void drawOpen(QPainter& p)
{
    p.setPen(outlinePen());
    // The folder's back with its tab.
    p.setBrush(QColor(214, 164, 38));
    p.drawPolygon(QPolygonF{QPointF(2.5, 7), QPointF(11, 7), QPointF(13.5, 10), QPointF(25, 10), QPointF(25, 27),
                            QPointF(2.5, 27)});
    // A sheet inside.
    p.setBrush(Qt::white);
    p.drawRect(QRectF(6, 12.5, 16, 10));
    // The front flap swinging open.
    p.setBrush(QColor(250, 206, 80));
    p.drawPolygon(QPolygonF{QPointF(8, 16), QPointF(30.5, 16), QPointF(25, 27), QPointF(2.5, 27)});
}

void drawSave(QPainter& p)
{
    p.setPen(outlinePen());
    p.setBrush(QColor(44, 78, 160));
    p.drawPolygon(QPolygonF{QPointF(3.5, 3.5), QPointF(25, 3.5), QPointF(28.5, 7), QPointF(28.5, 28.5),
                            QPointF(3.5, 28.5)});
    // Metal shutter with its window.
    p.setPen(outlinePen(1.0));
    p.setBrush(QColor(205, 208, 214));
    p.drawRect(QRectF(9, 3.5, 14, 9.5));
    p.setBrush(QColor(44, 78, 160));
    p.drawRect(QRectF(17.5, 5, 3.5, 6.5));
    // Label.
    p.setBrush(Qt::white);
    p.drawRect(QRectF(7.5, 17, 17, 11.5));
    p.setPen(QPen(QColor(150, 150, 150), 1.0));
    p.drawLine(QPointF(10, 21), QPointF(22, 21));
    p.drawLine(QPointF(10, 24.5), QPointF(22, 24.5));
}

void drawPrintImage(QPainter& p)
{
    drawPage(p, QRectF(3, 2.5, 18, 24));
    p.setPen(QPen(QColor(150, 150, 150), 1.2));
    for (qreal y : {11.0, 14.5, 18.0})
        p.drawLine(QPointF(6.5, y), QPointF(14, y));
    // Magnifying glass over the page.
    p.setPen(QPen(QColor(120, 72, 30), 4.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(24, 23.5), QPointF(29, 28.5));
    p.setPen(outlinePen(2.2));
    p.setBrush(QColor(170, 215, 250, 220));
    p.drawEllipse(QPointF(19.5, 19), 6.5, 6.5);
}

void drawPrint(QPainter& p)
{
    // Paper waiting at the top.
    p.setPen(outlinePen(1.2));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(9, 2.5, 14, 11));
    // Printer body.
    p.setPen(outlinePen());
    p.setBrush(QColor(150, 150, 155));
    p.drawRoundedRect(QRectF(2.5, 12, 27, 12), 2.5, 2.5);
    p.setBrush(QColor(90, 200, 90));
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(25.5, 16), 1.5, 1.5);
    // The printed sheet coming out.
    p.setPen(outlinePen(1.2));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(8, 19.5, 16, 10));
    p.setPen(QPen(QColor(150, 150, 150), 1.0));
    p.drawLine(QPointF(10.5, 23), QPointF(21.5, 23));
    p.drawLine(QPointF(10.5, 26), QPointF(19, 26));
}

void drawProgram(QPainter& p)
{
    // Ground strata: topsoil, sand, gravel.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(120, 78, 40));
    p.drawRect(QRectF(0, 21, 32, 4));
    p.setBrush(QColor(200, 160, 100));
    p.drawRect(QRectF(0, 25, 32, 3.5));
    p.setBrush(QColor(135, 135, 135));
    p.drawRect(QRectF(0, 28.5, 32, 3.5));
    p.setBrush(QColor(90, 140, 60));
    p.drawRect(QRectF(0, 19.5, 32, 1.5));

    // The raindrop.
    QPainterPath drop;
    drop.moveTo(16, 1.5);
    drop.cubicTo(18.5, 6, 22.5, 9.5, 22.5, 13.5);
    drop.arcTo(QRectF(9.5, 7, 13, 13), 0, -180);
    drop.cubicTo(9.5, 9.5, 13.5, 6, 16, 1.5);
    QLinearGradient blue(QPointF(10, 4), QPointF(22, 20));
    blue.setColorAt(0, QColor(110, 185, 250));
    blue.setColorAt(1, QColor(25, 90, 200));
    p.setPen(QPen(QColor(20, 60, 140), 1.2));
    p.setBrush(blue);
    p.drawPath(drop);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 190));
    p.drawEllipse(QRectF(12, 11, 3, 5));
}

} // namespace

QIcon toolbarIcon(int index)
{
    Drawing draw = nullptr;
    switch (index) {
    case 1: draw = drawNew; break;
    case 2: draw = drawOpen; break;
    case 3: draw = drawSave; break;
    case 5: draw = drawPrintImage; break;
    case 6: draw = drawPrint; break;
    default: return QIcon();
    }
    return drawnIcon(draw, {16, 24, 32});
}

QIcon programIcon()
{
    return drawnIcon(drawProgram, {16, 32, 48, 64});
}

void drawProgramIcon(QPainter& painter)
{
    drawProgram(painter);
}

} // namespace akuenza
