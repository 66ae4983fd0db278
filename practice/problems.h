// The practice problems: for a level and a variant, the same sequence of divisions on every
// platform, drawn from a generator written out here rather than the standard library's
// distributions, which differ between libstdc++ and libc++.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace velmorand {

inline constexpr int LevelCount = 8;
inline constexpr int MostVariant = 999999;

struct Problem {
    std::uint32_t Dividend = 0;
    std::uint32_t Divisor = 0;

    bool operator==(const Problem&) const = default;
};

// Levels and variants out of their ranges are taken as the nearest one in range.
int ClampLevel(int level);
int ClampVariant(int variant);

// The problem at index 0, 1, 2 ... of a level and variant. Every problem has a dividend at
// least as large as its divisor and fits its level:
// A 0 among the quotient's digits is level 5's lesson: levels 1 to 4 have none, and level 5
// divides exactly, as in 7240 : 8.
//   1  a of 2 digits, b 2-9, exact, the first partial dividend one digit
//   2  a of 3 digits, b 2-9, exact, the first partial dividend one digit
//   3  a of 3 digits, b 2-9, exact, the first partial dividend two digits
//   4  a of 2-3 digits, b 2-9, a remainder
//   5  a of 4-6 digits, b 2-9, a 0 among the quotient's digits
//   6  a of 3-5 digits, b 10, 20 ... 90, any remainder
//   7  a of 3-4 digits, b 11-99 and no multiple of 10, any remainder
//   8  a of 4-6 digits, b 101-999, any remainder
Problem GenerateProblem(int level, int variant, int index);

// The most digits a level's dividends and divisors have: what its largest column needs.
struct LevelDigits {
    int Dividend = 0;
    int Divisor = 0;
};
LevelDigits MostDigitsOf(int level);

// A level's short name, the same in the window and on the sheets: "нуль в частном".
std::string_view LevelName(int level);
// "6: нуль в частном", as the level's choice lists it beside the label «Уровень».
std::string LevelChoiceText(int level);
// "Уровень 6: нуль в частном".
std::string LevelTitle(int level);

// "7240 : 8".
std::string ProblemText(const Problem& problem);

} // namespace velmorand
