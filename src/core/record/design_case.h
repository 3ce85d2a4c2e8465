#pragma once
// The design case record: the one shared store of the open design case.
// The dialogs keep the engineer's entries in their own text boxes; this
// record holds the numbers taken from those boxes and everything computed
// from them. Fields are declared in a fixed order (inputs, then
// coefficients, then results) and are assigned and read directly.

#include <string>

namespace akuenza {

// A numeric field of the case. It starts empty and an empty field reads as 0
// in every computation; the project file still needs to tell "never set"
// from 0, so the field remembers whether it was ever assigned.
class CaseNumber {
public:
    constexpr CaseNumber() = default;
    constexpr CaseNumber& operator=(double v)
    {
        value_ = v;
        set_ = true;
        return *this;
    }
    constexpr operator double() const { return set_ ? value_ : 0.0; }
    constexpr bool isSet() const { return set_; }
    constexpr void clear()
    {
        value_ = 0.0;
        set_ = false;
    }

private:
    double value_ = 0.0;
    bool set_ = false;
};

struct DesignCase {
    // ---- Design conditions and results of the whole case ----
    CaseNumber runoffCoefficientC;
    CaseNumber rainfallIntensityI;
    CaseNumber countermeasureAreaA;
    CaseNumber countermeasureRainwaterQ1;
    CaseNumber volumeIncreasePercent;
    CaseNumber influenceCoefficientC;
    CaseNumber soilConductivityKo;
    CaseNumber totalInfiltrationFc;
    std::string soilName;

    // ---- Square crushed-stone basin: 11/12 sides and bottom, 21/22 bottom only ----
    CaseNumber square11W, square11H, square11N;
    CaseNumber square12W, square12H, square12N;
    CaseNumber square21W, square21H, square21N;
    CaseNumber square22W, square22H, square22N;
    CaseNumber square11a, square11b, square11c;
    CaseNumber square12a, square12b, square12c;
    CaseNumber square21a, square21b;
    CaseNumber square22a, square22b;
    CaseNumber square11Kf, square12Kf, square21Kf, square22Kf;
    CaseNumber square11Qf, square12Qf, square21Qf, square22Qf;
    CaseNumber square11Q, square12Q, square21Q, square22Q;
    CaseNumber square11Fc, square12Fc, square21Fc, square22Fc;

    // ---- Rectangular crushed-stone basin, types 1 and 2 ----
    CaseNumber rect1W, rect1L, rect1H, rect1N;
    CaseNumber rect2W, rect2L, rect2H, rect2N;
    CaseNumber rect1a, rect1b;
    CaseNumber rect2a, rect2b;
    CaseNumber rect1Kf, rect2Kf;
    CaseNumber rect1Qf, rect2Qf;
    CaseNumber rect1Q, rect2Q;
    CaseNumber rect1Fc, rect2Fc;

    // ---- Circular crushed-stone basin: 11/12 sides and bottom, 21/22 bottom only ----
    CaseNumber circular11D, circular11H, circular11N;
    CaseNumber circular12D, circular12H, circular12N;
    CaseNumber circular21D, circular21H, circular21N;
    CaseNumber circular22D, circular22H, circular22N;
    CaseNumber circular11a, circular11b, circular11c;
    CaseNumber circular12a, circular12b, circular12c;
    CaseNumber circular21a, circular21b;
    CaseNumber circular22a, circular22b;
    CaseNumber circular11Kf, circular12Kf, circular21Kf, circular22Kf;
    CaseNumber circular11Qf, circular12Qf, circular21Qf, circular22Qf;
    CaseNumber circular11Q, circular12Q, circular21Q, circular22Q;
    CaseNumber circular11Fc, circular12Fc, circular21Fc, circular22Fc;

    // ---- Infiltration side ditch, types 1 and 2 (per metre) ----
    CaseNumber ditch1W, ditch1H, ditch1L;
    CaseNumber ditch2W, ditch2H, ditch2L;
    CaseNumber ditch1a, ditch1b;
    CaseNumber ditch2a, ditch2b;
    CaseNumber ditch1Kf, ditch2Kf;
    CaseNumber ditch1Qf, ditch2Qf;
    CaseNumber ditch1Q, ditch2Q;
    CaseNumber ditch1Fc, ditch2Fc;

    // ---- Infiltration pipe (trench), types 1 and 2 (per metre) ----
    CaseNumber pipe1W, pipe1H, pipe1L;
    CaseNumber pipe2W, pipe2H, pipe2L;
    CaseNumber pipe1a, pipe1b;
    CaseNumber pipe2a, pipe2b;
    CaseNumber pipe1Kf, pipe2Kf;
    CaseNumber pipe1Qf, pipe2Qf;
    CaseNumber pipe1Q, pipe2Q;
    CaseNumber pipe1Fc, pipe2Fc;

    // ---- Permeable pavement (per m2) ----
    CaseNumber pavementH, pavementS;
    CaseNumber pavementCoefA, pavementCoefB;
    CaseNumber pavementKf;
    CaseNumber pavementQf;
    CaseNumber pavementQ;
    CaseNumber pavementFc;

    // ---- Infiltration pond (per m2) ----
    CaseNumber pondH, pondS;
    CaseNumber pondCoefA, pondCoefB;
    CaseNumber pondKf;
    CaseNumber pondQf;
    CaseNumber pondQ;
    CaseNumber pondFc;

    // ---- Infiltration well (rainwater suction tank) ----
    CaseNumber wellDiameterD;
    CaseNumber wellDiameterD2;
    CaseNumber wellDepthH;
    CaseNumber wellDepthH2;
    CaseNumber wellCountN;
    CaseNumber wellCountN2;
    CaseNumber wellBottomArea;
    CaseNumber wellAreaAi;
    CaseNumber wellInfiltrationS;
    CaseNumber wellInflowQ;
    CaseNumber wellRatioY;
    CaseNumber wellTermX;
    CaseNumber wellCriticalTimeTo;
    CaseNumber wellVolumeV;
    CaseNumber wellEffectiveDepthH;

    // ---- Rainfall intensity and arrival time ----
    CaseNumber rainConstantA, rainConstantB, rainConstantC, rainConstantD;
    CaseNumber arrivalTimeT;
    CaseNumber inletTimeT1;
    CaseNumber flowTimeT2;
    CaseNumber drainLengthL;
    CaseNumber flowVelocityV;
    CaseNumber slopeLengthL;
    CaseNumber slopeGradientS;
    CaseNumber retardanceN;

    // ---- Runoff coefficient rows ----
    std::string landUseName1, landUseName2, landUseName3, landUseName4, landUseName5, landUseName6;
    CaseNumber landUseC1, landUseC2, landUseC3, landUseC4, landUseC5, landUseC6;
    CaseNumber landUseA1, landUseA2, landUseA3, landUseA4, landUseA5, landUseA6;

    // ---- Flow time by river channel ----
    CaseNumber channelLengthL;
    CaseNumber channelSlopeI;
};

using CaseField = CaseNumber DesignCase::*;

} // namespace akuenza
