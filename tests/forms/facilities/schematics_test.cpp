// The facility drawings: what they say, that they fill the panel their dialog
// gives them and draw inside it at any size, that their captions are written
// at the window font's size without running into each other, and that their
// Japanese text has glyphs.
#include "support/form_test.h"

#include "forms/facilities/circular_basin_dialog.h"
#include "forms/facilities/ditch_pipe_dialog.h"
#include "forms/facilities/infiltration_well_dialog.h"
#include "forms/facilities/pavement_pond_dialog.h"
#include "forms/facilities/rect_basin_dialog.h"
#include "forms/facilities/schematics.h"
#include "forms/facilities/square_basin_dialog.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QRawFont>
#include <QSet>
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <ostream>
#include <vector>

using namespace akuenza;

namespace {

struct Drawing {
    const char* name;
    std::function<std::unique_ptr<Schematic>()> make;
    QStringList labels;
};

template <typename T>
std::function<std::unique_ptr<Schematic>()> maker()
{
    return [] { return std::make_unique<T>(); };
}

std::vector<Drawing> drawings()
{
    return {
        {"SquareBasin", maker<SquareBasinSchematic>(),
         {u"排水桝"_qs, u"(円又は角型)"_qs, u"砕石層"_qs, u"Ｗ"_qs, u"Ｈ"_qs}},
        {"RectangularBasin", maker<RectangularBasinSchematic>(),
         {u"排水桝(円又は角型)"_qs, u"砕石層"_qs, u"Ｗ"_qs, u"Ｌ"_qs, u"Ｈ"_qs}},
        {"CircularBasin", maker<CircularBasinSchematic>(),
         {u"排水桝"_qs, u"(円又は角型)"_qs, u"砕石層"_qs, u"Ｄ"_qs, u"Ｈ"_qs}},
        {"SideDitch", maker<SideDitchSchematic>(), {u"浸透側溝"_qs, u"砕石層"_qs, u"Ｗ"_qs, u"Ｈ"_qs}},
        {"InfiltrationPipe", maker<InfiltrationPipeSchematic>(), {u"浸透管"_qs, u"砕石層"_qs, u"Ｗ"_qs, u"Ｈ"_qs}},
        {"PavementPond", maker<PavementPondSchematic>(),
         {u"透水性舗装"_qs, u"浸透池"_qs, u"舗装"_qs, u"砕石層"_qs, u"Ｈ"_qs, u"Ｈ"_qs, u"浸透面　底面"_qs}},
        {"InfiltrationWell", maker<InfiltrationWellSchematic>(),
         {u"浸透井（吸込槽）"_qs, u"砕石層"_qs, u"Ｄ:直径"_qs, u"Ｈ:施工深さ"_qs, u"ｈ:有効深さ"_qs, u"Ｄ"_qs,
          u"Ｈ"_qs, u"ｈ"_qs}},
    };
}

bool dark(QRgb pixel)
{
    return qGray(pixel) < 128;
}

struct Ink {
    int count = 0;
    QRect bounds;          // of the dark pixels
    int edgeCount = 0;     // dark pixels in the outermost two rows and columns
};

Ink inkOf(const QImage& image)
{
    Ink ink;
    int left = image.width(), top = image.height(), right = -1, bottom = -1;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (!dark(image.pixel(x, y)))
                continue;
            ++ink.count;
            left = std::min(left, x);
            right = std::max(right, x);
            top = std::min(top, y);
            bottom = std::max(bottom, y);
            if (x < 2 || y < 2 || x >= image.width() - 2 || y >= image.height() - 2)
                ++ink.edgeCount;
        }
    }
    if (right >= 0)
        ink.bounds = QRect(QPoint(left, top), QPoint(right, bottom));
    return ink;
}

