#include "class_page.h"
#include "command_arguments.h"
#include "form1_window.h"
#include "practice/command_line.h"
#include "practice_window.h"
#include "system_function.h"

#include <windows.h>

#include <string_view>
#include <vector>

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show) {
    velmorand::LoadDllsFromSystem32Only(); // before anything loads a DLL
    const std::vector<std::string> words = velmorand::CommandArguments(GetCommandLineW());
    const std::vector<std::string_view> arguments(words.begin(), words.end());
    const velmorand::StartOptions options = velmorand::ParseCommandLine(arguments);
    if (options.Class) // the journal is the page beside the program
        return velmorand::OpenClassPage();
    if (options.Practice) {
        velmorand::PracticeWindow window(instance, options);
        return window.Run(show);
    }
    velmorand::Form1Window window(instance);
    return window.Run(show);
}
