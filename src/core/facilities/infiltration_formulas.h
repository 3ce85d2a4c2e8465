#pragma once
// The empirical formulas of the infiltration facilities, as pure functions.
// Every polynomial is evaluated in double precision term by term from left
// to right as written in the method; nothing is rounded here.

#include <optional>

namespace akuenza {

// Coefficients a, b (and c for basins infiltrating through sides and bottom
// at small sizes) and the specific infiltration rate Kf computed from them.
struct KfCoefficients {
    double a = 0.0;
    double b = 0.0;
    std::optional<double> c; // only written where the method has a c term
    double Kf = 0.0;
};

// Basic infiltration rate Qf = Kf x (36 x Ko), design rate Q = Qf x C and
// infiltration volume Fc = Q x quantity (pieces, metres or square metres).
struct InfiltrationRates {
    double Qf = 0.0;
    double Q = 0.0;
    double Fc = 0.0;
};

// Factor that turns a conductivity in cm/sec into m/hr: 10^-2 x 3600.
double conductivityFactor();

InfiltrationRates infiltrationRates(double Kf, double Ko, double influenceC, double quantity);

// Square crushed-stone basin of width W and height H.
KfCoefficients squareSidesAndBottom(double W, double H);
KfCoefficients squareBottomOnly(double W, double H);

// Rectangular crushed-stone basin (sides and bottom) of width W, length L, height H.
KfCoefficients rectangularBasin(double W, double L, double H);

// Circular crushed-stone basin of diameter D and height H.
KfCoefficients circularSidesAndBottom(double D, double H);
KfCoefficients circularBottomOnly(double D, double H);

// Infiltration side ditch and infiltration pipe (trench), per metre.
KfCoefficients linearFacility(double W, double H);

// Permeable pavement and infiltration pond, per square metre.
KfCoefficients areaFacility(double H);

// Rainwater suction tank (infiltration well).
struct WellInputs {
    double D = 0.0;  // well diameter, m
    double n = 0.0;  // number of wells
    double A = 0.0;  // countermeasure area, m2
    double C = 0.0;  // runoff coefficient
    double Ko = 0.0; // soil conductivity, cm/sec
};
struct WellResult {
    double bottomArea = 0.0;   // a'
    double areaAi = 0.0;       // ai
    double infiltrationS = 0.0;
    double ratioY = 0.0;
    double termX = 0.0;
    double criticalTimeTo = 0.0;
    double volumeV = 0.0;      // V(to)
    double effectiveDepthH = 0.0;
};
// Inflow term Q = (A x 10^-4) x 60 x C / 360, A in m2 taken as ha.
double wellInflowQ(double A, double C);
// The rest of the method, given Q.
WellResult wellDepth(const WellInputs& in, double inflowQ);

} // namespace akuenza
