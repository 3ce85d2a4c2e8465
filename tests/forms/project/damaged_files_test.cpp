// Damaged project files that the fuzzers found mishandled, kept as found in
// damaged_files/ and opened as 開く opens a chosen file.
#include "support/form_test.h"

#include "forms/shell/project_files.h"

#include <QFile>
#include <QTemporaryDir>

namespace akuenza::test {

namespace {

QString damaged(const char* name) { return QStringLiteral(AKUENZA_DAMAGED_FILES "/") + QString::fromUtf8(name); }

QByteArray bytesOf(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

class DamagedFiles : public FormTest {
protected:
    // Opens the file, then saves the case and opens that in a fresh program:
    // what the program saves it must read back without a word about the
    // file (a check of 計算 that the case fails is said again, as on the
    // damaged file).
    void expectSavedAgainReadsCleanly(const char* name, const char* savedName)
    {
        ASSERT_TRUE(openProjectFile(app(), damaged(name), WhenCaseOpen::Replace));
        ASSERT_TRUE(folder_.isValid());
        const QString saved = folder_.filePath(QString::fromUtf8(savedName));
        ASSERT_TRUE(saveProjectFile(app(), saved));
        ScriptedPlatform quiet;
        App again(quiet);
        ASSERT_TRUE(openProjectFile(again, saved, WhenCaseOpen::Replace));
        std::vector<QString> checks;
        for (const MessageRequest& m : messages())
            if (!m.text.contains(damaged(name).section(u'/', -1)))
                checks.push_back(m.text);
        std::vector<QString> reopened;
        for (const MessageRequest& m : quiet.messages())
            reopened.push_back(m.text);
        EXPECT_EQ(reopened, checks);
    }

    QTemporaryDir folder_;
};

TEST_F(DamagedFiles, ARecordFieldBeyondTheRangeOfNumbersIsAnUnreadableLine)
{
    // A computed-intensity case whose retardance line reads "1.1E999".
    expectSavedAgainReadsCleanly("record-field-beyond-range.qzk", "retardance.qzk");
    ASSERT_FALSE(HasFatalFailure());
    const auto boxes = messages();
    ASSERT_GE(boxes.size(), 1u);
    EXPECT_TRUE(boxes[0].text.contains(u"値として読み込めない行が"_qs)) << boxes[0].text.toStdString();
    EXPECT_FALSE(record().retardanceN.isSet());
    EXPECT_FALSE(bytesOf(folder_.filePath(u"retardance.qzk"_qs)).contains("inf"));
}

} // namespace akuenza::test
