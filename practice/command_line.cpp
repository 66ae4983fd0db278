#include "command_line.h"

#include "problems.h"

#include <algorithm>
#include <cstdint>
#include <optional>

namespace velmorand {

namespace {

enum class Option { None, Practice, Level, Variant };

// Each option in each way it may be written: "--level" and, as Windows programs take them,
// "/level". Letters in any case.
constexpr struct {
    std::string_view Word;
    Option Meaning;
} Options[] = {
    {"practice", Option::Practice},
    {"level", Option::Level},
    {"variant", Option::Variant},
};

bool SameLetters(std::string_view x, std::string_view y) {
    const auto lower = [](char c) {
        return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    };
    return std::equal(x.begin(), x.end(), y.begin(), y.end(),
                      [&](char p, char q) { return lower(p) == lower(q); });
}

Option OptionNamed(std::string_view word) {
    if (word.starts_with("--"))
        word.remove_prefix(2);
    else if (word.starts_with("/"))
        word.remove_prefix(1);
    else
        return Option::None;
    for (const auto& option : Options)
        if (SameLetters(word, option.Word))
            return option.Meaning;
    return Option::None;
}

// A whole number, its sign included, held back from overflow: "-5" and "99999999999" are
// numbers, out of range; "5x" and "" are none.
std::optional<std::int64_t> WholeNumber(std::string_view text) {
    bool negative = false;
    if (text.starts_with('-') || text.starts_with('+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty())
        return std::nullopt;
    std::int64_t value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = std::min<std::int64_t>(value * 10 + (c - '0'), 1'000'000'000);
    }
    return negative ? -value : value;
}

int Clamped(std::int64_t value, int most) {
    return static_cast<int>(std::clamp<std::int64_t>(value, 1, most));
}

// Sets the level or variant from the number; false when there is no number.
bool Apply(StartOptions& options, Option option, std::string_view value) {
    const auto number = WholeNumber(value);
    if (!number)
        return false;
    if (option == Option::Level)
        options.Level = Clamped(*number, LevelCount);
    else
        options.Variant = Clamped(*number, MostVariant);
    // A level or a variant asks for the practice window even without "--practice".
    options.Practice = true;
    return true;
}

} // namespace

StartOptions ParseCommandLine(std::span<const std::string_view> arguments) {
    StartOptions options;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        std::string_view word = arguments[i];
        std::string_view value;
        bool joined = false;
        // "--level=5": the number in the same word.
        if (const std::size_t equals = word.find('='); equals != std::string_view::npos) {
            value = word.substr(equals + 1);
            word = word.substr(0, equals);
            joined = true;
        }
        const Option option = OptionNamed(word);
        if (option == Option::Practice && !joined)
            options.Practice = true;
        else if ((option == Option::Level || option == Option::Variant)) {
            if (joined)
                Apply(options, option, value);
            else if (i + 1 < arguments.size() && Apply(options, option, arguments[i + 1]))
                ++i;
        }
    }
    return options;
}

} // namespace velmorand