QImage render(Schematic& schematic, QSize size)
{
    schematic.resize(size);
    return schematic.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// Names the drawing in failure messages instead of dumping its bytes.
void PrintTo(const Drawing& drawing, std::ostream* os)
{
    *os << drawing.name;
}

class SchematicDrawing : public ::testing::TestWithParam<Drawing> {};

} // namespace

TEST_P(SchematicDrawing, ShowsExactlyItsLabels)
{
    const auto schematic = GetParam().make();
    QStringList shown = schematic->labels();
    QStringList expected = GetParam().labels;
    shown.sort();
    expected.sort();
    EXPECT_EQ(shown, expected);
}

TEST_P(SchematicDrawing, FillsThePanelItIsComposedFor)
{
    const auto schematic = GetParam().make();
    const QSize panel = schematic->sizeHint();
    EXPECT_EQ(schematic->minimumSizeHint(), panel);
    const Ink ink = inkOf(render(*schematic, panel));
    ASSERT_FALSE(ink.bounds.isEmpty());
    EXPECT_GE(ink.bounds.width(), panel.width() * 85 / 100);
    EXPECT_GE(ink.bounds.height(), panel.height() * 85 / 100);
}

TEST_P(SchematicDrawing, DrawsInsideItsWidgetAtEverySize)
{
    const auto schematic = GetParam().make();
    const QSize hint = schematic->sizeHint();
    for (const QSize size : {hint, hint * 2, QSize(hint.width() * 2, hint.height()),
                             QSize(hint.width(), hint.height() * 2), hint + QSize(1, 1)}) {
        SCOPED_TRACE(QStringLiteral("%1x%2").arg(size.width()).arg(size.height()).toStdString());
        const QImage image = render(*schematic, size);
        ASSERT_EQ(image.size(), size);
        const Ink ink = inkOf(image);
        // Lines and text are there, on a white ground...
        EXPECT_GT(ink.count, size.width() * size.height() / 200);
        EXPECT_EQ(image.pixel(0, 0), qRgb(255, 255, 255));
        EXPECT_EQ(image.pixel(size.width() - 1, size.height() - 1), qRgb(255, 255, 255));
        // ...and nothing runs into the widget's edges, where it would be cut off.
        EXPECT_EQ(ink.edgeCount, 0);
        for (const Schematic::Caption& caption : schematic->captions())
            EXPECT_TRUE(schematic->rect().adjusted(2, 2, -2, -2).contains(caption.rect)) << caption.text.toStdString();
    }
}

TEST_P(SchematicDrawing, WritesItsCaptionsAtTheWindowFontSize)
{
    const auto schematic = GetParam().make();
    const QFontMetrics window(schematic->font());
    const int em = QFontInfo(schematic->font()).pixelSize();
    for (const QSize size : {schematic->sizeHint(), schematic->sizeHint() * 2}) {
        SCOPED_TRACE(QStringLiteral("%1x%2").arg(size.width()).arg(size.height()).toStdString());
        const QImage image = render(*schematic, size);
        const QList<Schematic::Caption> captions = schematic->captions();
        ASSERT_EQ(captions.size(), GetParam().labels.size());
        for (const Schematic::Caption& caption : captions) {
            SCOPED_TRACE(caption.text.toStdString());
            EXPECT_EQ(caption.rect.height(), window.height());
            // The glyphs drawn there are as tall as the window font's: a
            // caption scaled down with the lines would be a few pixels high.
            const Ink ink = inkOf(image.copy(caption.rect));
            ASSERT_FALSE(ink.bounds.isEmpty());
            EXPECT_GE(ink.bounds.height(), em * 6 / 10);
        }
        // Each caption has a place of its own.
        for (qsizetype i = 0; i < captions.size(); ++i)
            for (qsizetype j = i + 1; j < captions.size(); ++j)
                EXPECT_FALSE(captions[i].rect.intersects(captions[j].rect))
                    << captions[i].text.toStdString() << " runs into " << captions[j].text.toStdString();
    }
}

