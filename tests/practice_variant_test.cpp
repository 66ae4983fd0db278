// A variant or a set in the practice window: numbered as on its sheet, done after its last
// problem, and what the pupil did in it counted for the teacher's code.
#include "practice/problem_set.h"
#include "practice/sheet.h"
#include "practice_test_support.h"

#include <gtest/gtest.h>

namespace velmorand {
namespace {

using testing_support::AnswerAll;
using testing_support::AnswerUpTo;

WorkDone CodedWorkOf(const PracticeSession& session) {
    const PracticeView view = ViewOf(session);
    const CodeReading read = ReadResultCode(CountedProblems(session), view.ResultCode);
    EXPECT_EQ(read.Fault, CodeFault::None) << view.ResultCode << " " << read.Message;
    return read.Work;
}

PracticeSession SetSession(std::string_view set) {
    PracticeSession session = StartPractice(1, 1, {});
    EXPECT_TRUE(MakeSet(session, set).FocusEntry);
    return session;
}

TEST(PracticeVariant, ProblemKIsProblemKOfItsSheet) {
    for (const auto& [level, variant] : {std::pair{1, 1}, {5, 42}, {10, 7}}) {
        PracticeSession session = StartPractice(level, variant, {});
        const std::vector<Problem> sheet = SheetVariantProblems(level, variant);
        const PrintedPage first = MakePrintedSheets({.Level = level, .Variant = variant}).front();
        ASSERT_EQ(session.VariantProblems, static_cast<int>(sheet.size()));
        for (std::size_t k = 0; k < sheet.size(); ++k) {
            EXPECT_EQ(session.Current, sheet[k]);
            if (k < first.Problems.size()) {
                EXPECT_EQ(first.Problems[k].Problem, sheet[k]);
            }
            EXPECT_EQ(ViewOf(session).ProblemNumber,
                      "Пример " + std::to_string(k + 1) + " из " + std::to_string(sheet.size()));
            const std::string said = NextProblem(session).Announcement;
            EXPECT_EQ(said.find("Вариант закончен") != std::string::npos, k + 1 == sheet.size());
        }
        EXPECT_EQ(ViewOf(session).ProblemNumber,
                  "Пример " + std::to_string(sheet.size() + 1) + ", сверх варианта");
        EXPECT_EQ(CodedWorkOf(session), WorkDone{});
    }
}

TEST(PracticeVariant, ASetIsPractisedInOrderAndEndsWithTheCode) {
    PracticeSession session = SetSession("7240 : 8; 648:6, 9156 ÷ 42");
    EXPECT_EQ(ViewOf(session).SetText, "7240:8,648:6,9156:42");
    int answers = 0;
    for (const char* problem : {"7240 : 8", "648 : 6", "9156 : 42"}) {
        EXPECT_EQ(ViewOf(session).Problem, problem);
        EXPECT_TRUE(ViewOf(session).ResultCode.empty());
        answers += static_cast<int>(AnswerAll(session).size());
        if (session.ProblemIndex < 2)
            NextProblem(session);
    }
    EXPECT_NE(ViewOf(session).Feedback.find("Свои примеры закончены: решено 3 из 3"),
              std::string::npos);
    EXPECT_EQ(CodedWorkOf(session), (WorkDone{3, answers, 0, {}}));
    EXPECT_EQ(session.Kept, Progress{}); // the teacher's problems belong to no level
    NextProblem(session);
    EXPECT_EQ(ViewOf(session).ProblemNumber, "Пример 1 из 3, ещё раз");
    AnswerAll(session); // outside the set's result
    EXPECT_EQ(CodedWorkOf(session), (WorkDone{3, answers, 0, {}}));
}

TEST(PracticeVariant, CountsAHintAboveTheFirstAndAMissedZeroInTheirGroup) {
    PracticeSession session = SetSession("7240:8,648:6");
    AskHint(session); // the first level only points the way
    AskHint(session);
    ASSERT_TRUE(AnswerUpTo(session, StepKind::Quotient));
    SubmitAnswer(session, "95");
    SubmitAnswer(session, "abc"); // no number: no mistake
    const int steps = static_cast<int>(session.Steps.size()) - 1;
    AnswerAll(session);
    WorkDone expected{1, steps - 1, 1, {}};
    expected.Mistakes[static_cast<int>(MistakeGroup::BringAndZeros)] = 1;
    const PracticeResult shown = ShowCode(session);
    EXPECT_EQ(CodedWorkOf(session), expected);
    EXPECT_NE(shown.Announcement.find(ViewOf(session).SpokenResultCode), std::string::npos);
}

TEST(PracticeVariant, ABadSetChangesNothingButItsReasons) {
    PracticeSession session = StartPractice(5, 42, {});
    SubmitAnswer(session, session.Steps[0].Answer == 1 ? "2" : "1");
    const PracticeView before = ViewOf(session);
    for (const std::string& typed : {std::string("5 : 0"), std::string(1000000, ';')}) {
        const PracticeResult result = MakeSet(session, typed);
        const PracticeView after = ViewOf(session);
        EXPECT_FALSE(after.SetError.empty());
        EXPECT_EQ(result.Announcement.empty(), false);
        EXPECT_EQ(after.Problem, before.Problem);
        EXPECT_EQ(after.Feedback, before.Feedback);
        EXPECT_EQ(session.Set.size(), 0u);
    }
}

TEST(PracticeVariant, ALevelOrVariantChosenLeavesTheSet) {
    PracticeSession session = SetSession("999999:999");
    EXPECT_GT(PracticePaper(session).Columns, LevelPaper(1).Columns);
    ChooseLevel(session, 1);
    EXPECT_TRUE(session.Set.empty());
    EXPECT_EQ(session.Current, GenerateProblem(1, 1, 0));
    session = SetSession("999999:999");
    ChooseVariant(session, "1");
    EXPECT_EQ(session.Current, GenerateProblem(1, 1, 0));
}

} // namespace
} // namespace velmorand
