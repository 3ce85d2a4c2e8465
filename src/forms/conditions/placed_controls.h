#pragma once
// Makers for the hydrology dialogs: each control is created under its
// designed name and placed at its designed position and size in twips.

#include "forms/base/controls.h"
#include "forms/base/twips.h"

namespace akuenza::placed {

inline QLabel* label(QWidget* parent, const char* name, const char* caption, int left, int top, int width,
                     int height = 270)
{
    QLabel* l = makeLabel(parent, name, QString::fromUtf8(caption));
    placeTwips(l, left, top, width, height);
    return l;
}

inline TextBox* numberBox(QWidget* parent, const char* name, int left, int top, int width)
{
    auto* box = new TextBox(parent, name);
    box->setNumberEntry();
    placeTwips(box, left, top, width, 300);
    return box;
}

inline OptionButton* option(QWidget* parent, const char* name, const char* caption, int left, int top,
                            int width)
{
    auto* o = new OptionButton(parent, name, QString::fromUtf8(caption));
    placeTwips(o, left, top, width, 270);
    return o;
}

inline CheckBox* check(QWidget* parent, const char* name, const char* caption, int left, int top, int width)
{
    auto* c = new CheckBox(parent, name, QString::fromUtf8(caption));
    placeTwips(c, left, top, width, 270);
    return c;
}

inline QPushButton* button(QWidget* parent, const char* name, const char* caption, int left, int top,
                           int width, int height = 330)
{
    QPushButton* b = makeButton(parent, name, QString::fromUtf8(caption));
    placeTwips(b, left, top, width, height);
    return b;
}

inline QGroupBox* frame(QWidget* parent, const char* name, const char* caption, int left, int top, int width,
                        int height)
{
    QGroupBox* f = makeFrame(parent, name);
    f->setTitle(QString::fromUtf8(caption));
    placeTwips(f, left, top, width, height);
    return f;
}

// A heading of a dialog: bold and a little larger.
inline QLabel* heading(QWidget* parent, const char* name, const char* caption, int left, int top, int width)
{
    QLabel* l = label(parent, name, caption, left, top, width, 330);
    QFont font = l->font();
    font.setPointSize(11);
    font.setBold(true);
    l->setFont(font);
    return l;
}

} // namespace akuenza::placed
