#include "app/command_line.h"

#include "app/headless_platform.h"
#include "core/facilities/required_quantities.h"
#include "forms/facilities/results_form.h"
#include "forms/facilities/window_snapshot.h"
#include "forms/shell/project_files.h"
#include "forms/report/printing.h"
#include "forms/report/sheet_file.h"
#include "forms/base/application.h"
#include "forms/base/safe_files.h"
#include "forms/shell/version_window.h"

#include <QDir>
#include <QFileInfo>
#include <QtGlobal>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <vector>

#ifdef _WIN32
#include <io.h>
#include <windows.h>
#endif

namespace akuenza {

namespace {

void printLine(std::FILE* stream, const QString& text)
{
    std::fprintf(stream, "%s\n", text.toUtf8().constData());
    std::fflush(stream);
}

const QString kHelpHint = QStringLiteral("使い方は akuenza --help で表示できます。");

// ---- Reading the arguments ---------------------------------------------------

CommandLine mistake(const QString& text)
{
    CommandLine command;
    command.error = text;
    return command;
}

// What the options and files say together, once every argument is read.
CommandLine judge(bool help, bool version, bool writeSheet, bool pdf, bool required, bool tsv, bool outGiven,
                  const QString& out, const QStringList& files)
{
    CommandLine command;
    command.files = files;
    command.out = out;
    command.tsv = tsv;
    if (help) {
        command.action = CommandLine::Action::Help;
        return command;
    }
    if (version) {
        command.action = CommandLine::Action::Version;
        return command;
    }
    if (required && (writeSheet || pdf))
        return mistake(QStringLiteral("--required は --write-sheet、--pdf と共には指定できません。"));
    if (required && files.isEmpty())
        return mistake(QStringLiteral("必要数量を求めるプロジェクトファイルを指定してください。"));
    if (tsv && !required)
        return mistake(QStringLiteral("--tsv は --required と共に指定してください。"));
    if (pdf && (files.size() != 2 || writeSheet))
        return mistake(QStringLiteral("--pdf にはプロジェクトファイルと出力する PDF ファイルを指定してください。"));
    if (writeSheet && files.isEmpty())
        return mistake(QStringLiteral("計算書を書き込むプロジェクトファイルを指定してください。"));
    if (outGiven && !writeSheet)
        return mistake(QStringLiteral("--out は --write-sheet と共に指定してください。"));
    if (pdf) {
        command.action = CommandLine::Action::Pdf;
        return command;
    }
    if (required) {
        command.action = CommandLine::Action::Required;
        return command;
    }
    if (writeSheet) {
        command.action = CommandLine::Action::WriteSheet;
        return command;
    }
    if (files.size() > 1)
        return mistake(QStringLiteral("開くプロジェクトファイルは一つだけ指定してください。"));
    return command;
}

// ---- The help text -----------------------------------------------------------

struct HelpRow {
    QString name;
    QStringList description; // its lines
};

// Rows of a name and its description, each description starting at the same
// terminal column, two columns after the widest name.
QString alignedRows(const std::vector<HelpRow>& rows)
{
    int nameWidth = 0;
    for (const HelpRow& row : rows)
        nameWidth = std::max(nameWidth, displayWidth(row.name));
    QString text;
    for (const HelpRow& row : rows)
        for (qsizetype i = 0; i < row.description.size(); ++i) {
            const QString name = i == 0 ? row.name : QString();
            text += QStringLiteral("  ") + name + QString(nameWidth - displayWidth(name) + 2, QLatin1Char(' ')) +
                    row.description[i] + QLatin1Char('\n');
        }
    return text;
}

// ---- Qt's messages -------------------------------------------------------------

QtMessageHandler qtDefaultHandler = nullptr;

// A run without a window: Qt's debug output and warnings concern a display
// nobody sees and would only bury the program's own messages; its critical
// and fatal messages still go out as Qt writes them.
void quietMessages(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        qtDefaultHandler(type, context, message);
}

// Qt's messages while the platform starts, held back: when the platform
// cannot start they are replaced by the program's own message.
struct HeldMessage {
    QtMsgType type;
    QByteArray category, file, function;
    int line;
    QString text;
};
std::mutex heldMutex;
std::vector<HeldMessage> heldMessages;
QtMessageHandler handlerBeforeStart = nullptr;
bool startingWindow = true;

QString displayName()
{
    for (const char* variable : {"WAYLAND_DISPLAY", "DISPLAY"})
        if (!qEnvironmentVariableIsEmpty(variable))
            return qEnvironmentVariable(variable);
    return {};
}

void holdPlatformMessages(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type != QtFatalMsg) {
        const std::lock_guard lock(heldMutex);
        heldMessages.push_back({type, context.category, context.file, context.function, context.line, message});
        return;
    }
    // Qt found no platform it could start: the program ends here, as a run
    // that failed, not as a crash.
    const QString display = displayName();
    if (!startingWindow)
        printLine(stderr, QStringLiteral("計算書を作成できません：Qt のプラットフォーム「%1」を開始できませんでした。")
                              .arg(qEnvironmentVariable("QT_QPA_PLATFORM")));
    else if (display.isEmpty())
        printLine(stderr, QStringLiteral("画面を表示できません：ウィンドウを表示する環境を開始できませんでした。"));
    else
        printLine(stderr, QStringLiteral("画面を表示できません：ディスプレイ %1 に接続できませんでした。").arg(display));
    std::fflush(stdout);
    std::_Exit(kExitFailed);
}

// Whether a window could be shown at all: on a Linux or BSD machine without
// a desktop session neither display is set, and Qt would abort at start.
bool displayIsSet()
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN) && !defined(Q_OS_ANDROID)
    return !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
           !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
