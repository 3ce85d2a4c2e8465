// The file dialogs start where the engineer keeps his cases, in a home of
// his own: never in the program's installation, the Documents project
// folder made only for a case saved into it. PDF出力 is asked like a save.
#include "support/form_test.h"

#include "forms/project/document_folders.h"
#include "forms/shell/project_files.h"
#include "forms/report/printing.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStatusBar>
#include <QTemporaryDir>

namespace akuenza::test {

class DocumentFolders : public FormTest {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(home_.isValid());
        oldHome_ = qgetenv("HOME");
        oldConfig_ = qgetenv("XDG_CONFIG_HOME");
        qputenv("HOME", QFile::encodeName(home_.path()));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(home_.filePath(u".config"_qs)));
        FormTest::SetUp();
        newCase();
        enterConditions();
        oneBasin();
        calculate();
    }
    void TearDown() override
    {
        FormTest::TearDown();
        qputenv("HOME", oldHome_);
        if (oldConfig_.isEmpty())
            qunsetenv("XDG_CONFIG_HOME");
        else
            qputenv("XDG_CONFIG_HOME", oldConfig_);
    }
    // The request of the last file dialog.
    FileDialogRequest lastDialog() const
    {
        FileDialogRequest last;
        for (const PlatformCall& call : platform_->calls())
            if (call.kind == PlatformCall::Kind::OpenFile || call.kind == PlatformCall::Kind::SaveFile)
                last = call.file;
        return last;
    }
    QString documents() const { return home_.filePath(u"Documents/アクエンザ"_qs); }

    QTemporaryDir home_;
    QByteArray oldHome_, oldConfig_;
};

TEST_F(DocumentFolders, DialogsStartInDocumentsThenBesideTheCaseAndNeverInTheProgramsFolder)
{
    ASSERT_EQ(documentsProjectFolder(), documents());
    const QString programs = QDir(QCoreApplication::applicationDirPath()).filePath(u"アクエンザ"_qs);
    QDir().rmdir(programs); // what an earlier version of the program left there, if empty
    // Opening looks into the Documents folder, making nothing.
    platform_->queueFileName(QString());
    FileOpen(app());
    EXPECT_EQ(lastDialog().initialFolder, home_.path());
    EXPECT_FALSE(QFileInfo::exists(documents()));

    // Save as shows the project folder, made for it, and gone again when cancelled.
    platform_->queueFileName(QString());
    FileSaveAs(app());
    EXPECT_EQ(lastDialog().initialFolder, documents());
    EXPECT_FALSE(QFileInfo::exists(documents()));
    // Saved into it, it stays.
    platform_->queueFileName(documents() + u"/案件A"_qs);
    FileSaveAs(app());
    EXPECT_TRUE(QFileInfo::exists(documents() + u"/案件A.qzk"_qs));

    // Saved elsewhere, the next dialogs start beside that case.
    const QString elsewhere = home_.filePath(u"現場/北地区"_qs);
    ASSERT_TRUE(QDir().mkpath(elsewhere));
    platform_->queueFileName(elsewhere + u"/案件B.qzk"_qs);
    FileSaveAs(app());
    platform_->queueFileName(QString());
    FileOpen(app());
    EXPECT_EQ(lastDialog().initialFolder, elsewhere);
    // With no case, the folder last used in this run.
    platform_->queueAnswer(Answer::Ok);
    mainWindow().Men_FCls->trigger();
    platform_->queueFileName(QString());
    FileOpen(app());
    EXPECT_EQ(lastDialog().initialFolder, elsewhere);

    for (const PlatformCall& call : platform_->calls())
        if (call.kind == PlatformCall::Kind::OpenFile || call.kind == PlatformCall::Kind::SaveFile) {
            EXPECT_FALSE(call.file.initialFolder.startsWith(QCoreApplication::applicationDirPath()));
        }
    EXPECT_FALSE(QFileInfo::exists(programs));
}

TEST_F(DocumentFolders, PdfIsAskedLikeASaveAndTheStatusBarSaysWhereItWent)
{
    const QString folder = home_.filePath(u"現場"_qs);
    ASSERT_TRUE(QDir().mkpath(folder));
    platform_->queueFileName(folder + u"/案件A.qzk"_qs);
    FileSaveAs(app());

    platform_->queueFileName(folder + u"/計算書"_qs);
    FilePdf(app());
    EXPECT_EQ(lastDialog().initialFolder, folder);
    EXPECT_EQ(lastDialog().initialName, u"案件A.pdf"_qs);
    const QString written = folder + u"/計算書.pdf"_qs;
    EXPECT_TRUE(QFileInfo(written).size() > 0);
    EXPECT_FALSE(QFileInfo::exists(folder + u"/計算書"_qs));
    EXPECT_EQ(mainWindow().sbr1->currentMessage(), u"PDFを出力しました："_qs + QDir::toNativeSeparators(written));
}

} // namespace akuenza::test
