#include "focus_mark.h"

namespace velmorand {
namespace {

constexpr wchar_t PreviousProperty[] = L"Velmorand.FocusMark";

LRESULT CALLBACK RedrawingProcedure(HWND control, UINT message, WPARAM w, LPARAM l) {
    const auto previous = reinterpret_cast<WNDPROC>(GetPropW(control, PreviousProperty));
    if (previous == nullptr)
        return DefWindowProcW(control, message, w, l);
    if (message == WM_SETFOCUS || message == WM_KILLFOCUS)
        InvalidateRect(control, nullptr, FALSE);
    else if (message == WM_NCDESTROY)
        RemovePropW(control, PreviousProperty);
    return CallWindowProcW(previous, control, message, w, l);
}

} // namespace

void RedrawOnFocusChange(HWND control) {
    const LONG_PTR previous = GetWindowLongPtrW(control, GWLP_WNDPROC);
    if (SetPropW(control, PreviousProperty, reinterpret_cast<HANDLE>(previous)))
        SetWindowLongPtrW(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&RedrawingProcedure));
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
