#include "worksheet/worksheet.h"
#include "worksheet_printer.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace velmorand {
namespace {

Worksheet SheetWith(const char* dividend, const char* divisor) {
    Worksheet sheet;
    sheet.Dividend = dividend;
    sheet.Divisor = divisor;
    return sheet;
}

Worksheet Divide(const char* dividend, const char* divisor, const char* separator = ".") {
    Worksheet sheet = SheetWith(dividend, divisor);
    RunDivision(sheet, separator);
    return sheet;
}

// A run's case: the inputs, the message, the column's rows from the top (the rest stay
// empty), and the quotient, fractional part, remainder and its denominator, as written.
struct RunCase {
    const char* name;
    const char* dividend;
    const char* divisor;
    const char* message;
    std::vector<const char*> rows;
    std::array<const char*, 4> results;
};

// The expected sheet: the inputs and the case's texts, every other field as it starts.
Worksheet Expected(const RunCase& c) {
    Worksheet sheet = SheetWith(c.dividend, c.divisor);
    sheet.Message = c.message;
    for (std::size_t i = 0; i < c.rows.size(); ++i)
        sheet.ColumnRows[i] = c.rows[i];
    std::tie(sheet.Quotient, sheet.FractionalPart, sheet.Remainder, sheet.RemainderDenominator) =
        std::tuple(c.results[0], c.results[1], c.results[2], c.results[3]);
    return sheet;
}

// clang-format off
const RunCase RunCases[] = {
    {"StartInputs", "234567", "14", "Деление с остатком",
     {" 14", "   94", "   84", "     105", "     98",
      "       76", "       70", "         67", "         56", "           11"},
     {" 16754", "0.785714285714286", " 11", " 14"}},
    {"FirstDigitsSmallerThanDivisor", "123456", "14", "Деление с остатком",
     {" 112", "   114", "   112", "     25", "     14", "       116", "       112", "         4"},
     {" 8818", "0.285714285714286", " 4", " 14"}},
    {"PictureExampleWithoutRemainder", "861", "7", "3",
     {" 7", "   16", "   14", "     21", "     21", "       0"},
     {" 123", "0", " 0", " 7"}},
    {"OneStep", "28", "14", "2",
     {" 28"},
     {" 2", "0", " 0", " 14"}},
    {"OneStepThatFindsNoMoreDigits", "12", "14", "Деление с остатком",
     {" 0"},
     {" 0", "0.857142857142857", " 12", " 14"}},
    {"NoStep", "12", "345", "Деление с остатком",
     {},
     {" 0", "3.47826086956522E-02", " 12", " 345"}},
    {"NoStepDividendLargerThanDivisor", "99", "0005", "Деление с остатком",
     {},
     {" 19", "0.8", " 4", " 5"}},
    {"SevenStepsFillEveryRow", "7654321", "3", "Деление с остатком",
     {" 6", "   16", "   15", "     15", "     15", "       4", "       3",
      "         13", "         12", "           12",
      "           12", "             1", "             0"},
     {" 2551440", "0.333333333333333", " 1", " 3"}},
    {"EighthStepWritesNoRow", "98765432", "3", "Деление с остатком",
     {" 9", "   8", "   6", "     27", "     27", "       6", "       6",
      "         5", "         3", "           24",
      "           24", "             3", "             3"},
     {" 32921810", "0.666666666666667", " 2", " 3"}},
};
// clang-format on

TEST(RunDivision, WritesTheColumnAndTheResults) {
    for (const RunCase& c : RunCases)
        EXPECT_EQ(Divide(c.dividend, c.divisor), Expected(c)) << c.name;
}

TEST(RunDivision, FirstWritesTheDividendLengthInTheMessage) {
    EXPECT_EQ(Divide("0861", "7").Message, "4");
    EXPECT_EQ(Divide("ёёё", "7").Message, "3"); // characters, not bytes
}

TEST(RunDivision, WritesTheFractionalPartWithTheUsersSeparator) {
    EXPECT_EQ(Divide("234567", "14", ",").FractionalPart, "0,785714285714286");
    EXPECT_EQ(Divide("15", "2", ",").FractionalPart, "0,5");
}

// The remainder over the divisor, not the rounded quotient less its whole part.
TEST(RunDivision, WritesTheTrueFractionalPart) {
    const std::pair<std::pair<const char*, const char*>, const char*> cases[] = {
        {{"976", "5"}, "0.2"},               // was 0.199999999999989
        {{"100", "3"}, "0.333333333333333"}, // was 0.333333333333336
        {{"12.5", "2"}, "0.25"},             // not whole: the remainder divided as a double
        {{"7", "-2"}, "0.5"},
        {{"1E20", "3"}, "0"}, // too large for any fractional digit: what the quotient keeps
    };
    for (const auto& [inputs, fraction] : cases)
        EXPECT_EQ(Divide(inputs.first, inputs.second).FractionalPart, fraction) << inputs.first;
}

TEST(RunDivision, LeavesRowsItDoesNotWriteAsTheyWere) {
    Worksheet sheet = Divide("234567", "14");
    const Worksheet longer = sheet;
    sheet.Dividend = "28";
    RunDivision(sheet, ".");
    EXPECT_EQ(sheet.ColumnRows[0], " 28");
    for (const WorksheetField row : {ColumnRowField(1), ColumnRowField(2), ColumnRowField(3),
                                     ColumnRowField(7), ColumnRowField(9)})
        EXPECT_EQ(FieldText(sheet, row), FieldText(longer, row));
    EXPECT_EQ(sheet.Quotient, " 2");
    EXPECT_EQ(sheet.Remainder, " 0");
}

TEST(RunDivision, StartsEveryRunAfresh) {
    Worksheet sheet = Divide("861", "7");
    RunDivision(sheet, ".");
    EXPECT_EQ(sheet, Divide("861", "7"));
}

TEST(RunDivision, ReadsTextsThatAreNotPlainDigits) {
    // The space is brought down as a step of its own, which divides the bare remainder.
    const Worksheet spaced = Divide("8 61", "7");
    EXPECT_EQ(spaced.Quotient, " 123");
    EXPECT_EQ(spaced.ColumnRows[1], "   1");
    EXPECT_EQ(spaced.ColumnRows[2], "   0");
    EXPECT_EQ(spaced.ColumnRows[3], "     16");
    const Worksheet negative = Divide("-7", "2");
    EXPECT_EQ(negative.Quotient, "-4");
    EXPECT_EQ(negative.FractionalPart, "0.5");
}

// A division that cannot be done says why and leaves every field as it was.
TEST(RunDivision, RefusedOnlyChangesTheMessage) {
    constexpr const char* Zero = "На ноль делить нельзя";
    constexpr const char* Large = "Число слишком большое";
    const struct {
        const char *Dividend, *Divisor, *Message;
    } Refused[] = {
        {"234567", "", Zero},       {"234567", "0", Zero},     {"234567", "abc", Zero},
        {"0", "0.0", Zero},         {"1E999", "14", Large},    {"234567", "1E999", Large},
        {"1E300", "1E-300", Large}, {"7E62x1", "3.00", Large}, // out of range midway
    };
    for (const auto& c : Refused) {
        Worksheet sheet = Divide("234567", "14");
        sheet.RunVisible = false;
        sheet.Dividend = c.Dividend;
        sheet.Divisor = c.Divisor;
        Worksheet expected = sheet;
        expected.Message = c.Message;
        RunDivision(sheet, ".");
        EXPECT_EQ(sheet, expected) << c.Dividend << " / " << c.Divisor;
    }
}

} // namespace
} // namespace velmorand
