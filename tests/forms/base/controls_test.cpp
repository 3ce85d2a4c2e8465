// The controls' shared behaviour, driven through real widgets.
#include "forms/base/controls.h"

#include <QApplication>
#include <QImage>
#include <QSignalSpy>
#include <QStyleOptionButton>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

namespace akuenza {
namespace {

class Controls : public ::testing::Test {
protected:
    void SetUp() override
    {
        window.resize(400, 300);
        a = new TextBox(&window, "a");
        b = new TextBox(&window, "b");
        c = new TextBox(&window, "c");
        a->setGeometry(10, 10, 150, 24);
        b->setGeometry(10, 40, 150, 24);
        c->setGeometry(10, 70, 150, 24);
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }
    QWidget window;
    TextBox* a;
    TextBox* b;
    TextBox* c;
};

TEST_F(Controls, AClickSelectsTheWholeTextAndIsReported)
{
    a->setText(QStringLiteral("123.45"));
    QSignalSpy clicks(a, &TextBox::clicked);
    QTest::mouseClick(a, Qt::LeftButton, Qt::NoModifier, QPoint(5, 12));
    EXPECT_EQ(clicks.count(), 1);
    EXPECT_EQ(a->selectedText(), QStringLiteral("123.45"));
}

TEST_F(Controls, GainingTheFocusSelectsTheWholeText)
{
    b->setText(QStringLiteral("0.81"));
    b->setFocus();
    EXPECT_TRUE(b->hasFocus());
    EXPECT_EQ(b->selectedText(), QStringLiteral("0.81"));
    QTest::keyClick(&window, Qt::Key_Tab);
    EXPECT_TRUE(c->hasFocus());
}

TEST_F(Controls, ADoubleClickLeavesTheCaretAtTenOrTheEnd)
{
    a->setText(QStringLiteral("0.81"));
    QSignalSpy clicks(a, &TextBox::clicked);
    QTest::mouseClick(a, Qt::LeftButton, Qt::NoModifier, QPoint(5, 12));
    QTest::mouseDClick(a, Qt::LeftButton, Qt::NoModifier, QPoint(5, 12));
    EXPECT_FALSE(a->hasSelectedText());
    EXPECT_EQ(a->cursorPosition(), 4);
    EXPECT_EQ(clicks.count(), 1); // the double click is not a second click

    a->setText(QStringLiteral("123456789012345"));
    QTest::mouseDClick(a, Qt::LeftButton, Qt::NoModifier, QPoint(5, 12));
    EXPECT_EQ(a->selectionStart(), 10);
    EXPECT_EQ(a->selectedText(), QStringLiteral("12345"));
}

TEST_F(Controls, EnterMovesAlongTheChainSkippingDisabledBoxes)
{
    c->setText(QStringLiteral("9"));
    a->chainEnter({b, c}, TextBox::EnterKey::Swallow);
    b->setEnabled(false);
    a->setFocus();
    QTest::keyClick(a, Qt::Key_Return);
    EXPECT_TRUE(c->hasFocus());
    EXPECT_EQ(c->selectedText(), QStringLiteral("9"));
    // Without a chain Enter passes on and the focus stays.
    QTest::keyClick(c, Qt::Key_Return);
    EXPECT_TRUE(c->hasFocus());
}

TEST_F(Controls, ASwallowedEnterNeverReachesTheBox)
{
    QSignalSpy returned(a, &QLineEdit::returnPressed);
    a->chainEnter({b}, TextBox::EnterKey::Swallow);
    QTest::keyClick(a, Qt::Key_Return);
    EXPECT_EQ(returned.count(), 0);
    QSignalSpy passed(b, &QLineEdit::returnPressed);
    b->chainEnter({c}, TextBox::EnterKey::PassOn);
    QTest::keyClick(b, Qt::Key_Return);
    EXPECT_EQ(passed.count(), 1);
}

TEST_F(Controls, OptionsOfAGroupExcludeEachOtherAndCanBeUnchosenFromCode)
{
    auto* x = new OptionButton(&window, "x", QStringLiteral("x"));
    auto* y = new OptionButton(&window, "y", QStringLiteral("y"));
    x->setGeometry(200, 10, 80, 20);
    y->setGeometry(200, 40, 80, 20);
    x->show();
    y->show();
    OptionButton::group({x, y});
    QSignalSpy xChosen(x, &OptionButton::chosen);
    QSignalSpy yChosen(y, &OptionButton::chosen);

    x->setChecked(true); // from code: runs its reaction
    EXPECT_EQ(xChosen.count(), 1);
    x->setChecked(true); // the same value: runs nothing
    EXPECT_EQ(xChosen.count(), 1);

    QTest::mouseClick(y, Qt::LeftButton);
    EXPECT_TRUE(y->isChecked());
    EXPECT_FALSE(x->isChecked());
    EXPECT_EQ(yChosen.count(), 1);

    QTest::mouseClick(y, Qt::LeftButton); // clicking the chosen option changes nothing
    EXPECT_TRUE(y->isChecked());
    EXPECT_EQ(yChosen.count(), 1);

    y->setChecked(false); // un-choosing from code runs nothing and leaves none chosen
    EXPECT_FALSE(x->isChecked());
    EXPECT_FALSE(y->isChecked());
    EXPECT_EQ(xChosen.count(), 1);
}

TEST_F(Controls, ACheckBoxRunsItsReactionOnlyOnAChange)
{
    auto* box = new CheckBox(&window, "chk", QStringLiteral("c"));
    QSignalSpy toggled(box, &QCheckBox::toggled);
    box->setValue(0);
    EXPECT_EQ(toggled.count(), 0);
    box->setValue(1);
    box->setValue(1);
    EXPECT_EQ(toggled.count(), 1);
    EXPECT_EQ(box->value(), 1);
}

TEST_F(Controls, AListIndexIsMinusOneWhenTheTextWasTypedOver)
{
    auto* list = new ComboBox(&window, "cbo");
    list->addItems({QStringLiteral("粘土"), QStringLiteral("細砂")});
    QSignalSpy clicks(list, &ComboBox::clicked);
    list->setText(QString());
    EXPECT_EQ(list->listIndex(), -1);
    EXPECT_EQ(clicks.count(), 0);
    list->setListIndex(1);
    EXPECT_EQ(list->text(), QStringLiteral("細砂"));
    EXPECT_EQ(clicks.count(), 1);
    list->setListIndex(1);
    EXPECT_EQ(clicks.count(), 1);
    list->setEditText(QStringLiteral("ローム"));
    EXPECT_EQ(list->listIndex(), -1);
    list->setListIndex(1); // back to the entry: a change again
    EXPECT_EQ(clicks.count(), 2);
    EXPECT_EQ(list->text(), QStringLiteral("細砂"));
}

// Whether any pixel of the picture is the heading green (or close to it).
bool showsGreen(const QImage& image)
{
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.green() > c.red() + 24 && c.green() > c.blue() + 24)
                return true;
        }
    }
    return false;
}

