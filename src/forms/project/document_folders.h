#pragma once
// Where the file dialogs start: where the engineer keeps his cases, never
// the program's own installation. The folder of the open case's file, else
// the folder last used in this run, else "アクエンザ" in his Documents
// folder, which is made only for something saved into it.

#include <QString>

namespace akuenza {

class App;

// "アクエンザ" in the user's Documents folder (it may not exist yet).
QString documentsProjectFolder();

// The folder a file dialog starts in, by the rule above; when that folder
// does not exist (yet), the nearest folder above it that does.
QString dialogStartFolder(App& app);

// The folder of a file the engineer chose in a dialog is the one next
// dialogs start in, while the program runs.
void rememberFolderOf(App& app, const QString& chosenFile);

// Around a save dialog: when the dialogs start in the Documents project
// folder and it does not exist, it is made for the dialog to show, and
// removed again afterwards unless something was saved into it.
class SaveDialogFolder {
public:
    explicit SaveDialogFolder(App& app);
    ~SaveDialogFolder();
    SaveDialogFolder(const SaveDialogFolder&) = delete;
    SaveDialogFolder& operator=(const SaveDialogFolder&) = delete;

    QString folder() const { return folder_; }

private:
    QString folder_;
    bool made_ = false;
};

} // namespace akuenza
