#pragma once
// A picture box: a white page surface that keeps what is drawn on it (it
// repaints from its own picture when it is scrolled or uncovered) and draws
// the calculation sheet line by line in its font.

#include "forms/report/drawing_target.h"

#include <QImage>
#include <QWidget>

#include <vector>

namespace akuenza {

class PictureBox : public QWidget, public DrawingTarget {
    Q_OBJECT
public:
    PictureBox(QWidget* parent, const char* name);

    // The page size in twips; the picture is emptied.
    void setSizeTwips(int widthTwips, int heightTwips);
    int widthTwips() const { return widthTwips_; }
    int heightTwips() const { return heightTwips_; }

    void printLine(const QString& text) override;
    void clear() override;
    void setTextColour(const QColor& colour) override;
    // The picture has no pages.
    void newPage() override {}

    // What the picture holds: every line drawn since it was last emptied,
    // blank lines included, with its colour.
    struct Line {
        QString text;
        QColor colour;
        bool operator==(const Line&) const = default;
    };
    const std::vector<Line>& lines() const { return lines_; }
    const QImage& picture() const { return canvas_; }
    // The line height of the picture's font, in pixels.
    qreal lineHeight() const;
    // How far down the lines drawn so far reach, in twips.
    int drawnHeightTwips() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage canvas_;
    int widthTwips_ = 0;
    int heightTwips_ = 0;
    QColor colour_ = kTextColour;
    qreal y_ = 0;
    std::vector<Line> lines_;
};

} // namespace akuenza
