#pragma once
// The dimension dialog of each facility family, reached by the family's
// selector (N of chkN on the design conditions form): created hidden on
// first reference, shown in the dialog place to the right of the design
// conditions form, hidden keeping its entries, or discarded.

#include "forms/facilities/facility_dialog.h"

namespace akuenza {

// The dialog of a family, created hidden on first reference.
FacilityDialog& dialogOf(App& app, int selector);
// The dialog of a family if it is loaded.
FacilityDialog* loadedDialogOf(App& app, int selector);
void unloadDialogOf(App& app, int selector);
// Shows the family's dialog in the dialog place and hides the other ones,
// which keep their entries.
FacilityDialog& showOnlyDialogOf(App& app, int selector);

} // namespace akuenza
