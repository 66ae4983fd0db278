// How the program is started: the division window, or the practice window at a level and a
// variant. "--practice --level 5 --variant 42", and on Windows also "/practice /level 5
// /variant 42". Or printed sheets written to a file: "--sheets --level 5 --variant 42
// --variants 4 --problems 8 --no-answers --large -o карточки.pdf"; the sheets' choices are
// named and ranged as their table in sheet.h has them. The teacher's own problems, for the
// window or the sheets: "--set 7240:8,648:6". The class journal: "--class".
#pragma once

#include "sheet.h"

#include <span>
#include <string>
#include <string_view>

namespace velmorand {

struct StartOptions {
    bool Practice = false;
    int Level = 1;
    int Variant = 1;
    bool Sheets = false; // printed sheets, for level and variant, instead of a window
    // The sheets' other choices, as practice/sheet.h begins them.
    int Variants = PrintedSheetsOptions{}.Variants;
    int Problems = PrintedSheetsOptions{}.Problems;
    bool Answers = PrintedSheetsOptions{}.Answers; // "--no-answers" leaves the keys out
    bool Large = PrintedSheetsOptions{}.Large;
    std::string Output{}; // the file the sheets go to, "-o" or "--output"
    std::string Set{};    // the teacher's problems as written, for the window or the sheets
    bool Class = false;   // the class journal instead of the practice window

    bool operator==(const StartOptions&) const = default;
};

// Unknown words, and words where a number belongs that are no number, are passed over;
// numbers out of range are taken as the nearest in range ("--level 12" is level 8). A level
// or a variant alone also asks for the practice window. A program started from a menu or a
// shortcut always opens a window. With "--sheets" a level or a variant is the sheets' and
// asks for no window. The output and the set take the next word as it is, a file name
// starting with '-' included; a set, like a level, asks for the practice window.
StartOptions ParseCommandLine(std::span<const std::string_view> arguments);

} // namespace velmorand
