#include "practice_layout.h"

#include "practice/numbers.h"
#include "practice/problem_set.h"
#include "practice/session.h"
#include "practice/sheet_words.h"

#include <algorithm>

namespace velmorand {

// The words of the teacher's side of the window.
constexpr struct {
    const char* Show = "Код для учителя";
    const char* Label = "Код";
    const char* OwnProblems = OwnProblemsTitle.data();
    const char* MakeSet = "Решать свои примеры";
} CodeWords;

const char* const PracticeCaption = "Тренажёр: деление в столбик";
const char* const PracticeSpokenCaption = "Тренажёр, деление в столбик";

namespace {

using K = PracticeControlKind;
using C = PracticeCommand;
using T = PracticeText;

using Y = PracticeType;

// In the order the keyboard focus moves.
// clang-format off
constexpr PracticeControl Layout[] = {
    // Name, kind, caption, spoken name, announced, command, shows,
    // label, line, type, lines kept, share of the line, takes a number
    {"Level", K::LevelChoice, nullptr, "Уровень", false, C::None, T::None,
     "Уровень", 0, Y::Choice, 1, 1, true},
    {"Variant", K::VariantField, nullptr, "Вариант", false, C::None, T::None,
     "Вариант", 1, Y::Choice, 1, 1, true},
    {"ProblemNumber", K::Text, nullptr, nullptr, false, C::None, T::ProblemNumber,
     nullptr, 1, Y::Label, 1, 1, false},
    {"Problem", K::Text, nullptr, "Пример", false, C::None, T::Problem,
     "Пример", 2, Y::Problem, 1, 1, false},
    {"Question", K::Text, nullptr, nullptr, false, C::None, T::Question,
     nullptr, 3, Y::Question, 3, 1, false},
    {"Entry", K::AnswerField, nullptr, "Ответ", false, C::None, T::None,
     "Ответ", 4, Y::Entry, 1, 1, true},
    {"Feedback", K::Text, nullptr, nullptr, true, C::None, T::Feedback,
     nullptr, 5, Y::Feedback, 4, 1, false},
    {"Hint", K::Button, "Подсказка", nullptr, false, C::Hint, T::HintButton,
     nullptr, 6, Y::Button, 1, 2, false},
    {"Next", K::Button, "Следующий пример", "Следующий пример", false, C::Next, T::None,
     nullptr, 6, Y::Button, 1, 3, false},
    {"OpenSheets", K::Button, PrintedWords.Title, PrintedWords.Title, false, C::Sheets,
     T::None, nullptr, 7, Y::Button, 1, 1, false},
    {"ShowCode", K::Button, CodeWords.Show, CodeWords.Show, false, C::ShowCode,
     T::None, nullptr, 7, Y::Button, 1, 1, false},
    {"Column", K::ColumnGrid, nullptr, "Столбик", false, C::None, T::None,
     nullptr, PaperLine, Y::Question, 1, 1, false},
    {"Answer", K::Text, nullptr, nullptr, false, C::None, T::AnswerLine,
     nullptr, 8, Y::Answer, 2, 1, false},
    {"Progress", K::Text, nullptr, nullptr, false, C::None, T::ProgressLine,
     nullptr, 9, Y::Progress, 2, 1, false},
    {"ResultCode", K::Text, nullptr, nullptr, false, C::None, T::ResultCode,
     CodeWords.Label, 10, Y::Answer, 1, 1, false},
    {"OwnProblems", K::SetField, nullptr, CodeWords.OwnProblems, false, C::None, T::None,
     CodeWords.OwnProblems, 11, Y::Question, 3, 1, false},
    {"MakeSet", K::Button, CodeWords.MakeSet, CodeWords.MakeSet, false, C::MakeSet,
     T::None, nullptr, 12, Y::Button, 1, 1, false},
    {"SetError", K::Text, nullptr, nullptr, false, C::None, T::SetError,
     nullptr, 13, Y::Feedback, 4, 1, false},
};
// clang-format on

} // namespace

std::span<const PracticeControl> PracticeLayout() { return Layout; }

const PracticeControl* FindPracticeControl(std::string_view name) {
    const auto found =
        std::find_if(std::begin(Layout), std::end(Layout),
                     [&](const PracticeControl& control) { return name == control.Name; });
    return found == std::end(Layout) ? nullptr : &*found;
}

std::string SpokenLevelChoice(int level) { return practice_detail::Spoken(LevelChoiceText(level)); }

bool NeedsPrinting(const PracticeControl& control) {
    return control.Command == PracticeCommand::Sheets;
}

const std::string& SpokenText(const PracticeView& view, const PracticeControl& control) {
    return control.Shows == PracticeText::ResultCode ? view.SpokenResultCode
                                                     : ShownText(view, control);
}

const std::string& ShownText(const PracticeView& view, const PracticeControl& control) {
    static const std::string None;
    switch (control.Shows) {
    case PracticeText::None:
        return None;
    case PracticeText::Problem:
        return view.Problem;
    case PracticeText::ProblemNumber:
        return view.ProblemNumber;
    case PracticeText::ResultCode:
        return view.ResultCode;
    case PracticeText::SetError:
        return view.SetError;
    case PracticeText::Question:
        return view.Question;
    case PracticeText::Feedback:
        return view.Feedback;
    case PracticeText::AnswerLine:
        return view.AnswerLine;
    case PracticeText::ProgressLine:
        return view.ProgressLine;
    case PracticeText::HintButton:
        return view.HintButton;
    }
    return None;
}

} // namespace velmorand
