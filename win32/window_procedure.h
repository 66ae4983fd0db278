// The window procedure of a window whose state is a C++ object reached through the window
// (GWLP_USERDATA): the object handed to CreateWindowExW is kept with the window at
// WM_NCCREATE, and every later message goes to its Handle. The class makes this its friend.
#pragma once

#include <windows.h>

namespace velmorand {

template <typename Window>
LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM w, LPARAM l) {
    if (message == WM_NCCREATE) {
        auto* self = static_cast<Window*>(reinterpret_cast<CREATESTRUCTW*>(l)->lpCreateParams);
        self->window_ = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<Window*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (self == nullptr)
        return DefWindowProcW(window, message, w, l);
    return self->Handle(message, w, l);
}

} // namespace velmorand
