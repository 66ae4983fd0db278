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

// Unknown words, and words where a number belongs that are no number, are passed over;
// numbers out of range are taken as the nearest in range ("--level 12" is level 8). A level
// or a variant alone also asks for the practice window. A program started from a menu or a
// shortcut always opens a window.
StartOptions ParseCommandLine(std::span<const std::string_view> arguments);

} // namespace velmorand
