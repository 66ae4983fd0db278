#include "open_link.h"

#include "system_function.h"

#include <windows.h>

#include <shellapi.h>

namespace velmorand {

// The shell is loaded on the first click of a link rather than when the program starts:
// shell32 brings much of COM with it, and most runs never open a page.
void OpenInBrowser(const char* address) {
    static const auto shellExecuteA =
        SystemFunction<decltype(&::ShellExecuteA)>(L"shell32.dll", "ShellExecuteA");
    if (shellExecuteA == nullptr)
        return;
    // The addresses are plain ASCII, the same in every ANSI code page.
    shellExecuteA(GetDesktopWindow(), "Open", address, "", "c:\\", SW_SHOWNORMAL);
}

// A path may hold any letters (a teacher's own folder in Cyrillic): it goes to the shell as
// UTF-16.
bool OpenDocument(const std::wstring& path) {
    static const auto shellExecuteW =
        SystemFunction<decltype(&::ShellExecuteW)>(L"shell32.dll", "ShellExecuteW");
    if (shellExecuteW == nullptr)
        return false;
    // Above 32 when the shell could open it.
    return reinterpret_cast<INT_PTR>(
               shellExecuteW(nullptr, L"open", path.c_str(), nullptr, nullptr, SW_SHOWNORMAL)) > 32;
}

} // namespace velmorand
