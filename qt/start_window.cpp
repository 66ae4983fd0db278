#include "start_window.h"

#include "form1.h"
#include "practice/command_line.h"
#include "practice_window.h"

namespace velmorand {

std::unique_ptr<QWidget> MakeStartWindow(std::span<const std::string_view> arguments) {
    const StartOptions options = ParseCommandLine(arguments);
    if (options.Practice)
        return std::make_unique<PracticeWindow>(options);
    return std::make_unique<Form1>();
}

} // namespace velmorand
