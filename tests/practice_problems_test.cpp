// The problems of each level and variant: what every level asks of them, that each divisor of a
// level comes as often as the others, and that the same level and variant give the same
// problems everywhere.
#include "practice/method.h"
#include "practice/numbers.h"
#include "practice/problems.h"
#include "practice/session.h"
#include "practice_test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <span>
#include <string>
#include <tuple>
#include <vector>

namespace velmorand {
namespace {

int DigitsOf(std::uint32_t value) { return static_cast<int>(std::to_string(value).size()); }

std::uint32_t PowerOf10(int exponent) { return exponent == 0 ? 1 : 10 * PowerOf10(exponent - 1); }

TEST(PracticeProblems, PartialDividendsAreTheColumnsOnesWorkedByHand) {
    struct Row {
        Problem Division;
        std::vector<std::uint32_t> Partials;
    };
    const Row Table[] = {
        {{7240, 8}, {72, 4, 40}},
        {{4567, 23}, {45, 226, 197}},
        {{1000, 9}, {10, 10, 10}},
        {{100, 7}, {10, 30}},
        {{84, 4}, {8, 4}},
        {{5, 7}, {5}},
        {{0, 3}, {0}},
        {{4294967295u, 65536}, {429496, 362807, 351272, 235929, 393215}},
        {{999999, 999}, {999, 9, 99, 999}},
        {{12, 0}, {}},
    };
    for (const Row& row : Table) {
        const PartialDividends walked =
            PartialDividendsOf(row.Division.Dividend, row.Division.Divisor);
        EXPECT_EQ(std::vector<std::uint32_t>(walked.begin(), walked.end()), row.Partials)
            << ProblemText(row.Division);
    }
}

// What the column of a problem shows, with the method's trial digit for each quotient digit
// whose partial dividend is at least the divisor.
struct Walk {
    int FirstPartialDigits = 0;
    bool ZeroInQuotient = false;
    bool ZeroBroughtDown = false; // a partial dividend of 0: the dividend's 0 on no remainder
    int TooBig = 0;               // trial digits larger than the quotient's digit
    int TooSmall = 0;
};

Walk WalkOf(const Problem& p) {
    Walk walk;
    const PartialDividends partials = PartialDividendsOf(p.Dividend, p.Divisor);
    walk.FirstPartialDigits = DigitsOf(partials.Values[0]);
    for (const std::uint32_t partial : partials) {
        if (partial < p.Divisor) {
            walk.ZeroInQuotient = true;
            walk.ZeroBroughtDown |= partial == 0;
            continue;
        }
        const std::uint32_t trial = TrialDigit(partial, p.Divisor);
        walk.TooBig += trial > partial / p.Divisor;
        walk.TooSmall += trial < partial / p.Divisor;
    }
    return walk;
}

enum class Rest { Any, Exact, NotExact };
enum class Zero { Any, None, Some };
enum class Trial { Any, AllRight, SomeChanged };

// Each level's row, written out again from the levels' description.
struct LevelRule {
    int Level;
    int FewestDigits, MostDigits; // of a
    std::uint32_t LeastDivisor, MostDivisor;
    std::uint32_t Tens; // b a multiple of 10 (10), no multiple of 10 (1), either (0)
    Rest Remainder;
    int FirstPartialDigits; // 0: any
    Zero Zeros;
    Trial Trials;
};

// clang-format off
constexpr LevelRule Rules[] = {
    {1, 2, 2, 2, 9, 0, Rest::Exact, 1, Zero::Any, Trial::Any},
    {2, 3, 3, 2, 9, 0, Rest::Exact, 1, Zero::None, Trial::Any},
    {3, 3, 3, 2, 9, 0, Rest::Exact, 2, Zero::Any, Trial::Any},
    {4, 2, 3, 2, 9, 0, Rest::NotExact, 0, Zero::None, Trial::Any},
    {5, 4, 5, 2, 9, 0, Rest::Any, 0, Zero::None, Trial::Any},
    {6, 4, 6, 2, 9, 0, Rest::Any, 0, Zero::Some, Trial::Any},
    {7, 3, 5, 20, 90, 10, Rest::Any, 0, Zero::Any, Trial::Any},
    {8, 3, 4, 11, 99, 1, Rest::Any, 0, Zero::Any, Trial::AllRight},
    {9, 3, 5, 11, 99, 1, Rest::Any, 0, Zero::Any, Trial::SomeChanged},
    {10, 4, 6, 101, 999, 0, Rest::Any, 0, Zero::Any, Trial::Any},
};
// clang-format on

bool DivisorInRow(const LevelRule& rule, std::uint32_t b) {
    return b >= rule.LeastDivisor && b <= rule.MostDivisor &&
           (rule.Tens == 0 || (b % 10 == 0) == (rule.Tens == 10));
}

// What of the row the problem breaks, "" when it fits.
std::string Misfit(const LevelRule& rule, const Problem& p) {
    if (!DivisorInRow(rule, p.Divisor))
        return "the divisor";
    if (p.Dividend < p.Divisor)
        return "a dividend below the divisor";
    if (DigitsOf(p.Dividend) < rule.FewestDigits || DigitsOf(p.Dividend) > rule.MostDigits)
        return "the dividend's digits";
    if (rule.Remainder != Rest::Any &&
        (p.Dividend % p.Divisor == 0) != (rule.Remainder == Rest::Exact))
        return "the remainder";
    const Walk walk = WalkOf(p);
    if (rule.FirstPartialDigits != 0 && walk.FirstPartialDigits != rule.FirstPartialDigits)
        return "the first partial dividend";
    if (rule.Zeros != Zero::Any && walk.ZeroInQuotient != (rule.Zeros == Zero::Some))
        return "the quotient's zeros";
    if (rule.Trials != Trial::Any &&
        (walk.TooBig + walk.TooSmall > 0) != (rule.Trials == Trial::SomeChanged))
        return "the trial digits";
    return "";
}

std::string Named(const Problem& p, int variant, int index) {
    return ProblemText(p) + " (variant " + std::to_string(variant) + ", problem " +
           std::to_string(index) + ")";
}

void PrintTo(const LevelRule& rule, std::ostream* out) { *out << "level " << rule.Level; }

class EveryLevel : public testing::TestWithParam<LevelRule> {};

TEST_P(EveryLevel, FitsItsRowForManyVariants) {
    const LevelRule& rule = GetParam();
    const auto expectFits = [&](int variant, int index) {
        const Problem p = GenerateProblem(rule.Level, variant, index);
        EXPECT_EQ(Misfit(rule, p), "") << Named(p, variant, index);
    };
    for (int variant = 1; variant <= 2000; ++variant)
        for (int index = 0; index < 5; ++index)
            expectFits(variant, index);
    for (const int variant : {MostVariant - 1, MostVariant})
        for (const int index : {0, 1000, 1 << 30})
            expectFits(variant, index);
    EXPECT_EQ(Misfit(rule, FallbackOf(rule.Level)), "") << "the fallback";
}

// The paper is as large as the level's largest column.
TEST_P(EveryLevel, MostDigitsAreTheRowsLargest) {
    const LevelRule& rule = GetParam();
    EXPECT_EQ(MostDigitsOf(rule.Level).Dividend, rule.MostDigits);
    EXPECT_EQ(MostDigitsOf(rule.Level).Divisor, DigitsOf(rule.MostDivisor));
}

// The divisors a level draws from are those of its row with a dividend that fits, found here
// by going through the dividends until one fits.
TEST_P(EveryLevel, DrawsFromTheDivisorsThatHaveDividends) {
    const LevelRule& rule = GetParam();
    std::vector<std::uint32_t> found;
    for (std::uint32_t b = rule.LeastDivisor; b <= rule.MostDivisor; ++b) {
        if (!DivisorInRow(rule, b))
            continue;
        for (std::uint32_t a = PowerOf10(rule.FewestDigits - 1); a < PowerOf10(rule.MostDigits);
             ++a)
            if (Misfit(rule, {a, b}).empty()) {
                found.push_back(b);
                break;
            }
    }
    const std::span<const std::uint32_t> drawn = DivisorsOf(rule.Level);
    EXPECT_EQ(std::vector<std::uint32_t>(drawn.begin(), drawn.end()), found);
}

// Every divisor comes about as often as every other, however few dividends it has: 300
// problems a divisor on average, each within a third of that.
TEST_P(EveryLevel, DivisorsComeEvenly) {
    const LevelRule& rule = GetParam();
    const std::span<const std::uint32_t> divisors = DivisorsOf(rule.Level);
    const int draws = 300 * static_cast<int>(divisors.size());
    std::map<std::uint32_t, int> seen;
    for (int i = 0; i < draws; ++i)
        ++seen[GenerateProblem(rule.Level, i / 10 + 1, i % 10).Divisor];
    for (const std::uint32_t b : divisors) {
        EXPECT_GE(seen[b], 200) << "divisor " << b;
        EXPECT_LE(seen[b], 400) << "divisor " << b;
    }
}

// Not the same few problems over and over: a level's first problems across variants vary.
TEST_P(EveryLevel, VariantsGiveDifferentProblems) {
    std::set<std::tuple<std::uint32_t, std::uint32_t>> seen;
    for (int variant = 1; variant <= 200; ++variant) {
        const Problem p = GenerateProblem(GetParam().Level, variant, 0);
        seen.emplace(p.Dividend, p.Divisor);
    }
    EXPECT_GE(seen.size(), 20u);
}

// The method solves every problem: each step answered right leads to Done, and the quotient
// and remainder it asks for divide a exactly.
TEST_P(EveryLevel, TheMethodSolvesEveryProblem) {
    const int level = GetParam().Level;
    for (int variant = 1; variant <= 300; ++variant) {
        PracticeSession session = StartPractice(level, variant, Progress{});
        for (int index = 0; index < 5; ++index) {
            const Problem p = session.Current;
            SCOPED_TRACE(ProblemText(p));
            testing_support::AnswerAll(session);
            ASSERT_EQ(session.Steps[session.StepIndex].Kind, StepKind::Done);
            std::uint32_t quotient = 0;
            std::uint32_t remainder = 0;
            for (const Step& step : session.Steps) {
                if (step.Kind == StepKind::Quotient)
                    quotient = step.Answer;
                if (step.Kind == StepKind::Remainder)
                    remainder = step.Answer;
            }
            EXPECT_EQ(std::uint64_t{quotient} * p.Divisor + remainder, p.Dividend);
            EXPECT_LT(remainder, p.Divisor);
            NextProblem(session);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Practice, EveryLevel, testing::ValuesIn(Rules), [](const auto& info) {
    return "Level" + std::to_string(info.param.Level);
});

// How many problems a row allows, as the levels' description counts them, and how many of
// them a few thousand draws reach.
TEST(PracticeProblems, TheDrawReachesTheRowsProblems) {
    struct Count {
        int Level;
        std::uint32_t Divisor; // 0: all of the level's
        int Problems;
        int Draws;   // 0: none
        int Reached; // at least
    };
    const Count Table[] = {
        {1, 0, 106, 5000, 100}, {8, 15, 0, 0, 0}, {8, 16, 12, 0, 0}, {8, 25, 45, 0, 0}};
    for (const Count& count : Table) {
        const LevelRule& rule = Rules[count.Level - 1];
        const std::uint32_t least = count.Divisor == 0 ? rule.LeastDivisor : count.Divisor;
        const std::uint32_t most = count.Divisor == 0 ? rule.MostDivisor : count.Divisor;
        int problems = 0;
        for (std::uint32_t b = least; b <= most; ++b)
            for (std::uint32_t a = 1; a < PowerOf10(rule.MostDigits); ++a)
                problems += Misfit(rule, {a, b}).empty();
        EXPECT_EQ(problems, count.Problems)
            << "level " << count.Level << " divisor " << count.Divisor;
        std::set<std::tuple<std::uint32_t, std::uint32_t>> seen;
        for (int i = 0; i < count.Draws; ++i) {
            const Problem p = GenerateProblem(count.Level, i / 5 + 1, i % 5);
            seen.emplace(p.Dividend, p.Divisor);
        }
        EXPECT_GE(static_cast<int>(seen.size()), count.Reached) << "level " << count.Level;
    }
}

// Level 9's trial digits: too big where the divisor rounds down (83 → 80), too small where it
// rounds up (37 → 40), and each kind in a good share of the problems.
TEST(PracticeProblems, Level9HasTrialDigitsTooBigAndTooSmall) {
    const int draws = 4000;
    int tooBig = 0;
    int tooSmall = 0;
    for (int i = 0; i < draws; ++i) {
        const Problem p = GenerateProblem(9, i / 5 + 1, i % 5);
        const Walk walk = WalkOf(p);
        EXPECT_EQ(RoundedDivisor(p.Divisor) < p.Divisor ? walk.TooSmall : walk.TooBig, 0)
            << ProblemText(p);
        tooBig += walk.TooBig > 0;
        tooSmall += walk.TooSmall > 0;
    }
    EXPECT_EQ(tooBig + tooSmall, draws); // every problem has one kind
    EXPECT_GE(tooBig, draws * 3 / 10);
    EXPECT_GE(tooSmall, draws * 3 / 10);
}

// Level 6 divides exactly in about half of its problems, and its zeros come both from a 0 of
// the dividend and from a partial dividend smaller than the divisor.
TEST(PracticeProblems, Level6IsExactInHalfWithZerosOfBothKinds) {
    const int draws = 4000;
    int exact = 0;
    int broughtDown = 0;
    int smaller = 0;
    for (int i = 0; i < draws; ++i) {
        const Problem p = GenerateProblem(6, i / 5 + 1, i % 5);
        exact += p.Dividend % p.Divisor == 0;
        broughtDown += WalkOf(p).ZeroBroughtDown;
        for (const std::uint32_t partial : PartialDividendsOf(p.Dividend, p.Divisor))
            if (partial != 0 && partial < p.Divisor) {
                ++smaller;
                break;
            }
    }
    EXPECT_NEAR(exact, draws / 2, draws / 20);
    EXPECT_GE(broughtDown, draws / 10);
    EXPECT_GE(smaller, draws / 10);
}

TEST(PracticeProblems, TheSameProblemEveryTime) {
    for (int level = 1; level <= LevelCount; ++level)
        for (const int variant : {1, 42, MostVariant})
            for (const int index : {0, 3, 1 << 30})
                EXPECT_EQ(GenerateProblem(level, variant, index),
                          GenerateProblem(level, variant, index));
}

// The first problems of a few levels and variants, as this generator first drew them. These
// literals are what holds every platform to the same problems: a change to the generator
// that moves them changes what a class working on one variant sees.
struct Pinned {
    int Level;
    int Variant;
    Problem First[4];
};

// clang-format off
constexpr Pinned Pins[] = {
    {1, 1, {{42, 2}, {88, 8}, {78, 3}, {42, 3}}},
    {4, 42, {{21, 4}, {41, 9}, {492, 8}, {30, 4}}},
    {6, 42, {{379524, 3}, {611532, 6}, {7802, 3}, {28091, 2}}},
    {8, 1, {{1975, 99}, {7330, 33}, {725, 63}, {693, 89}}},
    {9, 42, {{6924, 69}, {63117, 97}, {7423, 65}, {896, 17}}},
    {10, 999999, {{48287, 949}, {9746, 816}, {582663, 927}, {4652, 302}}},
};
// clang-format on

TEST(PracticeProblems, FirstProblemsArePinned) {
    for (const Pinned& pin : Pins)
        for (int index = 0; index < 4; ++index)
            EXPECT_EQ(GenerateProblem(pin.Level, pin.Variant, index), pin.First[index])
                << "level " << pin.Level << " variant " << pin.Variant << " problem " << index;
}

struct Clamp {
    int Given;
    int Level;
    int Variant;
};

TEST(PracticeProblems, OutOfRangeIsTakenAsTheNearestInRange) {
    // clang-format off
    const Clamp Table[] = {{-2147483647 - 1, 1, 1}, {0, 1, 1}, {1, 1, 1}, {5, 5, 5},
                           {LevelCount, LevelCount, LevelCount},
                           {LevelCount + 1, LevelCount, LevelCount + 1},
                           {1000000, LevelCount, 999999}, {2147483647, LevelCount, 999999}};
    // clang-format on
    for (const Clamp& row : Table) {
        EXPECT_EQ(ClampLevel(row.Given), row.Level) << row.Given;
        EXPECT_EQ(ClampVariant(row.Given), row.Variant) << row.Given;
    }
    EXPECT_EQ(GenerateProblem(LevelCount + 2, 5000000, -4), GenerateProblem(LevelCount, 999999, 0));
}

// The level choice shows "6: нуль в частном"; a screen reader, which would name the colon,
// hears the same number and name without it.
TEST(PracticeProblems, EachLevelIsChosenByItsNumberAndName) {
    for (int level = 1; level <= LevelCount; ++level) {
        const std::string number = std::to_string(level);
        const std::string name(LevelName(level));
        EXPECT_EQ(LevelChoiceText(level), number + ": " + name);
        const std::string spoken = practice_detail::Spoken(LevelChoiceText(level));
        EXPECT_EQ(spoken, number + ", " + name);
        EXPECT_FALSE(testing_support::HasSignReadAloud(spoken, true)) << spoken;
    }
}

TEST(PracticeProblems, TextIsDividendColonDivisor) {
    EXPECT_EQ(ProblemText({7240, 8}), "7240 : 8");
    EXPECT_EQ(ProblemText({198, 25}), "198 : 25");
}

} // namespace
} // namespace velmorand
