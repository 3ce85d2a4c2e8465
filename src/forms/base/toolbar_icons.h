#pragma once
// The main window's toolbar pictures and the program's own icon, drawn as
// vector pictures at the sizes the toolbar and the window frame ask for.

#include <QIcon>

class QPainter;

namespace akuenza {

// Toolbar buttons by their position on the bar: 1 new, 2 open, 3 overwrite
// save, 5 print image, 6 print. Position 4 is the separator and has no
// picture; it and any other position give a null icon.
QIcon toolbarIcon(int index);

// The program's icon: a raindrop soaking into the ground's strata.
QIcon programIcon();

// The same picture drawn into a 32 x 32 box of any painter; the installed
// icon files (SVG and PNG) are made from it.
void drawProgramIcon(QPainter& painter);

} // namespace akuenza
