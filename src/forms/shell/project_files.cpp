#include "forms/shell/project_files.h"

#include "core/facilities/calculation_run.h"
#include "core/facilities/facility_families.h"
#include "forms/conditions/design_conditions_form.h"
#include "forms/conditions/flow_time_dialog.h"
#include "forms/conditions/inlet_time_dialog.h"
#include "forms/conditions/rainfall_dialog.h"
#include "forms/conditions/runoff_dialog.h"
#include "forms/facilities/family_dialogs.h"
#include "forms/facilities/results_form.h"
#include "forms/project/document_folders.h"
#include "forms/project/window_values.h"
#include "forms/base/file_errors.h"
#include "forms/shell/main_window.h"
#include "forms/base/safe_files.h"
#include "forms/base/window_places.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <cmath>
#include <set>

namespace akuenza {

namespace {

const QString kFilter = QStringLiteral("アクエンザ(.qzk)|*.qzk");

QString nativePath(const QString& path) { return QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath()); }

// The values of a read file that belong to the given controls, assigned in
// file order so that each control's reaction runs as on the engineer's change.
class Refill {
public:
    Refill(App& app, const ReadProject& read) : app_(app), read_(read) {}

    template <class Pred>
    void assignWhere(Pred belongs)
    {
        for (const ReadValue& v : read_.values) {
            if (v.item->kind == LineKind::RecordField || !belongs(*v.item))
                continue;
            if (QWidget* control = projectControl(app_, *v.item))
                assign(control, v.item->kind, v.value);
        }
    }
    void assignWindow(std::string_view window)
    {
        assignWhere([&](const ProjectItem& item) { return window == item.window; });
    }
    void assignControl(std::string_view window, std::string_view control)
    {
        assignWhere([&](const ProjectItem& item) { return window == item.window && control == item.control; });
    }
    // The record fields the file holds are stored as read.
    void storeRecordFields()
    {
        for (const ReadValue& v : read_.values)
            if (v.item->kind == LineKind::RecordField) {
                CaseNumber& field = app_.record.*v.item->field;
                if (v.value.field)
                    field = *v.value.field;
            }
    }

private:
    App& app_;
    const ReadProject& read_;
};

bool isFacilityWindow(std::string_view window)
{
    for (const FacilityFamily& family : facilityFamilies())
        if (!family.well && window == family.form)
            return true;
    return false;
}

// What an opened case shows in its results row: the results of its run, or,
// when they cannot stand, nothing and why (empty when a message has already
// been shown or the warning about the file's gaps says it).
struct OpenedResults {
    bool shown = false;
    QString failedCheck;
};

// Whether the results an opened case shows are those its inputs give: the
// run could compute them, the file held the result lines, the inputs pass
// the checks of "計　算", and the file was read to its end. A case that fails
// opens with an empty results row and without save and print, as after an
// edit, until the next run.
OpenedResults judgeResults(App& app, const ReadProject& read, bool computed)
{
    const bool well = app.form<Form1>().chk6->value() == 1;
    if (!computed)
        return {};
    if (!read.find("Form11", "lbl3") || !read.find("Form11", "lbl6") || (well && !read.find("Form11", "Label1")))
        return {};
    if (const std::optional<FailedCheck> failed = checkDesignConditions(app.record, runEntries(app)))
        return {false, QString::fromStdString(failed->message)};
    // A file cut short lost some of the case: the windows after the cut hold
    // no part of it (a rainfall dialog half read prints a time and an
    // intensity that disagree, a well case reads as none), so no result
    // stands on it. The cut itself has been said already.
    if (read.truncated())
        return {};
    if (well && !std::isfinite(app.record.wellEffectiveDepthH))
        return {false, QString::fromUtf8(kWellDepthNotComputable)};
    return {true, QString()};
}

// Refills the windows from the file and reruns the program's procedures, in
// the order that rebuilds the record from the case's inputs.
OpenedResults refill(App& app, const ReadProject& read)
{
    MDIFofm& main = app.mainWindow();
    Refill file(app, read);
    main.Tojiru();
    // The hydrology sub-dialogs hold what this file gives them, nothing of
    // a case opened before.
    app.unloadDialog<Form13>();
    app.unloadDialog<Form22>();

    // The design conditions; chk6 comes later, after the hydrology dialogs.
    file.assignWhere([](const ProjectItem& item) {
        return std::string_view(item.window) == "Form1" && std::string_view(item.control) != "chk6";
    });
    Form1& f1 = app.form<Form1>();
    if (f1.opt4->isChecked())
        f1.txt_i->setFrame(false);
    if (f1.opt6->isChecked()) {
        f1.txt_c->setFrame(false);
        f1.txt_a->setFrame(false);
    }
    app.showAt<Form1>(0, 0);

    // The facility dialogs, then the run's copying and computing steps
    // without its checks; the result captions are then shown as saved. A
    // run that cannot compute (a number beyond range) has said so and
    // shows nothing, whatever the file holds.
    file.assignWhere([](const ProjectItem& item) { return isFacilityWindow(item.window); });
    Form11& results = app.form<Form11>();
    results.voidAllResults();
    results.Zairyou_1();
    const bool computed = results.Zairyou_2();
    if (computed) {
        file.assignControl("Form11", "lbl3");
        file.assignControl("Form11", "lbl6");
    }
    app.showAt<Form11>(0, kResultsFormTop);

    if (f1.opt4->isChecked()) {
        file.assignWindow("Form12");
        file.assignWindow("Form22");
        Form12& rainfall = app.form<Form12>();
        rainfall.Keisan_1();
        rainfall.Keisan_2();
        if (rainfall.Option8->isChecked())
            rainfall.txt5->setFrame(false);
        app.hide<Form12>();
        file.storeRecordFields();
        file.assignWindow("Form13");
        app.dialog<Form13>().hide();
    }
    if (f1.opt6->isChecked()) {
        file.assignWindow("Form16");
        Form16& runoff = app.form<Form16>();
        runoff.Ryusyutu_1();
        runoff.Ryusyutu_2();
        app.hide<Form16>();
    }
    // Q1 was computed from C, I and A as the design conditions form shows
    // them; the dialogs' procedures have since stored their unrounded values.
    // The sheet prints those factors beside Q1, so they must be the ones Q1
    // came from, as in the program that saved the case: the record takes
    // the shown values again.
    if (f1.opt4->isChecked() || f1.opt6->isChecked())
        results.Zairyou_1();

    file.assignControl("Form1", "chk6");
    if (f1.chk6->value() == 1) {
        file.assignWindow("Form18");
        if (computed)
            file.assignControl("Form11", "Label1");
        FacilityDialog& well = dialogOf(app, kWellSelector);
        well.Keisuu();
        well.Keisan();
    }
    app.hide<Form12>();

    // One dimension dialog: the first family chosen.
    for (int n = 1; n <= kFamilyCount; ++n)
        if (f1.facilityCheck(n)->value() == 1) {
            showOnlyDialogOf(app, n);
            break;
        }
    main.showBars();

    // The well's row or the facilities' row, as the case uses, never both;
    // then results and the commands that print them only where they stand.
    results.showWellRow(f1.chk6->value() == 1);
    const OpenedResults judged = judgeResults(app, read, computed);
    if (judged.shown) {
        main.enableSaveAndPrintCommands();
    } else {
        results.voidAllResults();
        main.disableSaveAndPrintCommands(true);
    }
    return judged;
}

void warnAboutGaps(App& app, const QString& path, const ReadProject& read)
{
    if (!read.truncated() && read.unconvertible == 0)
        return;
    QStringList lines;
    lines << nativePath(path);
    if (read.truncated())
        lines << QStringLiteral("ファイルが途中で終わっています（%1行のうち%2行を読み込みました）。")
                     .arg(read.linesExpected)
                     .arg(read.linesRead);
    if (read.unconvertible > 0)
        lines << QStringLiteral("値として読み込めない行が%1行ありました。").arg(read.unconvertible);
    lines << QStringLiteral("読み込めなかった項目は初期状態のままです。内容を確認してください。");
    app.showError(lines.join(QLatin1Char('\n')));
}

// Close's question, asked before an open case is replaced.
bool mayDiscardOpenCase(App& app)
{
    if (!app.isVisible<Form1>())
        return true;
    return app.mainWindow().confirmDiscard();
}

FileDialogRequest dialogRequest(const char* title, const QString& folder)
{
    return {QString::fromUtf8(title), kFilter, folder, QString()};
}

// The calculation sheet is written to the current folder: after a project
// file dialog it is the project's own folder.
void enterFolderOf(const QString& path) { QDir::setCurrent(QFileInfo(path).absolutePath()); }

} // namespace

