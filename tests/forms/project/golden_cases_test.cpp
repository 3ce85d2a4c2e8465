// The saved cases of tests/cases/: each project file is opened as 開く opens
// it in a fresh program, and what it yields is compared with the files
// beside it: NAME.sheet.txt, the bytes 書き込み appends (CP932, CR LF);
// NAME.pdf.txt, the text of the PDF出力 pages; NAME.expected-error.txt, the
// messages shown on opening. A case that yields no sheet has no sheet or PDF
// file. With AKUENZA_UPDATE_GOLDEN=1 the expected files are written from what
// the program yields now instead (see tests/cases/README.md).
#include "forms/report/report_case.h"

#include "core/record/cp932.h"
#include "forms/shell/project_files.h"
#include "forms/report/printing.h"
#include "forms/report/sheet_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <algorithm>
#include <cstring>
#include <map>
#include <optional>
#include <set>

namespace akuenza::test {

namespace {

const QString kCases = QStringLiteral(AKUENZA_GOLDEN_CASES);
constexpr const char* kSuffixes[] = {".sheet.txt", ".pdf.txt", ".expected-error.txt"};

bool updating() { return qEnvironmentVariable("AKUENZA_UPDATE_GOLDEN") == u"1"_qs; }

std::optional<QByteArray> bytesOf(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return std::nullopt;
    return f.readAll();
}

bool write(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}

// What one case yields in a fresh program.
struct Outcome {
    std::optional<QByteArray> sheet; // CP932 bytes; none when the case has no sheet
    std::optional<QByteArray> pdf;   // the PDF's text, UTF-8
    std::optional<QByteArray> messages;
    QString trouble; // writing the sheet or the PDF failed
};

// The message boxes, one after another, each closed by a line "----". The
// case's path, which depends on where the tree is checked out, is written as
// its file name.
QByteArray messagesText(const ScriptedPlatform& platform, const QString& path)
{
    const QString native = QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
    QString out;
    for (const MessageRequest& m : platform.messages())
        out += QString(m.text).replace(native, QFileInfo(path).fileName()) + u"\n----\n"_qs;
    return out.toUtf8();
}

// The PDF's pages as pdfPages reads them (lines without blanks), each page
// headed by a line "---- page N ----", which no line of text can be.
QByteArray pdfText(const std::vector<QStringList>& pages)
{
    QString out;
    for (std::size_t i = 0; i < pages.size(); ++i) {
        out += u"---- page %1 ----\n"_qs.arg(i + 1);
        for (const QString& line : pages[i])
            out += line + u'\n';
    }
    return out.toUtf8();
}

Outcome run(const QString& path, const QTemporaryDir& scratch)
{
    ScriptedPlatform platform;
    App app(platform);
    Outcome out;
    const OpenedCase opened = openProjectCase(app, path, WhenCaseOpen::Replace);
    if (!platform.messages().empty())
        out.messages = messagesText(platform, path);
    if (opened != OpenedCase::WithResults)
        return out;

    const QString base = scratch.filePath(QFileInfo(path).completeBaseName());
    platform.clear();
    if (!appendSheet(app, base + u".sheet.txt"_qs)) {
        out.trouble = u"書き込み failed: "_qs + messagesText(platform, path);
        return out;
    }
    out.sheet = bytesOf(base + u".sheet.txt"_qs);
    QString error;
    if (!exportPdf(app, base + u".pdf"_qs, &error)) {
        out.trouble = u"PDF出力 failed: "_qs + error;
        return out;
    }
    out.pdf = pdfText(pdfPages(base + u".pdf"_qs));
    return out;
}

QStringList linesOf(const QByteArray& utf8)
{
    QStringList lines = QString::fromUtf8(utf8).split(u'\n');
    for (QString& line : lines)
        if (line.endsWith(u'\r'))
            line.chop(1);
    return lines;
}

QString sheetAsText(const QByteArray& cp932)
{
    const std::optional<std::string> text = fromCp932(std::string_view(cp932.constData(), std::size_t(cp932.size())));
    return text ? QString::fromStdString(*text) : u"(not CP932 text)"_qs;
}

// Where two texts part: the first line that differs, both ways round.
std::string firstDifference(const QStringList& expected, const QStringList& actual)
{
    const qsizetype n = std::max(expected.size(), actual.size());
    for (qsizetype i = 0; i < n; ++i) {
        const QString e = i < expected.size() ? expected[i] : u"(end of file)"_qs;
        const QString a = i < actual.size() ? actual[i] : u"(end of file)"_qs;
        if (e != a)
            return u"line %1\n  expected: %2\n  actual:   %3"_qs.arg(i + 1).arg(e, a).toStdString();
    }
    return "no line: only the line ends differ";
}

} // namespace

TEST(GoldenCases, EveryCaseYieldsItsSavedSheetPdfTextAndMessages)
{
    const QDir folder(kCases);
    ASSERT_TRUE(folder.exists()) << kCases.toStdString();
    QTemporaryDir scratch;
    ASSERT_TRUE(scratch.isValid());

    // The folder holds cases, their expected files and nothing else.
    std::set<QString> cases;
    std::map<QString, QString> expectedFiles; // file name -> its case's file name
    for (const QString& name : folder.entryList(QDir::Files | QDir::Hidden)) {
        if (name == u"README.md"_qs || name == u".gitattributes"_qs)
            continue;
        if (name.endsWith(u".qzk"_qs)) {
            cases.insert(name);
            continue;
        }
        bool known = false;
        for (const char* suffix : kSuffixes)
            if (name.endsWith(QLatin1String(suffix))) {
                expectedFiles[name] = name.chopped(qsizetype(std::strlen(suffix))) + u".qzk"_qs;
                known = true;
            }
        EXPECT_TRUE(known) << "a file that is neither a case nor an expected output: " << name.toStdString();
    }
    ASSERT_GE(cases.size(), 20u) << "the cases are missing from " << kCases.toStdString();
    for (const auto& [file, caseName] : expectedFiles)
        EXPECT_TRUE(cases.count(caseName)) << file.toStdString() << " has no case " << caseName.toStdString();

    int written = 0;
    for (const QString& name : cases) {
        SCOPED_TRACE(name.toStdString());
        const QString path = folder.filePath(name);
        const QString stem = folder.filePath(QFileInfo(name).completeBaseName());
        const Outcome got = run(path, scratch);
        EXPECT_TRUE(got.trouble.isEmpty()) << got.trouble.toStdString();
        EXPECT_TRUE(got.sheet || got.messages) << "the case yields neither a sheet nor a message: nothing to compare";
        const std::pair<QString, const std::optional<QByteArray>*> outputs[] = {
            {stem + u".sheet.txt"_qs, &got.sheet},
            {stem + u".pdf.txt"_qs, &got.pdf},
            {stem + u".expected-error.txt"_qs, &got.messages},
        };

        if (updating()) {
            if (!got.trouble.isEmpty())
                continue;
            for (const auto& [file, actual] : outputs) {
                if (*actual) {
                    EXPECT_TRUE(write(file, **actual)) << "cannot write " << file.toStdString();
                    ++written;
                } else if (QFileInfo::exists(file)) {
                    EXPECT_TRUE(QFile::remove(file)) << "cannot remove " << file.toStdString();
                }
            }
            continue;
        }

        for (const auto& [file, actual] : outputs) {
            const std::optional<QByteArray> expected = bytesOf(file);
            const std::string shortName = QFileInfo(file).fileName().toStdString();
            if (!expected && !*actual)
                continue;
            if (!expected) {
                ADD_FAILURE() << "the case yields " << shortName << " but there is none (AKUENZA_UPDATE_GOLDEN=1 writes it)"
                              << (file == outputs[2].first ? ":\n" + (*actual)->toStdString() : std::string());
                continue;
            }
            if (!*actual) {
                ADD_FAILURE() << shortName << " is expected but the case yields none"
                              << (got.messages ? " (it shows:\n" + got.messages->toStdString() + ")" : "");
                continue;
            }
            if (**actual == *expected)
                continue;
            if (file.endsWith(u".sheet.txt"_qs))
                ADD_FAILURE() << shortName << " differs at "
                              << firstDifference(linesOf(sheetAsText(*expected).toUtf8()),
                                                 linesOf(sheetAsText(**actual).toUtf8()));
            else
                ADD_FAILURE() << shortName << " differs at " << firstDifference(linesOf(*expected), linesOf(**actual));
        }
    }
    if (updating())
        std::printf("Wrote %d expected files in %s\n", written, qPrintable(kCases));
}

} // namespace akuenza::test
