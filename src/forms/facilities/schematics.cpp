#include "forms/facilities/schematics.h"

#include "forms/base/twips.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QPolygonF>
#include <QtMath>

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace akuenza {

namespace {
// Twips per pixel on a 96 dpi screen: the unit the drawings are composed in.
constexpr double kTwipsPerPixel = 15.0;
} // namespace

// The drawing vocabulary of the schematics, in the composition's coordinates.
// Lines go through the painter; captions are written in widget pixels in the
// window font, so they stay readable and sharp at any scale. Without a
// painter it only collects the captions, which is how Schematic::labels() and
// captions() learn what the drawing shows.
class Sketch {
public:
    Sketch(QPainter* painter, const QTransform& toWidget, const QFont& font)
        : p_(painter), toWidget_(toWidget), font_(font)
    {
    }

    const QList<Schematic::Caption>& captions() const { return captions_; }

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
        p_->setPen(QPen(QColor(70, 70, 70), 0.8));
        p_->setBrush(Qt::NoBrush);
        const QRectF box = layer.boundingRect();
        constexpr qreal step = 8.0;
        int row = 0;
        for (qreal y = box.top() + 3.0; y < box.bottom() + step; y += step * 0.8, ++row) {
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
        for (qreal x = x1 + 5; x <= x2; x += 6)
            p_->drawLine(QPointF(x, y), QPointF(x - 4, y + 4));
    }

    // A dimension line with arrowheads at both ends.
    void dimension(QPointF a, QPointF b)
    {
        if (!p_)
            return;
        p_->save();
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
        p_->setPen(QPen(QColor(90, 90, 90), 1.0));
        p_->drawLine(a, b);
        p_->restore();
    }

    // A leader from a caption to what it names, with a dot at the target.
    void leader(QPointF from, QPointF to)
    {
        if (!p_)
            return;
        p_->save();
        p_->drawLine(from, to);
        p_->setBrush(Qt::black);
        p_->drawEllipse(to, 1.5, 1.5);
        p_->restore();
    }

    // Water surface with its ▽ mark and the short strokes below it.
    void water(qreal x1, qreal x2, qreal y, qreal markX)
    {
        if (!p_)
            return;
        p_->drawLine(QPointF(x1, y), QPointF(x2, y));
        p_->drawPolygon(
            QPolygonF{QPointF(markX - 4, y - 8), QPointF(markX + 4, y - 8), QPointF(markX, y - 2)});
        p_->drawLine(QPointF(markX - 6, y + 3), QPointF(markX + 6, y + 3));
        p_->drawLine(QPointF(markX - 3, y + 6), QPointF(markX + 3, y + 6));
    }

    // A caption in the window font, centred vertically on `at`; horizontally
    // centred on it, starting at it (AlignLeft) or ending at it (AlignRight).
    void text(const QString& s, QPointF at, Qt::Alignment horizontal = Qt::AlignHCenter)
    {
        write(s, at, horizontal, font_);
    }

    // The heading of a drawing: the window font in bold.
    void title(const QString& s, QPointF at)
    {
        QFont bold = font_;
        bold.setBold(true);
        write(s, at, Qt::AlignHCenter, bold);
    }

    // Draws heavier lines for the faces that carry the water into the soil.
    void heavy(QPointF a, QPointF b)
    {
        if (!p_)
            return;
        p_->save();
        p_->setPen(QPen(Qt::black, 3.0, Qt::SolidLine, Qt::FlatCap));
        p_->drawLine(a, b);
        p_->restore();
    }

private:
    void write(const QString& s, QPointF at, Qt::Alignment horizontal, const QFont& font)
    {
        // Placed in whole widget pixels, so the glyphs are not smeared.
        const QFontMetrics metrics(font);
        const QPointF anchor = toWidget_.map(at);
        const int width = metrics.horizontalAdvance(s);
        const int height = metrics.height();
        int left = qRound(anchor.x() - width / 2.0);
        if (horizontal & Qt::AlignLeft)
            left = qRound(anchor.x());
        else if (horizontal & Qt::AlignRight)
            left = qRound(anchor.x()) - width;
        const QRect rect(left, qRound(anchor.y() - height / 2.0), width, height);
        captions_.push_back({s, rect});
        if (!p_)
            return;
        p_->save();
        p_->resetTransform();
        p_->setFont(font);
        p_->setPen(Qt::black);
        p_->drawText(rect, int(Qt::AlignCenter | Qt::TextDontClip), s);
        p_->restore();
    }

    void arrowhead(QPointF tip, QPointF outward)
    {
        const qreal length = std::hypot(outward.x(), outward.y());
        if (length <= 0)
            return;
        const QPointF d = outward / length;
        const QPointF n(-d.y(), d.x());
        p_->setBrush(Qt::black);
        p_->drawPolygon(QPolygonF{tip, tip - d * 6.0 + n * 2.2, tip - d * 6.0 - n * 2.2});
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
            const qreal radius = 1.7 + 0.22 * qreal(h >> (12 + 3 * k) & 7);
            const qreal angle = turn + k * 2 * M_PI / 5;
            points << centre + jitter * 0.5 + QPointF(std::cos(angle), std::sin(angle)) * radius;
        }
        return points;
    }

    QPainter* p_;
    QTransform toWidget_;
    QFont font_;
    QList<Schematic::Caption> captions_;
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
                         QPointF(outer.left() + wall, outer.bottom() - wall),
                         QPointF(outer.right() - wall, outer.bottom() - wall),
                         QPointF(outer.right() - wall, outer.top())});
    s.solidRect(QRectF(outer.left() - 2, outer.top() - 4, outer.width() + 4, 4), QColor(90, 90, 90));
}

} // namespace

