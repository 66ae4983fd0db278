// The window's description and what its clicks do, without any toolkit.
#include "window/announcements.h"
#include "window/form1_actions.h"
#include "window/form1_layout.h"
#include "window/link_addresses.h"
#include "window/version.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <tuple>
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

// The one literal copy of the design: every control's place in twips, in the order the
// keyboard focus moves. The front ends' tests read the table instead.
struct Designed {
    const char* Name;
    Twips Place;
};
// clang-format off
constexpr Designed Design[] = {
    {"Text1", {840, 1440, 3495, 375}},     {"Command1", {2880, 9240, 2175, 375}},
    {"Label1", {840, 8520, 9615, 375}},    {"Text2", {840, 1920, 3495, 375}},
    {"Text3", {840, 2400, 3495, 375}},     {"Text4", {840, 2880, 3495, 375}},
    {"Text5", {840, 3360, 3495, 375}},     {"Text6", {840, 3840, 3495, 375}},
    {"Text7", {840, 4320, 3495, 375}},     {"Text8", {840, 4800, 3495, 375}},
    {"Text9", {840, 5280, 3495, 375}},     {"Text10", {840, 5760, 3495, 375}},
    {"Command2", {5160, 9240, 1815, 375}}, {"Text11", {840, 6240, 3495, 420}},
    {"Text12", {840, 6765, 3495, 450}},    {"Label2", {840, 240, 8775, 615}},
    {"Text13", {840, 7320, 3495, 375}},    {"Text14", {840, 7800, 3495, 375}},
    {"Text15", {4560, 1440, 2655, 375}},   {"Text16", {4560, 2880, 2655, 375}},
    {"Label3", {840, 1080, 1695, 255}},    {"Label4", {4560, 1080, 1695, 255}},
    {"Label5", {4560, 2520, 1695, 255}},   {"Text17", {4560, 3840, 2655, 375}},
    {"Label6", {4560, 3480, 1815, 255}},   {"Command3", {7080, 9240, 1815, 375}},
    {"Label7", {7320, 3960, 375, 255}},    {"Text18", {8040, 3600, 1215, 375}},
    {"Text19", {8040, 4200, 1215, 375}},   {"Command4", {9000, 9240, 1455, 375}},
    {"Label8", {8040, 7800, 495, 375}},    {"Label9", {8760, 7800, 735, 375}},
    {"Picture1", {4560, 4440, 2640, 3150}}, {"Line1", {8040, 4080, 1200, 0}},
};
// clang-format on

TEST(Form1Layout, HasEveryControlOnceWhereTheDesignPutsIt) {
    ASSERT_EQ(Form1Layout().size(), std::size(Design));
    for (std::size_t i = 0; i < std::size(Design); ++i) {
        const ControlRow& row = Form1Layout()[i];
        const Twips& want = Design[i].Place;
        EXPECT_STREQ(row.Name, Design[i].Name);
        EXPECT_EQ(std::tie(row.Place.Left, row.Place.Top, row.Place.Width, row.Place.Height),
                  std::tie(want.Left, want.Top, want.Width, want.Height))
            << row.Name;
    }
    const std::vector<std::string> focusOrder{
        "Text1",  "Command1", "Text2",  "Text3",    "Text4",  "Text5",  "Text6",    "Text7",
        "Text8",  "Text9",    "Text10", "Command2", "Text11", "Text12", "Text13",   "Text14",
        "Text15", "Text16",   "Text17", "Command3", "Text18", "Text19", "Command4", "Picture1"};
    EXPECT_EQ(Names(TakesFocus), focusOrder);
}

// The one literal copy of the design's look, which the front ends' tests read from the table:
// the caption with its version, the colours, the fonts that differ and the picture's size.
TEST(Form1Layout, LooksAsDesigned) {
    EXPECT_EQ(std::string(Form1Caption), "Деление в столбик для 3-4 классов. Разработка: команда "
                                         "Velmorand. Ver " VELMORAND_VERSION);
    EXPECT_EQ(WindowBackground, 0xFBEC6Du);
    EXPECT_EQ(FindControl("Label1")->Background, 0xFAF2AFu);
    EXPECT_EQ(FindControl("Label8")->TextColor, 0xFF0000u);
    EXPECT_EQ(FindControl("Label9")->TextColor, 0x0000FFu);
    EXPECT_TRUE(FindControl("Label9")->Font.Bold);
    EXPECT_EQ(FindControl("Label2")->Font.Points, 24);
    EXPECT_EQ(FindControl("Command2")->Font.Points, 9.75);
    EXPECT_EQ(std::tuple(PictureWidthPixels, PictureHeightPixels, PictureBorderPixels),
              std::tuple(172, 206, 2));
}

