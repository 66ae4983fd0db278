#include "start_window.h"

#include "class_window.h"
#include "form1.h"
#include "practice/command_line.h"
#include "practice_window.h"

namespace velmorand {

std::unique_ptr<QWidget> MakeStartWindow(std::span<const std::string_view> arguments) {
    const StartOptions options = ParseCommandLine(arguments);
    if (options.Class)
        return std::make_unique<ClassWindow>();
    if (options.Practice) {
        auto practice = std::make_unique<PracticeWindow>(options);
        // The whole screen, so that the column can be read across a classroom.
        practice->setWindowState(Qt::WindowMaximized);
        return practice;
    }
    return std::make_unique<Form1>();
}

} // namespace velmorand
