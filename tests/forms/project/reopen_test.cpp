// Opening a case after another leaves nothing of the first: for a few
// hundred saved cases, and for damaged and truncated copies of them, "open
// A, then open B" gives the very record, windows, results row, sheet bytes
// and printed lines (and, for every tenth, PDF text) that "open B" gives in
// a fresh program.
#include "support/form_test.h"
#include "support/random_cases.h"
#include "support/record_fields.h"

#include "core/record/cp932.h"
#include "forms/conditions/flow_time_dialog.h"
#include "forms/conditions/inlet_time_dialog.h"
#include "forms/conditions/rainfall_dialog.h"
#include "forms/conditions/runoff_dialog.h"
#include "forms/facilities/circular_basin_dialog.h"
#include "forms/facilities/ditch_pipe_dialog.h"
#include "forms/facilities/infiltration_well_dialog.h"
#include "forms/facilities/pavement_pond_dialog.h"
#include "forms/facilities/rect_basin_dialog.h"
#include "forms/facilities/square_basin_dialog.h"
#include "forms/shell/project_files.h"
#include "forms/project/window_values.h"
#include "forms/report/current_sheet.h"
#include "forms/report/printing.h"
#include "forms/report/sheet_drawing.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QToolBar>

#include <sstream>

namespace akuenza::test {

namespace {

constexpr int kCasesPerRun = 100;
constexpr int kRuns = 3;
constexpr std::uint32_t kSeed = 20261208;

QByteArray bytesOf(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void write(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(f.write(bytes), bytes.size());
}

// The ways a file arrives damaged: cut short after some line, or one line
// that does not convert (or converts to something else) in its place.
QByteArray damage(const QByteArray& saved, Dice& dice)
{
    QList<QByteArray> lines = saved.split('\n');
    if (!lines.isEmpty() && lines.back().isEmpty())
        lines.removeLast();
    const int at = dice.between(0, static_cast<int>(lines.size()) - 1);
    switch (dice.between(1, 4)) {
    case 1: // truncated after a whole line
        lines = lines.mid(0, at);
        break;
    case 2: // truncated inside a line
        lines = lines.mid(0, at + 1);
        lines.back().chop(lines.back().size() / 2 + 1);
        return lines.join('\n');
    case 3:
        lines[at] = dice.pick({QByteArray("xyz\r"), QByteArray("\r"), QByteArray("1.1E999\r"), QByteArray(" 7 \r")});
        break;
    default: // a line lost from the middle
        lines.removeAt(at);
        break;
    }
    QByteArray out = lines.join('\n');
    if (!lines.isEmpty())
        out += '\n';
    return out;
}

// Everything of an opened case the engineer can see or print, as text.
struct Seen {
    std::vector<std::string> record, windows, results, messages, drawn;
    QByteArray sheet;
};

template <class F>
void windowState(App& app, const char* name, std::vector<std::string>& out)
{
    const F* form = app.loaded<F>();
    out.push_back(std::string(name) + (form ? (form->isVisible() ? " shown" : " hidden") : " not loaded"));
}

Seen seeOpened(App& app, const ScriptedPlatform& platform)
{
    Seen s;
    for (const NamedNumber& n : kRecordNumbers) {
        const CaseNumber& f = app.record.*n.field;
        std::ostringstream v;
        v.precision(17);
        v << n.name << " = " << (f.isSet() ? "" : "(never set) ") << static_cast<double>(f);
        s.record.push_back(v.str());
    }
    for (const NamedText& t : kRecordTexts)
        s.record.push_back(std::string(t.name) + " = " + app.record.*t.field);

    for (const MessageRequest& m : platform.messages())
        s.messages.push_back(m.text.toStdString());

    MDIFofm& main = app.mainWindow();
    Form11& results = app.form<Form11>();
    for (const QLabel* label : results.findChildren<QLabel*>())
        if (label->isVisibleTo(&results))
            s.results.push_back(label->objectName().toStdString() + " = " + label->text().toStdString());
    for (int button : {3, 5, 6})
        s.results.push_back("toolbar " + std::to_string(button) +
                            (main.toolbarButton(button)->isEnabled() ? " enabled" : " disabled"));
    for (const QAction* item : {main.Men_FSav, main.Men_FOvw, main.Men_FImg, main.Men_FPrn, main.Men_FEWri})
        s.results.push_back(item->objectName().toStdString() + (item->isEnabled() ? " enabled" : " disabled"));

    // Which windows are there, before anything below creates one to read it.
    windowState<Form1>(app, "Form1", s.windows);
    windowState<Form2>(app, "Form2", s.windows);
    windowState<Form5>(app, "Form5", s.windows);
    windowState<Form6>(app, "Form6", s.windows);
    windowState<Form12>(app, "Form12", s.windows);
    windowState<Form14>(app, "Form14", s.windows);
    windowState<Form15>(app, "Form15", s.windows);
    windowState<Form16>(app, "Form16", s.windows);
    windowState<Form18>(app, "Form18", s.windows);
    s.windows.push_back(std::string("Form13 ") + (app.loadedDialog<Form13>() ? "loaded" : "not loaded"));
    s.windows.push_back(std::string("Form22 ") + (app.loadedDialog<Form22>() ? "loaded" : "not loaded"));

    // Only a case with results prints; both programs are asked the same.
    if (main.toolbarButton(6)->isEnabled()) {
        const Sheet sheet = currentSheet(app, SheetVariant::TextFile);
        if (const auto bytes = sheetBytes(sheet))
            s.sheet = QByteArray::fromStdString(*bytes);
        for (const SheetLine& line : drawnSheet(app).sheet.lines)
            s.drawn.push_back(line.text + (line.ng ? "  [NG]" : ""));
    }

    // Every control any project file can name, as the file would write it.
    for (const ProjectGroup& group : projectLayout())
        for (const ProjectItem& item : group.items)
            if (item.kind != LineKind::RecordField)
                if (QWidget* control = projectControl(app, item))
                    s.windows.push_back(std::string(item.window) + "." + item.control + " = " +
                                        encodeLine(item.kind, valueOf(control, item.kind)));
    return s;
}

QString pdfText(App& app, const QString& path)
{
    QString error;
    if (!exportPdf(app, path, &error))
        return u"(no PDF: "_qs + error + u")"_qs;
    QProcess p;
    p.start(u"pdftotext"_qs, {u"-layout"_qs, path, u"-"_qs});
    p.waitForFinished(60000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

} // namespace

class Reopen : public FormTest, public ::testing::WithParamInterface<int> {
protected:
    QTemporaryDir folder_;
};

TEST_P(Reopen, OpeningAfterAnotherCaseIsOpeningInAFreshProgram)
{
    ASSERT_TRUE(folder_.isValid());
    int damagedOpened = 0, withoutResults = 0, withResults = 0;
    QString previous; // the case opened first: the one saved before
    const int firstCase = GetParam() * kCasesPerRun;
    for (int n = firstCase; n < firstCase + kCasesPerRun; ++n) {
        SCOPED_TRACE("case " + std::to_string(n));
        CaseEntry entry(kSeed + static_cast<std::uint32_t>(n));
        const QString saved = folder_.filePath(u"case-%1.qzk"_qs.arg(n));
        {
            auto saving = startWithNewCase();
            entry.enterCase(*saving);
            ASSERT_FALSE(HasFatalFailure());
            ASSERT_TRUE(saveProjectFile(saving->app, saved));
        }
        const QString damagedCopy = folder_.filePath(u"damaged-%1.qzk"_qs.arg(n));
        write(damagedCopy, damage(bytesOf(saved), entry.dice()));
        if (previous.isEmpty())
            previous = damagedCopy; // the first case follows a damaged one

        for (const QString& b : {saved, damagedCopy}) {
            SCOPED_TRACE(b.toStdString());
            Program fresh;
            const OpenedCase freshOpened = openProjectCase(fresh.app, b, WhenCaseOpen::Replace);

            Program after;
            openProjectCase(after.app, previous, WhenCaseOpen::Replace);
            after.platform.clear();
            const OpenedCase afterOpened = openProjectCase(after.app, b, WhenCaseOpen::Replace);

            ASSERT_EQ(afterOpened, freshOpened);
            if (freshOpened == OpenedCase::NotOpened)
                continue;
            damagedOpened += b == damagedCopy;
            (freshOpened == OpenedCase::WithResults ? withResults : withoutResults) += 1;
            const Seen expected = seeOpened(fresh.app, fresh.platform);
            const Seen seen = seeOpened(after.app, after.platform);
            EXPECT_EQ(seen.record, expected.record);
            EXPECT_EQ(seen.messages, expected.messages);
            EXPECT_EQ(seen.results, expected.results);
            EXPECT_EQ(seen.windows, expected.windows);
            EXPECT_EQ(seen.drawn, expected.drawn);
            EXPECT_TRUE(seen.sheet == expected.sheet) << "the sheets differ";
            if (n % 10 == 0 && freshOpened == OpenedCase::WithResults) {
                EXPECT_EQ(pdfText(after.app, folder_.filePath(u"after.pdf"_qs)),
                          pdfText(fresh.app, folder_.filePath(u"fresh.pdf"_qs)));
            }
        }
        if (HasFailure())
            break; // one case's differences are enough to read
        previous = (n % 2 == 0) ? saved : damagedCopy;
    }
    // Most saved cases open with their results; damaged ones often without.
    EXPECT_GE(withResults, kCasesPerRun * 8 / 10);
    EXPECT_GE(withoutResults, kCasesPerRun / 5);
    EXPECT_GE(damagedOpened, kCasesPerRun / 2);
}

INSTANTIATE_TEST_SUITE_P(Cases, Reopen, ::testing::Range(0, kRuns));

} // namespace akuenza::test
