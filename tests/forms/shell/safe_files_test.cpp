// What a replaced file keeps: its permissions and the link that leads to it.
#include "forms/shell/safe_files.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <sys/stat.h>

namespace akuenza::test {

namespace {

QByteArray bytesOf(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

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

} // namespace akuenza::test
