#include "forms/facilities/schematics.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QPolygonF>
#include <QtMath>

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace akuenza {

// The drawing vocabulary of the schematics, in logical coordinates. Without a
// painter it only collects the texts, which is how Schematic::labels() learns
// what the drawing shows.
class Sketch {
public:
    explicit Sketch(QPainter* painter) : p_(painter) {}

    const QStringList& texts() const { return texts_; }

    void line(QPointF a, QPointF b)
    {
        if (p_)
            p_->drawLine(a, b);
    }

    void polyline(const QPolygonF& points)
    {
        if (p_)
            p_->drawPolyline(points);
    }

    // An outlined shape with a white inside, hiding whatever lies beneath.
    void solid(const QPainterPath& shape, const QColor& fill = Qt::white)
    {
        if (!p_)
            return;
        p_->save();
        p_->setBrush(fill);
        p_->drawPath(shape);
        p_->restore();
    }

    void solidRect(const QRectF& r, const QColor& fill = Qt::white)
    {
        QPainterPath path;
        path.addRect(r);
        solid(path, fill);
    }

    void solidEllipse(const QRectF& r, const QColor& fill = Qt::white)
    {
        QPainterPath path;
        path.addEllipse(r);
        solid(path, fill);
    }

    // Crushed stone: small irregular stones on a staggered grid, clipped to
    // the layer, with the layer's outline over them.
    void stones(const QPainterPath& layer)
    {
        if (!p_)
            return;
        p_->save();
        p_->setClipPath(layer, Qt::IntersectClip);
        p_->setPen(QPen(Qt::black, 0.7));
        p_->setBrush(Qt::NoBrush);
        const QRectF box = layer.boundingRect();
        constexpr qreal step = 9.0;
        int row = 0;
        for (qreal y = box.top() + 3.5; y < box.bottom() + step; y += step * 0.8, ++row) {
            int col = 0;
            const qreal shift = (row % 2) ? step / 2 : 0.0;
            for (qreal x = box.left() + 3.0 + shift; x < box.right() + step; x += step, ++col)
                p_->drawPolygon(stone(QPointF(x, y), row, col));
        }
        p_->restore();
        p_->drawPath(layer);
    }

    // Ground surface: the line with short slanted ticks on the soil side.
    void ground(qreal x1, qreal x2, qreal y)
    {
        if (!p_)
            return;
        p_->drawLine(QPointF(x1, y), QPointF(x2, y));
        p_->save();
        p_->setPen(QPen(Qt::black, 0.7));
        for (qreal x = x1 + 6; x <= x2; x += 7)
            p_->drawLine(QPointF(x, y), QPointF(x - 5, y + 5));
        p_->restore();
    }

    // A dimension line with arrowheads at both ends.
    void dimension(QPointF a, QPointF b)
    {
        if (!p_)
            return;
        p_->save();
        p_->setPen(QPen(Qt::black, 0.8));
        p_->drawLine(a, b);
        arrowhead(a, a - b);
        arrowhead(b, b - a);
        p_->restore();
    }

    // A thin extension line carrying a dimension out of the drawing.
    void extension(QPointF a, QPointF b)
    {
        if (!p_)
            return;
        p_->save();
        p_->setPen(QPen(Qt::black, 0.6));
        p_->drawLine(a, b);
        p_->restore();
    }

    // A leader from a label to what it names, with a dot at the target.
    void leader(QPointF from, QPointF to)
    {
        if (!p_)
            return;
        p_->save();
        p_->setPen(QPen(Qt::black, 0.7));
        p_->drawLine(from, to);
        p_->setBrush(Qt::black);
        p_->drawEllipse(to, 1.3, 1.3);
        p_->restore();
    }

    // Water surface with its ▽ mark and the short strokes below it.
    void water(qreal x1, qreal x2, qreal y, qreal markX)
    {
        if (!p_)
            return;
        p_->drawLine(QPointF(x1, y), QPointF(x2, y));
        p_->drawPolygon(QPolygonF{QPointF(markX - 4.5, y - 9), QPointF(markX + 4.5, y - 9),
                                  QPointF(markX, y - 1.5)});
        p_->save();
        p_->setPen(QPen(Qt::black, 0.7));
        p_->drawLine(QPointF(markX - 7, y + 3.5), QPointF(markX + 7, y + 3.5));
        p_->drawLine(QPointF(markX - 3.5, y + 7), QPointF(markX + 3.5, y + 7));
        p_->restore();
    }

    // A text centred vertically on `at`; horizontally centred on it, starting
    // at it (AlignLeft) or ending at it (AlignRight).
    void text(const QString& s, QPointF at, Qt::Alignment horizontal = Qt::AlignHCenter)
    {
        texts_ << s;
        if (!p_)
            return;
        QRectF r(0, at.y() - 50, 0, 100);
        if (horizontal & Qt::AlignLeft)
            r.setCoords(at.x(), r.top(), at.x() + 600, r.bottom());
        else if (horizontal & Qt::AlignRight)
            r.setCoords(at.x() - 600, r.top(), at.x(), r.bottom());
        else
            r.setCoords(at.x() - 300, r.top(), at.x() + 300, r.bottom());
        p_->drawText(r, int(horizontal | Qt::AlignVCenter | Qt::TextDontClip), s);
    }

    void title(const QString& s, QPointF at)
    {
        if (p_) {
            p_->save();
            QFont bold = p_->font();
            bold.setBold(true);
            p_->setFont(bold);
        }
        text(s, at);
        if (p_)
            p_->restore();
    }

    // Draws heavier lines for the faces that carry the water into the soil.
    void heavy(QPointF a, QPointF b)
    {
        if (!p_)
            return;
        p_->save();
        p_->setPen(QPen(Qt::black, 2.6, Qt::SolidLine, Qt::FlatCap));
        p_->drawLine(a, b);
        p_->restore();
    }

private:
    void arrowhead(QPointF tip, QPointF outward)
    {
        const qreal length = std::hypot(outward.x(), outward.y());
        if (length <= 0)
            return;
        const QPointF d = outward / length;
        const QPointF n(-d.y(), d.x());
        p_->setBrush(Qt::black);
        p_->drawPolygon(QPolygonF{tip, tip - d * 6.5 + n * 2.2, tip - d * 6.5 - n * 2.2});
    }

    // One stone: an irregular pentagon whose shape is fixed by its grid
    // position, so the pattern does not flicker between paints.
    static QPolygonF stone(QPointF centre, int row, int col)
    {
        std::uint32_t h = std::uint32_t(row) * 73856093u ^ std::uint32_t(col) * 19349663u;
        h ^= h >> 13;
        h *= 0x5bd1e995u;
        h ^= h >> 15;
        const qreal turn = qreal(h % 72) * M_PI / 180.0;
        const QPointF jitter(qreal(int(h >> 8 & 3)) - 1.5, qreal(int(h >> 10 & 3)) - 1.5);
        QPolygonF points;
        for (int k = 0; k < 5; ++k) {
            const qreal radius = 1.9 + 0.25 * qreal(h >> (12 + 3 * k) & 7);
            const qreal angle = turn + k * 2 * M_PI / 5;
            points << centre + jitter * 0.6 + QPointF(std::cos(angle), std::sin(angle)) * radius;
        }
        return points;
    }

    QPainter* p_;
    QStringList texts_;
};

namespace {

QPainterPath rectPath(const QRectF& r)
{
    QPainterPath path;
    path.addRect(r);
    return path;
}

QPainterPath ellipsePath(const QRectF& r)
{
    QPainterPath path;
    path.addEllipse(r);
    return path;
}

// A catch basin in section: walls and floor as double lines, open inside,
// with its cover on top.
void basinSection(Sketch& s, const QRectF& outer, qreal wall)
{
    s.solidRect(outer);
    s.polyline(QPolygonF{QPointF(outer.left() + wall, outer.top()),
                         QPointF(outer.left() + wall, outer.bottom() - wall * 1.3),
                         QPointF(outer.right() - wall, outer.bottom() - wall * 1.3),
                         QPointF(outer.right() - wall, outer.top())});
    s.solidRect(QRectF(outer.left() - 2, outer.top() - 4, outer.width() + 4, 4), QColor(90, 90, 90));
}

} // namespace

// ---- Schematic ---------------------------------------------------------------

Schematic::Schematic(QSizeF box, QWidget* parent) : QWidget(parent), box_(box)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
}

