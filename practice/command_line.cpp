#include "command_line.h"

#include "problems.h"
#include "sheet.h"

#include <algorithm>
#include <cstdint>
#include <optional>

namespace velmorand {

namespace {

enum class Option { None, Practice, Sheets, Class, NoAnswers, Output, Set, Choice };

// What a word on the command line means: one of the program's own options, or one of the
// printed sheets' choices by the word their table gives it ("level", "answers" ...).
struct Meaning {
    Option Kind = Option::None;
    const PrintedControl* Control = nullptr; // a Choice's
};

// The program's own options, in each way they may be written: "--sheets" and, as Windows
// programs take them, "/sheets". Letters in any case.
constexpr struct {
    std::string_view Word;
    Option Kind;
} Options[] = {
    {"practice", Option::Practice}, {"sheets", Option::Sheets}, {"no-answers", Option::NoAnswers},
    {"output", Option::Output},     {"o", Option::Output},      {"set", Option::Set},
    {"class", Option::Class},
};

// How options that take no value set the start.
bool Switch(const Meaning& meaning) {
    return meaning.Kind == Option::Practice || meaning.Kind == Option::Sheets ||
           meaning.Kind == Option::Class || meaning.Kind == Option::NoAnswers ||
           (meaning.Kind == Option::Choice && meaning.Control->Kind == PrintedControlKind::Check);
}

bool SameLetters(std::string_view x, std::string_view y) {
    const auto lower = [](char c) {
        return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    };
    return std::equal(x.begin(), x.end(), y.begin(), y.end(),
                      [&](char p, char q) { return lower(p) == lower(q); });
}

Meaning OptionNamed(std::string_view word) {
    // "-o", the one option also written with a single dash, as programs writing files take it.
    if (SameLetters(word, "-o"))
        return {Option::Output};
    if (word.starts_with("--"))
        word.remove_prefix(2);
    else if (word.starts_with("/"))
        word.remove_prefix(1);
    else
        return {};
    for (const auto& option : Options)
        if (SameLetters(word, option.Word))
            return {option.Kind};
    for (const PrintedControl& control : PrintedControls())
        if (control.Word != nullptr && SameLetters(word, control.Word))
            return {Option::Choice, &control};
    return {};
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

// The start with one of the sheets' choices set.
void SetStartChoice(StartOptions& options, PrintedChoice choice, int value) {
    PrintedSheetsOptions sheets{options.Level,    options.Variant, options.Variants,
                                options.Problems, options.Answers, options.Large};
    SetChoice(sheets, choice, value);
    options.Level = sheets.Level;
    options.Variant = sheets.Variant;
    options.Variants = sheets.Variants;
    options.Problems = sheets.Problems;
    options.Answers = sheets.Answers;
    options.Large = sheets.Large;
}

void SetSwitch(StartOptions& options, const Meaning& meaning) {
    if (meaning.Kind == Option::Practice)
        options.Practice = true;
    else if (meaning.Kind == Option::Sheets)
        options.Sheets = true;
    else if (meaning.Kind == Option::Class)
        options.Class = true;
    else if (meaning.Kind == Option::NoAnswers)
        options.Answers = false;
    else
        SetStartChoice(options, meaning.Control->Sets, 1);
}

// Sets the option from its value; false when the value is not what it takes (a number, in
// the choice's range, for all but the output, whose value is any word but an empty one).
bool Apply(StartOptions& options, const Meaning& meaning, std::string_view value) {
    if (meaning.Kind == Option::Output || meaning.Kind == Option::Set) {
        if (value.empty())
            return false;
        (meaning.Kind == Option::Output ? options.Output : options.Set) = value;
        return true;
    }
    const auto number = WholeNumber(value);
    if (!number)
        return false;
    const PrintedControl& control = *meaning.Control;
    SetStartChoice(
        options, control.Sets,
        static_cast<int>(std::clamp<std::int64_t>(*number, control.Lowest, control.Highest)));
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
        const Meaning option = OptionNamed(word);
        bool applied = false;
        if (option.Kind == Option::None || (Switch(option) && joined))
            continue;
        if (Switch(option))
            SetSwitch(options, option);
        else if (joined)
            applied = Apply(options, option, value);
        else if (i + 1 < arguments.size() && Apply(options, option, arguments[i + 1])) {
            applied = true;
            ++i;
        }
        const bool places =
            option.Kind == Option::Choice && (option.Control->Sets == PrintedChoice::Level ||
                                              option.Control->Sets == PrintedChoice::Variant);
        levelGiven = levelGiven || (applied && (places || option.Kind == Option::Set));
    }
    // A level or a variant asks for the practice window even without "--practice", unless
    // they are the sheets'.
    if (levelGiven && !options.Sheets)
        options.Practice = true;
    return options;
}

} // namespace velmorand
