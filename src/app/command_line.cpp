#include "app/command_line.h"

#include "app/headless_platform.h"
#include "forms/project/project_files.h"
#include "forms/report/printing.h"
#include "forms/report/sheet_file.h"
#include "forms/shell/application.h"
#include "forms/shell/safe_files.h"
#include "forms/shell/version_window.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>

#include <cstdio>
#include <cstring>

namespace akuenza {

namespace {

void printLine(std::FILE* stream, const QString& text)
{
    std::fprintf(stream, "%s\n", text.toUtf8().constData());
}

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
        return 2;
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
    return failed == 0 ? 0 : 1;
}

// The case opened as 開く does and its printed pages written as PDF出力 does.
int writePdf(const QString& project, const QString& pdf)
{
    if (isOneOfTheCases(pdf, {project})) {
        printLine(stderr, QStringLiteral("PDF の出力先に、読み込むプロジェクトファイルは指定できません：%1")
                              .arg(QDir::toNativeSeparators(QFileInfo(pdf).absoluteFilePath())));
        return 2;
    }
    HeadlessPlatform platform;
    App app(platform);
    if (openProjectCase(app, project, WhenCaseOpen::Replace) != OpenedCase::WithResults)
        return 1;
    QString error;
    if (!exportPdf(app, QFileInfo(pdf).absoluteFilePath(), &error)) {
        printLine(stderr, error);
        return 1;
    }
    return 0;
}

} // namespace

bool runsWithoutWindow(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i)
        for (const char* option : {"--write-sheet", "--pdf", "--help", "-h", "--version", "-v"})
            if (std::strcmp(argv[i], option) == 0)
                return true;
    return false;
}

int runCommandLine(const QStringList& arguments, QString* openAtStart)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("アクエンザ：雨水浸透施設の設計計算"));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("この説明を表示します。"));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("バージョンを表示します。"));
    const QCommandLineOption writeSheet(
        QStringLiteral("write-sheet"),
        QStringLiteral("画面を開かずに、各プロジェクトファイルの計算書を sintou.txt（現在のフォルダ）に追記します。"));
    const QCommandLineOption out(QStringLiteral("out"), QStringLiteral("計算書の書き込み先を sintou.txt に代えて指定します。"),
                                 QStringLiteral("ファイル"));
    const QCommandLineOption pdf(QStringLiteral("pdf"),
                                 QStringLiteral("画面を開かずに、プロジェクトファイルの計算書を印刷と同じページの PDF にします（--pdf ファイル.qzk 出力.pdf）。"));
    parser.addOptions({help, version, writeSheet, out, pdf});
    parser.addPositionalArgument(QStringLiteral("ファイル"), QStringLiteral("プロジェクトファイル (*.qzk)"),
                                 QStringLiteral("[ファイル...]"));

    if (!parser.parse(arguments)) {
        printLine(stderr, parser.errorText());
        return 2;
    }
    if (parser.isSet(help)) {
        printLine(stdout, parser.helpText());
        return 0;
    }
    if (parser.isSet(version)) {
        printLine(stdout, kVersionCaption);
        return 0;
    }
    const QStringList files = parser.positionalArguments();
    if (parser.isSet(pdf)) {
        if (files.size() != 2 || parser.isSet(writeSheet)) {
            printLine(stderr, QStringLiteral("--pdf にはプロジェクトファイルと出力する PDF ファイルを指定してください。"));
            return 2;
        }
        return writePdf(files[0], files[1]);
    }
    if (parser.isSet(writeSheet)) {
        if (files.isEmpty()) {
            printLine(stderr, QStringLiteral("計算書を書き込むプロジェクトファイルを指定してください。"));
            return 2;
        }
        return writeSheets(files, parser.value(out));
    }
    if (parser.isSet(out)) {
        printLine(stderr, QStringLiteral("--out は --write-sheet と共に指定してください。"));
        return 2;
    }
    if (files.size() > 1) {
        printLine(stderr, QStringLiteral("開くプロジェクトファイルは一つだけ指定してください。"));
        return 2;
    }
    if (!files.isEmpty())
        *openAtStart = files.front();
    return -1;
}

} // namespace akuenza
