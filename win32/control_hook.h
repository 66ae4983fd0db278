// Lets the program see a control's messages before the control's own window procedure does.
#pragma once

#include <windows.h>

#include <functional>
#include <optional>

namespace velmorand {

// The answer to a message, or nothing to let the control answer it as usual.
using ControlHook = std::function<std::optional<LRESULT>(HWND, UINT, WPARAM, LPARAM)>;

// Sees each of the control's messages until the control is destroyed, after the hooks added
// before it. The common controls are not needed for it: they are loaded only later.
void HookControl(HWND control, ControlHook hook);

} // namespace velmorand