QStringList Schematic::labels() const
{
    Sketch sketch(nullptr);
    compose(sketch);
    return sketch.texts();
}

QSize Schematic::sizeHint() const
{
    return box_.toSize();
}

QSize Schematic::minimumSizeHint() const
{
    return (box_ * 0.75).toSize();
}

void Schematic::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    if (box_.isEmpty() || width() <= 0 || height() <= 0)
        return;
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    const qreal scale = std::min(width() / box_.width(), height() / box_.height());
    p.translate((width() - box_.width() * scale) / 2, (height() - box_.height() * scale) / 2);
    p.scale(scale, scale);
    p.setFont(font());
    p.setPen(QPen(Qt::black, 1.1));
    p.setBrush(Qt::NoBrush);
    Sketch sketch(&p);
    compose(sketch);
}

// ---- Square catch basin ---------------------------------------------------------

SquareBasinSchematic::SquareBasinSchematic(QWidget* parent) : Schematic(QSizeF(300, 250), parent) {}

void SquareBasinSchematic::compose(Sketch& s) const
{
    const QRectF stone(40, 50, 180, 150);
    const QRectF basin(80, 44, 100, 121);
    s.ground(8, stone.left(), stone.top());
    s.ground(stone.right(), 292, stone.top());
    s.stones(rectPath(stone).subtracted(rectPath(basin)));
    basinSection(s, basin, 6);
    s.text(QStringLiteral("排水桝"), QPointF(130, 92));
    s.text(QStringLiteral("(円又は角型)"), QPointF(130, 112));

    s.leader(QPointF(234, 120), QPointF(207, 140));
    s.text(QStringLiteral("砕石層"), QPointF(237, 120), Qt::AlignLeft);

    s.extension(QPointF(stone.left(), stone.bottom()), QPointF(20, stone.bottom()));
    s.dimension(QPointF(26, stone.top()), QPointF(26, stone.bottom()));
    s.text(QStringLiteral("Ｈ"), QPointF(14, 125));

    s.extension(QPointF(stone.left(), stone.bottom()), QPointF(stone.left(), 229));
    s.extension(QPointF(stone.right(), stone.bottom()), QPointF(stone.right(), 229));
    s.dimension(QPointF(stone.left(), 223), QPointF(stone.right(), 223));
    s.text(QStringLiteral("Ｗ"), QPointF(130, 237));
}

