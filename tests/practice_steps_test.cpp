// The method's steps for one problem, in the textbooks' order.
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
      Plain(K::Done, 0)}},
    // A 0 in the middle: 4 < 8 gives the digit 0 with no product or difference.
    {"ZeroInTheMiddle",
     {7240, 8},
     {Plain(K::First, 72), Plain(K::Count, 3), Of(K::Digit, 9, 72, 0, 1),
      Of(K::Product, 72, 72, 0, 1), Of(K::Difference, 0, 72, 0, 1), Of(K::Bring, 4, 4, 1, 2),
      Of(K::Digit, 0, 4, 1, 2), Of(K::Bring, 40, 40, 2, 3), Of(K::Digit, 5, 40, 2, 3),
      Of(K::Product, 40, 40, 2, 3), Of(K::Difference, 0, 40, 2, 3), Plain(K::Quotient, 905),
      Plain(K::Done, 0)}},
    // A 0 as the last digit: the partial dividend left is the remainder.
    {"ZeroAtTheEndWithRemainder",
     {1601, 8},
     {Plain(K::First, 16), Plain(K::Count, 3), Of(K::Digit, 2, 16, 0, 1),
      Of(K::Product, 16, 16, 0, 1), Of(K::Difference, 0, 16, 0, 1), Of(K::Bring, 0, 0, 1, 2),
      Of(K::Digit, 0, 0, 1, 2), Of(K::Bring, 1, 1, 2, 3), Of(K::Digit, 0, 1, 2, 3),
      Plain(K::Quotient, 200), Plain(K::Remainder, 1), Plain(K::Done, 0)}},
    {"TrailingZerosInTheQuotient",
     {5000, 25},
     {Plain(K::First, 50), Plain(K::Count, 3), Of(K::Digit, 2, 50, 0, 1),
      Of(K::Product, 50, 50, 0, 1), Of(K::Difference, 0, 50, 0, 1), Of(K::Bring, 0, 0, 1, 2),
      Of(K::Digit, 0, 0, 1, 2), Of(K::Bring, 0, 0, 2, 3), Of(K::Digit, 0, 0, 2, 3),
      Plain(K::Quotient, 200), Plain(K::Done, 0)}},
    {"RemainderAfterTheLastProduct",
     {4567, 23},
     {Plain(K::First, 45), Plain(K::Count, 3), Of(K::Digit, 1, 45, 0, 1),
      Of(K::Product, 23, 45, 0, 1), Of(K::Difference, 22, 45, 0, 1), Of(K::Bring, 226, 226, 1, 2),
      Of(K::Digit, 9, 226, 1, 2), Of(K::Product, 207, 226, 1, 2), Of(K::Difference, 19, 226, 1, 2),
      Of(K::Bring, 197, 197, 2, 3), Of(K::Digit, 8, 197, 2, 3), Of(K::Product, 184, 197, 2, 3),
      Of(K::Difference, 13, 197, 2, 3), Plain(K::Quotient, 198), Plain(K::Remainder, 13),
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

} // namespace
} // namespace velmorand
