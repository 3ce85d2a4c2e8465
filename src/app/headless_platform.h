#pragma once
// The platform of a run from the command line: nobody is there to answer.
// A message box that would appear becomes a line on standard error; a
// question takes its default answer; dialogs are cancelled; nothing beeps.

#include "forms/base/platform.h"

#include <QString>

namespace akuenza {

class HeadlessPlatform final : public Platform {
public:
    // Quiet: the messages are not written out, as a benchmark that runs the
    // windows without anyone watching needs.
    explicit HeadlessPlatform(bool echo = true) : echo_(echo) {}

    Answer messageBox(const MessageRequest& request) override;
    void beep() override {}
    QString openFileName(const FileDialogRequest&) override { return {}; }
    QString saveFileName(const FileDialogRequest&) override { return {}; }
    bool choosePrinter(QPrinter&) override { return false; }
    bool openInTextEditor(const QString&) override { return false; }
    void runModal(QDialog&) override {}

private:
    bool echo_;
};

} // namespace akuenza
