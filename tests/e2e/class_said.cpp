// Prints what the class journal says, for the run under Orca to listen for: "chosen" with what
// a screen reader is told when the variant LEVEL VARIANT is chosen, "code" with the code a pupil
// gets for the work given there, as the practice window makes it, and "added" with what is
// told when NAME and that code are added; then "swapped" with the code with two of its
// neighbours swapped, as a child may copy it, "refused" with what is told when OTHER is added
// with it, and "spelled" with that code and "reason" with why, as the journal's row gives them
// to a screen reader. Fields are separated by a tab.
// Usage: class_said LEVEL VARIANT NAME OTHER SOLVED FIRST_TRY HINTS M1 M2 M3 M4 M5 M6
#include "practice/class_journal.h"
#include "practice/result_code.h"
#include "practice/sheet.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <utility>

int main(int argc, char* argv[]) {
    if (argc != 14) {
        std::fprintf(stderr,
                     "usage: class_said LEVEL VARIANT NAME OTHER SOLVED FIRST_TRY HINTS M1..M6\n");
        return 2;
    }
    const std::string choice = std::string(argv[1]) + " " + argv[2];
    velmorand::ClassJournal journal;
    std::printf("chosen\t%s\n",
                velmorand::ChooseJournalProblems(journal, choice).Announcement.c_str());
    velmorand::WorkDone work{std::atoi(argv[5]), std::atoi(argv[6]), std::atoi(argv[7]), {}};
    for (std::size_t group = 0; group < work.Mistakes.size(); ++group)
        work.Mistakes[group] = std::atoi(argv[8 + group]);
    const auto problems = velmorand::SheetVariantProblems(std::atoi(argv[1]), std::atoi(argv[2]));
    const std::string code = velmorand::ResultCode(problems, velmorand::CodedWork(problems, work));
    std::printf("code\t%s\n", code.c_str());
    std::printf("added\t%s\n", velmorand::AddPupil(journal, argv[3], code).Announcement.c_str());
    // The first two different neighbouring digits swapped: a letter is two bytes in UTF-8.
    std::string swapped = code;
    const auto digit = [](char c) { return c >= '0' && c <= '9'; };
    std::size_t at = 0;
    while (at + 1 < swapped.size() &&
           !(digit(swapped[at]) && digit(swapped[at + 1]) && swapped[at] != swapped[at + 1]))
        ++at;
    if (at + 1 >= swapped.size()) {
        std::fprintf(stderr, "class_said: %s has no two different digits side by side\n",
                     code.c_str());
        return 1;
    }
    std::swap(swapped[at], swapped[at + 1]);
    std::printf("swapped\t%s\n", swapped.c_str());
    std::printf("refused\t%s\n",
                velmorand::AddPupil(journal, argv[4], swapped).Announcement.c_str());
    // The code and the note, the table's last two columns, as a screen reader is given them.
    const auto columns = velmorand::JournalColumns();
    std::printf("spelled\t%s\n", columns[columns.size() - 2].Said(journal.Rows.back()).c_str());
    std::printf("reason\t%s\n", columns.back().Said(journal.Rows.back()).c_str());
    return 0;
}
