#include "session.h"

#include "numbers.h"
#include "problem_set.h"
#include "sheet.h"
#include "texts.h"

#include <algorithm>
#include <limits>

namespace velmorand {

using practice_detail::Digits;
using practice_detail::Spoken;

namespace {

constexpr std::string_view BadVariant = "Вариант должен быть числом от 1 до 999999.";
constexpr std::string_view AlreadySolved = "Пример уже решён. Нажми «Следующий пример».";
constexpr std::string_view WorkedAfterTrying =
    "Третья подсказка будет после твоего ответа. Попробуй ответить сам.";
constexpr std::string_view HintCaption = "Подсказка";
// As short as "Подсказка", so that it fits the button on a phone.
constexpr std::string_view NoMoreHints = "Подсказок нет";

// A problem counts in the row when it was solved with no hint above the first and at most
// one wrong answer.
constexpr int MostWrongInARow = 1;

// A session a front end put together by hand may have no steps, or an index past them: it
// reads as solved rather than reading out of bounds.
const Step& CurrentStep(const PracticeSession& session) {
    static const Step Solved{};
    return session.StepIndex < session.Steps.size() ? session.Steps[session.StepIndex] : Solved;
}

bool IsSolved(const PracticeSession& session) {
    return CurrentStep(session).Kind == StepKind::Done;
}

std::size_t LevelSlot(const PracticeSession& session) {
    return static_cast<std::size_t>(ClampLevel(session.Level) - 1);
}

LevelProgress& LevelKept(PracticeSession& session) {
    return session.Kept.Levels[LevelSlot(session)];
}

const LevelProgress& LevelKept(const PracticeSession& session) {
    return session.Kept.Levels[LevelSlot(session)];
}

bool SuggestsNextLevel(const PracticeSession& session) {
    return session.Set.empty() && session.Level < LevelCount &&
           LevelKept(session).InARow >= InARowForNextLevel;
}

std::string NextLevelText(const PracticeSession& session) {
    return "Можно перейти на уровень " + Digits(static_cast<std::uint64_t>(session.Level) + 1) +
           ".";
}

bool PractisesSet(const PracticeSession& session) { return !session.Set.empty(); }

Problem ProblemAt(const PracticeSession& session, int index) {
    if (PractisesSet(session))
        return session.Set[static_cast<std::size_t>(index) % session.Set.size()];
    return GenerateProblem(session.Level, session.Variant, index);
}

// Whether the problem is one of the variant's, which the teacher's code is about.
bool Counted(const PracticeSession& session) {
    return session.ProblemIndex < session.VariantProblems;
}

bool IsLastOfVariant(const PracticeSession& session) {
    return session.ProblemIndex == session.VariantProblems - 1;
}

std::string Count(int count) { return Digits(static_cast<std::uint64_t>(std::max(count, 0))); }

std::string SolvedOfVariant(const PracticeSession& session) {
    return "решено " + Count(session.Work.Solved) + " из " + Count(session.VariantProblems);
}

std::string CodeOf(const PracticeSession& session) {
    return ResultCode(CountedProblems(session), session.Work);
}

// The session's problem, from its level, variant and index, with nothing yet answered.
void SetUpProblem(PracticeSession& session) {
    session.Current = ProblemAt(session, session.ProblemIndex);
    session.Steps = SolutionSteps(session.Current);
    session.StepIndex = 0;
    session.LastMistake = Mistake::None;
    session.Feedback.clear();
    session.HintLevel = 0;
    session.DeepestHint = 0;
    session.TriedHere = 0;
    session.HintTaken = false;
    session.WrongAnswers = 0;
}

// The variant's or set's first problem, with nothing yet done in it.
void SetUpVariant(PracticeSession& session) {
    session.ProblemIndex = 0;
    session.VariantProblems =
        PractisesSet(session)
            ? static_cast<int>(session.Set.size())
            : static_cast<int>(SheetVariantProblems(session.Level, session.Variant).size());
    session.Work = {};
    session.Finished = false;
    session.CodeShown = false;
    SetUpProblem(session);
}

// The variant is done: what the window adds to its feedback, and what is said with the code.
struct Finish {
    std::string Shown;
    std::string Said;
};

Finish FinishVariant(PracticeSession& session) {
    session.Finished = true;
    session.CodeShown = true;
    const std::string done = PractisesSet(session) ? std::string(OwnProblemsTitle) + " закончены: "
                                                   : std::string("Вариант закончен: ");
    // The code stands in the feedback too, in sight wherever the window's size puts its own
    // line.
    const std::string finished = done + SolvedOfVariant(session) + ". Покажи учителю код";
    return {finished + ": " + CodeOf(session) + ".",
            Spoken(finished) + ". Код для учителя, " + SpokenCode(CodeOf(session))};
}

// What a new problem is announced with: the problem in words and its first question.
PracticeResult Introduce(const PracticeSession& session, std::string_view before) {
    std::string text(before);
    text += "Пример " + Spoken(ProblemText(session.Current)) + ". ";
    text += Spoken(QuestionText(session.Current, CurrentStep(session)));
    return {.ClearEntry = true, .Announcement = text};
}

// The problem is solved: it counts on its level, and in the row unless a hint above the
// first level was taken or more than one answer was wrong.
void CountSolved(PracticeSession& session) {
    // The counts stop where the stored text's do, whatever the kept progress held.
    constexpr int Most = practice_detail::MostKeptCount;
    if (Counted(session))
        ++session.Work.Solved;
    if (PractisesSet(session)) // the teacher's problems belong to no level
        return;
    LevelProgress& kept = LevelKept(session);
    kept.Solved = std::clamp(kept.Solved, 0, Most - 1) + 1;
    const bool unaided = !session.HintTaken && session.WrongAnswers <= MostWrongInARow;
    kept.InARow = unaided ? std::min(std::clamp(kept.InARow, 0, Most - 1) + 1, kept.Solved) : 0;
}

bool IsCheck(StepKind kind) { return kind == StepKind::CheckProduct || kind == StepKind::CheckSum; }

// "Ответ 198, остаток 25." as it is said.
std::string SpokenAnswer(const Problem& problem) {
    if (problem.Divisor == 0)
        return {};
    std::string text = "Ответ " + Digits(problem.Dividend / problem.Divisor);
    if (const std::uint32_t remainder = problem.Dividend % problem.Divisor; remainder != 0)
        text += ", остаток " + Digits(remainder);
    return text + ".";
}

// A checked problem is said to be done by its check; the others by their answer.
PracticeResult Solve(PracticeSession& session, bool checked) {
    CountSolved(session);
    const bool changed = !PractisesSet(session);
    // The check, worked, stays in sight with what it showed.
    if (checked)
        session.Feedback = CheckLine(session.Current) + ". " + CheckedText(session.Current);
    std::string announcement =
        "Верно. " + (checked ? Spoken(session.Feedback) : SpokenAnswer(session.Current)) + " " +
        Spoken(QuestionText(session.Current, CurrentStep(session)));
    if (SuggestsNextLevel(session)) {
        session.Feedback += " " + NextLevelText(session);
        announcement += " " + NextLevelText(session);
    }
    if (IsLastOfVariant(session) && !session.Finished) {
        const Finish finish = FinishVariant(session);
        session.Feedback += " " + finish.Shown;
        announcement += " " + finish.Said;
    }
    return {.ProgressChanged = changed, .ClearEntry = true, .Announcement = announcement};
}

// The answer line once the quotient and the remainder are written, through the check.
std::string AnswerSoFar(const PracticeSession& session) {
    const StepKind kind = CurrentStep(session).Kind;
    return kind == StepKind::Done || IsCheck(kind) ? AnswerLine(session.Current) : std::string();
}

// "Пример 3 из 8", as its printed sheet numbers it.
std::string NumberText(const PracticeSession& session) {
    const int index = std::max(session.ProblemIndex, 0);
    const int of = std::max(session.VariantProblems, 1);
    if (index < of)
        return "Пример " + Count(index + 1) + " из " + Count(of);
    if (PractisesSet(session))
        return "Пример " + Count(index % of + 1) + " из " + Count(of) + ", ещё раз";
    return "Пример " + Count(index + 1) + ", сверх варианта";
}

PracticeResult Said(PracticeSession& session, std::string_view feedback) {
    session.Feedback = std::string(feedback);
    return {.Announcement = Spoken(feedback)};
}

} // namespace

PracticeSession StartPractice(int level, int variant, const Progress& kept) {
    PracticeSession session;
    session.Level = ClampLevel(level);
    session.Variant = ClampVariant(variant);
    session.Kept = kept;
    SetUpVariant(session);
    return session;
}

PracticeResult SubmitAnswer(PracticeSession& session, std::string_view typed) {
    if (IsSolved(session))
        return Said(session, AlreadySolved);
    const Step& step = CurrentStep(session);
    const Mistake mistake = CheckAnswer(session.Current, step, typed);
    session.LastMistake = mistake;
    if (mistake != Mistake::NotANumber)
        ++session.TriedHere;
    if (Counted(session)) {
        if (const auto group = GroupOf(mistake))
            ++session.Work.Mistakes[static_cast<std::size_t>(*group)];
        if (mistake == Mistake::None && session.TriedHere == 1)
            ++session.Work.FirstTry;
    }
    if (mistake != Mistake::None) {
        if (mistake != Mistake::NotANumber)
            ++session.WrongAnswers;
        session.HintLevel = 0;
        PracticeResult result = Said(session, MistakeText(session.Current, step, mistake, typed));
        result.SelectEntry = true;
        return result;
    }
    const StepKind answered = step.Kind;
    session.Feedback = RightText(session.Current, step);
    ++session.StepIndex;
    session.HintLevel = 0;
    session.DeepestHint = 0;
    session.TriedHere = 0;
    if (IsSolved(session))
        return Solve(session, IsCheck(answered));
    std::string said = Spoken(session.Feedback.substr(std::string_view("Верно!").size()));
    // The answer line is written before the check: it is said as it appears.
    if (IsCheck(CurrentStep(session).Kind) && !IsCheck(answered))
        said += " " + SpokenAnswer(session.Current);
    return {.ClearEntry = true,
            .Announcement = "Верно." + said + " " +
                            Spoken(QuestionText(session.Current, CurrentStep(session)))};
}

PracticeResult AskHint(PracticeSession& session) {
    if (IsSolved(session))
        return Said(session, AlreadySolved);
    session.LastMistake = Mistake::None;
    // The worked step comes only after the pupil has tried it: two clicks are no answer.
    if (session.DeepestHint == MostHints - 1 && session.TriedHere == 0) {
        session.HintLevel = session.DeepestHint;
        PracticeResult result = Said(session, WorkedAfterTrying);
        result.FocusEntry = true;
        return result;
    }
    session.HintLevel = session.DeepestHint = std::min(session.DeepestHint + 1, MostHints);
    // The first level only points to a way of thinking; the rule or the worked step is help.
    if (session.HintLevel >= 2) {
        session.HintTaken = true;
        if (Counted(session))
            ++session.Work.Hints;
    }
    const std::string which = "Подсказка " + Digits(static_cast<std::uint64_t>(session.HintLevel)) +
                              " из " + Digits(MostHints) + ". ";
    const std::string hint = HintText(session.Current, CurrentStep(session), session.HintLevel);
    session.Feedback = which + hint;
    return {.FocusEntry = true, .Announcement = Spoken(session.Feedback)};
}

PracticeResult NextProblem(PracticeSession& session) {
    // The variant's last problem left unsolved ends the variant as solving it would.
    const std::string finished =
        IsLastOfVariant(session) && !session.Finished ? FinishVariant(session).Said + " " : "";
    // An unsolved problem left behind changes neither count.
    if (session.ProblemIndex < std::numeric_limits<int>::max())
        ++session.ProblemIndex;
    SetUpProblem(session);
    PracticeResult result = Introduce(session, finished + "Следующий пример. ");
    result.FocusEntry = true;
    return result;
}

PracticeResult ChooseLevel(PracticeSession& session, int level) {
    if (ClampLevel(level) == session.Level && !PractisesSet(session))
        return {};
    session.Level = ClampLevel(level);
    session.Set.clear();
    SetUpVariant(session);
    return Introduce(session, Spoken(LevelTitle(session.Level)) + ". ");
}

PracticeResult ChooseVariant(PracticeSession& session, std::string_view typed) {
    const auto number = practice_detail::ReadTypedNumber(typed);
    if (!number || number->Value < 1 || number->Value > MostVariant)
        return Said(session, BadVariant);
    if (static_cast<int>(number->Value) == session.Variant && !PractisesSet(session))
        return {};
    session.Variant = static_cast<int>(number->Value);
    session.Set.clear();
    SetUpVariant(session);
    return Introduce(session, "Вариант " + Digits(number->Value) + ". ");
}

PracticeResult MakeSet(PracticeSession& session, std::string_view typed) {
    SetReading reading = ReadProblemSet(typed);
    if (!reading.Good()) {
        session.SetError = SetErrorText(reading);
        return {.Announcement = Spoken(session.SetError)};
    }
    session.SetError.clear();
    session.Set = std::move(reading.Problems);
    SetUpVariant(session);
    PracticeResult result = Introduce(session, std::string(OwnProblemsTitle) + ", примеров " +
                                                   Count(session.VariantProblems) + ". ");
    result.FocusEntry = true;
    return result;
}

PracticeResult ShowCode(PracticeSession& session) {
    session.CodeShown = true;
    session.Feedback =
        "Код для учителя: " + CodeOf(session) + ", " + SolvedOfVariant(session) + ".";
    return {.Announcement = "Код для учителя, " + SpokenCode(CodeOf(session)) + " Решено " +
                            Count(session.Work.Solved) + " из " + Count(session.VariantProblems) +
                            "."};
}

std::vector<Problem> CountedProblems(const PracticeSession& session) {
    std::vector<Problem> problems;
    for (int i = 0; i < session.VariantProblems; ++i)
        problems.push_back(ProblemAt(session, i));
    return problems;
}

PaperSize PracticePaper(const PracticeSession& session) {
    if (!PractisesSet(session))
        return LevelPaper(session.Level);
    LevelDigits most;
    for (const Problem& problem : session.Set) {
        most.Dividend = std::max(most.Dividend, practice_detail::DigitCount(problem.Dividend));
        most.Divisor = std::max(most.Divisor, practice_detail::DigitCount(problem.Divisor));
    }
    return PaperForDigits(most);
}

PracticeView ViewOf(const PracticeSession& session) {
    PracticeView view;
    const Step& step = CurrentStep(session);
    view.Problem = ProblemText(session.Current);
    view.ProblemNumber = NumberText(session);
    view.Question = QuestionText(session.Current, step);
    view.SpokenQuestion = Spoken(view.Question);
    view.Step = StepName(step.Kind);
    view.Feedback = session.Feedback;
    view.Mistake = MistakeName(session.LastMistake);
    view.HintLevel = session.HintLevel;
    view.HintButton = std::string(session.DeepestHint >= MostHints ? NoMoreHints : HintCaption);
    view.Column = ColumnGrid(session.Current, session.Steps, session.StepIndex,
                             HintLights(step, session.HintLevel));
    view.AnswerLine = AnswerSoFar(session);
    const LevelProgress& kept = LevelKept(session);
    view.ProgressLine =
        "Решено на этом уровне: " + Digits(static_cast<std::uint64_t>(kept.Solved)) +
        ". Подряд без подсказки: " + Digits(static_cast<std::uint64_t>(kept.InARow)) + ".";
    view.SuggestNextLevel = SuggestsNextLevel(session);
    if (view.SuggestNextLevel)
        view.ProgressLine += " " + NextLevelText(session);
    if (PractisesSet(session)) {
        view.ProgressLine = std::string(OwnProblemsTitle) + ": " + SolvedOfVariant(session) + ".";
        view.SetText = SetText(session.Set);
    }
    if (session.CodeShown) {
        view.ResultCode = CodeOf(session);
        view.SpokenResultCode = SpokenCode(view.ResultCode);
    }
    view.SetError = session.SetError;
    return view;
}

} // namespace velmorand
