// A visible mark on an owner-drawn control that has the keyboard focus, which Windows draws
// for its own controls but not for a picture.
#pragma once

#include <windows.h>

namespace velmorand {

// Redraws the control whenever it gains or loses the keyboard focus.
void RedrawOnFocusChange(HWND control);

// A frame just inside the box, in the colour Windows marks selections with, two pixels wide at
// 96 dots per inch.
void DrawFocusMark(HDC dc, const RECT& box, int dotsPerInch);

} // namespace velmorand
