#include "forms/project/document_folders.h"

#include "forms/conditions/design_conditions_form.h"
#include "forms/base/application.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace akuenza {

QString documentsProjectFolder()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation))
        .filePath(QStringLiteral("アクエンザ"));
}

namespace {

// The folder the rule names, whether it exists or not.
QString namedStartFolder(App& app)
{
    const MainFrame& main = app.frame();
    if (!main.fileName().isEmpty() && app.isVisible<Form1>())
        return QFileInfo(main.fileName()).absolutePath();
    if (!main.lastFolder().isEmpty())
        return main.lastFolder();
    return documentsProjectFolder();
}

QString nearestExisting(QString folder)
{
    while (!QFileInfo(folder).isDir()) {
        const QString up = QFileInfo(folder).absolutePath();
        if (up == folder || up.isEmpty())
            return QDir::homePath();
        folder = up;
    }
    return folder;
}

} // namespace

QString dialogStartFolder(App& app) { return nearestExisting(namedStartFolder(app)); }

void rememberFolderOf(App& app, const QString& chosenFile)
{
    app.frame().setLastFolder(QFileInfo(chosenFile).absolutePath());
}

SaveDialogFolder::SaveDialogFolder(App& app)
{
    const QString named = namedStartFolder(app);
    if (named == documentsProjectFolder() && !QFileInfo(named).exists())
        made_ = QDir().mkpath(named);
    folder_ = nearestExisting(named);
}

SaveDialogFolder::~SaveDialogFolder()
{
    // rmdir removes only an empty folder: one that received a file stays.
    if (made_)
        QDir().rmdir(folder_);
}

} // namespace akuenza
