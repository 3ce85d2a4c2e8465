// The version and reference windows, the drawn icons and the window font.
#include "forms/base/fonts.h"
#include "forms/shell/reference_window.h"
#include "forms/base/toolbar_icons.h"
#include "forms/shell/version_window.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QTest>
#include <gtest/gtest.h>

#include <algorithm>

using namespace akuenza;

namespace {

QList<QStringList> cellTexts(const QTableWidget& table)
{
    QList<QStringList> rows;
    for (int r = 0; r < table.rowCount(); ++r) {
        QStringList row;
        for (int c = 0; c < table.columnCount(); ++c) {
            const QTableWidgetItem* item = table.item(r, c);
            row << (item ? item->text() : QString());
        }
        rows << row;
    }
    return rows;
}

std::string dump(const QList<QStringList>& rows)
{
    QString text;
    for (const QStringList& row : rows)
        text += row.join(u'|') + u'\n';
    return text.toStdString();
}

QImage iconImage(const QIcon& icon, int size)
{
    return icon.pixmap(size, size).toImage().convertToFormat(QImage::Format_ARGB32);
}

int opaquePixels(const QImage& image)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            count += qAlpha(image.pixel(x, y)) > 0 ? 1 : 0;
    }
    return count;
}

const QList<QStringList> kRunoff1{
    {u"土地利用形態"_qs, u"流出係数"_qs},
    {u"屋  根"_qs, u"0.85～0.95"_qs},
    {u"道  路"_qs, u"0.80～0.90"_qs},
    {u"その他の不透水面"_qs, u"0.75～0.85"_qs},
    {u"水　面"_qs, u"1.00"_qs},
    {u"間　地"_qs, u"0.10～0.30"_qs},
    {u"芝、樹木の多い公園"_qs, u"0.05～0.25"_qs},
    {u"勾配の緩い山地"_qs, u"0.20～0.40"_qs},
    {u"勾配の急な山地"_qs, u"0.40～0.60"_qs},
};
const QList<QStringList> kRunoff2{
    {u"土地利用形態"_qs, u"流出係数"_qs},
    {u"密集市街地"_qs, u"0.9"_qs},
    {u"一般市街地"_qs, u"0.8"_qs},
    {u"畑 ・ 原野"_qs, u"0.6"_qs},
    {u"水田 ・ 山地"_qs, u"0.7"_qs},
    {u"宅地等の造成地域"_qs, u"0.9"_qs},
    {u"ｺﾞﾙﾌ場等の造成地域"_qs, u"0.8"_qs},
};
const QList<QStringList> kRunoff3{
    {u"土地利用形態"_qs, u"流出係数"_qs},
    {u"林　地"_qs, u"0.3～0.7"_qs},
    {u"草　地"_qs, u"0.4～0.8"_qs},
    {u"耕　地"_qs, u"0.5～0.8"_qs},
    {u"裸　地"_qs, u"0.9～1.0"_qs},
};

} // namespace

// ---- Version window ---------------------------------------------------------------

TEST(VersionWindow, ShowsIconNameAndVersion)
{
    Form10 form;
    EXPECT_EQ(form.windowTitle(), u"バージョン情報"_qs);
    EXPECT_EQ(form.Label1->text(), u"アクエンザ  Version 1.16"_qs);
    EXPECT_EQ(form.cmdOK->text(), u"ＯＫ"_qs);
    const QPixmap icon = form.Image1->pixmap();
    ASSERT_FALSE(icon.isNull());
    EXPECT_EQ(icon.deviceIndependentSize(), QSizeF(48, 48));
    EXPECT_GT(opaquePixels(icon.toImage()), 48 * 48 / 3);
}

