// A few hundred design cases entered at random through the real windows,
// from a fixed seed: every facility family, the well, I from the rainfall
// dialog (Kerby, 茨城県, L/(60·V)) and C from the weighted runoff dialog. Each
// case is saved, opened in a fresh program and saved again: both files hold
// the same bytes, every window the file names comes back, the records and
// calculation sheets are the same, and stay so once the opened program has
// run 計算 too.
#include "support/form_test.h"
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
#include "forms/project/project_files.h"
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

// Draws the case's choices. std::mt19937 gives the same sequence on every
// platform; the distributions are our own so that the cases do too.
class Dice {
public:
    explicit Dice(std::uint32_t seed) : engine_(seed) {}

    int between(int lo, int hi) { return lo + static_cast<int>(engine_() % static_cast<std::uint32_t>(hi - lo + 1)); }
    bool chance(int percent) { return between(1, 100) <= percent; }
    template <class T>
    T pick(std::initializer_list<T> items)
    {
        return items.begin()[between(0, static_cast<int>(items.size()) - 1)];
    }

    // A number between lo and hi with minDecimals to maxDecimals decimals,
    // now and then written as engineers also type it: ".5", "2.50", " 3".
    QString number(double lo, double hi, int minDecimals, int maxDecimals)
    {
        const double value = lo + (hi - lo) * (engine_() / 4294967296.0);
        const int decimals = between(minDecimals, maxDecimals);
        std::string text = formatDigits(value, decimals == 0 ? "0" : "0." + std::string(decimals, '0'));
        const int variant = between(1, 20);
        if (variant == 1 && text.rfind("0.", 0) == 0)
            text.erase(0, 1);
        else if (variant == 2 && decimals > 0)
            text += '0';
        else if (variant == 3)
            text = " " + text;
        return QString::fromStdString(text);
    }
    // A small number in the engineers' exponent form, "3.5E-3".
    QString exponentNumber(int lowestExponent, int highestExponent)
    {
        return number(1.0, 9.9, 1, 1).trimmed() + u"E-"_qs + QString::number(between(lowestExponent, highestExponent));
    }

private:
    std::mt19937 engine_;
};

// One program: its platform seam and the application object.
struct Program {
    ScriptedPlatform platform;
    App app{platform};
};

