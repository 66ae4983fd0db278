// The method's steps for one problem, in the textbooks' order.
#include "practice/method.h"
#include "practice/steps.h"

#include <gtest/gtest.h>

#include <vector>

namespace velmorand {
namespace {

using K = StepKind;

Step Plain(K kind, std::uint32_t answer) { return {.Kind = kind, .Answer = answer}; }
Step Of(K kind, std::uint32_t answer, std::uint32_t partial, int digit, int column) {
    return {kind, answer, partial, digit, column};
}

struct Worked {
    const char* Name;
    Problem Given;
    std::vector<Step> Steps;
};

const Worked Examples[] = {
    {"TwoDigitsExact",
     {84, 4},
     {Plain(K::First, 8), Plain(K::Count, 2), Of(K::Digit, 2, 8, 0, 0), Of(K::Product, 8, 8, 0, 0),
      Of(K::Difference, 0, 8, 0, 0), Of(K::Bring, 4, 4, 1, 1), Of(K::Digit, 1, 4, 1, 1),
      Of(K::Product, 4, 4, 1, 1), Of(K::Difference, 0, 4, 1, 1), Plain(K::Quotient, 21),
      Plain(K::CheckProduct, 84), Plain(K::Done, 0)}},
    // A 0 in the middle: 4 < 8 gives the digit 0 with no product or difference.
    {"ZeroInTheMiddle",
     {7240, 8},
     {Plain(K::First, 72), Plain(K::Count, 3), Of(K::Digit, 9, 72, 0, 1),
      Of(K::Product, 72, 72, 0, 1), Of(K::Difference, 0, 72, 0, 1), Of(K::Bring, 4, 4, 1, 2),
      Of(K::Digit, 0, 4, 1, 2), Of(K::Bring, 40, 40, 2, 3), Of(K::Digit, 5, 40, 2, 3),
      Of(K::Product, 40, 40, 2, 3), Of(K::Difference, 0, 40, 2, 3), Plain(K::Quotient, 905),
      Plain(K::CheckProduct, 7240), Plain(K::Done, 0)}},
    // A 0 as the last digit: the partial dividend left is the remainder.
    {"ZeroAtTheEndWithRemainder",
     {1601, 8},
     {Plain(K::First, 16), Plain(K::Count, 3), Of(K::Digit, 2, 16, 0, 1),
      Of(K::Product, 16, 16, 0, 1), Of(K::Difference, 0, 16, 0, 1), Of(K::Bring, 0, 0, 1, 2),
      Of(K::Digit, 0, 0, 1, 2), Of(K::Bring, 1, 1, 2, 3), Of(K::Digit, 0, 1, 2, 3),
      Plain(K::Quotient, 200), Plain(K::Remainder, 1), Plain(K::CheckProduct, 1600),
      Plain(K::CheckSum, 1601), Plain(K::Done, 0)}},
    // A round divisor is checked and needs no trial digit.
    {"RoundTens",
     {158, 30},
     {Plain(K::First, 158), Plain(K::Count, 1), Of(K::Digit, 5, 158, 0, 2),
      Of(K::Product, 150, 158, 0, 2), Of(K::Difference, 8, 158, 0, 2), Plain(K::Quotient, 5),
      Plain(K::Remainder, 8), Plain(K::CheckProduct, 150), Plain(K::CheckSum, 158),
      Plain(K::Done, 0)}},
    // 25 rounds to 30: the trial digit 1 of 50 is too small; a digit 0 needs none.
    {"TrailingZerosInTheQuotient",
     {5000, 25},
     {Plain(K::First, 50), Plain(K::Count, 3), Plain(K::Round, 30), Of(K::Trial, 1, 50, 0, 1),
      Of(K::Digit, 2, 50, 0, 1), Of(K::Product, 50, 50, 0, 1), Of(K::Difference, 0, 50, 0, 1),
      Of(K::Bring, 0, 0, 1, 2), Of(K::Digit, 0, 0, 1, 2), Of(K::Bring, 0, 0, 2, 3),
      Of(K::Digit, 0, 0, 2, 3), Plain(K::Quotient, 200), Plain(K::Done, 0)}},
    // 23 rounds to 20: trial digits too big (2 of 45, 9 of 197), and one capped at 9 (226).
    {"RemainderAfterTheLastProduct",
     {4567, 23},
     {Plain(K::First, 45),
      Plain(K::Count, 3),
      Plain(K::Round, 20),
      Of(K::Trial, 2, 45, 0, 1),
      Of(K::Digit, 1, 45, 0, 1),
      Of(K::Product, 23, 45, 0, 1),
      Of(K::Difference, 22, 45, 0, 1),
      Of(K::Bring, 226, 226, 1, 2),
      Of(K::Trial, 9, 226, 1, 2),
      Of(K::Digit, 9, 226, 1, 2),
      Of(K::Product, 207, 226, 1, 2),
      Of(K::Difference, 19, 226, 1, 2),
      Of(K::Bring, 197, 197, 2, 3),
      Of(K::Trial, 9, 197, 2, 3),
      Of(K::Digit, 8, 197, 2, 3),
      Of(K::Product, 184, 197, 2, 3),
      Of(K::Difference, 13, 197, 2, 3),
      Plain(K::Quotient, 198),
      Plain(K::Remainder, 13),
      Plain(K::Done, 0)}},
    // Never generated, but a Problem is plain data: no column, and no crash.
    {"DividendSmallerThanDivisor",
     {5, 9},
     {Plain(K::Quotient, 0), Plain(K::Remainder, 5), Plain(K::Done, 0)}},
    {"DivisorZero", {5, 0}, {Plain(K::Done, 0)}},
};

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

// Rounding to the nearest ten or hundred, a half up; which divisors estimate a trial digit
// and which are checked by multiplying back.
TEST(PracticeMethod, RoundsTheDivisorAndSaysWhichStepsItTakes) {
    struct Row {
        std::uint32_t Divisor, Rounded;
        bool Trial, Check;
    };
    const Row Rows[] = {
        {7, 7, false, true},      {11, 10, true, false},    {34, 30, true, false},
        {35, 40, true, false},    {30, 30, false, true},    {90, 90, false, true},
        {96, 100, true, false},   {250, 300, true, false},  {249, 200, true, false},
        {400, 400, false, false}, {999, 1000, true, false},
    };
    for (const Row& row : Rows) {
        SCOPED_TRACE(row.Divisor);
        EXPECT_EQ(RoundedDivisor(row.Divisor), row.Rounded);
        EXPECT_EQ(NeedsTrialDigit(row.Divisor), row.Trial);
        EXPECT_EQ(ChecksByMultiplying(row.Divisor), row.Check);
    }
    // How many times the rounded divisor goes into the partial dividend, never above 9.
    EXPECT_EQ(TrialDigit(165, 83), 2u);
    EXPECT_EQ(TrialDigit(178, 37), 4u);
    EXPECT_EQ(TrialDigit(139, 14), 9u);
}

} // namespace
} // namespace velmorand
