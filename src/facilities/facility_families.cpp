#include "facilities/facility_families.h"

#include "facilities/square_basin_dialog.h"
#include "shell/window_places.h"

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