// ---- Schematic ---------------------------------------------------------------

Schematic::Schematic(QSize panelTwips, QWidget* parent)
    : QWidget(parent),
      box_(panelTwips.width() / kTwipsPerPixel, panelTwips.height() / kTwipsPerPixel),
      panelTwips_(panelTwips)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
}

QStringList Schematic::labels() const
{
    QStringList texts;
    for (const Caption& caption : captions())
        texts << caption.text;
    return texts;
}

QList<Schematic::Caption> Schematic::captions() const
{
    Sketch sketch(nullptr, toWidget(), font());
    compose(sketch);
    return sketch.captions();
}

QSize Schematic::sizeHint() const
{
    return {twipsToPixels(panelTwips_.width()), twipsToPixels(panelTwips_.height())};
}

QSize Schematic::minimumSizeHint() const
{
    // Smaller, the captions (which keep the font's size) would run together.
    return sizeHint();
}

QTransform Schematic::toWidget() const
{
    if (box_.isEmpty() || width() <= 0 || height() <= 0)
        return {};
    const qreal scale = std::min(width() / box_.width(), height() / box_.height());
    // Centred in whole pixels, so that the lines of a 1:1 drawing stay crisp.
    const qreal dx = std::floor((width() - box_.width() * scale) / 2);
    const qreal dy = std::floor((height() - box_.height() * scale) / 2);
    return QTransform(scale, 0, 0, scale, dx, dy);
}

void Schematic::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    if (box_.isEmpty() || width() <= 0 || height() <= 0)
        return;
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    // A one-pixel line on whole coordinates then covers one row of pixels,
    // not half of two.
    p.setTransform(toWidget() * QTransform::fromTranslate(0.5, 0.5));
    p.setPen(QPen(Qt::black, 1.0));
    p.setBrush(Qt::NoBrush);
    Sketch sketch(&p, toWidget(), font());
    compose(sketch);
}

// ---- Square catch basin ---------------------------------------------------------

