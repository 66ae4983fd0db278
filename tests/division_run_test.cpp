#include "worksheet/worksheet.h"
#include "worksheet_printer.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <utility>
#include <vector>

namespace velmorand {
namespace {

using FieldTexts = std::vector<std::pair<WorksheetText, const char*>>;

Worksheet SheetWith(const char* dividend, const char* divisor) {
    Worksheet sheet;
    sheet.Text1 = dividend;
    sheet.Text15 = divisor;
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
    sheet.MessageText = message;
    for (const auto& [field, text] : texts)
        sheet.*field = text;
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

INSTANTIATE_TEST_SUITE_P(RunDivision, RunDivisionCases,
                         testing::Values(RunCase{"StartInputs",
                                                 "234567",
                                                 "14",
                                                 "Деление с остатком",
                                                 {{&W::Text2, " 14"},
                                                  {&W::Text3, "   94"},
                                                  {&W::Text4, "   84"},
                                                  {&W::Text5, "     105"},
                                                  {&W::Text6, "     98"},
                                                  {&W::Text7, "       76"},
                                                  {&W::Text8, "       70"},
                                                  {&W::Text9, "         67"},
                                                  {&W::Text10, "         56"},
                                                  {&W::Text11, "           11"},
                                                  {&W::Text16, " 16754"},
                                                  {&W::Text17, "0.785714285714286"},
                                                  {&W::Text18, " 11"},
                                                  {&W::Text19, " 14"}}},
                                         RunCase{"FirstDigitsSmallerThanDivisor",
                                                 "123456",
                                                 "14",
                                                 "Деление с остатком",
                                                 {{&W::Text2, " 112"},
                                                  {&W::Text3, "   114"},
                                                  {&W::Text4, "   112"},
                                                  {&W::Text5, "     25"},
                                                  {&W::Text6, "     14"},
                                                  {&W::Text7, "       116"},
                                                  {&W::Text8, "       112"},
                                                  {&W::Text9, "         4"},
                                                  {&W::Text16, " 8818"},
                                                  {&W::Text17, "0.285714285714286"},
                                                  {&W::Text18, " 4"},
                                                  {&W::Text19, " 14"}}},
                                         RunCase{"PictureExampleWithoutRemainder",
                                                 "861",
                                                 "7",
                                                 "3",
                                                 {{&W::Text2, " 7"},
                                                  {&W::Text3, "   16"},
                                                  {&W::Text4, "   14"},
                                                  {&W::Text5, "     21"},
                                                  {&W::Text6, "     21"},
                                                  {&W::Text7, "       0"},
                                                  {&W::Text16, " 123"},
                                                  {&W::Text17, "0"},
                                                  {&W::Text18, " 0"},
                                                  {&W::Text19, " 7"}}},
                                         RunCase{"OneStep",
                                                 "28",
                                                 "14",
                                                 "2",
                                                 {{&W::Text2, " 28"},
                                                  {&W::Text16, " 2"},
                                                  {&W::Text17, "0"},
                                                  {&W::Text18, " 0"},
                                                  {&W::Text19, " 14"}}},
                                         RunCase{"OneStepThatFindsNoMoreDigits",
                                                 "12",
                                                 "14",
                                                 "Деление с остатком",
                                                 {{&W::Text2, " 0"},
                                                  {&W::Text16, " 0"},
                                                  {&W::Text17, "0.857142857142857"},
                                                  {&W::Text18, " 12"},
                                                  {&W::Text19, " 14"}}},
                                         RunCase{"NoStep",
                                                 "12",
                                                 "345",
                                                 "Деление с остатком",
                                                 {{&W::Text16, " 0"},
                                                  {&W::Text17, "3.47826086956522E-02"},
                                                  {&W::Text18, " 12"},
                                                  {&W::Text19, " 345"}}},
                                         RunCase{"NoStepDividendLargerThanDivisor",
                                                 "99",
                                                 "0005",
                                                 "Деление с остатком",
                                                 {{&W::Text16, " 19"},
                                                  {&W::Text17, "0.8"},
                                                  {&W::Text18, " 4"},
                                                  {&W::Text19, " 5"}}},
                                         RunCase{"SevenStepsFillEveryRow",
                                                 "7654321",
                                                 "3",
                                                 "Деление с остатком",
                                                 {{&W::Text2, " 6"},
                                                  {&W::Text3, "   16"},
                                                  {&W::Text4, "   15"},
                                                  {&W::Text5, "     15"},
                                                  {&W::Text6, "     15"},
                                                  {&W::Text7, "       4"},
                                                  {&W::Text8, "       3"},
                                                  {&W::Text9, "         13"},
                                                  {&W::Text10, "         12"},
                                                  {&W::Text11, "           12"},
                                                  {&W::Text12, "           12"},
                                                  {&W::Text13, "             1"},
                                                  {&W::Text14, "             0"},
                                                  {&W::Text16, " 2551440"},
                                                  {&W::Text17, "0.333333333333333"},
                                                  {&W::Text18, " 1"},
                                                  {&W::Text19, " 3"}}},
                                         RunCase{"EighthStepWritesNoRow",
                                                 "98765432",
                                                 "3",
                                                 "Деление с остатком",
                                                 {{&W::Text2, " 9"},
                                                  {&W::Text3, "   8"},
                                                  {&W::Text4, "   6"},
                                                  {&W::Text5, "     27"},
                                                  {&W::Text6, "     27"},
                                                  {&W::Text7, "       6"},
                                                  {&W::Text8, "       6"},
                                                  {&W::Text9, "         5"},
                                                  {&W::Text10, "         3"},
                                                  {&W::Text11, "           24"},
                                                  {&W::Text12, "           24"},
                                                  {&W::Text13, "             3"},
                                                  {&W::Text14, "             3"},
                                                  {&W::Text16, " 32921810"},
                                                  {&W::Text17, "0.666666666666667"},
                                                  {&W::Text18, " 2"},
                                                  {&W::Text19, " 3"}}}),
                         CaseName);

TEST(RunDivision, FirstWritesTheDividendLengthInTheMessage) {
    EXPECT_EQ(Divide("0861", "7").MessageText, "4");
    EXPECT_EQ(Divide("ёёё", "7").MessageText, "3"); // characters, not bytes
}

TEST(RunDivision, WritesTheFractionalPartWithTheUsersSeparator) {
    EXPECT_EQ(Divide("234567", "14", ",").Text17, "0,785714285714286");
    EXPECT_EQ(Divide("15", "2", ",").Text17, "0,5");
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
        EXPECT_EQ(Divide(inputs.first, inputs.second).Text17, fraction) << inputs.first;
}

TEST(RunDivision, LeavesRowsItDoesNotWriteAsTheyWere) {
    Worksheet sheet = Divide("234567", "14");
    const Worksheet longer = sheet;
    sheet.Text1 = "28";
    RunDivision(sheet, ".");
    EXPECT_EQ(sheet.Text2, " 28");
    for (const WorksheetText row : {&W::Text3, &W::Text4, &W::Text5, &W::Text9, &W::Text11})
        EXPECT_EQ(sheet.*row, longer.*row);
    EXPECT_EQ(sheet.Text16, " 2");
    EXPECT_EQ(sheet.Text18, " 0");
}

TEST(RunDivision, StartsEveryRunAfresh) {
    Worksheet sheet = Divide("861", "7");
    RunDivision(sheet, ".");
    EXPECT_EQ(sheet, Divide("861", "7"));
}

TEST(RunDivision, ReadsTextsThatAreNotPlainDigits) {
    // The space is brought down as a step of its own, which divides the bare remainder.
    const Worksheet spaced = Divide("8 61", "7");
    EXPECT_EQ(spaced.Text16, " 123");
    EXPECT_EQ(spaced.Text3, "   1");
    EXPECT_EQ(spaced.Text4, "   0");
    EXPECT_EQ(spaced.Text5, "     16");
    const Worksheet negative = Divide("-7", "2");
    EXPECT_EQ(negative.Text16, "-4");
    EXPECT_EQ(negative.Text17, "0.5");
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
    sheet.Text1 = c.dividend;
    sheet.Text15 = c.divisor;
    Worksheet expected = sheet;
    expected.MessageText = c.message;
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
