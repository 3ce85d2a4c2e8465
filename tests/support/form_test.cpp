#include "support/form_test.h"

#include "forms/facilities/square_basin_dialog.h"

#include <QApplication>
#include <QInputMethodEvent>
#include <QToolBar>

namespace akuenza::test {

void FormTest::SetUp()
{
    platform_ = std::make_unique<ScriptedPlatform>();
    app_ = std::make_unique<App>(*platform_);
    mainWindow().show();
    mainWindow().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&mainWindow()));
}

void FormTest::TearDown()
{
    app_.reset();
    platform_.reset();
}

void FormTest::newCase()
{
    // With a case open, New first asks Close's question; the engineer agrees.
    if (app().isVisible<Form1>())
        platform_->queueAnswer(Answer::Ok);
    mainWindow().toolbarButton(1)->trigger();
    platform_->clear();
}

void FormTest::click(QWidget* control)
{
    QTest::mouseClick(control, Qt::LeftButton, Qt::NoModifier, control->rect().center());
}

void FormTest::doubleClick(QWidget* control)
{
    const QPoint at = control->rect().center();
    QTest::mouseClick(control, Qt::LeftButton, Qt::NoModifier, at);
    QTest::mouseDClick(control, Qt::LeftButton, Qt::NoModifier, at);
}

void FormTest::type(QLineEdit* box, const QString& text)
{
    click(box);
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Delete);
    for (const QChar ch : text) {
        if (ch.unicode() < 128) {
            QTest::keyClick(box, ch.toLatin1());
        } else {
            // Japanese text arrives committed by the input method.
            QInputMethodEvent commit;
            commit.setCommitString(QString(ch));
            QApplication::sendEvent(box, &commit);
        }
    }
}

void FormTest::pressEnter(QWidget* control) { QTest::keyClick(control, Qt::Key_Return); }

void FormTest::oneBasin(const QString& pieces)
{
    click(f1().cmd1);
    Form2& f2 = app().form<Form2>();
    if (f2.chk1->value() == 0)
        click(f2.chk1);
    type(f2.txt11w, QStringLiteral("0.5"));
    type(f2.txt11h, QStringLiteral("1.0"));
    type(f2.txt11n, pieces);
}

void FormTest::calculate() { click(f11().cmd1); }

void FormTest::enterConditions(const QString& c, const QString& a, const QString& i)
{
    type(f1().txt_c, c);
    type(f1().txt_a, a);
    type(f1().txt_i, i);
}

void FormTest::expectOneError(const QString& text)
{
    const auto boxes = messages();
    ASSERT_EQ(boxes.size(), 1u) << "expected exactly one message box";
    EXPECT_EQ(boxes[0].title, QStringLiteral("エラーメッセージ"));
    EXPECT_EQ(boxes[0].text, text);
    EXPECT_EQ(boxes[0].buttons, MessageButtons::Ok);
}

QWidget* FormTest::focused() const { return QApplication::focusWidget(); }

} // namespace akuenza::test
