#pragma once
// A platform seam for the tests: answers every question from a script and
// records every call, so a test can say "one box titled エラーメッセージ".

#include "forms/base/platform.h"

#include <QDialog>
#include <deque>
#include <functional>
#include <vector>

namespace akuenza::test {

struct PlatformCall {
    enum class Kind { Message, Beep, OpenFile, SaveFile, Printer, Editor, Modal };
    Kind kind;
    MessageRequest message;   // Message
    FileDialogRequest file;   // OpenFile, SaveFile
    QString editorFile;       // Editor
    QString windowTitle;      // Modal
};

class ScriptedPlatform final : public Platform {
public:
    // Message boxes take their answers in order; with none queued the
    // default button answers, as if the engineer pressed Enter.
    void queueAnswer(Answer answer);
    // Runs an action while the box is up (for re-entrancy tests), then answers.
    void queueAnswer(std::function<Answer()> action);
    void queueFileName(const QString& name);
    void queuePrinterAnswer(bool accepted);
    // The engineer sets the printer up in the dialog (a printer, a file to
    // print to), then answers.
    void queuePrinterAnswer(std::function<bool(QPrinter&)> setUp);
    // Runs an action on a modal window while it is "shown"; with none queued
    // the window is simply closed again.
    void queueModalAction(std::function<void(QDialog&)> action);

    Answer messageBox(const MessageRequest& request) override;
    void beep() override;
    QString openFileName(const FileDialogRequest& request) override;
    QString saveFileName(const FileDialogRequest& request) override;
    bool choosePrinter(QPrinter& printer) override;
    bool openInTextEditor(const QString& file) override;
    void runModal(QDialog& dialog) override;

    // Whether the desktop has a text editor to start.
    void setEditorStarts(bool starts) { editorStarts_ = starts; }

    const std::vector<PlatformCall>& calls() const { return calls_; }
    std::vector<MessageRequest> messages() const;
    int beeps() const;
    void clear() { calls_.clear(); }

private:
    std::vector<PlatformCall> calls_;
    bool editorStarts_ = true;
    std::deque<std::function<Answer()>> answers_;
    std::deque<QString> fileNames_;
    std::deque<std::function<bool(QPrinter&)>> printerAnswers_;
    std::deque<std::function<void(QDialog&)>> modalActions_;
};

} // namespace akuenza::test
