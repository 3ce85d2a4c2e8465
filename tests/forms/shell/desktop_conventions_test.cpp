// What a Japanese desktop program does around the designed windows: Qt's own
// dialogs speak Japanese, Enter presses a focused button, the title names
// the open case's file, and the work area scrolls where its windows do not fit.
#include "support/form_test.h"

#include "forms/shell/project_files.h"
#include "forms/base/program_setup.h"

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QMdiArea>
#include <QPushButton>
#include <QScrollBar>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QWindow>

namespace akuenza::test {

namespace {
QString nativeTitle(QWidget& window)
{
    return window.windowHandle() ? window.windowHandle()->title() : QStringLiteral("<no native window>");
}
} // namespace

using DesktopConventions = FormTest;

TEST_F(DesktopConventions, QtsOwnDialogsSpeakJapanese)
{
    ASSERT_TRUE(installJapaneseTranslations());
    QDialogButtonBox buttons(QDialogButtonBox::Cancel | QDialogButtonBox::Save);
    EXPECT_EQ(buttons.button(QDialogButtonBox::Cancel)->text(), u"キャンセル"_qs);
    EXPECT_EQ(buttons.button(QDialogButtonBox::Save)->text(), u"保存"_qs);
    QFileDialog files(nullptr, u"アクエンザを開く"_qs);
    files.setOption(QFileDialog::DontUseNativeDialog);
    QStringList labels;
    for (const QLabel* label : files.findChildren<QLabel*>())
        labels << label->text();
    EXPECT_TRUE(labels.contains(u"ファイル名(&N):"_qs)) << labels.join(u" | "_qs).toStdString();
}

TEST_F(DesktopConventions, EnterPressesTheFocusedButtonOfTheDesignConditions)
{
    newCase();
    type(f1().txt_a, u"1000"_qs);
    pressEnter(f1().txt_a); // the designed move to 直接入力 of I
    ASSERT_EQ(focused(), f1().cmd_i1);
    pressEnter(f1().cmd_i1); // pressed: the focus goes on into I
    ASSERT_EQ(focused(), f1().txt_i);
    QTest::keyClicks(f1().txt_i, u"50"_qs);
    EXPECT_EQ(f1().txt_i->text(), u"50"_qs);

    // A disabled button takes no key at all.
    f1().cmd_i1->setEnabled(false);
    QTest::keyClick(f1().cmd_i1, Qt::Key_Return);
    EXPECT_EQ(f1().txt_i->text(), u"50"_qs);
}

TEST_F(DesktopConventions, TheTitleNamesTheOpenCasesFile)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    newCase();
    EXPECT_EQ(nativeTitle(mainWindow()), u"アクエンザ"_qs);
    enterConditions();
    oneBasin();
    calculate();
    const QString file = folder.filePath(u"案件A.qzk"_qs);
    platform_->queueFileName(file);
    FileSaveAs(app());
    EXPECT_EQ(nativeTitle(mainWindow()), u"アクエンザ - 案件A.qzk"_qs);
    const QLabel* filePanel = mainWindow().sbr1->findChild<QLabel*>(u"file"_qs);
    ASSERT_NE(filePanel, nullptr);
    EXPECT_EQ(filePanel->text(), QDir::toNativeSeparators(file));

    platform_->queueAnswer(Answer::Ok);
    mainWindow().Men_FCls->trigger();
    EXPECT_EQ(nativeTitle(mainWindow()), u"アクエンザ"_qs);
    EXPECT_EQ(filePanel->text(), QString());

    ASSERT_TRUE(openProjectFile(app(), file, WhenCaseOpen::Replace));
    EXPECT_EQ(nativeTitle(mainWindow()), u"アクエンザ - 案件A.qzk"_qs);
    newCase();
    EXPECT_EQ(nativeTitle(mainWindow()), u"アクエンザ"_qs);
}

TEST_F(DesktopConventions, TheWorkAreaScrollsToWindowsThatDoNotFit)
{
    mainWindow().resize(400, 300);
    newCase();
    QMdiArea& area = *mainWindow().workArea();
    QCoreApplication::processEvents();
    EXPECT_GT(area.verticalScrollBar()->maximum(), 0);
    EXPECT_GT(area.horizontalScrollBar()->maximum(), 0);
    // Scrolled, the designed places keep: New again puts Form1 at the origin.
    area.verticalScrollBar()->setValue(area.verticalScrollBar()->maximum());
    newCase();
    QCoreApplication::processEvents();
    const QWidget* frame = f1().parentWidget();
    EXPECT_EQ(frame->y() + area.verticalScrollBar()->value(), 0);
}

} // namespace akuenza::test