// Panel 348 x 152.
SquareBasinSchematic::SquareBasinSchematic(QWidget* parent) : Schematic(QSize(5220, 2280), parent) {}

void SquareBasinSchematic::compose(Sketch& s) const
{
    const QRectF stone(84, 20, 180, 94);
    const QRectF basin(124, 16, 100, 80);
    s.ground(6, stone.left(), stone.top());
    s.ground(stone.right(), 342, stone.top());
    s.stones(rectPath(stone).subtracted(rectPath(basin)));
    basinSection(s, basin, 6);
    s.text(QStringLiteral("排水桝"), QPointF(basin.center().x(), 44));
    s.text(QStringLiteral("(円又は角型)"), QPointF(basin.center().x(), 62));

    s.leader(QPointF(277, 70), QPointF(250, 84));
    s.text(QStringLiteral("砕石層"), QPointF(280, 70), Qt::AlignLeft);

    s.extension(QPointF(stone.left(), stone.bottom()), QPointF(64, stone.bottom()));
    s.dimension(QPointF(70, stone.top()), QPointF(70, stone.bottom()));
    s.text(QStringLiteral("Ｈ"), QPointF(57, stone.center().y()));

    s.extension(QPointF(stone.left(), stone.bottom()), QPointF(stone.left(), 130));
    s.extension(QPointF(stone.right(), stone.bottom()), QPointF(stone.right(), 130));
    s.dimension(QPointF(stone.left(), 124), QPointF(stone.right(), 124));
    s.text(QStringLiteral("Ｗ"), QPointF(stone.center().x(), 138));
}

// ---- Rectangular catch basin ------------------------------------------------------

// Panel 348 x 152.
RectangularBasinSchematic::RectangularBasinSchematic(QWidget* parent) : Schematic(QSize(5220, 2280), parent) {}

void RectangularBasinSchematic::compose(Sketch& s) const
{
    // Plan: the layer's length runs across, its width up and down.
    const QRectF plan(40, 34, 144, 76);
    const QRectF planBasin(plan.center().x() - 24, plan.center().y() - 24, 48, 48);
    s.stones(rectPath(plan).subtracted(rectPath(planBasin)));
    s.solidRect(planBasin);
    s.solidRect(planBasin.adjusted(6, 6, -6, -6));

    s.extension(QPointF(plan.left(), plan.top()), QPointF(16, plan.top()));
    s.extension(QPointF(plan.left(), plan.bottom()), QPointF(16, plan.bottom()));
    s.dimension(QPointF(22, plan.top()), QPointF(22, plan.bottom()));
    s.text(QStringLiteral("Ｗ"), QPointF(10, plan.center().y()));

    s.extension(QPointF(plan.left(), plan.bottom()), QPointF(plan.left(), 126));
    s.extension(QPointF(plan.right(), plan.bottom()), QPointF(plan.right(), 126));
    s.dimension(QPointF(plan.left(), 120), QPointF(plan.right(), 120));
    s.text(QStringLiteral("Ｌ"), QPointF(plan.center().x(), 134));

    // Section.
    const QRectF section(214, 48, 88, 68);
    const QRectF basin(231, 44, 54, 54);
    s.ground(196, section.left(), section.top());
    s.ground(section.right(), 332, section.top());
    s.stones(rectPath(section).subtracted(rectPath(basin)));
    basinSection(s, basin, 6);

    s.extension(QPointF(section.right(), section.bottom()), QPointF(332, section.bottom()));
    s.dimension(QPointF(326, section.top()), QPointF(326, section.bottom()));
    s.text(QStringLiteral("Ｈ"), QPointF(338, section.center().y()));

    s.leader(QPointF(168, 18), planBasin.center());
    s.leader(QPointF(206, 18), QPointF(basin.center().x(), 70));
    s.text(QStringLiteral("排水桝(円又は角型)"), QPointF(187, 9));

    s.leader(QPointF(188, 132), QPointF(176, 104));
    s.leader(QPointF(214, 132), QPointF(222, 108));
    s.text(QStringLiteral("砕石層"), QPointF(201, 139));
}

