// A few hundred design cases entered at random through the real windows,
// from a fixed seed: every facility family, the well, I from the rainfall
// dialog (Kerby, 茨城県, L/(60·V)) and C from the weighted runoff dialog. Each
// case is saved, opened in a fresh program and saved again: both files hold
// the same bytes, every window the file names comes back, the records and
// calculation sheets are the same, and stay so once the opened program has
// run 計算 too.
#include "support/form_test.h"
#include "support/random_cases.h"
#include "support/record_fields.h"

#include "core/facilities/facility_families.h"
#include "core/facilities/soil_table.h"
#include "core/record/cp932.h"
#include "core/record/digit_format.h"
#include "forms/conditions/flow_time_dialog.h"
#include "forms/conditions/inlet_time_dialog.h"
#include "forms/conditions/rainfall_dialog.h"
#include "forms/conditions/runoff_dialog.h"
#include "forms/facilities/circular_basin_dialog.h"
#include "forms/facilities/ditch_pipe_dialog.h"
#include "forms/facilities/family_dialogs.h"
#include "forms/facilities/pavement_pond_dialog.h"
#include "forms/facilities/square_basin_dialog.h"
#include "forms/shell/project_files.h"
#include "forms/project/window_values.h"
#include "forms/report/current_sheet.h"

#include <QDir>
#include <QFileInfo>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <random>

