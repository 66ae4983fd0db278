// Reads a running program's window from outside, the way any Windows program can: finds it
// by its title and lists its controls with their places, visibility and texts. It reaches
// nothing inside the program. Prints UTF-8, one line per item, fields separated by tabs.
//
//   probe wait TITLE     waits up to 20 s for a window whose title starts with TITLE
//   probe dump TITLE     "window<TAB>client width<TAB>client height<TAB>dots per inch",
//                        "focus<TAB>name", then per control
//                        "name<TAB>left top width height<TAB>visible|hidden<TAB>limit<TAB>text",
//                        where limit is how many characters a text field takes ("-" for others)
//                        and "tooltips<TAB>count" for the tool tips the window has
//   probe memory TITLE   the peak working set of the window's process, in KiB
//   probe close TITLE    asks the window to close, as its close box does
#include "find_window.h"
#include "win32/resource_ids.h"
#include "win32/utf16.h"
#include "window/form1_layout.h"
#include "window/practice_layout.h"

#include <windows.h>

#include <commctrl.h>
#include <psapi.h>
#include <shellapi.h>

#include <cstdio>
#include <string>

namespace {

void Print(const std::string& line) {
    const std::string withEnd = line + "\n";
    DWORD written = 0;
    WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), withEnd.data(), static_cast<DWORD>(withEnd.size()),
              &written, nullptr);
}

// A control's name in the table of its window: the practice window's when it is the one.
std::string NameOf(HWND control) {
    const int index = GetDlgCtrlID(control) - IDC_FIRST_CONTROL;
    const bool practice =
        velmorand::ToUtf8(WindowText(GetParent(control))) == velmorand::PracticeCaption;
    const std::size_t size =
        practice ? velmorand::PracticeLayout().size() : velmorand::Form1Layout().size();
    if (index < 0 || static_cast<std::size_t>(index) >= size)
        return "id" + std::to_string(GetDlgCtrlID(control));
    const auto at = static_cast<std::size_t>(index);
    return practice ? velmorand::PracticeLayout()[at].Name : velmorand::Form1Layout()[at].Name;
}

BOOL CALLBACK PrintControl(HWND control, LPARAM l) {
    const HWND parent = reinterpret_cast<HWND>(l);
    if (GetParent(control) != parent)
        return TRUE;
    RECT place{};
    GetWindowRect(control, &place);
    wchar_t className[16] = {};
    GetClassNameW(control, className, 16);
    const std::string limit = lstrcmpiW(className, L"Edit") == 0
                                  ? std::to_string(SendMessageW(control, EM_GETLIMITTEXT, 0, 0))
                                  : "-";
    MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&place), 2);
    Print(NameOf(control) + "\t" + std::to_string(place.left) + " " + std::to_string(place.top) +
          " " + std::to_string(place.right - place.left) + " " +
          std::to_string(place.bottom - place.top) + "\t" +
          (IsWindowVisible(control) ? "visible" : "hidden") + "\t" + limit + "\t" +
          velmorand::ToUtf8(WindowText(control)));
    return TRUE;
}

struct ToolTips {
    HWND owner;
    LRESULT count = 0;
};

BOOL CALLBACK CountToolTips(HWND window, LPARAM l) {
    auto* tips = reinterpret_cast<ToolTips*>(l);
    wchar_t className[32] = {};
    GetClassNameW(window, className, 32);
    if (lstrcmpiW(className, TOOLTIPS_CLASSW) == 0 && GetWindow(window, GW_OWNER) == tips->owner)
        tips->count += SendMessageW(window, TTM_GETTOOLCOUNT, 0, 0);
    return TRUE;
}

int Dump(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    const HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
    ReleaseDC(nullptr, screen);
    Print("window\t" + std::to_string(client.right) + "\t" + std::to_string(client.bottom) + "\t" +
          std::to_string(dpi));
    GUITHREADINFO thread{};
    thread.cbSize = sizeof(thread);
    GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &thread);
    Print("focus\t" + (thread.hwndFocus ? NameOf(thread.hwndFocus) : std::string("none")));
    EnumChildWindows(window, PrintControl, reinterpret_cast<LPARAM>(window));
    ToolTips tips{window};
    EnumWindows(CountToolTips, reinterpret_cast<LPARAM>(&tips));
    Print("tooltips\t" + std::to_string(tips.count));
    return 0;
}

int Memory(HWND window) {
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    const HANDLE handle = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, process);
    if (handle == nullptr)
        return 1;
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof(counters);
    const bool read = GetProcessMemoryInfo(handle, &counters, sizeof(counters));
    CloseHandle(handle);
    if (!read)
        return 1;
    Print(std::to_string(counters.PeakWorkingSetSize / 1024));
    return 0;
}

} // namespace

int main() {
    // Places in the screen's own pixels: a program unaware of the screen's density would be
    // told the window's places scaled down to 96 dots per inch, as Windows (and Wine 10) do.
    SetProcessDPIAware();
    // The title is Cyrillic: take the arguments as UTF-16, whatever the ANSI code page.
    int argc = 0;
    wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    if (argc != 3)
        return 2;
    const std::wstring command = argv[1];
    HWND window = FindByTitle(argv[2]);
    if (command == L"wait") {
        for (int i = 0; i < 200 && window == nullptr; ++i) {
            Sleep(100);
            window = FindByTitle(argv[2]);
        }
        return window != nullptr ? 0 : 1;
    }
    if (window == nullptr)
        return 1;
    if (command == L"dump")
        return Dump(window);
    if (command == L"memory")
        return Memory(window);
    if (command == L"close")
        return PostMessageW(window, WM_CLOSE, 0, 0) ? 0 : 1;
    return 2;
}
