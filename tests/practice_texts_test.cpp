// What the practice window says: questions, what is wrong, hints and the answer line.
#include "practice/texts.h"
#include "practice_test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

namespace velmorand {
namespace {

using K = StepKind;

using testing_support::StepOf;

// The numbers a text names, in order.
std::vector<std::string> NumbersIn(std::string_view text) {
    std::vector<std::string> numbers;
    std::string current;
    for (const char c : text) {
        if (c >= '0' && c <= '9') {
            current += c;
        } else if (!current.empty()) {
            numbers.push_back(current);
            current.clear();
        }
    }
    if (!current.empty())
        numbers.push_back(current);
    return numbers;
}

bool HasUnspeakableSign(std::string_view text) {
    return testing_support::HasSignReadAloud(text, false);
}

struct Said {
    const char* What;
    std::string Text;
    const char* Expected;
};

TEST(PracticeTexts, SayWhatTheyShouldInAChildsWords) {
    const Problem p{7240, 8};
    const Problem seventy{702, 9}; // the first partial dividend 70, the digit 7
    const Step digit70 = StepOf(seventy, K::Digit);
    const Said Table[] = {
        {"first question", QuestionText(p, StepOf(p, K::First)), "Какое первое неполное делимое?"},
        {"count question", QuestionText(p, StepOf(p, K::Count)), "Сколько цифр будет в частном?"},
        {"digit question", QuestionText(p, StepOf(p, K::Digit)), "Сколько раз 8 содержится в 72?"},
        {"zero digit question", QuestionText(p, StepOf(p, K::Digit, 1)),
         "Сколько раз 8 содержится в 4?"},
        {"product question", QuestionText(p, StepOf(p, K::Product)), "Сколько будет 9 · 8?"},
        {"difference question", QuestionText(p, StepOf(p, K::Difference)),
         "Сколько будет 72 − 72?"},
        {"bring question", QuestionText(p, StepOf(p, K::Bring)),
         "Снеси следующую цифру. Какое теперь неполное делимое?"},
        {"quotient question", QuestionText(p, StepOf(p, K::Quotient)),
         "Запиши ответ. Чему равно частное?"},
        {"remainder question", QuestionText({4567, 23}, StepOf({4567, 23}, K::Remainder)),
         "Чему равен остаток?"},
        {"done", QuestionText(p, StepOf(p, K::Done)), "Пример решён. Нажми «Следующий пример»."},
        {"digit too big", MistakeText(seventy, digit70, Mistake::DigitTooBig, "8"),
         "8 · 9 = 72, а 72 больше 70. Возьми цифру поменьше."},
        {"digit too small", MistakeText(seventy, digit70, Mistake::DigitTooSmall, " 6 "),
         "6 · 9 = 54, 70 − 54 = 16, а 16 не меньше 9. Возьми цифру побольше."},
        {"right", MistakeText(p, StepOf(p, K::First), Mistake::None, "72"), "Верно!"},
        {"not a number, however long",
         MistakeText(p, StepOf(p, K::First), Mistake::NotANumber, std::string(1'000'000, 'x')),
         "Напиши ответ цифрами, без букв и знаков."},
        {"worked first", HintText(p, StepOf(p, K::First), 3),
         "7 меньше 8, а 72 не меньше 8. Значит, первое неполное делимое 72."},
        {"worked count", HintText(p, StepOf(p, K::Count), 3),
         "Первое неполное делимое 72 даёт одну цифру. После него в делимом ещё 2 цифры. "
         "Значит, в частном 3 цифры."},
        {"where to look", HintText(p, StepOf(p, K::First), 1),
         "Посмотри на первые цифры делимого 7240."},
        {"worked digit", HintText(seventy, digit70, 3),
         "7 · 9 = 63, 8 · 9 = 72. 72 больше 70, значит, в частном 7."},
        {"product of a two-digit divisor in parts",
         HintText({4567, 23}, StepOf({4567, 23}, K::Product, 1), 3),
         "Умножь по частям. 9 · 20 = 180, 9 · 3 = 27, 180 + 27 = 207."},
        {"product of tens", HintText({7345, 30}, StepOf({7345, 30}, K::Product), 3),
         "2 · 3 = 6, значит, 2 · 30 = 60."},
        {"answer", AnswerLine(p), "Ответ: 905"},
        {"answer with remainder", AnswerLine({4567, 23}), "Ответ: 198 (ост. 13)"},
    };
    for (const Said& said : Table)
        EXPECT_EQ(said.Text, said.Expected) << said.What;
}

TEST(PracticeTexts, TheRuleForADigitOrADifferenceIsThatTheRemainderIsSmaller) {
    const Problem p{7240, 8};
    for (const K kind : {K::Digit, K::Difference})
        EXPECT_NE(HintText(p, StepOf(p, kind), 2).find("Остаток всегда меньше делителя."),
                  std::string::npos)
            << StepName(kind);
}

// Typed answers that are wrong in each step, among them the likeliest slips.
std::vector<std::string> WrongAnswers(const Step& step) {
    std::vector<std::string> wrong;
    for (const std::uint32_t near :
         {step.Answer + 1, step.Answer + 10, step.Answer * 10, step.Answer / 10})
        if (near != step.Answer)
            wrong.push_back(std::to_string(near));
    if (step.Answer > 0)
        wrong.push_back(std::to_string(step.Answer - 1));
    return wrong;
}

// The numbers a wrong-answer text may name: the problem's, the pupil's own answer and what
// it makes, and what the step works on.
std::set<std::string> Allowed(const Problem& p, const Step& step, const std::string& typed) {
    const std::uint64_t t = std::stoull(typed);
    std::set<std::string> allowed = {std::to_string(p.Dividend), std::to_string(p.Divisor), typed};
    const std::uint32_t digit = p.Divisor == 0 ? 0 : step.Partial / p.Divisor;
    switch (step.Kind) {
    case K::Digit:
        allowed.insert(std::to_string(step.Partial));
        allowed.insert(std::to_string(t * p.Divisor));
        if (t * p.Divisor <= step.Partial)
            allowed.insert(std::to_string(step.Partial - t * p.Divisor));
        break;
    case K::Product:
        allowed.insert({std::to_string(step.Partial), std::to_string(digit)});
        break;
    case K::Difference:
        allowed.insert({std::to_string(step.Partial), std::to_string(digit * p.Divisor)});
        break;
    case K::Bring: // the partial dividend a bring makes is its answer: only the remainder
        allowed.insert(std::to_string(step.Answer / 10));
        break;
    default:
        break;
    }
    return allowed;
}

// Over every step of many problems of every level: the texts are for speech as well as for
// the eye, and what is said about a wrong answer never gives the right one away.
TEST(PracticeTexts, NeverGiveTheAnswerAwayAndReadAloudCleanly) {
    for (int level = 1; level <= LevelCount; ++level) {
        for (int variant = 1; variant <= 40; ++variant) {
            const Problem p = GenerateProblem(level, variant, 0);
            for (const Step& step : SolutionSteps(p)) {
                SCOPED_TRACE(ProblemText(p) + " " + std::string(StepName(step.Kind)));
                const std::string question = QuestionText(p, step);
                EXPECT_FALSE(HasUnspeakableSign(question)) << question;
                for (int hint = 1; hint <= 3; ++hint) {
                    const std::string text = HintText(p, step, hint);
                    EXPECT_FALSE(text.empty());
                    EXPECT_FALSE(HasUnspeakableSign(text)) << text;
                }
                if (step.Kind == K::Done)
                    continue;
                // The worked step leads to the answer, which the pupil then types.
                const auto worked = NumbersIn(HintText(p, step, 3));
                EXPECT_NE(std::find(worked.begin(), worked.end(), std::to_string(step.Answer)),
                          worked.end())
                    << HintText(p, step, 3);
                for (const std::string& typed : WrongAnswers(step)) {
                    const Mistake mistake = CheckAnswer(p, step, typed);
                    ASSERT_NE(mistake, Mistake::None) << typed;
                    const std::string text = MistakeText(p, step, mistake, typed);
                    EXPECT_FALSE(HasUnspeakableSign(text)) << text;
                    const std::string answer = std::to_string(step.Answer);
                    if (Allowed(p, step, typed).contains(answer))
                        continue; // the answer is also a number the text has to name
                    const auto named = NumbersIn(text);
                    EXPECT_EQ(std::find(named.begin(), named.end(), answer), named.end())
                        << "typed " << typed << ": " << text;
                }
            }
        }
    }
}

} // namespace
} // namespace velmorand
