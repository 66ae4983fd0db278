#include "practice_layout.h"

#include "session.h"
#include "sheet_words.h"

#include <algorithm>

namespace velmorand {

const char* const PracticeCaption = "Тренажёр: деление в столбик";
const char* const PracticeSpokenCaption = "Тренажёр, деление в столбик";

namespace {

using K = PracticeControlKind;
using C = PracticeCommand;
using T = PracticeText;

// In the order the keyboard focus moves.
constexpr PracticeControl Layout[] = {
    {"Level", K::LevelChoice, nullptr, "Уровень", false, C::None},
    {"Variant", K::VariantField, nullptr, "Вариант", false, C::None},
    {"Problem", K::Text, nullptr, "Пример", false, C::None, T::Problem},
    {"Question", K::Text, nullptr, nullptr, false, C::None, T::Question},
    {"Entry", K::AnswerField, nullptr, "Ответ", false, C::None},
    {"Feedback", K::Text, nullptr, nullptr, true, C::None, T::Feedback},
    {"Hint", K::Button, "Подсказка", "Подсказка", false, C::Hint},
    {"Next", K::Button, "Следующий пример", "Следующий пример", false, C::Next},
    {"OpenSheets", K::Button, SheetOptionWords.Title, SheetOptionWords.Title, false, C::Sheets},
    {"Column", K::ColumnGrid, nullptr, "Столбик", false, C::None},
    {"Answer", K::Text, nullptr, nullptr, false, C::None, T::AnswerLine},
    {"Progress", K::Text, nullptr, nullptr, false, C::None, T::ProgressLine},
};

} // namespace

std::span<const PracticeControl> PracticeLayout() { return Layout; }

const PracticeControl* FindPracticeControl(std::string_view name) {
    const auto found =
        std::find_if(std::begin(Layout), std::end(Layout),
                     [&](const PracticeControl& control) { return name == control.Name; });
    return found == std::end(Layout) ? nullptr : &*found;
}

bool NeedsPrinting(const PracticeControl& control) {
    return control.Command == PracticeCommand::Sheets;
}

const std::string& ShownText(const PracticeView& view, const PracticeControl& control) {
    static const std::string None;
    switch (control.Shows) {
    case PracticeText::None:
        return None;
    case PracticeText::Problem:
        return view.Problem;
    case PracticeText::Question:
        return view.Question;
    case PracticeText::Feedback:
        return view.Feedback;
    case PracticeText::AnswerLine:
        return view.AnswerLine;
    case PracticeText::ProgressLine:
        return view.ProgressLine;
    }
    return None;
}

} // namespace velmorand
