#pragma once
// The hydrological inputs of the design conditions:
//  - the rainfall intensity I (mm/hr) from one of six intensity formulas and
//    the arrival time t (min), typed or as t = t1 + t2;
//  - the inlet time t1 of grassland and woodland slopes by Kerby's formula;
//  - the flow time t2 as L / (60·V) or by the river-channel formulas of 茨城県;
//  - the runoff coefficient C as the area-weighted average of up to six
//    land-use rows, and the countermeasure area A as their sum.
//
// The dialogs gather their entries once (texts as typed and which options are
// chosen), hand them to the procedures below and render the outcome: the
// record fields written, or the first failed check with its message and the
// entry to correct. Every entry is read with the lenient number conversion.
//
// A formula can be undefined for some entries (a zero denominator, a root or
// a fractional power of a negative number, a result beyond the range of
// numbers). Such a value is never written into the record: the procedures
// leave the field as it was, and the confirmations refuse the entries with a
// message naming what to correct.

#include "core/record/design_case.h"

#include <array>
#include <optional>
#include <string>

namespace akuenza {

// ------------------------------------------------------------ the formulas

// The six rainfall-intensity formulas, in the order of their captions ① … ⑥.
enum class RainfallFormula { One = 1, Two, Three, Four, Five, Six };

// ⑤ and ⑥ raise t to the power d/c and need the constants c and d.
bool usesExponentConstants(RainfallFormula formula);

// The denominator of a formula: t + b, √t + b, √t − b, t^b, t^(d/c) + b or
// t^(d/c) − b. Not finite (NaN) for a root or a fractional power of a negative t.
double rainfallDenominator(RainfallFormula formula, double b, double c, double d, double t);

// I = a / denominator, evaluated in double precision as written.
double rainfallIntensity(RainfallFormula formula, double a, double b, double c, double d, double t);

// Flow time t2 = L / (60 × V), L in m, V in m/sec, t2 in min.
double flowTimeByVelocity(double L, double V);

// The development state chosen for the river-channel formulas of 茨城県.
enum class ChannelDevelopment { None, Before, After };

// Flow time t2 (min) of a river channel of length L (km) and slope i:
// before development 0.83 × L / i^0.6, after development 0.36 × L / i^0.5.
double channelFlowTime(ChannelDevelopment development, double L, double i);

// Inlet time t1 (min) by Kerby's formula from the slope length L (m), the
// slope S (per mille) and the retardance coefficient n:
// t1 = ((2/3 × 3.28) × (L × n) / √(S / 1000))^0.467.
double kerbyInletTime(double L, double S, double n);

// ------------------------------------------- rainfall intensity and arrival time

enum class ArrivalMethod { None, Direct, Computed };    // Option3, Option4
enum class InletMethod { None, Direct, Kerby };         // Option1, Option2
enum class FlowMethod { None, Direct, Computed };       // Option5, Option6

// The entries of the rainfall dialog and of the river-channel dialog.
struct RainfallEntries {
    std::optional<RainfallFormula> formula;
    std::string a, b, c, d;              // constants: txt1, txt2, txt6, txt7
    std::string inletTime;               // t1: txt3
    std::string drainLength;             // L: txt4
    std::string velocity;                // V: txt5
    std::string arrivalTime;             // t: txt8
    std::string flowTime;                // t2: txt9
    ArrivalMethod arrival = ArrivalMethod::None;
    InletMethod inlet = InletMethod::None;
    FlowMethod flow = FlowMethod::None;
    bool ibaraki = false;                // chk1: the river-channel formulas of 茨城県
    bool drainLengthShown = true;        // the L row (txt4) is shown: the L/(60·V) method
    ChannelDevelopment development = ChannelDevelopment::None; // river-channel dialog opt1/opt2
    std::string channelLength;           // river-channel dialog txt1 (km)
    std::string channelSlope;            // river-channel dialog txt2
};

// Keisan_1: copies the entries into the record and derives t2 and t by the
// chosen methods. A t2 or t that the formulas leave undefined is not written.
void storeRainfallEntries(DesignCase& record, const RainfallEntries& entries);

// Keisan_2: I from the record's constants and arrival time by the chosen
// formula; unchanged when no formula is chosen or I is undefined.
void storeRainfallIntensity(DesignCase& record, std::optional<RainfallFormula> formula);

// The entry a refused confirmation points to.
enum class RainfallEntry {
    None,
    ConstantA,       // txt1
    ConstantB,       // txt2
    ConstantC,       // txt6
    ConstantD,       // txt7
    ArrivalTime,     // txt8
    InletTime,       // txt3
    FlowTime,        // txt9
    DrainLength,     // txt4
    VelocityAssumed, // Option7
    Velocity,        // txt5
    ChannelLength,   // river-channel dialog txt1
    ChannelSlope,    // river-channel dialog txt2
};

// What the dialog does after showing the message of a refusal.
enum class RainfallFollowUp {
    None,
    ChooseFormulaOne,  // no formula was chosen: ① is chosen for the engineer
    ShowChannelDialog, // the river-channel entries are missing or unusable
};

struct RainfallOutcome {
    bool accepted = false;
    std::string message; // of the first failed check
    RainfallEntry focus = RainfallEntry::None;
    RainfallFollowUp followUp = RainfallFollowUp::None;
    double intensity = 0.0; // I, when accepted
};

// The OK of the rainfall dialog: stores the entries first (so they reach the
// record even when a check fails), checks them in their fixed order, refuses
// entries for which a formula is undefined, then stores t2, t and I.
RainfallOutcome confirmRainfall(DesignCase& record, const RainfallEntries& entries);

// -------------------------------------------------- flow time by river channel

struct ChannelEntries {
    ChannelDevelopment development = ChannelDevelopment::None;
    std::string length; // txt1, km
    std::string slope;  // txt2
};

enum class ChannelEntry { None, Development, Length, Slope }; // opt1, txt1, txt2

struct ChannelOutcome {
    bool accepted = false;
    std::string message;
    ChannelEntry focus = ChannelEntry::None;
};

// The OK of the river-channel dialog: the choice and both entries are
// required, and the slope must give a defined flow time. Nothing is stored;
// the rainfall dialog computes t2 at its own OK.
ChannelOutcome confirmChannel(const ChannelEntries& entries);

// ------------------------------------------------------ inlet time by Kerby

struct InletTimeEntries {
    std::string slopeLength;   // txt1, m
    std::string slopeGradient; // txt2, per mille
    std::string retardance;    // txt3
};

enum class InletTimeEntry { None, SlopeLength, SlopeGradient, Retardance };

struct InletTimeOutcome {
    bool accepted = false;
    std::string message;
    InletTimeEntry focus = InletTimeEntry::None;
    double inletTime = 0.0; // t1, when accepted
};

// The OK of the inlet-time dialog: stores L, S and n, checks them and stores t1.
InletTimeOutcome confirmInletTime(DesignCase& record, const InletTimeEntries& entries);

// ------------------------------------------- runoff coefficient by weighted average

struct LandUseRow {
    std::string name;        // txt_tN
    std::string coefficient; // txt_cN
    std::string area;        // txt_aN, m2
};
using LandUseRows = std::array<LandUseRow, 6>;

// Ryusyutu_1: the six rows into the record.
void storeLandUseRows(DesignCase& record, const LandUseRows& rows);

// A = ΣAi and C = Σ(Ci·Ai) / A over the six rows of the record, summed in row
// order; nothing when C or A is undefined (a total area of 0).
struct WeightedRunoff {
    double area = 0.0;        // A
    double coefficient = 0.0; // C
};
std::optional<WeightedRunoff> weightedRunoff(const DesignCase& record);

// Ryusyutu_2's arithmetic: stores A and C when both are defined.
std::optional<WeightedRunoff> storeWeightedRunoff(DesignCase& record);

enum class RunoffEntry { None, Name1, Coefficient1, Area1 }; // txt_t1, txt_c1, txt_a1

struct RunoffOutcome {
    bool accepted = false;
    std::string message;
    RunoffEntry focus = RunoffEntry::None;
    WeightedRunoff result; // when accepted
};

// The OK of the weighted-average dialog: stores the rows first, checks row 1,
// refuses a total area that leaves C undefined, then stores A and C.
RunoffOutcome confirmRunoff(DesignCase& record, const LandUseRows& rows);

} // namespace akuenza
