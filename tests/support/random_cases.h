#pragma once
// Design cases entered at random through the real windows, from a seed:
// every facility family, the well, I from the rainfall dialog (Kerby,
// 茨城県, L/(60·V)) and C from the weighted runoff dialog, then 計算. Case n
// of a seed is the same on every platform and in every run.

#include "support/scripted_platform.h"

#include "forms/base/application.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <initializer_list>
#include <memory>
#include <random>
#include <string>

#include "core/record/digit_format.h"

namespace akuenza {
class Form1;
}

namespace akuenza::test {

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

// A fresh program with its main window on screen and a new case open.
std::unique_ptr<Program> startWithNewCase();

QStringList messageTexts(const ScriptedPlatform& platform);

// Enters one case as an engineer would: a click only on a control that is
// shown and usable (a test assertion fails otherwise), texts set as typed.
class CaseEntry {
public:
    explicit CaseEntry(std::uint32_t seed) : dice_(seed) {}

    // Enters a case in the program's windows and presses 計算.
    void enterCase(Program& p);

    Dice& dice() { return dice_; }

private:
    void press(QWidget* control);
    void enterRainfall(App& app, ScriptedPlatform& platform);
    void enterRunoff(App& app, ScriptedPlatform& platform);
    void enterSoilByName(Form1& f1);
    QString dimension(char unit);
    void enterFacility(App& app, int selector);
    void calculate(App& app);

    Dice dice_;
};

} // namespace akuenza::test
