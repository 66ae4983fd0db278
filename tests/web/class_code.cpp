// Prints the code a pupil gets for the work given on a level's variant, as the practice core
// makes it, and the work the code says, for the class journal's page test to type and expect.
// Usage: class_code LEVEL VARIANT SOLVED FIRST_TRY HINTS M1 M2 M3 M4 M5 M6
// Prints: the code, then "solved first-try hints m1,m2,m3,m4,m5,m6".
#include "practice/result_code.h"
#include "practice/sheet.h"

#include <cstdio>
#include <cstdlib>

int main(int argc, char* argv[]) {
    if (argc != 12) {
        std::fprintf(stderr, "usage: class_code LEVEL VARIANT SOLVED FIRST_TRY HINTS M1..M6\n");
        return 2;
    }
    const auto problems = velmorand::SheetVariantProblems(std::atoi(argv[1]), std::atoi(argv[2]));
    velmorand::WorkDone work{std::atoi(argv[3]), std::atoi(argv[4]), std::atoi(argv[5]), {}};
    for (std::size_t group = 0; group < work.Mistakes.size(); ++group)
        work.Mistakes[group] = std::atoi(argv[6 + group]);
    work = velmorand::CodedWork(problems, work);
    std::printf("%s\n%d %d %d ", velmorand::ResultCode(problems, work).c_str(), work.Solved,
                work.FirstTry, work.Hints);
    for (std::size_t group = 0; group < work.Mistakes.size(); ++group)
        std::printf(group == 0 ? "%d" : ",%d", work.Mistakes[group]);
    std::printf("\n");
    return 0;
}
