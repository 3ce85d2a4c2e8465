#pragma once
// Static drawings of the infiltration facilities shown beside their dimension
// inputs: sections (and plans) with the crushed-stone layer and the marks of
// the dimensions the engineer enters. They have no behaviour of their own.

#include <QSize>
#include <QSizeF>
#include <QStringList>
#include <QWidget>

class QPaintEvent;

namespace akuenza {

class Sketch;

// A drawing made in a fixed logical box and scaled, proportions kept, to the
// widget's current size on a white background. The drawing is composed once
// per paint by compose(); labels() runs the same composition without a
// painter, so the list of texts is exactly what the drawing shows.
class Schematic : public QWidget {
    Q_OBJECT
public:
    // The texts the drawing shows, in the order it draws them.
    QStringList labels() const;
    // The logical box the drawing is made in; at this size it is drawn 1:1.
    QSizeF drawingSize() const { return box_; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    Schematic(QSizeF box, QWidget* parent);
    void paintEvent(QPaintEvent* event) override;

private:
    virtual void compose(Sketch& sketch) const = 0;

    QSizeF box_;
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
