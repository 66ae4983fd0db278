#include "progress.h"

#include "numbers.h"

#include <algorithm>
#include <optional>

namespace velmorand {

namespace {

// The version counts the levels as they are: the 8 levels kept under "velmorand-progress 1"
// were other levels, and their counts start afresh rather than stand for new ones.
constexpr std::string_view Header = "velmorand-progress 2";

// More problems than a pupil could solve in a lifetime: a larger count is a damaged text.
constexpr int MostSolved = practice_detail::MostKeptCount;

// Splits off the text's first line, without its "\n" or "\r\n".
std::string_view TakeLine(std::string_view& text) {
    const std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    if (line.ends_with('\r'))
        line.remove_suffix(1);
    return line;
}

std::optional<int> ReadCount(std::string_view digits) {
    if (digits.empty() || digits.size() > 9)
        return std::nullopt;
    int value = 0;
    for (const char c : digits) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return value;
}

// "solved inarow", one space between: no more in a row than were solved.
std::optional<LevelProgress> ReadLevel(std::string_view line) {
    const std::size_t space = line.find(' ');
    if (space == std::string_view::npos)
        return std::nullopt;
    const auto solved = ReadCount(line.substr(0, space));
    const auto inARow = ReadCount(line.substr(space + 1));
    if (!solved || !inARow || *inARow > *solved)
        return std::nullopt;
    return LevelProgress{*solved, *inARow};
}

std::optional<Progress> Read(std::string_view text) {
    if (TakeLine(text) != Header)
        return std::nullopt;
    Progress progress;
    for (LevelProgress& level : progress.Levels) {
        if (text.empty())
            return std::nullopt;
        const auto read = ReadLevel(TakeLine(text));
        if (!read)
            return std::nullopt;
        level = *read;
    }
    // Nothing may follow but empty lines.
    while (!text.empty())
        if (!TakeLine(text).empty())
            return std::nullopt;
    return progress;
}

int Kept(int count) { return std::clamp(count, 0, MostSolved); }

} // namespace

std::string ProgressText(const Progress& progress) {
    std::string text(Header);
    text += '\n';
    for (const LevelProgress& level : progress.Levels) {
        const int solved = Kept(level.Solved);
        text += practice_detail::Digits(static_cast<std::uint64_t>(solved)) + ' ' +
                practice_detail::Digits(
                    static_cast<std::uint64_t>(std::min(Kept(level.InARow), solved))) +
                '\n';
    }
    return text;
}

Progress ProgressFromText(std::string_view text) { return Read(text).value_or(Progress{}); }

} // namespace velmorand
