#include "forms/shell/reference_window.h"

#include "core/facilities/soil_table.h"

#include <QBrush>
#include <QColor>
#include <QFont>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QTableWidget>
#include <QTableWidgetItem>
#include <QVBoxLayout>

#include <algorithm>

namespace akuenza {

namespace {

using Rows = QList<QStringList>;

// Soil name, grain size (mm), saturated permeability k (cm/sec), from the soil table.
const Rows& soilColumns()
{
    static const Rows columns = [] {
        Rows rows;
        for (const Soil& soil : kSoils)
            rows.push_back({QString::fromUtf8(soil.name), QString::fromUtf8(soil.grainSize),
                            QString::fromUtf8(soil.conductivityText)});
        return rows;
    }();
    return columns;
}

// Land use and runoff coefficient, one list per table.
const QList<Rows>& runoffRows()
{
    static const QList<Rows> tables{
        {
            {QStringLiteral("屋  根"), QStringLiteral("0.85～0.95")},
            {QStringLiteral("道  路"), QStringLiteral("0.80～0.90")},
            {QStringLiteral("その他の不透水面"), QStringLiteral("0.75～0.85")},
            {QStringLiteral("水　面"), QStringLiteral("1.00")},
            {QStringLiteral("間　地"), QStringLiteral("0.10～0.30")},
            {QStringLiteral("芝、樹木の多い公園"), QStringLiteral("0.05～0.25")},
            {QStringLiteral("勾配の緩い山地"), QStringLiteral("0.20～0.40")},
            {QStringLiteral("勾配の急な山地"), QStringLiteral("0.40～0.60")},
        },
        {
            {QStringLiteral("密集市街地"), QStringLiteral("0.9")},
            {QStringLiteral("一般市街地"), QStringLiteral("0.8")},
            {QStringLiteral("畑 ・ 原野"), QStringLiteral("0.6")},
            {QStringLiteral("水田 ・ 山地"), QStringLiteral("0.7")},
            {QStringLiteral("宅地等の造成地域"), QStringLiteral("0.9")},
            {QStringLiteral("ｺﾞﾙﾌ場等の造成地域"), QStringLiteral("0.8")},
        },
        {
            {QStringLiteral("林　地"), QStringLiteral("0.3～0.7")},
            {QStringLiteral("草　地"), QStringLiteral("0.4～0.8")},
            {QStringLiteral("耕　地"), QStringLiteral("0.5～0.8")},
            {QStringLiteral("裸　地"), QStringLiteral("0.9～1.0")},
        },
    };
    return tables;
}

const QColor kHeadShade(232, 232, 232);
constexpr int kCellPadding = 14;

QTableWidgetItem* cell(const QString& text, bool head, Qt::Alignment alignment)
{
    auto* item = new QTableWidgetItem(text);
    // Shown, never selected or edited.
    item->setFlags(Qt::ItemIsEnabled);
    item->setTextAlignment(alignment | Qt::AlignVCenter);
    if (head) {
        item->setBackground(kHeadShade);
        QFont bold = item->font();
        bold.setBold(true);
        item->setFont(bold);
    }
    return item;
}

// A table whose heads are its own first row (and column): no header views,
// no selection, no editing, no scrolling.
QTableWidget* newTable(int rows, int columns, QWidget* parent)
{
    auto* table = new QTableWidget(rows, columns, parent);
    table->horizontalHeader()->hide();
    table->verticalHeader()->hide();
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionMode(QAbstractItemView::NoSelection);
    table->setFocusPolicy(Qt::NoFocus);
    table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table->setShowGrid(true);
    table->setWordWrap(false);
    return table;
}

// Fixes the table's size to show every cell whole, with the given widths.
void fitTable(QTableWidget* table, const QList<int>& widths)
{
    table->resizeRowsToContents();
    int width = 2 * table->frameWidth();
    for (int c = 0; c < table->columnCount(); ++c) {
        table->setColumnWidth(c, widths.value(c));
        width += widths.value(c);
    }
    int height = 2 * table->frameWidth();
    for (int r = 0; r < table->rowCount(); ++r) {
        table->setRowHeight(r, table->rowHeight(r) + 4);
        height += table->rowHeight(r);
    }
    table->setFixedSize(width, height);
}

QList<int> contentWidths(QTableWidget* table)
{
    table->resizeColumnsToContents();
    QList<int> widths;
    for (int c = 0; c < table->columnCount(); ++c)
        widths << table->columnWidth(c) + kCellPadding;
    return widths;
}

QTableWidget* makeSoilTable(QWidget* parent)
{
    const Rows& soils = soilColumns();
    auto* table = newTable(3, int(soils.size()) + 1, parent);
    table->setItem(0, 0, cell(QString(), true, Qt::AlignCenter));
    table->setItem(1, 0, cell(QStringLiteral("粒径(mm)"), true, Qt::AlignLeft));
    table->setItem(2, 0, cell(QStringLiteral("ｋ(cm/sec)"), true, Qt::AlignLeft));
    for (int c = 0; c < soils.size(); ++c) {
        for (int r = 0; r < 3; ++r)
            table->setItem(r, c + 1, cell(soils[c].value(r), r == 0, Qt::AlignHCenter));
    }
    // All soils get one width, so the columns line up as a scale.
    QList<int> widths = contentWidths(table);
    const int soilWidth = *std::max_element(widths.begin() + 1, widths.end());
    std::fill(widths.begin() + 1, widths.end(), soilWidth);
    fitTable(table, widths);
    return table;
}

QList<QTableWidget*> makeRunoffTables(QWidget* parent)
{
    QList<QTableWidget*> tables;
    QList<int> widths{0, 0};
    for (const Rows& rows : runoffRows()) {
        auto* table = newTable(int(rows.size()) + 1, 2, parent);
        table->setItem(0, 0, cell(QStringLiteral("土地利用形態"), true, Qt::AlignHCenter));
        table->setItem(0, 1, cell(QStringLiteral("流出係数"), true, Qt::AlignHCenter));
        for (int r = 0; r < rows.size(); ++r) {
            table->setItem(r + 1, 0, cell(rows[r].value(0), false, Qt::AlignLeft));
            table->setItem(r + 1, 1, cell(rows[r].value(1), false, Qt::AlignHCenter));
        }
        const QList<int> own = contentWidths(table);
        for (int c = 0; c < 2; ++c)
            widths[c] = std::max(widths[c], own[c]);
        tables << table;
    }
    // The three tables stand side by side with the same column widths.
    for (QTableWidget* table : tables)
        fitTable(table, widths);
    return tables;
}

QLabel* heading(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    return label;
}

} // namespace

Form4::Form4(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("アクエンザ"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    auto* content = new QWidget;
    auto* column = new QVBoxLayout(content);
    column->setContentsMargins(14, 12, 14, 12);
    column->setSpacing(6);

    soilHeading = heading(QStringLiteral("◇ 粒径による飽和透水係数の概略値"), content);
    soilTable = makeSoilTable(content);
    column->addWidget(soilHeading);
    column->addWidget(soilTable, 0, Qt::AlignLeft);
    column->addSpacing(14);

    runoffHeading = heading(QStringLiteral("◇ 流 出 係 数（Ｃ）"), content);
    runoffTables = makeRunoffTables(content);
    column->addWidget(runoffHeading);
    auto* row = new QHBoxLayout;
    row->setSpacing(12);
    for (QTableWidget* table : runoffTables)
        row->addWidget(table, 0, Qt::AlignTop);
    row->addStretch(1);
    column->addLayout(row);
    column->addSpacing(10);

    for (const QString& text : {QStringLiteral("※土壌の飽和透水係数、各種影響係数、及び透水施設の浸透量の計算方法は、"),
                                QStringLiteral("雨水浸透施設技術指針[案]　（社）雨水貯留浸透技術協会編によります。")}) {
        auto* note = new QLabel(text, content);
        column->addWidget(note);
        notes << note;
    }
    column->addStretch(1);

    scrollArea = new QScrollArea(this);
    scrollArea->setWidget(content);
    scrollArea->setWidgetResizable(true);
    scrollArea->setFrameShape(QFrame::NoFrame);

    cmdClose = new QPushButton(QStringLiteral("閉じる"), this);
    cmdClose->setObjectName(QStringLiteral("cmdClose"));
    cmdClose->setDefault(true);
    cmdClose->setMinimumWidth(90);
    connect(cmdClose, &QPushButton::clicked, this, &QDialog::accept);

    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 10);
    outer->addWidget(scrollArea, 1);
    auto* buttons = new QHBoxLayout;
    buttons->setContentsMargins(14, 0, 14, 0);
    buttons->addStretch(1);
    buttons->addWidget(cmdClose);
    outer->addLayout(buttons);

    // Opens showing all of the content where the screen has room for it,
    // otherwise as large as the screen allows, scrolling the rest.
    QSize wanted = content->sizeHint() + QSize(0, cmdClose->sizeHint().height() + 16);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        wanted = wanted.boundedTo(screen->availableGeometry().size() * 0.9);
    resize(wanted);
}

} // namespace akuenza
