// Benchmarks of the calculation: the pure core formulas alone, and one full
// calculation run with all sixteen facility rows filled, through the real
// windows on the offscreen platform.

#include "forms/conditions/design_conditions_form.h"
#include "core/facilities/adequacy.h"
#include "forms/facilities/facility_families.h"
#include "core/facilities/infiltration_formulas.h"
#include "forms/facilities/results_form.h"
#include "core/record/digit_format.h"
#include "core/record/lenient_number.h"
#include "forms/shell/application.h"
#include "forms/shell/fonts.h"
#include "forms/shell/main_window.h"

#include <QApplication>
#include <benchmark/benchmark.h>

namespace {

using namespace akuenza;

void CoreFormulas(benchmark::State& state)
{
    double w = 0.5;
    for (auto _ : state) {
        DesignCase rec;
        benchmark::DoNotOptimize(w);
        const double ko = 0.015;
        const double c = 0.81;
        rec.square11Fc = infiltrationRates(squareSidesAndBottom(w, 1.0).Kf, ko, c, 2).Fc;
        rec.square21Fc = infiltrationRates(squareBottomOnly(w * 24, 1.5).Kf, ko, c, 2).Fc;
        rec.rect1Fc = infiltrationRates(rectangularBasin(w, 2.0, 1.0).Kf, ko, c, 3).Fc;
        rec.circular11Fc = infiltrationRates(circularSidesAndBottom(w, 1.0).Kf, ko, c, 2).Fc;
        rec.circular21Fc = infiltrationRates(circularBottomOnly(w * 3, 2.0).Kf, ko, c, 2).Fc;
        rec.ditch1Fc = infiltrationRates(linearFacility(w, 1.0).Kf, ko, c, 10).Fc;
        rec.pavementFc = infiltrationRates(areaFacility(0.3).Kf, ko, c, 500).Fc;
        const double total = totalInfiltration(rec);
        const double q1 = countermeasureQ1(0.9, 50, 1000);
        benchmark::DoNotOptimize(isAdequate(q1, total));
        benchmark::DoNotOptimize(wellDepth({2.0, 5, 1000, 0.9, 0.05}, wellInflowQ(1000, 0.9)).effectiveDepthH);
    }
}
BENCHMARK(CoreFormulas);

void FormatAndRead(benchmark::State& state)
{
    for (auto _ : state) {
        benchmark::DoNotOptimize(formatDigits(6.0619266, "0.000"));
        benchmark::DoNotOptimize(lenientNumber(" 1 2.5E1 m"));
    }
}
BENCHMARK(FormatAndRead);

// A platform that answers every question with its default and stays silent.
class SilentPlatform final : public Platform {
public:
    Answer messageBox(const MessageRequest& request) override { return request.defaultButton; }
    void beep() override {}
    QString openFileName(const FileDialogRequest&) override { return {}; }
    QString saveFileName(const FileDialogRequest&) override { return {}; }
    bool choosePrinter(QPrinter&) override { return false; }
    bool startProgram(const QString&, const QStringList&) override { return false; }
    void runModal(QDialog&) override {}
};

void setColumn(FacilityDialog& dialog, const char* check)
{
    if (auto* box = qobject_cast<CheckBox*>(dialog.control(QString::fromLatin1(check))))
        box->setValue(1);
}

void fill(FacilityDialog& dialog, std::initializer_list<std::pair<const char*, const char*>> entries)
{
    for (const auto& [name, text] : entries)
        dialog.box(QString::fromLatin1(name))->setText(QString::fromUtf8(text));
}

// New case, conditions typed, the five facility families checked and all
// sixteen rows of their dialogs filled; each iteration presses 計算.
void FullCalculationRun(benchmark::State& state)
{
    SilentPlatform platform;
    App app(platform);
    app.mainWindow().FileNew();
    Form1& f1 = app.form<Form1>();
    f1.txt_c->setText(QStringLiteral("0.9"));
    f1.txt_a->setText(QStringLiteral("1000"));
    f1.txt_i->setText(QStringLiteral("50"));
    for (int n = 1; n <= 5; ++n)
        f1.facilityCheck(n)->setValue(1);

    for (const FacilityFamily& family : facilityFamilies()) {
        FacilityDialog& d = family.load(app);
        switch (family.selector) {
        case 1:
            setColumn(d, "chk1");
            setColumn(d, "chk2");
            fill(d, {{"txt11w", "0.5"}, {"txt11h", "1"}, {"txt11n", "2"}, {"txt12w", "0.8"}, {"txt12h", "1.2"},
                     {"txt12n", "3"}, {"txt21w", "2"}, {"txt21h", "1"}, {"txt21n", "2"}, {"txt22w", "12"},
                     {"txt22h", "1.5"}, {"txt22n", "1"}});
            break;
        case 2:
            fill(d, {{"txt1w", "1"}, {"txt1l", "2"}, {"txt1h", "1"}, {"txt1n", "2"}, {"txt2w", "0.6"},
                     {"txt2l", "3"}, {"txt2h", "0.8"}, {"txt2n", "4"}});
            break;
        case 3:
            setColumn(d, "chk1");
            setColumn(d, "chk2");
            fill(d, {{"txt11d", "0.5"}, {"txt11h", "1"}, {"txt11n", "2"}, {"txt12d", "1.5"}, {"txt12h", "2"},
                     {"txt12n", "1"}, {"txt21d", "0.8"}, {"txt21h", "1"}, {"txt21n", "3"}, {"txt22d", "1.5"},
                     {"txt22h", "2"}, {"txt22n", "1"}});
            break;
        case 4:
            setColumn(d, "chk1");
            setColumn(d, "chk2");
            fill(d, {{"txt11w", "0.5"}, {"txt11h", "1"}, {"txt11l", "10"}, {"txt12w", "0.4"}, {"txt12h", "0.6"},
                     {"txt12l", "25"}, {"txt21w", "0.6"}, {"txt21h", "0.8"}, {"txt21l", "30"}, {"txt22w", "1"},
                     {"txt22h", "1"}, {"txt22l", "12"}});
            break;
        case 5:
            setColumn(d, "chk1");
            setColumn(d, "chk2");
            fill(d, {{"txt1h", "0.3"}, {"txt1s", "500"}, {"txt2h", "1"}, {"txt2s", "200"}});
            break;
        default:
            break;
        }
    }

    Form11& results = app.form<Form11>();
    for (auto _ : state) {
        results.cmd1->click();
        benchmark::DoNotOptimize(app.record.totalInfiltrationFc);
    }
    if (results.lbl9->text().isEmpty())
        state.SkipWithError("the run showed no verdict");
    state.counters["total_Fc"] = double(app.record.totalInfiltrationFc);
}
BENCHMARK(FullCalculationRun)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    installFonts();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
