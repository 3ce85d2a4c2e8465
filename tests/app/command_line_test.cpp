// The program's command line, run as a shell runs it: sheets of saved cases
// written without a window, byte for byte as 書き込み writes them; every
// request answered in Japanese, on a machine without a display too.
#include "support/form_test.h"

#include "app/command_line.h"

#include "core/facilities/required_quantities.h"
#include "forms/facilities/window_snapshot.h"
#include "forms/facilities/square_basin_dialog.h"
#include "forms/report/required_quantities_window.h"
#include "forms/shell/project_files.h"
#include "forms/report/printing.h"
#include "forms/report/sheet_file.h"

#include "support/file_trouble.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <optional>

#include <sys/stat.h>
#ifdef _WIN32
#include <windows.h>
#endif

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
    std::optional<QProcessEnvironment> environment = {}; // else the test's own
};

ProgramRun runProgram(const QStringList& arguments, const QString& folder, RunLimits limits = {})
{
    QProcess program;
    program.setWorkingDirectory(folder);
    if (limits.environment)
        program.setProcessEnvironment(*limits.environment);
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
#ifdef _WIN32
    // Text written on Windows ends its lines in CR LF, as Windows does.
    run.out.replace(u"\r\n"_qs, u"\n"_qs);
    run.err.replace(u"\r\n"_qs, u"\n"_qs);
#endif
    return run;
}

// The environment of an office machine reached over ssh, or of a build
// server: no display of any kind, no runtime folder, no platform chosen.
QProcessEnvironment withoutDisplay()
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const QString& name : {u"DISPLAY"_qs, u"WAYLAND_DISPLAY"_qs, u"QT_QPA_PLATFORM"_qs, u"XDG_RUNTIME_DIR"_qs})
        environment.remove(name);
    return environment;
}

