// Prints the pages of the printed sheets of the given options and the problems on each, from
// the practice core, for the end-to-end run of "velmorand --sheets" to look for in the PDF.
// The first line is "pages N"; then one line a problem on a page: the page (from 1), its kind
// (problems or answers), its variant, the problem's number, the dividend, the divisor and the
// key's line, separated by tabs.
// Usage: sheet_problems LEVEL VARIANT VARIANTS PROBLEMS ANSWERS(0|1) LARGE(0|1) [SET]
//   SET: the teacher's problems, as "--set" takes them
#include "practice/problem_set.h"
#include "practice/sheet.h"

#include <cstdio>
#include <cstdlib>

int main(int argc, char* argv[]) {
    if (argc != 7 && argc != 8) {
        std::fprintf(stderr,
                     "usage: sheet_problems LEVEL VARIANT VARIANTS PROBLEMS ANSWERS LARGE [SET]\n");
        return 2;
    }
    const std::vector<velmorand::PrintedPage> pages = velmorand::MakePrintedSheets(
        {.Level = std::atoi(argv[1]),
         .Variant = std::atoi(argv[2]),
         .Variants = std::atoi(argv[3]),
         .Problems = std::atoi(argv[4]),
         .Answers = std::atoi(argv[5]) != 0,
         .Large = std::atoi(argv[6]) != 0,
         .Set = velmorand::ReadProblemSet(argc == 8 ? argv[7] : "").Problems});
    std::printf("pages %zu\n", pages.size());
    for (std::size_t i = 0; i < pages.size(); ++i) {
        const bool key = pages[i].Kind == velmorand::PrintedPageKind::Answers;
        for (const velmorand::PrintedProblem& placed : pages[i].Problems)
            std::printf("%zu\t%s\t%d\t%d\t%u\t%u\t%s\n", i + 1, key ? "answers" : "problems",
                        pages[i].Variant, placed.Number, placed.Problem.Dividend,
                        placed.Problem.Divisor, velmorand::PrintedAnswer(placed.Problem).c_str());
    }
    return 0;
}
