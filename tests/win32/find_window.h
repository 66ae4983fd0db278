// Finding the program's window from another process, as the probes do.
#pragma once

#include <windows.h>

#include <string>

// The whole text of a window or control, through WM_GETTEXT as any process can read it.
std::wstring WindowText(HWND window);

// The first visible top-level window whose title starts with this text, or nullptr.
HWND FindByTitle(const wchar_t* title);
