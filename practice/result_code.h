// The code a pupil gives the teacher for a variant or a set: what he did in it, in ten
// characters that are easy to say, write and type, with no name and nothing else about him.
// It carries a fingerprint of the problems, so that the teacher's journal refuses a code from
// other problems, and a check that refuses every code with one character mistyped or two
// neighbouring characters swapped.
#pragma once

#include "mistakes.h"
#include "problems.h"

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace velmorand {

// The mistakes a teacher looks at, each a part of the method.
enum class MistakeGroup {
    FirstAndCount,     // the first partial dividend and the count of the quotient's digits
    DigitAndTrial,     // the quotient digit and the trial digit
    Multiplication,    // the product
    Subtraction,       // the difference
    BringAndZeros,     // bringing a digit down, and the zeros of the quotient
    RemainderAndCheck, // the answer, the remainder and the check
};
inline constexpr int MistakeGroupCount = 6;

// The group a wrong answer counts in; none for a right answer or for one that is no number.
std::optional<MistakeGroup> GroupOf(Mistake mistake);

// "неполное делимое и число цифр", "цифра частного и пробная цифра", "умножение",
// "вычитание", "снос цифр и нули", "остаток и проверка".
std::string_view MistakeGroupName(MistakeGroup group);

// What a pupil did in a variant or a set.
struct WorkDone {
    int Solved = 0;   // problems of it solved
    int FirstTry = 0; // answers right at the first try, in any of its problems
    int Hints = 0;    // hints above the first level taken
    std::array<int, MistakeGroupCount> Mistakes{};

    bool operator==(const WorkDone&) const = default;
};

// The code counts hints and each group's mistakes up to these; more count as these.
inline constexpr int MostCodedHints = 19;
inline constexpr int MostCodedMistakes = 5;

// The ten characters, and how they are shown: three groups, "К7Д-3А9-ХМ2Р".
inline constexpr int CodeLength = 10;
// Digits and the capitals that look like no digit and like no other of them.
inline constexpr std::string_view CodeAlphabet = "0123456789АГДЖКМНПРСТФХ";
inline constexpr int CodeAlphabetSize = 23;

// What the code says of the work; counts beyond what the problems allow are taken as the most
// they allow.
WorkDone CodedWork(std::span<const Problem> problems, WorkDone work);

// The code of the work on these problems, the same on every platform.
std::string ResultCode(std::span<const Problem> problems, const WorkDone& work);

enum class CodeFault { None, Empty, Character, Length, Mistyped, OtherProblems };

struct CodeReading {
    CodeFault Fault = CodeFault::None;
    WorkDone Work{}; // when there is no fault
    // In Russian when there is one. A check that fails cannot tell a typing mistake from a
    // code of other problems, and says both.
    std::string Message{};
};

// A code as the teacher typed it: spaces and dashes anywhere, small letters, and the Latin
// letters that look like the code's own are all read; any text is safe.
CodeReading ReadResultCode(std::span<const Problem> problems, std::string_view typed);

// Whether the character (a digit, a letter, a dash) may stand in a code as typed.
bool IsCodeCharacter(std::string_view character);

// The code worded for a screen reader, one character at a time: "К, 7, Д. 3, А, 9. ...".
std::string SpokenCode(std::string_view code);

} // namespace velmorand
