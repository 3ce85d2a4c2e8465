#pragma once
// What the windows of a case hold, read into the core's inputs: the entries
// of a run, the choices the calculation sheet follows, and the value of each
// project-file line. The one place that reads the windows' states; the run,
// the sheet and the project writer start from what it gives.

#include "core/facilities/calculation_run.h"
#include "core/project/project_file.h"
#include "core/report/calculation_sheet.h"
#include "forms/base/application.h"

#include <vector>

namespace akuenza {

// Every window of a case by its designed name, for App's lookup by name.
std::vector<NamedWindow> designedWindows();

// What the design conditions form holds.
ConditionEntries conditionEntries(App& app);
// What the design conditions form and the loaded facility dialogs hold.
RunEntries runEntries(App& app);
// What the sheet reads of the windows. A window that is not loaded is read
// in its design state, as if it were created for the purpose.
SheetChoices sheetChoices(App& app);

// The value a control holds now, as a project-file line of that kind keeps it.
ControlValue valueOf(const QWidget* control, LineKind kind);
// The control a project-file line belongs to (its window created when not
// loaded); nullptr only for a record field.
QWidget* projectControl(App& app, const ProjectItem& item);
// The value a project-file line takes from the windows now.
ControlValue projectValue(App& app, const ProjectItem& item);

} // namespace akuenza
