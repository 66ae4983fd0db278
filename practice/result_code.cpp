#include "result_code.h"

#include "numbers.h"
#include "problem_set.h"
#include "steps.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace velmorand {

using practice_detail::Digits;

namespace {

using G = MistakeGroup;
using M = Mistake;

// clang-format off
struct GroupRow {
    Mistake Kind;
    MistakeGroup Group;
};
constexpr GroupRow Groups[] = {
    {M::FirstTooSmall, G::FirstAndCount},  {M::FirstTooLong, G::FirstAndCount},
    {M::First, G::FirstAndCount},          {M::Count, G::FirstAndCount},
    {M::CountDividend, G::FirstAndCount},
    {M::Round, G::DigitAndTrial},          {M::Trial, G::DigitAndTrial},
    {M::OneDigit, G::DigitAndTrial},       {M::DigitTooBig, G::DigitAndTrial},
    {M::DigitTooSmall, G::DigitAndTrial},
    {M::Product, G::Multiplication},
    {M::Difference, G::Subtraction},
    {M::Bring, G::BringAndZeros},          {M::BringForgot, G::BringAndZeros},
    {M::BringWrong, G::BringAndZeros},     {M::ZeroSkipped, G::BringAndZeros},
    {M::ZeroMissing, G::BringAndZeros},
    {M::Quotient, G::RemainderAndCheck},   {M::RemainderTooBig, G::RemainderAndCheck},
    {M::Remainder, G::RemainderAndCheck},  {M::CheckProduct, G::RemainderAndCheck},
    {M::CheckSum, G::RemainderAndCheck},
};

constexpr std::string_view GroupNames[MistakeGroupCount] = {
    "неполное делимое и число цифр", "цифра частного и пробная цифра", "умножение",
    "вычитание", "снос цифр и нули", "остаток и проверка",
};

// What the teacher may type for each character of the code: its own capital and small letter,
// and what looks like it: Latin letters, and letters that look like digits.
struct Written {
    std::string_view Text;
    int Value;
};
constexpr Written Readings[] = {
    {"А", 10}, {"а", 10}, {"A", 10}, {"a", 10},
    {"Г", 11}, {"г", 11},
    {"Д", 12}, {"д", 12},
    {"Ж", 13}, {"ж", 13},
    {"К", 14}, {"к", 14}, {"K", 14}, {"k", 14},
    {"М", 15}, {"м", 15}, {"M", 15}, {"m", 15},
    {"Н", 16}, {"н", 16}, {"H", 16}, {"h", 16},
    {"П", 17}, {"п", 17},
    {"Р", 18}, {"р", 18}, {"P", 18}, {"p", 18},
    {"С", 19}, {"с", 19}, {"C", 19}, {"c", 19},
    {"Т", 20}, {"т", 20}, {"T", 20}, {"t", 20},
    {"Ф", 21}, {"ф", 21},
    {"Х", 22}, {"х", 22}, {"X", 22}, {"x", 22},
    {"О", 0}, {"о", 0}, {"O", 0}, {"o", 0},
    {"I", 1}, {"l", 1},
    {"З", 3}, {"з", 3},
    {"Ч", 4}, {"ч", 4},
    {"Б", 6}, {"б", 6},
    {"В", 8}, {"в", 8}, {"B", 8},
};
// Passed over wherever they stand: the groups' dashes and spaces, and what looks like them.
constexpr std::string_view Separators[] = {" ", "-", "\t", "\xC2\xA0", "–", "—", "−", "_"};
// clang-format on

constexpr int PayloadLength = CodeLength - 1;
constexpr int CheckWeightOfLast = CodeLength; // the check's weights are 1 ... CodeLength

constexpr std::uint64_t Power(std::uint64_t base, int exponent) {
    std::uint64_t result = 1;
    for (int i = 0; i < exponent; ++i)
        result *= base;
    return result;
}
// How many different codes there are before the check.
constexpr std::uint64_t Codes = Power(CodeAlphabetSize, PayloadLength);

std::vector<std::string_view> AlphabetCharacters() {
    std::vector<std::string_view> characters;
    for (std::string_view rest = CodeAlphabet; !rest.empty();) {
        const std::size_t length = static_cast<unsigned char>(rest.front()) < 0x80 ? 1 : 2;
        characters.push_back(rest.substr(0, length));
        rest.remove_prefix(length);
    }
    return characters;
}

const std::vector<std::string_view>& Alphabet() {
    static const std::vector<std::string_view> characters = AlphabetCharacters();
    return characters;
}

// The mixed radices the work is written in, and their product: how many works the problems
// allow.
struct Radices {
    std::array<std::uint64_t, 3 + MistakeGroupCount> Of{};
    std::uint64_t Product = 1;
};

int AnswersIn(std::span<const Problem> problems) {
    int answers = 0;
    for (const Problem& problem : problems)
        answers += static_cast<int>(SolutionSteps(problem).size()) - 1;
    return answers;
}

Radices RadicesOf(std::span<const Problem> problems) {
    Radices radices;
    radices.Of[0] = problems.size() + 1;
    radices.Of[1] = static_cast<std::uint64_t>(AnswersIn(problems)) + 1;
    radices.Of[2] = MostCodedHints + 1;
    for (int group = 0; group < MistakeGroupCount; ++group)
        radices.Of[3 + group] = MostCodedMistakes + 1;
    for (const std::uint64_t radix : radices.Of)
        radices.Product *= radix;
    return radices;
}

std::array<std::uint64_t, 3 + MistakeGroupCount> Fields(const WorkDone& work) {
    std::array<std::uint64_t, 3 + MistakeGroupCount> fields{};
    fields[0] = static_cast<std::uint64_t>(work.Solved);
    fields[1] = static_cast<std::uint64_t>(work.FirstTry);
    fields[2] = static_cast<std::uint64_t>(work.Hints);
    for (int group = 0; group < MistakeGroupCount; ++group)
        fields[3 + group] = static_cast<std::uint64_t>(work.Mistakes[group]);
    return fields;
}

// The code's characters as numbers: the work, moved by the problems' fingerprint so that the
// same work on other problems reads as another number, then the check. The check makes the
// weighted sum of all ten characters, with the fingerprint's own share, a multiple of the
// alphabet's size, which is prime: one changed character or two swapped neighbours always
// change the sum, and a code of other problems misses it but by chance.
int CheckOf(std::span<const int> payload, std::uint64_t fingerprint) {
    int sum = static_cast<int>(fingerprint % CodeAlphabetSize);
    for (std::size_t i = 0; i < payload.size(); ++i)
        sum += static_cast<int>(i + 1) * payload[i];
    int inverse = 1; // of the last character's weight
    while ((inverse * CheckWeightOfLast) % CodeAlphabetSize != 1)
        ++inverse;
    return ((CodeAlphabetSize - sum % CodeAlphabetSize) * inverse) % CodeAlphabetSize;
}

std::optional<int> ValueOf(std::string_view& rest) {
    if (rest.front() >= '0' && rest.front() <= '9') {
        const int value = rest.front() - '0';
        rest.remove_prefix(1);
        return value;
    }
    for (const Written& written : Readings)
        if (rest.starts_with(written.Text)) {
            rest.remove_prefix(written.Text.size());
            return written.Value;
        }
    return std::nullopt;
}

bool SkipSeparator(std::string_view& rest) {
    for (std::string_view separator : Separators)
        if (rest.starts_with(separator)) {
            rest.remove_prefix(separator.size());
            return true;
        }
    return false;
}

CodeReading Fault(CodeFault fault, std::string message) {
    return {.Fault = fault, .Message = std::move(message)};
}

std::string LettersList() {
    std::string letters;
    for (std::size_t i = 10; i < Alphabet().size(); ++i)
        letters += std::string(i > 10 ? " " : "") + std::string(Alphabet()[i]);
    return letters;
}

std::string CountPhrase(std::size_t count) {
    const std::size_t tens = count % 100;
    const std::size_t ones = count % 10;
    const char* word = tens >= 11 && tens <= 14 ? "знаков"
                       : ones == 1              ? "знак"
                       : ones >= 2 && ones <= 4 ? "знака"
                                                : "знаков";
    return Digits(count) + " " + word;
}

} // namespace

