#include "forms/base/application.h"

#include "forms/base/controls.h"
#include "forms/base/twips.h"

#include <QCoreApplication>
#include <QEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScrollBar>

namespace akuenza {

Form::Form(App& app) : app_(app) {}

ModalForm::ModalForm(App& app) : QDialog(&app.frame()), app_(app)
{
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
}

namespace {

// The child windows are borderless panels laid side by side in the work
// area; the engineer does not close them one by one (Close, New and Open do).
class PanelCloseGuard : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Close) {
            event->ignore();
            return true;
        }
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

App::App(Platform& platform) : platform_(platform), mainWindow_(makeMainWindow(*this))
{
    QObject::connect(mainWindow_->workArea(), &QMdiArea::subWindowActivated, mainWindow_.get(),
                     [this](QMdiSubWindow* sub) {
                         if (ended_)
                             return;
                         // The work area reports "none active" when the main
                         // window loses the focus (a message box, another
                         // program) and the same window again when it comes
                         // back. A form becomes the active window only when
                         // another one was, or when it was hidden meanwhile.
                         if (!sub) {
                             if (lastActive_ && lastActive_->isHidden())
                                 lastActive_ = nullptr;
                             return;
                         }
                         if (sub == lastActive_)
                             return;
                         lastActive_ = sub;
                         if (auto* form = qobject_cast<Form*>(sub->widget()))
                             form->Form_Activate();
                     });
}

App::~App()
{
    ended_ = true;
    QObject::disconnect(mainWindow_->workArea(), nullptr, mainWindow_.get(), nullptr);
    for (auto& [type, sub] : forms_)
        delete sub.data();
    forms_.clear();
}

Answer App::ask(const MessageRequest& request)
{
    ++modalDepth_;
    const Answer answer = platform_.messageBox(request);
    --modalDepth_;
    return answer;
}

void App::showError(const QString& text)
{
    ask({text, QStringLiteral("エラーメッセージ"), MessageButtons::Ok, MessageIcon::Exclamation, Answer::Ok});
}

QWidget* App::window(std::string_view name)
{
    for (const NamedWindow& w : windows_)
        if (name == w.name)
            return w.open(*this);
    return nullptr;
}

QWidget* App::control(std::string_view windowName, std::string_view controlName)
{
    QWidget* w = window(windowName);
    return w ? w->findChild<QWidget*>(QString::fromLatin1(controlName.data(), static_cast<qsizetype>(controlName.size())))
             : nullptr;
}

Form* App::loadedForm(std::type_index type) const
{
    const auto it = forms_.find(type);
    if (it == forms_.end() || !it->second)
        return nullptr;
    return static_cast<Form*>(it->second->widget());
}

Form* App::adopt(std::type_index type, Form* form)
{
    const bool titled = form->hasTitleBar();
    auto* sub = new QMdiSubWindow(nullptr, titled ? Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                                        Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint
                                                  : Qt::FramelessWindowHint);
    sub->setWidget(form);
    sub->setAttribute(Qt::WA_DeleteOnClose, false);
    // A titled form answers its own close box (its closeEvent); a panel ignores a close.
    if (!titled)
        sub->installEventFilter(new PanelCloseGuard(sub));
    mainWindow_->workArea()->addSubWindow(sub);
    sub->adjustSize();
    sub->hide();
    forms_[type] = sub;
    return form;
}

void App::place(Form* form, int leftTwips, int topTwips)
{
    QMdiSubWindow* sub = qobject_cast<QMdiSubWindow*>(form->parentWidget());
    // The places are the work area's own: where it is scrolled, its origin
    // lies above and left of what is in view.
    const QMdiArea* area = mainWindow_->workArea();
    const QPoint origin(-area->horizontalScrollBar()->value(), -area->verticalScrollBar()->value());
    sub->move(origin + QPoint(twipsToPixels(leftTwips), twipsToPixels(topTwips)));
    sub->show();
    sub->raise();
    mainWindow_->workArea()->setActiveSubWindow(sub);
}

void App::hideForm(std::type_index type)
{
    Form* form = loadedForm(type);
    if (!form)
        return;
    form->parentWidget()->hide();
}

void App::unloadForm(std::type_index type)
{
    Form* form = loadedForm(type);
    if (!form)
        return;
    form->Form_Unload();
    const auto it = forms_.find(type);
    QPointer<QMdiSubWindow> sub = it->second;
    forms_.erase(it);
    delete sub.data();
}

ModalForm* App::findDialog(std::type_index type) const
{
    const auto it = dialogs_.find(type);
    return it == dialogs_.end() ? nullptr : it->second.data();
}

void App::unloadDialog(std::type_index type)
{
    const auto it = dialogs_.find(type);
    if (it == dialogs_.end())
        return;
    QPointer<ModalForm> dialog = it->second;
    dialogs_.erase(it);
    if (!dialog)
        return;
    // Hiding ends a modal run; the object itself may still be on the call
    // stack (its own Cancel), so it goes when control is back in the loop.
    dialog->hide();
    dialog->deleteLater();
}

bool App::isShown(const Form* form) const
{
    return form && form->parentWidget() && !form->parentWidget()->isHidden();
}

void App::focusOn(QWidget* control)
{
    if (!control)
        return;
    for (QWidget* w = control; w; w = w->parentWidget()) {
        if (auto* sub = qobject_cast<QMdiSubWindow*>(w)) {
            if (!sub->isHidden())
                mainWindow_->workArea()->setActiveSubWindow(sub);
            break;
        }
    }
    focusAndSelect(control);
}

void App::endProgram()
{
    ended_ = true;
    mainWindow_->close();
    QCoreApplication::exit(0);
}

} // namespace akuenza
