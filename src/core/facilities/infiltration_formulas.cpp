#include "core/facilities/infiltration_formulas.h"

#include <cmath>

namespace akuenza {

double conductivityFactor() { return std::pow(10.0, -2) * 3600.0; }

InfiltrationRates infiltrationRates(double Kf, double Ko, double influenceC, double quantity)
{
    InfiltrationRates r;
    r.Qf = Kf * (conductivityFactor() * Ko);
    r.Q = r.Qf * influenceC;
    r.Fc = r.Q * quantity;
    return r;
}

namespace {
double sq(double x) { return std::pow(x, 2); }

KfCoefficients linearInH(double a, double b, double H)
{
    KfCoefficients k;
    k.a = a;
    k.b = b;
    k.Kf = k.a * H + k.b;
    return k;
}
} // namespace

KfCoefficients squareSidesAndBottom(double W, double H)
{
    if (W <= 1.0) {
        KfCoefficients k;
        k.a = 0.120 * W + 0.985;
        k.b = 7.837 * W + 0.820;
        k.c = 2.858 * W - 0.283;
        k.Kf = k.a * sq(H) + k.b * H + *k.c;
        return k;
    }
    if (W <= 10.0)
        return linearInH(-0.453 * sq(W) + 8.289 * W + 0.753, 1.458 * sq(W) + 1.270 * W + 0.362, H);
    return linearInH(0.747 * W + 21.355, 1.263 * sq(W) + 4.295 * W - 7.649, H);
}

KfCoefficients squareBottomOnly(double W, double H)
{
    if (W <= 1.0)
        return linearInH(1.676 * W - 0.137, 1.496 * sq(W) + 0.671 * W - 0.015, H);
    if (W <= 10.0)
        return linearInH(-0.204 * sq(W) + 3.166 * W - 1.936, 1.345 * sq(W) + 0.736 * W + 0.251, H);
    return linearInH(1.265 * W - 15.670, 1.259 * sq(W) + 2.336 * W - 8.130, H);
}

KfCoefficients rectangularBasin(double W, double L, double H)
{
    const double a = 3.297 * L + (1.971 * W + 4.663);
    const double b = (1.401 * W + 0.684) * L + (1.214 * W - 0.834);
    return linearInH(a, b, H);
}

KfCoefficients circularSidesAndBottom(double D, double H)
{
    if (D <= 1.0) {
        KfCoefficients k;
        k.a = 0.475 * D + 0.945;
        k.b = 6.070 * D + 1.010;
        k.c = 2.570 * D - 0.188;
        k.Kf = k.a * sq(H) + k.b * H + *k.c;
        return k;
    }
    return linearInH(6.244 * D + 2.853, 0.930 * sq(D) + 1.606 * D - 0.773, H);
}

KfCoefficients circularBottomOnly(double D, double H)
{
    if (D <= 1.0)
        return linearInH(1.497 * D - 0.100, 1.130 * sq(D) + 0.638 * D - 0.011, H);
    return linearInH(2.556 * D - 2.052, 0.924 * sq(D) + 0.993 * D - 0.087, H);
}

KfCoefficients linearFacility(double W, double H) { return linearInH(3.093, 1.340 * W + 0.677, H); }

KfCoefficients areaFacility(double H) { return linearInH(0.014, 1.287, H); }

double wellInflowQ(double A, double C) { return (A * std::pow(10.0, -4)) * 60.0 * C / 360.0; }

WellResult wellDepth(const WellInputs& in, double Q)
{
    // Constants of the duration curve 1200 / (t^(2/3) + 5.0); the release
    // intensity P and the allowable release rc are zero in this method.
    constexpr double P = 0.0;
    constexpr double rc = 0.0;
    const double K = 10.0 * in.Ko; // mm/sec

    WellResult r;
    r.bottomArea = 3.14159 * sq(in.D) / 4.0;
    r.areaAi = in.n * r.bottomArea;
    r.infiltrationS = r.areaAi * K * (60.0 / 1000.0);
    r.ratioY = (r.infiltrationS + Q * P) / (1200.0 * Q);
    r.termX = ((0.3333 - 10.0 * r.ratioY) + std::sqrt(13.3335 * r.ratioY + 0.1111)) / (2.0 * r.ratioY);
    r.criticalTimeTo = std::pow(r.termX, 3.0 / 2.0);
    const double to = r.criticalTimeTo;
    r.volumeV = (1200.0 / (std::pow(to, 2.0 / 3.0) + 5.0) - rc / 2.0) * (in.A * std::pow(10.0, -4)) * 60.0 * to *
                    in.C / 360.0 -
                to * r.areaAi * K * (60.0 / 1000.0);
    r.effectiveDepthH = r.volumeV / r.areaAi;
    return r;
}

} // namespace akuenza
