// What the practice window says: questions, what is wrong, hints and the answer line.
#include "practice/numbers.h"
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

// The numbers a text names, in order; "606 459" split into classes is one.
std::vector<std::string> NumbersIn(std::string_view text) {
    std::vector<std::string> numbers;
    std::string current;
    const auto isDigit = [](char c) { return c >= '0' && c <= '9'; };
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (isDigit(text[i])) {
            current += text[i];
            continue;
        }
        const bool grouping = text.substr(i, 2) == "\xC2\xA0" && !current.empty() &&
                              i + 2 < text.size() && isDigit(text[i + 2]);
        if (grouping) {
            ++i;
        } else if (!current.empty()) {
            numbers.push_back(current);
            current.clear();
        }
    }
    if (!current.empty())
        numbers.push_back(current);
    return numbers;
}

// What a screen reader is told is the shown text worded for speech: no sign in it may be
// named aloud.
bool HasUnspeakableSign(std::string_view text) {
    return testing_support::HasSignReadAloud(practice_detail::Spoken(text), true);
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
    const Problem trial{1659, 83}; // 83 rounds down to 80: the trial digit 2 of 165 is too big
    const Step digit165 = StepOf(trial, K::Digit);
    const Problem up{1786, 37};    // 37 rounds up to 40: the trial digit 4 of 178 is right
    const Problem small{3496, 37}; // 349 : 40 gives 8, but 9 · 37 = 333 fits
    const Problem rest{7945, 40};
    const Said Table[] = {
        {"first question", QuestionText(p, StepOf(p, K::First)), "Какое первое неполное делимое?"},
        {"digit question", QuestionText(p, StepOf(p, K::Digit)), "Сколько раз 8 содержится в 72?"},
        {"zero digit question", QuestionText(p, StepOf(p, K::Digit, 1)),
         "Сколько раз 8 содержится в 4?"},
        {"partial dividend 0", QuestionText({3600, 9}, StepOf({3600, 9}, K::Digit, 1)),
         "Неполное делимое 0. Какую цифру запишем в частное?"},
        {"product question", QuestionText(p, StepOf(p, K::Product)), "Сколько будет 9 · 8?"},
        {"difference question", QuestionText(p, StepOf(p, K::Difference)),
         "Сколько будет 72 − 72?"},
        {"done", QuestionText(p, StepOf(p, K::Done)), "Пример решён. Нажми «Следующий пример»."},
        {"round question", QuestionText(up, StepOf(up, K::Round)),
         "Округли делитель 37 до десятков."},
        {"round to hundreds", QuestionText({98765, 432}, StepOf({98765, 432}, K::Round)),
         "Округли делитель 432 до сотен."},
        {"trial question", QuestionText(trial, StepOf(trial, K::Trial)),
         "Пробная цифра: 165 : 80, сколько раз 8 десятков содержится в 16 десятках?"},
        {"digit after a trial", QuestionText(trial, digit165),
         "Проверь пробную цифру 2. Сколько раз 83 содержится в 165?"},
        {"round tens in short", QuestionText({158, 30}, StepOf({158, 30}, K::Digit)),
         "158 : 30 — это как 15 : 3. Сколько раз 30 содержится в 158?"},
        {"check question", QuestionText(rest, StepOf(rest, K::CheckProduct)),
         "Проверка: 198 · 40 = ?"},
        {"check sum question", QuestionText(rest, StepOf(rest, K::CheckSum)),
         "Проверка: 7920 + 25 = ?"},
        {"checked", CheckedText(rest), "Получилось делимое 7945: деление выполнено верно."},
        {"count told by its place", RightText(p, StepOf(p, K::Count)),
         "Верно! 72 — это 72 сотни, значит, частное начинается с сотен: в нём 3 цифры."},
        {"digit too big", MistakeText(seventy, digit70, Mistake::DigitTooBig, "8"),
         "8 · 9 = 72, а 72 больше 70. Возьми цифру поменьше."},
        {"digit too small", MistakeText(seventy, digit70, Mistake::DigitTooSmall, " 6 "),
         "6 · 9 = 54, 70 − 54 = 16, а 16 не меньше 9. Возьми цифру побольше."},
        {"trial digit too big", MistakeText(trial, digit165, Mistake::DigitTooBig, "2"),
         "Пробная цифра 2 велика: 2 · 83 = 166, а 166 больше 165. Уменьши её."},
        {"trial digit too small",
         MistakeText(small, StepOf(small, K::Digit), Mistake::DigitTooSmall, "8"),
         "Пробная цифра 8 мала: 8 · 37 = 296, 349 − 296 = 53, остаток 53 не меньше 37. "
         "Увеличь её."},
        {"zero skipped", MistakeText(p, StepOf(p, K::Bring), Mistake::ZeroSkipped, "40"),
         "Сначала снеси одну цифру: 4 меньше 8, значит, в частном 0."},
        {"remainder too big",
         MistakeText(rest, StepOf(rest, K::Remainder), Mistake::RemainderTooBig, "65"),
         "Остаток всегда меньше делителя: 65 больше 40."},
        {"echoed as typed", MistakeText(p, StepOf(p, K::First), Mistake::FirstTooSmall, "07"),
         "07 меньше 8, а неполное делимое не меньше делителя. Возьми ещё цифру."},
        {"one extra digit", MistakeText(p, StepOf(p, K::First), Mistake::FirstTooLong, "724"),
         "В 724 лишняя цифра. Возьми как можно меньше первых цифр делимого, но чтобы число "
         "было не меньше 8."},
        {"right", MistakeText(p, StepOf(p, K::First), Mistake::None, "72"), "Верно!"},
        {"not a number, however long",
         MistakeText(p, StepOf(p, K::First), Mistake::NotANumber, std::string(1'000'000, 'x')),
         "Напиши ответ цифрами, без букв и знаков."},
        {"worked count", HintText(p, StepOf(p, K::Count), 3),
         "Первое неполное делимое 72 — это 72 сотни, значит, частное начинается с сотен: в нём "
         "3 цифры."},
        {"product thought about", HintText({7240, 8}, StepOf({7240, 8}, K::Product), 1),
         "9 · 8 — это 10 · 8 без одной восьмёрки."},
        {"trial thought about", HintText(trial, StepOf(trial, K::Trial), 1),
         "Закрой последнюю цифру делимого и делителя: 165 : 80 — это как 16 : 8."},
        {"worked digit", HintText(seventy, digit70, 3),
         "7 · 9 = 63, 8 · 9 = 72. 72 больше 70, значит, в частном 7."},
        {"product of a two-digit divisor in parts",
         HintText({4567, 23}, StepOf({4567, 23}, K::Product, 1), 3),
         "Умножь по частям. 9 · 20 = 180, 9 · 3 = 27, 180 + 27 = 207."},
        {"worked check", HintText({7240, 8}, StepOf({7240, 8}, K::CheckProduct), 3),
         "900 · 8 = 7200, 5 · 8 = 40, 7200 + 40 = 7240."},
        {"answer", AnswerLine(p), "Ответ: 905"},
        {"answer with remainder", AnswerLine({4567, 23}), "Ответ: 198 (ост. 13)"},
        {"check line", CheckLine(rest), "Проверка: 198 · 40 = 7920, 7920 + 25 = 7945"},
        {"numbers split into classes",
         QuestionText({606459, 3}, StepOf({606459, 3}, K::Quotient, 0)) + " " +
             AnswerLine({606459, 3}),
         "Запиши ответ. Чему равно частное? Ответ: 202\xC2\xA0"
         "153"},
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

// The numbers a wrong-answer text may name: the problem's, those the question names (the
// partial dividend, the product, a bring's difference, the trial's tens, the first partial
// dividend the count comes from), the pupil's own answer and what it makes of them.
std::set<std::string> Allowed(const Problem& p, const Step& step, const std::string& typed) {
    std::vector<std::uint64_t> named = {p.Dividend, p.Divisor, step.Answer / 10,
                                        practice_detail::FirstPartial(p.Dividend, p.Divisor)};
    for (const std::string& n : NumbersIn(QuestionText(p, step)))
        named.push_back(std::stoull(n));
    const std::uint64_t t = std::stoull(typed);
    std::set<std::string> allowed = {typed};
    for (const std::uint64_t x : named) {
        allowed.insert({std::to_string(x), std::to_string(t * x)});
        for (const std::uint64_t y : named)
            if (t * x <= y)
                allowed.insert(std::to_string(y - t * x));
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
                // The first two hints point the way and give no answer: they may name the
                // step's own numbers and the tables' 9 and 10.
                const std::string answer = std::to_string(step.Answer);
                std::set<std::string> pointing = Allowed(p, step, "0");
                pointing.insert({"9", "10"});
                for (int hint = 1; hint < 3; ++hint) {
                    const auto named = NumbersIn(HintText(p, step, hint));
                    if (!pointing.contains(answer)) {
                        EXPECT_EQ(std::find(named.begin(), named.end(), answer), named.end())
                            << HintText(p, step, hint);
                    }
                }
                // The worked step leads to the answer, which the pupil then types.
                const auto worked = NumbersIn(HintText(p, step, 3));
                EXPECT_NE(std::find(worked.begin(), worked.end(), std::to_string(step.Answer)),
                          worked.end())
                    << HintText(p, step, 3);
                for (const std::string& typed : WrongAnswers(step)) {
                    const Mistake mistake = CheckAnswer(p, step, typed);
                    ASSERT_NE(mistake, Mistake::None) << typed;
                    // Skipping a 0 is told by the one digit that should have been brought.
                    if (mistake == Mistake::ZeroSkipped)
                        continue;
                    const std::string text = MistakeText(p, step, mistake, typed);
                    EXPECT_FALSE(HasUnspeakableSign(text)) << text;
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
