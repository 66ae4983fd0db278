// What the program's two windows share: the class they are registered with, the message loop
// that moves the focus as in a dialog, the announcer a screen reader asks for its alerts, and
// the focus given back to the control the user left when the window comes back.
#pragma once

#include "announcer.h"
#include "gdi_objects.h"

#include <windows.h>

#include <algorithm>
#include <string>

namespace velmorand {

// Where a window opens and how it looks: its class name, background, caption (shown, and as
// a screen reader says it) and styles.
struct WindowSetup {
    const wchar_t* ClassName = nullptr;
    HBRUSH Background = nullptr;
    const char* Caption = nullptr;
    const char* SpokenCaption = nullptr;
    DWORD Style = 0;
    DWORD ExStyle = 0;
    RECT Place{CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
               CW_USEDEFAULT}; // left, top, width, height
};

class WindowBase {
public:
    WindowBase(const WindowBase&) = delete;
    WindowBase& operator=(const WindowBase&) = delete;

protected:
    explicit WindowBase(HINSTANCE instance);
    virtual ~WindowBase() = default;

    // Registers the class, opens the window with the focus in FirstFocus and runs it until it
    // is destroyed; the program's exit status, 1 when the window could not be made.
    int RunWindow(const WindowSetup& setup, int show);

    // The window's own messages; what it does not handle goes to DefWindowProcW.
    virtual LRESULT Handle(UINT message, WPARAM w, LPARAM l) = 0;
    // The control that has the focus when nothing else is remembered.
    virtual HWND FirstFocus() const = 0;

    void Announce(const std::string& text);

    HINSTANCE instance_;
    HWND window_ = nullptr;

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM w, LPARAM l);
    LRESULT Receive(UINT message, WPARAM w, LPARAM l);
    void RememberFocus();
    HWND FocusToRestore() const;

    HWND focus_ = nullptr; // the control to give the focus back to when the window is activated
    Announcer announcer_;
    Icon bigIcon_;
    Icon smallIcon_;
};

// A control's text, as UTF-8.
std::string WindowText(HWND control);

// The control of `controls` (each with its Window) that is that window, or nullptr.
template <typename Controls>
auto ControlOf(Controls& controls, HWND window) -> decltype(&*controls.begin()) {
    const auto found = std::find_if(controls.begin(), controls.end(),
                                    [window](const auto& c) { return c.Window == window; });
    return found == controls.end() ? nullptr : &*found;
}

} // namespace velmorand
