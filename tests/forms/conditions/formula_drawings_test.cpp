// The drawn formulas: fraction bars, root signs and raised exponents stand
// where an engineer writes them, and a drawing stays inside its widget.
#include "forms/conditions/formula_drawings.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

#include <algorithm>

using namespace akuenza;

namespace {

constexpr qreal kSize = 20.0;

std::vector<const FormulaMark*> marksOf(const Formula::Layout& layout, FormulaMark::Kind kind)
{
    std::vector<const FormulaMark*> out;
    for (const FormulaMark& m : layout.marks)
        if (m.kind == kind)
            out.push_back(&m);
    return out;
}

// The n-th text piece reading s.
const FormulaMark* textOf(const Formula::Layout& layout, const char* s, int n = 0)
{
    for (const FormulaMark* m : marksOf(layout, FormulaMark::Kind::Text))
        if (m->text == QString::fromUtf8(s) && n-- == 0)
            return m;
    return nullptr;
}

struct Ink {
    int count = 0;
    QRect bounds;
};

Ink inkOf(const QImage& image)
{
    Ink ink;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) < 128) {
                ++ink.count;
                ink.bounds |= QRect(x, y, 1, 1);
            }
    return ink;
}

QImage render(FormulaDrawing& drawing, QSize size, qreal pixelRatio = 1.0)
{
    drawing.resize(size);
    QImage image(size * pixelRatio, QImage::Format_RGB32);
    image.setDevicePixelRatio(pixelRatio);
    image.fill(Qt::white);
    QPalette p = drawing.palette();
    p.setColor(QPalette::WindowText, Qt::black);
    drawing.setPalette(p);
    drawing.render(&image);
    return image;
}

} // namespace

TEST(FormulaDrawings, EveryIntensityFormulaIsAFractionOfAOverItsDenominator)
{
    for (int k = 1; k <= 6; ++k) {
        SCOPED_TRACE(k);
        const Formula::Layout l = rainfallFormula(static_cast<RainfallFormula>(k)).layout(kSize);
        const auto bars = marksOf(l, FormulaMark::Kind::Bar);
        ASSERT_EQ(bars.size(), 1u);
        const QRectF bar = bars[0]->box;
        const FormulaMark* a = textOf(l, "a");
        const FormulaMark* t = textOf(l, "t");
        const FormulaMark* I = textOf(l, "I");
        ASSERT_TRUE(a && t && I);
        EXPECT_LE(a->baseline.y(), bar.top());            // a stands above the bar
        EXPECT_GT(t->box.top(), bar.top() - kSize * 0.2); // t below it
        EXPECT_GT(t->baseline.y(), bar.bottom());
        EXPECT_LT(bar.top(), 0.0); // the bar stands at the height of the equals sign
        EXPECT_GT(bar.top(), -kSize * 0.6);
        EXPECT_LT(I->box.right(), bar.left());
        qreal left = bar.right(), right = bar.left();
        for (const FormulaMark& m : l.marks)
            if (m.kind != FormulaMark::Kind::Bar && m.box.left() >= bar.left() - 0.5) {
                left = std::min(left, m.box.left());
                right = std::max(right, m.box.right());
            }
        EXPECT_LE(bar.left(), left); // the bar spans all it divides
        EXPECT_GE(bar.right() + 0.5, right);
    }
}

TEST(FormulaDrawings, TheRootCoversTAndExponentsAreRaisedAndSmaller)
{
    for (RainfallFormula f : {RainfallFormula::Two, RainfallFormula::Three}) {
        const Formula::Layout l = rainfallFormula(f).layout(kSize);
        const auto roots = marksOf(l, FormulaMark::Kind::Radical);
        ASSERT_EQ(roots.size(), 1u);
        const FormulaMark* t = textOf(l, "t");
        EXPECT_LT(roots[0]->box.left(), t->box.left());
        EXPECT_GE(roots[0]->box.right(), t->box.right() - 0.5);
        EXPECT_LT(roots[0]->box.top(), t->baseline.y() - kSize * 0.6);
        EXPECT_LT(roots[0]->box.right(), textOf(l, "b")->box.left()); // b stays outside the root
    }

    const Formula::Layout four = rainfallFormula(RainfallFormula::Four).layout(kSize);
    const FormulaMark* t = textOf(four, "t");
    const FormulaMark* b = textOf(four, "b");
    EXPECT_LT(b->baseline.y(), t->baseline.y() - kSize * 0.3);
    EXPECT_LT(b->font.pixelSize(), t->font.pixelSize());
    EXPECT_GE(b->box.left(), t->box.right() - 0.5);

    // In ⑤ the exponent reads d/c: d left of the slash, c right of it.
    const Formula::Layout five = rainfallFormula(RainfallFormula::Five).layout(kSize);
    const FormulaMark* d = textOf(five, "d");
    const FormulaMark* slash = textOf(five, "/");
    const FormulaMark* c = textOf(five, "c");
    EXPECT_LT(d->box.left(), slash->box.left());
    EXPECT_LT(slash->box.left(), c->box.left());
    EXPECT_LT(c->baseline.y(), textOf(five, "t")->baseline.y() - kSize * 0.3);
}

TEST(FormulaDrawings, KerbysParenthesesHoldBothFractionsWithTheExponentOutside)
{
    const Formula::Layout l = kerbyFormula().layout(kSize);
    const auto parens = marksOf(l, FormulaMark::Kind::Paren);
    ASSERT_EQ(parens.size(), 2u);
    const auto bars = marksOf(l, FormulaMark::Kind::Bar);
    ASSERT_EQ(bars.size(), 2u);
    for (const FormulaMark* bar : bars) {
        EXPECT_GT(bar->box.left(), parens[0]->box.right() - 1);
        EXPECT_LT(bar->box.right(), parens[1]->box.left() + 1);
    }
    const FormulaMark* exponent = textOf(l, "0.467");
    ASSERT_TRUE(exponent);
    EXPECT_GE(exponent->box.left(), parens[1]->box.right() - 0.5);
    EXPECT_LT(exponent->baseline.y(), -kSize * 0.3);
    ASSERT_EQ(marksOf(l, FormulaMark::Kind::Radical).size(), 1u); // √S
    EXPECT_TRUE(textOf(l, "S"));
}

TEST(FormulaDrawings, ADrawingStaysInsideItsWidgetAndIsSharpAtTwiceThePixels)
{
    FormulaDrawing drawing(rainfallFormula(RainfallFormula::Six));
    const QSize natural = drawing.sizeHint();
    const Ink atNatural = inkOf(render(drawing, natural));
    ASSERT_GT(atNatural.count, 50);
    EXPECT_TRUE(QRect(QPoint(0, 0), natural).contains(atNatural.bounds));

    // Narrower than its natural size it shrinks to fit instead of being cut.
    const QSize narrow(natural.width() * 6 / 10, natural.height());
    const Ink shrunk = inkOf(render(drawing, narrow));
    EXPECT_LT(drawing.fittedPixelSize(), FormulaDrawing::kNaturalPixelSize);
    EXPECT_LT(shrunk.bounds.right(), narrow.width() - 1);
    EXPECT_GT(shrunk.count, atNatural.count / 4);

    // On a screen with twice the pixels it is drawn with them, not enlarged.
    const Ink sharp = inkOf(render(drawing, natural, 2.0));
    EXPECT_GT(sharp.count, atNatural.count * 3);
    EXPECT_TRUE(QRect(QPoint(0, 0), natural * 2).contains(sharp.bounds));
}
