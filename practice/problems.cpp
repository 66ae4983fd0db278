#include "problems.h"

#include "numbers.h"

#include <algorithm>

namespace velmorand {

namespace {

// SplitMix64: a tiny generator whose every step is plain 64-bit arithmetic, so that the
// same seed gives the same numbers with every compiler and standard library.
class SplitMix64 {
public:
    explicit SplitMix64(std::uint64_t seed) : state_(Mix(seed)) {}

    std::uint64_t Next() {
        state_ += 0x9E3779B97F4A7C15u;
        return Mix(state_);
    }

    // Uniform in [low, high]: values below the threshold are drawn again, so that every
    // number is equally likely (a plain % would favour the small ones).
    std::uint32_t Between(std::uint32_t low, std::uint32_t high) {
        const std::uint64_t span = std::uint64_t{high} - low + 1;
        const std::uint64_t threshold = (0 - span) % span; // 2^64 mod span
        std::uint64_t drawn = Next();
        while (drawn < threshold)
            drawn = Next();
        return low + static_cast<std::uint32_t>(drawn % span);
    }

private:
    static std::uint64_t Mix(std::uint64_t z) {
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9u;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBu;
        return z ^ (z >> 31);
    }

    std::uint64_t state_;
};

bool QuotientHasZero(std::uint32_t a, std::uint32_t b) {
    return practice_detail::Digits(a / b).find('0') != std::string::npos;
}

bool NoZeroInQuotient(std::uint32_t a, std::uint32_t b) { return !QuotientHasZero(a, b); }
bool Exact(std::uint32_t a, std::uint32_t b) { return a % b == 0; }
bool OneDigitFirst(std::uint32_t a, std::uint32_t b) {
    return practice_detail::FirstPartial(a, b) < 10;
}

// What a level asks of a drawn pair beyond the digits of a and the range of b.
// A 0 in the quotient is level 5's lesson: the levels before it keep clear of one.
bool FitsLevel1(std::uint32_t a, std::uint32_t b) {
    return Exact(a, b) && OneDigitFirst(a, b) && NoZeroInQuotient(a, b);
}
bool FitsLevel3(std::uint32_t a, std::uint32_t b) {
    return Exact(a, b) && !OneDigitFirst(a, b) && NoZeroInQuotient(a, b);
}
bool FitsLevel4(std::uint32_t a, std::uint32_t b) { return !Exact(a, b) && NoZeroInQuotient(a, b); }
bool FitsLevel5(std::uint32_t a, std::uint32_t b) { return Exact(a, b) && QuotientHasZero(a, b); }
bool AnyPair(std::uint32_t, std::uint32_t) { return true; }
bool NoMultipleOf10(std::uint32_t, std::uint32_t b) { return b % 10 != 0; }

struct LevelRow {
    int FewestDigits; // of a
    int MostDigits;
    std::uint32_t LeastDivisor; // b is drawn from LeastDivisor ... MostDivisor, times Step
    std::uint32_t MostDivisor;
    std::uint32_t Step;
    bool (*Fits)(std::uint32_t a, std::uint32_t b);
    Problem Fallback; // a problem of the level, for a draw that keeps missing
};

// clang-format off
constexpr LevelRow Levels[LevelCount] = {
    {2, 2, 2, 9, 1, FitsLevel1, {84, 4}},
    {3, 3, 2, 9, 1, FitsLevel1, {684, 2}},
    {3, 3, 2, 9, 1, FitsLevel3, {168, 7}},
    {2, 3, 2, 9, 1, FitsLevel4, {198, 5}},
    {4, 6, 2, 9, 1, FitsLevel5, {7240, 8}},
    {3, 5, 1, 9, 10, AnyPair, {7345, 30}},
    {3, 4, 11, 99, 1, NoMultipleOf10, {4567, 23}},
    {4, 6, 101, 999, 1, AnyPair, {98765, 432}},
};
// clang-format on

constexpr std::uint32_t PowerOf10(int exponent) {
    std::uint32_t power = 1;
    for (int i = 0; i < exponent; ++i)
        power *= 10;
    return power;
}

// Every row is met by a good share of the draws; the limit only guards against a loop
// that could never end.
constexpr int MostDraws = 100000;

} // namespace

int ClampLevel(int level) { return std::clamp(level, 1, LevelCount); }
int ClampVariant(int variant) { return std::clamp(variant, 1, MostVariant); }

Problem GenerateProblem(int level, int variant, int index) {
    level = ClampLevel(level);
    variant = ClampVariant(variant);
    // Each problem has a seed of its own, so that problem 7 is the same whether or not
    // problems 0 to 6 were drawn first.
    const std::uint64_t seed = (std::uint64_t(level) << 56) ^ (std::uint64_t(variant) << 32) ^
                               std::uint64_t(static_cast<std::uint32_t>(std::max(index, 0)));
    SplitMix64 draw(seed);
    const LevelRow& row = Levels[level - 1];
    for (int attempt = 0; attempt < MostDraws; ++attempt) {
        const int digits =
            static_cast<int>(draw.Between(static_cast<std::uint32_t>(row.FewestDigits),
                                          static_cast<std::uint32_t>(row.MostDigits)));
        const std::uint32_t a = draw.Between(PowerOf10(digits - 1), PowerOf10(digits) - 1);
        const std::uint32_t b = draw.Between(row.LeastDivisor, row.MostDivisor) * row.Step;
        if (a >= b && row.Fits(a, b))
            return {a, b};
    }
    return row.Fallback;
}

std::string_view LevelName(int level) {
    static constexpr std::string_view Names[] = {
        "двузначное делимое",   "трёхзначное делимое",  "неполное делимое из двух цифр",
        "деление с остатком",   "многозначное делимое", "нуль в частном",
        "круглые десятки",      "двузначный делитель",  "поправка пробной цифры",
        "трёхзначный делитель",
    };
    return Names[static_cast<std::size_t>(ClampLevel(level) - 1) % std::size(Names)];
}

std::string LevelChoiceText(int level) {
    return practice_detail::Digits(static_cast<std::uint64_t>(ClampLevel(level))) + ": " +
           std::string(LevelName(level));
}

std::string LevelTitle(int level) { return "Уровень " + LevelChoiceText(level); }

LevelDigits MostDigitsOf(int level) {
    const LevelRow& row = Levels[ClampLevel(level) - 1];
    return {row.MostDigits, practice_detail::DigitCount(row.MostDivisor * row.Step)};
}

std::string ProblemText(const Problem& problem) {
    return practice_detail::Digits(problem.Dividend) + " : " +
           practice_detail::Digits(problem.Divisor);
}

} // namespace velmorand
