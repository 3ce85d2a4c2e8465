#include "forms/conditions/formula_drawings.h"

#include "forms/base/fonts.h"

#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>

namespace akuenza {

struct Formula::Node {
    enum class Kind { Variable, Upright, Japanese, Row, Fraction, Root, Power, Parens };
    Kind kind;
    QString text;
    std::vector<Formula> items;
};

namespace {

using Node = Formula::Node;
using Layout = Formula::Layout;

// Proportions of the drawing, as fractions of the font size.
constexpr qreal kScriptScale = 0.7;  // exponents
constexpr qreal kAxis = 0.3;         // height of the fraction bar above the baseline
constexpr qreal kRule = 0.06;        // thickness of bars and strokes
constexpr qreal kGap = 0.14;         // space between a bar and what it separates
constexpr qreal kOverhang = 0.12;    // the bar reaches this far beyond the wider part
constexpr qreal kRaise = 0.45;       // exponent baseline above the base baseline

QFont serifFont(qreal pixelSize, bool italic)
{
    QFont font;
    font.setFamilies({QStringLiteral("Times New Roman"), QStringLiteral("DejaVu Serif"), QStringLiteral("serif")});
    font.setPixelSize(std::max(1, qRound(pixelSize)));
    font.setItalic(italic);
    return font;
}

QFont japaneseFont(qreal pixelSize)
{
    QFont font;
    font.setFamilies({QStringLiteral("ＭＳ Ｐ明朝"), QStringLiteral("IPAPMincho"), QStringLiteral("IPA P明朝"),
                      QString::fromUtf8(kMincho)});
    font.setPixelSize(std::max(1, qRound(pixelSize)));
    return font;
}

void shift(std::vector<FormulaMark>& marks, QPointF by)
{
    for (FormulaMark& m : marks) {
        m.baseline += by;
        m.box.translate(by);
        m.path.translate(by);
    }
}

void append(Layout& into, Layout part, QPointF at)
{
    shift(part.marks, at);
    for (FormulaMark& m : part.marks)
        into.marks.push_back(std::move(m));
}

Layout layoutNode(const Node& node, qreal size);

Layout layoutText(const Node& node, qreal size)
{
    const QFont font = node.kind == Node::Kind::Japanese ? japaneseFont(size)
                                                         : serifFont(size, node.kind == Node::Kind::Variable);
    const QFontMetricsF fm(font);
    Layout out;
    out.width = fm.horizontalAdvance(node.text);
    if (node.kind == Node::Kind::Variable)
        out.width += size * 0.06; // room for the slant of an italic letter
    out.ascent = fm.ascent();
    out.descent = fm.descent();
    FormulaMark mark;
    mark.kind = FormulaMark::Kind::Text;
    mark.text = node.text;
    mark.font = font;
    mark.baseline = QPointF(0, 0);
    mark.box = QRectF(0, -out.ascent, out.width, out.height());
    out.marks.push_back(mark);
    return out;
}

Layout layoutRow(const Node& node, qreal size)
{
    Layout out;
    for (const Formula& item : node.items) {
        Layout part = item.layout(size);
        const qreal x = out.width;
        out.width += part.width;
        out.ascent = std::max(out.ascent, part.ascent);
        out.descent = std::max(out.descent, part.descent);
        append(out, std::move(part), QPointF(x, 0));
    }
    return out;
}

Layout layoutFraction(const Node& node, qreal size)
{
    Layout num = node.items[0].layout(size);
    Layout den = node.items[1].layout(size);
    const qreal rule = std::max<qreal>(1.0, size * kRule);
    const qreal axis = size * kAxis;
    const qreal gap = size * kGap;
    const qreal width = std::max(num.width, den.width) + 2 * size * kOverhang;

    Layout out;
    out.width = width;
    const qreal barTop = -axis - rule / 2;
    const qreal numBaseline = barTop - gap - num.descent;
    const qreal denBaseline = barTop + rule + gap + den.ascent;
    out.ascent = -(numBaseline - num.ascent);
    out.descent = denBaseline + den.descent;
    FormulaMark bar;
    bar.kind = FormulaMark::Kind::Bar;
    bar.box = QRectF(0, barTop, width, rule);
    out.marks.push_back(bar);
    append(out, std::move(num), QPointF((width - num.width) / 2, numBaseline));
    append(out, std::move(den), QPointF((width - den.width) / 2, denBaseline));
    return out;
}

Layout layoutRoot(const Node& node, qreal size)
{
    Layout inner = node.items[0].layout(size);
    const qreal rule = std::max<qreal>(1.0, size * kRule);
    const qreal gap = size * kGap * 0.6;
    const qreal sign = size * 0.55;
    const qreal top = -inner.ascent - gap - rule / 2;
    const qreal bottom = inner.descent;
    const qreal height = bottom - top;

    Layout out;
    out.width = sign + inner.width + size * 0.08;
    out.ascent = -top + rule;
    out.descent = bottom + rule;
    FormulaMark radical;
    radical.kind = FormulaMark::Kind::Radical;
    radical.stroke = rule;
    radical.path.moveTo(0, bottom - height * 0.42);
    radical.path.lineTo(sign * 0.28, bottom - height * 0.5);
    radical.path.lineTo(sign * 0.62, bottom);
    radical.path.lineTo(sign, top);
    radical.path.lineTo(out.width, top);
    radical.box = radical.path.boundingRect();
    out.marks.push_back(radical);
    append(out, std::move(inner), QPointF(sign + size * 0.04, 0));
    return out;
}

Layout layoutPower(const Node& node, qreal size)
{
    Layout base = node.items[0].layout(size);
    Layout exponent = node.items[1].layout(size * kScriptScale);
    const qreal raise = size * kRaise;
    Layout out;
    out.width = base.width + size * 0.03 + exponent.width;
    out.ascent = std::max(base.ascent, raise + exponent.ascent);
    out.descent = std::max(base.descent, exponent.descent - raise);
    const qreal x = base.width + size * 0.03;
    append(out, std::move(base), QPointF(0, 0));
    append(out, std::move(exponent), QPointF(x, -raise));
    return out;
}

FormulaMark paren(qreal left, qreal top, qreal bottom, qreal width, qreal rule, bool opening)
{
    FormulaMark mark;
    mark.kind = FormulaMark::Kind::Paren;
    mark.stroke = rule;
    const qreal outer = opening ? left + width * 0.85 : left + width * 0.15;
    const qreal bulge = opening ? left + width * 0.1 : left + width * 0.9;
    const qreal h = bottom - top;
    mark.path.moveTo(outer, top);
    mark.path.cubicTo(bulge, top + h * 0.22, bulge, bottom - h * 0.22, outer, bottom);
    mark.box = QRectF(left, top, width, h);
    return mark;
}

Layout layoutParens(const Node& node, qreal size)
{
    Layout inner = node.items[0].layout(size);
    const qreal rule = std::max<qreal>(1.0, size * kRule * 1.1);
    const qreal width = size * 0.32;
    const qreal pad = size * 0.06;
    const qreal extra = size * 0.06;
    Layout out;
    out.ascent = inner.ascent + extra;
    out.descent = inner.descent + extra;
    out.width = width + pad + inner.width + pad + width;
    out.marks.push_back(paren(0, -out.ascent, out.descent, width, rule, true));
    out.marks.push_back(paren(out.width - width, -out.ascent, out.descent, width, rule, false));
    append(out, std::move(inner), QPointF(width + pad, 0));
    return out;
}

Layout layoutNode(const Node& node, qreal size)
{
    switch (node.kind) {
    case Node::Kind::Variable:
    case Node::Kind::Upright:
    case Node::Kind::Japanese: return layoutText(node, size);
    case Node::Kind::Row: return layoutRow(node, size);
    case Node::Kind::Fraction: return layoutFraction(node, size);
    case Node::Kind::Root: return layoutRoot(node, size);
    case Node::Kind::Power: return layoutPower(node, size);
    case Node::Kind::Parens: return layoutParens(node, size);
    }
    return {};
}

} // namespace

// ---------------------------------------------------------------- Formula

Formula Formula::variable(const QString& text)
{
    return Formula(std::make_shared<const Node>(Node{Node::Kind::Variable, text, {}}));
}

Formula Formula::upright(const QString& text)
{
    return Formula(std::make_shared<const Node>(Node{Node::Kind::Upright, text, {}}));
}

Formula Formula::japanese(const QString& text)
{
    return Formula(std::make_shared<const Node>(Node{Node::Kind::Japanese, text, {}}));
}

Formula Formula::row(std::vector<Formula> items)
{
    return Formula(std::make_shared<const Node>(Node{Node::Kind::Row, {}, std::move(items)}));
}

Formula Formula::fraction(Formula numerator, Formula denominator)
{
    return Formula(std::make_shared<const Node>(
        Node{Node::Kind::Fraction, {}, {std::move(numerator), std::move(denominator)}}));
}

Formula Formula::root(Formula radicand)
{
    return Formula(std::make_shared<const Node>(Node{Node::Kind::Root, {}, {std::move(radicand)}}));
}

Formula Formula::power(Formula base, Formula exponent)
{
    return Formula(
        std::make_shared<const Node>(Node{Node::Kind::Power, {}, {std::move(base), std::move(exponent)}}));
}

Formula Formula::parens(Formula inner)
{
    return Formula(std::make_shared<const Node>(Node{Node::Kind::Parens, {}, {std::move(inner)}}));
}

Formula::Layout Formula::layout(qreal pixelSize) const { return layoutNode(*node_, pixelSize); }

QStringList Formula::texts() const
{
    QStringList out;
    for (const FormulaMark& m : layout(FormulaDrawing::kNaturalPixelSize).marks)
        if (m.kind == FormulaMark::Kind::Text)
            out << m.text;
    return out;
}

void paintFormula(QPainter& painter, const Formula::Layout& layout, QPointF origin)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.translate(origin);
    const QColor ink = painter.pen().color();
    for (const FormulaMark& m : layout.marks) {
        switch (m.kind) {
        case FormulaMark::Kind::Text:
            painter.setFont(m.font);
            painter.setPen(ink);
            painter.drawText(m.baseline, m.text);
            break;
        case FormulaMark::Kind::Bar:
            painter.fillRect(m.box, ink);
            break;
        case FormulaMark::Kind::Radical:
        case FormulaMark::Kind::Paren:
            painter.strokePath(m.path, QPen(ink, m.stroke, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
            break;
        }
    }
    painter.restore();
}

// --------------------------------------------------------- FormulaDrawing

FormulaDrawing::FormulaDrawing(Formula formula, QWidget* parent) : QWidget(parent), formula_(std::move(formula)) {}

qreal FormulaDrawing::fittedPixelSize() const
{
    const Formula::Layout natural = formula_.layout(kNaturalPixelSize);
    if (natural.width <= 0 || natural.height() <= 0)
        return kNaturalPixelSize;
    const qreal fit = std::min({1.0, (width() - 2.0) / natural.width, (height() - 2.0) / natural.height()});
    qreal size = kNaturalPixelSize * std::max<qreal>(fit, 0.1);
    // Text metrics do not scale quite linearly: shrink until it fits.
    for (int i = 0; i < 8; ++i) {
        const Formula::Layout at = formula_.layout(size);
        if (at.width <= width() - 2.0 && at.height() <= height() - 2.0)
            break;
        size *= 0.95;
    }
    return size;
}

QSize FormulaDrawing::sizeHint() const
{
    const Formula::Layout natural = formula_.layout(kNaturalPixelSize);
    return QSize(qCeil(natural.width) + 2, qCeil(natural.height()) + 2);
}

void FormulaDrawing::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    const Formula::Layout layout = formula_.layout(fittedPixelSize());
    const qreal top = (height() - layout.height()) / 2;
    paintFormula(painter, layout, QPointF(1.0, top + layout.ascent));
}

// ------------------------------------------------- the hydrology formulas

namespace {

using F = Formula;

F var(const char* s) { return F::variable(QString::fromUtf8(s)); }
F up(const char* s) { return F::upright(QString::fromUtf8(s)); }
F jp(const char* s) { return F::japanese(QString::fromUtf8(s)); }

} // namespace

Formula rainfallFormula(RainfallFormula formula)
{
    const F sqrtT = F::root(var("t"));
    const F tPowerDc = F::power(var("t"), F::row({var("d"), up("/"), var("c")}));
    F denominator = F::row({var("t"), up(" + "), var("b")});
    switch (formula) {
    case RainfallFormula::One: break;
    case RainfallFormula::Two: denominator = F::row({sqrtT, up(" + "), var("b")}); break;
    case RainfallFormula::Three: denominator = F::row({sqrtT, up(" − "), var("b")}); break;
    case RainfallFormula::Four: denominator = F::power(var("t"), var("b")); break;
    case RainfallFormula::Five: denominator = F::row({tPowerDc, up(" + "), var("b")}); break;
    case RainfallFormula::Six: denominator = F::row({tPowerDc, up(" − "), var("b")}); break;
    }
    return F::row({var("I"), up(" = "), F::fraction(var("a"), denominator)});
}

Formula flowTimeFormula()
{
    return F::row({jp("ｔ2(min)="), F::fraction(var("L"), F::row({up("60"), jp("・"), var("V")}))});
}

Formula kerbyFormula()
{
    const F inner = F::row({F::fraction(up("2"), up("3")), up(" × 3.28 × "),
                            F::fraction(F::row({var("L"), jp("・"), var("n")}), F::root(var("S")))});
    return F::row({var("t"), up("1"), up(" = "), F::power(F::parens(inner), up("0.467"))});
}

Formula channelFormula(ChannelDevelopment development)
{
    const bool before = development != ChannelDevelopment::After;
    return F::row({var("t"), up("2"), up(" = "),
                   F::fraction(F::row({up(before ? "0.83" : "0.36"), var("L")}),
                               F::power(var("i"), up(before ? "0.6" : "0.5")))});
}

} // namespace akuenza