// ---- Rectangular catch basin ------------------------------------------------------

RectangularBasinSchematic::RectangularBasinSchematic(QWidget* parent)
    : Schematic(QSizeF(470, 250), parent)
{
}

void RectangularBasinSchematic::compose(Sketch& s) const
{
    // Plan: the layer's length runs across, its width up and down.
    const QRectF plan(50, 60, 170, 120);
    const QRectF planBasin(105, 90, 60, 60);
    s.stones(rectPath(plan).subtracted(rectPath(planBasin)));
    s.solidRect(planBasin);
    s.solidRect(planBasin.adjusted(6, 6, -6, -6));

    s.extension(QPointF(plan.left(), plan.top()), QPointF(22, plan.top()));
    s.extension(QPointF(plan.left(), plan.bottom()), QPointF(22, plan.bottom()));
    s.dimension(QPointF(28, plan.top()), QPointF(28, plan.bottom()));
    s.text(QStringLiteral("Ｗ"), QPointF(14, 120));

    s.extension(QPointF(plan.left(), plan.bottom()), QPointF(plan.left(), 211));
    s.extension(QPointF(plan.right(), plan.bottom()), QPointF(plan.right(), 211));
    s.dimension(QPointF(plan.left(), 205), QPointF(plan.right(), 205));
    s.text(QStringLiteral("Ｌ"), QPointF(135, 220));

    // Section.
    const QRectF section(275, 90, 140, 110);
    const QRectF basin(310, 84, 70, 86);
    s.ground(250, section.left(), section.top());
    s.ground(section.right(), 432, section.top());
    s.stones(rectPath(section).subtracted(rectPath(basin)));
    basinSection(s, basin, 6);

    s.extension(QPointF(section.right(), section.bottom()), QPointF(451, section.bottom()));
    s.extension(QPointF(432, section.top()), QPointF(451, section.top()));
    s.dimension(QPointF(445, section.top()), QPointF(445, section.bottom()));
    s.text(QStringLiteral("Ｈ"), QPointF(459, 145));

    s.leader(QPointF(175, 32), QPointF(135, 112));
    s.leader(QPointF(235, 32), QPointF(345, 112));
    s.text(QStringLiteral("排水桝(円又は角型)"), QPointF(205, 22));

    s.leader(QPointF(228, 142), QPointF(210, 155));
    s.leader(QPointF(266, 142), QPointF(286, 155));
    s.text(QStringLiteral("砕石層"), QPointF(247, 132));
}

