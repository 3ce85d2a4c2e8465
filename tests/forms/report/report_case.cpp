#include "report_case.h"

#include "forms/facilities/circular_basin_dialog.h"
#include "forms/facilities/rect_basin_dialog.h"
#include "forms/facilities/square_basin_dialog.h"

#include <QProcess>
#include <QRegularExpression>

namespace akuenza::test {

void ReportCase::SetUp()
{
    FormTest::SetUp();
    newCase();
    enterConditions();
}

void ReportCase::enterBlocks(int blocks, const QString& count)
{
    const QString half = QStringLiteral("0.5");
    const QString one = QStringLiteral("1.0");
    int left = blocks;
    auto column = [](CheckBox* check) {
        if (check->value() == 0)
            click(check);
    };
    // The square and the circular basin share the two-column layout: rows 3 and 4
    // stand in the second column, which must be ticked first.
    auto twoColumnRows = [&](auto& d, const std::vector<std::array<TextBox*, 3>>& rows) {
        column(d.chk1);
        for (std::size_t i = 0; i < rows.size() && left > 0; ++i, --left) {
            if (i == 2)
                column(d.chk2);
            type(rows[i][0], half);
            type(rows[i][1], one);
            type(rows[i][2], count);
        }
    };
    if (left > 0) {
        click(f1().cmd1);
        Form2& d = app().form<Form2>();
        twoColumnRows(d, {{d.txt11w, d.txt11h, d.txt11n},
                          {d.txt12w, d.txt12h, d.txt12n},
                          {d.txt21w, d.txt21h, d.txt21n},
                          {d.txt22w, d.txt22h, d.txt22n}});
    }
    if (left > 0) {
        click(f1().chk2);
        click(f1().cmd2);
        Form5& d = app().form<Form5>();
        const std::vector<std::array<TextBox*, 4>> rows = {{d.txt1w, d.txt1l, d.txt1h, d.txt1n},
                                                           {d.txt2w, d.txt2l, d.txt2h, d.txt2n}};
        for (std::size_t i = 0; i < rows.size() && left > 0; ++i, --left) {
            type(rows[i][0], half);
            type(rows[i][1], one);
            type(rows[i][2], one);
            type(rows[i][3], count);
        }
    }
    if (left > 0) {
        click(f1().chk3);
        click(f1().cmd3);
        Form6& d = app().form<Form6>();
        twoColumnRows(d, {{d.txt11d, d.txt11h, d.txt11n},
                          {d.txt12d, d.txt12h, d.txt12n},
                          {d.txt21d, d.txt21h, d.txt21n},
                          {d.txt22d, d.txt22h, d.txt22n}});
    }
    ASSERT_EQ(left, 0) << "at most ten facility rows";
}

void ReportCase::enterQ1Directly(const QString& q1)
{
    click(f1().opt_u2);
    type(f1().txt_u, q1);
}

void ReportCase::calculateWith(int blocks, const QString& count)
{
    enterBlocks(blocks, count);
    platform_->clear();
    calculate();
    ASSERT_TRUE(messages().empty()) << messages().front().text.toStdString();
    ASSERT_FALSE(f11().lbl9->text().isEmpty());
    platform_->clear();
}

QStringList ReportCase::sheetTexts()
{
    QStringList out;
    for (const SheetLine& line : sheet().sheet.lines)
        out << QString::fromStdString(line.text);
    return out;
}

std::size_t ReportCase::blockStart(int n)
{
    const Sheet s = sheet().sheet;
    int seen = 0;
    for (std::size_t i = 0; i < s.lines.size(); ++i)
        if (s.lines[i].blockStart && ++seen == n)
            return i;
    ADD_FAILURE() << "the sheet has no facility block " << n;
    return s.lines.size();
}

QStringList withoutBlanks(const QStringList& lines)
{
    static const QRegularExpression blanks(QStringLiteral("[\\s\\x{3000}]+"));
    QStringList out;
    for (QString line : lines) {
        line.remove(blanks);
        if (!line.isEmpty())
            out << line;
    }
    return out;
}

std::vector<QStringList> pdfPages(const QString& pdfPath)
{
    QProcess pdftotext;
    // The layout mode keeps each printed line on one line of text.
    pdftotext.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), QStringLiteral("-enc"),
                                                  QStringLiteral("UTF-8"), pdfPath, QStringLiteral("-")});
    if (!pdftotext.waitForFinished(30000) || pdftotext.exitCode() != 0) {
        ADD_FAILURE() << "pdftotext (poppler-utils) could not read " << pdfPath.toStdString() << ": "
                      << pdftotext.errorString().toStdString();
        return {};
    }
    QString text = QString::fromUtf8(pdftotext.readAllStandardOutput());
    text.replace(QChar(0x00B7), QChar(0xFF65)).replace(QChar(0x2014), QChar(0x2015));
    QStringList pages = text.split(QLatin1Char('\f'));
    if (!pages.isEmpty() && pages.back().trimmed().isEmpty())
        pages.removeLast(); // the form feed after the last page
    std::vector<QStringList> out;
    for (const QString& page : pages)
        out.push_back(withoutBlanks(page.split(QLatin1Char('\n'))));
    return out;
}

} // namespace akuenza::test
