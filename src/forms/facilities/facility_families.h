#pragma once
// The facility families of a design case, in the fixed order in which the
// calculation run visits them: each is selected by one check box of the
// design conditions form (chk1 ... chk6) and has one dimension dialog.

#include "forms/facilities/facility_dialog.h"

#include <vector>

namespace akuenza {

struct FacilityFamily {
    int selector;                    // N of chkN / cmdN on the design conditions form
    std::vector<CaseField> fcFields; // infiltration volumes of its kinds; empty for the well
    FacilityDialog& (*load)(App&);   // the dialog, created hidden on first reference
    FacilityDialog* (*loaded)(App&); // the dialog if it is loaded
    void (*unload)(App&);
    void (*hide)(App&);
    FacilityDialog& (*show)(App&);   // placed to the right of the design conditions form
};

const std::vector<FacilityFamily>& facilityFamilies();
// The family selected by chkN; nullptr for a number without a family.
const FacilityFamily* facilityFamily(int selector);

// Shows the family's dialog in the dialog place and hides the other ones,
// which keep their entries.
FacilityDialog& showOnlyDialogOf(App& app, const FacilityFamily& family);

} // namespace akuenza