TEST(Form1Layout, ShowsEveryWorksheetTextInOneControl) {
    const auto numbers = NumberFields();
    std::vector<WorksheetField> fields(numbers.begin(), numbers.end());
    fields.push_back(WorksheetField::Message);
    std::size_t shown = 0;
    for (const ControlRow& row : Form1Layout())
        shown += row.Shows.has_value();
    EXPECT_EQ(shown, fields.size());
    for (const WorksheetField field : fields)
        ASSERT_NE(ControlShowing(field), nullptr) << static_cast<int>(field);
    EXPECT_STREQ(ControlShowing(WorksheetField::Message)->Name, "Label1");
    EXPECT_STREQ(ControlShowing(WorksheetField::Quotient)->Name, "Text16");
    EXPECT_STREQ(ControlShowing(ColumnRowField(0))->Name, "Text2");
    EXPECT_STREQ(ControlShowing(ColumnRowField(ColumnRowCount - 1))->Name, "Text14");
}

TEST(Form1Layout, PlacesControlsInPixelsAtAnyDensityWithTheLineCentred) {
    EXPECT_EQ(TwipsToPixels(ClientWidthTwips, 96), 736);
    EXPECT_EQ(TwipsToPixels(ClientHeightTwips, 96), 661);
    EXPECT_EQ(TwipsToPixels(ClientWidthTwips, 192), 1472);
    EXPECT_EQ(TwipsToPixels(ClientHeightTwips, 192), 1322);
    const struct {
        const char* Name;
        int DotsPerInch;
        PixelRect Place;
    } rows[] = {
        {"Text11", 96, {56, 416, 233, 28}},
        {"Text11", 144, {84, 624, 349, 42}},
        {"Line1", 96, {536, 271, 80, 2}}, // two pixels thick, centred on its row
        {"Line1", 192, {1072, 542, 160, 4}},
    };
    for (const auto& row : rows)
        EXPECT_EQ(PlaceInPixels(*FindControl(row.Name), row.DotsPerInch), row.Place)
            << row.Name << " at " << row.DotsPerInch;
    EXPECT_EQ(FindControl("NoSuchControl"), nullptr);
}

TEST(Form1Layout, LinksAreTheLabelsThatOpenAPageAndOnlyTheLineHasAFill) {
    std::vector<std::string> links;
    for (const ControlRow& row : Form1Layout()) {
        if (RoleOf(row) == ControlRole::Link)
            links.emplace_back(row.Name);
        EXPECT_EQ(row.Fill.has_value(), row.Kind == ControlKind::Line) << row.Name;
    }
    EXPECT_EQ(links, (std::vector<std::string>{"Label8", "Label9"}));
    EXPECT_EQ(RoleOf(*FindControl("Command4")), ControlRole::PushButton); // opens a page too
    EXPECT_EQ(RoleOf(*FindControl("Label1")), ControlRole::StaticText);
    EXPECT_EQ(RoleOf(*FindControl("Picture1")), ControlRole::Graphic);
}

