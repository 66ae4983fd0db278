// The column drawn as a pupil writes it in an exercise book: squared paper with faint lines,
// one digit a cell, the corner and the lines under the products in ink, and the cells of the
// answer being asked for marked.
#pragma once

#include "gdi_objects.h"
#include "practice/grid.h"

#include <windows.h>

#include <string>

namespace velmorand {

// The practice window's lettering: the face Windows uses for its messages, at a height in
// pixels.
Font WritingFont(int pixelHeight, bool bold);

// Draws the column into the box, its cells as large as the box allows up to mostCell pixels,
// with the answer line written under it, and the focus mark when the control has the focus.
void DrawColumn(HDC dc, const RECT& box, const Grid& grid, const std::wstring& answerLine,
                int mostCell, int dotsPerInch, bool focused);

} // namespace velmorand
