#pragma once
// Formulas drawn the way an engineer writes them: a real fraction bar with
// the numerator above and the denominator below, the root sign with its bar
// over the radicand, exponents raised in a smaller size, parentheses that
// grow with what they hold. Everything is laid out from the font metrics at
// the size it is painted, so the drawing stays crisp at any screen scale.

#include "core/conditions/hydrology.h"

#include <QFont>
#include <QPainterPath>
#include <QRectF>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <memory>
#include <vector>

namespace akuenza {

// One piece of a laid-out formula, in pixels relative to the formula's left
// end on its baseline (y grows downwards, so raised pieces have negative y).
struct FormulaMark {
    enum class Kind { Text, Bar, Radical, Paren };
    Kind kind = Kind::Text;
    QString text;       // Text
    QFont font;         // Text
    QPointF baseline;   // Text: start of the baseline
    QRectF box;         // the space the piece takes
    QPainterPath path;  // Radical and Paren: the stroke
    qreal stroke = 1.0; // Radical and Paren: the pen width
};

// A formula as a tree: text runs, rows, fractions, roots, powers, parentheses.
class Formula {
public:
    // An italic variable (a, t, I, L ...), an upright number or operator, and
    // Japanese text (full-width letters and the middle dot).
    static Formula variable(const QString& text);
    static Formula upright(const QString& text);
    static Formula japanese(const QString& text);
    static Formula row(std::vector<Formula> items);
    static Formula fraction(Formula numerator, Formula denominator);
    static Formula root(Formula radicand);
    static Formula power(Formula base, Formula exponent);
    static Formula parens(Formula inner);

    // The laid-out formula at a font size in pixels.
    struct Layout {
        qreal width = 0, ascent = 0, descent = 0;
        std::vector<FormulaMark> marks;
        qreal height() const { return ascent + descent; }
    };
    Layout layout(qreal pixelSize) const;

    // The texts in drawing order.
    QStringList texts() const;

    struct Node;

private:
    explicit Formula(std::shared_ptr<const Node> node) : node_(std::move(node)) {}
    std::shared_ptr<const Node> node_;
};

// A widget drawing one formula, left-aligned and vertically centred, as large
// as its size allows up to its natural size.
class FormulaDrawing : public QWidget {
    Q_OBJECT
public:
    FormulaDrawing(Formula formula, QWidget* parent = nullptr);

    const Formula& formula() const { return formula_; }
    // The pixel size the formula is painted at for the widget's current size.
    qreal fittedPixelSize() const;

    QSize sizeHint() const override;

    // The natural font size of the hydrology formulas, in pixels.
    static constexpr qreal kNaturalPixelSize = 17.0;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Formula formula_;
};

// Paints a laid-out formula with its left end on the baseline at `origin`.
void paintFormula(QPainter& painter, const Formula::Layout& layout, QPointF origin);

// The formulas of the hydrology dialogs.
Formula rainfallFormula(RainfallFormula formula);  // I = a / (t + b) ... ⑥
Formula flowTimeFormula();                          // ｔ2(min)= L / 60・V
Formula kerbyFormula();                             // t1 = (2/3 × 3.28 × L・n/√S)^0.467
Formula channelFormula(ChannelDevelopment development); // t2 = 0.83L / i^0.6, 0.36L / i^0.5

} // namespace akuenza