TEST(VersionWindow, IsFixedSizeWithoutHelpButton)
{
    Form10 form;
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    EXPECT_FALSE(form.windowFlags().testFlag(Qt::WindowContextHelpButtonHint));
    EXPECT_EQ(form.minimumSize(), form.maximumSize());
    EXPECT_EQ(form.size(), form.minimumSize());
    // Compact, yet everything fits.
    EXPECT_LT(form.width(), 400);
    EXPECT_LT(form.height(), 200);
    for (QWidget* part : {static_cast<QWidget*>(form.Image1), static_cast<QWidget*>(form.Label1),
                          static_cast<QWidget*>(form.cmdOK)})
        EXPECT_TRUE(form.rect().contains(part->geometry())) << part->objectName().toStdString();
    EXPECT_GE(form.Label1->width(), form.Label1->fontMetrics().horizontalAdvance(form.Label1->text()));
}

TEST(VersionWindow, OkButtonAcceptsAndCloses)
{
    Form10 form;
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    QTest::mouseClick(form.cmdOK, Qt::LeftButton);
    EXPECT_EQ(form.result(), QDialog::Accepted);
    EXPECT_FALSE(form.isVisible());
}

// ---- Reference window ------------------------------------------------------------

TEST(ReferenceWindow, HeadingsAndNotes)
{
    Form4 form;
    EXPECT_EQ(form.windowTitle(), u"アクエンザ"_qs);
    EXPECT_EQ(form.soilHeading->text(), u"◇ 粒径による飽和透水係数の概略値"_qs);
    EXPECT_EQ(form.runoffHeading->text(), u"◇ 流 出 係 数（Ｃ）"_qs);
    ASSERT_EQ(form.notes.size(), 2);
    EXPECT_EQ(form.notes[0]->text(), u"※土壌の飽和透水係数、各種影響係数、及び透水施設の浸透量の計算方法は、"_qs);
    EXPECT_EQ(form.notes[1]->text(), u"雨水浸透施設技術指針[案]　（社）雨水貯留浸透技術協会編によります。"_qs);
    EXPECT_EQ(form.cmdClose->text(), u"閉じる"_qs);
}

TEST(ReferenceWindow, SoilPermeabilityTable)
{
    Form4 form;
    const QList<QStringList> cells = cellTexts(*form.soilTable);
    ASSERT_EQ(cells.size(), 3) << dump(cells);
    EXPECT_TRUE(cells[0][0].trimmed().isEmpty());
    const QList<QStringList> expected{
        {cells[0][0], u"粘土"_qs, u"シルト"_qs, u"微細砂"_qs, u"細砂"_qs, u"中砂"_qs, u"粗砂"_qs, u"小砂利"_qs},
        {u"粒径(mm)"_qs, u"0～0.01"_qs, u"0.01～0.05"_qs, u"0.05～0.10"_qs, u"0.10～0.25"_qs, u"0.25～0.50"_qs,
         u"0.50～1.0"_qs, u"1.0～5.0"_qs},
        {u"ｋ(cm/sec)"_qs, u"3X10^-6"_qs, u"4.5X10^-4"_qs, u"3.5X10^-3"_qs, u"0.015"_qs, u"0.085"_qs, u"0.35"_qs,
         u"3.0"_qs},
    };
    EXPECT_EQ(cells, expected) << dump(cells);
}

TEST(ReferenceWindow, RunoffCoefficientTables)
{
    Form4 form;
    ASSERT_EQ(form.runoffTables.size(), 3);
    EXPECT_EQ(cellTexts(*form.runoffTables[0]), kRunoff1) << dump(cellTexts(*form.runoffTables[0]));
    EXPECT_EQ(cellTexts(*form.runoffTables[1]), kRunoff2) << dump(cellTexts(*form.runoffTables[1]));
    EXPECT_EQ(cellTexts(*form.runoffTables[2]), kRunoff3) << dump(cellTexts(*form.runoffTables[2]));
}

