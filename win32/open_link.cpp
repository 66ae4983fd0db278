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

} // namespace velmorand
