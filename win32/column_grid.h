// The column drawn as a pupil writes it in an exercise book: the shapes of the column on
// squared paper, in the practice window's colours.
#pragma once

#include "gdi_objects.h"
#include "practice/grid.h"

#include <windows.h>

namespace velmorand {

// The practice window's lettering: the face Windows uses for its messages, at a height in
// pixels.
Font WritingFont(int pixelHeight, bool bold);

// Draws the column into the box from its top left corner, `cellPixels` a cell, on paper ruled
// over the whole box, with the focus mark when the control has the focus.
void DrawColumn(HDC dc, const RECT& box, const Grid& grid, int cellPixels, int dotsPerInch,
                bool focused);

} // namespace velmorand
