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
    sheet.Text1 = std::move(dividend);
    sheet.Text15 = divisor;
    RunDivision(sheet, ".");
    return sheet;
}

TEST(LongDividend, LeadingZerosBringDownEveryDigit) {
    const Worksheet sheet = Divide(std::string(Length - 1, '0') + "1", "7");
    EXPECT_EQ(sheet.Text16, " 0");
    EXPECT_EQ(sheet.Text2, " 0");
    EXPECT_EQ(sheet.Text3, "   0");
    EXPECT_EQ(sheet.Text13, "             0");
    EXPECT_EQ(sheet.Text17, "0.142857142857143");
    EXPECT_EQ(sheet.Text18, " 1"); // the last character, brought down by the last step
    EXPECT_EQ(sheet.MessageText, "Деление с остатком");
}

TEST(LongDividend, TrailingSpacesAreBroughtDownAsNothing) {
    const Worksheet sheet = Divide("15" + std::string(Length, ' '), "7");
    EXPECT_EQ(sheet.Text16, " 2");
    EXPECT_EQ(sheet.Text2, " 14");
    EXPECT_EQ(sheet.Text3, "   1");
    EXPECT_EQ(sheet.Text18, " 1");
    EXPECT_EQ(sheet.Text19, " 7");
}

TEST(LongDividend, LettersReadAsZero) {
    const Worksheet sheet = Divide(std::string(Length, 'x'), "7");
    EXPECT_EQ(sheet.Text16, " 0");
    EXPECT_EQ(sheet.Text18, " 0");
    EXPECT_EQ(sheet.MessageText, "300000");
}

TEST(LongDividend, TooManyDigitsIsTooLargeANumber) {
    Worksheet sheet;
    sheet.Text1 = std::string(Length, '9');
    Worksheet expected = sheet;
    RunDivision(sheet, ".");
    expected.MessageText = "Число слишком большое";
    EXPECT_EQ(sheet, expected);
}

} // namespace
} // namespace velmorand
