#include "progress_file.h"

#include <windows.h>

#include <memory>
#include <type_traits>

namespace velmorand {
namespace {

// A progress file is a few hundred bytes; anything far larger is no progress file.
constexpr DWORD MostFileBytes = 64 * 1024;

struct HandleCloser {
    void operator()(HANDLE file) const {
        if (file != INVALID_HANDLE_VALUE)
            CloseHandle(file);
    }
};
using File = std::unique_ptr<std::remove_pointer_t<HANDLE>, HandleCloser>;

std::wstring FolderOf(const std::wstring& path) {
    const std::size_t slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? std::wstring() : path.substr(0, slash);
}

bool WriteWhole(HANDLE file, const std::string& text) {
    DWORD written = 0;
    return WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr) &&
           written == text.size() && FlushFileBuffers(file);
}

} // namespace

std::wstring ProgressFilePath() {
    wchar_t folder[MAX_PATH];
    const DWORD length = GetEnvironmentVariableW(L"APPDATA", folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return {};
    return std::wstring(folder, length) + L"\\Velmorand\\practice-progress.txt";
}

Progress LoadProgress(const std::wstring& path) {
    if (path.empty())
        return {};
    const File file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_DELETE,
                                nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    LARGE_INTEGER size{};
    if (file.get() == INVALID_HANDLE_VALUE || !GetFileSizeEx(file.get(), &size) ||
        size.QuadPart > MostFileBytes)
        return {};
    std::string text(static_cast<std::size_t>(size.QuadPart), '\0');
    DWORD read = 0;
    if (!ReadFile(file.get(), text.data(), static_cast<DWORD>(text.size()), &read, nullptr))
        return {};
    text.resize(read);
    return ProgressFromText(text);
}

bool SaveProgress(const std::wstring& path, const Progress& progress) {
    if (path.empty())
        return false;
    const std::wstring folder = FolderOf(path);
    if (!folder.empty() && !CreateDirectoryW(folder.c_str(), nullptr) &&
        GetLastError() != ERROR_ALREADY_EXISTS)
        return false;
    // Named after the process, so that two windows saving at once never share one.
    const std::wstring temporary = path + L"." + std::to_wstring(GetCurrentProcessId()) + L".new";
    bool written = false;
    {
        const File file(CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr));
        written =
            file.get() != INVALID_HANDLE_VALUE && WriteWhole(file.get(), ProgressText(progress));
    }
    if (written && MoveFileExW(temporary.c_str(), path.c_str(),
                               MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return true;
    DeleteFileW(temporary.c_str());
    return false;
}

} // namespace velmorand