std::optional<MistakeGroup> GroupOf(Mistake mistake) {
    for (const GroupRow& row : Groups)
        if (row.Kind == mistake)
            return row.Group;
    return std::nullopt;
}

std::string_view MistakeGroupName(MistakeGroup group) {
    return GroupNames[static_cast<int>(group)];
}

WorkDone CodedWork(std::span<const Problem> problems, WorkDone work) {
    const Radices radices = RadicesOf(problems);
    const auto fit = [](int count, std::uint64_t radix) {
        return std::clamp(count, 0, static_cast<int>(radix - 1));
    };
    work.Solved = fit(work.Solved, radices.Of[0]);
    work.FirstTry = fit(work.FirstTry, radices.Of[1]);
    work.Hints = fit(work.Hints, radices.Of[2]);
    for (int group = 0; group < MistakeGroupCount; ++group)
        work.Mistakes[group] = fit(work.Mistakes[group], radices.Of[3 + group]);
    return work;
}

std::string ResultCode(std::span<const Problem> problems, const WorkDone& work) {
    const Radices radices = RadicesOf(problems);
    const auto fields = Fields(CodedWork(problems, work));
    std::uint64_t number = 0;
    for (std::size_t i = 0; i < fields.size(); ++i)
        number = number * radices.Of[i] + fields[i];
    number = (number % Codes + SetFingerprint(problems) % Codes) % Codes;
    std::array<int, CodeLength> values{};
    for (int i = PayloadLength - 1; i >= 0; --i, number /= CodeAlphabetSize)
        values[static_cast<std::size_t>(i)] = static_cast<int>(number % CodeAlphabetSize);
    values[PayloadLength] =
        CheckOf(std::span<const int>(values.data(), PayloadLength), SetFingerprint(problems));
    std::string code;
    for (int i = 0; i < CodeLength; ++i) {
        if (i == 3 || i == 6)
            code += '-';
        code += Alphabet()[static_cast<std::size_t>(values[static_cast<std::size_t>(i)])];
    }
    return code;
}

