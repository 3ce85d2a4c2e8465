#pragma once
#include "forms/base/platform.h"

#include <QMessageBox>

#include <memory>

namespace akuenza {

// The platform seam on a real desktop: Qt's message boxes, file and printer
// dialogs, the system beep and QProcess.
class QtPlatform final : public Platform {
public:
    Answer messageBox(const MessageRequest& request) override;
    void beep() override;
    QString openFileName(const FileDialogRequest& request) override;
    QString saveFileName(const FileDialogRequest& request) override;
    bool choosePrinter(QPrinter& printer) override;
    bool openInTextEditor(const QString& file) override;
    void runModal(QDialog& dialog) override;
};

// The message box of a request as QtPlatform shows it: the requested title
// and icon, the buttons in the program's language without button icons, and
// the requested default button. Not yet shown.
std::unique_ptr<QMessageBox> buildMessageBox(const MessageRequest& request, QWidget* parent);

// Turns "caption|pattern|caption|pattern" into Qt's "caption (pattern);;..." form.
QString qtFileFilter(const QString& filter);

} // namespace akuenza
