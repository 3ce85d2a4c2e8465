// Printing and PDF export of the real pages: the 印刷 command with a
// printer set up to print into a file, the PDF出力 command, and the PDF read
// back as text, compared with the sheet's lines page by page.
#include "report_case.h"

#include "support/file_trouble.h"
#include "support/recording_target.h"

#include "forms/report/print_image_window.h"
#include "forms/report/printing.h"

#include <QDir>
#include <QFile>
#include <QMenu>
#include <QToolBar>
#include <QPrinter>
#include <QProcess>
#include <QTemporaryDir>

#include <limits>

namespace akuenza::test {

namespace {

QByteArray bytesOf(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QString run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0) {
        ADD_FAILURE() << program.toStdString() << " failed: " << process.errorString().toStdString();
        return {};
    }
    return QString::fromUtf8(process.readAllStandardOutput());
}

} // namespace

class PdfExport : public ReportCase {
protected:
    QTemporaryDir dir_;
    QString path(const char* name) const { return dir_.filePath(QString::fromLatin1(name)); }

    // The pages the printer gets when nothing overflows: the program's breaks only.
    std::vector<QStringList> printedPages()
    {
        RecordingTarget paper;
        drawPrintedSheet(paper, sheet(), *platform_);
        std::vector<QStringList> out;
        for (const auto& page : paper.pages())
            out.push_back(withoutBlanks(texts(page)));
        return out;
    }
};

TEST_F(PdfExport, ThePdfHoldsExactlyThePrintedPagesAsSearchableText)
{
    calculateWith(5);
    for (const QString& line : sheetTexts())
        ASSERT_FALSE(line.contains(QChar(0x00B7)) || line.contains(QChar(0x2014))) << line.toStdString();
    QString error;
    ASSERT_TRUE(exportPdf(app(), path("sheet.pdf"), &error)) << error.toStdString();
    EXPECT_TRUE(error.isEmpty());
    const std::vector<QStringList> pages = pdfPages(path("sheet.pdf"));
    const std::vector<QStringList> expected = printedPages();
    ASSERT_EQ(expected.size(), 2u);
    ASSERT_EQ(pages.size(), expected.size());
    for (std::size_t i = 0; i < pages.size(); ++i)
        EXPECT_EQ(pages[i], expected[i]) << "page " << i + 1;

    // A4 portrait with the Mincho font embedded.
    const QString info = run(QStringLiteral("pdfinfo"), {path("sheet.pdf")});
    EXPECT_TRUE(info.contains(QStringLiteral("(A4)"))) << info.toStdString();
    // One font, the Mincho, embedded ("emb") with its map to Unicode ("uni").
    const QStringList fonts =
        run(QStringLiteral("pdffonts"), {path("sheet.pdf")}).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(fonts.size(), 3) << fonts.join(QLatin1Char('\n')).toStdString();
    const QStringList font = fonts[2].split(QLatin1Char(' '), Qt::SkipEmptyParts);
    ASSERT_GE(font.size(), 6);
    EXPECT_TRUE(font[0].contains(QStringLiteral("IPAMincho"))) << fonts[2].toStdString();
    EXPECT_EQ(font[font.size() - 5], QStringLiteral("yes")) << fonts[2].toStdString();
    EXPECT_EQ(font[font.size() - 3], QStringLiteral("yes")) << fonts[2].toStdString();
}

TEST_F(PdfExport, ASheetLongerThanThePageContinuesOnTheNextPage)
{
    calculateWith(10); // blocks 3 to 10 do not fit on the second page
    QString error;
    ASSERT_TRUE(exportPdf(app(), path("long.pdf"), &error)) << error.toStdString();
    const std::vector<QStringList> pages = pdfPages(path("long.pdf"));
    ASSERT_GE(pages.size(), 3u);
    const std::vector<QStringList> expected = printedPages();
    ASSERT_EQ(expected.size(), 2u);
    EXPECT_EQ(pages[0], expected[0]);
    QStringList rest;
    for (std::size_t i = 1; i < pages.size(); ++i)
        rest += pages[i];
    EXPECT_EQ(rest, expected[1]); // every line, in order
}

TEST_F(PdfExport, APrinterThatCannotWriteIsNamedAndNothingIsReportedPrinted)
{
    calculateWith(1);
    const QString unreachable = path("missing/folder/sheet.pdf");
    platform_->queuePrinterAnswer([&](QPrinter& printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(unreachable);
        return true;
    });
    FilePrint(app());
    const QString named = QDir::toNativeSeparators(unreachable); // backslashes on Windows
    expectOneError(QStringLiteral("ファイル「%1」に書き込めませんでした。").arg(named));
    EXPECT_FALSE(QFileInfo::exists(unreachable));

    QString error;
    EXPECT_FALSE(exportPdf(app(), unreachable, &error));
    EXPECT_EQ(error, QStringLiteral("ファイル「%1」に書き込めませんでした。").arg(named));
}

