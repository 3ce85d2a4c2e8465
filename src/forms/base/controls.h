#pragma once
// The controls every window of the program is built from, with the
// behaviour the engineers know from all its dialogs: a text box selects its
// whole text on a click and on gaining the focus, a double click leaves the
// caret at position 10, Enter moves along a fixed chain of boxes; option
// buttons of one group can be chosen and un-chosen from code; a reaction
// runs on a change made from code exactly as on the engineer's change, and
// assigning the value a control already has runs nothing.

#include <QCheckBox>
#include <QColor>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <functional>
#include <initializer_list>
#include <vector>

namespace akuenza {

class TextBox : public QLineEdit {
    Q_OBJECT
public:
    TextBox(QWidget* parent, const char* name);

    // Number boxes take plain ASCII entry: the input method is switched off.
    void setNumberEntry();
    // Text boxes for names take Japanese entry through the input method.
    void setJapaneseEntry();

    // What Enter does in this box. Without an action the key passes on.
    enum class EnterKey { PassOn, Swallow };
    void onEnter(std::function<void()> action, EnterKey key);
    // Enter moves the focus to the first enabled box of the list and selects its text.
    void chainEnter(std::vector<QWidget*> targets, EnterKey key);

    // The caret-at-10 rule of a double click.
    void selectFromTen();

    // Runs the reaction on a mouse click into the box and on every change of
    // its text by the engineer (typing, deleting, pasting, cutting, undoing):
    // an entry voids what it feeds however it was changed. A text set from
    // code and a mere move of the focus run nothing.
    template <class Reaction>
    void onClickOrEdit(QObject* context, Reaction reaction)
    {
        connect(this, &TextBox::clicked, context, reaction);
        connect(this, &QLineEdit::textEdited, context, reaction);
    }

signals:
    // A mouse click into the box (after the whole text was selected).
    void clicked();
    // Every key press that reaches the box, before it is handled.
    void keyPressed(int key);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    std::function<void()> enterAction_;
    EnterKey enterKey_ = EnterKey::PassOn;
    bool pressed_ = false;
    bool afterDoubleClick_ = false;
};

// Gives the focus to a control and selects its whole text if it is a box.
void focusAndSelect(QWidget* target);
// The same for a move made with the keyboard (Enter along a chain of boxes):
// the control reached shows its focus frame, as after Tab.
void keyboardFocusAndSelect(QWidget* target);

// An option button of a group. A click chooses it; code may also un-choose
// it (setChecked(false)), which runs nothing. Choosing one un-chooses the
// others of its group before the chosen() reactions run.
class OptionButton : public QRadioButton {
    Q_OBJECT
public:
    OptionButton(QWidget* parent, const char* name, const QString& caption = {});

    // Makes the buttons one group: at most one of them is chosen.
    static void group(std::initializer_list<OptionButton*> buttons);

signals:
    // The option became chosen, by a click or from code.
    void chosen();

protected:
    void nextCheckState() override;
    // The whole control answers a click, not only its circle and caption.
    bool hitButton(const QPoint& pos) const override { return rect().contains(pos); }

private:
    std::vector<OptionButton*> siblings_;
};

// A check box whose value is 0 (unchecked) or 1 (checked). toggled() runs its
// reaction on every change, from code or from the engineer.
class CheckBox : public QCheckBox {
    Q_OBJECT
public:
    CheckBox(QWidget* parent, const char* name, const QString& caption);
    int value() const { return isChecked() ? 1 : 0; }
    void setValue(int value) { setChecked(value == 1); }

protected:
    bool hitButton(const QPoint& pos) const override { return rect().contains(pos); }
};

// An editable drop-down list. Its list index is the chosen entry, or -1 when
// nothing is chosen or the text was typed over. clicked() runs when the
// engineer picks an entry and when code sets a different list index.
class ComboBox : public QComboBox {
    Q_OBJECT
public:
    ComboBox(QWidget* parent, const char* name);
    int listIndex() const;
    void setListIndex(int index);
    QString text() const { return currentText(); }
    // Sets the text without choosing an entry ("" leaves no soil selected).
    void setText(const QString& text);

signals:
    void clicked();
};

// A label; green captions head the sections of the forms.
QLabel* makeLabel(QWidget* parent, const char* name, const QString& caption);
// A label shown on several lines, each broken after the first occurrence of
// one of breakAfter, in order; text() keeps the designed one-line caption.
// Word wrap would break a Japanese caption wherever the width runs out,
// inside a word as readily as after a closing bracket.
QLabel* makeLinesLabel(QWidget* parent, const char* name, const QString& caption, const QStringList& breakAfter);
inline const QColor kHeadingGreen{0, 64, 0};
// The blue of the forms' own headings ("☆ アクエンザ", "◇ 流 出 係 数") and
// the darker blue of the facility dialogs' headings.
inline const QColor kHeadingBlue{0, 0, 255};
inline const QColor kFacilityHeadingBlue{0, 0, 160};
// Draws the label's text in a colour while it is enabled; disabled, in the
// disabled text colour like every other caption.
void setTextColour(QLabel* label, const QColor& colour);
// Draws the label in the heading green while it is enabled.
void makeGreen(QLabel* label);
// Gives the focus to a box with the caret at its start, nothing selected.
void focusAtStart(QLineEdit* box);
// A command button; Enter on it while it has the focus presses it.
QPushButton* makeButton(QWidget* parent, const char* name, const QString& caption);
// Enter (and the keypad's Enter) presses the button while it has the focus.
void pressOnEnter(QPushButton* button);
// A frame holding a group of controls; disabling it disables everything inside.
QGroupBox* makeFrame(QWidget* parent, const char* name);
// A straight line of a drawing or a bracket beside a group of boxes.
QFrame* makeLine(QWidget* parent, const char* name, bool vertical);

} // namespace akuenza

namespace akuenza {
// The number an entry holds, read leniently (empty or non-numeric text is 0).
double numberIn(const QString& text);
} // namespace akuenza