// ---- Circular catch basin -----------------------------------------------------------

// Panel 348 x 152.
CircularBasinSchematic::CircularBasinSchematic(QWidget* parent) : Schematic(QSize(5220, 2280), parent) {}

void CircularBasinSchematic::compose(Sketch& s) const
{
    // Plan: the circular layer with the basin in its centre.
    const QRectF plan(34, 10, 108, 108);
    const QPointF centre = plan.center();
    const QRectF planBasin(centre.x() - 24, centre.y() - 24, 48, 48);
    s.stones(ellipsePath(plan).subtracted(ellipsePath(planBasin)));
    s.solidEllipse(planBasin);
    s.solidEllipse(planBasin.adjusted(6, 6, -6, -6));

    s.extension(QPointF(plan.left(), centre.y()), QPointF(plan.left(), 132));
    s.extension(QPointF(plan.right(), centre.y()), QPointF(plan.right(), 132));
    s.dimension(QPointF(plan.left(), 126), QPointF(plan.right(), 126));
    s.text(QStringLiteral("Ｄ"), QPointF(centre.x(), 139));

    // Section.
    const QRectF section(196, 30, 122, 86);
    const QRectF basin(215, 26, 84, 74);
    s.ground(176, section.left(), section.top());
    s.ground(section.right(), 332, section.top());
    s.stones(rectPath(section).subtracted(rectPath(basin)));
    basinSection(s, basin, 6);
    s.text(QStringLiteral("排水桝"), QPointF(basin.center().x(), 50));
    s.text(QStringLiteral("(円又は角型)"), QPointF(basin.center().x(), 68));

    s.extension(QPointF(section.right(), section.bottom()), QPointF(332, section.bottom()));
    s.dimension(QPointF(326, section.top()), QPointF(326, section.bottom()));
    s.text(QStringLiteral("Ｈ"), QPointF(338, section.center().y()));

    s.leader(QPointF(160, 126), QPointF(124, 96));
    s.leader(QPointF(182, 126), QPointF(205, 108));
    s.text(QStringLiteral("砕石層"), QPointF(171, 134));
}

// ---- Infiltration side ditch ---------------------------------------------------

// A trench of crushed stone under the ground with its width and height.
static void trench(Sketch& s, const QRectF& stone)
{
    s.extension(QPointF(stone.left(), stone.bottom()), QPointF(18, stone.bottom()));
    s.dimension(QPointF(24, stone.top()), QPointF(24, stone.bottom()));
    s.text(QStringLiteral("Ｈ"), QPointF(12, stone.center().y()));

    s.extension(QPointF(stone.left(), stone.bottom()), QPointF(stone.left(), 124));
    s.extension(QPointF(stone.right(), stone.bottom()), QPointF(stone.right(), 124));
    s.dimension(QPointF(stone.left(), 118), QPointF(stone.right(), 118));
    s.text(QStringLiteral("Ｗ"), QPointF(stone.center().x(), 132));
}

// Panel 172 x 144.
SideDitchSchematic::SideDitchSchematic(QWidget* parent) : Schematic(QSize(2580, 2160), parent) {}

void SideDitchSchematic::compose(Sketch& s) const
{
    s.title(QStringLiteral("浸透側溝"), QPointF(86, 9));

    const QRectF stone(36, 30, 84, 78);
    const QRectF gutter(50, 26, 56, 58);
    constexpr qreal wall = 7;
    s.ground(6, stone.left(), stone.top());
    s.ground(stone.right(), 166, stone.top());
    s.stones(rectPath(stone).subtracted(rectPath(gutter)));
    s.solidRect(gutter);
    s.polyline(QPolygonF{QPointF(gutter.left() + wall, gutter.top()),
                         QPointF(gutter.left() + wall, gutter.bottom() - wall),
                         QPointF(gutter.right() - wall, gutter.bottom() - wall),
                         QPointF(gutter.right() - wall, gutter.top())});
    // Cover grating over the channel.
    s.solidRect(QRectF(gutter.left() - 2, gutter.top() - 4, gutter.width() + 4, 4), QColor(90, 90, 90));

    s.leader(QPointF(126, 84), QPointF(113, 92));
    s.text(QStringLiteral("砕石層"), QPointF(128, 84), Qt::AlignLeft);

    trench(s, stone);
}

