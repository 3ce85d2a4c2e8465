#include "forms/base/controls.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>

namespace akuenza {

// ---------------------------------------------------------------- TextBox

TextBox::TextBox(QWidget* parent, const char* name) : QLineEdit(parent)
{
    setObjectName(QString::fromLatin1(name));
}

void TextBox::setNumberEntry()
{
    setAttribute(Qt::WA_InputMethodEnabled, false);
    setInputMethodHints(Qt::ImhPreferNumbers | Qt::ImhLatinOnly | Qt::ImhNoPredictiveText);
}

void TextBox::setJapaneseEntry()
{
    setAttribute(Qt::WA_InputMethodEnabled, true);
    setInputMethodHints(Qt::ImhNone);
}

void TextBox::onEnter(std::function<void()> action, EnterKey key)
{
    enterAction_ = std::move(action);
    enterKey_ = key;
}

void TextBox::chainEnter(std::vector<QWidget*> targets, EnterKey key)
{
    onEnter(
        [targets] {
            for (QWidget* t : targets) {
                if (t && t->isEnabled() && t->isVisibleTo(t->window())) {
                    keyboardFocusAndSelect(t);
                    return;
                }
            }
        },
        key);
}

void TextBox::selectFromTen()
{
    const int length = static_cast<int>(text().size());
    const int start = std::min(10, length);
    const int end = std::min(start + length, length);
    if (end > start)
        setSelection(start, end - start);
    else
        setCursorPosition(start);
}

void TextBox::mousePressEvent(QMouseEvent* event)
{
    QLineEdit::mousePressEvent(event);
    if (event->button() == Qt::LeftButton)
        pressed_ = true;
}

void TextBox::mouseReleaseEvent(QMouseEvent* event)
{
    QLineEdit::mouseReleaseEvent(event);
    const bool click = pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    pressed_ = false;
    if (afterDoubleClick_) {
        // The release that ends a double click is not a second click.
        afterDoubleClick_ = false;
        return;
    }
    if (click) {
        selectAll();
        emit clicked();
    }
}

void TextBox::mouseDoubleClickEvent(QMouseEvent* event)
{
    QLineEdit::mouseDoubleClickEvent(event);
    if (event->button() != Qt::LeftButton)
        return;
    afterDoubleClick_ = true;
    selectFromTen();
}

void TextBox::focusInEvent(QFocusEvent* event)
{
    QLineEdit::focusInEvent(event);
    selectAll();
}

void TextBox::keyPressEvent(QKeyEvent* event)
{
    emit keyPressed(event->key());
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && enterAction_) {
        enterAction_();
        if (enterKey_ == EnterKey::Swallow) {
            event->accept();
            return;
        }
    }
    QLineEdit::keyPressEvent(event);
}

void focusAndSelect(QWidget* target)
{
    target->setFocus(Qt::OtherFocusReason);
    if (auto* box = qobject_cast<QLineEdit*>(target))
        box->selectAll();
}

void keyboardFocusAndSelect(QWidget* target)
{
    // A focus move made with the keyboard shows where the focus went (a
    // button or an option gets its focus frame), as after Tab, even when the
    // engineer had clicked into the window before.
    target->window()->setAttribute(Qt::WA_KeyboardFocusChange);
    target->setFocus(Qt::TabFocusReason);
    if (auto* box = qobject_cast<QLineEdit*>(target))
        box->selectAll();
}

// ----------------------------------------------------------- OptionButton

OptionButton::OptionButton(QWidget* parent, const char* name, const QString& caption) : QRadioButton(caption, parent)
{
    setObjectName(QString::fromLatin1(name));
    setAutoExclusive(false);
    connect(this, &QAbstractButton::toggled, this, [this](bool on) {
        if (!on)
            return;
        for (OptionButton* other : siblings_)
            other->setChecked(false);
        emit chosen();
    });
}

void OptionButton::group(std::initializer_list<OptionButton*> buttons)
{
    for (OptionButton* b : buttons)
        for (OptionButton* other : buttons)
            if (other != b)
                b->siblings_.push_back(other);
}

void OptionButton::nextCheckState()
{
    // A click chooses the option; clicking a chosen option changes nothing.
    if (!isChecked())
        setChecked(true);
}

// --------------------------------------------------------------- CheckBox

CheckBox::CheckBox(QWidget* parent, const char* name, const QString& caption) : QCheckBox(caption, parent)
{
    setObjectName(QString::fromLatin1(name));
}

// --------------------------------------------------------------- ComboBox

ComboBox::ComboBox(QWidget* parent, const char* name) : QComboBox(parent)
{
    setObjectName(QString::fromLatin1(name));
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    setCompleter(nullptr);
    connect(this, &QComboBox::activated, this, [this](int index) {
        if (index >= 0)
            emit clicked();
    });
}

