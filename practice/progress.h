// What the practice window keeps between sessions: per level, the problems solved and how
// many in a row were solved without a hint. Only numbers, never a name.
#pragma once

#include "problems.h"

#include <array>
#include <string>
#include <string_view>

namespace velmorand {

struct LevelProgress {
    int Solved = 0;
    int InARow = 0; // solved one after another without a hint above the first level

    bool operator==(const LevelProgress&) const = default;
};

struct Progress {
    std::array<LevelProgress, LevelCount> Levels{};

    bool operator==(const Progress&) const = default;
};

// Three in a row without a hint: the window suggests the next level.
inline constexpr int InARowForNextLevel = 3;

// The text each platform stores, and reading it back. A missing, damaged or foreign text
// reads as a fresh start; nothing it holds can make the program misbehave.
std::string ProgressText(const Progress& progress);
Progress ProgressFromText(std::string_view text);

} // namespace velmorand