// ---- Infiltration pipe --------------------------------------------------------------

// Panel 172 x 144.
InfiltrationPipeSchematic::InfiltrationPipeSchematic(QWidget* parent) : Schematic(QSize(2580, 2160), parent) {}

void InfiltrationPipeSchematic::compose(Sketch& s) const
{
    s.title(QStringLiteral("浸透管"), QPointF(86, 9));

    const QRectF stone(36, 30, 84, 78);
    const QPointF centre(stone.center().x(), 72);
    constexpr qreal outer = 25;
    constexpr qreal inner = 20;
    s.ground(6, stone.left(), stone.top());
    s.ground(stone.right(), 166, stone.top());
    s.stones(rectPath(stone));

    // The pipe wall, with its perforations.
    s.solidEllipse(QRectF(centre.x() - outer, centre.y() - outer, 2 * outer, 2 * outer), QColor(200, 200, 200));
    s.solidEllipse(QRectF(centre.x() - inner, centre.y() - inner, 2 * inner, 2 * inner));
    for (int k = 0; k < 12; ++k) {
        const qreal angle = k * M_PI / 6 + M_PI / 12;
        const QPointF hole = centre + QPointF(std::cos(angle), std::sin(angle)) * ((outer + inner) / 2);
        s.solidEllipse(QRectF(hole.x() - 1.5, hole.y() - 1.5, 3, 3));
    }

    s.leader(QPointF(126, 52), QPointF(113, 44));
    s.text(QStringLiteral("砕石層"), QPointF(128, 52), Qt::AlignLeft);

    trench(s, stone);
}

// ---- Permeable pavement and infiltration pond -----------------------------------

// Panel 348 x 160.
PavementPondSchematic::PavementPondSchematic(QWidget* parent) : Schematic(QSize(5220, 2400), parent) {}

void PavementPondSchematic::compose(Sketch& s) const
{
    // Permeable pavement at grade: surface course over the crushed-stone base,
    // the ground running on at its surface on both sides.
    s.title(QStringLiteral("透水性舗装"), QPointF(82, 9));
    const QRectF surface(40, 30, 84, 10);
    const QRectF base(40, 40, 84, 64);
    s.ground(6, surface.left(), surface.top());
    s.ground(surface.right(), 150, surface.top());
    s.solidRect(surface, QColor(185, 185, 185));
    s.stones(rectPath(base));
    s.heavy(base.bottomLeft(), base.bottomRight());

    s.leader(QPointF(132, 50), QPointF(116, 36));
    s.text(QStringLiteral("舗装"), QPointF(134, 50), Qt::AlignLeft);
    s.leader(QPointF(132, 76), QPointF(112, 84));
    s.text(QStringLiteral("砕石層"), QPointF(134, 76), Qt::AlignLeft);

    s.extension(QPointF(base.left(), base.top()), QPointF(20, base.top()));
    s.extension(QPointF(base.left(), base.bottom()), QPointF(20, base.bottom()));
    s.dimension(QPointF(26, base.top()), QPointF(26, base.bottom()));
    s.text(QStringLiteral("Ｈ"), QPointF(12, base.center().y()));

    // Infiltration pond: sloped sides, water surface, stone under the bottom.
    s.title(QStringLiteral("浸透池"), QPointF(261, 9));
    constexpr qreal top = 30;
    constexpr qreal bottom = 94;
    constexpr qreal waterLevel = 46;
    const QPointF topLeft(210, top), bottomLeft(232, bottom), bottomRight(290, bottom), topRight(312, top);
    s.ground(190, topLeft.x(), top);
    s.ground(topRight.x(), 332, top);
    s.polyline(QPolygonF{topLeft, bottomLeft, bottomRight, topRight});
    const qreal run = (bottomLeft.x() - topLeft.x()) * (waterLevel - top) / (bottom - top);
    s.water(topLeft.x() + run, topRight.x() - run, waterLevel, 244);
    s.stones(rectPath(QRectF(222, bottom, 78, 14)));
    s.heavy(bottomLeft, bottomRight);

    s.extension(QPointF(topRight.x() - run, waterLevel), QPointF(332, waterLevel));
    s.extension(bottomRight, QPointF(332, bottom));
    s.dimension(QPointF(326, waterLevel), QPointF(326, bottom));
    s.text(QStringLiteral("Ｈ"), QPointF(338, (waterLevel + bottom) / 2));

    s.text(QStringLiteral("浸透面　底面"), QPointF(174, 146));
}

