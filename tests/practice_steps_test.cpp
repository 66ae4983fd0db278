// The method's steps for one problem, in the textbooks' order.
#include "practice/method.h"
#include "practice/steps.h"

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

namespace velmorand {
namespace {

using enum StepKind;

Step Plain(StepKind kind, std::uint32_t answer) { return {.Kind = kind, .Answer = answer}; }
Step Of(StepKind kind, std::uint32_t answer, std::uint32_t partial, int digit, int column) {
    return {kind, answer, partial, digit, column};
}

struct Worked {
    const char* Name;
    Problem Given;
    std::vector<Step> Steps;
};

// clang-format off
const Worked Examples[] = {
    {"TwoDigitsExact", {84, 4}, {Plain(First, 8), Plain(Count, 2), Of(Digit, 2, 8, 0, 0),
     Of(Product, 8, 8, 0, 0), Of(Difference, 0, 8, 0, 0), Of(Bring, 4, 4, 1, 1),
     Of(Digit, 1, 4, 1, 1), Of(Product, 4, 4, 1, 1), Of(Difference, 0, 4, 1, 1),
     Plain(Quotient, 21), Plain(CheckProduct, 84), Plain(Done, 0)}},
    // A 0 in the middle: 4 < 8 gives the digit 0 with no product or difference.
    {"ZeroInTheMiddle", {7240, 8}, {Plain(First, 72), Plain(Count, 3), Of(Digit, 9, 72, 0, 1),
     Of(Product, 72, 72, 0, 1), Of(Difference, 0, 72, 0, 1), Of(Bring, 4, 4, 1, 2),
     Of(Digit, 0, 4, 1, 2), Of(Bring, 40, 40, 2, 3), Of(Digit, 5, 40, 2, 3),
     Of(Product, 40, 40, 2, 3), Of(Difference, 0, 40, 2, 3), Plain(Quotient, 905),
     Plain(CheckProduct, 7240), Plain(Done, 0)}},
    // A 0 as the last digit: the partial dividend left is the remainder.
    {"ZeroAtTheEndWithRemainder", {1601, 8}, {Plain(First, 16), Plain(Count, 3),
     Of(Digit, 2, 16, 0, 1), Of(Product, 16, 16, 0, 1), Of(Difference, 0, 16, 0, 1),
     Of(Bring, 0, 0, 1, 2), Of(Digit, 0, 0, 1, 2), Of(Bring, 1, 1, 2, 3), Of(Digit, 0, 1, 2, 3),
     Plain(Quotient, 200), Plain(Remainder, 1), Plain(CheckProduct, 1600), Plain(CheckSum, 1601),
     Plain(Done, 0)}},
    // A round divisor is checked and needs no trial digit.
    {"RoundTens", {158, 30}, {Plain(First, 158), Plain(Count, 1), Of(Digit, 5, 158, 0, 2),
     Of(Product, 150, 158, 0, 2), Of(Difference, 8, 158, 0, 2), Plain(Quotient, 5),
     Plain(Remainder, 8), Plain(CheckProduct, 150), Plain(CheckSum, 158), Plain(Done, 0)}},
    // 25 rounds to 30: the trial digit 1 of 50 is too small; a digit 0 needs none.
    {"TrailingZerosInTheQuotient", {5000, 25}, {Plain(First, 50), Plain(Count, 3), Plain(Round, 30),
     Of(Trial, 1, 50, 0, 1), Of(Digit, 2, 50, 0, 1), Of(Product, 50, 50, 0, 1),
     Of(Difference, 0, 50, 0, 1), Of(Bring, 0, 0, 1, 2), Of(Digit, 0, 0, 1, 2),
     Of(Bring, 0, 0, 2, 3), Of(Digit, 0, 0, 2, 3), Plain(Quotient, 200), Plain(Done, 0)}},
    // 23 rounds to 20: trial digits too big (2 of 45, 9 of 197), and one capped at 9 (226).
    {"RemainderAfterTheLastProduct", {4567, 23}, {Plain(First, 45), Plain(Count, 3),
     Plain(Round, 20), Of(Trial, 2, 45, 0, 1), Of(Digit, 1, 45, 0, 1), Of(Product, 23, 45, 0, 1),
     Of(Difference, 22, 45, 0, 1), Of(Bring, 226, 226, 1, 2), Of(Trial, 9, 226, 1, 2),
     Of(Digit, 9, 226, 1, 2), Of(Product, 207, 226, 1, 2), Of(Difference, 19, 226, 1, 2),
     Of(Bring, 197, 197, 2, 3), Of(Trial, 9, 197, 2, 3), Of(Digit, 8, 197, 2, 3),
     Of(Product, 184, 197, 2, 3), Of(Difference, 13, 197, 2, 3), Plain(Quotient, 198),
     Plain(Remainder, 13), Plain(Done, 0)}},
    // Never generated, but a Problem is plain data: no column, and no crash.
    {"DividendSmallerThanDivisor", {5, 9}, {Plain(Quotient, 0), Plain(Remainder, 5),
     Plain(Done, 0)}},
    {"DivisorZero", {5, 0}, {Plain(Done, 0)}},
};
// clang-format on

void PrintTo(const Worked& worked, std::ostream* out) { *out << ProblemText(worked.Given); }

class PracticeSteps : public testing::TestWithParam<Worked> {};

TEST_P(PracticeSteps, FollowTheTextbook) {
    EXPECT_EQ(SolutionSteps(GetParam().Given), GetParam().Steps);
}

INSTANTIATE_TEST_SUITE_P(Practice, PracticeSteps, testing::ValuesIn(Examples),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST(PracticeStepNames, AreTheShortEnglishWords) {
    const char* const Names[] = {"first",         "count",      "round", "trial",    "digit",
                                 "product",       "difference", "bring", "quotient", "remainder",
                                 "check-product", "check-sum",  "done"};
    for (std::size_t i = 0; i < std::size(Names); ++i)
        EXPECT_EQ(StepName(static_cast<StepKind>(i)), Names[i]);
}

// Rounding to the nearest ten or hundred, a half up; which divisors estimate a trial digit, how
// many times the rounded one goes into a partial dividend (at most 9), which check by multiplying.
TEST(PracticeMethod, RoundsTheDivisorAndSaysWhichStepsItTakes) {
    // The divisor and a partial dividend; the divisor rounded, whether it takes a trial digit and
    // a check, and the trial digit.
    const std::tuple<std::uint32_t, std::uint32_t, std::uint32_t, bool, bool, std::uint32_t>
        Rows[] = {{7, 50, 7, false, true, 7},        {11, 139, 10, true, false, 9},
                  {34, 100, 30, true, false, 3},     {35, 178, 40, true, false, 4},
                  {30, 158, 30, false, true, 5},     {90, 89, 90, false, true, 0},
                  {96, 960, 100, true, false, 9},    {83, 165, 80, true, false, 2},
                  {250, 2400, 300, true, false, 8},  {249, 1999, 200, true, false, 9},
                  {400, 3999, 400, false, false, 9}, {999, 8991, 1000, true, false, 8}};
    for (const auto& [b, partial, rounded, trial, check, digit] : Rows)
        EXPECT_EQ(std::tuple(RoundedDivisor(b), NeedsTrialDigit(b), ChecksByMultiplying(b),
                             TrialDigit(partial, b)),
                  std::tuple(rounded, trial, check, digit))
            << "divisor " << b << ", partial dividend " << partial;
}

} // namespace
} // namespace velmorand