TEST(ReferenceWindow, TablesShowEveryCellWhole)
{
    Form4 form;
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    QList<QTableWidget*> tables = form.runoffTables;
    tables.prepend(form.soilTable);
    for (QTableWidget* table : tables) {
        EXPECT_TRUE(table->isVisible());
        EXPECT_EQ(table->horizontalScrollBar()->maximum(), 0);
        EXPECT_EQ(table->verticalScrollBar()->maximum(), 0);
        for (int r = 0; r < table->rowCount(); ++r) {
            for (int c = 0; c < table->columnCount(); ++c) {
                const QTableWidgetItem* item = table->item(r, c);
                ASSERT_NE(item, nullptr);
                const QRect cell = table->visualItemRect(item);
                EXPECT_TRUE(table->viewport()->rect().contains(cell)) << item->text().toStdString();
                const QFontMetrics metrics(item->font());
                EXPECT_GT(cell.width(), metrics.horizontalAdvance(item->text())) << item->text().toStdString();
            }
        }
    }
}

TEST(ReferenceWindow, TablesCannotBeEditedOrSelected)
{
    Form4 form;
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    for (QTableWidget* table : {form.soilTable, form.runoffTables[1]}) {
        QTableWidgetItem* item = table->item(1, 1);
        const QString before = item->text();
        const QPoint centre = table->visualItemRect(item).center();
        QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, centre);
        QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, centre);
        QTest::keyClick(table, Qt::Key_F2);
        QTest::keyClicks(table, u"9"_qs);
        EXPECT_TRUE(table->selectedItems().isEmpty());
        EXPECT_EQ(table->findChild<QLineEdit*>(), nullptr);
        EXPECT_EQ(item->text(), before);
    }
}

TEST(ReferenceWindow, CloseButtonAcceptsAndCloses)
{
    Form4 form;
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    QTest::mouseClick(form.cmdClose, Qt::LeftButton);
    EXPECT_EQ(form.result(), QDialog::Accepted);
    EXPECT_FALSE(form.isVisible());
}

// ---- Icons ----------------------------------------------------------------------------

TEST(ToolbarIcons, DrawnButtonsAreDistinctAndTheGapIsEmpty)
{
    const QList<int> buttons{1, 2, 3, 5, 6};
    QList<QImage> images;
    for (int index : buttons) {
        const QIcon icon = toolbarIcon(index);
        ASSERT_FALSE(icon.isNull()) << index;
        for (int size : {16, 32}) {
            const QImage image = iconImage(icon, size);
            EXPECT_EQ(image.size(), QSize(size, size)) << index;
            // A picture, not an empty or filled square.
            EXPECT_GT(opaquePixels(image), size * size / 5) << index << " @" << size;
            EXPECT_LT(opaquePixels(image), size * size) << index << " @" << size;
        }
        images << iconImage(icon, 32);
    }
    for (int a = 0; a < images.size(); ++a) {
        for (int b = a + 1; b < images.size(); ++b)
            EXPECT_NE(images[a], images[b]) << buttons[a] << " vs " << buttons[b];
    }
    for (int index : {4, 0, 7, -1, 100})
        EXPECT_TRUE(toolbarIcon(index).isNull()) << index;
}

TEST(ToolbarIcons, ProgramIconHasAllItsSizesAndDiffersFromTheButtons)
{
    const QIcon icon = programIcon();
    ASSERT_FALSE(icon.isNull());
    QList<QSize> sizes = icon.availableSizes();
    std::sort(sizes.begin(), sizes.end(), [](QSize a, QSize b) { return a.width() < b.width(); });
    EXPECT_EQ(sizes, (QList<QSize>{{16, 16}, {32, 32}, {48, 48}, {64, 64}}));
    for (int size : {16, 32, 48, 64})
        EXPECT_GT(opaquePixels(iconImage(icon, size)), size * size / 3) << size;
    for (int index : {1, 2, 3, 5, 6})
        EXPECT_NE(iconImage(icon, 32), iconImage(toolbarIcon(index), 32)) << index;
}

