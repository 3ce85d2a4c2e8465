#include "forms/report/sheet_file.h"

#include "forms/project/window_values.h"
#include "forms/report/current_sheet.h"
#include "forms/base/application.h"
#include "forms/base/file_errors.h"
#include "forms/base/safe_files.h"

#include <QDir>
#include <QFileInfo>

namespace akuenza {

namespace {

QString nativePath(const QString& path) { return QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath()); }

// The box a text the file cannot hold was typed into, by what the engineer sees.
QString boxOf(App& app, const UnencodableText& text)
{
    return QStringLiteral("「%1」の「%2」").arg(windowCaption(text.form), boxCaption(app, text.form, text.box));
}

} // namespace

QString sheetFilePath() { return QDir::current().absoluteFilePath(QStringLiteral("sintou.txt")); }

bool appendSheet(App& app, const QString& path)
{
    const Sheet sheet = currentSheet(app, SheetVariant::TextFile);
    if (sheet.lines.empty())
        return false; // Form1 chk6 neither 0 nor 1: nothing to write
    if (sheet.hasNonFinite()) {
        app.showError(QString::fromStdString(nonFiniteMessage(sheet)));
        return false;
    }
    if (!sheet.unencodable.empty()) {
        const UnencodableText& text = sheet.unencodable.front();
        app.showError(QStringLiteral("計算書に書き込めない文字があります。\n%1：%2\n文字を確認してください。")
                          .arg(boxOf(app, text), QString::fromStdString(text.text)));
        return false;
    }
    const std::optional<std::string> bytes = sheetBytes(sheet);
    if (!bytes)
        return false;

    // Appended at the end of the file and synced; a write that falls short,
    // as on a full disk, is taken back, so the file holds the whole new sheet
    // or none of it.
    const FileOutcome appended = appendToFile(path, *bytes);
    if (!appended.ok()) {
        app.showError(fileFailureMessage(QStringLiteral("計算書のファイルに書き込めません。"), path, appended));
        return false;
    }
    for (std::size_t i = 0; i < sheet.ngCount(); ++i)
        app.beep();
    return true;
}

void writeSheetFile(App& app) { appendSheet(app, sheetFilePath()); }

void openSheetFile(App& app)
{
    const QString path = sheetFilePath();
    if (!app.platform().openInTextEditor(path))
        app.showError(QStringLiteral("テキストエディタで計算書を開けません。\n%1").arg(nativePath(path)));
}

} // namespace akuenza
