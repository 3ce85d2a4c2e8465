// 書き込み and 起動 of the calculation sheet text file.
#include "support/form_test.h"

#include "core/record/cp932.h"
#include "forms/facilities/square_basin_dialog.h"
#include "forms/report/sheet_file.h"
#include "support/file_trouble.h"

#include <QDir>
#include <QFile>
#include <QMenu>
#include <QTemporaryDir>

#include <cmath>

namespace akuenza::test {

namespace {
QByteArray bytesOf(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
} // namespace

class SheetFile : public FormTest {
protected:
    void SetUp() override
    {
        FormTest::SetUp();
        ASSERT_TRUE(folder_.isValid());
        start_ = QDir::currentPath();
        QDir::setCurrent(folder_.path());
        newCase();
        enterConditions();
        oneBasin();
        calculate(); // Q1 45 > ΣFc 6.062: NG
        platform_->clear();
    }
    void TearDown() override
    {
        QDir::setCurrent(start_);
        FormTest::TearDown();
    }
    void write()
    {
        emit mainWindow().Men_F->aboutToShow();
        ASSERT_TRUE(mainWindow().Men_FEWri->isEnabled());
        mainWindow().Men_FEWri->trigger();
    }
    QString sheetFile() const { return folder_.filePath(u"sintou.txt"_qs); }

    QTemporaryDir folder_;
    QString start_;
};

TEST_F(SheetFile, EveryWriteAppendsOneWholeSheetInCp932WithCrLf)
{
    write();
    const QByteArray once = bytesOf(sheetFile());
    ASSERT_FALSE(once.isEmpty());
    EXPECT_TRUE(messages().empty());
    EXPECT_EQ(platform_->beeps(), 1); // one NG line
    // The heading, as the text holds it in CP932.
    const std::string heading = *toCp932("             ☆ アクエンザ書\r\n");
    EXPECT_TRUE(once.startsWith(QByteArray("\r\n") + QByteArray::fromStdString(heading)));
    EXPECT_TRUE(once.endsWith("\r\n"));
    EXPECT_EQ(once.count('\n'), once.count("\r\n"));
    const auto text = fromCp932(once.toStdString());
    ASSERT_TRUE(text);
    EXPECT_NE(text->find("                      ・浸　透　量 Fc=Q･N=3.031×2=6.062m3/hr\r\n"), std::string::npos);
    EXPECT_NE(text->find("                      Q1=45.000m3/hr  >  ΣFc=6.062m3/hr    ∴ NG\r\n"), std::string::npos);

    write();
    EXPECT_EQ(bytesOf(sheetFile()), once + once);
}

TEST_F(SheetFile, ASheetThatCannotBeWrittenWhollyIsNotWrittenAtAll)
{
    // A value the run would have refused: the run's message, no file.
    record().square11Kf = std::numeric_limits<double>::infinity();
    write();
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_EQ(messages()[0].text, u"浸透量が計算できません。浸透施設の寸法を確認してください。"_qs);
    EXPECT_FALSE(QFile::exists(sheetFile()));
    calculate();

    // A soil name the file's code page cannot hold.
    click(f1().chk_t);
    type(f1().txt_t, u"𠮷岡ローム"_qs);
    type(f1().txt_tk, u"0.015"_qs);
    calculate();
    platform_->clear();
    write();
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_TRUE(messages()[0].text.contains(u"「設計条件」の「土質の名称」"_qs)) << messages()[0].text.toStdString();
    EXPECT_FALSE(QFile::exists(sheetFile()));

    // A folder that cannot hold the file: the full path and the reason.
    f1().chk_t->setValue(0);
    calculate();
    platform_->clear();
    EXPECT_FALSE(appendSheet(app(), folder_.filePath(u"no/such/folder/sintou.txt"_qs)));
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_TRUE(messages()[0].text.startsWith(u"計算書のファイルに書き込めません。\n"_qs));
    // The path as the system writes it: "no\such\folder" on Windows.
    EXPECT_TRUE(messages()[0].text.contains(QDir::toNativeSeparators(u"no/such/folder/sintou.txt"_qs)))
        << messages()[0].text.toStdString();
    EXPECT_EQ(platform_->beeps(), 0);
}

TEST_F(SheetFile, AFullDiskLeavesTheEarlierSheetsByteForByte)
{
    const auto refusedWith = [&](long long fileSize) {
        return runInChild(
            [&] {
                write();
                const bool refused = messages().size() == 1 &&
                                     isFileMessage(messages()[0].text, u"計算書のファイルに書き込めません。"_qs, sheetFile());
                return refused && platform_->beeps() == 0 ? 0 : 1;
            },
            {.fileSize = fileSize});
    };
    EXPECT_EQ(refusedWith(100), 0);
    EXPECT_FALSE(QFile::exists(sheetFile())); // no file begun
    write();
    const QByteArray before = bytesOf(sheetFile());
    platform_->clear();
    // No room, room for half the sheet (cut mid-line), for all of it but a byte.
    for (const long long room : {0LL, before.size() / 2LL, before.size() - 1LL}) {
        EXPECT_EQ(refusedWith(before.size() + room), 0) << room << ": not refused with the file and the reason";
        EXPECT_EQ(bytesOf(sheetFile()), before);
    }
    write(); // with room again the next sheet follows whole
    EXPECT_EQ(bytesOf(sheetFile()), before + before);
}

TEST_F(SheetFile, TheEditorOpensTheFileAsItStands)
{
    mainWindow().Men_FEOpn->trigger();
    const auto calls = platform_->calls();
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].kind, PlatformCall::Kind::Editor);
    EXPECT_EQ(calls[0].editorFile, sheetFile());
    EXPECT_FALSE(QFile::exists(sheetFile())); // not written first

    platform_->setEditorStarts(false);
    mainWindow().Men_FEOpn->trigger();
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_TRUE(messages()[0].text.contains(QDir::toNativeSeparators(sheetFile())));
}

} // namespace akuenza::test
