#pragma once
// Section 3 of the facility sheet: the soil, the influence coefficient and
// one block per printed facility row, walking the facility family tables in
// the order of the total.

#include "core/report/sheet_builder.h"

namespace akuenza::sheet_detail {

void facilitySection(SheetBuilder& b, const DesignCase& r, const SheetChoices& c);

} // namespace akuenza::sheet_detail
