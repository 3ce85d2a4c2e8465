// Benchmarks of the calculation: the pure core formulas alone, and one full
// calculation run with all sixteen facility rows filled, through the real
// windows on the offscreen platform.

#include "forms/conditions/design_conditions_form.h"
#include "core/facilities/adequacy.h"
#include "app/headless_platform.h"
#include "core/facilities/calculation_run.h"
#include "forms/facilities/family_dialogs.h"
#include "core/facilities/infiltration_formulas.h"
#include "forms/facilities/results_form.h"
#include "core/record/digit_format.h"
#include "core/record/lenient_number.h"
#include "forms/base/application.h"
#include "forms/base/fonts.h"
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


// Every box of the five facility families filled: all sixteen rows, in the
// order of each family's boxes.
RunEntries sixteenRows()
{
    RunEntries e;
    e.conditions.optU1 = true;
    e.conditions.txtC = "0.9";
    e.conditions.txtA = "1000";
    e.conditions.txtI = "50";
    e.conditions.opt7 = true;
    e.conditions.soilListIndex = 3;
    e.conditions.soilText = "細砂";
    e.conditions.txtCf = "0.81";
    for (int n = 1; n <= 5; ++n)
        e.conditions.facility[static_cast<std::size_t>(n - 1)] = true;
    e.dialogs[0] = {true, {"0.5", "1", "2", "0.8", "1.2", "3", "2", "1", "2", "12", "1.5", "1"}};
    e.dialogs[1] = {true, {"1", "2", "1", "2", "0.6", "3", "0.8", "4"}};
    e.dialogs[2] = {true, {"0.5", "1", "2", "1.5", "2", "1", "0.8", "1", "3", "1.5", "2", "1"}};
    e.dialogs[3] = {true, {"0.5", "1", "10", "0.4", "0.6", "25", "0.6", "0.8", "30", "1", "1", "12"}};
    e.dialogs[4] = {true, {"0.3", "500", "1", "200"}};
    return e;
}

// The run alone, in the core: the entries gathered once, checks, sixteen rows, the verdict.
void CoreCalculationRun(benchmark::State& state)
{
    const RunEntries entries = sixteenRows();
    DesignCase rec;
    for (auto _ : state) {
        const RunOutcome outcome = calculationRun(rec, entries);
        benchmark::DoNotOptimize(outcome.display.comparison);
    }
    state.counters["total_Fc"] = double(rec.totalInfiltrationFc);
}
BENCHMARK(CoreCalculationRun)->Unit(benchmark::kMicrosecond);

// New case, conditions typed, the five facility families checked and all
// sixteen rows of their dialogs filled; each iteration presses 計算.
void FullCalculationRun(benchmark::State& state)
{
    HeadlessPlatform platform(false); // answers every question with its default, silently
    App app(platform);
    app.mainWindow().FileNew();
    const RunEntries entries = sixteenRows();
    Form1& f1 = app.form<Form1>();
    f1.txt_c->setText(QString::fromStdString(entries.conditions.txtC));
    f1.txt_a->setText(QString::fromStdString(entries.conditions.txtA));
    f1.txt_i->setText(QString::fromStdString(entries.conditions.txtI));
    for (int n = 1; n <= 5; ++n) {
        f1.facilityCheck(n)->setValue(1);
        FacilityDialog& d = dialogOf(app, n);
        for (CheckBox* column : d.findChildren<CheckBox*>())
            column->setValue(1);
        const BoxTexts& texts = entries.dialog(n).texts;
        for (std::size_t i = 0; i < texts.size(); ++i)
            d.boxes()[i]->setText(QString::fromStdString(texts[i]));
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
