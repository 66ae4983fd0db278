#include "control_hook.h"

#include <vector>

namespace velmorand {
namespace {

// What a hooked control keeps: its own procedure and the hooks in the order they were added.
struct Hooks {
    WNDPROC Previous;
    std::vector<ControlHook> Each;
};

constexpr wchar_t HooksProperty[] = L"Velmorand.Hooks";

LRESULT CALLBACK HookedProcedure(HWND control, UINT message, WPARAM w, LPARAM l) {
    auto* hooks = static_cast<Hooks*>(GetPropW(control, HooksProperty));
    if (hooks == nullptr)
        return DefWindowProcW(control, message, w, l);
    for (const ControlHook& hook : hooks->Each) {
        if (const std::optional<LRESULT> answer = hook(control, message, w, l))
            return *answer;
    }
    const WNDPROC previous = hooks->Previous;
    if (message == WM_NCDESTROY) { // the last message the control gets
        RemovePropW(control, HooksProperty);
        delete hooks;
    }
    return CallWindowProcW(previous, control, message, w, l);
}

} // namespace

void HookControl(HWND control, ControlHook hook) {
    auto* hooks = static_cast<Hooks*>(GetPropW(control, HooksProperty));
    if (hooks == nullptr) { // the first: the control's messages come here from now on
        const auto previous = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(control, GWLP_WNDPROC));
        hooks = new Hooks{previous, {}}; // freed when the control is destroyed
        if (!SetPropW(control, HooksProperty, hooks)) {
            delete hooks;
            return;
        }
        SetWindowLongPtrW(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&HookedProcedure));
    }
    hooks->Each.push_back(std::move(hook));
}

} // namespace velmorand
