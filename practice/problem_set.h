// The teacher's own problems: a set read from the text she types or pastes, and written back
// as the short text that carries it in an address, on a command line or on the board.
#pragma once

#include "problems.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace velmorand {

// What the teacher's problems are called in the window, on the sheets and in the journal.
inline constexpr std::string_view OwnProblemsTitle = "Свои примеры";

inline constexpr int MostSetProblems = 20;
inline constexpr int LeastSetDividendDigits = 2;
inline constexpr int MostSetDividendDigits = 6;
inline constexpr std::uint32_t LeastSetDivisor = 2;
inline constexpr std::uint32_t MostSetDivisor = 999;

// What was read: the problems in their order when every line is one, else a reason for each
// line that is not ("5 : 0 — на ноль делить нельзя"), or for the text as a whole.
struct SetReading {
    std::vector<Problem> Problems{};
    std::vector<std::string> Errors{};

    bool Good() const { return Errors.empty() && !Problems.empty(); }
};

// Problems written "7240 : 8", "7240:8", "7240 ÷ 8" or "7240/8", separated by commas,
// semicolons or new lines; each a dividend of 2-6 digits at least its divisor, which is 2-999.
// Any text is safe: a pasted million characters is read once and named in a few reasons.
SetReading ReadProblemSet(std::string_view text);

// The reasons as the window shows them: a first line, then one reason a line.
std::string SetErrorText(const SetReading& reading);

// "7240:8,648:6,9156:42": what "#set=" carries and ReadProblemSet reads back.
std::string SetText(std::span<const Problem> problems);

// The set text an address or a pasted link carries after "set=", with %-escapes undone; the
// whole text when it names none.
std::string SetTextInAddress(std::string_view address);

// The same problems in the same order give the same number on every platform.
std::uint64_t SetFingerprint(std::span<const Problem> problems);

} // namespace velmorand
