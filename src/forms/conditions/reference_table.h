#pragma once
// A small table for reading: a head row and rows of texts in ruled cells,
// as the dialogs show the published values beside their inputs.

#include <QList>
#include <QStringList>
#include <QWidget>

#include <vector>

namespace akuenza {

class ReferenceTable : public QWidget {
    Q_OBJECT
public:
    // Column widths in twips; the first row is the head, drawn centred.
    ReferenceTable(QWidget* parent, const char* name, std::vector<int> columnTwips, int rowTwips,
                   QList<QStringList> rows);

    const QList<QStringList>& rows() const { return rows_; }
    // Columns whose texts are centred (the head row always is).
    void setCentredColumns(std::vector<int> columns) { centred_ = std::move(columns); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::vector<int> columns_; // pixels
    int rowHeight_;            // pixels
    QList<QStringList> rows_;
    std::vector<int> centred_;
};

} // namespace akuenza
