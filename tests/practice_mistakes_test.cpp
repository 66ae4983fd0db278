// Checking typed answers and naming the mistake.
#include "practice/mistakes.h"
#include "practice_test_support.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace velmorand {
namespace {

using K = StepKind;
using M = Mistake;

using testing_support::StepOf;

struct Case {
    Problem Given;
    K Kind;
    int Nth; // which step of the kind
    std::string Typed;
    M Expected;
};

const std::string Million(1'000'000, '7');
const std::string Spaced = std::string(500'000, ' ') + "72" + std::string(500'000, ' ');

// clang-format off
const Case Cases[] = {
    // The first partial dividend of 7240 : 8 is 72.
    {{7240, 8}, K::First, 0, "72", M::None},
    {{7240, 8}, K::First, 0, "  72  ", M::None},
    {{7240, 8}, K::First, 0, "\xC2\xA0" "72", M::None},
    {{7240, 8}, K::First, 0, "072", M::None},
    {{7240, 8}, K::First, 0, "7", M::FirstTooSmall},
    {{7240, 8}, K::First, 0, "724", M::FirstTooLong},
    {{7240, 8}, K::First, 0, "24", M::First},
    {{7240, 8}, K::First, 0, "07", M::First},   // a 0 in front is no digit of a
    {{7240, 8}, K::First, 0, "72400", M::First},
    // A beginning smaller than b can be long: 1001 : 999 starts 1, 10, 100.
    {{1001, 999}, K::First, 0, "100", M::FirstTooSmall},
    {{1001, 999}, K::First, 0, "1001", M::None},
    {{7240, 8}, K::Count, 0, "3", M::None},
    {{7240, 8}, K::Count, 0, "4", M::Count},
    // Digits of 72 : 8 is 9; of 4 : 8 is 0; of 40 : 8 is 5.
    {{7240, 8}, K::Digit, 0, "9", M::None},
    {{7240, 8}, K::Digit, 0, "8", M::DigitTooSmall},
    {{7240, 8}, K::Digit, 0, "10", M::DigitTooBig},
    {{7240, 8}, K::Digit, 0, "999999999999", M::DigitTooBig},
    {{7240, 8}, K::Digit, 1, "0", M::None},
    {{7240, 8}, K::Digit, 1, "1", M::DigitTooBig},
    {{7240, 8}, K::Digit, 2, "5", M::None},
    {{7240, 8}, K::Product, 0, "72", M::None},
    {{7240, 8}, K::Product, 0, "63", M::Product},
    {{7240, 8}, K::Difference, 0, "0", M::None},
    {{7240, 8}, K::Difference, 0, "00", M::None},
    {{7240, 8}, K::Difference, 0, "1", M::Difference},
    {{7240, 8}, K::Bring, 0, "4", M::None},
    {{7240, 8}, K::Bring, 1, "40", M::None},
    {{7240, 8}, K::Bring, 1, "4", M::Bring},
    {{7240, 8}, K::Bring, 1, "400", M::Bring},
    {{7240, 8}, K::Quotient, 0, "905", M::None},
    {{7240, 8}, K::Quotient, 0, "95", M::ZeroMissing},
    {{7240, 8}, K::Quotient, 0, "9050", M::Quotient},
    {{7240, 8}, K::Quotient, 0, "904", M::Quotient},
    {{5000, 25}, K::Quotient, 0, "2", M::ZeroMissing},
    {{5000, 25}, K::Quotient, 0, "20", M::Quotient},
    // No 0 to leave out: a short quotient is just wrong.
    {{4567, 23}, K::Quotient, 0, "198", M::None},
    {{4567, 23}, K::Quotient, 0, "19", M::Quotient},
    {{4567, 23}, K::Remainder, 0, "13", M::None},
    {{4567, 23}, K::Remainder, 0, "0", M::Remainder},
    // Anything but digits.
    {{7240, 8}, K::First, 0, "", M::NotANumber},
    {{7240, 8}, K::First, 0, "7 2", M::NotANumber},
    {{7240, 8}, K::First, 0, "-72", M::NotANumber},
    {{7240, 8}, K::First, 0, "72.", M::NotANumber},
    {{7240, 8}, K::First, 0, "семьдесят два", M::NotANumber},
    {{7240, 8}, K::First, 0, "\xEF\xBC\x97\xEF\xBC\x92", M::NotANumber}, // full-width 72
    {{7240, 8}, K::First, 0, "\xFF\xFE", M::NotANumber},
    {{7240, 8}, K::Digit, 0, "99999999999999999999999", M::NotANumber},
    {{7240, 8}, K::Digit, 0, "0000000000009", M::NotANumber},
    {{7240, 8}, K::First, 0, std::string("72\0", 3), M::NotANumber},
    // A pasted million characters is read once and answered: no overflow, no copy.
    {{7240, 8}, K::First, 0, Million, M::NotANumber},
    {{7240, 8}, K::First, 0, Spaced, M::None},
    {{7240, 8}, K::Done, 0, "anything", M::None}, // nothing is wrong once the problem is done
};
// clang-format on

TEST(PracticeMistakes, AreNamedForEachWayOfGettingItWrong) {
    for (const Case& c : Cases) {
        EXPECT_EQ(CheckAnswer(c.Given, StepOf(c.Given, c.Kind, c.Nth), c.Typed), c.Expected)
            << ProblemText(c.Given) << " " << StepName(c.Kind) << " #" << c.Nth << " typed \""
            << c.Typed.substr(0, 20) << "\"";
    }
}

// Every wrong digit is too big or too small, whatever was typed.
TEST(PracticeMistakes, EveryWrongDigitIsTooBigOrTooSmall) {
    const Problem p{4567, 23};
    for (const Step& step : SolutionSteps(p)) {
        if (step.Kind != K::Digit)
            continue;
        for (std::uint32_t d = 0; d < 100; ++d) {
            const M expected = d == step.Answer        ? M::None
                               : d * 23 > step.Partial ? M::DigitTooBig
                                                       : M::DigitTooSmall;
            EXPECT_EQ(CheckAnswer(p, step, std::to_string(d)), expected) << d;
        }
    }
}

TEST(PracticeMistakeNames, AreTheShortEnglishWords) {
    // clang-format off
    const char* const Names[] = {"", "not-a-number", "first-too-small", "first-too-long",
        "first", "count", "digit-too-big", "digit-too-small", "product", "difference", "bring",
        "zero-missing", "quotient", "remainder"};
    // clang-format on
    for (std::size_t i = 0; i < std::size(Names); ++i)
        EXPECT_EQ(MistakeName(static_cast<Mistake>(i)), Names[i]);
}

} // namespace
} // namespace velmorand
