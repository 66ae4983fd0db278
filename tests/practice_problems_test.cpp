// The problems of each level and variant: what every level asks of them, that its divisors come
// evenly, and that the same level and variant give the same problems everywhere.
#include "practice/method.h"
#include "practice/numbers.h"
#include "practice/problems.h"
#include "practice/session.h"
#include "practice_test_support.h"

#include <gtest/gtest.h>

#include <climits>
#include <map>
#include <set>
#include <string>
#include <tuple>
#include <vector>

namespace velmorand {
namespace {

int DigitsOf(std::uint32_t value) { return static_cast<int>(std::to_string(value).size()); }

std::uint32_t PowerOf10(int exponent) { return exponent == 0 ? 1 : 10 * PowerOf10(exponent - 1); }

TEST(PracticeProblems, PartialDividendsAreTheColumnsOnesWorkedByHand) {
    // clang-format off
    const std::tuple<std::uint32_t, std::uint32_t, std::vector<std::uint32_t>> Table[] = {
        {7240, 8, {72, 4, 40}}, {4567, 23, {45, 226, 197}}, {1000, 9, {10, 10, 10}},
        {100, 7, {10, 30}}, {84, 4, {8, 4}}, {5, 7, {5}}, {0, 3, {0}}, {12, 0, {}},
        {4294967295u, 65536, {429496, 362807, 351272, 235929, 393215}},
        {999999, 999, {999, 9, 99, 999}}};
    // clang-format on
    for (const auto& [a, b, partials] : Table) {
        const PartialDividends walked = PartialDividendsOf(a, b);
        EXPECT_EQ(std::vector(walked.begin(), walked.end()), partials) << a << " : " << b;
    }
}

// What a problem's column shows, trial digits where a partial dividend is at least the divisor.
struct Walk {
    int FirstPartialDigits = 0;
    bool Exact = false;
    bool ZeroBroughtDown = false;  // a partial dividend of 0: the dividend's 0 on no remainder
    bool ZeroBelowDivisor = false; // a partial dividend from 1 to the divisor less 1
    bool TooBig = false, TooSmall = false; // a trial digit above, below the quotient's digit
    bool AgainstRounding = false; // too small for a divisor rounded down, too big rounded up
};

Walk WalkOf(const Problem& p) {
    const PartialDividends partials = PartialDividendsOf(p.Dividend, p.Divisor);
    Walk walk{DigitsOf(partials.Values[0]), p.Dividend % p.Divisor == 0};
    for (const std::uint32_t partial : partials) {
        const std::uint32_t digit = partial / p.Divisor;
        const std::uint32_t trial = TrialDigit(partial, p.Divisor);
        walk.ZeroBroughtDown |= partial == 0;
        walk.ZeroBelowDivisor |= partial != 0 && digit == 0;
        walk.TooBig |= digit != 0 && trial > digit;
        walk.TooSmall |= digit != 0 && trial < digit;
    }
    walk.AgainstRounding = RoundedDivisor(p.Divisor) < p.Divisor ? walk.TooSmall : walk.TooBig;
    return walk;
}

// What a row asks of a yes-or-no property of its problems.
enum class Ask { Any, No, Yes };

bool Fits(Ask ask, bool has) { return ask == Ask::Any || has == (ask == Ask::Yes); }

// Each level's row, written out again from the levels' description.
struct LevelRule {
    int Level;
    int FewestDigits, MostDigits; // of a
    std::uint32_t LeastDivisor, MostDivisor;
    Ask Tens, Exact;        // b a multiple of 10; no remainder
    int FirstPartialDigits; // 0: any
    Ask Zeros, Changed;     // a 0 in the quotient; a trial digit to change
};

using enum Ask;
// clang-format off
constexpr LevelRule Rules[] = {
    {1, 2, 2, 2, 9, Any, Yes, 1, Any, Any},
    {2, 3, 3, 2, 9, Any, Yes, 1, No, Any},
    {3, 3, 3, 2, 9, Any, Yes, 2, Any, Any},
    {4, 2, 3, 2, 9, Any, No, 0, No, Any},
    {5, 4, 5, 2, 9, Any, Any, 0, No, Any},
    {6, 4, 6, 2, 9, Any, Any, 0, Yes, Any},
    {7, 3, 5, 20, 90, Yes, Any, 0, Any, Any},
    {8, 3, 4, 11, 99, No, Any, 0, Any, No},
    {9, 3, 5, 11, 99, No, Any, 0, Any, Yes},
    {10, 4, 6, 101, 999, Any, Any, 0, Any, Any},
};
// clang-format on

// What of the row the problem breaks, "" when it fits.
std::string Misfit(const LevelRule& rule, const Problem& p) {
    const std::uint32_t b = p.Divisor;
    if (b < rule.LeastDivisor || b > rule.MostDivisor || !Fits(rule.Tens, b % 10 == 0))
        return "the divisor";
    if (p.Dividend < b)
        return "a dividend below the divisor";
    if (DigitsOf(p.Dividend) < rule.FewestDigits || DigitsOf(p.Dividend) > rule.MostDigits)
        return "the dividend's digits";
    const Walk walk = WalkOf(p);
    if (!Fits(rule.Exact, walk.Exact))
        return "the remainder";
    if (rule.FirstPartialDigits != 0 && walk.FirstPartialDigits != rule.FirstPartialDigits)
        return "the first partial dividend";
    if (!Fits(rule.Zeros, walk.ZeroBroughtDown || walk.ZeroBelowDivisor))
        return "the quotient's zeros";
    if (!Fits(rule.Changed, walk.TooBig || walk.TooSmall))
        return "the trial digits";
    return "";
}

// The dividends of the row's lengths that fit it with the divisor b, counted up to most.
int FittingDividends(const LevelRule& rule, std::uint32_t b, int most = INT_MAX) {
    int n = 0;
    for (auto a = PowerOf10(rule.FewestDigits - 1); a < PowerOf10(rule.MostDigits) && n < most; ++a)
        n += Misfit(rule, {a, b}).empty();
    return n;
}

// How many of a level's first problems of its first variants differ.
std::size_t DifferentAmong(int level, int variants, int perVariant) {
    std::set<std::string> seen;
    for (int i = 0; i < variants * perVariant; ++i)
        seen.insert(ProblemText(GenerateProblem(level, i / perVariant + 1, i % perVariant)));
    return seen.size();
}

void PrintTo(const LevelRule& rule, std::ostream* out) { *out << "level " << rule.Level; }

class EveryLevel : public testing::TestWithParam<LevelRule> {};

// Every problem fits the row, and the first problems across variants are not the same few.
TEST_P(EveryLevel, FitsItsRowForManyVariants) {
    const LevelRule& rule = GetParam();
    const auto expectFits = [&](int variant, int index) {
        const Problem p = GenerateProblem(rule.Level, variant, index);
        EXPECT_EQ(Misfit(rule, p), "") << ProblemText(p) << " variant " << variant << " #" << index;
    };
    for (int variant = 1; variant <= 2000; ++variant)
        for (int index = 0; index < 5; ++index)
            expectFits(variant, index);
    for (const int variant : {MostVariant - 1, MostVariant})
        for (const int index : {0, 1000, 1 << 30})
            expectFits(variant, index);
    EXPECT_EQ(Misfit(rule, FallbackOf(rule.Level)), "") << "the fallback";
    EXPECT_GE(DifferentAmong(rule.Level, 200, 1), 20u);
}

// The divisors a level draws from: those of its row with a dividend that fits, found by going
// through the dividends, each drawn about as often as any other however few dividends it has
// (300 times on average, within a third). The paper is as large as the level's largest column.
TEST_P(EveryLevel, DrawsEvenlyFromTheDivisorsThatHaveDividends) {
    const LevelRule& rule = GetParam();
    std::vector<std::uint32_t> found;
    for (std::uint32_t b = rule.LeastDivisor; b <= rule.MostDivisor; ++b)
        if (FittingDividends(rule, b, 1) > 0)
            found.push_back(b);
    const auto drawn = DivisorsOf(rule.Level);
    EXPECT_EQ(std::vector(drawn.begin(), drawn.end()), found);
    std::map<std::uint32_t, int> seen;
    for (int i = 0; i < 300 * static_cast<int>(drawn.size()); ++i)
        ++seen[GenerateProblem(rule.Level, i / 10 + 1, i % 10).Divisor];
    for (const std::uint32_t b : drawn)
        EXPECT_TRUE(seen[b] >= 200 && seen[b] <= 400) << "divisor " << b << ": " << seen[b];
    EXPECT_EQ(MostDigitsOf(rule.Level).Dividend, rule.MostDigits);
    EXPECT_EQ(MostDigitsOf(rule.Level).Divisor, DigitsOf(rule.MostDivisor));
}

// The method solves every problem: each step answered right leads to Done, and the quotient
// and remainder it asks for divide a exactly.
TEST_P(EveryLevel, TheMethodSolvesEveryProblem) {
    for (int variant = 1; variant <= 300; ++variant) {
        PracticeSession session = StartPractice(GetParam().Level, variant, Progress{});
        for (int index = 0; index < 5; ++index, NextProblem(session)) {
            const Problem p = session.Current;
            SCOPED_TRACE(ProblemText(p));
            testing_support::AnswerAll(session);
            ASSERT_EQ(session.Steps[session.StepIndex].Kind, StepKind::Done);
            std::uint64_t quotient = 0, remainder = 0;
            for (const Step& step : session.Steps) {
                quotient = step.Kind == StepKind::Quotient ? step.Answer : quotient;
                remainder = step.Kind == StepKind::Remainder ? step.Answer : remainder;
            }
            EXPECT_EQ(quotient * p.Divisor + remainder, p.Dividend);
            EXPECT_LT(remainder, p.Divisor);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Practice, EveryLevel, testing::ValuesIn(Rules), [](const auto& info) {
    return "Level" + std::to_string(info.param.Level);
});

// How many problems a row allows, as the levels' description counts them (divisor 0: all of the
// row's), and that a few thousand draws of level 1 reach nearly all of its 106.
TEST(PracticeProblems, TheDrawReachesTheRowsProblems) {
    const std::tuple<int, unsigned, int> Rows[] = {
        {1, 0, 106}, {8, 15, 0}, {8, 16, 12}, {8, 25, 45}};
    for (const auto& [level, divisor, count] : Rows) {
        const LevelRule& rule = Rules[level - 1];
        int problems = 0;
        for (std::uint32_t b = rule.LeastDivisor; b <= rule.MostDivisor; ++b)
            problems += divisor == 0 || b == divisor ? FittingDividends(rule, b) : 0;
        EXPECT_EQ(problems, count) << "level " << level << " divisor " << divisor;
    }
    EXPECT_GE(DifferentAmong(1, 1000, 5), 100u);
}

// What a level's lesson needs, in a good share of 4000 problems. A trial digit is too big where
// the divisor rounds down (83 to 80), too small where it rounds up (37 to 40), never otherwise.
TEST(PracticeProblems, LevelsMixWhatTheirLessonsNeed) {
    const std::tuple<int, const char*, bool Walk::*, int, int> Shares[] = {
        {6, "exact", &Walk::Exact, 1800, 2200},
        {6, "a 0 brought down", &Walk::ZeroBroughtDown, 400, 4000},
        {6, "a partial dividend below the divisor", &Walk::ZeroBelowDivisor, 400, 4000},
        {9, "a trial digit too big", &Walk::TooBig, 1200, 4000},
        {9, "a trial digit too small", &Walk::TooSmall, 1200, 4000},
        {9, "a trial digit against the rounding", &Walk::AgainstRounding, 0, 0}};
    for (const auto& [level, what, property, least, most] : Shares) {
        int has = 0;
        for (int i = 0; i < 4000; ++i)
            has += WalkOf(GenerateProblem(level, i / 5 + 1, i % 5)).*property;
        EXPECT_TRUE(has >= least && has <= most) << "level " << level << ": " << what << " " << has;
    }
}

// The first problems of a few levels and variants, as this generator first drew them. These
// literals are what holds every platform to the same problems: a change to the generator
// that moves them changes what a class working on one variant sees. They are drawn from the
// last, so that each problem is the same whether or not those before it were drawn.
struct Pinned {
    int Level, Variant;
    Problem First[4];
};

constexpr Pinned Pins[] = {
    {1, 1, {{42, 2}, {88, 8}, {78, 3}, {42, 3}}},
    {4, 42, {{21, 4}, {41, 9}, {492, 8}, {30, 4}}},
    {6, 42, {{379524, 3}, {611532, 6}, {7802, 3}, {28091, 2}}},
    {8, 1, {{1975, 99}, {7330, 33}, {725, 63}, {693, 89}}},
    {9, 42, {{6924, 69}, {63117, 97}, {7423, 65}, {896, 17}}},
    {10, 999999, {{48287, 949}, {9746, 816}, {582663, 927}, {4652, 302}}},
};

TEST(PracticeProblems, FirstProblemsArePinned) {
    for (const Pinned& pin : Pins)
        for (int index = 3; index >= 0; --index)
            EXPECT_EQ(GenerateProblem(pin.Level, pin.Variant, index), pin.First[index])
                << "level " << pin.Level << " variant " << pin.Variant << " problem " << index;
}

// A number given as the level and as the variant, and the level and variant it is taken as.
TEST(PracticeProblems, OutOfRangeIsTakenAsTheNearestInRange) {
    constexpr int N = LevelCount;
    const std::tuple<int, int, int> Table[] = {{INT_MIN, 1, 1},
                                               {0, 1, 1},
                                               {1, 1, 1},
                                               {5, 5, 5},
                                               {N, N, N},
                                               {N + 1, N, N + 1},
                                               {1000000, N, MostVariant},
                                               {INT_MAX, N, MostVariant}};
    for (const auto& [given, level, variant] : Table)
        EXPECT_EQ(std::pair(ClampLevel(given), ClampVariant(given)), std::pair(level, variant))
            << given;
    EXPECT_EQ(GenerateProblem(N + 2, MostVariant + 1, -4), GenerateProblem(N, MostVariant, 0));
}

// The level choice shows "6: нуль в частном"; a screen reader, which would name the colon,
// hears the same number and name without it.
TEST(PracticeProblems, EachLevelIsChosenByItsNumberAndName) {
    for (int level = 1; level <= LevelCount; ++level) {
        const std::string number = std::to_string(level), name(LevelName(level));
        const std::string spoken = practice_detail::Spoken(LevelChoiceText(level));
        EXPECT_EQ(LevelChoiceText(level), number + ": " + name);
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
