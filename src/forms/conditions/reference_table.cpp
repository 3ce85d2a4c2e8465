#include "forms/conditions/reference_table.h"

#include "forms/base/twips.h"

#include <QPainter>

#include <algorithm>
#include <numeric>

namespace akuenza {

ReferenceTable::ReferenceTable(QWidget* parent, const char* name, std::vector<int> columnTwips, int rowTwips,
                               QList<QStringList> rows)
    : QWidget(parent), rowHeight_(twipsToPixels(rowTwips)), rows_(std::move(rows))
{
    setObjectName(QString::fromLatin1(name));
    for (int twips : columnTwips)
        columns_.push_back(twipsToPixels(twips));
    const int width = std::accumulate(columns_.begin(), columns_.end(), 0);
    setFixedSize(width + 1, rowHeight_ * int(rows_.size()) + 1);
}

void ReferenceTable::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    const int width = std::accumulate(columns_.begin(), columns_.end(), 0);
    const int height = rowHeight_ * int(rows_.size());
    for (int r = 0; r <= int(rows_.size()); ++r)
        painter.drawLine(0, r * rowHeight_, width, r * rowHeight_);
    int x = 0;
    for (std::size_t c = 0; c <= columns_.size(); ++c) {
        painter.drawLine(x, 0, x, height);
        if (c < columns_.size())
            x += columns_[c];
    }
    for (int r = 0; r < int(rows_.size()); ++r) {
        x = 0;
        for (std::size_t c = 0; c < columns_.size(); ++c) {
            const QRect cell(x + 4, r * rowHeight_, columns_[c] - 8, rowHeight_);
            const bool centred =
                r == 0 || std::find(centred_.begin(), centred_.end(), int(c)) != centred_.end();
            if (c < std::size_t(rows_[r].size()))
                painter.drawText(cell, int((centred ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignVCenter),
                                 rows_[r][int(c)]);
            x += columns_[c];
        }
    }
}

} // namespace akuenza
