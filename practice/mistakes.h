// Checking an answer, and naming what is wrong with it.
#pragma once

#include "problems.h"
#include "steps.h"

#include <string_view>

namespace velmorand {

enum class Mistake {
    None,          // the answer is right
    NotANumber,    // nothing but digits can be an answer
    FirstTooSmall, // a beginning of a smaller than b
    FirstTooLong,  // a beginning of a longer than needed
    First,
    Count,
    CountDividend, // the dividend's digits counted instead of the quotient's
    Round,         // the divisor rounded wrong
    Trial,         // the trial digit estimated wrong
    OneDigit,      // two or more digits where one quotient digit goes
    DigitTooBig,   // the product would be larger than the partial dividend
    DigitTooSmall, // the remainder would not be smaller than b
    Product,
    Difference,
    Bring,
    BringForgot, // the difference, with nothing brought down
    BringWrong,  // a wrong digit brought down
    ZeroSkipped, // two digits brought down at once, where the first leaves a 0 in the quotient
    ZeroMissing, // the quotient with one or more of its 0 digits left out
    Quotient,
    RemainderTooBig, // at or above the divisor
    Remainder,
    CheckProduct,
    CheckSum,
};

// "" for None, else the mistake's short name: "not-a-number", "first-too-small", ... in the
// order above, "zero-skipped", "remainder-too-big", "check-product", "check-sum".
std::string_view MistakeName(Mistake mistake);

// What the typed text is as an answer to the step. Spaces around the digits are allowed;
// any text at all is safe, a pasted million characters included.
Mistake CheckAnswer(const Problem& problem, const Step& step, std::string_view typed);

} // namespace velmorand
