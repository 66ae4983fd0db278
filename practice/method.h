// The parts of the method that depend on the divisor alone: the trial digit of a two- or
// three-digit divisor, and the check by multiplication that follows the smaller ones; and the
// partial dividends a division goes through.
#pragma once

#include <array>
#include <cstdint>

namespace velmorand {

// The divisor rounded to the nearest ten (two digits) or hundred (three digits), a half
// rounding up: 35 → 40, 34 → 30, 250 → 300. A one-digit divisor is itself.
std::uint32_t RoundedDivisor(std::uint32_t divisor);

// How many times the rounded divisor goes into the partial dividend, at most 9.
std::uint32_t TrialDigit(std::uint32_t partial, std::uint32_t divisor);

// A divisor from 11 up that rounding changes: the pupil estimates each quotient digit first.
// A round divisor (30, 400) is worked in the short form «158 : 30 — это как 15 : 3».
bool NeedsTrialDigit(std::uint32_t divisor);

// The divisors of the levels that end with «проверка», the multiplication back: one digit,
// and the round tens.
bool ChecksByMultiplying(std::uint32_t divisor);

// The partial dividends of a division, one for each digit of the quotient from the left: the
// first is the shortest beginning of the dividend's digits that is at least the divisor (all of
// the dividend when none is), each next one the remainder before it with the dividend's next
// digit brought down. 7240 : 8 goes through 72, 4 and 40: the quotient's digit is each partial
// dividend divided by the divisor, a 0 where it is smaller. A divisor of 0 has none.
struct PartialDividends {
    std::array<std::uint32_t, 10> Values{}; // a 32-bit dividend has at most 10 digits
    int Count = 0;

    const std::uint32_t* begin() const { return Values.data(); }
    const std::uint32_t* end() const { return Values.data() + Count; }
};
PartialDividends PartialDividendsOf(std::uint32_t dividend, std::uint32_t divisor);

} // namespace velmorand