// ---- Circular catch basin -----------------------------------------------------------

CircularBasinSchematic::CircularBasinSchematic(QWidget* parent) : Schematic(QSizeF(475, 250), parent) {}

void CircularBasinSchematic::compose(Sketch& s) const
{
    // Plan: the circular layer with the basin in its centre.
    const QRectF plan(60, 30, 150, 150);
    const QPointF centre = plan.center();
    const QRectF planBasin(centre.x() - 30, centre.y() - 30, 60, 60);
    s.stones(ellipsePath(plan).subtracted(ellipsePath(planBasin)));
    s.solidEllipse(planBasin);
    s.solidEllipse(planBasin.adjusted(6, 6, -6, -6));

    s.extension(QPointF(plan.left(), centre.y()), QPointF(plan.left(), 211));
    s.extension(QPointF(plan.right(), centre.y()), QPointF(plan.right(), 211));
    s.dimension(QPointF(plan.left(), 205), QPointF(plan.right(), 205));
    s.text(QStringLiteral("Ｄ"), QPointF(centre.x(), 220));

    // Section.
    const QRectF section(265, 80, 160, 120);
    const QRectF basin(295, 74, 100, 96);
    s.ground(243, section.left(), section.top());
    s.ground(section.right(), 440, section.top());
    s.stones(rectPath(section).subtracted(rectPath(basin)));
    basinSection(s, basin, 6);
    s.text(QStringLiteral("排水桝"), QPointF(basin.center().x(), 108));
    s.text(QStringLiteral("(円又は角型)"), QPointF(basin.center().x(), 128));

    s.extension(QPointF(section.right(), section.bottom()), QPointF(456, section.bottom()));
    s.extension(QPointF(440, section.top()), QPointF(456, section.top()));
    s.dimension(QPointF(450, section.top()), QPointF(450, section.bottom()));
    s.text(QStringLiteral("Ｈ"), QPointF(464, 140));

    s.leader(QPointF(228, 150), QPointF(192, 158));
    s.leader(QPointF(248, 150), QPointF(278, 172));
    s.text(QStringLiteral("砕石層"), QPointF(238, 138));
}

// ---- Infiltration side ditch ---------------------------------------------------

SideDitchSchematic::SideDitchSchematic(QWidget* parent) : Schematic(QSizeF(320, 265), parent) {}

void SideDitchSchematic::compose(Sketch& s) const
{
    s.title(QStringLiteral("浸透側溝"), QPointF(160, 16));

    const QRectF stone(70, 60, 180, 160);
    const QRectF gutter(100, 52, 120, 123);
    constexpr qreal wall = 10;
    s.ground(8, stone.left(), stone.top());
    s.ground(stone.right(), 312, stone.top());
    s.stones(rectPath(stone).subtracted(rectPath(gutter)));
    s.solidRect(gutter);
    s.polyline(QPolygonF{QPointF(gutter.left() + wall, gutter.top()),
                         QPointF(gutter.left() + wall, gutter.bottom() - wall),
                         QPointF(gutter.right() - wall, gutter.bottom() - wall),
                         QPointF(gutter.right() - wall, gutter.top())});
    // Cover grating over the channel.
    s.solidRect(QRectF(gutter.left() - 2, gutter.top() - 4, gutter.width() + 4, 4), QColor(90, 90, 90));

    s.leader(QPointF(266, 130), QPointF(236, 150));
    s.text(QStringLiteral("砕石層"), QPointF(269, 130), Qt::AlignLeft);

    s.extension(QPointF(stone.left(), stone.bottom()), QPointF(34, stone.bottom()));
    s.dimension(QPointF(40, stone.top()), QPointF(40, stone.bottom()));
    s.text(QStringLiteral("Ｈ"), QPointF(27, 140));

    s.extension(QPointF(stone.left(), stone.bottom()), QPointF(stone.left(), 246));
    s.extension(QPointF(stone.right(), stone.bottom()), QPointF(stone.right(), 246));
    s.dimension(QPointF(stone.left(), 240), QPointF(stone.right(), 240));
    s.text(QStringLiteral("Ｗ"), QPointF(160, 254));
}

