#include "worksheet/worksheet.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>

namespace velmorand {
namespace {

struct TypingCase {
    WorksheetField field;
    const char* text;
    const char* message;
    bool runVisible;
};

// The window opens on the worked example's inputs, ready to Run.
TEST(Worksheet, StartsWithTheExampleInputs) {
    const Worksheet sheet;
    EXPECT_EQ(std::tie(sheet.Dividend, sheet.Divisor, sheet.Quotient, sheet.Message),
              std::tie("234567", "14", "Результат", "Сообщения:"));
    for (const WorksheetField field :
         {ColumnRowField(0), ColumnRowField(ColumnRowCount - 1), WorksheetField::FractionalPart,
          WorksheetField::Remainder, WorksheetField::RemainderDenominator})
        EXPECT_EQ(FieldText(sheet, field), "");
    EXPECT_TRUE(sheet.RunVisible);
}

TEST(DigitChecks, ReportTheLengthOfTheFieldJustEdited) {
    const TypingCase cases[] = {
        {WorksheetField::Dividend, "234567", "Разрядов делимого  6", true},
        {WorksheetField::Dividend, "1234567", "Разрядов делимого больше 6", false},
        {WorksheetField::Dividend, "", "Разрядов делимого  0", true},
        {WorksheetField::Dividend, "ёёёёёё", "Разрядов делимого  6", true},
        {WorksheetField::Dividend, "1 2 3 4", "Разрядов делимого больше 6", false},
        {WorksheetField::Divisor, "14", "Разрядов делителя  2", true},
        {WorksheetField::Divisor, "1234567", "Разрядов делителя больше 6", false},
        {WorksheetField::Divisor, "-1.5E3", "Разрядов делителя  6", true},
    };
    for (const TypingCase& c : cases) {
        Worksheet sheet;
        FieldText(sheet, c.field) = "?";
        sheet.RunVisible = !c.runVisible;
        SetFieldText(sheet, c.field, c.text);
        EXPECT_EQ(sheet.Message, c.message) << c.text;
        EXPECT_EQ(sheet.RunVisible, c.runVisible) << c.text;
        EXPECT_EQ(FieldText(sheet, c.field), c.text);
    }
}

TEST(DigitChecks, TheLastFieldEditedDecidesWhetherRunIsShown) {
    Worksheet sheet;
    SetFieldText(sheet, WorksheetField::Dividend, "1234567");
    EXPECT_FALSE(sheet.RunVisible);
    SetFieldText(sheet, WorksheetField::Divisor, "15");
    EXPECT_TRUE(sheet.RunVisible);
    EXPECT_EQ(sheet.Message, "Разрядов делителя  2");
    SetFieldText(sheet, WorksheetField::Divisor, "1234567");
    SetFieldText(sheet, WorksheetField::Dividend, "7");
    EXPECT_TRUE(sheet.RunVisible);
    EXPECT_EQ(sheet.Message, "Разрядов делимого  1");
}

TEST(DigitChecks, RunAfterALongDividendIsStillPossible) {
    Worksheet sheet;
    SetFieldText(sheet, WorksheetField::Dividend, "7654321");
    SetFieldText(sheet, WorksheetField::Divisor, "3");
    RunDivision(sheet, ".");
    EXPECT_EQ(sheet.Quotient, " 2551440");
    EXPECT_TRUE(sheet.RunVisible);
}

TEST(FieldEdits, OnlyAChangeOfDividendOrDivisorRunsACheck) {
    Worksheet sheet;
    SetFieldText(sheet, WorksheetField::Dividend, "234567"); // the text it already holds
    EXPECT_EQ(sheet.Message, "Сообщения:");
    SetFieldText(sheet, ColumnRowField(1), "12345678");
    EXPECT_EQ(sheet.Message, "Сообщения:");
    EXPECT_EQ(sheet.ColumnRows[1], "12345678");
    EXPECT_TRUE(sheet.RunVisible);
}

TEST(ClearWorksheet, EmptiesEveryFieldAndKeepsTheDivisorCheckMessage) {
    Worksheet sheet;
    SetFieldText(sheet, WorksheetField::Divisor, "1234567");
    SetFieldText(sheet, WorksheetField::Divisor, "14");
    SetFieldText(sheet, WorksheetField::Dividend, "12345678");
    RunDivision(sheet, ".");
    ClearWorksheet(sheet);
    for (const WorksheetField field : NumberFields())
        EXPECT_EQ(FieldText(sheet, field), "");
    EXPECT_EQ(sheet.Message, "Разрядов делителя  0");
    EXPECT_TRUE(sheet.RunVisible);
}

TEST(ClearWorksheet, EmptyingAnEmptyDivisorRunsNoCheck) {
    Worksheet sheet;
    SetFieldText(sheet, WorksheetField::Divisor, "");
    SetFieldText(sheet, WorksheetField::Dividend, "1234567");
    ClearWorksheet(sheet);
    EXPECT_EQ(sheet.Message, "Разрядов делимого  0");
    EXPECT_TRUE(sheet.RunVisible);
}

TEST(ClearWorksheet, RunRightAfterClearCannotDivide) {
    Worksheet sheet;
    ClearWorksheet(sheet);
    EXPECT_EQ(RunDivision(sheet, "."), RunOutcome::DivisorIsZero);
    EXPECT_EQ(sheet.Message, "На ноль делить нельзя");
    EXPECT_EQ(sheet.Quotient, "");
}

} // namespace
} // namespace velmorand
