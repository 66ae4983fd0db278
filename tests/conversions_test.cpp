#include "worksheet/conversions.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace velmorand {
namespace {

struct ReadCase {
    const char* text;
    double value;
};

TEST(TextToNumber, ReadsTheNumberAtTheStartOfAText) {
    const ReadCase cases[] = {
        {"14", 14},      {"0014", 14},   {" 114", 114},  {" 05", 5},    {"1 2", 12},
        {"\t1\n2 ", 12}, {"12a3", 12},   {"12.5", 12.5}, {"12,5", 12},  {".5", 0.5},
        {"5.", 5},       {"-28", -28},   {"+7", 7},      {"- 7", -7},   {"-.25", -0.25},
        {"1E3", 1000},   {"1e-2", 0.01}, {"2E+2", 200},  {"12E", 12},   {"12E+", 12},
        {"12E-x", 12},   {"1.5.5", 1.5}, {"&H1F", 31},   {"&hff", 255}, {"&O17", 15},
        {"&o8", 0},      {"&H", 0},      {"&Hg", 0},     {"&X12", 0},   {"", 0},
        {"abc", 0},      {"-", 0},       {".", 0},       {"+", 0},      {"E5", 0},
        {"inf", 0},      {"nan", 0},     {"1E-999", 0},  {"0E999", 0},  {"0.0000001E-999", 0},
        {"Ж12", 0},      {"12Ж", 12},    {"\r12", 0},
    };
    for (const ReadCase& c : cases)
        EXPECT_EQ(TextToNumber(c.text), c.value) << '"' << c.text << '"';
}

TEST(TextToNumber, ReadsNumbersBeyondTheRangeOfADoubleAsInfinite) {
    const double infinity = std::numeric_limits<double>::infinity();
    EXPECT_EQ(TextToNumber("1E999"), infinity);
    EXPECT_EQ(TextToNumber("-1E999"), -infinity);
    EXPECT_EQ(TextToNumber("1E99999999999999999999999"), infinity);
    EXPECT_EQ(TextToNumber("0.0001E400"), infinity);
    EXPECT_EQ(TextToNumber(std::string(400, '9')), infinity);
    EXPECT_EQ(TextToNumber("&H1" + std::string(16, '0')), infinity);
    EXPECT_EQ(TextToNumber("1E308"), 1e308);
}

struct WriteCase {
    double value;
    const char* signedText;
    const char* localeText; // with "," as the separator
};

TEST(NumberToText, WritesSignSlotDigitsAndSeparator) {
    const WriteCase cases[] = {
        {0, " 0", "0"},
        {-0.0, " 0", "0"},
        {14, " 14", "14"},
        {16754, " 16754", "16754"},
        {-28, "-28", "-28"},
        {7.5, " 7.5", "7,5"},
        {0.5, " .5", "0,5"},
        {-0.25, "-.25", "-0,25"},
        {0.05, " .05", "0,05"},
        {1.0 / 3, " .333333333333333", "0,333333333333333"},
        {2.0 / 3, " .666666666666667", "0,666666666666667"},
        {234567.0 / 14 - 16754, " .785714285713766", "0,785714285713766"},
        {999999999999999, " 999999999999999", "999999999999999"},
        {1e15, " 1E+15", "1E+15"},
        {123456789012345678.0, " 1.23456789012346E+17", "1,23456789012346E+17"},
        {12.0 / 345, " 3.47826086956522E-02", "3,47826086956522E-02"},
        {-1e300, "-1E+300", "-1E+300"},
        {1e-5, " .00001", "0,00001"},
        {123.456, " 123.456", "123,456"},
        {100, " 100", "100"},
    };
    for (const WriteCase& c : cases) {
        EXPECT_EQ(NumberToSignedText(c.value), c.signedText) << c.value;
        EXPECT_EQ(NumberToLocaleText(c.value, ","), c.localeText) << c.value;
    }
}

TEST(NumberToText, UsesTheGivenSeparatorWhateverItIs) {
    EXPECT_EQ(NumberToLocaleText(234567.0 / 14 - 16754, "."), "0.785714285713766");
    EXPECT_EQ(NumberToLocaleText(1.5, "٫"), "1٫5");
}

// The exact fraction's digits, where dividing in double precision first would round some
// of them wrongly (11 / 14 was once "0.785714285713766").
TEST(FractionToText, WritesTheExactFractionRoundedTo15Digits) {
    struct Case {
        std::uint64_t numerator;
        std::uint64_t denominator;
        const char* text;
    };
    const Case cases[] = {
        {0, 7, "0"},
        {1, 5, "0.2"},
        {11, 14, "0.785714285714286"},
        {1, 3, "0.333333333333333"},
        {2, 3, "0.666666666666667"},
        {124749, 221634, "0.562860391456185"}, // the double 0.5628603914561845 rounds down
        {12, 345, "3.47826086956522E-02"},
        {1, 999999, "1.000001000001E-06"},
        {900719925474099, 4503599627370496, "0.2"}, // 0.19999999999999995... carries up
        {4503599627370495, 4503599627370496, "1"},  // 1 - 2^-52 rounds to a whole one
    };
    for (const Case& c : cases)
        EXPECT_EQ(FractionToLocaleText(c.numerator, c.denominator, "."), c.text)
            << c.numerator << " / " << c.denominator;
    EXPECT_EQ(FractionToLocaleText(1, 8, ","), "0,125");
}

TEST(NumberToText, ReadsBackWhatItWrites) {
    const double values[] = {0.1, 2.5e-7, 98765.4321, 1.0 / 7, 4e20, -17.25};
    for (const double value : values) {
        const double back = TextToNumber(NumberToSignedText(value));
        EXPECT_NEAR(back, value, std::fabs(value) * 1e-14) << value;
    }
}

TEST(WholePart, RoundsTowardsMinusInfinity) {
    EXPECT_EQ(WholePart(16754.79), 16754);
    EXPECT_EQ(WholePart(2), 2);
    EXPECT_EQ(WholePart(-2.5), -3);
    EXPECT_EQ(WholePart(-0.1), -1);
}

} // namespace
} // namespace velmorand
