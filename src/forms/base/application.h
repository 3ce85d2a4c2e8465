#pragma once
// The application object: owns the design case record, the platform seam,
// the main window and every child form. Forms are created on first
// reference, hidden forms keep their entries and unloaded forms lose them;
// this class is the one place that does so.

#include "core/record/design_case.h"
#include "forms/base/main_frame.h"
#include "forms/base/platform.h"

#include <QDialog>
#include <QPointer>
#include <QWidget>

#include <memory>
#include <string_view>
#include <typeindex>
#include <unordered_map>
#include <vector>

class QMdiSubWindow;

namespace akuenza {

class App;
class MDIFofm;
class MainFrame;

// Makes the program's main window for the application object; the shell
// provides it.
std::unique_ptr<MainFrame> makeMainWindow(App& app);

// Base of every child form of the main window's work area.
class Form : public QWidget {
    Q_OBJECT
public:
    explicit Form(App& app);

    // Runs each time the form becomes the active window of the work area.
    virtual void Form_Activate() {}
    // Runs when the form is unloaded (not when the program ends).
    virtual void Form_Unload() {}
    // A form with a title bar and its own close box; the others are
    // borderless panels that only the program closes.
    virtual bool hasTitleBar() const { return false; }

    App& app() const { return app_; }

private:
    App& app_;
};

// Base of the program's own modal dialogs that live between openings: created
// on first use, hidden by their OK with the entries kept, destroyed by their
// Cancel or by the unloads of the window they serve. They are shown modally
// through the platform seam (App::showModal) and belong to the main window.
class ModalForm : public QDialog {
    Q_OBJECT
public:
    explicit ModalForm(App& app);

    App& app() const { return app_; }

private:
    App& app_;
};

// A window of a case known by its designed name, as the project file's lines
// and the messages name it ("Form1", "Form12", "Form2"…).
struct NamedWindow {
    const char* name;
    // The window, created hidden in its design state when it is not loaded.
    QWidget* (*open)(App& app);
};

class App {
public:
    explicit App(Platform& platform);
    ~App();
    App(const App&) = delete;
    App& operator=(const App&) = delete;

    DesignCase record;

    Platform& platform() { return platform_; }
    // The main window as the windows of a case know it.
    MainFrame& frame() { return *mainWindow_; }
    // The main window itself, for the shell, the program and its tests.
    MDIFofm& mainWindow();

    // A message box through the seam. While it is up, modalBoxUp() is true,
    // so a close request of the main window cannot end the program half-way.
    Answer ask(const MessageRequest& request);
    // An input error: OK box titled "エラーメッセージ".
    void showError(const QString& text);
    bool modalBoxUp() const { return modalDepth_ > 0; }
    void beep() { platform_.beep(); }
    // Activates the form holding a control and gives the control the focus
    // (a box then has its whole text selected).
    void focusOn(QWidget* control);

    // The form of type F, created hidden on first reference.
    template <class F>
    F& form();
    // The form of type F if it is loaded, without creating it.
    template <class F>
    F* loaded() const;
    template <class F>
    bool isLoaded() const
    {
        return loaded<F>() != nullptr;
    }
    // Discards the form and everything typed into it; skipped if not loaded.
    template <class F>
    void unload()
    {
        unloadForm(typeid(F));
    }
    // Places the form at a position in twips in the work area, shows and activates it.
    template <class F>
    F& showAt(int leftTwips, int topTwips);
    template <class F>
    void hide()
    {
        hideForm(typeid(F));
    }
    // Whether the form is shown in the work area. It answers from the form's
    // own shown state, so it holds while the main window itself is not on
    // screen (a run from the command line has no visible window).
    template <class F>
    bool isVisible() const
    {
        return isShown(loaded<F>());
    }
    bool isShown(const Form* form) const;

    void unloadForm(std::type_index type);
    void hideForm(std::type_index type);
    // The loaded form of a type, or nullptr.
    Form* loadedForm(std::type_index type) const;
    // Places a form at a position in twips in the work area, shows and activates it.
    void place(Form* form, int leftTwips, int topTwips);

    // The modal dialog of type D, created hidden on first use.
    template <class D>
    D& dialog();
    // The modal dialog of type D if it is loaded, without creating it.
    template <class D>
    D* loadedDialog() const
    {
        return static_cast<D*>(findDialog(typeid(D)));
    }
    // Shows the dialog modally (creating it on first use) until it is hidden or unloaded.
    template <class D>
    void showModal()
    {
        platform_.runModal(dialog<D>());
    }
    // Discards the dialog and its entries; skipped if not loaded. Safe from
    // the dialog's own handlers and while it is shown: it is closed at once
    // and destroyed once control is back in the event loop.
    template <class D>
    void unloadDialog()
    {
        unloadDialog(typeid(D));
    }
    void unloadDialog(std::type_index type);

    // The windows of a case by their designed names; the shell names them
    // when it makes the main window, as it alone sees every window.
    void nameWindows(std::vector<NamedWindow> windows) { windows_ = std::move(windows); }
    // The window of that designed name, created hidden when it is not
    // loaded; nullptr for a name no window has.
    QWidget* window(std::string_view name);
    // The control of that designed name (its object name) in that window,
    // the window created as above; nullptr when there is none.
    QWidget* control(std::string_view window, std::string_view control);

    // Ends the program at once, without questions.
    void endProgram();
    bool programEnded() const { return ended_; }

private:
    Form* adopt(std::type_index type, Form* form);
    ModalForm* findDialog(std::type_index type) const;

    Platform& platform_;
    // Named before the main window is made, which names them.
    std::vector<NamedWindow> windows_;
    std::unique_ptr<MainFrame> mainWindow_;
    std::unordered_map<std::type_index, QPointer<QMdiSubWindow>> forms_;
    std::unordered_map<std::type_index, QPointer<ModalForm>> dialogs_;
    // The work-area window that last became the active one.
    QPointer<QMdiSubWindow> lastActive_;
    int modalDepth_ = 0;
    bool ended_ = false;
};

template <class F>
F& App::form()
{
    if (Form* existing = loadedForm(typeid(F)))
        return static_cast<F&>(*existing);
    return static_cast<F&>(*adopt(typeid(F), new F(*this)));
}

template <class F>
F* App::loaded() const
{
    return static_cast<F*>(loadedForm(typeid(F)));
}

template <class D>
D& App::dialog()
{
    if (ModalForm* existing = findDialog(typeid(D)))
        return static_cast<D&>(*existing);
    D* created = new D(*this);
    dialogs_[typeid(D)] = created;
    return *created;
}

template <class F>
F& App::showAt(int leftTwips, int topTwips)
{
    F& f = form<F>();
    place(&f, leftTwips, topTwips);
    return f;
}

} // namespace akuenza