// The icons draw each size only when it is first asked for. Whatever is asked,
// in whatever order, they must answer exactly as an icon holding the pictures
// at all their designed sizes: the same size chosen, the same scaling down,
// the same greyed and highlighted pictures.
TEST(ToolbarIcons, AnswerEveryRequestAsTheirFullSetOfPicturesWould)
{
    const auto makers = {+[] { return toolbarIcon(1); }, +[] { return toolbarIcon(3); },
                         +[] { return toolbarIcon(6); }, +[] { return programIcon(); }};
    for (auto make : makers) {
        QIcon fullSet;
        const QIcon drawn = make();
        for (const QSize& size : drawn.availableSizes())
            fullSet.addPixmap(drawn.pixmap(size));
        ASSERT_GE(fullSet.availableSizes().size(), 3);

        const QIcon fresh = make();
        for (int size : {20, 8, 100, 16, 40, 24, 33, 12, 64, 32, 48}) {
            for (QIcon::Mode mode : {QIcon::Normal, QIcon::Disabled, QIcon::Active, QIcon::Selected}) {
                SCOPED_TRACE(testing::Message() << "size " << size << ", mode " << int(mode));
                const QSize request(size, size);
                EXPECT_EQ(fresh.actualSize(request, mode), fullSet.actualSize(request, mode));
                const QImage got = fresh.pixmap(request, mode).toImage().convertToFormat(QImage::Format_ARGB32);
                const QImage want = fullSet.pixmap(request, mode).toImage().convertToFormat(QImage::Format_ARGB32);
                EXPECT_EQ(got.size(), want.size());
                EXPECT_TRUE(got == want);
            }
        }
        // A request that is not square keeps the picture square, as the full set does.
        EXPECT_EQ(fresh.actualSize(QSize(40, 20)), fullSet.actualSize(QSize(40, 20)));
        EXPECT_TRUE(fresh.pixmap(QSize(40, 20)).toImage() == fullSet.pixmap(QSize(40, 20)).toImage());
        EXPECT_TRUE(fresh.availableSizes(QIcon::Disabled).isEmpty());
    }
}

// The window font is named as installed, so that it is found at once; the
// windows must still be drawn in the very face and size the designed name
// gives on this desktop.
TEST(WindowFont, IsTheFaceTheDesignedNameGivesAtTheSameSize)
{
    const QFont designed(QString::fromUtf8(kWindowFont), 9);
    const QFont window = QApplication::font();
    EXPECT_EQ(QFontInfo(window).family(), QFontInfo(designed).family());
    EXPECT_EQ(window.pointSize(), 9);
    const QString sample = QStringLiteral("メニューバーのファイル又はツールバーより、新規作成(&N) 0.123");
    EXPECT_EQ(QFontMetrics(window).horizontalAdvance(sample), QFontMetrics(designed).horizontalAdvance(sample));
    EXPECT_EQ(QFontMetrics(window).height(), QFontMetrics(designed).height());
}

TEST(WindowFont, IsTheDesignedFamilyWhenInstalledElseTheFirstInstalledStandIn)
{
    const QStringList installed = QFontDatabase::families();
    ASSERT_TRUE(installed.contains(QStringLiteral("IPAGothic"))) << "the IPA fonts are among the dependencies";
    const QString missing = QStringLiteral("ＭＳ Ｐゴシック");
    ASSERT_FALSE(installed.contains(missing));
    EXPECT_EQ(installedFamily(QStringLiteral("IPAGothic"), {QStringLiteral("IPAPGothic")}), QStringLiteral("IPAGothic"));
    EXPECT_EQ(installedFamily(missing, {QStringLiteral("No Such Face"), QStringLiteral("IPAPGothic"),
                                        QStringLiteral("IPAGothic")}),
              QStringLiteral("IPAPGothic"));
    EXPECT_EQ(installedFamily(missing, {QStringLiteral("ipagothic")}), QStringLiteral("ipagothic"));
    // Nothing installed to stand in: the name is left to the desktop's matching.
    EXPECT_EQ(installedFamily(missing, {QStringLiteral("No Such Face")}), missing);
    EXPECT_EQ(installedFamily(missing, {}), missing);
}
