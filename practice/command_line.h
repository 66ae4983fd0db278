// How the program is started: the division window, or the practice window at a level and a
// variant. "--practice --level 5 --variant 42", and on Windows also "/practice /level 5
// /variant 42".
#pragma once

#include <span>
#include <string_view>

namespace velmorand {

struct StartOptions {
    bool Practice = false;
    int Level = 1;
    int Variant = 1;

    bool operator==(const StartOptions&) const = default;
};

// Unknown words and numbers out of range are ignored: a program started from a menu or a
// shortcut always opens a window.
StartOptions ParseCommandLine(std::span<const std::string_view> arguments);

} // namespace velmorand
