// Every text the practice window says about a step: the question, what is wrong with an
// answer, and the three hints. In a child's words, with the problem's numbers, and never
// the answer itself in the feedback. Commas and full stops, no brackets or colons: a screen
// reader would name those aloud.
#pragma once

#include "grid.h"
#include "mistakes.h"
#include "problems.h"
#include "steps.h"

#include <string>
#include <string_view>
#include <vector>

namespace velmorand {

// "Какое первое неполное делимое?", "Сколько раз 8 содержится в 72?" ... Numbers of five
// digits and more are split into classes by a no-break space, "606 459".
std::string QuestionText(const Problem& problem, const Step& step);

// What a right answer is told: "Верно!", and after the count the place the quotient begins
// with: "Верно! 72 — это 72 сотни, значит, частное начинается с сотен: в нём 3 цифры."
std::string RightText(const Problem& problem, const Step& step);

// Said once the check gives the dividend back: "Получилось делимое 7945: деление выполнено
// верно."
std::string CheckedText(const Problem& problem);

// What is wrong, for a wrong answer of the step: "8 · 9 = 72, а 72 больше 70. Возьми цифру
// поменьше." The typed text is the pupil's answer.
std::string MistakeText(const Problem& problem, const Step& step, Mistake mistake,
                        std::string_view typed);

inline constexpr int MostHints = 3;

// The hint of level 1 (a way to think about the step), 2 (the rule) or 3 (the step worked
// with its numbers, after which the pupil still types the answer).
std::string HintText(const Problem& problem, const Step& step, int level);

// The parts of the column the hint of that level speaks of, to be lit while it shows.
std::vector<ColumnPart> HintLights(const Step& step, int level);

// The check by multiplication, worked: "Проверка: 905 · 8 = 7240", or with a remainder
// "Проверка: 198 · 40 = 7920, 7920 + 25 = 7945".
std::string CheckLine(const Problem& problem);

// The answer line: "Ответ: 905", "Ответ: 198 (ост. 25)".
std::string AnswerLine(const Problem& problem);

} // namespace velmorand
