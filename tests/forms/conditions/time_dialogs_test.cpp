// The inlet-time (Kerby) and river-channel dialogs, shown modally by the
// rainfall dialog through the platform seam and answered by the test.
#include "support/form_test.h"

#include "forms/conditions/flow_time_dialog.h"
#include "forms/conditions/inlet_time_dialog.h"
#include "forms/conditions/rainfall_dialog.h"

#include <QPointer>

namespace akuenza::test {

class TimeDialogs : public FormTest {
protected:
    void SetUp() override
    {
        FormTest::SetUp();
        newCase();
        click(f1().cmd_i2);
        Form12& f = f12();
        click(f.opt1);
        type(f.txt1, u"1000"_qs);
        type(f.txt2, u"40"_qs);
        click(f.Option4);
    }
    Form12& f12() { return app().form<Form12>(); }

    // The next modal window is shown and active while the action runs on it,
    // as the engineer sees it; afterwards the main window is active again.
    template <class D, class Action>
    void whileShown(Action action)
    {
        platform_->queueModalAction([this, action](QDialog& dialog) {
            dialog.show();
            dialog.activateWindow();
            ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
            QPointer<QDialog> guard(&dialog);
            action(static_cast<D&>(dialog));
            if (guard && guard->isVisible())
                guard->hide();
            mainWindow().activateWindow();
            ASSERT_TRUE(QTest::qWaitForWindowActive(&mainWindow()));
        });
    }
    int modalRuns() const
    {
        int n = 0;
        for (const PlatformCall& call : platform_->calls())
            n += call.kind == PlatformCall::Kind::Modal && call.windowTitle == u"アクエンザ"_qs;
        return n;
    }
    void kerby(const char* L, const char* S, const char* n)
    {
        whileShown<Form13>([=](Form13& k) {
            type(k.txt1, QString::fromLatin1(L));
            type(k.txt2, QString::fromLatin1(S));
            type(k.txt3, QString::fromLatin1(n));
            click(k.cmd1);
        });
        click(f12().Command4);
    }
};

TEST_F(TimeDialogs, KerbyPutsTheRoundedInletTimeIntoTheArrivalTime)
{
    kerby("100", "10", "0.40");
    EXPECT_EQ(modalRuns(), 1);
    EXPECT_TRUE(messages().empty());
    Form12& f = f12();
    EXPECT_EQ(f.txt3->text(), u"23.65"_qs);
    EXPECT_TRUE(f.Option2->isChecked());
    EXPECT_FALSE(f.txt3->hasFrame());
    EXPECT_NEAR(record().inletTimeT1, 23.6505085, 1e-6);
    EXPECT_DOUBLE_EQ(record().slopeLengthL, 100.0);

    click(f.txt9);
    type(f.txt9, u"10"_qs);
    click(f.cmd1);
    EXPECT_TRUE(messages().empty());
    EXPECT_DOUBLE_EQ(record().arrivalTimeT, 33.65); // the shown t1, not the unrounded one
}

TEST_F(TimeDialogs, KerbyOkKeepsItsEntriesCancelAndDirectT1DiscardThem)
{
    kerby("100", "10", "0.40");
    QString kept;
    whileShown<Form13>([&](Form13& k) {
        kept = k.txt1->text();
        click(k.cmd2);
    });
    click(f12().Command4);
    EXPECT_EQ(kept, u"100"_qs);
    EXPECT_EQ(app().loadedDialog<Form13>(), nullptr);
    EXPECT_EQ(f12().txt3->text(), u"23.65"_qs); // Cancel changes nothing in the rainfall dialog

    kerby("100", "10", "0.40");
    whileShown<Form13>([](Form13& k) { QTest::keyClick(&k, Qt::Key_Escape); }); // Escape is the Cancel
    click(f12().Command4);
    EXPECT_EQ(app().loadedDialog<Form13>(), nullptr);

    kerby("100", "10", "0.40");
    ASSERT_NE(app().loadedDialog<Form13>(), nullptr);
    click(f12().Option1);
    EXPECT_EQ(app().loadedDialog<Form13>(), nullptr);
    kerby("100", "10", "0.40");
    click(f12().txt3);
    EXPECT_EQ(app().loadedDialog<Form13>(), nullptr);
    EXPECT_TRUE(f12().Option1->isChecked());
    whileShown<Form13>([&](Form13& k) { kept = k.txt1->text(); });
    click(f12().Command4);
    EXPECT_EQ(kept, QString());
}

TEST_F(TimeDialogs, KerbyChecksItsEntriesInOrderAndRefusesAZeroSlope)
{
    std::vector<QString> focus;
    bool stillUp = false;
    whileShown<Form13>([&](Form13& k) {
        click(k.cmd1);
        focus.push_back(k.focusWidget()->objectName());
        pressEnter(k.txt1); // Enter moves on through L, S and n to OK without pressing it
        pressEnter(k.txt2);
        focus.push_back(k.focusWidget()->objectName());
        pressEnter(k.txt3);
        focus.push_back(k.focusWidget()->objectName());
        type(k.txt1, u"100"_qs);
        type(k.txt3, u"0.40"_qs);
        click(k.cmd1);
        focus.push_back(k.focusWidget()->objectName());
        type(k.txt2, u"0"_qs);
        click(k.cmd1);
        focus.push_back(k.focusWidget()->objectName());
        EXPECT_EQ(k.txt2->cursorPosition(), 0);
        stillUp = k.isVisible();
    });
    click(f12().Command4);
    const auto boxes = messages();
    ASSERT_EQ(boxes.size(), 3u);
    EXPECT_EQ(boxes[0].text, u"斜面距離をしてください。"_qs);
    EXPECT_EQ(boxes[1].text, u"斜面勾配を入力してください。"_qs);
    EXPECT_EQ(boxes[2].text, u"斜面勾配が０又は負のため流入時間を計算できません。斜面勾配を入力してください。"_qs);
    EXPECT_EQ(boxes[2].title, u"エラーメッセージ"_qs);
    EXPECT_EQ(focus, (std::vector<QString>{u"txt1"_qs, u"txt3"_qs, u"cmd1"_qs, u"txt2"_qs, u"txt2"_qs}));
    EXPECT_TRUE(stillUp);
    EXPECT_EQ(f12().txt3->text(), QString());
    EXPECT_FALSE(record().inletTimeT1.isSet());
}

TEST_F(TimeDialogs, RiverChannelFlowTimeIsComputedAtTheRainfallOk)
{
    Form12& f = f12();
    click(f.Option1);
    type(f.txt3, u"5"_qs);
    click(f.chk1);
    ASSERT_TRUE(f.Command1->isVisibleTo(&f));
    std::vector<QString> focus;
    whileShown<Form22>([&](Form22& c) {
        click(c.cmd1);
        focus.push_back(c.focusWidget()->objectName());
        click(c.opt1);
        type(c.txt1, u"1"_qs);
        click(c.cmd1);
        focus.push_back(c.focusWidget()->objectName());
        type(c.txt2, u"0.01"_qs);
        click(c.cmd1);
        EXPECT_FALSE(c.isVisible());
    });
    click(f.Command1);
    const auto boxes = messages();
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[0].text, u"開発の前または後を選択してください。"_qs);
    EXPECT_EQ(boxes[1].text, u"河道の勾配を入力してください。"_qs);
    EXPECT_EQ(focus, (std::vector<QString>{u"opt1"_qs, u"txt2"_qs}));
    EXPECT_FALSE(record().channelLengthL.isSet()); // nothing until the rainfall OK

