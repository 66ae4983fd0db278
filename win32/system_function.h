// Windows' own DLLs, loaded from System32 alone, and functions of them looked up when the
// program runs instead of imported when it starts: for functions that older Windows lack (the
// program must start on Windows 7), and for DLLs that are slow to load and needed only later
// (the shell, the common controls).
//
// Schools run velmorand.exe from USB sticks and shared folders, where anyone may have put a
// DLL of their own beside it. A DLL loaded by bare name would be looked for there first.
#pragma once

#include <windows.h>

#include <string>

namespace velmorand {

// Whether LoadLibraryExW knows LOAD_LIBRARY_SEARCH_SYSTEM32: Windows 8 and later, and
// Windows 7 with update KB2533623, which also brought SetDefaultDllDirectories.
inline bool SearchesSystem32Alone() {
    static const bool known =
        GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "SetDefaultDllDirectories") != nullptr;
    return known;
}

// A DLL of Windows from System32; nullptr when it is not there.
inline HMODULE LoadSystemLibrary(const wchar_t* dll) {
    if (SearchesSystem32Alone())
        return LoadLibraryExW(dll, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    // Without the flag: by its full path, its own imports looked for beside it in System32.
    wchar_t system[MAX_PATH];
    const UINT length = GetSystemDirectoryW(system, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return nullptr;
    const std::wstring path = std::wstring(system, length) + L"\\" + dll;
    return LoadLibraryExW(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
}

// A function of a DLL of Windows, typed as the system headers declare it, for example
// SystemFunction<decltype(&::ShellExecuteA)>(L"shell32.dll", "ShellExecuteA"); nullptr when
// the DLL or the function is not there.
template <class Function> Function SystemFunction(const wchar_t* dll, const char* name) {
    HMODULE module = GetModuleHandleW(dll);
    if (module == nullptr)
        module = LoadSystemLibrary(dll);
    if (module == nullptr)
        return nullptr;
    const FARPROC found = GetProcAddress(module, name);
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(found));
}

// From now on every DLL this process loads, including those Windows loads on its behalf,
// comes from System32; never from the program's folder or the current directory.
inline void LoadDllsFromSystem32Only() {
    const auto setDefaultDllDirectories = SystemFunction<decltype(&::SetDefaultDllDirectories)>(
        L"kernel32.dll", "SetDefaultDllDirectories");
    if (setDefaultDllDirectories != nullptr)
        setDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);
}

} // namespace velmorand
