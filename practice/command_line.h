// How the program is started: the division window, or the practice window at a level and a
// variant. "--practice --level 5 --variant 42", and on Windows also "/practice /level 5
// /variant 42". Or printed worksheets written to a file: "--sheets --level 5 --variant 42
// --variants 4 --problems 8 --answers --large -o карточки.pdf".
#pragma once

#include <span>
#include <string>
#include <string_view>

namespace velmorand {

struct StartOptions {
    bool Practice = false;
    int Level = 1;
    int Variant = 1;
    bool Sheets = false; // worksheets, for level and variant, instead of a window
    int Variants = 1;    // 1-4: variant, variant + 1 ... each on its own page
    int Problems = 0;    // per variant; 0 is as many as fit on the page
    bool Answers = false;
    bool Large = false;   // cells of 10 mm instead of 5
    std::string Output{}; // the file the sheets go to, "-o" or "--output"

    bool operator==(const StartOptions&) const = default;
};

// Unknown words, and words where a number belongs that are no number, are passed over;
// numbers out of range are taken as the nearest in range ("--level 12" is level 8). A level
// or a variant alone also asks for the practice window. A program started from a menu or a
// shortcut always opens a window. With "--sheets" a level or a variant is the sheets' and
// asks for no window. The output takes the next word as it is, a file name starting with '-'
// included.
StartOptions ParseCommandLine(std::span<const std::string_view> arguments);

} // namespace velmorand
