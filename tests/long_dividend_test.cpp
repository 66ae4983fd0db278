// Dividends of hundreds of thousands of characters, as a pasted text can be: the run walks
// them once and ends with the right division.
#include "worksheet/worksheet.h"

#include <gtest/gtest.h>

#include <string>

namespace velmorand {
namespace {

constexpr std::size_t Length = 300000;

Worksheet Divide(std::string dividend, const char* divisor) {
    Worksheet sheet;
    sheet.Dividend = std::move(dividend);
    sheet.Divisor = divisor;
    RunDivision(sheet, ".");
    return sheet;
}

TEST(LongDividend, LeadingZerosBringDownEveryDigit) {
    const Worksheet sheet = Divide(std::string(Length - 1, '0') + "1", "7");
    EXPECT_EQ(sheet.Quotient, " 0");
    EXPECT_EQ(sheet.ColumnRows[0], " 0");
    EXPECT_EQ(sheet.ColumnRows[1], "   0");
    EXPECT_EQ(sheet.ColumnRows[11], "             0");
    EXPECT_EQ(sheet.FractionalPart, "0.142857142857143");
    EXPECT_EQ(sheet.Remainder, " 1"); // the last character, brought down by the last step
    EXPECT_EQ(sheet.Message, "Деление с остатком");
}

TEST(LongDividend, TrailingSpacesAreBroughtDownAsNothing) {
    const Worksheet sheet = Divide("15" + std::string(Length, ' '), "7");
    EXPECT_EQ(sheet.Quotient, " 2");
    EXPECT_EQ(sheet.ColumnRows[0], " 14");
    EXPECT_EQ(sheet.ColumnRows[1], "   1");
    EXPECT_EQ(sheet.Remainder, " 1");
    EXPECT_EQ(sheet.RemainderDenominator, " 7");
}

TEST(LongDividend, LettersReadAsZero) {
    const Worksheet sheet = Divide(std::string(Length, 'x'), "7");
    EXPECT_EQ(sheet.Quotient, " 0");
    EXPECT_EQ(sheet.Remainder, " 0");
    EXPECT_EQ(sheet.Message, "300000");
}

TEST(LongDividend, TooManyDigitsIsTooLargeANumber) {
    Worksheet sheet;
    sheet.Dividend = std::string(Length, '9');
    Worksheet expected = sheet;
    RunDivision(sheet, ".");
    expected.Message = "Число слишком большое";
    EXPECT_EQ(sheet, expected);
}

} // namespace
} // namespace velmorand
