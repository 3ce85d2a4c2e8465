// The drawing procedures on a recording surface: which lines land on which
// page, where the printer breaks, the NG colour, and that the print image
// never breaks.
#include "report_case.h"

#include "support/recording_target.h"

#include "forms/conditions/rainfall_dialog.h"

namespace akuenza::test {

namespace {

QStringList blanks(int n) { return QStringList(n, QString()); }

} // namespace

class SheetPrinting : public ReportCase {
protected:
    // Prints the open case on a recording printer; printedBlocks_ counts its facility blocks.
    RecordingTarget print(int linesPerPage = 0)
    {
        RecordingTarget paper(linesPerPage);
        printedBlocks_ = drawPrintedSheet(paper, sheet(), *platform_);
        return paper;
    }
    int printedBlocks_ = -1;
};

TEST_F(SheetPrinting, TwoBlocksPrintOnOnePage)
{
    calculateWith(2);
    const RecordingTarget paper = print();
    ASSERT_EQ(paper.pages().size(), 1u);
    EXPECT_EQ(texts(paper.lines()), sheetTexts());
    EXPECT_EQ(printedBlocks_, 2);
}

TEST_F(SheetPrinting, WithQ1ComputedTheThirdOfFiveBlocksStartsPageTwoAfterSixBlankLines)
{
    calculateWith(5);
    const QStringList all = sheetTexts();
    const auto third = static_cast<qsizetype>(blockStart(3));
    const RecordingTarget paper = print();
    ASSERT_EQ(paper.pages().size(), 2u);
    EXPECT_EQ(paper.requestedBreaks(), 1);
    EXPECT_EQ(texts(paper.pages()[0]), all.mid(0, third));
    EXPECT_EQ(texts(paper.pages()[1]), blanks(5) + all.mid(third));
    // Page 2: six blank lines, then the third block's heading.
    EXPECT_EQ(texts(paper.pages()[1]).mid(0, 6), blanks(6));
    EXPECT_EQ(paper.pages()[1][6].text.trimmed(), QStringLiteral("※ 浸透桝 W500×500×H1000 (個数 N=2)"));
    EXPECT_EQ(printedBlocks_, 5);
}

TEST_F(SheetPrinting, WithQ1EnteredDirectlyTheBreakComesBeforeTheFourthBlock)
{
    enterQ1Directly(QStringLiteral("45"));
    calculateWith(5);
    const QStringList all = sheetTexts();
    const auto fourth = static_cast<qsizetype>(blockStart(4));
    const RecordingTarget paper = print();
    ASSERT_EQ(paper.pages().size(), 2u);
    EXPECT_EQ(texts(paper.pages()[0]), all.mid(0, fourth));
    EXPECT_EQ(texts(paper.pages()[1]), blanks(5) + all.mid(fourth));
}

TEST_F(SheetPrinting, Option8StartsAPageBetweenTheRainwaterSectionAndTheRest)
{
    calculateWith(5);
    app().form<Form12>().Option8->setChecked(true);
    const DrawnSheet drawn = sheet();
    QStringList first, rest;
    for (const SheetLine& line : drawn.sheet.lines)
        (line.part == SheetPart::Hyouji_1 ? first : rest) << QString::fromStdString(line.text);
    ASSERT_FALSE(first.isEmpty());
    const auto third = static_cast<qsizetype>(blockStart(3)) - first.size();

    const RecordingTarget paper = print();
    ASSERT_EQ(paper.pages().size(), 3u);
    EXPECT_EQ(texts(paper.pages()[0]), first);
    // Hyouji_2 begins directly with its single blank line.
    EXPECT_EQ(texts(paper.pages()[1]), rest.mid(0, third));
    EXPECT_EQ(paper.pages()[1][1].text.trimmed(), QStringLiteral("対策雨水量 Q1=0.9×0.050×1000.00=45.000m3/hr"));
    EXPECT_EQ(texts(paper.pages()[2]), blanks(5) + rest.mid(third));
}

TEST_F(SheetPrinting, TheNgVerdictIsLightMagentaAndTheNextLineBlackWithOneBeep)
{
    calculateWith(1); // 2 basins give far less than Q1: NG
    const RecordingTarget paper = print();
    const auto lines = paper.lines();
    std::size_t ng = 0;
    int magenta = 0;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].colour == QColor(255, 0, 255)) {
            ++magenta;
            ng = i;
        } else {
            EXPECT_EQ(lines[i].colour, QColor(0, 0, 0)) << i;
        }
    }
    ASSERT_EQ(magenta, 1);
    EXPECT_TRUE(lines[ng].text.endsWith(QStringLiteral("∴ NG"))) << lines[ng].text.toStdString();
    ASSERT_LT(ng + 1, lines.size());
    EXPECT_EQ(lines[ng + 1].colour, QColor(0, 0, 0));
    EXPECT_EQ(platform_->beeps(), 1);
}

TEST_F(SheetPrinting, ThePrintImageNeverBreaksPages)
{
    calculateWith(5);
    app().form<Form12>().Option8->setChecked(true);
    RecordingTarget picture;
    EXPECT_EQ(drawPrintImage(picture, sheet(), *platform_), 105);
    EXPECT_EQ(picture.requestedBreaks(), 0);
    EXPECT_EQ(picture.clears(), 1);
    EXPECT_EQ(texts(picture.lines()), sheetTexts());
}

TEST_F(SheetPrinting, ALongSheetContinuesOnNewPagesWithoutLosingALine)
{
    calculateWith(5);
    const QStringList all = sheetTexts();
    const auto third = static_cast<qsizetype>(blockStart(3));
    ASSERT_GT(third, 30);
    const int perPage = 30;
    const RecordingTarget paper = print(perPage);
    for (const auto& page : paper.pages())
        EXPECT_LE(page.size(), static_cast<std::size_t>(perPage));
    // Every line in its order, only the five blanks of the program's break added.
    EXPECT_EQ(texts(paper.lines()), all.mid(0, third) + blanks(5) + all.mid(third));
    EXPECT_GE(paper.fullPageBreaks(), 2);
    EXPECT_EQ(paper.requestedBreaks(), 1);
    // The program's break still starts its own page, before the third block.
    bool found = false;
    for (const auto& page : paper.pages())
        found = found || (texts(page).mid(0, 6) == blanks(6) && page.size() > 6 &&
                          page[6].text == all[third + 1]);
    EXPECT_TRUE(found);
}

TEST_F(SheetPrinting, TheWellSheetPrintsWholeWithoutBreaks)
{
    calculateWith(5);
    app().form<Form12>().Option8->setChecked(true);
    f1().chk6->setValue(1);
    const DrawnSheet drawn = sheet();
    ASSERT_FALSE(drawn.sheet.lines.empty());
    for (const SheetLine& line : drawn.sheet.lines)
        ASSERT_EQ(line.part, SheetPart::Hyouji_3);
    const RecordingTarget paper = print();
    EXPECT_EQ(paper.pages().size(), 1u);
    EXPECT_EQ(texts(paper.lines()), sheetTexts());
    EXPECT_TRUE(sheetTexts().filter(QStringLiteral("◎ 雨水吸込槽")).size() == 1);
    RecordingTarget picture;
    drawPrintImage(picture, drawn, *platform_);
    EXPECT_EQ(texts(picture.lines()), sheetTexts());
}

} // namespace akuenza::test
