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
    DigitTooBig,   // the product would be larger than the partial dividend
    DigitTooSmall, // the remainder would not be smaller than b
    Product,
    Difference,
    Bring,
    ZeroMissing, // the quotient with its 0 digits left out
    Quotient,
    Remainder,
};

// "" for None, else "not-a-number", "first-too-small", "first-too-long", "first", "count",
// "digit-too-big", "digit-too-small", "product", "difference", "bring", "zero-missing",
// "quotient", "remainder".
std::string_view MistakeName(Mistake mistake);

// What the typed text is as an answer to the step. Spaces around the digits are allowed;
// any text at all is safe, a pasted million characters included.
Mistake CheckAnswer(const Problem& problem, const Step& step, std::string_view typed);

} // namespace velmorand
