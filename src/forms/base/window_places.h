#pragma once
// Where the windows of a case stand in the main window's work area, in
// twips: the design conditions form at the top left, the facility dialog
// to its right, the results form below it.

namespace akuenza {

inline constexpr int kFacilityDialogLeft = 6165;
inline constexpr int kResultsFormTop = 5115;

} // namespace akuenza
