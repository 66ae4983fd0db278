#include "problem_set.h"

#include "numbers.h"

#include <array>

namespace velmorand {

using practice_detail::Digits;
using practice_detail::ReadTypedNumber;

namespace {

// Each reason follows the line it is about.
constexpr std::string_view NotAProblem =
    "это не пример: нужны делимое, знак деления и делитель, например 7240 : 8";
constexpr std::string_view ByZero = "на ноль делить нельзя";
constexpr std::string_view LongDividend = "в делимом больше 6 цифр";
constexpr std::string_view ShortDividend = "в делимом меньше 2 цифр";
constexpr std::string_view LongDivisor = "в делителе больше 3 цифр";
constexpr std::string_view DivisorOne = "на 1 делить в столбик незачем: делитель от 2 до 999";
constexpr std::string_view LeadingZero = "число не может начинаться с нуля";
constexpr std::string_view SmallDividend = "делимое меньше делителя";
constexpr std::string_view Empty = "Напиши хотя бы один пример, например 7240 : 8.";
constexpr std::string_view NotMade = "Набор не составлен:";

// The signs people divide with: the colon of the school, the slash, ÷ and the ratio sign.
constexpr std::array<std::string_view, 4> Signs = {":", "/", "\xC3\xB7", "\xE2\x88\xB6"};

// A bad line is echoed only this long, so that a pasted page names itself in a few words.
constexpr std::size_t MostEchoed = 24;
// Reasons beyond these are counted, not listed.
constexpr std::size_t MostReasons = 5;

bool IsSeparator(char c) { return c == ',' || c == ';' || c == '\n' || c == '\r'; }

struct Sign {
    std::size_t At = std::string_view::npos;
    std::size_t Size = 0;
    int Count = 0;
};

Sign FindSigns(std::string_view item) {
    Sign found;
    for (std::size_t i = 0; i < item.size(); ++i)
        for (std::string_view sign : Signs)
            if (item.substr(i).starts_with(sign)) {
                if (found.Count++ == 0)
                    found = {i, sign.size(), 1};
                i += sign.size() - 1;
                break;
            }
    return found;
}

bool StartsWithZero(std::string_view typed) { return typed.size() > 1 && typed.front() == '0'; }

// What is wrong with the item, or "" when it is a problem of a set.
std::string_view ReasonAgainst(std::string_view item, Problem& problem) {
    const Sign sign = FindSigns(item);
    if (sign.Count != 1)
        return NotAProblem;
    const auto a = ReadTypedNumber(item.substr(0, sign.At));
    const auto b = ReadTypedNumber(item.substr(sign.At + sign.Size));
    if (!a || !b)
        return NotAProblem;
    if (b->Value == 0)
        return ByZero;
    if (StartsWithZero(a->Typed) || StartsWithZero(b->Typed))
        return LeadingZero;
    const int dividendDigits = practice_detail::DigitCount(a->Value);
    if (dividendDigits > MostSetDividendDigits)
        return LongDividend;
    if (dividendDigits < LeastSetDividendDigits)
        return ShortDividend;
    if (b->Value > MostSetDivisor)
        return LongDivisor;
    if (b->Value < LeastSetDivisor)
        return DivisorOne;
    if (a->Value < b->Value)
        return SmallDividend;
    problem = {static_cast<std::uint32_t>(a->Value), static_cast<std::uint32_t>(b->Value)};
    return {};
}

std::string_view Trimmed(std::string_view text) {
    const auto isSpace = [](char c) { return c == ' ' || c == '\t' || c == '\v' || c == '\f'; };
    while (!text.empty() && isSpace(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isSpace(text.back()))
        text.remove_suffix(1);
    return text;
}

std::string Reason(std::string_view item, std::string_view why) {
    return practice_detail::Echoed(item, MostEchoed) + " — " + std::string(why);
}

std::string ManyProblems() {
    return "Примеров больше " + Digits(MostSetProblems) + ": в наборе их не больше " +
           Digits(MostSetProblems) + ".";
}

std::string MoreReasons(std::size_t more) {
    return "И ещё строк с ошибками: " + Digits(more) + ".";
}

int HexValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

} // namespace

SetReading ReadProblemSet(std::string_view text) {
    SetReading reading;
    std::size_t bad = 0;
    std::size_t good = 0;
    while (!text.empty()) {
        std::size_t end = 0;
        while (end < text.size() && !IsSeparator(text[end]))
            ++end;
        const std::string_view item = Trimmed(text.substr(0, end));
        text.remove_prefix(end < text.size() ? end + 1 : end);
        if (item.empty())
            continue;
        Problem problem;
        const std::string_view why = ReasonAgainst(item, problem);
        if (!why.empty()) {
            if (++bad <= MostReasons)
                reading.Errors.push_back(Reason(item, why));
        } else if (++good <= static_cast<std::size_t>(MostSetProblems)) {
            reading.Problems.push_back(problem);
        }
    }
    if (bad > MostReasons)
        reading.Errors.push_back(MoreReasons(bad - MostReasons));
    if (good > static_cast<std::size_t>(MostSetProblems))
        reading.Errors.push_back(ManyProblems());
    if (good == 0 && bad == 0)
        reading.Errors.emplace_back(Empty);
    if (!reading.Errors.empty())
        reading.Problems.clear();
    return reading;
}

std::string SetErrorText(const SetReading& reading) {
    if (reading.Errors.empty())
        return {};
    std::string text(NotMade);
    for (const std::string& reason : reading.Errors)
        text += "\n" + reason;
    return text;
}

std::string SetText(std::span<const Problem> problems) {
    std::string text;
    for (const Problem& problem : problems) {
        if (!text.empty())
            text += ',';
        text += Digits(problem.Dividend) + ":" + Digits(problem.Divisor);
    }
    return text;
}

std::string SetTextInAddress(std::string_view address) {
    constexpr std::string_view Key = "set=";
    const std::size_t at = address.rfind(Key);
    if (at == std::string_view::npos)
        return std::string(address);
    std::string_view carried = address.substr(at + Key.size());
    carried = carried.substr(0, carried.find('&'));
    std::string text;
    for (std::size_t i = 0; i < carried.size(); ++i) {
        const bool escaped = carried[i] == '%' && i + 2 < carried.size();
        const int high = escaped ? HexValue(carried[i + 1]) : -1;
        const int low = escaped ? HexValue(carried[i + 2]) : -1;
        if (carried[i] == '%' && high >= 0 && low >= 0) {
            text += static_cast<char>(high * 16 + low);
            i += 2;
        } else {
            text += carried[i] == '+' ? ' ' : carried[i];
        }
    }
    return text;
}

std::uint64_t SetFingerprint(std::span<const Problem> problems) {
    // FNV-1a over the set's text: the same bytes, the same number, everywhere.
    std::uint64_t hash = 14695981039346656037ull;
    for (const char c : SetText(problems)) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 1099511628211ull;
    }
    return hash;
}

} // namespace velmorand
