// The practice window's session: what the pupil's answers, hints and choices do.
#include "practice/session.h"
#include "practice/texts.h"
#include "practice_test_support.h"

#include <gtest/gtest.h>

#include <string>

namespace velmorand {
namespace {

using testing_support::AnswerAll;
using testing_support::AnswerUpTo;
using testing_support::Typed;

const Step& Asked(const PracticeSession& s) { return s.Steps[s.StepIndex]; }

bool Speakable(const std::string& text) { return !testing_support::HasSignReadAloud(text, true); }

TEST(PracticeSession, StartsAtTheClampedLevelAndVariantWithWhatWasKept) {
    Progress kept;
    kept.Levels[LevelCount - 1] = {5, 2};
    PracticeSession s = StartPractice(LevelCount + 4, 0, kept);
    EXPECT_EQ(s.Current, GenerateProblem(LevelCount, 1, 0));
    EXPECT_EQ(s.Steps, SolutionSteps(s.Current));
    EXPECT_EQ(s.Kept, kept);
    ChooseLevel(s, 99); // the same clamping when the level is chosen
    EXPECT_EQ(s.Level, LevelCount);
    const PracticeView view = ViewOf(s);
    EXPECT_EQ(view.Step, "first");
    EXPECT_EQ(view.Question, "Какое первое неполное делимое?");
    EXPECT_EQ(view.ProgressLine, "Решено на этом уровне: 5. Подряд без подсказки: 2.");
    EXPECT_TRUE(view.AnswerLine.empty());
}

TEST(PracticeSession, ARightAnswerIsWrittenAndTheNextStepAsked) {
    PracticeSession s = StartPractice(5, 1, {});
    const PracticeResult result = SubmitAnswer(s, " " + Typed(Asked(s).Answer) + " ");
    EXPECT_EQ(s.StepIndex, 1u);
    EXPECT_EQ(s.Feedback, "Верно!");
    EXPECT_EQ(s.LastMistake, Mistake::None);
    EXPECT_FALSE(result.ProgressChanged);
    EXPECT_EQ(result.Announcement, "Верно. Сколько цифр будет в частном?");
    EXPECT_EQ(ViewOf(s).Mistake, "");
}

TEST(PracticeSession, AWrongAnswerChangesNothingButTheFeedback) {
    PracticeSession s = StartPractice(1, 1, {});
    AnswerUpTo(s, StepKind::Digit);
    const std::size_t before = s.StepIndex;
    const Grid column = ViewOf(s).Column;
    const PracticeResult result = SubmitAnswer(s, Typed(Asked(s).Answer + 1));
    EXPECT_EQ(s.StepIndex, before);
    EXPECT_EQ(s.LastMistake, Mistake::DigitTooBig);
    EXPECT_EQ(s.Feedback,
              MistakeText(s.Current, Asked(s), Mistake::DigitTooBig, Typed(Asked(s).Answer + 1)));
    EXPECT_EQ(ViewOf(s).Mistake, "digit-too-big");
    EXPECT_EQ(ViewOf(s).Column.Cells, column.Cells);
    EXPECT_FALSE(result.ProgressChanged);
    // Said aloud with words for the signs: "1 · 8" is read as "1 умножить на 8".
    EXPECT_NE(result.Announcement.find("умножить на"), std::string::npos);
}

std::string NumberedHint(const PracticeSession& s, int level) {
    return "Подсказка " + Typed(level) + " из 3. " + HintText(s.Current, Asked(s), level);
}

TEST(PracticeSession, HintsGoDeeperUpToTheWorkedStepOnlyAfterAnAnswer) {
    PracticeSession s = StartPractice(3, 9, {});
    AnswerUpTo(s, StepKind::Digit);
    for (const int level : {1, 2}) {
        AskHint(s);
        EXPECT_EQ(ViewOf(s).HintLevel, level);
        EXPECT_EQ(s.Feedback, NumberedHint(s, level));
        EXPECT_EQ(ViewOf(s).HintButton, "Подсказка");
    }
    // Before any answer at the step the worked step is refused; a text that is no number
    // is no answer either.
    SubmitAnswer(s, "x");
    const PracticeResult refused = AskHint(s);
    EXPECT_EQ(s.HintLevel, 2);
    EXPECT_EQ(s.Feedback, "Третья подсказка будет после твоего ответа. Попробуй ответить сам.");
    EXPECT_TRUE(refused.FocusEntry);
    // After a wrong answer it comes, and after it the button says there is no more.
    SubmitAnswer(s, Typed(Asked(s).Answer + 1));
    EXPECT_EQ(s.HintLevel, 0);
    for (int i = 0; i < 2; ++i) {
        AskHint(s);
        EXPECT_EQ(ViewOf(s).HintLevel, 3);
        EXPECT_EQ(s.Feedback, NumberedHint(s, 3));
        EXPECT_EQ(ViewOf(s).HintButton, "Подсказок нет");
    }
    // A right answer starts the next step's hints from the first.
    SubmitAnswer(s, Typed(Asked(s).Answer));
    EXPECT_EQ(s.HintLevel, 0);
    AskHint(s);
    EXPECT_EQ(s.HintLevel, 1);
}

struct HelpCase {
    const char* Name;
    int HintsAsked;   // on the problem's first step
    int WrongAnswers; // there, before the hints
    int InARowAfter;
};

// Two problems solved on their own, then a third with help: a hint above the first level or
// a second wrong answer breaks the row; the problem counts as solved either way.
TEST(PracticeSession, OnlyAProblemSolvedAlmostAloneCountsInTheRow) {
    const HelpCase Table[] = {{"alone", 0, 0, 3},       {"a way to think", 1, 0, 3},
                              {"the rule", 2, 0, 0},    {"worked", 3, 1, 0},
                              {"one slip", 0, 1, 3},    {"two wrong answers", 0, 2, 0},
                              {"not a number", 0, 0, 3}};
    for (const HelpCase& c : Table) {
        PracticeSession s = StartPractice(2, 5, {});
        for (int i = 0; i < 2; ++i) {
            AnswerAll(s);
            NextProblem(s);
        }
        for (int i = 0; i < c.WrongAnswers; ++i)
            SubmitAnswer(s, Typed(Asked(s).Answer + 1));
        SubmitAnswer(s, "x");
        for (int i = 0; i < c.HintsAsked; ++i)
            AskHint(s);
        const auto results = AnswerAll(s);
        ASSERT_FALSE(results.empty());
        EXPECT_TRUE(results.back().ProgressChanged) << c.Name;
        EXPECT_EQ(s.Kept.Levels[1].Solved, 3) << c.Name;
        EXPECT_EQ(s.Kept.Levels[1].InARow, c.InARowAfter) << c.Name;
        for (std::size_t i = 0; i + 1 < results.size(); ++i)
            EXPECT_FALSE(results[i].ProgressChanged) << c.Name;
    }
}

// The answer line is said as it is written, then the check, which ends the problem.
TEST(PracticeSession, SolvingSaysTheAnswerThenTheCheck) {
    PracticeSession s = StartPractice(4, 3, {}); // a remainder, and a one-digit divisor
    ASSERT_TRUE(AnswerUpTo(s, StepKind::Remainder));
    const std::string answered = SubmitAnswer(s, Typed(Asked(s).Answer)).Announcement;
    EXPECT_NE(answered.find(". Ответ "), std::string::npos) << answered;
    EXPECT_NE(answered.find(", остаток "), std::string::npos) << answered;
    EXPECT_EQ(ViewOf(s).AnswerLine, AnswerLine(s.Current));
    SubmitAnswer(s, Typed(Asked(s).Answer));
    const PracticeResult done = SubmitAnswer(s, Typed(Asked(s).Answer));
    ASSERT_EQ(Asked(s).Kind, StepKind::Done);
    EXPECT_EQ(s.Feedback, CheckLine(s.Current) + ". " + CheckedText(s.Current));
    EXPECT_TRUE(done.Announcement.starts_with("Верно. Проверка, ")) << done.Announcement;
    EXPECT_NE(done.Announcement.find("Получилось делимое"), std::string::npos);
    EXPECT_EQ(ViewOf(s).AnswerLine, AnswerLine(s.Current));
    EXPECT_EQ(ViewOf(s).Step, "done");
    EXPECT_EQ(ViewOf(s).ProgressLine, "Решено на этом уровне: 1. Подряд без подсказки: 1.");
    // Once solved, more answers and hints change nothing and count nothing again.
    const Progress kept = s.Kept;
    EXPECT_FALSE(SubmitAnswer(s, Typed(s.Steps[s.Steps.size() - 2].Answer)).ProgressChanged);
    EXPECT_FALSE(AskHint(s).ProgressChanged);
    EXPECT_EQ(s.HintLevel, 0);
    EXPECT_NE(s.Feedback.find("решён"), std::string::npos) << s.Feedback;
    EXPECT_EQ(s.Kept, kept);
}

TEST(PracticeSession, ThreeInARowSuggestTheNextLevel) {
    PracticeSession s = StartPractice(5, 1, {});
    for (int i = 0; i < 3; ++i) {
        EXPECT_FALSE(ViewOf(s).SuggestNextLevel);
        AnswerAll(s);
        NextProblem(s);
    }
    const PracticeView view = ViewOf(s);
    EXPECT_TRUE(view.SuggestNextLevel);
    EXPECT_NE(view.ProgressLine.find("Можно перейти на уровень 6."), std::string::npos);
    // Not beyond the last level.
    PracticeSession last = StartPractice(LevelCount, 1, {});
    last.Kept.Levels[LevelCount - 1] = {10, 10};
    EXPECT_FALSE(ViewOf(last).SuggestNextLevel);
}

TEST(PracticeSession, SkippingAProblemLeavesTheCountsAlone) {
    Progress kept;
    kept.Levels[0] = {4, 2};
    PracticeSession s = StartPractice(1, 1, kept);
    AnswerUpTo(s, StepKind::Digit);
    AskHint(s);
    AskHint(s);
    const PracticeResult result = NextProblem(s);
    EXPECT_EQ(s.ProblemIndex, 1);
    EXPECT_EQ(s.Current, GenerateProblem(1, 1, 1));
    EXPECT_TRUE(s.StepIndex == 0 && s.HintLevel == 0 && !s.HintTaken && s.Feedback.empty());
    EXPECT_EQ(s.Kept, kept);
    EXPECT_FALSE(result.ProgressChanged);
}

struct VariantCase {
    const char* Typed;
    int Variant; // 0: refused, the variant stays
};

TEST(PracticeSession, AVariantIsANumberFrom1To999999) {
    // clang-format off
    const VariantCase Table[] = {
        {"42", 42}, {" 42 ", 42}, {"999999", 999999}, {"1", 1}, {"0", 0}, {"1000000", 0},
        {"-5", 0}, {"", 0}, {"4 2", 42}, {"abc", 0}, {"99999999999999999999", 0},
    };
    // clang-format on
    for (const VariantCase& c : Table) {
        PracticeSession s = StartPractice(3, 17, {});
        NextProblem(s);
        ChooseVariant(s, c.Typed);
        const bool refused = c.Variant == 0;
        EXPECT_EQ(s.Variant, refused ? 17 : c.Variant) << c.Typed;
        EXPECT_EQ(s.Current, GenerateProblem(3, s.Variant, refused ? 1 : 0)) << c.Typed;
        EXPECT_EQ(s.Feedback == "Вариант должен быть числом от 1 до 999999.", refused) << c.Typed;
    }
}

TEST(PracticeSession, ChoosingWhatTheSessionHasKeepsTheWorkAndANewProblemTakesTheFocus) {
    PracticeSession s = StartPractice(5, 42, {});
    SubmitAnswer(s, Typed(Asked(s).Answer));
    for (const PracticeResult& same : {ChooseLevel(s, 5), ChooseVariant(s, " 42")})
        EXPECT_TRUE(same.Announcement.empty() && !same.ClearEntry);
    // The typed text goes once another question is asked, and only then.
    EXPECT_FALSE(SubmitAnswer(s, "x").ClearEntry);
    EXPECT_FALSE(AskHint(s).ClearEntry);
    EXPECT_TRUE(SubmitAnswer(s, Typed(Asked(s).Answer)).ClearEntry);
    EXPECT_EQ(s.StepIndex, 2u);
    EXPECT_TRUE(NextProblem(s).FocusEntry);
    EXPECT_FALSE(ChooseLevel(s, 6).FocusEntry);
    EXPECT_EQ(s.Current, GenerateProblem(6, 42, 0));
}

// Every announcement of a whole problem, wrong answers and hints included, is fit for
// speech, and what is shown as feedback is the same words.
TEST(PracticeSession, EveryAnnouncementIsFitForSpeech) {
    for (int level = 1; level <= LevelCount; ++level) {
        PracticeSession s = StartPractice(level, 3, {});
        while (Asked(s).Kind != StepKind::Done) {
            for (const std::string& typed :
                 {std::string(), std::string("x"), Typed(Asked(s).Answer + 1)}) {
                const PracticeResult wrong = SubmitAnswer(s, typed);
                EXPECT_TRUE(Speakable(wrong.Announcement)) << wrong.Announcement;
            }
            for (int i = 0; i < 3; ++i)
                EXPECT_TRUE(Speakable(AskHint(s).Announcement));
            const PracticeResult right = SubmitAnswer(s, Typed(Asked(s).Answer));
            EXPECT_TRUE(Speakable(right.Announcement)) << right.Announcement;
        }
        for (const PracticeResult& result :
             {SubmitAnswer(s, "1"), AskHint(s), NextProblem(s), ChooseLevel(s, level),
              ChooseVariant(s, "0"), ChooseVariant(s, "77")})
            EXPECT_TRUE(Speakable(result.Announcement)) << result.Announcement;
    }
}

// A pasted million characters is no answer, and nothing of it is echoed back.
TEST(PracticeSession, APastedMillionCharactersIsRefused) {
    PracticeSession s = StartPractice(8, 1, {});
    const std::string pasted(1'000'000, '5');
    for (const PracticeResult& result : {SubmitAnswer(s, pasted), ChooseVariant(s, pasted)}) {
        EXPECT_LT(result.Announcement.size(), 200u);
        EXPECT_LT(s.Feedback.size(), 200u);
    }
    EXPECT_EQ(s.LastMistake, Mistake::NotANumber);
    EXPECT_EQ(s.StepIndex, 0u);
    EXPECT_EQ(s.Variant, 1);
}

// A session a front end built by hand, with no steps, is read as solved, not out of bounds.
TEST(PracticeSession, AnEmptySessionIsSafe) {
    PracticeSession s;
    EXPECT_EQ(ViewOf(s).Step, "done");
    EXPECT_FALSE(SubmitAnswer(s, "5").ProgressChanged);
    EXPECT_FALSE(AskHint(s).ProgressChanged);
    NextProblem(s);
    EXPECT_EQ(s.Current, GenerateProblem(1, 1, 1));
}

} // namespace
} // namespace velmorand
