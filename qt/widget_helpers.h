// Small pieces both Qt windows use: the program's icon, a control of the practice window
// found by its name, and the window descriptions' colours and rectangles in Qt's types.
#pragma once

#include "window/form1_layout.h"
#include "window/practice_layout.h"

#include <QColor>
#include <QIcon>
#include <QRect>

namespace velmorand {

// The program's icon at every size it is drawn in.
QIcon ProgramIcon();

// Whether the control is the one of that name in the practice layout.
bool Named(const PracticeControl& control, const char* name);

QColor ColourOf(Rgb colour);
QRect RectOf(const PixelRect& rect);

} // namespace velmorand
