#include "worksheet/worksheet.h"

#include <gtest/gtest.h>

#include <string>

namespace velmorand {
namespace {

struct TypingCase {
    WorksheetText field;
    const char* text;
    const char* message;
    bool runVisible;
};

TEST(DigitChecks, ReportTheLengthOfTheFieldJustEdited) {
    const TypingCase cases[] = {
        {&Worksheet::Text1, "234567", "Разрядов делимого  6", true},
        {&Worksheet::Text1, "1234567", "Разрядов делимого больше 6", false},
        {&Worksheet::Text1, "", "Разрядов делимого  0", true},
        {&Worksheet::Text1, "ёёёёёё", "Разрядов делимого  6", true},
        {&Worksheet::Text1, "1 2 3 4", "Разрядов делимого больше 6", false},
        {&Worksheet::Text15, "14", "Разрядов делителя  2", true},
        {&Worksheet::Text15, "1234567", "Разрядов делителя больше 6", false},
        {&Worksheet::Text15, "-1.5E3", "Разрядов делителя  6", true},
    };
    for (const TypingCase& c : cases) {
        Worksheet sheet;
        sheet.*c.field = "?";
        sheet.RunVisible = !c.runVisible;
        SetFieldText(sheet, c.field, c.text);
        EXPECT_EQ(sheet.MessageText, c.message) << c.text;
        EXPECT_EQ(sheet.RunVisible, c.runVisible) << c.text;
        EXPECT_EQ(sheet.*c.field, c.text);
    }
}

TEST(DigitChecks, TheLastFieldEditedDecidesWhetherRunIsShown) {
    Worksheet sheet;
    SetFieldText(sheet, &Worksheet::Text1, "1234567");
    EXPECT_FALSE(sheet.RunVisible);
    SetFieldText(sheet, &Worksheet::Text15, "15");
    EXPECT_TRUE(sheet.RunVisible);
    EXPECT_EQ(sheet.MessageText, "Разрядов делителя  2");
    SetFieldText(sheet, &Worksheet::Text15, "1234567");
    SetFieldText(sheet, &Worksheet::Text1, "7");
    EXPECT_TRUE(sheet.RunVisible);
    EXPECT_EQ(sheet.MessageText, "Разрядов делимого  1");
}

TEST(DigitChecks, RunAfterALongDividendIsStillPossible) {
    Worksheet sheet;
    SetFieldText(sheet, &Worksheet::Text1, "7654321");
    SetFieldText(sheet, &Worksheet::Text15, "3");
    RunDivision(sheet, ".");
    EXPECT_EQ(sheet.Text16, " 2551440");
    EXPECT_TRUE(sheet.RunVisible);
}

TEST(FieldEdits, OnlyAChangeOfDividendOrDivisorRunsACheck) {
    Worksheet sheet;
    SetFieldText(sheet, &Worksheet::Text1, "234567"); // the text it already holds
    EXPECT_EQ(sheet.MessageText, "Сообщения:");
    SetFieldText(sheet, &Worksheet::Text3, "12345678");
    EXPECT_EQ(sheet.MessageText, "Сообщения:");
    EXPECT_EQ(sheet.Text3, "12345678");
    EXPECT_TRUE(sheet.RunVisible);
}

TEST(ClearWorksheet, EmptiesEveryFieldAndKeepsTheDivisorCheckMessage) {
    Worksheet sheet;
    SetFieldText(sheet, &Worksheet::Text15, "1234567");
    SetFieldText(sheet, &Worksheet::Text15, "14");
    SetFieldText(sheet, &Worksheet::Text1, "12345678");
    RunDivision(sheet, ".");
    ClearWorksheet(sheet);
    for (const WorksheetText field : WorksheetTexts)
        EXPECT_EQ(sheet.*field, "");
    EXPECT_EQ(sheet.MessageText, "Разрядов делителя  0");
    EXPECT_TRUE(sheet.RunVisible);
}

TEST(ClearWorksheet, EmptyingAnEmptyDivisorRunsNoCheck) {
    Worksheet sheet;
    SetFieldText(sheet, &Worksheet::Text15, "");
    SetFieldText(sheet, &Worksheet::Text1, "1234567");
    ClearWorksheet(sheet);
    EXPECT_EQ(sheet.MessageText, "Разрядов делимого  0");
    EXPECT_TRUE(sheet.RunVisible);
}

TEST(ClearWorksheet, RunRightAfterClearCannotDivide) {
    Worksheet sheet;
    ClearWorksheet(sheet);
    RunDivision(sheet, ".");
    EXPECT_EQ(sheet.MessageText, "На ноль делить нельзя");
    EXPECT_EQ(sheet.Text16, "");
}

} // namespace
} // namespace velmorand
