#include "method.h"

#include <algorithm>

namespace velmorand {

namespace {

// The place of the divisor's first digit: 1 below ten, 10 for two digits, 100 for three.
std::uint32_t RoundingUnit(std::uint32_t divisor) {
    std::uint32_t unit = 1;
    while (divisor / 10 >= unit)
        unit *= 10;
    return unit;
}

} // namespace

std::uint32_t RoundedDivisor(std::uint32_t divisor) {
    const std::uint32_t unit = RoundingUnit(divisor);
    return (divisor + unit / 2) / unit * unit;
}

std::uint32_t TrialDigit(std::uint32_t partial, std::uint32_t divisor) {
    const std::uint32_t rounded = RoundedDivisor(divisor);
    return rounded == 0 ? 0 : std::min<std::uint32_t>(partial / rounded, 9);
}

bool NeedsTrialDigit(std::uint32_t divisor) {
    return divisor >= 11 && RoundedDivisor(divisor) != divisor;
}

bool ChecksByMultiplying(std::uint32_t divisor) {
    return (divisor >= 1 && divisor <= 9) || (divisor <= 90 && divisor % 10 == 0 && divisor != 0);
}

} // namespace velmorand
