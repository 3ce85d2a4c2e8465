// The 必要数量 window driven as the engineer drives it: opened from ﾂｰﾙ on a
// saved NG case, each row's quantity put into its box with "数量を入力",
// and 計　算 then giving "∴ O.K".
#include "support/form_test.h"

#include "core/facilities/required_quantities.h"
#include "forms/facilities/window_snapshot.h"
#include "forms/facilities/family_dialogs.h"
#include "forms/facilities/square_basin_dialog.h"
#include "forms/report/required_quantities_window.h"
#include "forms/shell/project_files.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QTableWidget>

#include <map>
#include <set>

namespace akuenza::test {

namespace {

const QString kCases = QStringLiteral(AKUENZA_GOLDEN_CASES);

} // namespace

class RequiredQuantitiesWindowTest : public FormTest {
protected:
    void open(const QString& name)
    {
        ASSERT_TRUE(openProjectFile(app(), kCases + u"/"_qs + name, WhenCaseOpen::Replace)) << name.toStdString();
        platform_->clear();
    }
    // The ﾂｰﾙ menu as it opens: its item, and 印刷ｲﾒｰｼﾞ, decided afresh.
    bool toolEnabled()
    {
        emit mainWindow().Men_T->aboutToShow();
        EXPECT_EQ(mainWindow().Men_TReq->isEnabled(),
                  mainWindow().Men_FImg->isEnabled() && f1().chk6->value() == 0);
        return mainWindow().Men_TReq->isEnabled();
    }
    RequiredQuantitiesWindow& openWindow()
    {
        EXPECT_TRUE(toolEnabled());
        mainWindow().Men_TReq->trigger();
        auto* window = app().loaded<RequiredQuantitiesWindow>();
        EXPECT_TRUE(window && app().isShown(window));
        return *window;
    }
    // Every facility box of the loaded dialogs with its text.
    std::map<QString, QString> facilityTexts()
    {
        std::map<QString, QString> texts;
        for (int selector = 1; selector <= kFamilyCount; ++selector)
            if (const FacilityDialog* dialog = loadedDialogOf(app(), selector))
                for (const TextBox* box : dialog->boxes())
                    texts[dialog->objectName() + u"."_qs + box->objectName()] = box->text();
        return texts;
    }
    QString cell(RequiredQuantitiesWindow& w, int row, int column) { return w.grdRows->item(row, column)->text(); }
};

TEST_F(RequiredQuantitiesWindowTest, TheToolFollowsThePrintImageAndNeverServesTheWell)
{
    newCase();
    EXPECT_FALSE(toolEnabled()); // before any run

    open(u"clay-ng.qzk"_qs);
    EXPECT_TRUE(toolEnabled());
    type(app().form<Form2>().txt11n, u"3"_qs); // an edit voids the results
    EXPECT_FALSE(toolEnabled());
    calculate();
    EXPECT_TRUE(toolEnabled());

    open(u"well.qzk"_qs);
    emit mainWindow().Men_F->aboutToShow();
    EXPECT_TRUE(mainWindow().Men_FImg->isEnabled());
    EXPECT_FALSE(toolEnabled());
}

// Each row of an NG case in turn: its quantity typed into its box and no
// other, the results voided and the window emptied, then 計　算 gives O.K
// and the window shows that run; the box then gets its old text back.
TEST_F(RequiredQuantitiesWindowTest, EachRowsQuantityEnteredMakesTheCaseOk)
{
    open(u"clay-ng.qzk"_qs);
    RequiredQuantitiesWindow& w = openWindow();
    ASSERT_TRUE(w.showsRun());
    EXPECT_TRUE(w.lblTotal->text().endsWith(u"∴ NG"_qs)) << w.lblTotal->text().toStdString();
    EXPECT_EQ(w.lblBalanceCaption->text(), u"◎　不足量"_qs);
    const RequiredQuantities expected = requiredQuantities(record(), runEntries(app()));
    ASSERT_EQ(w.grdRows->rowCount(), static_cast<int>(expected.rows.size()));
    ASSERT_GE(expected.rows.size(), 2u);
    const std::map<QString, QString> before = facilityTexts();
    // Rows naming the same kind are told apart by their box.
    std::set<QString> boxes;
    for (int i = 0; i < w.grdRows->rowCount(); ++i)
        boxes.insert(cell(w, i, RequiredQuantitiesWindow::kDialog) + cell(w, i, RequiredQuantitiesWindow::kBox));
    EXPECT_EQ(boxes.size(), expected.rows.size());

    int entered = 0;
    for (int i = 0; i < w.grdRows->rowCount(); ++i) {
        const RequiredRow& row = expected.rows[static_cast<std::size_t>(i)];
        SCOPED_TRACE(row.name);
        using W = RequiredQuantitiesWindow;
        EXPECT_EQ(cell(w, i, W::kKind).toStdString(), row.name);
        EXPECT_EQ(cell(w, i, W::kRequired).toStdString(), row.required + " " + row.unit);
        w.grdRows->setCurrentCell(i, 0);
        EXPECT_EQ(w.cmdEnter->isEnabled(), row.hasQuantity());
        if (row.status != RequiredStatus::Required)
            continue;

        const QString key = QString::fromLatin1(row.form) + u"."_qs + QString::fromLatin1(row.box);
        click(w.cmdEnter);
        TextBox* box = facilityBox(app(), row.form, row.box);
        ASSERT_NE(box, nullptr);
        std::map<QString, QString> after = before;
        after[key] = QString::fromStdString(row.required);
        EXPECT_EQ(facilityTexts(), after);
        EXPECT_EQ(focused(), box);
        EXPECT_EQ(app().frame().workArea()->activeSubWindow()->widget(), loadedDialogOf(app(), row.selector));
        // Voided as by a keyboard edit, and nothing of the old run on show.
        EXPECT_EQ(f11().lbl9->text(), QString());
        EXPECT_EQ(double(record().totalInfiltrationFc), 0.0);
        EXPECT_FALSE(w.showsRun());
        EXPECT_EQ(w.grdRows->rowCount(), 0);
        EXPECT_EQ(w.grdRows->horizontalHeaderItem(W::kBox)->text(), u"入力欄"_qs); // the headings stay
        EXPECT_EQ(w.lblTotal->text(), QString());
        EXPECT_FALSE(w.cmdEnter->isEnabled());

        calculate();
        EXPECT_EQ(f11().lbl9->text(), u"∴ O.K"_qs);
        ASSERT_TRUE(w.showsRun());
        EXPECT_EQ(w.lblBalanceCaption->text(), u"◎　余裕量"_qs);
        EXPECT_EQ(cell(w, i, W::kRequired).toStdString(), row.required + " " + row.unit); // exactly enough

        type(box, before.at(key));
        calculate();
        EXPECT_EQ(f11().lbl9->text(), u"∴ NG"_qs);
        ++entered;
    }
    EXPECT_GE(entered, 2);
    EXPECT_EQ(messages().size(), 0u);

    click(w.cmdClose);
    QCoreApplication::processEvents();
    EXPECT_FALSE(app().isLoaded<RequiredQuantitiesWindow>());
}

// The engineer's own edit elsewhere empties the open window too; 新規作成
// takes it away with the case.
TEST_F(RequiredQuantitiesWindowTest, NoStaleNumbersAfterAnEditAndNoneAfterTheCase)
{
    open(u"increase-ng.qzk"_qs);
    RequiredQuantitiesWindow& w = openWindow();
    ASSERT_TRUE(w.showsRun());
    EXPECT_TRUE(w.lblQ1->text().contains(u"×"_qs)) << w.lblQ1->text().toStdString(); // the increased Q1 is compared
    type(f1().txt_c, u"0.8"_qs);
    EXPECT_FALSE(w.showsRun());
    EXPECT_EQ(w.lblQ1->text(), QString());
    newCase();
    EXPECT_FALSE(app().isLoaded<RequiredQuantitiesWindow>());
}

} // namespace akuenza::test