#else
    return true;
#endif
}

// ---- The runs without a window -----------------------------------------------

// Whether the output names one of the project files read, under whatever
// spelling: appending a sheet to it, or putting a PDF in its place, would
// destroy the case.
bool isOneOfTheCases(const QString& output, const QStringList& cases)
{
    for (const QString& path : cases)
        if (isSameFile(output, path))
            return true;
    return false;
}

// Each case in a program of its own, opened exactly as 開く opens it, its
// sheet appended as 書き込み writes it. A case that cannot be opened or
// written does not stop the others.
int writeSheets(const QStringList& cases, const QString& out)
{
    const QString target = out.isEmpty() ? sheetFilePath() : QFileInfo(out).absoluteFilePath();
    if (isOneOfTheCases(target, cases)) {
        printLine(stderr, QStringLiteral("計算書の書き込み先に、読み込むプロジェクトファイルは指定できません：%1")
                              .arg(QDir::toNativeSeparators(target)));
        return kExitUsage;
    }
    int failed = 0;
    for (const QString& path : cases) {
        HeadlessPlatform platform;
        App app(platform);
        // A case whose results cannot stand (its message is out already) has no sheet.
        bool ok = openProjectCase(app, path, WhenCaseOpen::Replace) == OpenedCase::WithResults;
        ok = ok && appendSheet(app, target);
        if (!ok) {
            printLine(stderr, QStringLiteral("計算書を書き込めませんでした：%1")
                                  .arg(QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath())));
            ++failed;
        }
    }
    return failed == 0 ? kExitDone : kExitFailed;
}

// The case opened as 開く does and its printed pages written as PDF出力 does.
int writePdf(const QString& project, const QString& pdf)
{
    if (isOneOfTheCases(pdf, {project})) {
        printLine(stderr, QStringLiteral("PDF の出力先に、読み込むプロジェクトファイルは指定できません：%1")
                              .arg(QDir::toNativeSeparators(QFileInfo(pdf).absoluteFilePath())));
        return kExitUsage;
    }
    HeadlessPlatform platform;
    App app(platform);
    if (openProjectCase(app, project, WhenCaseOpen::Replace) != OpenedCase::WithResults)
        return kExitFailed;
    QString error;
    if (!exportPdf(app, QFileInfo(pdf).absoluteFilePath(), &error)) {
        printLine(stderr, error);
        return kExitFailed;
    }
    return kExitDone;
}

