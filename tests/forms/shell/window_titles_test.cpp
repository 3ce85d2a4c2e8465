// What the window system is given for the program's own top-level windows:
// the designed titles exactly, and message boxes with plain buttons.
#include "support/form_test.h"

#include "forms/base/program_setup.h"
#include "forms/base/qt_platform.h"
#include "forms/shell/version_window.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QProxyStyle>
#include <QPushButton>
#include <QStyleFactory>
#include <QWindow>

namespace akuenza::test {

namespace {

// The title the window system gets for a top-level widget.
QString nativeTitle(QWidget& window)
{
    window.winId();  // creates the native window
    return window.windowHandle() ? window.windowHandle()->title() : QStringLiteral("<no native window>");
}

// A desktop style that asks for icons on dialog buttons, as some Linux
// desktops do; the offscreen test platform would not.
class IconButtonsStyle : public QProxyStyle {
public:
    IconButtonsStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* data) const override
    {
        if (hint == SH_DialogButtonBox_ButtonsHaveIcons)
            return 1;
        return QProxyStyle::styleHint(hint, option, widget, data);
    }
};

class QtMessageBoxes : public ::testing::Test {
protected:
    void SetUp() override { QApplication::setStyle(new IconButtonsStyle); }
    void TearDown() override { QApplication::setStyle(QStringLiteral("Fusion")); }
};

const MessageRequest kError{u"対策面積を入力してください。"_qs, u"エラーメッセージ"_qs, MessageButtons::Ok,
                            MessageIcon::Exclamation, Answer::Ok};
const MessageRequest kClose{u"作成中のデータが失われます。閉じてもよろしいですか？"_qs, u"確認"_qs,
                            MessageButtons::OkCancel, MessageIcon::Question, Answer::Cancel};
const MessageRequest kExit{u"終了してもよろしいですか？"_qs, u"確認"_qs, MessageButtons::YesNo,
                           MessageIcon::Question, Answer::No};

} // namespace

TEST(ProgramSetup, SetsNoDisplayNameThatQtWouldAppendToEveryTitle)
{
    setUpProgram();
    // Without a display name of its own, Qt's display name follows the
    // application name and no window title gets " — <name>" appended.
    const QString name = QApplication::applicationName();
    QApplication::setApplicationName(QStringLiteral("probe"));
    EXPECT_EQ(QApplication::applicationDisplayName(), QStringLiteral("probe"));
    QApplication::setApplicationName(name);
    EXPECT_EQ(QApplication::applicationName(), QStringLiteral("akuenza"));
    EXPECT_EQ(QApplication::style()->name().toLower(), QStringLiteral("fusion"));
}

TEST_F(QtMessageBoxes, CarryExactlyTheRequestedTitle)
{
    for (const MessageRequest& request : {kError, kClose, kExit}) {
        const auto box = buildMessageBox(request, nullptr);
        EXPECT_EQ(box->windowTitle(), request.title);
        EXPECT_EQ(nativeTitle(*box), request.title);
        EXPECT_EQ(box->text(), request.text);
    }
}

TEST_F(QtMessageBoxes, ShowPlainButtonsInTheProgramsLanguage)
{
    const auto error = buildMessageBox(kError, nullptr);
    ASSERT_EQ(error->buttons().size(), 1);
    EXPECT_EQ(error->buttons()[0]->text(), QStringLiteral("OK"));

    const auto close = buildMessageBox(kClose, nullptr);
    const auto exit = buildMessageBox(kExit, nullptr);
    EXPECT_EQ(close->button(QMessageBox::Cancel)->text(), u"キャンセル"_qs);
    EXPECT_EQ(exit->button(QMessageBox::Yes)->text(), u"はい(&Y)"_qs);
    EXPECT_EQ(exit->button(QMessageBox::No)->text(), u"いいえ(&N)"_qs);

    for (const auto* box : {error.get(), close.get(), exit.get()}) {
        for (const QAbstractButton* button : box->buttons())
            EXPECT_TRUE(button->icon().isNull()) << button->text().toStdString();
    }
}

TEST_F(QtMessageBoxes, KeepTheRequestedIconAndDefaultButton)
{
    const auto error = buildMessageBox(kError, nullptr);
    EXPECT_EQ(error->icon(), QMessageBox::Warning);
    EXPECT_FALSE(error->iconPixmap().isNull());
    EXPECT_EQ(error->defaultButton(), error->button(QMessageBox::Ok));

    const auto close = buildMessageBox(kClose, nullptr);
    EXPECT_EQ(close->icon(), QMessageBox::Question);
    EXPECT_EQ(close->defaultButton(), close->button(QMessageBox::Cancel));

}

using OwnWindowTitles = FormTest;

TEST_F(OwnWindowTitles, MainAndVersionWindowsCarryTheirDesignedTitles)
{
    EXPECT_EQ(nativeTitle(mainWindow()), u"アクエンザ"_qs);
    Form10 version(&mainWindow());
    EXPECT_EQ(nativeTitle(version), u"バージョン情報"_qs);
}

} // namespace akuenza::test
