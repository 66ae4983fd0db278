#include "class_layout.h"

#include "practice_look.h"

#include <algorithm>

namespace velmorand {

const char* const ClassCaption = "Журнал класса";

namespace {

using K = ClassControlKind;
using C = ClassCommand;
using T = ClassText;

// In the order the keyboard focus moves.
// clang-format off
constexpr ClassControl Layout[] = {
    // Name, kind, label, command, shows, announced, writes a file
    {"ClassSet", K::Field, "Вариант или свои примеры", C::ChooseProblems, T::None, false, false},
    {"ClassProblems", K::Text, nullptr, C::None, T::Problems, false, false},
    {"PupilName", K::Field, "Ученик", C::AddPupil, T::None, false, false},
    {"PupilCode", K::Field, "Код", C::AddPupil, T::None, false, false},
    {"AddPupil", K::Button, "Добавить", C::AddPupil, T::None, false, false},
    {"ClassError", K::Text, nullptr, C::None, T::Error, true, false},
    {"ClassTable", K::Table, "Журнал", C::None, T::None, false, false},
    {"ClassTotals", K::Text, nullptr, C::None, T::Totals, false, false},
    {"ClassMissing", K::Text, nullptr, C::None, T::Missing, false, false},
    {"ClassChart", K::Chart, "Частые ошибки класса", C::None, T::ChartSaid, false, false},
    {"Remember", K::Check, "Запомнить класс на этом компьютере", C::Remember, T::None, false, false},
    {"Forget", K::Button, "Забыть класс", C::Forget, T::None, false, false},
    {"Print", K::Button, "Печать…", C::Print, T::None, false, false},
    {"SaveCsv", K::Button, "Сохранить CSV…", C::SaveCsv, T::None, false, true},
};
// clang-format on

// The chart's measures, in pixels.
constexpr int ChartTextPixels = 16;
constexpr int ChartRowPixels = 28;
constexpr int ChartGapPixels = 8;
constexpr double ChartNameShare = 0.4; // of the width, for the groups' names
constexpr int ChartCountPixels = 48;

} // namespace

std::span<const ClassControl> ClassLayout() { return Layout; }

const ClassControl* FindClassControl(std::string_view name) {
    for (const ClassControl& control : Layout)
        if (name == control.Name)
            return &control;
    return nullptr;
}

std::string ClassShownText(const ClassJournal& journal, const std::string& error, ClassText text) {
    switch (text) {
    case ClassText::None:
        return {};
    case ClassText::Problems:
        return journal.Problems.Title;
    case ClassText::Error:
        return error;
    case ClassText::Totals:
        return TotalsText(TotalsOf(journal));
    case ClassText::Missing:
        return MissingText(journal);
    case ClassText::ChartSaid:
        return ChartText(TotalsOf(journal));
    }
    return {};
}

ChartPicture ChartPictureOf(const JournalTotals& totals, int width) {
    ChartPicture picture;
    picture.Width = std::max(width, 200);
    picture.TextPixels = ChartTextPixels;
    picture.Background = PracticeColours.Panel;
    picture.BarColour = PracticeColours.Hint;
    picture.TextColour = PracticeColours.Text;
    const auto bars = ChartOf(totals);
    const int most = std::max(bars.front().Count, 1);
    const int nameWidth = static_cast<int>(picture.Width * ChartNameShare);
    const int barLeft = nameWidth + ChartGapPixels;
    const int barRoom = std::max(picture.Width - barLeft - ChartCountPixels - ChartGapPixels, 1);
    int top = 0;
    for (const ChartBar& bar : bars) {
        ChartRow row;
        row.Name = std::string(MistakeGroupName(bar.Group));
        row.Count = bar.Count;
        row.NameBox = {0, top, nameWidth, ChartRowPixels};
        const int length = static_cast<int>(static_cast<long long>(barRoom) * bar.Count / most);
        row.Bar = {barLeft, top + 4, length, ChartRowPixels - 8};
        row.CountBox = {barLeft + length + ChartGapPixels, top, ChartCountPixels, ChartRowPixels};
        picture.Rows.push_back(std::move(row));
        top += ChartRowPixels + ChartGapPixels;
    }
    picture.Height = top - ChartGapPixels;
    return picture;
}

} // namespace velmorand