TEST_P(SchematicDrawing, KeepsItsProportionsAndStaysCentred)
{
    const auto schematic = GetParam().make();
    const QSize hint = schematic->sizeHint();
    const Ink natural = inkOf(render(*schematic, hint));
    ASSERT_FALSE(natural.bounds.isEmpty());

    for (const QSize size : {QSize(hint.width() * 3, hint.height()), QSize(hint.width(), hint.height() * 3)}) {
        SCOPED_TRACE(QStringLiteral("%1x%2").arg(size.width()).arg(size.height()).toStdString());
        const Ink stretched = inkOf(render(*schematic, size));
        ASSERT_FALSE(stretched.bounds.isEmpty());
        // Drawn as at its own size, centred in the extra room.
        EXPECT_EQ(stretched.bounds.size(), natural.bounds.size());
        const QPoint offset = stretched.bounds.center() - natural.bounds.center();
        EXPECT_NEAR(offset.x(), (size.width() - hint.width()) / 2, 1);
        EXPECT_NEAR(offset.y(), (size.height() - hint.height()) / 2, 1);
    }
}

INSTANTIATE_TEST_SUITE_P(Facilities, SchematicDrawing, ::testing::ValuesIn(drawings()),
                         [](const ::testing::TestParamInfo<Drawing>& info) { return std::string(info.param.name); });

TEST(SchematicText, WidgetFontHasGlyphsForEveryLabel)
{
    SquareBasinSchematic widget;
    const QFont font = widget.font();
    const QFontInfo info(font);
    ASSERT_FALSE(info.family().isEmpty());
    const QRawFont raw = QRawFont::fromFont(QFont(info.family(), font.pointSize()));
    ASSERT_TRUE(raw.isValid()) << info.family().toStdString();

    QSet<QChar> characters;
    for (const Drawing& drawing : drawings()) {
        for (const QString& label : drawing.labels) {
            for (QChar c : label)
                characters.insert(c);
        }
    }
    for (QChar c : characters) {
        EXPECT_TRUE(raw.supportsCharacter(c))
            << info.family().toStdString() << " lacks U+" << std::hex << int(c.unicode());
    }
}

TEST(SchematicText, CrushedStoneRendersAsThreeDistinctGlyphs)
{
    // A font without Japanese glyphs would draw the same empty box three times.
    SquareBasinSchematic widget;
    QList<QImage> glyphs;
    for (QChar c : u"砕石層"_qs) {
        QImage image(32, 32, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter p(&image);
        QFont font = widget.font();
        font.setPixelSize(24);
        p.setFont(font);
        p.setPen(Qt::black);
        p.drawText(image.rect(), Qt::AlignCenter, QString(c));
        p.end();
        EXPECT_GT(inkOf(image).count, 30) << "U+" << std::hex << int(c.unicode());
        glyphs << image;
    }
    ASSERT_EQ(glyphs.size(), 3);
    EXPECT_NE(glyphs[0], glyphs[1]);
    EXPECT_NE(glyphs[1], glyphs[2]);
    EXPECT_NE(glyphs[0], glyphs[2]);
}

namespace akuenza::test {

using SchematicPanels = FormTest;

TEST_F(SchematicPanels, EachDrawingIsComposedForThePanelItsDialogGivesIt)
{
    const std::vector<QWidget*> dialogs = {&app().form<Form2>(), &app().form<Form5>(), &app().form<Form6>(),
                                           &app().form<Form14>(), &app().form<Form15>(), &app().form<Form18>()};
    int drawings = 0;
    for (QWidget* dialog : dialogs) {
        for (const Schematic* drawing : dialog->findChildren<Schematic*>()) {
            EXPECT_EQ(drawing->size(), drawing->sizeHint())
                << dialog->objectName().toStdString() << " " << drawing->metaObject()->className();
            ++drawings;
        }
    }
    EXPECT_EQ(drawings, 7);
}

} // namespace akuenza::test