TEST_F(Controls, AGreenHeadingIsGreenOnlyWhileEnabled)
{
    QLabel* heading = makeLabel(&window, "lbl6", QStringLiteral("流 出 係 数"));
    QLabel* plain = makeLabel(&window, "lbl_c1", QStringLiteral("Ｃ＝"));
    heading->setGeometry(200, 100, 120, 20);
    plain->setGeometry(200, 130, 120, 20);
    makeGreen(heading);
    heading->show();
    plain->show();

    const QPalette colours = heading->palette();
    EXPECT_EQ(colours.color(QPalette::Active, QPalette::WindowText).name(), kHeadingGreen.name());
    EXPECT_EQ(colours.color(QPalette::Inactive, QPalette::WindowText).name(), kHeadingGreen.name());
    // Disabled, it takes the colour of every other disabled caption.
    EXPECT_EQ(colours.color(QPalette::Disabled, QPalette::WindowText).name(),
              plain->palette().color(QPalette::Disabled, QPalette::WindowText).name());
    EXPECT_NE(colours.color(QPalette::Disabled, QPalette::WindowText).name(), kHeadingGreen.name());

    EXPECT_TRUE(showsGreen(heading->grab().toImage()));
    heading->setEnabled(false);
    EXPECT_FALSE(showsGreen(heading->grab().toImage()));
    // Disabled through its frame, as the forms do it.
    heading->setEnabled(true);
    window.setEnabled(false);
    EXPECT_FALSE(showsGreen(heading->grab().toImage()));
    window.setEnabled(true);
    EXPECT_TRUE(showsGreen(heading->grab().toImage()));
}

TEST_F(Controls, ALinesLabelBreaksWhereToldAndKeepsItsCaption)
{
    QLabel* note = makeLinesLabel(&window, "note", QStringLiteral("（一般的には 0.81）雨水浸透施設"),
                                  {QStringLiteral("）"), QStringLiteral("not there")});
    EXPECT_EQ(note->text(), QStringLiteral("（一般的には 0.81）雨水浸透施設"));
    const QFontMetrics metrics(note->font());
    EXPECT_EQ(note->sizeHint(), metrics.size(0, QStringLiteral("（一般的には 0.81）\n雨水浸透施設")));
    // A break text at the very end adds no empty line.
    QLabel* single = makeLinesLabel(&window, "single", QStringLiteral("（0.81）"), {QStringLiteral("）")});
    EXPECT_EQ(single->sizeHint().height(), metrics.height());
}

// Whether the style draws the button as holding a focus the engineer can see.
bool showsFocus(QPushButton* button)
{
    QStyleOptionButton option;
    option.initFrom(button);
    return option.state.testFlag(QStyle::State_HasFocus) && option.state.testFlag(QStyle::State_KeyboardFocusChange);
}

TEST_F(Controls, EnterOntoAButtonShowsItsFocusFrameAfterAMouseClick)
{
    auto* button = new QPushButton(QStringLiteral("直接入力"), &window);
    button->setGeometry(200, 10, 90, 24);
    button->show();
    a->chainEnter({button}, TextBox::EnterKey::Swallow);

    // Focus given from code (as after an error message) shows no frame...
    QTest::mouseClick(a, Qt::LeftButton, Qt::NoModifier, QPoint(5, 12));
    focusAndSelect(button);
    ASSERT_EQ(QApplication::focusWidget(), button);
    EXPECT_FALSE(showsFocus(button));
    const QImage withoutFrame = button->grab().toImage();

    // ...but the engineer who clicked into the box, typed and pressed Enter
    // sees where the focus went.
    QTest::mouseClick(a, Qt::LeftButton, Qt::NoModifier, QPoint(5, 12));
    ASSERT_TRUE(a->hasFocus());
    QTest::keyClick(a, Qt::Key_Return);
    ASSERT_EQ(QApplication::focusWidget(), button);
    EXPECT_TRUE(showsFocus(button));
    EXPECT_NE(button->grab().toImage(), withoutFrame);
}

TEST(NumberIn, ReadsTheEntryLeniently)
{
    EXPECT_EQ(numberIn(QStringLiteral(" 1 2.5ｍ")), 12.5);
    EXPECT_EQ(numberIn(QString()), 0.0);
}

} // namespace
} // namespace akuenza
