// The window's description and what its clicks do, without any toolkit.
#include "window/announcements.h"
#include "window/form1_actions.h"
#include "window/form1_layout.h"
#include "window/link_addresses.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

namespace velmorand {
namespace {

std::vector<std::string> Names(bool (*keep)(const ControlRow&)) {
    std::vector<std::string> names;
    for (const ControlRow& row : Form1Layout())
        if (keep(row))
            names.emplace_back(row.Name);
    return names;
}

TEST(Form1Layout, HasEveryControlOnceInTheDesignedFocusOrder) {
    EXPECT_EQ(Form1Layout().size(), 34u);
    const std::vector<std::string> all = Names([](const ControlRow&) { return true; });
    EXPECT_EQ(std::set<std::string>(all.begin(), all.end()).size(), all.size());
    const std::vector<std::string> focusOrder{
        "Text1",  "Command1", "Text2",  "Text3",    "Text4",  "Text5",  "Text6",    "Text7",
        "Text8",  "Text9",    "Text10", "Command2", "Text11", "Text12", "Text13",   "Text14",
        "Text15", "Text16",   "Text17", "Command3", "Text18", "Text19", "Command4", "Picture1"};
    EXPECT_EQ(Names(TakesFocus), focusOrder);
}

TEST(Form1Layout, ShowsEveryWorksheetTextInOneControl) {
    std::vector<WorksheetText> shown;
    for (const ControlRow& row : Form1Layout())
        if (row.Shows != nullptr)
            shown.push_back(row.Shows);
    std::vector<WorksheetText> expected(WorksheetTexts.begin(), WorksheetTexts.end());
    expected.push_back(&Worksheet::MessageText);
    EXPECT_EQ(shown.size(), expected.size());
    for (const WorksheetText text : expected)
        EXPECT_EQ(std::count(shown.begin(), shown.end(), text), 1);
    EXPECT_EQ(FindControl("Label1")->Shows, &Worksheet::MessageText);
    EXPECT_EQ(FindControl("Text16")->Shows, &Worksheet::Text16);
}

TEST(Form1Layout, ScalesTwipsWithTheScreen) {
    EXPECT_EQ(TwipsToPixels(ClientWidthTwips, 96), 736);
    EXPECT_EQ(TwipsToPixels(ClientHeightTwips, 96), 661);
    EXPECT_EQ(TwipsToPixels(ClientWidthTwips, 192), 1472);
    EXPECT_EQ(TwipsToPixels(ClientHeightTwips, 192), 1322);
    const Twips& step = FindControl("Text11")->Place;
    EXPECT_EQ(TwipsToPixels(step.Height, 96), 28);
    EXPECT_EQ(TwipsToPixels(step.Top, 144), 624);
    EXPECT_EQ(FindControl("NoSuchControl"), nullptr);
}

TEST(Form1Actions, RunAndClearChangeTheWorksheetAndSaySoThenClearFocusesTheDividend) {
    Worksheet sheet;
    const ActionResult run = Act(sheet, *FindControl("Command1"), ",");
    EXPECT_TRUE(run.ShowWorksheet);
    EXPECT_EQ(run.Focus, nullptr);
    EXPECT_EQ(sheet.Text16, " 16754");
    EXPECT_EQ(sheet.Text17, "0,785714285714286");
    EXPECT_EQ(run.Announcement, "Частное 16754, остаток 11 из 14, дробная часть 0,785714285714286");

    const ActionResult clear = Act(sheet, *FindControl("Command2"), ".");
    EXPECT_TRUE(clear.ShowWorksheet);
    EXPECT_EQ(clear.Focus, &Worksheet::Text1);
    EXPECT_TRUE(sheet.Text16.empty());
    EXPECT_EQ(sheet.MessageText, "Разрядов делителя  0");
}

TEST(Form1Actions, ExitLinksAndLabelsLeaveTheWorksheetAlone) {
    const std::pair<const char*, const char*> links[] = {
        {"Command4", CatalogueAddress},
        {"Label8", PaperGamesAddress},
        {"Label9", EnglishAddress},
    };
    Worksheet sheet;
    for (const auto& [name, address] : links) {
        const ActionResult result = Act(sheet, *FindControl(name), ".");
        EXPECT_STREQ(result.LinkToOpen, address);
        EXPECT_FALSE(result.ShowWorksheet || result.ExitProgram);
    }
    EXPECT_TRUE(Act(sheet, *FindControl("Command3"), ".").ExitProgram);
    const ActionResult label = Act(sheet, *FindControl("Label7"), ".");
    EXPECT_FALSE(label.ShowWorksheet || label.ExitProgram || label.LinkToOpen || label.Focus);
    EXPECT_EQ(sheet, Worksheet{});
}

TEST(RunAnnouncement, SaysTheResultsInThePupilsWordsOrWhyTheRunCouldNotDivide) {
    const struct {
        const char* Dividend;
        const char* Divisor;
        const char* Said;
    } rows[] = {
        {"861", "7", "Частное 123, остаток 0"},
        {"234567", "14", "Частное 16754, остаток 11 из 14, дробная часть 0.785714285714286"},
        {"-30", "5", "Частное минус 6, остаток 0"},
        {"100", "8", "Частное 12, остаток 4 из 8, дробная часть 0.5"},
        {"5", "0", "На ноль делить нельзя"},
        {"1E999", "3", "Число слишком большое"},
    };
    for (const auto& row : rows) {
        Worksheet sheet;
        sheet.Text1 = row.Dividend;
        sheet.Text15 = row.Divisor;
        RunDivision(sheet, ".");
        EXPECT_EQ(RunAnnouncement(sheet), row.Said) << row.Dividend << " / " << row.Divisor;
    }
}

// A screen reader names ":" "(" ")" and "-" aloud: what the program has said, and a label
// without a name of its own by its caption, has commas and full stops instead.
TEST(SpokenTexts, HoldNoPunctuationThatAScreenReaderNamesAloud) {
    std::vector<std::string> said{Form1SpokenCaption, SpokenMessage(Worksheet{}.MessageText)};
    for (const ControlRow& row : Form1Layout()) {
        for (const char* text : {row.Accessible.Name, row.Accessible.Description})
            if (text != nullptr)
                said.emplace_back(text);
        if (row.Accessible.Name == nullptr && row.Caption != nullptr)
            said.emplace_back(row.Caption);
    }
    for (const std::string& text : said)
        EXPECT_EQ(text.find_first_of(":()-"), std::string::npos) << text;
    EXPECT_EQ(SpokenMessage("Сообщения:"), "Сообщения");
    EXPECT_EQ(SpokenMessage("Разрядов делимого  3"), "Разрядов делимого  3");
}

} // namespace
} // namespace velmorand
