#pragma once
// The project file's lines and the input windows: each line names a window
// and a control by its designed name; this finds the control (creating the
// window in its design state when it is not loaded), reads its value, and
// assigns a value read from a file so that the control's reaction runs
// exactly as on the engineer's change.

#include "core/project/project_file.h"

#include <QString>

class QWidget;

namespace akuenza {

class App;

// The window a line belongs to, created hidden if it is not loaded.
QWidget* projectWindow(App& app, std::string_view window);
// The control a line belongs to; nullptr only for a record field.
QWidget* projectControl(App& app, const ProjectItem& item);

// The value the control holds now.
ControlValue valueOf(const QWidget* control, LineKind kind);
// Sets the value; a value the control already has runs nothing.
void assign(QWidget* control, LineKind kind, const ControlValue& value);

// The window's title and the control's name, for a message naming them.
QString describe(App& app, const ProjectItem& item);

} // namespace akuenza
