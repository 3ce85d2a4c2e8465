#pragma once
// The platform seam: everything that reaches outside the program's own
// windows (message boxes, the beep, file and printer dialogs, the external
// editor, modal windows) goes through this one interface. The real
// implementation uses Qt; the tests answer from a script and record calls.

#include <QString>
#include <QStringList>

class QDialog;
class QPrinter;

namespace akuenza {

enum class MessageButtons { Ok, OkCancel, YesNo };
enum class MessageIcon { None, Information, Question, Exclamation, Critical };
enum class Answer { Ok, Cancel, Yes, No };

struct MessageRequest {
    QString text;
    QString title;
    MessageButtons buttons = MessageButtons::Ok;
    MessageIcon icon = MessageIcon::None;
    Answer defaultButton = Answer::Ok;
};

struct FileDialogRequest {
    QString title;
    QString filter;        // "アクエンザ(.qzk)|*.qzk" style: caption|pattern pairs
    QString initialFolder;
    QString initialName;   // the file name proposed, or ""
};

class Platform {
public:
    virtual ~Platform() = default;

    virtual Answer messageBox(const MessageRequest& request) = 0;
    virtual void beep() = 0;
    // Both return "" when the dialog is cancelled.
    virtual QString openFileName(const FileDialogRequest& request) = 0;
    virtual QString saveFileName(const FileDialogRequest& request) = 0;
    // Lets the engineer choose and set up the printer; false when cancelled.
    virtual bool choosePrinter(QPrinter& printer) = 0;
    // Opens a text file in the desktop's text editor (Notepad on Windows)
    // without waiting for it; false if no editor could be started.
    virtual bool openInTextEditor(const QString& file) = 0;
    // Shows one of the program's own windows modally until it closes.
    virtual void runModal(QDialog& dialog) = 0;
};

} // namespace akuenza
