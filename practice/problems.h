// The practice problems: for a level and a variant, the same sequence of divisions on every
// platform, drawn from a generator written out here rather than the standard library's
// distributions, which differ between libstdc++ and libc++.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace velmorand {

inline constexpr int LevelCount = 10;
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
// least as large as its divisor and fits its level's row:
//   level  dividend    divisor                 quotient and remainder
//    1     2 digits    2-9                     exact; the first partial dividend one digit
//    2     3 digits    2-9                     exact; the first partial dividend one digit;
//                                              no 0 in the quotient
//    3     3 digits    2-9                     exact; the first partial dividend two digits
//    4     2-3 digits  2-9                     a remainder; no 0 in the quotient
//    5     4-5 digits  2-9                     no 0 in the quotient
//    6     4-6 digits  2-9                     a 0 in the quotient; exact in half the problems
//    7     3-5 digits  20, 30 ... 90
//    8     3-4 digits  11-99, no multiple of 10  every trial digit right
//    9     3-5 digits  11-99, no multiple of 10  a trial digit to change
//   10     4-6 digits  101-999
// The divisor is drawn first, each of the level's equally likely, then the dividend's length,
// then a dividend of that length, each that fits equally likely: a level's problems lean
// neither to the small divisors nor to the longest dividends, of which there are the most.
Problem GenerateProblem(int level, int variant, int index);

// The most digits a level's dividends and divisors have: what its largest column needs.
struct LevelDigits {
    int Dividend = 0;
    int Divisor = 0;
};
LevelDigits MostDigitsOf(int level);

// The divisors a level draws from, the smallest first: those of its row that have a dividend
// fitting it (level 8 has no 15: every 3-4 digit dividend has a trial digit to change).
std::span<const std::uint32_t> DivisorsOf(int level);

// The problem a level gives should every draw of a dividend miss, which the level's row makes
// next to impossible; it fits the row like any other.
Problem FallbackOf(int level);

// A level's short name, the same in the window and on the sheets: "нуль в частном".
std::string_view LevelName(int level);
// "6: нуль в частном", as the level's choice lists it beside the label «Уровень».
std::string LevelChoiceText(int level);
// "Уровень 6: нуль в частном".
std::string LevelTitle(int level);

// "7240 : 8", "606 459 : 3" with a no-break space between the classes.
std::string ProblemText(const Problem& problem);

} // namespace velmorand
