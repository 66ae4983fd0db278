// The method as grade 3-4 textbooks teach it: the questions the pupil answers, in order, for
// one problem.
#pragma once

#include "problems.h"

#include <cstdint>
#include <string_view>
#include <vector>

namespace velmorand {

enum class StepKind {
    First,        // the first partial dividend: the shortest beginning of a that is at least b
    Count,        // how many digits the quotient has
    Round,        // the divisor rounded to tens or hundreds, once, for a trial digit
    Trial,        // the trial digit: how many times the rounded divisor goes into the partial
    Digit,        // how many times b goes into the partial dividend
    Product,      // the digit times b, written under the partial dividend
    Difference,   // the partial dividend less the product
    Bring,        // the next digit of a brought down: the new partial dividend
    Quotient,     // the answer line: the quotient
    Remainder,    // and the remainder, when it is not 0
    CheckProduct, // the check: the quotient times the divisor
    CheckSum,     // and that product plus the remainder, when it is not 0
    Done,
};

// "first", "count", "round", "trial", "digit", "product", "difference", "bring", "quotient",
// "remainder", "check-product", "check-sum", "done".
std::string_view StepName(StepKind kind);

struct Step {
    StepKind Kind = StepKind::Done;
    std::uint32_t Answer = 0; // what the pupil must type
    std::uint32_t Partial =
        0;                  // the partial dividend a digit, product, difference or bring works on
    int QuotientDigit = -1; // which digit of the quotient, from 0, for those four
    int LastColumn = -1;    // the column of a's digit the partial dividend reaches, for those four
    // A bring's partial dividend is the one it makes (its answer), its digit the quotient
    // digit that partial dividend gives, its column that of the digit brought down.

    bool operator==(const Step&) const = default;
};

// Every step of the problem, ending with Done. A partial dividend smaller than b gives the
// digit 0 with no product or difference, as in the textbooks. A divisor that needs a trial
// digit (method.h) is rounded once after the count, and each digit that is not 0 is estimated
// before it is found; a divisor that is checked by multiplication ends with the check.
std::vector<Step> SolutionSteps(const Problem& problem);

} // namespace velmorand
