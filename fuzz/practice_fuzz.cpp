// Arbitrary bytes as stored progress, and as a pupil's answers, hints and choices in the
// practice window, in any order. The session must stay sane whatever is typed or stored.
#include "practice/progress.h"
#include "practice/session.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

using namespace velmorand;

constexpr std::size_t MostTypedCharacters = 4096;

void Require(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "practice broken: %s\n", what);
        std::abort();
    }
}

void CheckProgress(const Progress& progress) {
    for (const LevelProgress& level : progress.Levels)
        Require(level.Solved >= 0 && level.InARow >= 0 && level.InARow <= level.Solved,
                "counts out of range");
    Require(ProgressFromText(ProgressText(progress)) == progress, "progress does not read back");
}

void CheckSession(const PracticeSession& session) {
    Require(session.Level >= 1 && session.Level <= LevelCount, "level out of range");
    Require(session.Variant >= 1 && session.Variant <= MostVariant, "variant out of range");
    const Problem expected =
        session.Set.empty()
            ? GenerateProblem(session.Level, session.Variant, session.ProblemIndex)
            : session.Set[static_cast<std::size_t>(session.ProblemIndex) % session.Set.size()];
    Require(session.Current == expected, "problem not the variant's or the set's");
    const std::vector<Problem> counted = CountedProblems(session);
    const CodeReading code = ReadResultCode(counted, ResultCode(counted, session.Work));
    Require(code.Fault == CodeFault::None && code.Work == CodedWork(counted, session.Work),
            "the code does not read back");
    Require(session.Steps == SolutionSteps(session.Current), "steps not the problem's");
    Require(session.StepIndex < session.Steps.size(), "step past the end");
    Require(session.HintLevel >= 0 && session.HintLevel <= 3, "hint level out of range");
    const PracticeView view = ViewOf(session);
    Require(!view.Question.empty() && !view.Problem.empty(), "empty view");
    for (const GridCell& cell : view.Column.Cells)
        Require(cell.Row >= 0 && cell.Row < view.Column.Rows && cell.Column >= 0 &&
                    cell.Column < view.Column.Columns,
                "cell off the paper");
    SpokenRows(view.Column);
    CheckProgress(session.Kept);
}

void Submit(PracticeSession& session, const std::string& typed) {
    const std::size_t before = session.StepIndex;
    const Step step = session.Steps[before];
    const Mistake mistake = CheckAnswer(session.Current, step, typed);
    const PracticeResult result = SubmitAnswer(session, typed);
    Require(!result.Announcement.empty(), "nothing said");
    if (step.Kind == StepKind::Done)
        Require(session.StepIndex == before && !result.ProgressChanged, "solved twice");
    else if (mistake == Mistake::None)
        Require(session.StepIndex == before + 1, "right answer not taken");
    else
        Require(session.StepIndex == before && session.LastMistake == mistake,
                "wrong answer taken");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const Progress kept = ProgressFromText(input.ConsumeRandomLengthString(MostTypedCharacters));
    CheckProgress(kept);
    PracticeSession session =
        StartPractice(input.ConsumeIntegral<int>(), input.ConsumeIntegral<int>(), kept);
    CheckSession(session);
    while (input.remaining_bytes() > 0) {
        switch (input.ConsumeIntegralInRange<int>(0, 8)) {
        case 0:
            Submit(session, input.ConsumeRandomLengthString(MostTypedCharacters));
            break;
        case 1:
        case 2: // the right answer, so that problems get solved
            Submit(session, std::to_string(session.Steps[session.StepIndex].Answer));
            break;
        case 3:
            AskHint(session);
            break;
        case 4:
            NextProblem(session);
            break;
        case 5:
            ChooseLevel(session, input.ConsumeIntegral<int>());
            break;
        case 6:
            ChooseVariant(session, input.ConsumeRandomLengthString(64));
            break;
        case 7:
            MakeSet(session, input.ConsumeRandomLengthString(MostTypedCharacters));
            break;
        case 8:
            ShowCode(session);
            break;
        }
        CheckSession(session);
    }
    return 0;
}
