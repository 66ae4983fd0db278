// The floor for the Windows program's start-up: a bare Win32 window with the program's 34
// controls at the same places and with the same captions and texts, and nothing else: no
// fonts, colours, picture, icon, tool tips or worksheet.
#include "win32/utf16.h"
#include "window/form1_layout.h"

#include <windows.h>

namespace {

const wchar_t* ClassOf(velmorand::ControlKind kind) {
    switch (kind) {
    case velmorand::ControlKind::TextField:
        return L"EDIT";
    case velmorand::ControlKind::Button:
        return L"BUTTON";
    default:
        return L"STATIC";
    }
}

LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM w, LPARAM l) {
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window, message, w, l);
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show) {
    using namespace velmorand;
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = Procedure;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = L"BareForm1";
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    RegisterClassW(&windowClass);
    const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
    RECT client{0, 0, ClientWidthTwips / TwipsPerPixel, ClientHeightTwips / TwipsPerPixel};
    AdjustWindowRect(&client, style, FALSE);
    HWND window = CreateWindowW(L"BareForm1", L"Bare window", style, CW_USEDEFAULT, CW_USEDEFAULT,
                                client.right - client.left, client.bottom - client.top, nullptr,
                                nullptr, instance, nullptr);
    const Worksheet start;
    for (const ControlRow& row : Form1Layout()) {
        const std::string text = row.Shows     ? FieldText(start, *row.Shows)
                                 : row.Caption ? row.Caption
                                               : "";
        const Twips& p = row.Place;
        CreateWindowW(ClassOf(row.Kind), ToUtf16(text).c_str(), WS_CHILD | WS_VISIBLE,
                      p.Left / TwipsPerPixel, p.Top / TwipsPerPixel, p.Width / TwipsPerPixel,
                      p.Height / TwipsPerPixel, window, nullptr, instance, nullptr);
    }
    ShowWindow(window, show);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}