// Each case in a program of its own, opened exactly as 開く opens it and run
// as 計　算 runs it; its table of required quantities (or its tab-separated
// lines) goes to standard output. A case that cannot be opened, or whose run
// gives no required quantities (refused, the well), does not stop the others.
int printRequiredQuantities(const QStringList& cases, bool tsv)
{
    int failed = 0;
    if (tsv)
        std::fputs(requiredQuantitiesTsvHeading().c_str(), stdout);
    bool first = true;
    for (const QString& path : cases) {
        HeadlessPlatform platform;
        App app(platform);
        const QString absolute = QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
        if (openProjectCase(app, path, WhenCaseOpen::Replace) == OpenedCase::NotOpened) {
            printLine(stderr, QStringLiteral("必要数量を求められませんでした：%1").arg(absolute));
            ++failed;
            continue;
        }
        const RequiredQuantities result = requiredQuantities(app.record, runEntries(app));
        const QByteArray caseFile = path.toUtf8();
        if (tsv) {
            std::fputs(requiredQuantitiesTsv(result, std::string_view(caseFile.constData(), caseFile.size())).c_str(),
                       stdout);
        } else {
            if (!first)
                std::fputs("\n", stdout);
            std::fputs(("計算ファイル：" + caseFile.toStdString() + "\n").c_str(), stdout);
            std::fputs(requiredQuantitiesTable(result).c_str(), stdout);
        }
        std::fflush(stdout);
        first = false;
        if (!result.ok()) {
            printLine(stderr, QStringLiteral("必要数量を求められませんでした：%1").arg(absolute));
            ++failed;
        }
    }
    return failed == 0 ? kExitDone : kExitFailed;
}

} // namespace

QStringList programArguments(int argc, char** argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

CommandLine parseCommandLine(const QStringList& arguments)
{
    bool help = false, version = false, writeSheet = false, pdf = false, required = false, tsv = false,
         outGiven = false;
    QString out;
    QStringList files;
    bool optionsEnded = false;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        // A file; "-" alone names one too.
        if (optionsEnded || !argument.startsWith(QLatin1Char('-')) || argument == QLatin1String("-")) {
            files << argument;
            continue;
        }
        if (argument == QLatin1String("--")) {
            optionsEnded = true;
            continue;
        }
        if (!argument.startsWith(QLatin1String("--"))) {
            // Short options, also written together ("-hv").
            for (const QChar letter : QStringView(argument).sliced(1)) {
                if (letter == QLatin1Char('h'))
                    help = true;
                else if (letter == QLatin1Char('v'))
                    version = true;
                else
                    return mistake(QStringLiteral("不明なオプションです：%1").arg(argument));
            }
            continue;
        }
        const qsizetype equals = argument.indexOf(QLatin1Char('='));
        const QString name = equals < 0 ? argument : argument.first(equals);
        if (name == QLatin1String("--out")) {
            if (outGiven)
                return mistake(QStringLiteral("--out は一度だけ指定してください。"));
            outGiven = true;
            if (equals >= 0) {
                out = argument.sliced(equals + 1);
            } else if (i + 1 < arguments.size() && !arguments[i + 1].startsWith(QLatin1Char('-'))) {
                // A name that begins with "-" is given as --out=NAME, so that
                // a forgotten name never turns the next option into a file.
                out = arguments[++i];
            }
            if (out.isEmpty())
                return mistake(QStringLiteral("--out の後にファイル名を指定してください。"));
            continue;
        }
        bool* flag = name == QLatin1String("--help")          ? &help
                     : name == QLatin1String("--version")     ? &version
                     : name == QLatin1String("--write-sheet") ? &writeSheet
                     : name == QLatin1String("--pdf")         ? &pdf
                     : name == QLatin1String("--required")    ? &required
                     : name == QLatin1String("--tsv")         ? &tsv
                                                              : nullptr;
        if (!flag)
            return mistake(QStringLiteral("不明なオプションです：%1").arg(name));
        if (equals >= 0)
            return mistake(QStringLiteral("%1 には値を指定できません：%2").arg(name, argument));
        *flag = true;
    }
    return judge(help, version, writeSheet, pdf, required, tsv, outGiven, out, files);
}

