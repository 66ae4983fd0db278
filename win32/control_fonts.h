// The controls' fonts at a screen's density, in the face the window's description asks for.
#pragma once

#include "gdi_objects.h"
#include "window/form1_layout.h"

#include <string>

namespace velmorand {

// A font of the given size at the given dots per inch. The fields' 12-point font is the one
// of ColumnFontHeight, so that the column lines up.
Font MakeControlFont(const ControlFont& font, int dotsPerInch);

// The character height in pixels nearest the described 12 points at which two spaces are
// exactly as wide as one digit: each step of the column is moved two spaces to the right and
// must stand one digit further along.
int ColumnFontHeight(int dotsPerInch);

// Whether two spaces are one digit wide, and twelve spaces six digits, in this font.
bool KeepsTheColumn(HFONT font);

// The face a font came out as, after the system's substitutions.
std::wstring RealizedFace(HFONT font);

} // namespace velmorand