OpenedCase openProjectCase(App& app, const QString& path, WhenCaseOpen whenOpen)
{
    // Only a regular file is read: a pipe or a device is refused at once
    // instead of holding the program.
    QByteArray bytes;
    const FileOutcome loaded = readRegularFile(path, static_cast<qint64>(kLargestProjectFile) + 1, &bytes);
    if (!loaded.ok()) {
        const QString heading = loaded.failedStep == FileOutcome::Step::Open ? QStringLiteral("ファイルを開けません。")
                                                                             : QStringLiteral("ファイルを読み込めません。");
        app.showError(fileFailureMessage(heading, path, loaded));
        return OpenedCase::NotOpened;
    }

    const ReadProject read = readProject(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    if (read.status == ReadProject::Status::NotAProject) {
        app.showError(QStringLiteral("アクエンザのファイルではありません。\n%1").arg(nativePath(path)));
        return OpenedCase::NotOpened;
    }
    if (whenOpen == WhenCaseOpen::Ask && !mayDiscardOpenCase(app))
        return OpenedCase::NotOpened;

    const OpenedResults results = refill(app, read);
    app.mainWindow().setFileName(QFileInfo(path).absoluteFilePath());
    warnAboutGaps(app, path, read);
    if (!results.failedCheck.isEmpty())
        app.showError(results.failedCheck);
    return results.shown ? OpenedCase::WithResults : OpenedCase::WithoutResults;
}

bool openProjectFile(App& app, const QString& path, WhenCaseOpen whenOpen)
{
    return openProjectCase(app, path, whenOpen) != OpenedCase::NotOpened;
}

bool saveProjectFile(App& app, const QString& path)
{
    const WrittenProject written = writeProject(
        [&app](const ProjectItem& item) { return projectValue(app, item); }, app.record);
    // The rainfall and inlet-time dialogs were read for the file; they stay hidden.
    app.hide<Form12>();
    if (Form13* inlet = app.loadedDialog<Form13>())
        inlet->hide();
    if (written.unencodable) {
        QWidget* control = projectControl(app, *written.unencodable);
        app.showError(QStringLiteral("保存できない文字が入力されています。\n%1\nこの文字は保存できません。入力を確認してください。")
                          .arg(describe(app, *written.unencodable)));
        app.focusOn(control);
        return false;
    }

    // The new file is written whole beside the old one and only then takes
    // its name: a full disk or any other failure leaves the old file as it was.
    const FileOutcome saved = replaceFile(path, written.bytes);
    if (!saved.ok()) {
        app.showError(fileFailureMessage(QStringLiteral("ファイルを保存できません。"), path, saved));
        return false;
    }
    return true;
}

void FileOpen(App& app)
{
    const QString path = app.platform().openFileName(dialogRequest("アクエンザを開く", dialogStartFolder(app)));
    if (path.isEmpty())
        return;
    rememberFolderOf(app, path);
    if (openProjectFile(app, path, WhenCaseOpen::Ask))
        enterFolderOf(path);
}

void FileUpdate(App& app)
{
    MDIFofm& main = app.mainWindow();
    if (main.fileName().isEmpty())
        return;
    const Answer answer = app.ask({QStringLiteral("上書き保存してもよろしいですか？"), QStringLiteral("確認"),
                                   MessageButtons::OkCancel, MessageIcon::Question, Answer::Cancel});
    if (answer != Answer::Ok)
        return;
    saveProjectFile(app, main.fileName());
}

void FileSaveAs(App& app)
{
    // A Documents project folder made for the dialog stays only with the
    // case saved into it.
    const SaveDialogFolder folder(app);
    QString path = app.platform().saveFileName(dialogRequest("アクエンザの保存", folder.folder()));
    if (path.isEmpty())
        return;
    rememberFolderOf(app, path);
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".qzk");
    if (QFileInfo::exists(path)) {
        const Answer answer =
            app.ask({QStringLiteral("同名ファイルがあります。上書き保存しますか？"), QStringLiteral("上書き保存の確認"),
                     MessageButtons::YesNo, MessageIcon::Critical, Answer::No});
        if (answer == Answer::No)
            return;
    }
    if (!saveProjectFile(app, path))
        return;
    enterFolderOf(path);
    MDIFofm& main = app.mainWindow();
    main.setFileName(QFileInfo(path).absoluteFilePath());
    main.setToolbarButtonEnabled(3, true);
    app.form<Form1>().setWindowTitle(nativePath(path));
}

} // namespace akuenza