namespace akuenza::test {

namespace {

// Three runs of a hundred cases each, which CTest runs side by side; case n
// is drawn from kSeed + n alone, so any one can be rerun and read by itself.
constexpr int kCasesPerRun = 100;
constexpr int kRuns = 3;
constexpr std::uint32_t kSeed = 20240611;

QByteArray bytesOf(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// A project file's lines as text, for messages that can be read.
std::vector<std::string> linesOf(const QByteArray& bytes)
{
    const auto text = fromCp932(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    return text ? splitLines(*text) : std::vector<std::string>{"(not CP932)"};
}

// The value of every control the file holds, as the file writes it.
std::vector<std::string> windowValues(App& app, const ReadProject& read)
{
    std::vector<std::string> out;
    for (const ReadValue& v : read.values) {
        if (v.item->kind == LineKind::RecordField)
            continue;
        QWidget* control = projectControl(app, *v.item);
        out.push_back(std::string(v.item->window) + "." + v.item->control + " = " +
                      (control ? encodeLine(v.item->kind, valueOf(control, v.item->kind)) : "(none)"));
    }
    return out;
}

std::vector<std::string> sheetText(App& app)
{
    std::vector<std::string> out;
    for (const SheetLine& line : currentSheet(app, SheetVariant::TextFile).lines)
        out.push_back(line.text + (line.ng ? "  [NG]" : ""));
    return out;
}

// The entries of the facility dialogs that the run discarded because every
// key box was empty. The record keeps what it read of their other boxes; the
// file, like the windows, holds the dialog as it now is: discarded.
std::vector<CaseField> discardedEntries(App& app)
{
    std::vector<CaseField> out;
    const Form1& f1 = app.form<Form1>();
    for (const FacilityFamily& family : facilityFamilies())
        if (f1.facilityCheck(family.selector)->value() == 1 && !loadedDialogOf(app, family.selector))
            for (const FacilityBox& box : family.boxes)
                out.push_back(box.field);
    return out;
}

// The captions of the results form the engineer sees.
std::vector<std::string> resultCaptions(App& app)
{
    std::vector<std::string> out;
    Form11& results = app.form<Form11>();
    for (const QLabel* label : results.findChildren<QLabel*>())
        if (label->isVisibleTo(&results))
            out.push_back(label->objectName().toStdString() + " = " + label->text().toStdString());
    return out;
}

// Every field of the two records holds the same value, but for those named.
// A field never set reads as 0 wherever it is used, so it counts as 0 here:
// a fresh program has never assigned some fields that New sets to 0. A
// refused run may leave a value that is not a number in both.
void expectSameRecord(const DesignCase& saved, const DesignCase& opened, const std::vector<CaseField>& except)
{
    for (const NamedNumber& n : kRecordNumbers) {
        if (std::find(except.begin(), except.end(), n.field) != except.end())
            continue;
        const double a = saved.*n.field, b = opened.*n.field;
        EXPECT_TRUE(a == b || (std::isnan(a) && std::isnan(b))) << n.name << ": " << a << " saved, " << b << " opened";
    }
    for (const NamedText& t : kRecordTexts)
        EXPECT_EQ(saved.*t.field, opened.*t.field) << t.name;
}

// The folder for the saved files: in memory where the system has one, as
// every save syncs its file to the disk, which would take most of the time.
QString scratchFolderBase()
{
    const QFileInfo memory(u"/dev/shm"_qs);
    return memory.isDir() && memory.isWritable() ? memory.filePath() : QDir::tempPath();
}

} // namespace

class RoundTrip : public FormTest, public ::testing::WithParamInterface<int> {
protected:
    void SetUp() override
    {
        FormTest::SetUp();
        ASSERT_TRUE(folder_.isValid());
    }

    QTemporaryDir folder_{QDir(scratchFolderBase()).filePath(u"akuenza-round-trip-XXXXXX"_qs)};
};

TEST_P(RoundTrip, RandomCasesSaveOpenAndSaveAgainUnchanged)
{
    // AKUENZA_WRITE_CORPUS=<folder> keeps every 15th saved case there, as
    // seeds of the project-file fuzzers (fuzz/corpus/project);
    // AKUENZA_KEEP_CASES=<folder> keeps every one, to compare what another
    // build of the program makes of them (scripts/build-windows.sh compare).
    const QString corpus = qEnvironmentVariable("AKUENZA_WRITE_CORPUS");
    const QString kept = qEnvironmentVariable("AKUENZA_KEEP_CASES");
    int computed = 0;
    int withWell = 0, withRainfall = 0, withRunoff = 0;
    std::array<int, 5> withFamily{};

    const int firstCase = GetParam() * kCasesPerRun;
    for (int n = firstCase; n < firstCase + kCasesPerRun; ++n) {
        SCOPED_TRACE("case " + std::to_string(n));
        CaseEntry entry(kSeed + static_cast<std::uint32_t>(n));
        auto saving = startWithNewCase();
        entry.enterCase(*saving);
        ASSERT_FALSE(HasFatalFailure());
        App& a = saving->app;
        const QStringList runMessages = messageTexts(saving->platform);
        // The dialogs accepted every entry; only the run may refuse (a value it cannot compute).
        const Form1& f1 = a.form<Form1>();
        computed += runMessages.isEmpty();
        withWell += f1.chk6->value();
        withRainfall += f1.opt4->isChecked();
        withRunoff += f1.opt6->isChecked();
        for (int family = 1; family <= 5; ++family)
            withFamily[static_cast<std::size_t>(family - 1)] += f1.facilityCheck(family)->value();

        // Saving creates the discarded dialogs again, empty, to read them.
        const std::vector<CaseField> discarded = discardedEntries(a);
        const QString first = folder_.filePath(u"saved.qzk"_qs);
        ASSERT_TRUE(saveProjectFile(a, first));
        const QByteArray saved = bytesOf(first);
        if (!corpus.isEmpty() && n % 15 == 0) {
            QDir().mkpath(corpus);
            QFile::copy(first, QDir(corpus).filePath(u"case-%1.qzk"_qs.arg(n, 3, 10, QLatin1Char('0'))));
        }
        if (!kept.isEmpty()) {
            const QString copy = QDir(kept).filePath(u"case-%1.qzk"_qs.arg(n, 3, 10, QLatin1Char('0')));
            QFile::remove(copy);
            ASSERT_TRUE(QDir().mkpath(kept) && QFile::copy(first, copy));
        }

        Program opening;
        ASSERT_TRUE(openProjectFile(opening.app, first, WhenCaseOpen::Replace));
        App& b = opening.app;
        EXPECT_EQ(messageTexts(opening.platform), QStringList());

        // Every window the file names holds what the saving program's did.
        const ReadProject read = readProject(std::string_view(saved.constData(), static_cast<std::size_t>(saved.size())));
        ASSERT_EQ(read.linesRead, read.linesExpected);
        EXPECT_EQ(windowValues(a, read), windowValues(b, read));

        // Saved again at once, the file is the very same.
        const QString second = folder_.filePath(u"again.qzk"_qs);
        ASSERT_TRUE(saveProjectFile(b, second));
        const QByteArray savedAgain = bytesOf(second);
        EXPECT_EQ(linesOf(savedAgain), linesOf(saved));
        EXPECT_TRUE(savedAgain == saved) << "the same lines in other bytes";

        // Before any 計算 the opened record is the saving program's, and so
        // is the sheet: 書き込み right after 開く prints what was saved.
        // (Opening runs the procedures without the run's checks, so after a
        // refused run the saving program has zeroed what the opened one
        // still holds.)
        if (runMessages.isEmpty()) {
            expectSameRecord(a.record, b.record, discarded);
            EXPECT_EQ(sheetText(a), sheetText(b));
        }

        // After 計算 in the opened program both are the same in everything.
        opening.platform.clear();
        b.form<Form11>().cmd1->click();
        EXPECT_EQ(messageTexts(opening.platform), runMessages);
        expectSameRecord(a.record, b.record, discarded);
        EXPECT_EQ(resultCaptions(a), resultCaptions(b));
        EXPECT_EQ(sheetText(a), sheetText(b));

        if (HasFailure())
            break; // one case's differences are enough to read
    }

    // The cases cover what they are meant to: most compute, and every
    // family, the well and both hydrology dialogs occur many times.
    EXPECT_GE(computed, kCasesPerRun * 9 / 10);
    EXPECT_GE(withWell, kCasesPerRun / 10);
    EXPECT_GE(withRainfall, kCasesPerRun / 10);
    EXPECT_GE(withRunoff, kCasesPerRun / 10);
    for (int count : withFamily)
        EXPECT_GE(count, kCasesPerRun / 10);
}

INSTANTIATE_TEST_SUITE_P(Cases, RoundTrip, ::testing::Range(0, kRuns));

} // namespace akuenza::test
