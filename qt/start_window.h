// The window the program opens: the division window, with --practice the practice window, or
// with --class the teacher's class journal.
#pragma once

#include <QWidget>

#include <memory>
#include <span>
#include <string_view>

namespace velmorand {

// The arguments after the program's name, once Qt has taken its own options out.
std::unique_ptr<QWidget> MakeStartWindow(std::span<const std::string_view> arguments);

} // namespace velmorand
