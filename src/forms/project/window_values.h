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

// A window and a box as the engineer reads them on screen, for messages
// that send him to the box: 「設計条件」の「土質の名称」.
QString describe(App& app, const ProjectItem& item);
// The window's name as its heading or its check box on the design
// conditions form gives it ("設計条件", "正方形砕石層").
QString windowCaption(std::string_view window);
// The caption beside the box ("土質の名称", "側面及び底面 ① 巾 Ｗ").
QString boxCaption(App& app, std::string_view window, std::string_view control);

} // namespace akuenza
