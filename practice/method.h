// The parts of the method that depend on the divisor alone: the trial digit of a two- or
// three-digit divisor, and the check by multiplication that follows the smaller ones.
#pragma once

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

} // namespace velmorand
