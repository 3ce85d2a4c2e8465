#pragma once
// Reads what the X server holds as a window's title, the text the window
// manager shows in the title bar (_NET_WM_NAME, UTF-8).

#include <string>

// "" when there is no X display or the window has no such title.
std::string xWindowTitle(unsigned long window);
