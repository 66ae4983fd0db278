#include "problems.h"

#include "method.h"
#include "numbers.h"

#include <algorithm>
#include <array>

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

// What a level asks of the remainder. Half: exact or not is drawn first, each as likely.
enum class Rest { Any, Exact, NotExact, Half };
// What it asks of the quotient's digits.
enum class Zero { Any, None, Some };
// What it asks of the trial digits, for the quotient digits whose partial dividend is at least
// the divisor: each the rounded divisor's count, at most 9, and right when it is the divisor's.
enum class Trial { Any, AllRight, SomeChanged };

struct LevelRow {
    int FewestDigits; // of the dividend
    int MostDigits;
    std::span<const std::uint32_t> Divisors; // each equally likely
    Rest Remainder;
    int FirstPartialDigits; // 0: any
    Zero Zeros;
    Trial Trials;
    Problem Fallback; // fits the row: for a draw that keeps missing
};

template <std::uint32_t Least, std::uint32_t Most, std::uint32_t Step = 1>
constexpr std::array<std::uint32_t, (Most - Least) / Step + 1> DivisorsFromTo() {
    std::array<std::uint32_t, (Most - Least) / Step + 1> divisors{};
    for (std::size_t i = 0; i < divisors.size(); ++i)
        divisors[i] = Least + static_cast<std::uint32_t>(i) * Step;
    return divisors;
}

constexpr auto OneDigit = DivisorsFromTo<2, 9>();
constexpr auto RoundTens = DivisorsFromTo<20, 90, 10>();
constexpr auto ThreeDigits = DivisorsFromTo<101, 999>();

// The two-digit divisors but the round tens, leaving one out (0: none).
template <std::uint32_t Without = 0> constexpr auto TwoDigitsNotRound() {
    std::array<std::uint32_t, 81 - (Without != 0 ? 1 : 0)> divisors{};
    std::size_t next = 0;
    for (std::uint32_t b = 11; b <= 99; ++b)
        if (b % 10 != 0 && b != Without)
            divisors[next++] = b;
    return divisors;
}

// Those that have a 3-4 digit dividend whose every trial digit is right: all but 15, which
// rounded to 20 gives a right trial digit only for a partial dividend of 20-29 or 40-44, and
// the next partial dividend after those is at least 50. A test finds the list again by going
// through every dividend.
constexpr auto TrialAlwaysRight = TwoDigitsNotRound<15>();
// Those that have a 3-5 digit dividend with a trial digit to change: every one. Ending in 1-4
// they round down and trial too many, ending in 5-9 up and too few, so the level has both.
constexpr auto TrialSometimesWrong = TwoDigitsNotRound();

// Every divisor of levels 1 to 7 and 10 has dividends that fit (level 2's 9 has one: 999).
constexpr LevelRow Levels[LevelCount] = {
    {2, 2, OneDigit, Rest::Exact, 1, Zero::Any, Trial::Any, {84, 4}},
    {3, 3, OneDigit, Rest::Exact, 1, Zero::None, Trial::Any, {684, 2}},
    {3, 3, OneDigit, Rest::Exact, 2, Zero::Any, Trial::Any, {168, 7}},
    {2, 3, OneDigit, Rest::NotExact, 0, Zero::None, Trial::Any, {198, 5}},
    {4, 5, OneDigit, Rest::Any, 0, Zero::None, Trial::Any, {7345, 6}},
    {4, 6, OneDigit, Rest::Half, 0, Zero::Some, Trial::Any, {7240, 8}},
    {3, 5, RoundTens, Rest::Any, 0, Zero::Any, Trial::Any, {7345, 30}},
    {3, 4, TrialAlwaysRight, Rest::Any, 0, Zero::Any, Trial::AllRight, {1748, 42}},
    {3, 5, TrialSometimesWrong, Rest::Any, 0, Zero::Any, Trial::SomeChanged, {4567, 23}},
    {4, 6, ThreeDigits, Rest::Any, 0, Zero::Any, Trial::Any, {98765, 432}},
};
// clang-format on

// What the row asks of the quotient's digits and of the trial digits.
bool FitsDigits(const LevelRow& row, std::uint32_t a, std::uint32_t b) {
    const PartialDividends partials = PartialDividendsOf(a, b);
    if (row.FirstPartialDigits != 0 &&
        practice_detail::DigitCount(partials.Values[0]) != row.FirstPartialDigits)
        return false;
    bool zero = false;
    bool changed = false;
    for (const std::uint32_t partial : partials) {
        if (partial < b)
            zero = true;
        else if (TrialDigit(partial, b) != partial / b)
            changed = true;
    }
    const bool zerosFit = row.Zeros == Zero::Any || zero == (row.Zeros == Zero::Some);
    const bool trialsFit =
        row.Trials == Trial::Any || changed == (row.Trials == Trial::SomeChanged);
    return zerosFit && trialsFit;
}

constexpr std::uint32_t PowerOf10(int exponent) {
    std::uint32_t power = 1;
    for (int i = 0; i < exponent; ++i)
        power *= 10;
    return power;
}

// The fewest dividends a listed divisor has is 1 in 100 of its draws (level 2's 999 : 9 among
// the multiples of 9) or 12 in 9900 (level 8's 16): this many draws all miss with a chance
// below e^-100. The limit only guards against a loop that could never end.
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
    const bool exact =
        row.Remainder == Rest::Exact || (row.Remainder == Rest::Half && draw.Between(0, 1) == 0);
    const bool notExact =
        row.Remainder == Rest::NotExact || (row.Remainder == Rest::Half && !exact);
    // The divisor first, once: drawing it again after a miss would favour the divisors that
    // many dividends fit.
    const std::uint32_t b =
        row.Divisors[draw.Between(0, static_cast<std::uint32_t>(row.Divisors.size() - 1))];
    for (int attempt = 0; attempt < MostDraws; ++attempt) {
        // The dividend's length first, so that short and long dividends both come: drawn
        // over all lengths at once, nine in ten would have the most digits.
        const auto digits =
            static_cast<int>(draw.Between(static_cast<std::uint32_t>(row.FewestDigits),
                                          static_cast<std::uint32_t>(row.MostDigits)));
        const std::uint32_t least = std::max(PowerOf10(digits - 1), b);
        const std::uint32_t most = PowerOf10(digits) - 1;
        if (least > most || (exact && (least + b - 1) / b > most / b))
            continue;
        // An exact dividend is drawn as its quotient, each quotient as likely as each dividend.
        const std::uint32_t a =
            exact ? draw.Between((least + b - 1) / b, most / b) * b : draw.Between(least, most);
        if ((notExact && a % b == 0) || !FitsDigits(row, a, b))
            continue;
        return {a, b};
    }
    return row.Fallback;
}

std::string_view LevelName(int level) {
    static constexpr std::string_view Names[] = {
        // Short enough for the level's list on a phone.
        "двузначное делимое", "трёхзначное делимое",  "берём две цифры", "деление с остатком",
        "длинное делимое",    "нуль в частном",       "круглые десятки", "двузначный делитель",
        "исправляем цифру",   "трёхзначный делитель",
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
    return {row.MostDigits, practice_detail::DigitCount(row.Divisors.back())};
}

std::span<const std::uint32_t> DivisorsOf(int level) {
    return Levels[ClampLevel(level) - 1].Divisors;
}

Problem FallbackOf(int level) { return Levels[ClampLevel(level) - 1].Fallback; }

std::string ProblemText(const Problem& problem) {
    return practice_detail::Grouped(problem.Dividend) + " : " +
           practice_detail::Grouped(problem.Divisor);
}

} // namespace velmorand