// The column check boxes of a facility dialog.
std::vector<CheckBox*> columnChecks(App& app, int selector)
{
    switch (selector) {
    case 1: return {app.form<Form2>().chk1, app.form<Form2>().chk2};
    case 3: return {app.form<Form6>().chk1, app.form<Form6>().chk2};
    case 4: return {app.form<Form14>().chk1, app.form<Form14>().chk2};
    case 5: return {app.form<Form15>().chk1, app.form<Form15>().chk2};
    default: return {};
    }
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

QStringList messageTexts(const ScriptedPlatform& platform)
{
    QStringList out;
    for (const MessageRequest& m : platform.messages())
        out << m.text;
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

    // A click as the engineer makes it: only on a control that is shown and usable.
    void press(QWidget* control)
    {
        ASSERT_TRUE(control->isVisible() && control->isEnabled()) << control->objectName().toStdString();
        click(control);
    }

    // A fresh program with its main window on screen and a new case open.
    std::unique_ptr<Program> startWithNewCase()
    {
        auto p = std::make_unique<Program>();
        p->app.mainWindow().show();
        p->app.mainWindow().activateWindow();
        p->app.mainWindow().toolbarButton(1)->trigger();
        return p;
    }

    static void expectNoMessage(const ScriptedPlatform& platform, const char* after)
    {
        const QStringList shown = messageTexts(platform);
        EXPECT_TRUE(shown.isEmpty()) << after << ": " << shown.join(u" / "_qs).toStdString();
    }

    void enterRainfall(App& app, ScriptedPlatform& platform)
    {
        Form1& f1 = app.form<Form1>();
        press(f1.cmd_i2);
        Form12& r = app.form<Form12>();
        // ① t+b, ② √t+b, ③ √t−b, ④ t^b, ⑤ t^(d/c)+b, ⑥ t^(d/c)−b
        const int formula = dice_.between(1, 6);
        OptionButton* const options[] = {r.opt1, r.opt4, r.opt2, r.opt3, r.opt5, r.opt6};
        press(options[formula - 1]);
        r.txt1->setText(dice_.number(300, 9000, 0, 1));
        switch (formula) {
        case 1: r.txt2->setText(dice_.number(1, 60, 0, 1)); break;
        case 2: r.txt2->setText(dice_.number(0.1, 10, 1, 2)); break;
        case 3: r.txt2->setText(dice_.number(0.1, 1.5, 1, 2)); break;
        case 4: r.txt2->setText(dice_.number(0.3, 0.9, 1, 3)); break;
        case 5: r.txt2->setText(dice_.number(0.1, 10, 1, 2)); break;
        case 6: r.txt2->setText(dice_.number(0.1, 1, 1, 2)); break;
        }
        if (formula >= 5) {
            r.txt6->setText(dice_.number(0.5, 1.5, 1, 2));
            r.txt7->setText(dice_.number(0.3, 1.0, 1, 2));
        }

        if (dice_.chance(40)) {
            press(r.Option3);
            r.txt8->setText(dice_.number(5, 120, 0, 1));
        } else {
            press(r.Option4);
            if (dice_.chance(50)) {
                press(r.Option1);
                r.txt3->setText(dice_.number(5, 30, 0, 1));
            } else {
                Form13& kerby = app.dialog<Form13>();
                const QString L = dice_.number(10, 300, 0, 1), S = dice_.number(5, 100, 0, 1),
                              n = dice_.pick({u"0.02"_qs, u"0.10"_qs, u"0.20"_qs, u"0.40"_qs, u"0.60"_qs, u"0.80"_qs});
                platform.queueModalAction([&kerby, L, S, n](QDialog&) {
                    kerby.txt1->setText(L);
                    kerby.txt2->setText(S);
                    kerby.txt3->setText(n);
                    kerby.cmd1->click();
                });
                press(r.Command4);
            }
            const int flow = dice_.between(1, 3);
            if (flow == 1) {
                press(r.Option5);
                r.txt9->setText(dice_.number(1, 30, 0, 1));
            } else if (flow == 2) {
                press(r.Option6);
                r.txt4->setText(dice_.number(50, 2000, 0, 1));
                press(r.Option7);
                r.txt5->setText(dice_.number(0.8, 3.0, 1, 2));
            } else {
                press(r.chk1);
                Form22& channel = app.dialog<Form22>();
                const bool before = dice_.chance(50);
                const QString L = dice_.number(0.1, 5, 1, 2), i = dice_.number(0.001, 0.05, 3, 4);
                platform.queueModalAction([&channel, before, L, i](QDialog&) {
                    (before ? channel.opt1 : channel.opt2)->setChecked(true);
                    channel.txt1->setText(L);
                    channel.txt2->setText(i);
                    channel.cmd1->click();
                });
                press(r.Command1);
            }
        }
        press(r.cmd1);
        expectNoMessage(platform, "the rainfall dialog");
    }

    void enterRunoff(App& app, ScriptedPlatform& platform)
    {
        press(app.form<Form1>().cmd_c2);
        Form16& r = app.form<Form16>();
        const auto categories = r.categoryChecks();
        const int rows = dice_.between(1, 6);
        for (int row = 0; row < rows; ++row) {
            // A ticked category fills the first empty row with its name.
            CheckBox* category = categories[static_cast<std::size_t>(dice_.between(0, 18))];
            if (dice_.chance(60) && category->value() == 0)
                press(category);
            else
                r.nameBoxes()[row]->setText(dice_.pick({u"駐車場"_qs, u" 畑, \"北側\""_qs, u"ﾃﾆｽｺｰﾄ"_qs,
                                                        u"歩道・広場"_qs, u"Lot 7"_qs, u"屋上緑化（東棟）"_qs}));
            r.coefficientBoxes()[row]->setText(dice_.number(0.05, 1.0, 2, 3));
            r.areaBoxes()[row]->setText(dice_.number(10, 5000, 0, 2));
        }
        press(r.cmd1);
        expectNoMessage(platform, "the runoff dialog");
    }

    void enterSoilByName(Form1& f1)
    {
        press(f1.chk_t);
        f1.txt_t->setText(dice_.pick({u"ローム"_qs, u"関東ローム層"_qs, u"砂質土 (盛土)"_qs, u" 礫混じり砂"_qs,
                                      u"ｼﾙﾄ質粘土"_qs, u"土, \"北側\""_qs, u"Sand-3"_qs}));
        f1.txt_tk->setText(dice_.chance(30) ? dice_.exponentNumber(2, 5) : dice_.number(0.00001, 0.1, 5, 7));
    }

    QString dimension(char unit)
    {
        switch (unit) {
        case 'w': return dice_.number(0.2, 2.0, 1, 2);
        case 'd': return dice_.number(0.3, 2.0, 1, 2);
        case 'h': return dice_.number(0.3, 3.0, 1, 2);
        case 'l': return dice_.number(1, 200, 0, 1);
        case 's': return dice_.number(5, 2000, 0, 1);
        default: return dice_.number(1, 30, 0, 0); // a count
        }
    }

    // Opens the family's dialog with its button, ticks columns and fills the usable boxes.
    void enterFacility(App& app, int selector)
    {
        press(app.form<Form1>().dimensionButton(selector));
        FacilityDialog& dialog = dialogOf(app, selector);
        for (CheckBox* column : columnChecks(app, selector))
            if ((column->value() == 1) != dice_.chance(80))
                press(column);
        const FacilityFamily& family = dialog.family();
        for (std::size_t i = 0; i < family.boxes.size(); ++i) {
            TextBox* box = dialog.boxes()[i];
            if (box->isEnabled() && dice_.chance(family.well && i < 3 ? 100 : 85))
                box->setText(dimension(family.box(i).name[std::strlen(family.box(i).name) - 1]));
        }
    }

    // Enters a case in the program's windows and presses 計算.
    void enterCase(Program& p)
    {
        App& app = p.app;
        Form1& f1 = app.form<Form1>();

        if (dice_.chance(20)) {
            // The well: C and A typed, the soil by name.
            press(f1.chk6);
            press(f1.cmd_c1);
            f1.txt_c->setText(dice_.number(0.1, 0.95, 1, 3));
            f1.txt_a->setText(dice_.number(100, 20000, 0, 2));
            enterSoilByName(f1);
            enterFacility(app, kWellSelector);
            calculate(app);
            return;
        }

        if (dice_.chance(15)) {
            press(f1.opt_u2);
            f1.txt_u->setText(dice_.number(1, 500, 0, 3));
        } else {
            if (dice_.chance(40)) {
                enterRainfall(app, p.platform);
            } else {
                if (dice_.chance(30))
                    press(f1.cmd_i1);
                f1.txt_i->setText(dice_.number(20, 150, 0, 1));
            }
            if (dice_.chance(40)) {
                enterRunoff(app, p.platform);
            } else {
                if (dice_.chance(30))
                    press(f1.cmd_c1);
                f1.txt_c->setText(dice_.number(0.1, 0.95, 1, 3));
                f1.txt_a->setText(dice_.number(100, 20000, 0, 2));
            }
            if (dice_.chance(30)) {
                press(f1.opt8);
                f1.txt1->setText(dice_.number(0, 50, 0, 1));
            }
        }
        if (dice_.chance(30))
            enterSoilByName(f1);
        else
            f1.cbo1->setListIndex(dice_.between(0, static_cast<int>(kSoils.size()) - 1));
        f1.txt_cf->setText(dice_.number(0.5, 1.0, 1, 2));

        std::vector<int> chosen;
        for (int n = 1; n <= 5; ++n)
            if (dice_.chance(45))
                chosen.push_back(n);
        if (chosen.empty())
            chosen.push_back(dice_.between(1, 5));
        for (int n = 1; n <= 5; ++n) {
            const bool wanted = std::find(chosen.begin(), chosen.end(), n) != chosen.end();
            if ((f1.facilityCheck(n)->value() == 1) != wanted)
                press(f1.facilityCheck(n));
        }
        for (int n : chosen)
            enterFacility(app, n);
        calculate(app);
    }

    void calculate(App& app) { press(app.form<Form11>().cmd1); }

    Dice dice_{kSeed};
    QTemporaryDir folder_{QDir(scratchFolderBase()).filePath(u"akuenza-round-trip-XXXXXX"_qs)};
};

TEST_P(RoundTrip, RandomCasesSaveOpenAndSaveAgainUnchanged)
{
    // AKUENZA_WRITE_CORPUS=<folder> keeps every 15th saved case there, as
    // seeds of the project-file fuzzers (fuzz/corpus/project).
    const QString corpus = qEnvironmentVariable("AKUENZA_WRITE_CORPUS");
    int computed = 0;
    int withWell = 0, withRainfall = 0, withRunoff = 0;
    std::array<int, 5> withFamily{};

    const int firstCase = GetParam() * kCasesPerRun;
    for (int n = firstCase; n < firstCase + kCasesPerRun; ++n) {
        SCOPED_TRACE("case " + std::to_string(n));
        dice_ = Dice(kSeed + static_cast<std::uint32_t>(n));
        auto saving = startWithNewCase();
        enterCase(*saving);
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