CodeReading ReadResultCode(std::span<const Problem> problems, std::string_view typed) {
    std::vector<int> values;
    for (std::string_view rest = typed; !rest.empty();) {
        if (SkipSeparator(rest))
            continue;
        const std::optional<int> value = ValueOf(rest);
        if (!value)
            return Fault(CodeFault::Character,
                         "В коде есть знак «" + practice_detail::Echoed(rest, 1) +
                             "», а в кодах только цифры и буквы " + LettersList() + ".");
        values.push_back(*value);
    }
    if (values.empty())
        return Fault(CodeFault::Empty, "Код не написан.");
    if (values.size() != static_cast<std::size_t>(CodeLength))
        return Fault(CodeFault::Length, "В коде " + CountPhrase(CodeLength) + ", а здесь " +
                                            CountPhrase(values.size()) + ".");
    if (CheckOf(std::span<const int>(values.data(), PayloadLength), SetFingerprint(problems)) !=
        values[PayloadLength])
        return Fault(CodeFault::Mistyped,
                     "В коде ошибка, или он от другого варианта: проверь каждый знак.");
    std::uint64_t number = 0;
    for (int i = 0; i < PayloadLength; ++i)
        number = number * CodeAlphabetSize +
                 static_cast<std::uint64_t>(values[static_cast<std::size_t>(i)]);
    number = (number + Codes - SetFingerprint(problems) % Codes) % Codes;
    const Radices radices = RadicesOf(problems);
    if (number >= radices.Product)
        return Fault(CodeFault::OtherProblems, "Это код другого варианта или набора.");
    std::array<std::uint64_t, 3 + MistakeGroupCount> fields{};
    for (std::size_t i = fields.size(); i-- > 0; number /= radices.Of[i])
        fields[i] = number % radices.Of[i];
    CodeReading reading;
    reading.Work.Solved = static_cast<int>(fields[0]);
    reading.Work.FirstTry = static_cast<int>(fields[1]);
    reading.Work.Hints = static_cast<int>(fields[2]);
    for (int group = 0; group < MistakeGroupCount; ++group)
        reading.Work.Mistakes[group] = static_cast<int>(fields[3 + group]);
    return reading;
}

bool IsCodeCharacter(std::string_view character) {
    std::string_view rest = character;
    if (rest.empty())
        return false;
    if (SkipSeparator(rest) || ValueOf(rest))
        return rest.empty();
    return false;
}

std::string SpokenCode(std::string_view code) {
    std::string spoken;
    std::string_view separator;
    for (std::string_view rest = code; !rest.empty();) {
        if (rest.front() == '-') {
            separator = ". ";
            rest.remove_prefix(1);
            continue;
        }
        // A code typed by hand may hold any character: each is said whole.
        const std::size_t length = std::max<std::size_t>(practice_detail::CharacterLength(rest), 1);
        spoken +=
            std::string(spoken.empty() ? "" : separator) + std::string(rest.substr(0, length));
        separator = ", ";
        rest.remove_prefix(std::min(length, rest.size()));
    }
    return spoken.empty() ? spoken : spoken + ".";
}

} // namespace velmorand
