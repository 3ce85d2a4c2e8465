// What a replaced file keeps (its permissions and the link that leads to
// it), the names it is reached by, and what is refused.
#include "forms/base/file_errors.h"
#include "forms/base/safe_files.h"
#include "support/file_trouble.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cerrno>

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/stat.h>
#endif

namespace akuenza::test {

namespace {

QByteArray bytesOf(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

// Folders and cases are named in Japanese: every operation reaches the one
// file through such a name, however it is spelled, and leaves no other.
TEST(SafeFiles, JapaneseNamesReachTheOneFile)
{
    QTemporaryDir root;
    const QString folder = root.filePath(u"雨水浸透施設①"_qs);
    ASSERT_TRUE(QDir().mkdir(folder));
    const QString file = folder + u"/調整池 ～第２案～.qzk"_qs;
    ASSERT_TRUE(replaceFile(file, "old").ok());
    ASSERT_TRUE(replaceFile(file, "new").ok());
    ASSERT_TRUE(appendToFile(file, "+more").ok());
    QByteArray bytes;
    ASSERT_TRUE(readRegularFile(file, 100, &bytes).ok());
    EXPECT_EQ(bytes, "new+more");
    EXPECT_EQ(namesIn(folder), QStringList{u"調整池 ～第２案～.qzk"_qs});
    EXPECT_TRUE(isSameFile(file, folder + u"/../雨水浸透施設①/調整池 ～第２案～.qzk"_qs));
    EXPECT_FALSE(isSameFile(file, folder));
}

TEST(SafeFiles, ADeviceIsNoFileToReadOrWrite)
{
#ifdef _WIN32
    const QString device = u"//./NUL"_qs;
#else
    const QString device = u"/dev/null"_qs;
#endif
    QByteArray bytes;
    for (const FileOutcome& outcome : {readRegularFile(device, 10, &bytes), appendToFile(device, "x"), replaceFile(device, "x")}) {
        EXPECT_FALSE(outcome.ok());
        EXPECT_TRUE(outcome.notRegularFile);
    }
}

#ifdef _WIN32
// A file marked read-only stays so; a file another program holds without
// sharing (a sheet open in a spreadsheet) is reported in use; both are kept.
TEST(SafeFiles, AReadOnlyOrHeldFileIsRefusedAndKept)
{
    QTemporaryDir folder;
    const QString readOnly = folder.filePath(u"読み取り専用.qzk"_qs), held = folder.filePath(u"sintou.txt"_qs);
    ASSERT_TRUE(replaceFile(readOnly, "old").ok() && replaceFile(held, "old").ok());
    ASSERT_TRUE(QFile::setPermissions(readOnly, QFile::ReadOwner | QFile::ReadUser));
    const HANDLE holder = CreateFileW(QDir::toNativeSeparators(held).toStdWString().c_str(), GENERIC_READ, 0,
                                      nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(holder, INVALID_HANDLE_VALUE);
    const struct {
        FileOutcome outcome;
        int error;
    } met[] = {
        {replaceFile(readOnly, "new"), EACCES},
        {appendToFile(readOnly, "new"), EACCES},
        {replaceFile(held, "new"), EBUSY},
        {appendToFile(held, "new"), EBUSY},
    };
    CloseHandle(holder);
    for (const auto& m : met) {
        EXPECT_FALSE(m.outcome.ok());
        EXPECT_EQ(m.outcome.systemError, m.error);
    }
    EXPECT_EQ(bytesOf(readOnly), "old");
    EXPECT_EQ(bytesOf(held), "old");
    EXPECT_EQ(namesIn(folder.path()).size(), 2);
    QFile::setPermissions(readOnly, QFile::ReadOwner | QFile::WriteOwner);
}
#else
namespace {

mode_t modeOf(const QString& path)
{
    struct stat status {};
    return ::lstat(QFile::encodeName(path).constData(), &status) == 0 ? status.st_mode : 0;
}

} // namespace

TEST(SafeFiles, AReplacedFileKeepsItsPermissionsAndTheLinkToIt)
{
    QTemporaryDir folder;
    const QString file = folder.filePath(u"case.qzk"_qs), link = folder.filePath(u"link.qzk"_qs);
    ASSERT_TRUE(replaceFile(file, "old").ok() && QFile::link(file, link));
    ASSERT_EQ(::chmod(QFile::encodeName(file).constData(), 0640), 0);
    ASSERT_TRUE(replaceFile(link, "new").ok());
    EXPECT_EQ(bytesOf(file), "new");
    EXPECT_EQ(modeOf(file) & 07777, 0640u);
    EXPECT_TRUE(S_ISLNK(modeOf(link)));

    const mode_t mask = ::umask(022);
    const bool made = replaceFile(folder.filePath(u"new.qzk"_qs), "x").ok();
    ::umask(mask);
    ASSERT_TRUE(made);
    EXPECT_EQ(modeOf(folder.filePath(u"new.qzk"_qs)) & 07777, 0644u); // as any new file
}
#endif

} // namespace akuenza::test

namespace akuenza::test {

TEST(FileErrors, EveryReasonAFileMessageGivesIsJapanese)
{
    QTemporaryDir folder;
    // The reasons as the engineer meets them: a missing file, a folder, no
    // permission, a name too long; each message names the file and says why.
    const QString missing = folder.filePath(u"無い.qzk"_qs);
    QByteArray bytes;
    const struct {
        FileOutcome outcome;
        const char* reason;
    } met[] = {
        {readRegularFile(missing, 100, &bytes), "ファイルまたはフォルダが見つかりません。"},
        {readRegularFile(folder.path(), 100, &bytes), "フォルダです。ファイルを指定してください。"},
        {readRegularFile(folder.filePath(QString(300, u'x')), 100, &bytes), "ファイル名またはパスが長すぎます。"},
        {FileOutcome{FileOutcome::Step::Write, ENOSPC, false}, "ディスクの空き容量が足りません。"},
        {FileOutcome{FileOutcome::Step::Open, EACCES, false}, "アクセスが許可されていません（読み取り専用か、権限がありません）。"},
        {FileOutcome{FileOutcome::Step::Open, EROFS, false}, "読み取り専用の場所です。"},
        {FileOutcome{FileOutcome::Step::Open, ETXTBSY, false}, "ファイルが他のプログラムで使用中です。"},
        {FileOutcome{FileOutcome::Step::Open, 0, true}, "通常のファイルではありません（パイプやデバイスなど）。"},
        {FileOutcome{FileOutcome::Step::Write, EXDEV, false}, "システムのエラーです（エラー番号 18）。"},
    };
    for (const auto& m : met) {
        ASSERT_FALSE(m.outcome.ok());
        EXPECT_EQ(fileFailureReason(m.outcome), QString::fromUtf8(m.reason)) << m.reason;
    }
    EXPECT_EQ(fileFailureMessage(u"ファイルを開けません。"_qs, missing, met[0].outcome),
              u"ファイルを開けません。\n"_qs + QDir::toNativeSeparators(missing) + u"\nファイルまたはフォルダが見つかりません。"_qs);
}

} // namespace akuenza::test
