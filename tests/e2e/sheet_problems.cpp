// Prints the problems the worksheets of the given options hold, from the practice core, for
// the end-to-end run of "velmorand --sheets" to look for in the PDF. One line a problem:
// its page (from 1), the key's page (0 when there is none), its number, the dividend, the
// divisor and the key's line, separated by tabs.
// Usage: sheet_problems LEVEL VARIANT VARIANTS PROBLEMS ANSWERS(0|1) LARGE(0|1)
#include "practice/sheet.h"

#include <cstdio>
#include <cstdlib>

int main(int argc, char* argv[]) {
    if (argc != 7) {
        std::fprintf(stderr,
                     "usage: sheet_problems LEVEL VARIANT VARIANTS PROBLEMS ANSWERS LARGE\n");
        return 2;
    }
    const velmorand::SheetOptions options =
        velmorand::ClampSheetOptions({.Level = std::atoi(argv[1]),
                                      .Variant = std::atoi(argv[2]),
                                      .Variants = std::atoi(argv[3]),
                                      .Problems = std::atoi(argv[4]),
                                      .Answers = std::atoi(argv[5]) != 0,
                                      .Large = std::atoi(argv[6]) != 0});
    const int pagesPerVariant = options.Answers ? 2 : 1;
    for (int i = 0; i < options.Variants; ++i) {
        const int variant = velmorand::SheetVariant(options.Variant, i);
        const int page = 1 + i * pagesPerVariant;
        for (const velmorand::SheetProblem& placed :
             velmorand::PlaceSheetProblems(options, variant))
            std::printf("%d\t%d\t%d\t%u\t%u\t%s\n", page, options.Answers ? page + 1 : 0,
                        placed.Number, placed.Problem.Dividend, placed.Problem.Divisor,
                        velmorand::SheetAnswer(placed.Problem).c_str());
    }
    return 0;
}
