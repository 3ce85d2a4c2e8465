#pragma once
// The project file's lines and the input windows: each line names a window
// and a control by its designed name (found through App's lookup by name,
// read through the windows' snapshot); this assigns a value read from a file
// so that the control's reaction runs exactly as on the engineer's change,
// and names a box as the engineer reads it.

#include "core/project/project_file.h"
#include "forms/facilities/window_snapshot.h"

#include <QString>

class QWidget;

namespace akuenza {

class App;

// Sets the value; a value the control already has runs nothing.
void assign(QWidget* control, LineKind kind, const ControlValue& value);

// A window and a box as the engineer reads them on screen, for messages
// that send him to the box: 「設計条件」の「土質の名称」.
QString describe(App& app, const ProjectItem& item);
// The window's name as its heading or its check box on the design
// conditions form gives it ("設計条件", "正方形砕石層").
QString windowCaption(std::string_view window);
// The caption beside the box ("土質の名称", "側面及び底面 ① 巾 Ｗ").
QString boxCaption(App& app, std::string_view window, std::string_view control);

} // namespace akuenza