int displayWidth(QStringView text)
{
    int width = 0;
    for (const char32_t c : text.toUcs4()) {
        const QChar::Category category = QChar::category(c);
        if (category == QChar::Mark_NonSpacing || category == QChar::Mark_Enclosing ||
            category == QChar::Other_Format || category == QChar::Other_Control)
            continue;
        // The East Asian wide and full-width ranges: Hangul Jamo, CJK
        // punctuation, kana and kanji, Hangul syllables, compatibility
        // ideographs, vertical and full-width forms, the supplementary kanji.
        const bool wide = (c >= 0x1100 && c <= 0x115F) || (c >= 0x2E80 && c <= 0x303E) ||
                          (c >= 0x3041 && c <= 0x33FF) || (c >= 0x3400 && c <= 0x4DBF) ||
                          (c >= 0x4E00 && c <= 0x9FFF) || (c >= 0xA000 && c <= 0xA4CF) ||
                          (c >= 0xAC00 && c <= 0xD7A3) || (c >= 0xF900 && c <= 0xFAFF) ||
                          (c >= 0xFE30 && c <= 0xFE4F) || (c >= 0xFF00 && c <= 0xFF60) ||
                          (c >= 0xFFE0 && c <= 0xFFE6) || (c >= 0x20000 && c <= 0x2FFFD) ||
                          (c >= 0x30000 && c <= 0x3FFFD);
        width += wide ? 2 : 1;
    }
    return width;
}

QString helpText()
{
    QString text = QStringLiteral("アクエンザ：雨水浸透施設の設計計算\n"
                                  "\n"
                                  "使い方：\n"
                                  "  akuenza [ファイル.qzk]\n"
                                  "  akuenza --write-sheet ファイル.qzk... [--out 書き込み先]\n"
                                  "  akuenza --pdf ファイル.qzk 出力.pdf\n"
                                  "  akuenza --required ファイル.qzk... [--tsv]\n"
                                  "  akuenza --help | --version\n"
                                  "\n"
                                  "プロジェクトファイル（.qzk）を一つ指定すると、画面を開いてそのファイルを\n"
                                  "開きます。\n"
                                  "\n"
                                  "オプション：\n");
    text += alignedRows({
        {QStringLiteral("--write-sheet"),
         {QStringLiteral("画面を開かずに、各プロジェクトファイルの計算書を"),
          QStringLiteral("sintou.txt（現在のフォルダ）に追記します。")}},
        {QStringLiteral("--out 書き込み先"),
         {QStringLiteral("計算書を sintou.txt に代えて書き込み先に追記します"),
          QStringLiteral("（--out=書き込み先 とも書けます）。")}},
        {QStringLiteral("--pdf"),
         {QStringLiteral("画面を開かずに、プロジェクトファイルの計算書を"),
          QStringLiteral("印刷と同じページの PDF ファイルにします。")}},
        {QStringLiteral("--required"),
         {QStringLiteral("画面を開かずに、各プロジェクトファイルを計算し、施設ごとに"),
          QStringLiteral("判定を「∴ O.K」にする必要数量の表を標準出力に表示します。")}},
        {QStringLiteral("--tsv"),
         {QStringLiteral("必要数量を、見出しの1行と施設ごとの1行のタブ区切りで"),
          QStringLiteral("表示します（ファイル、画面、入力欄、施設、Q、現在の数量、"),
          QStringLiteral("必要数量、単位）。")}},
        {QStringLiteral("-h, --help"), {QStringLiteral("この説明を表示します。")}},
        {QStringLiteral("-v, --version"), {QStringLiteral("バージョンを表示します。")}},
        {QStringLiteral("--"), {QStringLiteral("これより後の引数は、- で始まってもファイル名とします。")}},
    });
    text += QStringLiteral("\n終了ステータス：\n");
    text += alignedRows({
        {QStringLiteral("0"), {QStringLiteral("正常に終了しました。")}},
        {QStringLiteral("1"),
         {QStringLiteral("プロジェクトファイルを開けなかったか、計算書または PDF を"),
          QStringLiteral("書き込めませんでした。必要数量を求められなかったとき、"),
          QStringLiteral("画面を表示できないときも 1 です。")}},
        {QStringLiteral("2"), {QStringLiteral("オプションまたはファイルの指定に誤りがあります。")}},
    });
    return text;
}

