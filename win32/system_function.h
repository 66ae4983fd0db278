// A function of a Windows DLL, looked up when the program runs instead of imported when it
// starts: for functions that older Windows lack (the program must start on Windows 7), and
// for DLLs that are slow to load and needed only later (the shell, the common controls).
#pragma once

#include <windows.h>

namespace velmorand {

// nullptr when the DLL or the function is not there.
template <class Function> Function SystemFunction(const wchar_t* dll, const char* name) {
    HMODULE module = GetModuleHandleW(dll);
    if (module == nullptr)
        module = LoadLibraryW(dll);
    if (module == nullptr)
        return nullptr;
    const FARPROC found = GetProcAddress(module, name);
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(found));
}

} // namespace velmorand
