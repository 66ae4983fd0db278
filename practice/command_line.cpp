#include "command_line.h"

#include "problems.h"
#include "sheet.h"

#include <algorithm>
#include <cstdint>
#include <optional>

namespace velmorand {

namespace {

enum class Option {
    None,
    Practice,
    Level,
    Variant,
    Sheets,
    Variants,
    Problems,
    Answers,
    Large,
    Output
};

// How options that take no value set the start.
bool Switch(Option option) {
    return option == Option::Practice || option == Option::Sheets || option == Option::Answers ||
           option == Option::Large;
}

// Each option in each way it may be written: "--level" and, as Windows programs take them,
// "/level". Letters in any case.
constexpr struct {
    std::string_view Word;
    Option Meaning;
} Options[] = {
    {"practice", Option::Practice}, {"level", Option::Level},       {"variant", Option::Variant},
    {"sheets", Option::Sheets},     {"variants", Option::Variants}, {"problems", Option::Problems},
    {"answers", Option::Answers},   {"large", Option::Large},       {"output", Option::Output},
    {"o", Option::Output},
};

bool SameLetters(std::string_view x, std::string_view y) {
    const auto lower = [](char c) {
        return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    };
    return std::equal(x.begin(), x.end(), y.begin(), y.end(),
                      [&](char p, char q) { return lower(p) == lower(q); });
}

Option OptionNamed(std::string_view word) {
    // "-o", the one option also written with a single dash, as programs writing files take it.
    if (SameLetters(word, "-o"))
        return Option::Output;
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

int Clamped(std::int64_t value, int most, int least = 1) {
    return static_cast<int>(std::clamp<std::int64_t>(value, least, most));
}

void SetSwitch(StartOptions& options, Option option) {
    if (option == Option::Practice)
        options.Practice = true;
    else if (option == Option::Sheets)
        options.Sheets = true;
    else if (option == Option::Answers)
        options.Answers = true;
    else
        options.Large = true;
}

// Sets the option from its value; false when the value is not what it takes (a number for
// all but the output, whose value is any word but an empty one).
bool Apply(StartOptions& options, Option option, std::string_view value) {
    if (option == Option::Output) {
        if (value.empty())
            return false;
        options.Output = value;
        return true;
    }
    const auto number = WholeNumber(value);
    if (!number)
        return false;
    if (option == Option::Level)
        options.Level = Clamped(*number, LevelCount);
    else if (option == Option::Variant)
        options.Variant = Clamped(*number, MostVariant);
    else if (option == Option::Variants)
        options.Variants = Clamped(*number, MostSheetVariants);
    else
        options.Problems = Clamped(*number, MostSheetProblems, 0);
    return true;
}

} // namespace

StartOptions ParseCommandLine(std::span<const std::string_view> arguments) {
    StartOptions options;
    bool levelGiven = false;
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
        bool applied = false;
        if (option == Option::None || (Switch(option) && joined))
            continue;
        if (Switch(option))
            SetSwitch(options, option);
        else if (joined)
            applied = Apply(options, option, value);
        else if (i + 1 < arguments.size() && Apply(options, option, arguments[i + 1])) {
            applied = true;
            ++i;
        }
        levelGiven =
            levelGiven || (applied && (option == Option::Level || option == Option::Variant));
    }
    // A level or a variant asks for the practice window even without "--practice", unless
    // they are the sheets'.
    if (levelGiven && !options.Sheets)
        options.Practice = true;
    return options;
}

} // namespace velmorand
