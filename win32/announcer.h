// Announcements of what changed away from the focus, for screen readers.
#pragma once

#include <windows.h>

#include <array>
#include <string>

namespace velmorand {

// Says a text without moving the focus: an alert that NVDA and JAWS read, and UI Automation's
// notification for Narrator where Windows has it (Windows 10 1709 and later).
class Announcer {
public:
    void Say(HWND window, std::wstring text);
    // An alert object, when the window's WM_GETOBJECT asks for one; otherwise 0.
    LRESULT Answer(WPARAM w, LPARAM l) const;

private:
    // Each announcement has an object of its own, so that a screen reader that reads it late,
    // after the next one, still gets its text. Their object ids go round.
    std::array<std::wstring, 16> texts_;
    std::size_t said_ = 0;
    HWND window_ = nullptr;
};

} // namespace velmorand
