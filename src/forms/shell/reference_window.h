#pragma once
// The reference window: approximate saturated permeability by grain size and
// runoff coefficients by land use, as read-only tables, with the source of
// the calculation methods.

#include <QDialog>
#include <QList>

class QLabel;
class QPushButton;
class QScrollArea;
class QTableWidget;

namespace akuenza {

class Form4 : public QDialog {
    Q_OBJECT
public:
    explicit Form4(QWidget* parent = nullptr);

    QScrollArea* scrollArea = nullptr;
    QLabel* soilHeading = nullptr;
    // Row 0: soil names (the top-left cell is blank); row 1: grain size;
    // row 2: saturated permeability.
    QTableWidget* soilTable = nullptr;
    QLabel* runoffHeading = nullptr;
    // Three tables; row 0 holds the column heads, then land use and coefficient.
    QList<QTableWidget*> runoffTables;
    QList<QLabel*> notes;
    QPushButton* cmdClose = nullptr;
};

} // namespace akuenza
