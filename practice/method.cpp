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

PartialDividends PartialDividendsOf(std::uint32_t dividend, std::uint32_t divisor) {
    PartialDividends partials;
    if (divisor == 0)
        return partials;
    // The dividend's digits, the last one first.
    std::array<std::uint32_t, 10> digits{};
    int left = 0;
    do {
        digits[static_cast<std::size_t>(left++)] = dividend % 10;
        dividend /= 10;
    } while (dividend != 0);
    // Every partial dividend is at most the beginning of the dividend it stands under: no sum
    // here can overflow.
    std::uint32_t partial = 0;
    while (left > 0) {
        partial = partial * 10 + digits[static_cast<std::size_t>(--left)];
        if (partial >= divisor)
            break;
    }
    partials.Values[static_cast<std::size_t>(partials.Count++)] = partial;
    while (left > 0) {
        partial = partial % divisor * 10 + digits[static_cast<std::size_t>(--left)];
        partials.Values[static_cast<std::size_t>(partials.Count++)] = partial;
    }
    return partials;
}

} // namespace velmorand
