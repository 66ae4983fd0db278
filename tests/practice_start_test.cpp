// How the practice window is started, and what it is made of.
#include "practice/command_line.h"
#include "practice/session.h"
#include "window/practice_layout.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace velmorand {

// How GoogleTest shows options that differ.
void PrintTo(const StartOptions& o, std::ostream* out) {
    *out << "{" << o.Practice << ", " << o.Level << ", " << o.Variant << ", sheets " << o.Sheets
         << ", " << o.Variants << ", " << o.Problems << ", " << o.Answers << ", " << o.Large
         << ", \"" << o.Output << "\", set \"" << o.Set.substr(0, 40) << "\", class " << o.Class
         << "}";
}

namespace {

struct Start {
    std::vector<std::string_view> Arguments;
    StartOptions Expected;
};

TEST(PracticeCommandLine, ReadsTheWaysEachPlatformWritesIt) {
    // clang-format off
    const Start Table[] = {
        {{}, {false, 1, 1}},
        {{"--practice"}, {true, 1, 1}},
        {{"/PRACTICE"}, {true, 1, 1}},
        {{"--practice", "--level", "5", "--variant", "42"}, {true, 5, 42}},
        {{"/practice", "/level", "5", "/variant", "42"}, {true, 5, 42}},
        {{"--practice", "--level=5", "--variant=42"}, {true, 5, 42}},
        {{"--level", "4"}, {true, 4, 1}}, // a level alone asks for the practice window too
        // Out of range: the nearest in range.
        {{"--practice", "--level", "0"}, {true, 1, 1}},
        {{"--practice", "--level", "11"}, {true, 10, 1}},
        {{"--practice", "--level", "-3"}, {true, 1, 1}},
        {{"--practice", "--variant", "99999999999999999999999"}, {true, 1, 999999}},
        {{"--practice", "--variant=-7"}, {true, 1, 1}},
        // Unknown words, and words that are no numbers, are passed over.
        {{"velmorand.exe", "--practice"}, {true, 1, 1}},
        {{"--practise", "--levels", "5"}, {false, 1, 1}},
        {{"--practice", "--level", "five", "--variant", "9"}, {true, 1, 9}},
        {{"--practice", "--level"}, {true, 1, 1}},
        {{"--practice", "--level="}, {true, 1, 1}},
        {{"--practice=1", "-practice", "practice", "level", "5"}, {false, 1, 1}},
        {{"--practice", "--level", "2", "--level", "6"}, {true, 6, 1}},
        {{"", "/", "--", "="}, {false, 1, 1}},
        // Printed sheets: with their keys unless told not; the level and variant are theirs, and ask for no window.
        {{"--sheets", "--level", "5", "--variant", "42", "--variants", "4", "--problems", "8",
          "--no-answers", "--large", "-o", "карточки.pdf"},
         {false, 5, 42, true, 4, 8, false, true, "карточки.pdf"}},
        {{"/SHEETS", "/level=8", "/answers", "/output", "C:\\Мои документы\\5 класс.pdf"},
         {false, 8, 1, true, 1, 0, true, false, "C:\\Мои документы\\5 класс.pdf"}},
        {{"--level", "3", "--sheets"}, {false, 3, 1, true}},
        {{"--sheets", "--output=лист.pdf", "--problems=0"},
         {false, 1, 1, true, 1, 0, true, false, "лист.pdf"}},
        // The output takes the next word as it is; with none, there is none.
        {{"--sheets", "-o", "-lists-.pdf"}, {false, 1, 1, true, 1, 0, true, false, "-lists-.pdf"}},
        {{"--sheets", "-o"}, {false, 1, 1, true}},
        {{"--sheets", "-o="}, {false, 1, 1, true}},
        // Out of range: the nearest in range; a word that is no number is passed over.
        {{"--sheets", "--variants", "9", "--problems", "-2"}, {false, 1, 1, true, 4, 0}},
        {{"--sheets", "--variants", "0", "--problems", "500"}, {false, 1, 1, true, 1, 40}},
        {{"--sheets", "--variants", "many", "--problems", "x"}, {false, 1, 1, true, 1, 0}},
        // Switches take no value, as "--practice=1" does not.
        {{"--sheets=1", "--answers=yes", "--large=on", "--no-answers=1"}, {false, 1, 1}},
        // Sheets asked for with the practice window too: both, for the program to choose.
        {{"--practice", "--sheets", "--level", "2"}, {true, 2, 1, true}},
        {{"--answers", "--large", "--variants", "2"}, {false, 1, 1, false, 2, 0, true, true}},
        // The teacher's problems ask for the practice window, or are the sheets'; the journal.
        {{"--practice", "--set", "7240:8,648:6"}, {.Practice = true, .Set = "7240:8,648:6"}},
        {{"/set", "7240 : 8"}, {.Practice = true, .Set = "7240 : 8"}},
        {{"--sheets", "--set=72:8", "--answers", "-o", "к.pdf"},
         {.Sheets = true, .Output = "к.pdf", .Set = "72:8"}},
        {{"--set"}, {}},
        {{"--class"}, {.Class = true}},
        {{"/CLASS", "--class=1"}, {.Class = true}},
    };
    // clang-format on
    for (const Start& start : Table) {
        std::string shown;
        for (const std::string_view word : start.Arguments)
            shown += std::string(word) + " ";
        EXPECT_EQ(ParseCommandLine(start.Arguments), start.Expected) << shown;
    }
}

std::string Text(const char* text) { return text == nullptr ? "(none)" : text; }

TEST(PracticeLayout, HasEveryControlOnceInFocusOrder) {
    using K = PracticeControlKind;
    using C = PracticeCommand;
    using T = PracticeText;
    // clang-format off
    const PracticeControl Expected[] = {
        {"Level", K::LevelChoice, nullptr, "Уровень", false, C::None},
        {"Variant", K::VariantField, nullptr, "Вариант", false, C::None},
        {"ProblemNumber", K::Text, nullptr, nullptr, false, C::None, T::ProblemNumber},
        {"Problem", K::Text, nullptr, "Пример", false, C::None, T::Problem},
        {"Question", K::Text, nullptr, nullptr, false, C::None, T::Question},
        {"Entry", K::AnswerField, nullptr, "Ответ", false, C::None},
        {"Feedback", K::Text, nullptr, nullptr, true, C::None, T::Feedback},
        {"Hint", K::Button, "Подсказка", nullptr, false, C::Hint, T::HintButton},
        {"Next", K::Button, "Следующий пример", "Следующий пример", false, C::Next},
        {"OpenSheets", K::Button, "Листы для печати", "Листы для печати", false, C::Sheets},
        {"ShowCode", K::Button, "Код для учителя", "Код для учителя", false, C::ShowCode},
        {"Column", K::ColumnGrid, nullptr, "Столбик", false, C::None},
        {"Answer", K::Text, nullptr, nullptr, false, C::None, T::AnswerLine},
        {"Progress", K::Text, nullptr, nullptr, false, C::None, T::ProgressLine},
        {"ResultCode", K::Text, nullptr, nullptr, false, C::None, T::ResultCode},
        {"OwnProblems", K::SetField, nullptr, "Свои примеры", false, C::None},
        {"MakeSet", K::Button, "Решать свои примеры", "Решать свои примеры", false, C::MakeSet},
        {"SetError", K::Text, nullptr, nullptr, false, C::None, T::SetError},
    };
    // clang-format on
    ASSERT_EQ(PracticeLayout().size(), std::size(Expected));
    for (std::size_t i = 0; i < std::size(Expected); ++i) {
        const PracticeControl& got = PracticeLayout()[i];
        const PracticeControl& want = Expected[i];
        EXPECT_EQ(Text(got.Name) + Text(got.Caption) + Text(got.AccessibleName),
                  Text(want.Name) + Text(want.Caption) + Text(want.AccessibleName));
        EXPECT_TRUE(got.Kind == want.Kind && got.Announced == want.Announced &&
                    got.Command == want.Command && got.Shows == want.Shows)
            << want.Name;
        EXPECT_EQ(FindPracticeControl(want.Name), &got);
    }
    EXPECT_EQ(FindPracticeControl("Nothing"), nullptr);
    EXPECT_TRUE(NeedsPrinting(*FindPracticeControl("OpenSheets")));
    EXPECT_FALSE(NeedsPrinting(*FindPracticeControl("Next")));
    PracticeView view;
    view.ProgressLine = "Решено на этом уровне: 1.";
    EXPECT_EQ(ShownText(view, *FindPracticeControl("Progress")), view.ProgressLine);
    EXPECT_EQ(ShownText(view, *FindPracticeControl("Entry")), "");
    EXPECT_STREQ(PracticeCaption, "Тренажёр: деление в столбик");
    EXPECT_STREQ(PracticeSpokenCaption, "Тренажёр, деление в столбик");
}

} // namespace
} // namespace velmorand
