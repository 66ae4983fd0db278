#include "screen_density.h"

#include "gdi_objects.h"
#include "system_function.h"

namespace velmorand {

namespace {

using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);
using AdjustWindowRectExForDpiFunction = BOOL(WINAPI*)(LPRECT, DWORD, BOOL, DWORD, UINT);

} // namespace

int WindowDpi(HWND window) {
    static const auto getDpiForWindow =
        SystemFunction<GetDpiForWindowFunction>(L"user32.dll", "GetDpiForWindow");
    if (getDpiForWindow != nullptr && window != nullptr) {
        if (const UINT dpi = getDpiForWindow(window); dpi != 0)
            return static_cast<int>(dpi);
    }
    ScreenDc screen;
    return GetDeviceCaps(screen.get(), LOGPIXELSX);
}

void AdjustWindowRectForDpi(RECT& rect, DWORD style, DWORD exStyle, int dotsPerInch) {
    static const auto adjustForDpi =
        SystemFunction<AdjustWindowRectExForDpiFunction>(L"user32.dll", "AdjustWindowRectExForDpi");
    if (adjustForDpi != nullptr)
        adjustForDpi(&rect, style, FALSE, exStyle, static_cast<UINT>(dotsPerInch));
    else
        AdjustWindowRectEx(&rect, style, FALSE, exStyle);
}

} // namespace velmorand
