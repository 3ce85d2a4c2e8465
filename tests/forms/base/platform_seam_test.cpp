// The platform seam: every question reaches the engineer through it, and a
// close request while a question is up cannot end the program half-way.
#include "support/form_test.h"

#include "forms/base/qt_platform.h"

namespace akuenza::test {

TEST(ScriptedPlatform, AnswersFromItsQueueThenWithTheDefaultButton)
{
    ScriptedPlatform p;
    p.queueAnswer(Answer::Cancel);
    const MessageRequest ask{"q", "確認", MessageButtons::OkCancel, MessageIcon::Question, Answer::Ok};
    EXPECT_EQ(p.messageBox(ask), Answer::Cancel);
    EXPECT_EQ(p.messageBox(ask), Answer::Ok);
    ASSERT_EQ(p.messages().size(), 2u);
    EXPECT_EQ(p.messages()[1].title, QStringLiteral("確認"));
}

TEST(QtPlatform, TurnsTheDesignedFilterIntoQtsForm)
{
    EXPECT_EQ(qtFileFilter(QStringLiteral("アクエンザ(.qzk)|*.qzk")), QStringLiteral("アクエンザ(.qzk) (*.qzk)"));
    EXPECT_EQ(qtFileFilter(QStringLiteral("a|*.a|b|*.b")), QStringLiteral("a (*.a);;b (*.b)"));
    EXPECT_EQ(qtFileFilter(QString()), QString());
}

using PlatformSeam = FormTest;

TEST_F(PlatformSeam, AnInputErrorIsAnOkBoxTitledErrorMessage)
{
    app().showError(QStringLiteral("定数ａを入力してください。"));
    expectOneError(QStringLiteral("定数ａを入力してください。"));
}

TEST_F(PlatformSeam, ACloseRequestWhileAQuestionIsUpIsRefused)
{
    newCase();
    bool closedDuringBox = true;
    // The engineer closes the window while the Close confirmation is up, then answers Cancel.
    platform_->queueAnswer([&] {
        closedDuringBox = mainWindow().close();
        return Answer::Cancel;
    });
    mainWindow().Men_FCls->trigger();
    EXPECT_FALSE(closedDuringBox);
    EXPECT_FALSE(app().programEnded());
    EXPECT_TRUE(mainWindow().isVisible());
    // Only the Close confirmation was asked; the exit question never came up.
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_TRUE(app().isVisible<Form1>());
}

} // namespace akuenza::test
