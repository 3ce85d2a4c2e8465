#pragma once
// Countermeasure rainwater volume, total infiltration and the adequacy
// verdict of a design case.

#include "core/record/design_case.h"

namespace akuenza {

// Q1 = ((C x I) x 10^-3) x A: I in mm/hr, A in m2, Q1 in m3/hr.
double countermeasureQ1(double C, double I, double A);

// Increase factor (p + 100) / 100 for an increase of p percent.
double increaseFactor(double percent);

// Increased Q1' = ((p + 100) x Q1) / 100.
double increasedQ1(double percent, double q1);

// Sum of the sixteen facility infiltration volumes, added in the fixed order
// of the facility families and their kinds.
double totalInfiltration(const DesignCase& record);

// The design is adequate exactly when the (increased) Q1 does not exceed ΣFc.
bool isAdequate(double q1, double totalFc);

} // namespace akuenza
