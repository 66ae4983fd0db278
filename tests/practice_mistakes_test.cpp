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
    {{7240, 8}, K::First, 0, "07", M::FirstTooSmall}, // read as 7, as "072" is 72
    {{7240, 8}, K::First, 0, "72400", M::First},
    // A beginning smaller than b can be long: 1001 : 999 starts 1, 10, 100.
    {{1001, 999}, K::First, 0, "100", M::FirstTooSmall},
    {{1001, 999}, K::First, 0, "1001", M::None},
    {{7240, 8}, K::Count, 0, "3", M::None},
    {{7240, 8}, K::Count, 0, "4", M::CountDividend},
    {{7240, 8}, K::Count, 0, "2", M::Count},
    // 37 rounds to 40; the trial digit of 178 : 40 is 4.
    {{1786, 37}, K::Round, 0, "40", M::None},
    {{1786, 37}, K::Round, 0, "30", M::Round},
    {{1786, 37}, K::Trial, 0, "4", M::None},
    {{1786, 37}, K::Trial, 0, "5", M::Trial},
    {{1786, 37}, K::Trial, 0, "44", M::OneDigit},
    // Digits of 72 : 8 is 9; of 4 : 8 is 0; of 40 : 8 is 5.
    {{7240, 8}, K::Digit, 0, "9", M::None},
    {{7240, 8}, K::Digit, 0, "8", M::DigitTooSmall},
    {{7240, 8}, K::Digit, 0, "10", M::OneDigit},
    {{7240, 8}, K::Digit, 0, "90", M::OneDigit},
    {{7240, 8}, K::Digit, 0, "999999999999", M::OneDigit},
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
    {{7240, 8}, K::Bring, 1, "4", M::BringForgot},
    {{7240, 8}, K::Bring, 1, "400", M::Bring},
    {{7240, 8}, K::Bring, 1, "41", M::BringWrong},
    // After 72 − 72 = 0, bringing 4 and 0 at once skips the quotient's 0.
    {{7240, 8}, K::Bring, 0, "40", M::ZeroSkipped},
    {{7240, 8}, K::Bring, 0, "0", M::BringForgot},
    {{7240, 8}, K::Bring, 0, "5", M::BringWrong},
    {{60018, 6}, K::Bring, 0, "18", M::ZeroSkipped},
    {{60018, 6}, K::Bring, 0, "1", M::ZeroSkipped}, // 0, 0 and 1 brought down at once
    {{60018, 6}, K::Bring, 0, "5", M::BringWrong},
    {{7240, 8}, K::Quotient, 0, "905", M::None},
    {{7240, 8}, K::Quotient, 0, "95", M::ZeroMissing},
    {{7240, 8}, K::Quotient, 0, "9050", M::Quotient},
    {{7240, 8}, K::Quotient, 0, "904", M::Quotient},
    {{5000, 25}, K::Quotient, 0, "2", M::ZeroMissing},
    {{5000, 25}, K::Quotient, 0, "20", M::ZeroMissing},
    {{4006, 2}, K::Quotient, 0, "2003", M::None},
    {{4006, 2}, K::Quotient, 0, "203", M::ZeroMissing},
    {{4006, 2}, K::Quotient, 0, "23", M::ZeroMissing},
    {{4006, 2}, K::Quotient, 0, "2030", M::Quotient},
    // No 0 to leave out: a short quotient is just wrong.
    {{4567, 23}, K::Quotient, 0, "198", M::None},
    {{4567, 23}, K::Quotient, 0, "19", M::Quotient},
    {{4567, 23}, K::Remainder, 0, "13", M::None},
    {{4567, 23}, K::Remainder, 0, "0", M::Remainder},
    {{4567, 23}, K::Remainder, 0, "23", M::RemainderTooBig},
    {{4567, 23}, K::Remainder, 0, "65", M::RemainderTooBig},
    {{1601, 8}, K::CheckProduct, 0, "1600", M::None},
    {{1601, 8}, K::CheckProduct, 0, "1601", M::CheckProduct},
    {{1601, 8}, K::CheckSum, 0, "1601", M::None},
    {{1601, 8}, K::CheckSum, 0, "1600", M::CheckSum},
    // Numbers split into classes, by ordinary or no-break spaces.
    {{606459, 3}, K::Quotient, 0, "202 153", M::None},
    {{606459, 3}, K::Quotient, 0, "202\xC2\xA0" "153", M::None},
    // Anything but digits.
    {{7240, 8}, K::First, 0, "", M::NotANumber},
    {{7240, 8}, K::First, 0, "7 2", M::None},
    {{7240, 8}, K::First, 0, "7 a", M::NotANumber},
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

// Every wrong one-digit answer is too big or too small, whatever was typed.
TEST(PracticeMistakes, EveryWrongDigitIsTooBigOrTooSmall) {
    const Problem p{4567, 23};
    for (const Step& step : SolutionSteps(p)) {
        if (step.Kind != K::Digit)
            continue;
        for (std::uint32_t d = 0; d < 100; ++d) {
            const M expected = d == step.Answer        ? M::None
                               : d > 9                 ? M::OneDigit
                               : d * 23 > step.Partial ? M::DigitTooBig
                                                       : M::DigitTooSmall;
            EXPECT_EQ(CheckAnswer(p, step, std::to_string(d)), expected) << d;
        }
    }
}

TEST(PracticeMistakeNames, AreTheShortEnglishWords) {
    // clang-format off
    const char* const Names[] = {"", "not-a-number", "first-too-small", "first-too-long",
        "first", "count", "count-dividend", "round", "trial", "one-digit", "digit-too-big",
        "digit-too-small", "product", "difference", "bring", "bring-forgot", "bring-wrong",
        "zero-skipped", "zero-missing", "quotient", "remainder-too-big", "remainder",
        "check-product", "check-sum"};
    // clang-format on
    for (std::size_t i = 0; i < std::size(Names); ++i)
        EXPECT_EQ(MistakeName(static_cast<Mistake>(i)), Names[i]);
}

} // namespace
} // namespace velmorand