// ---- Infiltration pipe --------------------------------------------------------------

InfiltrationPipeSchematic::InfiltrationPipeSchematic(QWidget* parent) : Schematic(QSizeF(320, 265), parent)
{
}

void InfiltrationPipeSchematic::compose(Sketch& s) const
{
    s.title(QStringLiteral("浸透管"), QPointF(160, 16));

    const QRectF stone(70, 60, 180, 160);
    const QPointF centre(160, 142);
    constexpr qreal outer = 40;
    constexpr qreal inner = 34;
    s.ground(8, stone.left(), stone.top());
    s.ground(stone.right(), 312, stone.top());
    s.stones(rectPath(stone));

    // The pipe wall, with its perforations.
    const QRectF outerCircle(centre.x() - outer, centre.y() - outer, 2 * outer, 2 * outer);
    s.solidEllipse(outerCircle, QColor(200, 200, 200));
    s.solidEllipse(QRectF(centre.x() - inner, centre.y() - inner, 2 * inner, 2 * inner));
    for (int k = 0; k < 12; ++k) {
        const qreal angle = k * M_PI / 6 + M_PI / 12;
        const QPointF hole = centre + QPointF(std::cos(angle), std::sin(angle)) * ((outer + inner) / 2);
        s.solidEllipse(QRectF(hole.x() - 1.8, hole.y() - 1.8, 3.6, 3.6));
    }

    s.leader(QPointF(266, 100), QPointF(232, 90));
    s.text(QStringLiteral("砕石層"), QPointF(269, 100), Qt::AlignLeft);

    s.extension(QPointF(stone.left(), stone.bottom()), QPointF(34, stone.bottom()));
    s.dimension(QPointF(40, stone.top()), QPointF(40, stone.bottom()));
    s.text(QStringLiteral("Ｈ"), QPointF(27, 140));

    s.extension(QPointF(stone.left(), stone.bottom()), QPointF(stone.left(), 246));
    s.extension(QPointF(stone.right(), stone.bottom()), QPointF(stone.right(), 246));
    s.dimension(QPointF(stone.left(), 240), QPointF(stone.right(), 240));
    s.text(QStringLiteral("Ｗ"), QPointF(160, 254));
}

// ---- Permeable pavement and infiltration pond -----------------------------------

PavementPondSchematic::PavementPondSchematic(QWidget* parent) : Schematic(QSizeF(520, 270), parent) {}

