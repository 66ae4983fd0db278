#include "form1_window.h"

#include <windows.h>

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show) {
    velmorand::Form1Window window(instance);
    return window.Run(show);
}
