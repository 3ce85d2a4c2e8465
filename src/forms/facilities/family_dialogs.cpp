#include "forms/facilities/family_dialogs.h"

#include "forms/facilities/circular_basin_dialog.h"
#include "forms/facilities/ditch_pipe_dialog.h"
#include "forms/facilities/infiltration_well_dialog.h"
#include "forms/facilities/pavement_pond_dialog.h"
#include "forms/facilities/rect_basin_dialog.h"
#include "forms/facilities/square_basin_dialog.h"
#include "forms/base/window_places.h"

#include <typeindex>

namespace akuenza {

namespace {

struct DialogType {
    std::type_index type;
    FacilityDialog& (*load)(App&);
};

template <class F>
DialogType typeOf()
{
    return {typeid(F), [](App& app) -> FacilityDialog& { return app.form<F>(); }};
}

// By selector: chk1 square, chk2 rectangular, chk3 circular, chk4 ditch and
// pipe, chk5 pavement and pond, chk6 the well.
const DialogType& dialogType(int selector)
{
    static const DialogType types[kFamilyCount] = {typeOf<Form2>(),  typeOf<Form5>(),  typeOf<Form6>(),
                                                   typeOf<Form14>(), typeOf<Form15>(), typeOf<Form18>()};
    return types[selector - 1];
}

} // namespace

FacilityDialog& dialogOf(App& app, int selector) { return dialogType(selector).load(app); }

FacilityDialog* loadedDialogOf(App& app, int selector)
{
    return static_cast<FacilityDialog*>(app.loadedForm(dialogType(selector).type));
}

void unloadDialogOf(App& app, int selector) { app.unloadForm(dialogType(selector).type); }

FacilityDialog& showOnlyDialogOf(App& app, int selector)
{
    for (int other = 1; other <= kFamilyCount; ++other)
        if (other != selector) {
            dialogOf(app, other);
            app.hideForm(dialogType(other).type);
        }
    FacilityDialog& dialog = dialogOf(app, selector);
    app.place(&dialog, kFacilityDialogLeft, 0);
    return dialog;
}

} // namespace akuenza
