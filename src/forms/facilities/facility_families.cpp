#include "forms/facilities/facility_families.h"

#include "forms/facilities/circular_basin_dialog.h"
#include "forms/facilities/ditch_pipe_dialog.h"
#include "forms/facilities/infiltration_well_dialog.h"
#include "forms/facilities/pavement_pond_dialog.h"
#include "forms/facilities/rect_basin_dialog.h"
#include "forms/facilities/square_basin_dialog.h"
#include "forms/shell/window_places.h"

namespace akuenza {

namespace {

template <class F>
FacilityFamily familyOf(int selector, std::vector<CaseField> fcFields)
{
    return {selector,
            std::move(fcFields),
            [](App& app) -> FacilityDialog& { return app.form<F>(); },
            [](App& app) -> FacilityDialog* { return app.loaded<F>(); },
            [](App& app) { app.unload<F>(); },
            [](App& app) { app.hide<F>(); },
            [](App& app) -> FacilityDialog& { return app.showAt<F>(kFacilityDialogLeft, 0); }};
}

using D = DesignCase;

} // namespace

const std::vector<FacilityFamily>& facilityFamilies()
{
    static const std::vector<FacilityFamily> families = {
        familyOf<Form2>(1, {&D::square11Fc, &D::square12Fc, &D::square21Fc, &D::square22Fc}),
        familyOf<Form5>(2, {&D::rect1Fc, &D::rect2Fc}),
        familyOf<Form6>(3, {&D::circular11Fc, &D::circular12Fc, &D::circular21Fc, &D::circular22Fc}),
        familyOf<Form14>(4, {&D::ditch1Fc, &D::ditch2Fc, &D::pipe1Fc, &D::pipe2Fc}),
        familyOf<Form15>(5, {&D::pavementFc, &D::pondFc}),
        familyOf<Form18>(6, {}),
    };
    return families;
}

const FacilityFamily* facilityFamily(int selector)
{
    for (const FacilityFamily& f : facilityFamilies())
        if (f.selector == selector)
            return &f;
    return nullptr;
}

FacilityDialog& showOnlyDialogOf(App& app, const FacilityFamily& family)
{
    for (const FacilityFamily& other : facilityFamilies())
        if (other.selector != family.selector)
            other.hide(app);
    return family.show(app);
}

} // namespace akuenza