int ComboBox::listIndex() const
{
    const int index = currentIndex();
    return index >= 0 && currentText() == itemText(index) ? index : -1;
}

void ComboBox::setListIndex(int index)
{
    if (index < -1 || index >= count() || index == listIndex())
        return;
    {
        const QSignalBlocker block(this);
        setCurrentIndex(index);
        if (index >= 0)
            setEditText(itemText(index));
    }
    if (index >= 0)
        emit clicked();
}

void ComboBox::setText(const QString& text)
{
    const QSignalBlocker block(this);
    setCurrentIndex(-1);
    setEditText(text);
}

// ------------------------------------------------------------ small makers

QLabel* makeLabel(QWidget* parent, const char* name, const QString& caption)
{
    auto* label = new QLabel(caption, parent);
    label->setObjectName(QString::fromLatin1(name));
    return label;
}

namespace {

class LinesLabel final : public QLabel {
public:
    LinesLabel(const QString& caption, QStringList breakAfter, QWidget* parent)
        : QLabel(caption, parent), breakAfter_(std::move(breakAfter))
    {
    }

    QSize sizeHint() const override
    {
        const QMargins m = contentsMargins();
        return fontMetrics().size(0, shownText()) +
               QSize(m.left() + m.right() + 2 * margin(), m.top() + m.bottom() + 2 * margin());
    }
    QSize minimumSizeHint() const override { return sizeHint(); }
    bool hasHeightForWidth() const override { return false; }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        QStyleOption option;
        option.initFrom(this);
        const QRect area = contentsRect().adjusted(margin(), margin(), -margin(), -margin());
        style()->drawItemText(&painter, area, int(QStyle::visualAlignment(layoutDirection(), alignment())),
                              option.palette, isEnabled(), shownText(), foregroundRole());
    }

private:
    // The caption with a line break after each break text.
    QString shownText() const
    {
        QString shown = text();
        qsizetype from = 0;
        for (const QString& after : breakAfter_) {
            const qsizetype at = shown.indexOf(after, from);
            if (at < 0)
                break;
            from = at + after.size();
            if (from < shown.size())
                shown.insert(from++, QLatin1Char('\n'));
        }
        return shown;
    }

    QStringList breakAfter_;
};

} // namespace

QLabel* makeLinesLabel(QWidget* parent, const char* name, const QString& caption, const QStringList& breakAfter)
{
    auto* label = new LinesLabel(caption, breakAfter, parent);
    label->setObjectName(QString::fromLatin1(name));
    return label;
}

void setTextColour(QLabel* label, const QColor& colour)
{
    // Coloured while usable only: a disabled label is drawn in the disabled
    // text colour like every other disabled caption.
    QPalette p = label->palette();
    p.setColor(QPalette::Active, QPalette::WindowText, colour);
    p.setColor(QPalette::Inactive, QPalette::WindowText, colour);
    label->setPalette(p);
}

void makeGreen(QLabel* label) { setTextColour(label, kHeadingGreen); }

void focusAtStart(QLineEdit* box)
{
    focusAndSelect(box);
    box->setCursorPosition(0);
}

namespace {

// Enter (and the keypad's Enter) on a focused command button presses it, as
// Space does, the way the engineers' other programs behave. The buttons are
// not "auto default": Enter in a box of a dialog must not press a button.
class EnterPressesButton : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        if ((key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter) || key->isAutoRepeat())
            return false;
        auto* button = qobject_cast<QPushButton*>(watched);
        if (!button || !button->isEnabled() || !button->isVisible())
            return false;
        button->click();
        return true;
    }
};

} // namespace

void pressOnEnter(QPushButton* button)
{
    static EnterPressesButton* filter = nullptr;
    if (!filter)
        filter = new EnterPressesButton(QCoreApplication::instance());
    button->installEventFilter(filter);
}

QPushButton* makeButton(QWidget* parent, const char* name, const QString& caption)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    pressOnEnter(button);
    return button;
}

QGroupBox* makeFrame(QWidget* parent, const char* name)
{
    auto* frame = new QGroupBox(parent);
    frame->setObjectName(QString::fromLatin1(name));
    return frame;
}

QFrame* makeLine(QWidget* parent, const char* name, bool vertical)
{
    auto* line = new QFrame(parent);
    line->setObjectName(QString::fromLatin1(name));
    line->setFrameShape(vertical ? QFrame::VLine : QFrame::HLine);
    line->setFrameShadow(QFrame::Plain);
    return line;
}

} // namespace akuenza

#include "core/record/lenient_number.h"

namespace akuenza {
double numberIn(const QString& text) { return lenientNumber(text.toStdString()); }
} // namespace akuenza
