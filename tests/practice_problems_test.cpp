// The problems of each level and variant: what every level asks of them, and that the same
// level and variant give the same problems everywhere.
#include "practice/problems.h"
#include "practice/session.h"
#include "practice_test_support.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <tuple>
#include <vector>

namespace velmorand {
namespace {

int DigitsOf(std::uint32_t value) { return static_cast<int>(std::to_string(value).size()); }

std::uint32_t FirstPartialOf(const Problem& problem) {
    std::uint32_t partial = 0;
    for (const char c : std::to_string(problem.Dividend)) {
        partial = partial * 10 + static_cast<std::uint32_t>(c - '0');
        if (partial >= problem.Divisor)
            break;
    }
    return partial;
}

bool QuotientHasZero(const Problem& p) {
    return std::to_string(p.Dividend / p.Divisor).find('0') != std::string::npos;
}

enum class Rest { Exact, NotExact, Any };

// What each level's row says, written out again from the levels' description.
struct LevelRule {
    int Level;
    int FewestDigits, MostDigits; // of a
    std::uint32_t LeastDivisor, MostDivisor;
    Rest Remainder;
    int FirstPartialDigits; // 0: any
    bool ZeroInQuotient;    // required
    bool TensOnly;          // b is 10, 20 ... 90
    bool NoTens;            // b is no multiple of 10
};

// clang-format off
constexpr LevelRule Rules[] = {
    {1, 2, 2, 2, 9, Rest::Exact, 1, false, false, false},
    {2, 3, 3, 2, 9, Rest::Exact, 1, false, false, false},
    {3, 3, 3, 2, 9, Rest::Exact, 2, false, false, false},
    {4, 2, 3, 2, 9, Rest::NotExact, 0, false, false, false},
    {5, 4, 6, 2, 9, Rest::Exact, 0, true, false, false},
    {6, 3, 5, 10, 90, Rest::Any, 0, false, true, false},
    {7, 3, 4, 11, 99, Rest::Any, 0, false, false, true},
    {8, 4, 6, 101, 999, Rest::Any, 0, false, false, false},
};
// clang-format on

void ExpectFits(const LevelRule& rule, const Problem& p, int variant, int index) {
    SCOPED_TRACE(testing::Message() << "level " << rule.Level << " variant " << variant
                                    << " problem " << index << ": " << ProblemText(p));
    ASSERT_GE(p.Divisor, rule.LeastDivisor);
    ASSERT_LE(p.Divisor, rule.MostDivisor);
    EXPECT_GE(p.Dividend, p.Divisor);
    EXPECT_GE(DigitsOf(p.Dividend), rule.FewestDigits);
    EXPECT_LE(DigitsOf(p.Dividend), rule.MostDigits);
    if (rule.Remainder != Rest::Any) {
        EXPECT_EQ(p.Dividend % p.Divisor == 0, rule.Remainder == Rest::Exact);
    }
    if (rule.FirstPartialDigits != 0) {
        EXPECT_EQ(DigitsOf(FirstPartialOf(p)), rule.FirstPartialDigits);
    }
    // A 0 in the quotient is level 5's lesson, and no earlier level's.
    if (rule.ZeroInQuotient || rule.Level < 5) {
        EXPECT_EQ(QuotientHasZero(p), rule.ZeroInQuotient);
    }
    if (rule.TensOnly) {
        EXPECT_EQ(p.Divisor % 10, 0u);
    }
    if (rule.NoTens) {
        EXPECT_NE(p.Divisor % 10, 0u);
    }
}

void PrintTo(const LevelRule& rule, std::ostream* out) { *out << "level " << rule.Level; }

class EveryLevel : public testing::TestWithParam<LevelRule> {};

TEST_P(EveryLevel, FitsItsRowForManyVariants) {
    const LevelRule& rule = GetParam();
    for (int variant = 1; variant <= 2000; ++variant)
        for (int index = 0; index < 5; ++index)
            ExpectFits(rule, GenerateProblem(rule.Level, variant, index), variant, index);
    for (const int variant : {MostVariant - 1, MostVariant})
        for (const int index : {0, 1000, 1 << 30})
            ExpectFits(rule, GenerateProblem(rule.Level, variant, index), variant, index);
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
    {1, 1, {{70, 2}, {86, 2}, {66, 2}, {75, 5}}},
    {1, 999999, {{42, 3}, {93, 3}, {44, 2}, {88, 8}}},
    {2, 42, {{642, 3}, {374, 2}, {310, 2}, {844, 2}}},
    {3, 1, {{126, 2}, {468, 6}, {175, 7}, {195, 3}}},
    {4, 42, {{28, 6}, {564, 9}, {33, 6}, {54, 4}}},
    {5, 1, {{79814, 2}, {52304, 4}, {27264, 3}, {80562, 2}}},
    {5, 42, {{3420, 9}, {606459, 3}, {500336, 4}, {75636, 4}}},
    {6, 999999, {{9119, 30}, {5690, 60}, {8817, 70}, {1412, 50}}},
    {7, 42, {{6215, 91}, {780, 96}, {6221, 73}, {4698, 44}}},
    {8, 1, {{4151, 169}, {247539, 664}, {77674, 126}, {4330, 272}}},
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
    const Clamp Table[] = {{-2147483647 - 1, 1, 1}, {0, 1, 1}, {1, 1, 1}, {5, 5, 5}, {8, 8, 8},
                           {9, 8, 9}, {1000000, 8, 999999}, {2147483647, 8, 999999}};
    // clang-format on
    for (const Clamp& row : Table) {
        EXPECT_EQ(ClampLevel(row.Given), row.Level) << row.Given;
        EXPECT_EQ(ClampVariant(row.Given), row.Variant) << row.Given;
    }
    EXPECT_EQ(GenerateProblem(12, 5000000, -4), GenerateProblem(8, 999999, 0));
}

TEST(PracticeProblems, TextIsDividendColonDivisor) {
    EXPECT_EQ(ProblemText({7240, 8}), "7240 : 8");
    EXPECT_EQ(ProblemText({198, 25}), "198 : 25");
}

} // namespace
} // namespace velmorand
