#include "class_page.h"

#include "open_link.h"
#include "utf16.h"
#include "window/class_layout.h"

#include <string>

namespace velmorand {
namespace {

// The folder velmorand.exe was started from, without its last backslash.
std::wstring ProgramFolder() {
    std::wstring path(MAX_PATH, L'\0');
    while (true) {
        const DWORD length =
            GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0)
            return {};
        if (length < path.size()) {
            path.resize(length);
            break;
        }
        path.resize(path.size() * 2); // a long path: asked again with room for it
    }
    const std::size_t slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? std::wstring() : path.substr(0, slash);
}

} // namespace

int OpenClassPage() {
    const std::wstring folder = ProgramFolder();
    const std::wstring page = folder + L"\\" + ToUtf16(ClassPage.FileName);
    const DWORD attributes = GetFileAttributesW(page.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0)
        return OpenDocument(page) ? 0 : 1;
    MessageBoxW(nullptr, (ToUtf16(ClassPage.Missing) + folder).c_str(),
                ToUtf16(ClassCaption).c_str(), MB_OK | MB_ICONINFORMATION);
    return 0;
}

} // namespace velmorand