// ---- Infiltration (suction) well ----------------------------------------------------

// Panel 348 x 164.
InfiltrationWellSchematic::InfiltrationWellSchematic(QWidget* parent) : Schematic(QSize(5220, 2460), parent) {}

void InfiltrationWellSchematic::compose(Sketch& s) const
{
    s.title(QStringLiteral("浸透井（吸込槽）"), QPointF(174, 9));

    constexpr qreal groundLevel = 32;
    const QRectF pit(70, groundLevel, 100, 120);
    const QRectF well(92, 28, 56, 106);
    constexpr qreal wall = 6;
    constexpr qreal pipeTop = 46;
    constexpr qreal pipeInvert = 54;

    s.ground(6, pit.left(), groundLevel);
    s.ground(pit.right(), 204, groundLevel);
    s.stones(rectPath(pit).subtracted(rectPath(well)));
    // The well's walls; its bottom is open to the stone.
    s.solidRect(QRectF(well.left(), well.top(), wall, well.height()));
    s.solidRect(QRectF(well.right() - wall, well.top(), wall, well.height()));
    s.solidRect(QRectF(well.left() - 2, well.top() - 4, well.width() + 4, 4), QColor(90, 90, 90));
    // Inflow pipe through the soil and the stone into the well.
    s.solidRect(QRectF(6, pipeTop, well.left() + wall - 6, pipeInvert - pipeTop));

    s.dimension(QPointF(well.left() + wall, 124), QPointF(well.right() - wall, 124));
    s.text(QStringLiteral("Ｄ"), QPointF(well.center().x(), 111));

    s.extension(QPointF(well.right(), well.bottom()), QPointF(188, well.bottom()));
    s.dimension(QPointF(182, groundLevel), QPointF(182, well.bottom()));
    s.text(QStringLiteral("Ｈ"), QPointF(194, (groundLevel + well.bottom()) / 2));

    s.extension(QPointF(well.left(), well.bottom()), QPointF(40, well.bottom()));
    s.dimension(QPointF(46, pipeInvert), QPointF(46, well.bottom()));
    s.text(QStringLiteral("ｈ"), QPointF(34, (pipeInvert + well.bottom()) / 2));

    s.leader(QPointF(193, 145), QPointF(162, 146));
    s.text(QStringLiteral("砕石層"), QPointF(196, 145), Qt::AlignLeft);

    s.text(QStringLiteral("Ｄ:直径"), QPointF(244, 62), Qt::AlignLeft);
    s.text(QStringLiteral("Ｈ:施工深さ"), QPointF(244, 82), Qt::AlignLeft);
    s.text(QStringLiteral("ｈ:有効深さ"), QPointF(244, 102), Qt::AlignLeft);
}

} // namespace akuenza
