// Small pieces the Qt windows share: the program's icon, the practice windows' look, a control
// of the practice window found by its name, the descriptions' words, colours and rectangles in
// Qt's types, and a file named in a message.
#pragma once

#include "window/form1_layout.h"
#include "window/practice_layout.h"

#include <QColor>
#include <QIcon>
#include <QRect>
#include <QString>

class QWidget;

namespace velmorand {

// The program's icon at every size it is drawn in.
QIcon ProgramIcon();

// The practice window's and the class journal's icon, panel and text colours and face.
void UsePracticeLook(QWidget& window);

// Whether the control is the one of that name in the practice layout.
bool Named(const PracticeControl& control, const char* name);

QColor ColourOf(Rgb colour);
QRect RectOf(const PixelRect& rect);
// A text of the descriptions, which are UTF-8.
inline QString Words(const char* words) { return QString::fromUtf8(words); }
// A file's path as a message names it before saying what went wrong: «path»: .
QString QuotedPath(const QString& path);

} // namespace velmorand
