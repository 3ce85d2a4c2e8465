// The main window and the life of a design case: start-up, New, Close,
// Exit, the close request and the File menu's enabled state.
#include "support/form_test.h"

#include "forms/facilities/square_basin_dialog.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>

namespace akuenza::test {

using MainWindow = FormTest;

namespace {
bool anyChildVisible(QMdiArea* area)
{
    for (QMdiSubWindow* sub : area->subWindowList())
        if (sub->isVisible())
            return true;
    return false;
}
} // namespace

TEST_F(MainWindow, StartsEmptyWithOnlyNewAndOpenUsable)
{
    EXPECT_EQ(mainWindow().windowTitle(), QStringLiteral("アクエンザ"));
    EXPECT_EQ(mainWindow().panelText(QStringLiteral("msg")),
              QStringLiteral("メニューバーのファイル又はツールバーより、新規作成又は開くを選択してください。"));
    EXPECT_TRUE(mainWindow().toolbarButton(1)->isEnabled());
    EXPECT_TRUE(mainWindow().toolbarButton(2)->isEnabled());
    for (int index : {3, 5, 6})
        EXPECT_FALSE(mainWindow().toolbarButton(index)->isEnabled()) << index;
    EXPECT_FALSE(anyChildVisible(mainWindow().workArea()));
}

TEST_F(MainWindow, MenusAndToolbarCarryTheDesignedCaptions)
{
    MDIFofm& m = mainWindow();
    EXPECT_EQ(m.Men_F->title(), QStringLiteral("ﾌｧｲﾙ(&F)"));
    const QList<QAction*> file = m.Men_F->actions();
    const QStringList expected = {"新規作成(&N)", "開く(&O)", "閉じる(&C)", "", "上書き保存(&S)", "名前をつけて保存(&A)", "",
                                  "印刷ｲﾒｰｼﾞ(&I)", "印刷(&P)", "PDF出力(&D)...", "", "ｴﾃﾞｨﾀ(&E)", "", "終了(&X)"};
    ASSERT_EQ(file.size(), expected.size());
    for (int i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(file[i]->text(), expected[i]) << i;
        EXPECT_EQ(file[i]->isSeparator(), expected[i].isEmpty()) << i;
    }
    EXPECT_EQ(m.Men_FEdi->actions().size(), 2);
    EXPECT_EQ(m.Men_FEWri->text(), QStringLiteral("書き込み(&W)"));
    EXPECT_EQ(m.Men_FEOpn->text(), QStringLiteral("起動(&O)"));
    EXPECT_EQ(m.Men_S->text(), QStringLiteral("参考(&S)"));
    EXPECT_EQ(m.Men_S->menu(), nullptr);
    EXPECT_EQ(m.Men_T->title(), QStringLiteral("ﾂｰﾙ(&T)"));
    EXPECT_EQ(m.Men_T->actions(), QList<QAction*>{m.Men_TReq});
    EXPECT_EQ(m.Men_TReq->text(), QStringLiteral("必要数量(&R)..."));
    EXPECT_EQ(m.Men_H->title(), QStringLiteral("ﾍﾙﾌﾟ(&H)"));
    EXPECT_EQ(m.Men_HVer->text(), QStringLiteral("ﾊﾞｰｼﾞｮﾝ情報(&A)"));
    const QList<QAction*> top = m.menuBar()->actions();
    ASSERT_EQ(top.size(), 4);
    EXPECT_EQ(top[0], m.Men_F->menuAction());
    EXPECT_EQ(top[1], m.Men_S);
    EXPECT_EQ(top[2], m.Men_T->menuAction());
    EXPECT_EQ(top[3], m.Men_H->menuAction());

    const char* tips[] = {"", "[ファイル]-[新規作成]", "[ファイル]-[開く]", "[ファイル]-[上書き保存]", "",
                          "[ファイル]-[印刷ｲﾒｰｼﾞ]", "[ファイル]-[印刷]"};
    for (int index : {1, 2, 3, 5, 6}) {
        EXPECT_EQ(m.toolbarButton(index)->toolTip(), QString::fromUtf8(tips[index])) << index;
        EXPECT_FALSE(m.toolbarButton(index)->icon().isNull()) << index;
    }
    EXPECT_TRUE(m.toolbarButton(4)->isSeparator());
    EXPECT_EQ(m.toolbarButton(7), nullptr);
}

TEST_F(MainWindow, ToolbarButtonFourAndUnknownIndexesDoNothing)
{
    newCase();
    type(f1().txt_c, QStringLiteral("0.9"));
    mainWindow().Toolbar1_ButtonClick(4);
    mainWindow().Toolbar1_ButtonClick(9);
    EXPECT_EQ(f1().txt_c->text(), QStringLiteral("0.9"));
    EXPECT_TRUE(messages().empty());
}

TEST_F(MainWindow, NewTwiceGivesTheSameFreshCase)
{
    newCase();
    type(f1().txt_c, QStringLiteral("0.9"));
    app().form<Form2>().chk1->setValue(1);
    app().form<Form2>().txt11w->setText(QStringLiteral("0.5"));
    f1().chk_t->setValue(1);
    mainWindow().setFileName(QStringLiteral("/tmp/old.qzk"));
    record().pipe2Fc = 4.0;
    platform_->clear();
    platform_->queueAnswer(Answer::Ok);
    mainWindow().toolbarButton(1)->trigger();
    // The typed case is discarded only after Close's question.
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_EQ(messages()[0].text, QStringLiteral("作成中のデータが失われます。閉じてもよろしいですか？"));
    EXPECT_EQ(messages()[0].defaultButton, Answer::Cancel);
    EXPECT_EQ(f1().txt_c->text(), QString());
    EXPECT_EQ(f1().chk_t->value(), 0);
    EXPECT_EQ(f1().cbo1->text(), QStringLiteral("細砂"));
    EXPECT_EQ(app().form<Form2>().txt11w->text(), QString());
    EXPECT_EQ(app().form<Form2>().chk1->value(), 0);
    EXPECT_EQ(mainWindow().fileName(), QString());
    EXPECT_EQ(record().pipe2Fc, 0.0);
}

TEST_F(MainWindow, NewKeepsTheOpenCaseWhenTheQuestionIsCancelled)
{
    newCase();
    type(f1().txt_c, QStringLiteral("0.9"));
    mainWindow().setFileName(QStringLiteral("/tmp/old.qzk"));
    platform_->queueAnswer(Answer::Cancel);
    mainWindow().Men_FNew->trigger();
    EXPECT_EQ(f1().txt_c->text(), QStringLiteral("0.9"));
    EXPECT_EQ(mainWindow().fileName(), QStringLiteral("/tmp/old.qzk"));
    // With no case open New asks nothing.
    platform_->queueAnswer(Answer::Ok);
    mainWindow().Men_FCls->trigger();
    platform_->clear();
    mainWindow().Men_FNew->trigger();
    EXPECT_TRUE(messages().empty());
    EXPECT_TRUE(app().isVisible<Form1>());
}

TEST_F(MainWindow, FileMenuFollowsTheResultsAndTheProjectFile)
{
    MDIFofm& m = mainWindow();
    newCase();
    emit m.Men_F->aboutToShow();
    for (QAction* a : {m.Men_FSav, m.Men_FOvw, m.Men_FImg, m.Men_FPrn, m.Men_FPdf, m.Men_FEWri})
        EXPECT_FALSE(a->isEnabled()) << a->objectName().toStdString();

    record().countermeasureRainwaterQ1 = 45.0;
    record().totalInfiltrationFc = 6.0;
    emit m.Men_F->aboutToShow();
    for (QAction* a : {m.Men_FSav, m.Men_FImg, m.Men_FPrn, m.Men_FPdf, m.Men_FEWri})
        EXPECT_TRUE(a->isEnabled()) << a->objectName().toStdString();
    EXPECT_FALSE(m.Men_FOvw->isEnabled());
    EXPECT_FALSE(m.toolbarButton(3)->isEnabled());
    EXPECT_TRUE(m.toolbarButton(5)->isEnabled());

    m.setFileName(QStringLiteral("/tmp/case.qzk"));
    emit m.Men_F->aboutToShow();
    EXPECT_TRUE(m.Men_FOvw->isEnabled());
    EXPECT_TRUE(m.toolbarButton(3)->isEnabled());

    // With the well, only its depth counts as a result.
    f1().chk6->setValue(1);
    record().countermeasureRainwaterQ1 = 45.0;
    record().totalInfiltrationFc = 6.0;
    record().wellEffectiveDepthH = 0.0;
    emit m.Men_F->aboutToShow();
    EXPECT_FALSE(m.Men_FPrn->isEnabled());
    EXPECT_FALSE(m.Men_FPdf->isEnabled());
    record().wellEffectiveDepthH = 1.5;
    emit m.Men_F->aboutToShow();
    EXPECT_TRUE(m.Men_FPrn->isEnabled());
    EXPECT_TRUE(m.Men_FPdf->isEnabled());

    for (QAction* a : {m.Men_FNew, m.Men_FOpn, m.Men_FCls, m.Men_FEOpn, m.Men_FEnd})
        EXPECT_TRUE(a->isEnabled()) << a->objectName().toStdString();
}

TEST_F(MainWindow, CloseAsksAndCancelLeavesEverything)
{
    newCase();
    type(f1().txt_c, QStringLiteral("0.9"));
    platform_->queueAnswer(Answer::Cancel);
    mainWindow().Men_FCls->trigger();
    ASSERT_EQ(messages().size(), 1u);
    const MessageRequest box = messages()[0];
    EXPECT_EQ(box.text, QStringLiteral("作成中のデータが失われます。閉じてもよろしいですか？"));
    EXPECT_EQ(box.title, QStringLiteral("確認"));
    EXPECT_EQ(box.buttons, MessageButtons::OkCancel);
    EXPECT_EQ(box.icon, MessageIcon::Question);
    EXPECT_EQ(box.defaultButton, Answer::Cancel);
    EXPECT_TRUE(app().isVisible<Form1>());
    EXPECT_EQ(f1().txt_c->text(), QStringLiteral("0.9"));
}

TEST_F(MainWindow, CloseDiscardsTheCaseAndTheMenuStaysDisabled)
{
    newCase();
    record().countermeasureRainwaterQ1 = 45.0;
    record().totalInfiltrationFc = 6.0;
    mainWindow().setFileName(QStringLiteral("/tmp/case.qzk"));
    platform_->queueAnswer(Answer::Ok);
    mainWindow().Men_FCls->trigger();
    EXPECT_EQ(app().loaded<Form1>(), nullptr);
    EXPECT_EQ(app().loaded<Form2>(), nullptr);
    EXPECT_EQ(app().loaded<Form11>(), nullptr);
    EXPECT_FALSE(anyChildVisible(mainWindow().workArea()));
    EXPECT_EQ(mainWindow().panelText(QStringLiteral("msg")), QString());
    EXPECT_EQ(record().totalInfiltrationFc, 0.0); // the results form took its total with it
    EXPECT_EQ(mainWindow().fileName(), QStringLiteral("/tmp/case.qzk"));

    emit mainWindow().Men_F->aboutToShow();
    for (QAction* a : {mainWindow().Men_FSav, mainWindow().Men_FOvw, mainWindow().Men_FImg, mainWindow().Men_FPrn,
                       mainWindow().Men_FPdf, mainWindow().Men_FEWri})
        EXPECT_FALSE(a->isEnabled()) << a->objectName().toStdString();
    for (int index : {3, 5, 6})
        EXPECT_FALSE(mainWindow().toolbarButton(index)->isEnabled());
    EXPECT_FALSE(app().isVisible<Form1>());
}

TEST_F(MainWindow, ExitAsksWithNoAsDefault)
{
    newCase();
    platform_->queueAnswer(Answer::No);
    mainWindow().Men_FEnd->trigger();
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_EQ(messages()[0].text, QStringLiteral("終了してもよろしいですか？"));
    EXPECT_EQ(messages()[0].title, QStringLiteral("確認"));
    EXPECT_EQ(messages()[0].buttons, MessageButtons::YesNo);
    EXPECT_EQ(messages()[0].defaultButton, Answer::No);
    EXPECT_FALSE(app().programEnded());
    EXPECT_TRUE(app().isVisible<Form1>());

    platform_->queueAnswer(Answer::Yes);
    mainWindow().Men_FEnd->trigger();
    EXPECT_TRUE(app().programEnded());
    EXPECT_EQ(messages().size(), 2u); // no further question on the way out
}

TEST_F(MainWindow, TheCloseRequestAsksWithYesAsDefault)
{
    platform_->queueAnswer(Answer::No);
    EXPECT_FALSE(mainWindow().close());
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_EQ(messages()[0].text, QStringLiteral("終了してもよろしいですか?"));
    EXPECT_EQ(messages()[0].title, QStringLiteral("アクエンザ"));
    EXPECT_EQ(messages()[0].defaultButton, Answer::Yes);
    EXPECT_FALSE(app().programEnded());
    EXPECT_TRUE(mainWindow().isVisible());

    platform_->queueAnswer(Answer::Yes);
    mainWindow().close();
    EXPECT_TRUE(app().programEnded());
    EXPECT_FALSE(mainWindow().isVisible());
}

TEST_F(MainWindow, VersionAndReferenceWindowsAreShownModally)
{
    mainWindow().Men_HVer->trigger();
    mainWindow().Men_S->trigger();
    std::vector<QString> titles;
    for (const PlatformCall& call : platform_->calls())
        if (call.kind == PlatformCall::Kind::Modal)
            titles.push_back(call.windowTitle);
    ASSERT_EQ(titles.size(), 2u);
    EXPECT_EQ(titles[0], QStringLiteral("バージョン情報"));
    EXPECT_EQ(titles[1], QStringLiteral("アクエンザ"));
}

} // namespace akuenza::test
