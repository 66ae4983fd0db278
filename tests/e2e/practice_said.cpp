// Prints what the practice window says, for the run under Orca to listen for: "problem" with
// the dividend and divisor of the first problem of a level and variant, then for each answer
// given on the command line, typed one after another, "said" with what a screen reader is
// told and "question" with the question asked after it, and last "row" with each row of the
// column as a screen reader reads it then, and "shown" with the problem as the window shows it.
// Fields are separated by a tab.
// Usage: practice_said LEVEL VARIANT [ANSWER...]
#include "practice/session.h"

#include <cstdio>
#include <cstdlib>
#include <string>

int main(int argc, char** argv) {
    if (argc < 3)
        return 2;
    velmorand::PracticeSession session =
        velmorand::StartPractice(std::atoi(argv[1]), std::atoi(argv[2]), {});
    std::printf("problem\t%u\t%u\n", session.Current.Dividend, session.Current.Divisor);
    std::printf("shown\t%s\n", velmorand::ViewOf(session).Problem.c_str());
    std::printf("question\t%s\n", velmorand::ViewOf(session).Question.c_str());
    for (int i = 3; i < argc; ++i) {
        const velmorand::PracticeResult result = velmorand::SubmitAnswer(session, argv[i]);
        std::printf("said\t%s\n", result.Announcement.c_str());
        std::printf("question\t%s\n", velmorand::ViewOf(session).Question.c_str());
    }
    for (const std::string& row : velmorand::SpokenRows(velmorand::ViewOf(session).Column))
        std::printf("row\t%s\n", row.c_str());
    return 0;
}
