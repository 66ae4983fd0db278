// Prints what the practice window says, for the run under Orca to listen for: "problem" with
// the dividend and divisor of the first problem of a level and variant, then for each answer
// given on the command line, typed one after another, "said" with what a screen reader is
// told and "question" with the question asked after it, and last "row" with each row of the
// column as a screen reader reads it then, and "shown" with the problem as the window shows it.
// An answer "hint" asks for a hint instead, and "code" shows the teacher's code, printed as
// "code" with the code said a character at a time.
// Fields are separated by a tab.
// With --walk, it answers the problem itself: every answer right, except that where a trial
// digit is to be changed it first types the trial digit; "typed" with each answer and "said"
// with what follows it, up to that first changed trial digit (--walk trial) or to the end
// (--walk done).
// Usage: practice_said LEVEL VARIANT [ANSWER...]
//        practice_said LEVEL VARIANT --walk trial|done
#include "practice/session.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

void Answer(velmorand::PracticeSession& session, std::uint32_t typed) {
    std::printf("typed\t%u\n", typed);
    const velmorand::PracticeResult result =
        velmorand::SubmitAnswer(session, std::to_string(typed));
    std::printf("said\t%s\n", result.Announcement.c_str());
}

int Walk(velmorand::PracticeSession& session, std::string_view stop) {
    using velmorand::StepKind;
    std::uint32_t trial = 0;
    while (session.Steps[session.StepIndex].Kind != StepKind::Done) {
        const velmorand::Step step = session.Steps[session.StepIndex];
        if (step.Kind == StepKind::Digit && trial != step.Answer && trial != 0) {
            Answer(session, trial);
            if (stop == "trial")
                return 0;
        }
        trial = step.Kind == StepKind::Trial ? step.Answer : 0;
        Answer(session, step.Answer);
    }
    return stop == "done" ? 0 : 1;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3)
        return 2;
    velmorand::PracticeSession session =
        velmorand::StartPractice(std::atoi(argv[1]), std::atoi(argv[2]), {});
    std::printf("problem\t%u\t%u\n", session.Current.Dividend, session.Current.Divisor);
    std::printf("shown\t%s\n", velmorand::ViewOf(session).Problem.c_str());
    std::printf("question\t%s\n", velmorand::ViewOf(session).Question.c_str());
    const bool walking = argc == 5 && std::string_view(argv[3]) == "--walk";
    if (walking && Walk(session, argv[4]) != 0)
        return 1;
    for (int i = walking ? argc : 3; i < argc; ++i) {
        const std::string_view typed = argv[i];
        const velmorand::PracticeResult result = typed == "hint" ? velmorand::AskHint(session)
                                                 : typed == "code"
                                                     ? velmorand::ShowCode(session)
                                                     : velmorand::SubmitAnswer(session, typed);
        std::printf("said\t%s\n", result.Announcement.c_str());
        std::printf("question\t%s\n", velmorand::ViewOf(session).Question.c_str());
        if (typed == "code")
            std::printf("code\t%s\n", velmorand::ViewOf(session).SpokenResultCode.c_str());
    }
    for (const std::string& row : velmorand::SpokenRows(velmorand::ViewOf(session).Column))
        std::printf("row\t%s\n", row.c_str());
    return 0;
}
