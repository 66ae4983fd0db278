// The column drawn as a pupil writes it in an exercise book: squared paper with faint lines,
// one digit a cell, the corner, the minus signs and the lines under the products in ink, and
// the cells of the answer being asked for marked.
#pragma once

#include "gdi_objects.h"
#include "practice/grid.h"

#include <windows.h>

namespace velmorand {

// The practice window's lettering: the face Windows uses for its messages, at a height in
// pixels.
Font WritingFont(int pixelHeight, bool bold);

// Draws the column into the box, its cells as large as the box allows up to mostCell pixels,
// with the focus mark when the control has the focus.
void DrawColumn(HDC dc, const RECT& box, const Grid& grid, int mostCell, int dotsPerInch,
                bool focused);

} // namespace velmorand
