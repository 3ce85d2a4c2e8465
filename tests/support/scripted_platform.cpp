#include "support/scripted_platform.h"

namespace akuenza::test {

void ScriptedPlatform::queueAnswer(Answer answer)
{
    answers_.push_back([answer] { return answer; });
}

void ScriptedPlatform::queueAnswer(std::function<Answer()> action) { answers_.push_back(std::move(action)); }

void ScriptedPlatform::queueFileName(const QString& name) { fileNames_.push_back(name); }

void ScriptedPlatform::queuePrinterAnswer(bool accepted)
{
    printerAnswers_.push_back([accepted](QPrinter&) { return accepted; });
}

void ScriptedPlatform::queuePrinterAnswer(std::function<bool(QPrinter&)> setUp)
{
    printerAnswers_.push_back(std::move(setUp));
}

void ScriptedPlatform::queueModalAction(std::function<void(QDialog&)> action)
{
    modalActions_.push_back(std::move(action));
}

Answer ScriptedPlatform::messageBox(const MessageRequest& request)
{
    PlatformCall call{PlatformCall::Kind::Message, request, {}, {}, {}};
    calls_.push_back(call);
    if (answers_.empty())
        return request.defaultButton;
    auto next = std::move(answers_.front());
    answers_.pop_front();
    return next();
}

void ScriptedPlatform::beep() { calls_.push_back({PlatformCall::Kind::Beep, {}, {}, {}, {}}); }

QString ScriptedPlatform::openFileName(const FileDialogRequest& request)
{
    calls_.push_back({PlatformCall::Kind::OpenFile, {}, request, {}, {}});
    if (fileNames_.empty())
        return {};
    QString name = fileNames_.front();
    fileNames_.pop_front();
    return name;
}

QString ScriptedPlatform::saveFileName(const FileDialogRequest& request)
{
    calls_.push_back({PlatformCall::Kind::SaveFile, {}, request, {}, {}});
    if (fileNames_.empty())
        return {};
    QString name = fileNames_.front();
    fileNames_.pop_front();
    return name;
}

bool ScriptedPlatform::choosePrinter(QPrinter& printer)
{
    calls_.push_back({PlatformCall::Kind::Printer, {}, {}, {}, {}});
    if (printerAnswers_.empty())
        return false;
    auto answer = std::move(printerAnswers_.front());
    printerAnswers_.pop_front();
    return answer(printer);
}

bool ScriptedPlatform::openInTextEditor(const QString& file)
{
    calls_.push_back({PlatformCall::Kind::Editor, {}, {}, file, {}});
    return editorStarts_;
}

void ScriptedPlatform::runModal(QDialog& dialog)
{
    calls_.push_back({PlatformCall::Kind::Modal, {}, {}, {}, dialog.windowTitle()});
    if (modalActions_.empty())
        return;
    auto action = std::move(modalActions_.front());
    modalActions_.pop_front();
    action(dialog);
}

std::vector<MessageRequest> ScriptedPlatform::messages() const
{
    std::vector<MessageRequest> out;
    for (const auto& c : calls_)
        if (c.kind == PlatformCall::Kind::Message)
            out.push_back(c.message);
    return out;
}

int ScriptedPlatform::beeps() const
{
    int n = 0;
    for (const auto& c : calls_)
        n += c.kind == PlatformCall::Kind::Beep;
    return n;
}

} // namespace akuenza::test
