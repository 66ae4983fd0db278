// The fractional part of random whole-number divisions, against the exact fraction worked
// out in 128-bit integers: remainder / divisor scaled to fifteen digits and rounded half up.
#include "worksheet/worksheet.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>

namespace velmorand {
namespace {

__extension__ typedef unsigned __int128 Wide; // holds remainder × 10^20

struct Digits {
    std::string significant; // without trailing zeros
    int exponent = 0;        // of the first digit: 0.0347... has -2
};

Wide Power10(int n) {
    Wide p = 1;
    while (n-- > 0)
        p *= 10;
    return p;
}

// remainder / divisor rounded to 15 significant digits, from exact integers.
Digits ExpectedDigits(std::uint64_t remainder, std::uint64_t divisor) {
    Digits d;
    d.exponent = -1;
    while (remainder * Power10(-d.exponent) < divisor)
        --d.exponent;
    // scaled = remainder / divisor × 10^(14 - exponent), a number of 15 digits before rounding.
    const Wide numerator = remainder * Power10(14 - d.exponent);
    Wide scaled = numerator / divisor;
    if ((numerator % divisor) * 2 >= divisor)
        ++scaled;
    if (scaled == Power10(15)) {
        scaled /= 10;
        ++d.exponent;
    }
    d.significant = std::to_string(static_cast<std::uint64_t>(scaled));
    while (d.significant.size() > 1 && d.significant.back() == '0')
        d.significant.pop_back();
    return d;
}

// Reads "0,0347" or "3,47826086956522E-02" back into digits and exponent.
Digits ShownDigits(const std::string& text) {
    Digits d;
    const std::size_t e = text.find('E');
    const std::string mantissa = text.substr(0, e);
    std::string all;
    int point = -1;
    for (const char c : mantissa) {
        if (c == ',')
            point = static_cast<int>(all.size());
        else
            all += c;
    }
    if (point < 0)
        point = static_cast<int>(all.size());
    const std::size_t first = all.find_first_not_of('0');
    d.significant = all.substr(first);
    d.exponent = point - 1 - static_cast<int>(first);
    if (e != std::string::npos)
        d.exponent += std::stoi(text.substr(e + 1));
    return d;
}

TEST(FractionalPartProperty, MatchesTheExactFractionOfWholeNumbers) {
    std::mt19937_64 random(7122026);
    std::uniform_int_distribution<std::uint64_t> dividends(0, 999999);
    std::uniform_int_distribution<std::uint64_t> divisors(1, 999999);
    for (int i = 0; i < 100000; ++i) {
        Worksheet sheet;
        const std::uint64_t dividend = dividends(random);
        const std::uint64_t divisor = divisors(random);
        sheet.Dividend = std::to_string(dividend);
        sheet.Divisor = std::to_string(divisor);
        RunDivision(sheet, ",");
        SCOPED_TRACE(sheet.Dividend + " / " + sheet.Divisor + " gave " + sheet.FractionalPart);
        const std::uint64_t remainder = dividend % divisor;
        if (remainder == 0) {
            ASSERT_EQ(sheet.FractionalPart, "0");
            continue;
        }
        const Digits expected = ExpectedDigits(remainder, divisor);
        const Digits shown = ShownDigits(sheet.FractionalPart);
        ASSERT_EQ(shown.significant, expected.significant);
        ASSERT_EQ(shown.exponent, expected.exponent);
    }
}

} // namespace
} // namespace velmorand