TEST_F(PdfExport, AFullDiskLeavesNeitherAHalfPdfNorALostOne)
{
    calculateWith(2);
    QString error;
    ASSERT_TRUE(exportPdf(app(), path("case.pdf"), &error)) << error.toStdString();
    const QByteArray whole = bytesOf(path("case.pdf"));
    ASSERT_TRUE(isWholePdf(whole));
    // Missing its end, or one byte lost before its cross-reference table.
    for (const QByteArray& broken : {whole.left(whole.size() - 8), whole.left(whole.size() / 2),
                                     QByteArray(whole).remove(whole.size() / 2, 1)})
        EXPECT_FALSE(isWholePdf(broken)) << broken.size();
    EXPECT_TRUE(isWholePdf(whole + "\r\n"));

    // PDF出力 over the earlier file with no room, half the room, all but its end.
    for (const long long room : {0LL, whole.size() / 2LL, whole.size() - 8LL}) {
        const int outcome = runInChild(
            [&] {
                platform_->clear();
                platform_->queueFileName(path("case.pdf"));
                platform_->queueAnswer(Answer::Yes);
                FilePdf(app());
                const auto shown = messages(); // the question, then the failure
                return shown.size() == 2 &&
                               shown[1].text == QStringLiteral("ファイル「%1」に書き込めませんでした。").arg(path("case.pdf"))
                           ? 0
                           : 1;
            },
            {.fileSize = room});
        EXPECT_EQ(outcome, 0) << room << ": not refused with the message naming the file";
        EXPECT_EQ(bytesOf(path("case.pdf")), whole);
        EXPECT_EQ(namesIn(dir_.path()), QStringList{QStringLiteral("case.pdf")});
    }
}

TEST_F(PdfExport, TheFileMenuItemAsksForTheFileAndBeforeOverwritingOne)
{
    calculateWith(2);
    emit mainWindow().Men_F->aboutToShow();
    ASSERT_TRUE(mainWindow().Men_FPdf->isEnabled());

    platform_->queueFileName(QString()); // cancelled: nothing
    mainWindow().Men_FPdf->trigger();
    ASSERT_EQ(platform_->calls().size(), 1u);
    EXPECT_EQ(platform_->calls()[0].kind, PlatformCall::Kind::SaveFile);
    EXPECT_EQ(platform_->calls()[0].file.title, QStringLiteral("PDF出力"));
    EXPECT_EQ(platform_->calls()[0].file.filter, QStringLiteral("PDF(.pdf)|*.pdf"));

    platform_->queueFileName(path("case.pdf"));
    mainWindow().Men_FPdf->trigger();
    EXPECT_TRUE(messages().empty());
    ASSERT_EQ(pdfPages(path("case.pdf")), printedPages());

    // An existing file: No keeps it as it is, Yes writes it anew.
    QFile old(path("case.pdf"));
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("kept");
    old.close();
    platform_->clear();
    platform_->queueFileName(path("case.pdf"));
    platform_->queueAnswer(Answer::No);
    mainWindow().Men_FPdf->trigger();
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_EQ(messages()[0].text, QStringLiteral("同名ファイルがあります。上書き保存しますか？"));
    EXPECT_EQ(messages()[0].title, QStringLiteral("上書き保存の確認"));
    EXPECT_EQ(messages()[0].buttons, MessageButtons::YesNo);
    EXPECT_EQ(messages()[0].defaultButton, Answer::No);
    EXPECT_EQ(QFileInfo(path("case.pdf")).size(), 4);

    platform_->queueFileName(path("case.pdf"));
    platform_->queueAnswer(Answer::Yes);
    mainWindow().Men_FPdf->trigger();
    EXPECT_EQ(pdfPages(path("case.pdf")), printedPages());
}

TEST_F(PdfExport, ASheetWithAnImpossibleValueIsNeitherShownNorPrintedNorExported)
{
    calculateWith(1);
    record().square11Kf = std::numeric_limits<double>::infinity();
    const QString message = QString::fromStdString(nonFiniteMessage(sheet().sheet));
    ASSERT_FALSE(message.isEmpty());

    // The menu items and the toolbar buttons alike refuse it, before any dialog.
    MDIFofm& m = mainWindow();
    for (QAction* command : {m.toolbarButton(5), m.Men_FImg, m.toolbarButton(6), m.Men_FPrn, m.Men_FPdf}) {
        SCOPED_TRACE(command->objectName().toStdString());
        platform_->clear();
        command->setEnabled(true);
        command->trigger();
        expectOneError(message);
        EXPECT_EQ(platform_->calls().size(), 1u);
    }
    EXPECT_FALSE(app().isLoaded<Form7>());
    EXPECT_FALSE(mainWindow().Toolbar1->isHidden());

    QString error;
    EXPECT_FALSE(exportPdf(app(), path("impossible.pdf"), &error));
    EXPECT_EQ(error, message);
    EXPECT_FALSE(QFileInfo::exists(path("impossible.pdf")));
}

} // namespace akuenza::test
