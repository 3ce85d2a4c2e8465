#include "forms/report/required_quantities_window.h"

#include "core/facilities/required_quantities.h"
#include "core/record/digit_format.h"
#include "forms/base/controls.h"
#include "forms/base/toolbar_icons.h"
#include "forms/base/twips.h"
#include "forms/facilities/family_dialogs.h"
#include "forms/facilities/results_form.h"
#include "forms/facilities/window_snapshot.h"
#include "forms/project/window_values.h"

#include <QCloseEvent>
#include <QHeaderView>
#include <QTableWidget>

#include <cmath>

namespace akuenza {

namespace {

QString text(const std::string& s) { return QString::fromStdString(s); }

// The cells requiredTableCells gives, by column.
enum Cell { kCellDialog, kCellKind, kCellPerUnit, kCellNow, kCellFcNow, kCellRequired, kCellUnit, kCellRemark };

const QString kVoided = QStringLiteral("入力が変更されたため、必要数量を消しました。"
                                       "「計　算」を押すと、新しい計算結果の必要数量を表示します。");
const QString kNextStep = QStringLiteral("「数量を入力」の後、計算結果の「計　算」を押して判定を確かめてください。");

} // namespace

TextBox* facilityBox(App& app, std::string_view form, std::string_view box)
{
    return qobject_cast<TextBox*>(app.control(form, box));
}

RequiredQuantitiesWindow::RequiredQuantitiesWindow(App& app) : Form(app)
{
    setObjectName(QStringLiteral("RequiredQuantities"));
    setWindowTitle(QStringLiteral("必要数量"));
    setWindowIcon(programIcon());
    setFixedSize(twipsToPixels(11955), twipsToPixels(4680));

    lblHeading = makeLabel(this, "lblHeading", QStringLiteral("★　必 要 数 量"));
    QFont heading = lblHeading->font();
    heading.setBold(true);
    heading.setPointSize(10);
    lblHeading->setFont(heading);
    placeTwips(lblHeading, 120, 60, 3000, 300);

    QFont result = font();
    result.setBold(true);
    const struct {
        const char* name;
        QString caption;
        QLabel** value;
        const char* valueName;
    } lines[] = {
        {"lblQ1Caption", QStringLiteral("◎　対策雨水量"), &lblQ1, "lblQ1"},
        {"lblTotalCaption", QStringLiteral("◎　総浸透量"), &lblTotal, "lblTotal"},
        {"lblBalanceCaption", QStringLiteral("◎　不足量"), &lblBalance, "lblBalance"},
    };
    int top = 420;
    for (const auto& line : lines) {
        QLabel* caption = makeLabel(this, line.name, line.caption);
        placeTwips(caption, 600, top, 2000, 270);
        if (line.value == &lblBalance)
            lblBalanceCaption = caption;
        *line.value = makeLabel(this, line.valueName, QString());
        (*line.value)->setFont(result);
        placeTwips(*line.value, 2640, top, 6000, 270);
        top += 300;
    }

    grdRows = new QTableWidget(0, kColumns, this);
    grdRows->setObjectName(QStringLiteral("grdRows"));
    grdRows->setSelectionBehavior(QAbstractItemView::SelectRows);
    grdRows->setSelectionMode(QAbstractItemView::SingleSelection);
    grdRows->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grdRows->setWordWrap(false);
    grdRows->verticalHeader()->hide();
    grdRows->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    grdRows->horizontalHeader()->setStretchLastSection(true);
    placeTwips(grdRows, 120, 1380, 11715, 2640);
    connect(grdRows, &QTableWidget::currentCellChanged, this, [this] { updateButton(); });
    // The headings of the text table; beside the dialog, its box.
    const auto h = requiredTableCells(RequiredQuantities{}).front();
    grdRows->setHorizontalHeaderLabels({text(h[kCellDialog]), QStringLiteral("入力欄"), text(h[kCellKind]),
                                        text(h[kCellPerUnit]), text(h[kCellNow]), text(h[kCellFcNow]),
                                        text(h[kCellRequired]), text(h[kCellRemark])});

    lblNote = makeLabel(this, "lblNote", QString());
    lblNote->setWordWrap(true);
    lblNote->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    placeTwips(lblNote, 120, 4080, 8460, 540);

    cmdEnter = makeButton(this, "cmdEnter", QStringLiteral("数量を入力"));
    placeTwips(cmdEnter, 8700, 4140, 1620, 420);
    connect(cmdEnter, &QPushButton::clicked, this, &RequiredQuantitiesWindow::cmdEnter_Click);
    cmdClose = makeButton(this, "cmdClose", QStringLiteral("閉じる"));
    placeTwips(cmdClose, 10440, 4140, 1395, 420);
    connect(cmdClose, &QPushButton::clicked, this, &RequiredQuantitiesWindow::closeLater);

    showVoided();
}

RequiredQuantitiesWindow::~RequiredQuantitiesWindow() = default;

bool RequiredQuantitiesWindow::showsRun() const { return shown_ != nullptr; }

void RequiredQuantitiesWindow::clearShown()
{
    shown_.reset();
    for (QLabel* l : {lblQ1, lblTotal, lblBalance})
        l->setText(QString());
    lblBalanceCaption->setText(QStringLiteral("◎　不足量"));
    grdRows->setRowCount(0);
}

void RequiredQuantitiesWindow::showVoided()
{
    clearShown();
    lblNote->setText(kVoided);
    updateButton();
}

void RequiredQuantitiesWindow::showRun()
{
    const int selected = grdRows->currentRow();
    clearShown();
    auto r = std::make_unique<RequiredQuantities>(
        requiredQuantities(app().record, runEntries(app())));
    if (!r->ok()) {
        // A well case, or a run without a verdict: its message, no numbers.
        lblNote->setText(text(*r->failure));
        updateButton();
        return;
    }

    const Comparison& c = r->comparison;
    lblQ1->setText(text(c.factor + c.times) + QStringLiteral("Ｑ1=") + text(c.q1) + QStringLiteral(" m3/hr"));
    lblTotal->setText(QStringLiteral("∑Ｆc=") + text(c.total) + QStringLiteral(" m3/hr　") + text(c.verdict));
    lblBalanceCaption->setText(c.adequate ? QStringLiteral("◎　余裕量") : QStringLiteral("◎　不足量"));
    lblBalance->setText(text(formatDigits(std::fabs(r->shortfall), "0.000")) + QStringLiteral(" m3/hr"));
    setTextColour(lblTotal, c.adequate ? QColor(Qt::black) : Form11::shortfallColour());

    // The texts of the text table; beside the dialog, the box as the
    // dialog captions it (two rows of one dialog may name the same kind),
    // and the required quantity with its unit.
    const auto cells = requiredTableCells(*r);
    grdRows->setRowCount(static_cast<int>(r->rows.size()));
    for (std::size_t i = 1; i < cells.size(); ++i) {
        const auto& c = cells[i];
        const RequiredRow& row = r->rows[i - 1];
        const QString required = row.hasQuantity() ? text(c[kCellRequired] + " " + c[kCellUnit]) : QString();
        const QString texts[kColumns] = {text(c[kCellDialog]),  boxCaption(app(), row.form, row.box),
                                         text(c[kCellKind]),    text(c[kCellPerUnit]),
                                         text(c[kCellNow]),     text(c[kCellFcNow]),
                                         required,              text(c[kCellRemark])};
        for (int column = 0; column < kColumns; ++column) {
            auto* item = new QTableWidgetItem(texts[column]);
            const bool number = column >= kPerUnit && column <= kRequired;
            item->setTextAlignment((number ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
            if (column == kRequired)
                item->setFont(lblQ1->font());
            grdRows->setItem(static_cast<int>(i - 1), column, item);
        }
    }
    lblNote->setText(r->rows.empty() ? QString::fromUtf8(kRequiredNoRows) : kNextStep);
    shown_ = std::move(r);

    // The row chosen before stays chosen; else the first that has a quantity.
    int row = selected >= 0 && selected < grdRows->rowCount() ? selected : -1;
    for (int i = 0; row < 0 && i < grdRows->rowCount(); ++i)
        if (shown_->rows[static_cast<std::size_t>(i)].hasQuantity())
            row = i;
    if (row >= 0)
        grdRows->setCurrentCell(row, kRequired);
    updateButton();
}

void RequiredQuantitiesWindow::updateButton()
{
    const int row = grdRows->currentRow();
    cmdEnter->setEnabled(shown_ && row >= 0 && row < static_cast<int>(shown_->rows.size()) &&
                         shown_->rows[static_cast<std::size_t>(row)].hasQuantity());
}

void RequiredQuantitiesWindow::cmdEnter_Click()
{
    const int index = grdRows->currentRow();
    if (!shown_ || index < 0 || index >= static_cast<int>(shown_->rows.size()))
        return;
    // The row is copied: the edit below voids the results, and this window
    // empties itself then.
    const RequiredRow row = shown_->rows[static_cast<std::size_t>(index)];
    if (!row.hasQuantity())
        return;
    TextBox* box = facilityBox(app(), row.form, row.box);
    if (!box)
        return;
    // The dialog comes forward as when its family is ticked, the box takes
    // the focus with its text selected, and the quantity replaces the text
    // as typed keys do: the box's own reaction to an edit voids the results.
    // A box that already holds exactly this text is left as it is.
    showOnlyDialogOf(app(), row.selector);
    app().focusOn(box);
    const QString typed = text(row.required);
    if (box->text() == typed)
        return;
    box->selectAll();
    box->insert(typed);
}

void RequiredQuantitiesWindow::closeEvent(QCloseEvent* event)
{
    event->ignore();
    closeLater();
}

void RequiredQuantitiesWindow::closeLater()
{
    // The button or the close box that asked is still at work; the window
    // goes once control is back in the event loop.
    QMetaObject::invokeMethod(this, [this] { app().unload<RequiredQuantitiesWindow>(); }, Qt::QueuedConnection);
}

} // namespace akuenza
