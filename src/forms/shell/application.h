#pragma once
// The application object: owns the design case record, the platform seam,
// the main window and every child form. Forms are created on first
// reference, hidden forms keep their entries and unloaded forms lose them;
// this class is the one place that does so.

#include "core/record/design_case.h"
#include "forms/shell/platform.h"

#include <QPointer>
#include <QWidget>

#include <memory>
#include <typeindex>
#include <unordered_map>

class QMdiSubWindow;

namespace akuenza {

class App;
class MDIFofm;

// Base of every child form of the main window's work area.
class Form : public QWidget {
    Q_OBJECT
public:
    explicit Form(App& app);

    // Runs each time the form becomes the active window of the work area.
    virtual void Form_Activate() {}
    // Runs when the form is unloaded (not when the program ends).
    virtual void Form_Unload() {}

    App& app() const { return app_; }

private:
    App& app_;
};

class App {
public:
    explicit App(Platform& platform);
    ~App();
    App(const App&) = delete;
    App& operator=(const App&) = delete;

    DesignCase record;

    Platform& platform() { return platform_; }
    MDIFofm& mainWindow() { return *mainWindow_; }

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

    // Ends the program at once, without questions.
    void endProgram();
    bool programEnded() const { return ended_; }

private:
    Form* adopt(std::type_index type, Form* form);

    Platform& platform_;
    std::unique_ptr<MDIFofm> mainWindow_;
    std::unordered_map<std::type_index, QPointer<QMdiSubWindow>> forms_;
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

template <class F>
F& App::showAt(int leftTwips, int topTwips)
{
    F& f = form<F>();
    place(&f, leftTwips, topTwips);
    return f;
}

} // namespace akuenza
