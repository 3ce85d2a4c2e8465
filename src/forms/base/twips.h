#pragma once
// Window and control positions are designed in twips (1/1440 inch); this
// converts them to pixels with the screen's logical resolution.

#include <QRect>

class QWidget;

namespace akuenza {

int twipsToPixels(int twips);
QRect twipsRect(int left, int top, int width, int height);
// Places a widget at a position and size given in twips within its parent.
void placeTwips(QWidget* widget, int left, int top, int width, int height);

} // namespace akuenza
