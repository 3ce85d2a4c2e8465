#pragma once
// Static drawings of the infiltration facilities shown beside their dimension
// inputs: sections (and plans) with the crushed-stone layer and the marks of
// the dimensions the engineer enters. They have no behaviour of their own.

#include <QList>
#include <QRect>
#include <QSize>
#include <QSizeF>
#include <QStringList>
#include <QTransform>
#include <QWidget>

class QPaintEvent;

namespace akuenza {

class Sketch;

// A drawing composed for the panel its dialog places it in: at that size it
// is drawn 1:1 in whole pixels, so its lines are crisp, and its captions are
// written in the window font at the font's own size. At another size the
// lines are scaled, proportions kept and centred, and the captions keep the
// window font's size. The drawing is composed once per paint by compose();
// labels() and captions() run the same composition without drawing, so they
// tell exactly what the drawing shows and where.
class Schematic : public QWidget {
    Q_OBJECT
public:
    struct Caption {
        QString text;
        QRect rect;  // in widget pixels, at the widget's current size
    };

    // The texts the drawing shows, in the order it draws them.
    QStringList labels() const;
    // The texts with the places they are written at the current size.
    QList<Caption> captions() const;

    // The panel size the drawing is composed for.
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    // panelTwips: the size of the panel the dialog places the drawing in.
    Schematic(QSize panelTwips, QWidget* parent);
    void paintEvent(QPaintEvent* event) override;

private:
    virtual void compose(Sketch& sketch) const = 0;
    // From the composition's coordinates (pixels of the panel on a 96 dpi
    // screen) to the widget's pixels.
    QTransform toWidget() const;

    QSizeF box_;
    QSize panelTwips_;
};

// Catch basin in a square crushed-stone layer, section: Ｗ and Ｈ.
class SquareBasinSchematic final : public Schematic {
    Q_OBJECT
public:
    explicit SquareBasinSchematic(QWidget* parent = nullptr);

private:
    void compose(Sketch& sketch) const override;
};

// Catch basin in a rectangular crushed-stone layer: plan with Ｗ and Ｌ,
// section with Ｈ.
class RectangularBasinSchematic final : public Schematic {
    Q_OBJECT
public:
    explicit RectangularBasinSchematic(QWidget* parent = nullptr);

private:
    void compose(Sketch& sketch) const override;
};

// Catch basin in a circular crushed-stone layer: plan with Ｄ, section with Ｈ.
class CircularBasinSchematic final : public Schematic {
    Q_OBJECT
public:
    explicit CircularBasinSchematic(QWidget* parent = nullptr);

private:
    void compose(Sketch& sketch) const override;
};

// U-shaped gutter on a crushed-stone bed, section: Ｗ and Ｈ of the stone.
class SideDitchSchematic final : public Schematic {
    Q_OBJECT
public:
    explicit SideDitchSchematic(QWidget* parent = nullptr);

private:
    void compose(Sketch& sketch) const override;
};

// Perforated pipe in a crushed-stone trench, section: Ｗ and Ｈ of the trench.
class InfiltrationPipeSchematic final : public Schematic {
    Q_OBJECT
public:
    explicit InfiltrationPipeSchematic(QWidget* parent = nullptr);

private:
    void compose(Sketch& sketch) const override;
};

// Permeable pavement and infiltration pond side by side, each with its Ｈ;
// both infiltrate through the bottom face only.
class PavementPondSchematic final : public Schematic {
    Q_OBJECT
public:
    explicit PavementPondSchematic(QWidget* parent = nullptr);

private:
    void compose(Sketch& sketch) const override;
};

// Rainwater suction well in crushed stone, section with the diameter, the
// construction depth and the effective depth below the inflow pipe.
class InfiltrationWellSchematic final : public Schematic {
    Q_OBJECT
public:
    explicit InfiltrationWellSchematic(QWidget* parent = nullptr);

private:
    void compose(Sketch& sketch) const override;
};

} // namespace akuenza
