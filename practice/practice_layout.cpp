#include "practice_layout.h"

#include <algorithm>

namespace velmorand {

const char* const PracticeCaption = "Тренажёр: деление в столбик";
const char* const PracticeSpokenCaption = "Тренажёр, деление в столбик";

namespace {

using K = PracticeControlKind;
using C = PracticeCommand;

// In the order the keyboard focus moves.
constexpr PracticeControl Layout[] = {
    {"Level", K::LevelChoice, nullptr, "Уровень", false, C::None},
    {"Variant", K::VariantField, nullptr, "Вариант", false, C::None},
    {"Problem", K::Text, nullptr, "Пример", false, C::None},
    {"Question", K::Text, nullptr, nullptr, false, C::None},
    {"Entry", K::AnswerField, nullptr, "Ответ", false, C::None},
    {"Feedback", K::Text, nullptr, nullptr, true, C::None},
    {"Hint", K::Button, "Подсказка", "Подсказка", false, C::Hint},
    {"Next", K::Button, "Следующий пример", "Следующий пример", false, C::Next},
    {"Column", K::ColumnGrid, nullptr, "Столбик", false, C::None},
};

} // namespace

std::span<const PracticeControl> PracticeLayout() { return Layout; }

const PracticeControl* FindPracticeControl(std::string_view name) {
    const auto found =
        std::find_if(std::begin(Layout), std::end(Layout),
                     [&](const PracticeControl& control) { return name == control.Name; });
    return found == std::end(Layout) ? nullptr : &*found;
}

} // namespace velmorand