TEST(Form1Actions, RunAndClearChangeTheWorksheetThenClearFocusesTheDividend) {
    Worksheet sheet;
    const ActionResult run = Act(sheet, *FindControl("Command1"), ",");
    EXPECT_TRUE(run.ShowWorksheet);
    EXPECT_FALSE(run.Focus);
    EXPECT_EQ(sheet.Quotient, " 16754");
    EXPECT_EQ(sheet.FractionalPart, "0,785714285714286");

    const ActionResult clear = Act(sheet, *FindControl("Command2"), ".");
    EXPECT_TRUE(clear.ShowWorksheet);
    EXPECT_EQ(clear.Focus, WorksheetField::Dividend);
    EXPECT_TRUE(sheet.Quotient.empty());
    EXPECT_EQ(sheet.Message, "Разрядов делителя  0");
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

// What every front end announces: for each action or edit, from a given worksheet, the one
// text a screen reader is told, or nothing.
TEST(Announcements, EachActionAndEditSaysOneTextOrNothing) {
    const struct {
        const char* Case;
        const char* Dividend; // the worksheet before: its inputs, after the start state
        const char* Divisor;
        const char* Control; // clicked, or typed into when Typed is set
        const char* Typed;
        const char* Said;
    } rows[] = {
        {"run exact", "861", "7", "Command1", nullptr, "Частное 123, остаток 0"},
        {"run with remainder", "234567", "14", "Command1", nullptr,
         "Частное 16754, остаток 11 из 14, дробная часть 0.785714285714286"},
        {"run negative", "-30", "5", "Command1", nullptr, "Частное минус 6, остаток 0"},
        {"run half", "100", "8", "Command1", nullptr,
         "Частное 12, остаток 4 из 8, дробная часть 0.5"},
        {"run by zero", "5", "0", "Command1", nullptr, "На ноль делить нельзя"},
        {"run too large", "1E999", "3", "Command1", nullptr, "Число слишком большое"},
        {"clear", "861", "7", "Command2", nullptr, ""},
        {"exit", "861", "7", "Command3", nullptr, ""},
        {"load", "861", "7", "Command4", nullptr, ""},
        {"link", "861", "7", "Label8", nullptr, ""},
        {"label", "861", "7", "Label7", nullptr, ""},
        {"picture", "861", "7", "Picture1", nullptr, ""},
        {"type a dividend", "861", "7", "Text1", "8612", "Разрядов делимого  4"},
        {"type a seventh digit", "861", "7", "Text1", "8612345", "Разрядов делимого больше 6"},
        {"type an eighth digit", "8612345", "7", "Text1", "86123456", ""},
        {"type a divisor", "861", "7", "Text15", "70", "Разрядов делителя  2"},
        {"type the same text", "861", "7", "Text15", "7", ""},
        {"type into the column", "861", "7", "Text3", "5", ""},
        {"type into a result", "861", "7", "Text16", "5", ""},
    };
    for (const auto& row : rows) {
        Worksheet sheet;
        SetFieldText(sheet, WorksheetField::Divisor, row.Divisor);
        SetFieldText(sheet, WorksheetField::Dividend, row.Dividend);
        const ControlRow& control = *FindControl(row.Control);
        const ActionResult result =
            row.Typed ? Edit(sheet, control, row.Typed) : Act(sheet, control, ".");
        EXPECT_EQ(result.Announcement, row.Said) << row.Case;
    }
}

TEST(RunDivision, SaysWhatHappenedAndTheMessageFollows) {
    const struct {
        const char* Dividend;
        const char* Divisor;
        RunOutcome Outcome;
        const char* Message;
    } rows[] = {
        {"861", "7", RunOutcome::Divided, "3"},
        {"100", "8", RunOutcome::Divided, "Деление с остатком"},
        {"5", "", RunOutcome::DivisorIsZero, "На ноль делить нельзя"},
        {"1E999", "3", RunOutcome::NumberTooLarge, "Число слишком большое"},
    };
    for (const auto& row : rows) {
        Worksheet sheet;
        sheet.Dividend = row.Dividend;
        sheet.Divisor = row.Divisor;
        EXPECT_EQ(RunDivision(sheet, "."), row.Outcome) << row.Dividend;
        EXPECT_EQ(sheet.Message, row.Message) << row.Dividend;
    }
}

// A screen reader names ":" "(" ")" and "-" aloud: what the program has said, and a label
// without a name of its own by its caption, has commas and full stops instead.
TEST(SpokenTexts, HoldNoPunctuationThatAScreenReaderNamesAloud) {
    std::vector<std::string> said{Form1SpokenCaption, SpokenMessage(Worksheet{}.Message)};
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

// The one literal copy of what a screen reader calls the controls; the front ends' tests read
// the table. Each of them says in Russian what it is for.
TEST(Form1Layout, NamesTheControlsAsAScreenReaderSaysThem) {
    const std::pair<const char*, const char*> Said[] = {
        {"Text1", "Делимое"},
        {"Text15", "Делитель"},
        {"Text16", "Результат, целое"},
        {"Text17", "Остаток"},
        {"Text18", "Остаток, числитель"},
        {"Text19", "Остаток, знаменатель"},
        {"Text2", "Строка столбика 1"},
        {"Text14", "Строка столбика 13"},
        {"Command1", "Run"},
        {"Command2", "Clear"},
        {"Command3", "Exit"},
        {"Command4", "Load"},
        {"Label8", "Игры из бумаги"},
        {"Label9", "Английский язык"},
        {"Picture1", "Пример. 861 разделить на 7 в столбик, получится 123"}};
    for (const auto& [name, said] : Said) {
        const ControlRow& row = *FindControl(name);
        EXPECT_EQ(SpokenNameOf(row, ""), said) << name;
        const std::string described = row.Accessible.Description ? row.Accessible.Description : "";
        EXPECT_NE(described.find_first_of("\xD0\xD1"), std::string::npos) << name; // Cyrillic
    }
    EXPECT_STREQ(FindControl("Command1")->Accessible.Description,
                 "Решить. Разделить делимое на делитель в столбик");
}

// What every front end takes from the table instead of deciding: where the focus starts and
// what a screen reader calls a control while it shows a text.
TEST(Form1Layout, NamesTheFirstFocusAndTheSpokenMessageLine) {
    EXPECT_STREQ(FirstFocus().Name, Names(TakesFocus).front().c_str());
    const ControlRow& message = *ControlShowing(WorksheetField::Message);
    EXPECT_EQ(SpokenNameOf(message, "Сообщения: нет"), SpokenMessage("Сообщения: нет"));
    const ControlRow& dividend = *ControlShowing(WorksheetField::Dividend);
    EXPECT_EQ(SpokenNameOf(dividend, "123"), dividend.Accessible.Name);
}

// A field takes a number exactly where typing into it has the worksheet check the digits.
TEST(Form1Layout, TakesANumberWhereTheWorksheetChecksTheDigits) {
    for (const ControlRow& row : Form1Layout()) {
        if (row.Kind != ControlKind::TextField || !row.Shows) {
            EXPECT_FALSE(row.TakesNumber) << row.Name;
            continue;
        }
        Worksheet typed;
        Worksheet unchecked = typed;
        SetFieldText(typed, *row.Shows, "1");
        FieldText(unchecked, *row.Shows) = "1";
        EXPECT_EQ(row.TakesNumber, !(typed == unchecked)) << row.Name;
    }
}

} // namespace
} // namespace velmorand
