#pragma once
// Every field of the design case record by name, for tests that require two
// records to be the same field by field. A field added to the record without
// being listed here stops the build.

#include "core/record/design_case.h"

#include <array>
#include <string>

namespace akuenza::test {

struct NamedNumber {
    const char* name;
    CaseField field;
};

struct NamedText {
    const char* name;
    std::string DesignCase::*field;
};

#define F(name) NamedNumber{#name, &DesignCase::name}
inline constexpr std::array kRecordNumbers = {
    F(runoffCoefficientC), F(rainfallIntensityI), F(countermeasureAreaA), F(countermeasureRainwaterQ1),
    F(volumeIncreasePercent), F(influenceCoefficientC), F(soilConductivityKo), F(totalInfiltrationFc),
    F(square11W), F(square11H), F(square11N), F(square12W), F(square12H), F(square12N), F(square21W),
    F(square21H), F(square21N), F(square22W), F(square22H), F(square22N), F(square11a), F(square11b),
    F(square11c), F(square12a), F(square12b), F(square12c), F(square21a), F(square21b), F(square22a),
    F(square22b), F(square11Kf), F(square12Kf), F(square21Kf), F(square22Kf), F(square11Qf), F(square12Qf),
    F(square21Qf), F(square22Qf), F(square11Q), F(square12Q), F(square21Q), F(square22Q), F(square11Fc),
    F(square12Fc), F(square21Fc), F(square22Fc), F(rect1W), F(rect1L), F(rect1H), F(rect1N), F(rect2W),
    F(rect2L), F(rect2H), F(rect2N), F(rect1a), F(rect1b), F(rect2a), F(rect2b), F(rect1Kf), F(rect2Kf),
    F(rect1Qf), F(rect2Qf), F(rect1Q), F(rect2Q), F(rect1Fc), F(rect2Fc), F(circular11D), F(circular11H),
    F(circular11N), F(circular12D), F(circular12H), F(circular12N), F(circular21D), F(circular21H),
    F(circular21N), F(circular22D), F(circular22H), F(circular22N), F(circular11a), F(circular11b),
    F(circular11c), F(circular12a), F(circular12b), F(circular12c), F(circular21a), F(circular21b),
    F(circular22a), F(circular22b), F(circular11Kf), F(circular12Kf), F(circular21Kf), F(circular22Kf),
    F(circular11Qf), F(circular12Qf), F(circular21Qf), F(circular22Qf), F(circular11Q), F(circular12Q),
    F(circular21Q), F(circular22Q), F(circular11Fc), F(circular12Fc), F(circular21Fc), F(circular22Fc),
    F(ditch1W), F(ditch1H), F(ditch1L), F(ditch2W), F(ditch2H), F(ditch2L), F(ditch1a), F(ditch1b), F(ditch2a),
    F(ditch2b), F(ditch1Kf), F(ditch2Kf), F(ditch1Qf), F(ditch2Qf), F(ditch1Q), F(ditch2Q), F(ditch1Fc),
    F(ditch2Fc), F(pipe1W), F(pipe1H), F(pipe1L), F(pipe2W), F(pipe2H), F(pipe2L), F(pipe1a), F(pipe1b),
    F(pipe2a), F(pipe2b), F(pipe1Kf), F(pipe2Kf), F(pipe1Qf), F(pipe2Qf), F(pipe1Q), F(pipe2Q), F(pipe1Fc),
    F(pipe2Fc), F(pavementH), F(pavementS), F(pavementCoefA), F(pavementCoefB), F(pavementKf), F(pavementQf),
    F(pavementQ), F(pavementFc), F(pondH), F(pondS), F(pondCoefA), F(pondCoefB), F(pondKf), F(pondQf),
    F(pondQ), F(pondFc), F(wellDiameterD), F(wellDiameterD2), F(wellDepthH), F(wellDepthH2), F(wellCountN),
    F(wellCountN2), F(wellBottomArea), F(wellAreaAi), F(wellInfiltrationS), F(wellInflowQ), F(wellRatioY),
    F(wellTermX), F(wellCriticalTimeTo), F(wellVolumeV), F(wellEffectiveDepthH), F(rainConstantA),
    F(rainConstantB), F(rainConstantC), F(rainConstantD), F(arrivalTimeT), F(inletTimeT1), F(flowTimeT2),
    F(drainLengthL), F(flowVelocityV), F(slopeLengthL), F(slopeGradientS), F(retardanceN), F(landUseC1),
    F(landUseC2), F(landUseC3), F(landUseC4), F(landUseC5), F(landUseC6), F(landUseA1), F(landUseA2),
    F(landUseA3), F(landUseA4), F(landUseA5), F(landUseA6), F(channelLengthL), F(channelSlopeI),
};
#undef F

#define T(name) NamedText{#name, &DesignCase::name}
inline constexpr std::array kRecordTexts = {
    T(soilName),     T(landUseName1), T(landUseName2), T(landUseName3),
    T(landUseName4), T(landUseName5), T(landUseName6),
};
#undef T

static_assert(sizeof(DesignCase) ==
                  kRecordNumbers.size() * sizeof(CaseNumber) + kRecordTexts.size() * sizeof(std::string),
              "a field of the design case record is missing from the lists above");

} // namespace akuenza::test