void PavementPondSchematic::compose(Sketch& s) const
{
    // Permeable pavement: surface course over the crushed-stone base.
    s.title(QStringLiteral("透水性舗装"), QPointF(130, 18));
    const QRectF surface(50, 70, 140, 22);
    const QRectF base(50, 92, 140, 108);
    s.solidRect(surface, QColor(185, 185, 185));
    s.stones(rectPath(base));
    s.heavy(base.bottomLeft(), base.bottomRight());
    s.ground(base.right(), 232, base.bottom());

    s.leader(QPointF(204, 81), QPointF(182, 81));
    s.text(QStringLiteral("舗装"), QPointF(207, 81), Qt::AlignLeft);
    s.leader(QPointF(204, 146), QPointF(178, 152));
    s.text(QStringLiteral("砕石層"), QPointF(207, 146), Qt::AlignLeft);

    s.extension(QPointF(base.left(), base.top()), QPointF(26, base.top()));
    s.extension(QPointF(base.left(), base.bottom()), QPointF(26, base.bottom()));
    s.dimension(QPointF(32, base.top()), QPointF(32, base.bottom()));
    s.text(QStringLiteral("Ｈ"), QPointF(18, 146));

    // Infiltration pond: sloped sides, water surface, stone under the bottom.
    s.title(QStringLiteral("浸透池"), QPointF(390, 18));
    constexpr qreal top = 70;
    constexpr qreal bottom = 160;
    constexpr qreal waterLevel = 100;
    const QPointF topLeft(300, top), bottomLeft(340, bottom), bottomRight(440, bottom), topRight(480, top);
    s.ground(276, topLeft.x(), top);
    s.ground(topRight.x(), 500, top);
    s.polyline(QPolygonF{topLeft, bottomLeft, bottomRight, topRight});
    const qreal run = (bottomLeft.x() - topLeft.x()) * (waterLevel - top) / (bottom - top);
    s.water(topLeft.x() + run, topRight.x() - run, waterLevel, 372);
    s.stones(rectPath(QRectF(330, bottom, 120, 24)));
    s.heavy(bottomLeft, bottomRight);

    s.extension(QPointF(topRight.x() - run, waterLevel), QPointF(502, waterLevel));
    s.extension(bottomRight, QPointF(502, bottom));
    s.dimension(QPointF(496, waterLevel), QPointF(496, bottom));
    s.text(QStringLiteral("Ｈ"), QPointF(509, 130));

    s.text(QStringLiteral("浸透面　底面"), QPointF(260, 248));
}

// ---- Infiltration (suction) well ----------------------------------------------------

InfiltrationWellSchematic::InfiltrationWellSchematic(QWidget* parent) : Schematic(QSizeF(370, 280), parent)
{
}

void InfiltrationWellSchematic::compose(Sketch& s) const
{
    s.title(QStringLiteral("浸透井（吸込槽）"), QPointF(185, 16));

    constexpr qreal groundLevel = 60;
    const QRectF pit(60, groundLevel, 140, 190);
    const QRectF well(90, 52, 80, 168);
    constexpr qreal wall = 6;
    constexpr qreal pipeTop = 84;
    constexpr qreal pipeInvert = 96;

    s.ground(8, pit.left(), groundLevel);
    s.ground(pit.right(), 252, groundLevel);
    s.stones(rectPath(pit).subtracted(rectPath(well)));
    // The well's walls; its bottom is open to the stone.
    s.solidRect(QRectF(well.left(), well.top(), wall, well.height()));
    s.solidRect(QRectF(well.right() - wall, well.top(), wall, well.height()));
    s.solidRect(QRectF(well.left() - 2, well.top() - 4, well.width() + 4, 4), QColor(90, 90, 90));
    // Inflow pipe through the soil and the stone into the well.
    s.solidRect(QRectF(8, pipeTop, well.left() + wall - 8, pipeInvert - pipeTop));

    s.dimension(QPointF(well.left() + wall, 202), QPointF(well.right() - wall, 202));
    s.text(QStringLiteral("Ｄ"), QPointF(well.center().x(), 190));

    s.extension(QPointF(well.right(), well.bottom()), QPointF(221, well.bottom()));
    s.dimension(QPointF(215, groundLevel), QPointF(215, well.bottom()));
    s.text(QStringLiteral("Ｈ"), QPointF(227, 140));

    s.extension(QPointF(well.left(), well.bottom()), QPointF(34, well.bottom()));
    s.dimension(QPointF(40, pipeInvert), QPointF(40, well.bottom()));
    s.text(QStringLiteral("ｈ"), QPointF(28, 158));

    s.leader(QPointF(224, 240), QPointF(186, 236));
    s.text(QStringLiteral("砕石層"), QPointF(227, 240), Qt::AlignLeft);

    s.text(QStringLiteral("Ｄ:直径"), QPointF(270, 105), Qt::AlignLeft);
    s.text(QStringLiteral("Ｈ:施工深さ"), QPointF(270, 128), Qt::AlignLeft);
    s.text(QStringLiteral("ｈ:有効深さ"), QPointF(270, 151), Qt::AlignLeft);
}

} // namespace akuenza
