// A DLL planted beside velmorand.exe under the name of one of Windows' own (shell32.dll,
// comctl32.dll), as anyone could on a USB stick or a shared folder. Loading it leaves a file
// NAME.dll.loaded beside it: the program must never do so.
#include <windows.h>

// For rundll32, which the test uses to load the DLL on purpose once.
extern "C" __declspec(dllexport) void CALLBACK Load(HWND, HINSTANCE, LPSTR, int) {}

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
    if (reason != DLL_PROCESS_ATTACH)
        return TRUE;
    wchar_t path[MAX_PATH + 8] = {};
    const DWORD length = GetModuleFileNameW(instance, path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return TRUE;
    lstrcatW(path, L".loaded");
    const HANDLE marker =
        CreateFileW(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (marker != INVALID_HANDLE_VALUE)
        CloseHandle(marker);
    return TRUE;
}
