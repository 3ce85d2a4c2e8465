// The program's command line, run as a shell runs it: sheets of saved cases
// written without a window, byte for byte as 書き込み writes them.
#include "support/form_test.h"

#include "app/command_line.h"

#include "forms/facilities/square_basin_dialog.h"
#include "forms/project/project_files.h"
#include "forms/report/printing.h"
#include "forms/report/sheet_file.h"

#include "support/file_trouble.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <sys/stat.h>

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

struct RunLimits {
    long long fileSize = -1; // prlimit --fsize: writes beyond fail as on a full disk
    int timeoutMs = 60000;   // a run still going then is ended (exit code -1)
};

ProgramRun runProgram(const QStringList& arguments, const QString& folder, RunLimits limits = {})
{
    QProcess program;
    program.setWorkingDirectory(folder);
    if (limits.fileSize >= 0)
        program.start(QStringLiteral("prlimit"), QStringList{u"--fsize=%1"_qs.arg(limits.fileSize), u"--"_qs,
                                                             QStringLiteral(AKUENZA_PROGRAM)} +
                                                     arguments);
    else
        program.start(QStringLiteral(AKUENZA_PROGRAM), arguments);
    ProgramRun run;
    if (!program.waitForFinished(limits.timeoutMs))
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

TEST_F(CommandLine, ARunThatCannotFinishFailsAtOnceAndLeavesEveryFileAsItWas)
{
    saveCase(u"A"_qs, u"2"_qs);
    const QByteArray sheet = bytesOf(path(u"A.window.txt"_qs));
    ASSERT_TRUE(QFile::copy(path(u"A.window.txt"_qs), path(u"out.txt"_qs)));
    ASSERT_TRUE(makeFifo(path(u"pipe.qzk"_qs)) && makeFifo(path(u"pipe.txt"_qs)));
    const QStringList names = namesIn(folder_.path());
    const QString notWritten = u"計算書のファイルに書き込めません。"_qs;
    const QString notOpened = u"ファイルを開けません。"_qs;
    const struct {
        QStringList arguments;
        long long room;
        QString message;
    } runs[] = {
        // The disk full half way through the second sheet, or through the PDF.
        {{u"--write-sheet"_qs, u"A.qzk"_qs, u"--out"_qs, u"out.txt"_qs}, sheet.size() * 3 / 2, notWritten},
        {{u"--pdf"_qs, u"A.qzk"_qs, u"cli.pdf"_qs}, 8192, path(u"cli.pdf"_qs)},
        // A device that is always full; pipes that nobody writes to or reads.
        {{u"--pdf"_qs, u"A.qzk"_qs, u"/dev/full"_qs}, -1, u"/dev/full"_qs},
        {{u"--write-sheet"_qs, u"pipe.qzk"_qs, u"--out"_qs, u"out.txt"_qs}, -1, notOpened},
        {{u"--write-sheet"_qs, u"A.qzk"_qs, u"--out"_qs, u"pipe.txt"_qs}, -1, notWritten},
        {{u"--pdf"_qs, u"pipe.qzk"_qs, u"out.pdf"_qs}, -1, notOpened},
        {{u"--pdf"_qs, u"A.qzk"_qs, u"pipe.txt"_qs}, -1, path(u"pipe.txt"_qs)},
    };
    for (const auto& r : runs) {
        const ProgramRun run = runProgram(r.arguments, folder_.path(), {.fileSize = r.room, .timeoutMs = 20000});
        EXPECT_EQ(run.exitCode, 1) << r.arguments.join(u' ').toStdString() << " (-1: blocked)\n" << run.err.toStdString();
        EXPECT_TRUE(run.err.contains(r.message)) << run.err.toStdString();
        EXPECT_EQ(bytesOf(path(u"out.txt"_qs)), sheet);
        EXPECT_EQ(namesIn(folder_.path()), names); // neither a PDF nor a temporary file
    }
    EXPECT_TRUE(isFifo(path(u"pipe.qzk"_qs)) && isFifo(path(u"pipe.txt"_qs)));
    struct stat device {};
    EXPECT_TRUE(::stat("/dev/full", &device) == 0 && S_ISCHR(device.st_mode));
}

TEST_F(CommandLine, TheOutputIsNeverOneOfTheCasesBeingRead)
{
    saveCase(u"A"_qs, u"2"_qs);
    saveCase(u"B"_qs, u"20"_qs);
    ASSERT_TRUE(QFile::link(path(u"A.qzk"_qs), path(u"link.qzk"_qs)));
    const QByteArray a = bytesOf(path(u"A.qzk"_qs));
    const QByteArray b = bytesOf(path(u"B.qzk"_qs));
    // A case as the sheet file under every spelling, and as the PDF.
    QList<QStringList> runs = {{u"--pdf"_qs, u"A.qzk"_qs, u"./A.qzk"_qs}};
    for (const QString& out : {u"B.qzk"_qs, u"./A.qzk"_qs, path(u"A.qzk"_qs), u"link.qzk"_qs})
        runs.append({u"--write-sheet"_qs, u"A.qzk"_qs, u"B.qzk"_qs, u"--out"_qs, out});
    for (const QStringList& arguments : runs) {
        const ProgramRun run = runProgram(arguments, folder_.path());
        EXPECT_EQ(run.exitCode, 2) << arguments.join(u' ').toStdString();
        EXPECT_FALSE(run.err.isEmpty());
    }
    EXPECT_EQ(bytesOf(path(u"A.qzk"_qs)), a);
    EXPECT_EQ(bytesOf(path(u"B.qzk"_qs)), b);
    EXPECT_FALSE(QFile::exists(path(u"sintou.txt"_qs)));
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