int answerBeforeStart(const CommandLine& command)
{
    if (!command.error.isEmpty()) {
        printLine(stderr, command.error);
        printLine(stderr, kHelpHint);
        return kExitUsage;
    }
    switch (command.action) {
    case CommandLine::Action::Help:
        std::fputs(helpText().toUtf8().constData(), stdout);
        std::fflush(stdout);
        return kExitDone;
    case CommandLine::Action::Version:
        printLine(stdout, kVersionCaption);
        return kExitDone;
    case CommandLine::Action::Window:
        if (!displayIsSet()) {
            printLine(stderr, QStringLiteral("画面を表示できません：ディスプレイが設定されていません"
                                             "（DISPLAY、WAYLAND_DISPLAY）。"));
            printLine(stderr, QStringLiteral("画面を開かずに計算書を書き込むには --write-sheet か --pdf を使います。"));
            printLine(stderr, kHelpHint);
            return kExitFailed;
        }
        return -1;
    case CommandLine::Action::WriteSheet:
    case CommandLine::Action::Pdf:
    case CommandLine::Action::Required:
        return -1;
    }
    return -1;
}

void useStartingConsole()
{
#ifdef _WIN32
    // A standard stream that leads somewhere (a file or pipe the command
    // prompt redirected it to) keeps its destination.
    const auto leadsSomewhere = [](std::FILE* stream) {
        const int fd = _fileno(stream);
        return fd >= 0 && _get_osfhandle(fd) >= 0;
    };
    const bool outGiven = leadsSomewhere(stdout), errGiven = leadsSomewhere(stderr);
    if (outGiven && errGiven)
        return;
    if (!AttachConsole(ATTACH_PARENT_PROCESS))
        return; // started from Explorer or a shortcut: there is no console
    // The program writes UTF-8; the console shows it as such while the
    // program runs, and the prompt gets its own code page back at the end.
    static const UINT promptCodePage = GetConsoleOutputCP();
    SetConsoleOutputCP(CP_UTF8);
    std::atexit([] { SetConsoleOutputCP(promptCodePage); });
    if (!outGiven && !std::freopen("CONOUT$", "w", stdout))
        return;
    if (!errGiven && !std::freopen("CONOUT$", "w", stderr))
        return;
#endif
}

bool runsWithoutWindow(const CommandLine& command)
{
    return command.action == CommandLine::Action::WriteSheet || command.action == CommandLine::Action::Pdf ||
           command.action == CommandLine::Action::Required;
}

void prepareRunWithoutWindow()
{
    // A run without a window needs no display at all.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qtDefaultHandler = qInstallMessageHandler(quietMessages);
}

PlatformStartGuard::PlatformStartGuard(bool forWindow)
{
    startingWindow = forWindow;
    handlerBeforeStart = qInstallMessageHandler(holdPlatformMessages);
}

PlatformStartGuard::~PlatformStartGuard()
{
    qInstallMessageHandler(handlerBeforeStart);
    // The platform started: what Qt said meanwhile goes out as it would have.
    std::vector<HeldMessage> held;
    {
        const std::lock_guard lock(heldMutex);
        held.swap(heldMessages);
    }
    auto text = [](const QByteArray& b) { return b.isNull() ? nullptr : b.constData(); };
    for (const HeldMessage& m : held) {
        const QMessageLogContext context(text(m.file), m.line, text(m.function), text(m.category));
        handlerBeforeStart(m.type, context, m.text);
    }
}

int runWithoutWindow(const CommandLine& command)
{
    if (command.action == CommandLine::Action::Pdf)
        return writePdf(command.files[0], command.files[1]);
    if (command.action == CommandLine::Action::Required)
        return printRequiredQuantities(command.files, command.tsv);
    return writeSheets(command.files, command.out);
}

} // namespace akuenza
