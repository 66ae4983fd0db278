#include "worksheet/worksheet.h"
#include "worksheet_printer.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <utility>
#include <vector>

namespace velmorand {
namespace {

using FieldTexts = std::vector<std::pair<WorksheetField, const char*>>;

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

// The expected sheet: the inputs, the given texts, and every other field as it starts.
Worksheet Expected(const char* dividend, const char* divisor, const char* message,
                   FieldTexts texts) {
    Worksheet sheet = SheetWith(dividend, divisor);
    sheet.Message = message;
    for (const auto& [field, text] : texts)
        FieldText(sheet, field) = text;
    return sheet;
}

struct RunCase {
    const char* name;
    const char* dividend;
    const char* divisor;
    const char* message;
    FieldTexts texts;
};

void PrintTo(const RunCase& c, std::ostream* out) { *out << c.dividend << " / " << c.divisor; }

class RunDivisionCases : public testing::TestWithParam<RunCase> {};

TEST_P(RunDivisionCases, WritesTheColumnAndTheResults) {
    const RunCase& c = GetParam();
    EXPECT_EQ(Divide(c.dividend, c.divisor), Expected(c.dividend, c.divisor, c.message, c.texts));
}

std::string CaseName(const testing::TestParamInfo<RunCase>& info) { return info.param.name; }

using W = Worksheet;

INSTANTIATE_TEST_SUITE_P(
    RunDivision, RunDivisionCases,
    testing::Values(RunCase{"StartInputs",
                            "234567",
                            "14",
                            "Деление с остатком",
                            {{ColumnRowField(0), " 14"},
                             {ColumnRowField(1), "   94"},
                             {ColumnRowField(2), "   84"},
                             {ColumnRowField(3), "     105"},
                             {ColumnRowField(4), "     98"},
                             {ColumnRowField(5), "       76"},
                             {ColumnRowField(6), "       70"},
                             {ColumnRowField(7), "         67"},
                             {ColumnRowField(8), "         56"},
                             {ColumnRowField(9), "           11"},
                             {WorksheetField::Quotient, " 16754"},
                             {WorksheetField::FractionalPart, "0.785714285714286"},
                             {WorksheetField::Remainder, " 11"},
                             {WorksheetField::RemainderDenominator, " 14"}}},
                    RunCase{"FirstDigitsSmallerThanDivisor",
                            "123456",
                            "14",
                            "Деление с остатком",
                            {{ColumnRowField(0), " 112"},
                             {ColumnRowField(1), "   114"},
                             {ColumnRowField(2), "   112"},
                             {ColumnRowField(3), "     25"},
                             {ColumnRowField(4), "     14"},
                             {ColumnRowField(5), "       116"},
                             {ColumnRowField(6), "       112"},
                             {ColumnRowField(7), "         4"},
                             {WorksheetField::Quotient, " 8818"},
                             {WorksheetField::FractionalPart, "0.285714285714286"},
                             {WorksheetField::Remainder, " 4"},
                             {WorksheetField::RemainderDenominator, " 14"}}},
                    RunCase{"PictureExampleWithoutRemainder",
                            "861",
                            "7",
                            "3",
                            {{ColumnRowField(0), " 7"},
                             {ColumnRowField(1), "   16"},
                             {ColumnRowField(2), "   14"},
                             {ColumnRowField(3), "     21"},
                             {ColumnRowField(4), "     21"},
                             {ColumnRowField(5), "       0"},
                             {WorksheetField::Quotient, " 123"},
                             {WorksheetField::FractionalPart, "0"},
                             {WorksheetField::Remainder, " 0"},
                             {WorksheetField::RemainderDenominator, " 7"}}},
                    RunCase{"OneStep",
                            "28",
                            "14",
                            "2",
                            {{ColumnRowField(0), " 28"},
                             {WorksheetField::Quotient, " 2"},
                             {WorksheetField::FractionalPart, "0"},
                             {WorksheetField::Remainder, " 0"},
                             {WorksheetField::RemainderDenominator, " 14"}}},
                    RunCase{"OneStepThatFindsNoMoreDigits",
                            "12",
                            "14",
                            "Деление с остатком",
                            {{ColumnRowField(0), " 0"},
                             {WorksheetField::Quotient, " 0"},
                             {WorksheetField::FractionalPart, "0.857142857142857"},
                             {WorksheetField::Remainder, " 12"},
                             {WorksheetField::RemainderDenominator, " 14"}}},
                    RunCase{"NoStep",
                            "12",
                            "345",
                            "Деление с остатком",
                            {{WorksheetField::Quotient, " 0"},
                             {WorksheetField::FractionalPart, "3.47826086956522E-02"},
                             {WorksheetField::Remainder, " 12"},
                             {WorksheetField::RemainderDenominator, " 345"}}},
                    RunCase{"NoStepDividendLargerThanDivisor",
                            "99",
                            "0005",
                            "Деление с остатком",
                            {{WorksheetField::Quotient, " 19"},
                             {WorksheetField::FractionalPart, "0.8"},
                             {WorksheetField::Remainder, " 4"},
                             {WorksheetField::RemainderDenominator, " 5"}}},
                    RunCase{"SevenStepsFillEveryRow",
                            "7654321",
                            "3",
                            "Деление с остатком",
                            {{ColumnRowField(0), " 6"},
                             {ColumnRowField(1), "   16"},
                             {ColumnRowField(2), "   15"},
                             {ColumnRowField(3), "     15"},
                             {ColumnRowField(4), "     15"},
                             {ColumnRowField(5), "       4"},
                             {ColumnRowField(6), "       3"},
                             {ColumnRowField(7), "         13"},
                             {ColumnRowField(8), "         12"},
                             {ColumnRowField(9), "           12"},
                             {ColumnRowField(10), "           12"},
                             {ColumnRowField(11), "             1"},
                             {ColumnRowField(12), "             0"},
                             {WorksheetField::Quotient, " 2551440"},
                             {WorksheetField::FractionalPart, "0.333333333333333"},
                             {WorksheetField::Remainder, " 1"},
                             {WorksheetField::RemainderDenominator, " 3"}}},
                    RunCase{"EighthStepWritesNoRow",
                            "98765432",
                            "3",
                            "Деление с остатком",
                            {{ColumnRowField(0), " 9"},
                             {ColumnRowField(1), "   8"},
                             {ColumnRowField(2), "   6"},
                             {ColumnRowField(3), "     27"},
                             {ColumnRowField(4), "     27"},
                             {ColumnRowField(5), "       6"},
                             {ColumnRowField(6), "       6"},
                             {ColumnRowField(7), "         5"},
                             {ColumnRowField(8), "         3"},
                             {ColumnRowField(9), "           24"},
                             {ColumnRowField(10), "           24"},
                             {ColumnRowField(11), "             3"},
                             {ColumnRowField(12), "             3"},
                             {WorksheetField::Quotient, " 32921810"},
                             {WorksheetField::FractionalPart, "0.666666666666667"},
                             {WorksheetField::Remainder, " 2"},
                             {WorksheetField::RemainderDenominator, " 3"}}}),
    CaseName);

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

struct RefusedCase {
    const char* name;
    const char* dividend;
    const char* divisor;
    const char* message;
};

void PrintTo(const RefusedCase& c, std::ostream* out) { *out << c.dividend << " / " << c.divisor; }

class RefusedDivisions : public testing::TestWithParam<RefusedCase> {};

// A division that cannot be done says why and leaves every field as it was.
TEST_P(RefusedDivisions, OnlyTheMessageChanges) {
    const RefusedCase& c = GetParam();
    Worksheet sheet = Divide("234567", "14");
    sheet.RunVisible = false;
    sheet.Dividend = c.dividend;
    sheet.Divisor = c.divisor;
    Worksheet expected = sheet;
    expected.Message = c.message;
    RunDivision(sheet, ".");
    EXPECT_EQ(sheet, expected);
}

std::string RefusedName(const testing::TestParamInfo<RefusedCase>& info) { return info.param.name; }

INSTANTIATE_TEST_SUITE_P(
    RunDivision, RefusedDivisions,
    testing::Values(RefusedCase{"EmptyDivisor", "234567", "", "На ноль делить нельзя"},
                    RefusedCase{"ZeroDivisor", "234567", "0", "На ноль делить нельзя"},
                    RefusedCase{"DivisorWithoutNumber", "234567", "abc", "На ноль делить нельзя"},
                    RefusedCase{"BothZero", "0", "0.0", "На ноль делить нельзя"},
                    RefusedCase{"DividendTooLarge", "1E999", "14", "Число слишком большое"},
                    RefusedCase{"DivisorTooLarge", "234567", "1E999", "Число слишком большое"},
                    RefusedCase{"QuotientTooLarge", "1E300", "1E-300", "Число слишком большое"},
                    RefusedCase{"RemainderOutOfRangeMidway", "7E62x1", "3.00",
                                "Число слишком большое"}),
    RefusedName);

} // namespace
} // namespace velmorand