// Lines of standard error that are not the program's own: every message the
// program writes is in Japanese, so a line without a single kana or kanji
// is Qt's or the system's chatter.
QStringList foreignLines(const QString& err)
{
    static const QRegularExpression japanese(u"[\\x{3000}-\\x{30FF}\\x{4E00}-\\x{9FFF}\\x{FF00}-\\x{FFEF}]"_qs);
    QStringList foreign;
    for (const QString& line : err.split(u'\n', Qt::SkipEmptyParts))
        if (!line.contains(japanese))
            foreign << line;
    return foreign;
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
#ifdef _WIN32
    // A second name of the one file (QFile::link makes a shortcut there, a file of its own).
    ASSERT_TRUE(CreateHardLinkW(QDir::toNativeSeparators(path(u"link.qzk"_qs)).toStdWString().c_str(),
                                QDir::toNativeSeparators(path(u"A.qzk"_qs)).toStdWString().c_str(), nullptr));
#else
    ASSERT_TRUE(QFile::link(path(u"A.qzk"_qs), path(u"link.qzk"_qs)));
#endif
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

// 必要数量 of saved cases: the table and the tab-separated lines are what
// the window's run gives for the case opened as 開く opens it; a case
// without quantities (the well) or one that cannot be opened is on standard
// error and in the exit status, and does not stop the others.
TEST_F(CommandLine, RequiredQuantitiesOfSavedCases)
{
    const QString cases = QStringLiteral(AKUENZA_GOLDEN_CASES);
    const QStringList names = {u"clay-ng.qzk"_qs, u"increase-ng.qzk"_qs, u"square-ok.qzk"_qs};
    QString table, tsv = QString::fromStdString(requiredQuantitiesTsvHeading());
    int rows = 0;
    for (const QString& name : names) {
        ASSERT_TRUE(openProjectFile(app(), cases + u"/"_qs + name, WhenCaseOpen::Replace));
        const RequiredQuantities r = requiredQuantities(record(), runEntries(app()));
        ASSERT_TRUE(r.ok()) << name.toStdString();
        rows += static_cast<int>(r.rows.size());
        table += (table.isEmpty() ? u""_qs : u"\n"_qs) + u"計算ファイル："_qs + name + u"\n"_qs +
                 QString::fromStdString(requiredQuantitiesTable(r));
        tsv += QString::fromStdString(requiredQuantitiesTsv(r, name.toStdString()));
    }

    const ProgramRun plain = runProgram(QStringList{u"--required"_qs} + names, cases);
    EXPECT_EQ(plain.exitCode, 0) << plain.err.toStdString();
    EXPECT_EQ(plain.err, QString());
    EXPECT_EQ(plain.out, table);
    // The clay case lacks water; the O.K case has some in hand.
    EXPECT_TRUE(plain.out.contains(u"不足="_qs) && plain.out.contains(u"余裕="_qs)) << plain.out.toStdString();

    const ProgramRun lines = runProgram(QStringList{u"--required"_qs, u"--tsv"_qs} + names, cases);
    EXPECT_EQ(lines.exitCode, 0) << lines.err.toStdString();
    EXPECT_EQ(lines.out, tsv);
    const QStringList out = lines.out.split(u'\n', Qt::SkipEmptyParts);
    ASSERT_EQ(out.size(), rows + 1);
    for (const QString& line : out.mid(1)) {
        const QStringList f = line.split(u'\t');
        ASSERT_EQ(f.size(), 8) << line.toStdString();
        EXPECT_TRUE(names.contains(f[0])) << line.toStdString();
        // The dialog and box are the names the program knows the box by.
        EXPECT_NE(facilityBox(app(), f[1].toStdString(), f[2].toStdString()), nullptr) << line.toStdString();
    }

    // The well has no quantities and a missing file no table: status 1, the
    // other case's table still printed.
    const ProgramRun mixed = runProgram({u"--required"_qs, u"well.qzk"_qs, u"missing.qzk"_qs, names[0]}, cases);
    EXPECT_EQ(mixed.exitCode, 1);
    EXPECT_TRUE(mixed.out.endsWith(table.section(u"\n計算ファイル："_qs, 0, 0))) << mixed.out.toStdString();
    EXPECT_TRUE(mixed.out.contains(QString::fromUtf8(kRequiredWellCase))) << mixed.out.toStdString();
    EXPECT_EQ(mixed.err.count(u"必要数量を求められませんでした："_qs), 2) << mixed.err.toStdString();
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
    using Action = akuenza::CommandLine::Action;
    const akuenza::CommandLine one = parseCommandLine({u"akuenza"_qs, u"/cases/A.qzk"_qs});
    EXPECT_EQ(one.action, Action::Window);
    EXPECT_EQ(one.files, QStringList{u"/cases/A.qzk"_qs});
    EXPECT_FALSE(runsWithoutWindow(one));
    const akuenza::CommandLine none = parseCommandLine({u"akuenza"_qs});
    EXPECT_EQ(none.action, Action::Window);
    EXPECT_TRUE(none.files.isEmpty());
    EXPECT_FALSE(parseCommandLine({u"akuenza"_qs, u"A.qzk"_qs, u"B.qzk"_qs}).error.isEmpty());
    EXPECT_TRUE(runsWithoutWindow(parseCommandLine({u"akuenza"_qs, u"--write-sheet"_qs, u"A.qzk"_qs})));
}

TEST(CommandLineStart, TheArgumentsAreReadAsAShellGivesThem)
{
    using Action = akuenza::CommandLine::Action;
    const struct {
        QStringList arguments;
        Action action;
        QStringList files;
        QString out;
    } requests[] = {
        {{u"--write-sheet"_qs, u"A.qzk"_qs, u"B.qzk"_qs, u"--out"_qs, u"s.txt"_qs},
         Action::WriteSheet, {u"A.qzk"_qs, u"B.qzk"_qs}, u"s.txt"_qs},
        {{u"--out=s.txt"_qs, u"A.qzk"_qs, u"--write-sheet"_qs}, Action::WriteSheet, {u"A.qzk"_qs}, u"s.txt"_qs},
        {{u"--out=-s.txt"_qs, u"--write-sheet"_qs, u"--"_qs, u"-A.qzk"_qs, u"--pdf"_qs},
         Action::WriteSheet, {u"-A.qzk"_qs, u"--pdf"_qs}, u"-s.txt"_qs},
        {{u"--pdf"_qs, u"A.qzk"_qs, u"A.pdf"_qs}, Action::Pdf, {u"A.qzk"_qs, u"A.pdf"_qs}, {}},
        {{u"-"_qs}, Action::Window, {u"-"_qs}, {}},
        // --help and --version win over everything but a wrong option.
        {{u"-hv"_qs}, Action::Help, {}, {}},
        {{u"--pdf"_qs, u"--version"_qs}, Action::Version, {}, {}},
    };
    for (const auto& r : requests) {
        const akuenza::CommandLine command = parseCommandLine(QStringList{u"akuenza"_qs} + r.arguments);
        const std::string shown = r.arguments.join(u' ').toStdString();
        EXPECT_TRUE(command.error.isEmpty()) << shown << ": " << command.error.toStdString();
        EXPECT_EQ(command.action, r.action) << shown;
        EXPECT_EQ(command.files, r.files) << shown;
        EXPECT_EQ(command.out, r.out) << shown;
    }
}

TEST(CommandLineStart, AFullWidthCharacterTakesTwoColumns)
{
    const struct {
        QString text;
        int columns;
    } texts[] = {
        {u""_qs, 0},
        {u"--write-sheet"_qs, 13},
        {u"ファイル"_qs, 8},
        {u"計算書 sintou.txt（現在のフォルダ）。"_qs, 6 + 1 + 10 + 2 * 10},
        {u"ｱｸｴﾝｻﾞ"_qs, 6},                // half-width kana
        {u"Ｑ１＝Ｃ・Ｉ・Ａ"_qs, 16},      // full-width forms and the middle dot
        {u"e\u0301"_qs, 1},               // a combining accent takes no column
        {QString::fromUcs4(U"\U00020BB7"), 2}, // a kanji beyond the basic plane
    };
    for (const auto& t : texts)
        EXPECT_EQ(displayWidth(t.text), t.columns) << t.text.toStdString();
}

// Every request of the command line, on a machine with no display at all:
// each answered in Japanese with the exit status the manual page gives,
// none aborted, and nothing but the program's own lines on standard error.
TEST_F(CommandLine, EveryRequestIsAnsweredInJapaneseWithoutADisplay)
{
    saveCase(u"A"_qs, u"2"_qs);
    ASSERT_TRUE(QFile::copy(path(u"A.qzk"_qs), path(u"-dash.qzk"_qs)));
    const QString hint = u"使い方は akuenza --help で表示できます。"_qs;
    const QString noDisplay = u"画面を表示できません"_qs;
    enum Stream { Out, Err };
    const struct {
        QStringList arguments;
        int exitCode;
        Stream stream;
        QString fragment;       // in that stream
        QString display = {};   // DISPLAY for this run
        QString platform = {};  // QT_QPA_PLATFORM for this run
    } runs[] = {
        {{u"--bogus"_qs}, 2, Err, u"不明なオプションです：--bogus\n"_qs + hint},
        {{u"--bogus=1"_qs, u"A.qzk"_qs}, 2, Err, u"不明なオプションです：--bogus\n"_qs},
        {{u"-x"_qs}, 2, Err, u"不明なオプションです：-x\n"_qs},
        {{u"-platform"_qs, u"xcb"_qs}, 2, Err, u"不明なオプションです：-platform\n"_qs},
        {{u"--write-sheet"_qs, u"A.qzk"_qs, u"--out"_qs}, 2, Err, u"--out の後にファイル名を指定してください。\n"_qs + hint},
        {{u"--write-sheet"_qs, u"A.qzk"_qs, u"--out"_qs, u"--pdf"_qs}, 2, Err, u"--out の後にファイル名を"_qs},
        {{u"--write-sheet"_qs, u"A.qzk"_qs, u"--out="_qs}, 2, Err, u"--out の後にファイル名を"_qs},
        {{u"--write-sheet"_qs, u"A.qzk"_qs, u"--out=a"_qs, u"--out=b"_qs}, 2, Err, u"--out は一度だけ"_qs},
        {{u"--out"_qs, u"s.txt"_qs, u"A.qzk"_qs}, 2, Err, u"--out は --write-sheet と共に"_qs},
        {{u"--pdf"_qs, u"A.qzk"_qs, u"A.pdf"_qs, u"--out=s.txt"_qs}, 2, Err, u"--out は --write-sheet と共に"_qs},
        {{u"--help=yes"_qs}, 2, Err, u"--help には値を指定できません：--help=yes"_qs},
        {{u"--write-sheet"_qs}, 2, Err, u"計算書を書き込むプロジェクトファイルを指定してください。"_qs},
        {{u"--pdf"_qs, u"A.qzk"_qs}, 2, Err, u"--pdf にはプロジェクトファイルと出力する PDF ファイル"_qs},
        {{u"--pdf"_qs, u"--write-sheet"_qs, u"A.qzk"_qs, u"A.pdf"_qs}, 2, Err, u"--pdf にはプロジェクトファイルと"_qs},
        {{u"A.qzk"_qs, u"B.qzk"_qs}, 2, Err, u"開くプロジェクトファイルは一つだけ"_qs},
        {{u"--pdf"_qs, u"A.qzk"_qs, u"A.qzk"_qs}, 2, Err, u"PDF の出力先に、読み込むプロジェクトファイルは"_qs},
        {{u"--help"_qs}, 0, Out, u"使い方：\n  akuenza [ファイル.qzk]\n"_qs},
        {{u"-h"_qs}, 0, Out, u"終了ステータス：\n"_qs},
        {{u"-h"_qs, u"--bogus"_qs}, 2, Err, u"不明なオプションです：--bogus"_qs}, // a mistake wins over --help
        {{u"--version"_qs}, 0, Out, u"アクエンザ  Version 1.16\n"_qs},
        {{u"-v"_qs, u"--write-sheet"_qs}, 0, Out, u"アクエンザ  Version 1.16\n"_qs},
        // The window needs a display: none set, one that cannot be reached,
        // a platform that does not exist.
        {{}, 1, Err, noDisplay + u"：ディスプレイが設定されていません"_qs},
        {{u"A.qzk"_qs}, 1, Err, noDisplay},
        {{u"A.qzk"_qs}, 1, Err, noDisplay + u"：ディスプレイ :98765 に接続できませんでした。"_qs, u":98765"_qs},
        {{}, 1, Err, noDisplay, {}, u"no-such-platform"_qs},
        {{u"--write-sheet"_qs, u"A.qzk"_qs, u"--out=t.txt"_qs}, 1, Err, u"計算書を作成できません"_qs, {},
         u"no-such-platform"_qs},
        // Without a window no display is needed; a case or an output that
        // fails is a Japanese message and status 1.
        {{u"--write-sheet"_qs, u"A.qzk"_qs, u"--out=s.txt"_qs}, 0, Err, {}},
        {{u"--write-sheet"_qs, u"--out"_qs, u"dash.txt"_qs, u"--"_qs, u"-dash.qzk"_qs}, 0, Err, {}},
        {{u"--pdf"_qs, u"A.qzk"_qs, u"A.pdf"_qs}, 0, Err, {}},
        {{u"--write-sheet"_qs, u"none.qzk"_qs}, 1, Err, u"計算書を書き込めませんでした："_qs + QDir::toNativeSeparators(path(u"none.qzk"_qs))},
        {{u"--write-sheet"_qs, u"A.qzk"_qs, u"--out=no/such/folder/s.txt"_qs}, 1, Err, u"計算書を書き込めませんでした"_qs},
        {{u"--pdf"_qs, u"none.qzk"_qs, u"none.pdf"_qs}, 1, Err, QDir::toNativeSeparators(path(u"none.qzk"_qs))},
        {{u"--pdf"_qs, u"A.qzk"_qs, u"no/such/folder/A.pdf"_qs}, 1, Err,
         QDir::toNativeSeparators(path(u"no/such/folder/A.pdf"_qs))},
        {{u"--required"_qs, u"A.qzk"_qs}, 0, Out, u"計算ファイル：A.qzk\n"_qs},
        {{u"--tsv"_qs, u"--required"_qs, u"A.qzk"_qs}, 0, Out, u"計算ファイル\t画面\t入力欄\t"_qs},
        {{u"--required"_qs}, 2, Err, u"必要数量を求めるプロジェクトファイルを指定してください。"_qs},
        {{u"--tsv"_qs, u"A.qzk"_qs}, 2, Err, u"--tsv は --required と共に"_qs},
        {{u"--required"_qs, u"--pdf"_qs, u"A.qzk"_qs, u"A.pdf"_qs}, 2, Err, u"--required は --write-sheet、--pdf と"_qs},
        {{u"--required"_qs, u"A.qzk"_qs, u"--out=s.txt"_qs}, 2, Err, u"--out は --write-sheet と共に"_qs},
        {{u"--required"_qs, u"none.qzk"_qs}, 1, Err,
         u"必要数量を求められませんでした："_qs + QDir::toNativeSeparators(path(u"none.qzk"_qs))},
    };
    for (const auto& r : runs) {
#ifdef _WIN32
        // Windows has no display to be missing: there the window opens. A
        // platform that does not exist is left out there too: under Wine the
        // program does not end (not yet understood; see the Windows notes).
        if (r.fragment.startsWith(noDisplay) || !r.platform.isEmpty())
            continue;
#endif
        QProcessEnvironment environment = withoutDisplay();
        if (!r.display.isEmpty())
            environment.insert(u"DISPLAY"_qs, r.display);
        if (!r.platform.isEmpty())
            environment.insert(u"QT_QPA_PLATFORM"_qs, r.platform);
        const ProgramRun run = runProgram(r.arguments, folder_.path(), {.environment = environment});
        const std::string shown = u"akuenza "_qs.append(r.arguments.join(u' ')).toStdString();
        EXPECT_EQ(run.exitCode, r.exitCode) << shown << " (-1: aborted)\n" << run.err.toStdString();
        EXPECT_TRUE((r.stream == Out ? run.out : run.err).contains(r.fragment))
            << shown << "\nout: " << run.out.toStdString() << "\nerr: " << run.err.toStdString();
        if (r.exitCode == 0) {
            EXPECT_EQ(run.err, QString()) << shown;
        }
        EXPECT_EQ(foreignLines(run.err), QStringList()) << shown;
    }
    EXPECT_EQ(bytesOf(path(u"s.txt"_qs)), bytesOf(path(u"A.window.txt"_qs)));
    EXPECT_EQ(bytesOf(path(u"dash.txt"_qs)), bytesOf(path(u"A.window.txt"_qs)));
    EXPECT_TRUE(bytesOf(path(u"A.pdf"_qs)).startsWith("%PDF-"));
    EXPECT_FALSE(QFile::exists(path(u"none.pdf"_qs)));
    EXPECT_FALSE(QFile::exists(path(u"t.txt"_qs)));
}

// --help in two columns: every description of a section starts at the same
// terminal column, counted as a terminal counts full-width characters, and
// no line is wider than a terminal of 80 columns.
TEST_F(CommandLine, TheHelpListsEveryOptionInAlignedColumns)
{
    const ProgramRun help = runProgram({u"--help"_qs}, folder_.path(), {.environment = withoutDisplay()});
    ASSERT_EQ(help.exitCode, 0) << help.err.toStdString();
    EXPECT_EQ(help.err, QString());
    const QStringList lines = help.out.split(u'\n');
    for (const QString& line : lines)
        EXPECT_LE(displayWidth(line), 80) << line.toStdString();

    // A description begins after the last run of two spaces or more.
    static const QRegularExpression gap(u"\\S(  +)\\S(?!.*  )"_qs);
    auto columnsOf = [&](const QString& heading) {
        QList<int> columns;
        QString names;
        qsizetype i = lines.indexOf(heading);
        EXPECT_GE(i, 0) << heading.toStdString();
        for (++i; i >= 1 && i < lines.size() && !lines[i].isEmpty(); ++i) {
            const QString& line = lines[i];
            const QRegularExpressionMatch m = gap.match(line);
            const qsizetype start = m.hasMatch() ? m.capturedEnd(1) : line.indexOf(QRegularExpression(u"\\S"_qs));
            if (m.hasMatch())
                names += line.first(m.capturedStart(1)) + u' ';
            columns << displayWidth(QStringView(line).first(start));
        }
        EXPECT_GE(columns.size(), 3) << heading.toStdString();
        for (const int column : columns)
            EXPECT_EQ(column, columns.front()) << heading.toStdString() << "\n" << help.out.toStdString();
        return names;
    };
    const QString options = columnsOf(u"オプション："_qs);
    for (const QString& option :
         {u"--write-sheet "_qs, u"--out "_qs, u"--pdf "_qs, u"--required "_qs, u"--tsv "_qs, u"-h, --help "_qs,
          u"-v, --version "_qs, u"-- "_qs})
        EXPECT_TRUE(options.contains(option)) << options.toStdString();
    const QString statuses = columnsOf(u"終了ステータス："_qs);
    EXPECT_EQ(statuses.simplified(), u"0 1 2"_qs);
}

} // namespace akuenza::test
