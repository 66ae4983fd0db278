#include "focus_mark.h"

#include "control_hook.h"

namespace velmorand {

void RedrawOnFocusChange(HWND control) {
    HookControl(control, [](HWND hooked, UINT message, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (message == WM_SETFOCUS || message == WM_KILLFOCUS)
            InvalidateRect(hooked, nullptr, FALSE);
        return std::nullopt;
    });
}

void DrawFocusMark(HDC dc, const RECT& box, int dotsPerInch) {
    const HBRUSH colour = GetSysColorBrush(COLOR_HIGHLIGHT);
    RECT frame = box;
    for (int i = 0; i < 2 * dotsPerInch / 96; ++i) {
        FrameRect(dc, &frame, colour);
        InflateRect(&frame, -1, -1);
    }
}

} // namespace velmorand
