// The program's command line, run as a shell runs it: sheets of saved cases
// written without a window, byte for byte as 書き込み writes them.
#include "support/form_test.h"

#include "app/command_line.h"

#include "forms/facilities/square_basin_dialog.h"
#include "forms/project/project_files.h"
#include "forms/report/printing.h"
#include "forms/report/sheet_file.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

namespace akuenza::test {

namespace {

QByteArray bytesOf(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

struct ProgramRun {
    int exitCode = -1;
    QString out, err;
};

ProgramRun runProgram(const QStringList& arguments, const QString& folder)
{
    QProcess program;
    program.setWorkingDirectory(folder);
    program.start(QStringLiteral(AKUENZA_PROGRAM), arguments);
    ProgramRun run;
    if (!program.waitForFinished(60000))
        return run;
    run.exitCode = program.exitStatus() == QProcess::NormalExit ? program.exitCode() : -1;
    run.out = QString::fromUtf8(program.readAllStandardOutput());
    run.err = QString::fromUtf8(program.readAllStandardError());
    return run;
}

} // namespace

class CommandLine : public FormTest {
protected:
    void SetUp() override
    {
        FormTest::SetUp();
        ASSERT_TRUE(folder_.isValid());
    }
    // A case through the windows: one square basin of N pieces, calculated,
    // saved, and its sheet written as 書き込み does.
    void saveCase(const QString& name, const QString& pieces)
    {
        newCase();
        enterConditions();
        oneBasin(pieces);
        calculate();
        ASSERT_TRUE(saveProjectFile(app(), path(name + u".qzk"_qs)));
        ASSERT_TRUE(appendSheet(app(), path(name + u".window.txt"_qs)));
    }
    QString path(const QString& name) const { return folder_.filePath(name); }

    QTemporaryDir folder_;
};

TEST_F(CommandLine, WritesTheSameSheetsAsTheWindowInOrder)
{
    saveCase(u"A"_qs, u"2"_qs);
    saveCase(u"B"_qs, u"20"_qs);
    const ProgramRun run = runProgram({u"--write-sheet"_qs, path(u"A.qzk"_qs), path(u"B.qzk"_qs), u"--out"_qs,
                                path(u"out.txt"_qs)},
                               folder_.path());
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(bytesOf(path(u"out.txt"_qs)), bytesOf(path(u"A.window.txt"_qs)) + bytesOf(path(u"B.window.txt"_qs)));

    // Without --out the sheet goes to sintou.txt in the current folder.
    const ProgramRun plain = runProgram({u"--write-sheet"_qs, u"A.qzk"_qs}, folder_.path());
    EXPECT_EQ(plain.exitCode, 0) << plain.err.toStdString();
    EXPECT_EQ(bytesOf(path(u"sintou.txt"_qs)), bytesOf(path(u"A.window.txt"_qs)));
}

TEST_F(CommandLine, AFileThatFailsDoesNotStopTheOthersButTheExitCodeSaysSo)
{
    saveCase(u"good"_qs, u"2"_qs);
    QFile memo(path(u"memo.qzk"_qs));
    ASSERT_TRUE(memo.open(QIODevice::WriteOnly));
    memo.write("not a case\r\n");
    memo.close();
    const ProgramRun run = runProgram({u"--write-sheet"_qs, u"missing.qzk"_qs, u"memo.qzk"_qs, u"good.qzk"_qs, u"--out"_qs,
                                u"out.txt"_qs},
                               folder_.path());
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains(u"ファイルを開けません。"_qs)) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains(u"アクエンザのファイルではありません。"_qs));
    EXPECT_TRUE(run.err.contains(u"missing.qzk"_qs));
    EXPECT_EQ(bytesOf(path(u"out.txt"_qs)), bytesOf(path(u"good.window.txt"_qs)));
}

TEST_F(CommandLine, APdfOfASavedCaseHoldsThePagesTheWindowPrints)
{
    saveCase(u"A"_qs, u"2"_qs);
    QString error;
    ASSERT_TRUE(exportPdf(app(), path(u"window.pdf"_qs), &error)) << error.toStdString();
    const ProgramRun run = runProgram({u"--pdf"_qs, u"A.qzk"_qs, u"cli.pdf"_qs}, folder_.path());
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    auto text = [&](const QString& pdf) {
        QProcess pdftotext;
        pdftotext.start(u"pdftotext"_qs, {u"-layout"_qs, pdf, u"-"_qs});
        EXPECT_TRUE(pdftotext.waitForFinished(30000));
        return QString::fromUtf8(pdftotext.readAllStandardOutput());
    };
    const QString fromWindow = text(path(u"window.pdf"_qs));
    EXPECT_TRUE(fromWindow.contains(u"∴ NG"_qs)) << fromWindow.toStdString();
    EXPECT_EQ(text(path(u"cli.pdf"_qs)), fromWindow);

    const ProgramRun missing = runProgram({u"--pdf"_qs, u"none.qzk"_qs, u"x.pdf"_qs}, folder_.path());
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_FALSE(QFile::exists(path(u"x.pdf"_qs)));
}

TEST_F(CommandLine, VersionAndMistakes)
{
    const ProgramRun version = runProgram({u"--version"_qs}, folder_.path());
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_EQ(version.out.trimmed(), u"アクエンザ  Version 1.16"_qs);
    const ProgramRun nothing = runProgram({u"--write-sheet"_qs}, folder_.path());
    EXPECT_EQ(nothing.exitCode, 2);
    EXPECT_FALSE(nothing.err.isEmpty());
    const ProgramRun unknown = runProgram({u"--no-such-option"_qs}, folder_.path());
    EXPECT_EQ(unknown.exitCode, 2);
    const ProgramRun half = runProgram({u"--pdf"_qs, u"A.qzk"_qs}, folder_.path());
    EXPECT_EQ(half.exitCode, 2);
}

TEST(CommandLineStart, AProjectFileGivenAloneOpensInTheWindow)
{
    QString open;
    EXPECT_EQ(runCommandLine({u"akuenza"_qs, u"/cases/A.qzk"_qs}, &open), -1);
    EXPECT_EQ(open, u"/cases/A.qzk"_qs);
    open.clear();
    EXPECT_EQ(runCommandLine({u"akuenza"_qs}, &open), -1);
    EXPECT_TRUE(open.isEmpty());
    EXPECT_EQ(runCommandLine({u"akuenza"_qs, u"A.qzk"_qs, u"B.qzk"_qs}, &open), 2);
    const char* windowArgs[] = {"akuenza", "A.qzk"};
    const char* sheetArgs[] = {"akuenza", "--write-sheet", "A.qzk"};
    EXPECT_FALSE(runsWithoutWindow(2, const_cast<char**>(windowArgs)));
    EXPECT_TRUE(runsWithoutWindow(3, const_cast<char**>(sheetArgs)));
}

} // namespace akuenza::test
