#include "window_base.h"

#include "accessible_control.h"
#include "resource_ids.h"
#include "utf16.h"

namespace velmorand {
namespace {

Icon LoadProgramIcon(HINSTANCE instance, int sizeMetric) {
    const int size = GetSystemMetrics(sizeMetric);
    return Icon(static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(IDI_VELMORAND), IMAGE_ICON,
                                              size, size, LR_DEFAULTCOLOR)));
}

} // namespace

WindowBase::WindowBase(HINSTANCE instance)
    : instance_(instance), bigIcon_(LoadProgramIcon(instance, SM_CXICON)),
      smallIcon_(LoadProgramIcon(instance, SM_CXSMICON)) {}

int WindowBase::RunWindow(const WindowSetup& setup, int show) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = Procedure;
    windowClass.hInstance = instance_;
    windowClass.hIcon = bigIcon_.get();
    windowClass.hIconSm = smallIcon_.get();
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = setup.Background;
    windowClass.lpszClassName = setup.ClassName;
    if (RegisterClassExW(&windowClass) == 0)
        return 1;

    const std::wstring caption = ToUtf16(setup.Caption);
    const RECT& at = setup.Place;
    CreateWindowExW(setup.ExStyle, setup.ClassName, caption.c_str(), setup.Style, at.left, at.top,
                    at.right, at.bottom, nullptr, nullptr, instance_, this);
    if (window_ == nullptr)
        return 1;
    Exposure named;
    named.Name = setup.SpokenCaption;
    ExposeControl(window_, std::move(named));
    ShowWindow(window_, show);
    SetFocus(FirstFocus());

    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        // Tab, Shift+Tab and the arrow keys move the focus as in a dialog; Enter comes as IDOK.
        if (!IsDialogMessageW(window_, &message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    return static_cast<int>(message.wParam);
}

// The object handed to CreateWindowExW is kept with the window at WM_NCCREATE, and every later
// message goes to it.
LRESULT CALLBACK WindowBase::Procedure(HWND window, UINT message, WPARAM w, LPARAM l) {
    if (message == WM_NCCREATE) {
        auto* self = static_cast<WindowBase*>(reinterpret_cast<CREATESTRUCTW*>(l)->lpCreateParams);
        self->window_ = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<WindowBase*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (self == nullptr)
        return DefWindowProcW(window, message, w, l);
    return self->Receive(message, w, l);
}

LRESULT WindowBase::Receive(UINT message, WPARAM w, LPARAM l) {
    switch (message) {
    case WM_SYSCOMMAND: // minimising the only window deactivates nothing
        if ((w & 0xFFF0) == SC_MINIMIZE)
            RememberFocus();
        break;
    case WM_SETFOCUS: // restored, or activated with no control focused: pass it on
        if (IsIconic(window_) == FALSE)
            SetFocus(FocusToRestore());
        return 0;
    case WM_ACTIVATE: // the focus comes back to where the user left it
        if (LOWORD(w) == WA_INACTIVE)
            RememberFocus();
        else if (HIWORD(w) == 0 && focus_ != nullptr) // not while minimised
            SetFocus(FocusToRestore());
        return 0;
    case WM_GETOBJECT:
        if (const LRESULT alert = announcer_.Answer(w, l))
            return alert;
        break;
    case WM_DESTROY: // the program's only window
        PostQuitMessage(0);
        return 0;
    default:
        return Handle(message, w, l);
    }
    return DefWindowProcW(window_, message, w, l);
}

void WindowBase::Announce(const std::string& text) { announcer_.Say(window_, ToUtf16(text)); }

// Keeps the focus only when it is in one of the window's controls, so that it can be given back.
void WindowBase::RememberFocus() {
    if (const HWND focused = GetFocus(); focused != nullptr && IsChild(window_, focused))
        focus_ = focused;
}

// The remembered control while it can take the focus (it may have been hidden meanwhile),
// otherwise the first one.
HWND WindowBase::FocusToRestore() const {
    if (focus_ != nullptr && IsWindowVisible(focus_) && IsWindowEnabled(focus_))
        return focus_;
    return FirstFocus();
}

std::string WindowText(HWND control) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(control)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextW(control, text.data(), static_cast<int>(text.size()))));
    return ToUtf8(text);
}

} // namespace velmorand
