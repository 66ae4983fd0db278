#include "numbers.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <utility>

namespace velmorand::practice_detail {

namespace {

constexpr std::string_view NoBreakSpace = "\xC2\xA0";

bool IsAsciiSpace(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

std::string_view TrimFront(std::string_view text) {
    for (;;) {
        if (!text.empty() && IsAsciiSpace(text.front()))
            text.remove_prefix(1);
        else if (text.starts_with(NoBreakSpace))
            text.remove_prefix(NoBreakSpace.size());
        else
            return text;
    }
}

std::string_view TrimBack(std::string_view text) {
    for (;;) {
        if (!text.empty() && IsAsciiSpace(text.back()))
            text.remove_suffix(1);
        else if (text.ends_with(NoBreakSpace))
            text.remove_suffix(NoBreakSpace.size());
        else
            return text;
    }
}

} // namespace

std::optional<TypedNumber> ReadTypedNumber(std::string_view typed) {
    const std::string_view number = TrimBack(TrimFront(typed));
    std::uint64_t value = 0;
    std::size_t digits = 0;
    for (std::string_view rest = number; !rest.empty();) {
        // Spaces stand only between digits here: the trimmed text begins and ends with one.
        if (IsAsciiSpace(rest.front()) || rest.starts_with(NoBreakSpace)) {
            rest.remove_prefix(rest.starts_with(NoBreakSpace) ? NoBreakSpace.size() : 1);
            continue;
        }
        const char c = rest.front();
        if (c < '0' || c > '9' || ++digits > MostTypedDigits)
            return std::nullopt;
        value = value * 10 + static_cast<std::uint64_t>(c - '0');
        rest.remove_prefix(1);
    }
    if (digits == 0)
        return std::nullopt;
    return TypedNumber{number, value};
}

std::size_t CharacterLength(std::string_view text) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(0);
    const std::size_t length = lead < 0x80                   ? 1
                               : lead >= 0xC2 && lead < 0xE0 ? 2
                               : lead >= 0xE0 && lead < 0xF0 ? 3
                               : lead >= 0xF0 && lead < 0xF5 ? 4
                                                             : 0;
    if (length == 0 || length > text.size())
        return 0;
    for (std::size_t i = 1; i < length; ++i)
        if ((byte(i) & 0xC0) != 0x80)
            return 0;
    // Overlong forms and surrogates are not characters.
    if ((lead == 0xE0 && byte(1) < 0xA0) || (lead == 0xED && byte(1) >= 0xA0) ||
        (lead == 0xF0 && byte(1) < 0x90) || (lead == 0xF4 && byte(1) >= 0x90))
        return 0;
    return length;
}

std::string Echoed(std::string_view typed, std::size_t most) {
    std::string shown;
    for (std::size_t count = 0; !typed.empty(); ++count) {
        if (count == most)
            return shown + "…";
        const std::size_t length = CharacterLength(typed);
        if (length == 0)
            shown += '?';
        else if (length == 1 && (static_cast<unsigned char>(typed[0]) < 0x20 || typed[0] == 0x7F))
            shown += ' ';
        else
            shown += typed.substr(0, length);
        typed.remove_prefix(std::max<std::size_t>(length, 1));
    }
    return shown;
}

std::string Digits(std::uint64_t value) {
    std::array<char, 24> buffer{};
    const auto end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value).ptr;
    return std::string(buffer.data(), end);
}

std::string Grouped(std::uint64_t value) {
    const std::string digits = Digits(value);
    if (digits.size() < 5)
        return digits;
    std::string text;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i != 0 && (digits.size() - i) % 3 == 0)
            text += NoBreakSpace;
        text += digits[i];
    }
    return text;
}

int DigitCount(std::uint64_t value) {
    int count = 1;
    for (; value >= 10; value /= 10)
        ++count;
    return count;
}

std::uint32_t FirstPartial(std::uint32_t a, std::uint32_t b) {
    const std::string digits = Digits(a);
    std::uint32_t partial = 0;
    for (const char c : digits) {
        partial = partial * 10 + static_cast<std::uint32_t>(c - '0');
        if (partial >= b)
            break;
    }
    return partial;
}

std::string DigitsPhrase(std::uint64_t count) {
    const std::uint64_t lastTwo = count % 100;
    const std::uint64_t last = count % 10;
    const char* word = "цифр";
    if (lastTwo < 11 || lastTwo > 14) {
        if (last == 1)
            word = "цифра";
        else if (last >= 2 && last <= 4)
            word = "цифры";
    }
    return Digits(count) + " " + word;
}

std::string Spoken(std::string_view shown) {
    // The signs as they stand between numbers, with the spaces around them.
    static constexpr std::pair<std::string_view, std::string_view> Words[] = {
        {" · ", " умножить на "},
        {" \xE2\x88\x92 ", " минус "},
        {" + ", " плюс "},
        {" = ", " равно "},
        {" : ", " разделить на "},
        {" \xE2\x80\x94 ", ", "}, // a dash between parts of a sentence is a pause
        {"\xC2\xAB", ""},         // « and », which a screen reader names aloud
        {"\xC2\xBB", ""},
    };
    std::string spoken;
    spoken.reserve(shown.size() + 16);
    const auto isDigit = [](char c) { return c >= '0' && c <= '9'; };
    while (!shown.empty()) {
        // "606 459" is one number; "Проверка: " a pause after a word.
        if (shown.starts_with(NoBreakSpace) && !spoken.empty() && isDigit(spoken.back()) &&
            shown.size() > NoBreakSpace.size() && isDigit(shown[NoBreakSpace.size()])) {
            shown.remove_prefix(NoBreakSpace.size());
            continue;
        }
        if (shown.starts_with(": ") && !spoken.empty() && spoken.back() != ' ') {
            spoken += ", ";
            shown.remove_prefix(2);
            continue;
        }
        bool replaced = false;
        for (const auto& [sign, word] : Words) {
            if (shown.starts_with(sign)) {
                spoken += word;
                shown.remove_prefix(sign.size());
                replaced = true;
                break;
            }
        }
        if (!replaced) {
            spoken += shown.front();
            shown.remove_prefix(1);
        }
    }
    return spoken;
}

} // namespace velmorand::practice_detail