    platform_->clear();
    click(f.cmd1);
    EXPECT_TRUE(messages().empty());
    EXPECT_NEAR(record().flowTimeT2, 13.1546135, 1e-6);
    EXPECT_DOUBLE_EQ(record().arrivalTimeT, 5.0 + record().flowTimeT2);
    EXPECT_DOUBLE_EQ(record().channelSlopeI, 0.01);
    EXPECT_EQ(f1().txt_i->text(), u"17.2"_qs); // 1000 / (5 + 13.15 + 40)
}

TEST_F(TimeDialogs, RainfallOkWithoutChannelEntriesOpensTheChannelDialog)
{
    Form12& f = f12();
    click(f.Option1);
    type(f.txt3, u"5"_qs);
    click(f.chk1);
    whileShown<Form22>([](Form22&) {});
    click(f.cmd1);
    expectOneError(u"流下時間の項目を入力してください。"_qs);
    EXPECT_EQ(modalRuns(), 1);
    EXPECT_TRUE(app().isVisible<Form12>());

    // A slope that leaves the formula undefined is refused at either OK.
    platform_->clear();
    bool refusedInPlace = false;
    whileShown<Form22>([&](Form22& c) {
        click(c.opt2);
        type(c.txt1, u"1"_qs);
        type(c.txt2, u"0"_qs);
        click(c.cmd1);
        refusedInPlace = c.isVisible() && c.focusWidget() == c.txt2;
    });
    click(f.Command1);
    EXPECT_TRUE(refusedInPlace);
    expectOneError(u"河道の勾配が０又は負のため流下時間を計算できません。河道の勾配を入力してください。"_qs);
}

TEST_F(TimeDialogs, ChannelCancelReturnsTheRainfallDialogToVelocity)
{
    Form12& f = f12();
    click(f.chk1);
    whileShown<Form22>([](Form22& c) {
        click(c.opt1);
        type(c.txt1, u"1"_qs);
        click(c.cmd2);
    });
    click(f.Command1);
    EXPECT_EQ(app().loadedDialog<Form22>(), nullptr);
    EXPECT_FALSE(f.chk1->isChecked());
    EXPECT_TRUE(f.Option6->isChecked());
    EXPECT_TRUE(f.Frame5->isVisibleTo(&f));
    EXPECT_TRUE(f.Frame6->isVisibleTo(&f));
    EXPECT_TRUE(f.txt4->isVisibleTo(&f));
    EXPECT_FALSE(f.lbl1->isVisibleTo(&f));
    EXPECT_FALSE(f.Command1->isVisibleTo(&f));
    EXPECT_EQ(f.txt4->text(), QString());
    EXPECT_EQ(f.txt9->text(), QString());
    EXPECT_FALSE(f.txt9->hasFrame());
    EXPECT_EQ(focused(), f.txt4);
}

} // namespace akuenza::test

namespace akuenza::test {

TEST_F(TimeDialogs, EnterAlongTheKerbyBoxesEndsOnOkAndPressesIt)
{
    whileShown<Form13>([](Form13& k) {
        type(k.txt1, u"100"_qs);
        pressEnter(k.txt1);
        QTest::keyClicks(k.txt2, u"10"_qs);
        pressEnter(k.txt2);
        QTest::keyClicks(k.txt3, u"0.40"_qs);
        pressEnter(k.txt3);
        ASSERT_EQ(k.focusWidget(), k.cmd1);
        QTest::keyClick(k.cmd1, Qt::Key_Enter); // the keypad's Enter
    });
    click(f12().Command4);
    EXPECT_TRUE(messages().empty());
    EXPECT_NE(f12().txt3->text(), QString()); // the inlet time handed back by ＯＫ
}

} // namespace akuenza::test
