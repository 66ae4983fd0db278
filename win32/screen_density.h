// Dots per inch of the screen a window is on. Windows 10 tells each window its own; Windows 7
// and 8 have one for the whole system, which is what the program falls back to there.
#pragma once

#include <windows.h>

namespace velmorand {

int WindowDpi(HWND window);

// AdjustWindowRectEx at the given density, where Windows can do it for a density.
void AdjustWindowRectForDpi(RECT& rect, DWORD style, DWORD exStyle, int dotsPerInch);

} // namespace velmorand
