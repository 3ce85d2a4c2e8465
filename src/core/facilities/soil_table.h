#pragma once
// The soil table: the seven soils of the design conditions form's list, in
// list order, with the saturated hydraulic conductivity Ko the calculation
// run applies and the texts the reference window shows beside them.

#include <array>

namespace akuenza {

struct Soil {
    const char* name;
    double conductivityKo;          // cm/sec, as the calculation run applies it
    const char* grainSize;          // mm, as the reference window shows it
    const char* conductivityText;   // cm/sec, as the reference window shows it
};

inline constexpr std::array<Soil, 7> kSoils = {{
    {"粘土", 0.000003, "0～0.01", "3X10^-6"},
    {"シルト", 0.00045, "0.01～0.05", "4.5X10^-4"},
    {"微細砂", 0.0035, "0.05～0.10", "3.5X10^-3"},
    {"細砂", 0.015, "0.10～0.25", "0.015"},
    {"中砂", 0.085, "0.25～0.50", "0.085"},
    {"粗砂", 0.35, "0.50～1.0", "0.35"},
    {"小砂利", 3, "1.0～5.0", "3.0"},
}};

// The soil a new case starts with (list index 3, 細砂).
inline constexpr int kDefaultSoilIndex = 3;

} // namespace akuenza
