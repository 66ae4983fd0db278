#include "form1_window.h"
#include "system_function.h"

#include <windows.h>

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show) {
    velmorand::LoadDllsFromSystem32Only(); // before anything loads a DLL
    velmorand::Form1Window window(instance);
    return window.Run(show);
}
