#include "control_hook.h"

#include <memory>
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
    if (message == WM_NCDESTROY) // the control's last message: its hooks go with it
        RemovePropW(control, HooksProperty);
    const std::unique_ptr<Hooks> gone(message == WM_NCDESTROY ? hooks : nullptr);
    for (const ControlHook& hook : hooks->Each) {
        if (const std::optional<LRESULT> answer = hook(control, message, w, l))
            return *answer;
    }
    return CallWindowProcW(hooks->Previous, control, message, w, l);
}

} // namespace

void HookControl(HWND control, ControlHook hook) {
    auto* hooks = static_cast<Hooks*>(GetPropW(control, HooksProperty));
    if (hooks == nullptr) { // the first: the control's messages come here from now on
        const auto previous = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(control, GWLP_WNDPROC));
        auto made = std::make_unique<Hooks>(Hooks{previous, {}});
        if (!SetPropW(control, HooksProperty, made.get()))
            return;
        hooks = made.release(); // freed after the control's last message
        SetWindowLongPtrW(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&HookedProcedure));
    }
    hooks->Each.push_back(std::move(hook));
}

} // namespace velmorand
