// Arbitrary bytes as the teacher's set, as a code typed into the journal, as a pupil's name and
// as the journal's stored text. Nothing may crash, and what is read must read back the same.
#include "practice/class_journal.h"
#include "practice/problem_set.h"
#include "practice/result_code.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

using namespace velmorand;

constexpr std::size_t MostTyped = 8192;

void Require(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "teacher's side broken: %s\n", what);
        std::abort();
    }
}

std::vector<Problem> CheckSet(const std::string& typed) {
    const SetReading read = ReadProblemSet(typed);
    Require(read.Good() != read.Problems.empty(), "a set both made and refused");
    Require(read.Problems.size() <= static_cast<std::size_t>(MostSetProblems), "set too long");
    for (const Problem& problem : read.Problems)
        Require(problem.Divisor >= LeastSetDivisor && problem.Divisor <= MostSetDivisor &&
                    problem.Dividend >= problem.Divisor && problem.Dividend <= 999999,
                "a problem the method does not allow");
    if (read.Good())
        Require(ReadProblemSet(SetText(read.Problems)).Problems == read.Problems,
                "the set does not read back");
    return read.Problems;
}

void CheckCode(const std::vector<Problem>& problems, const std::string& typed) {
    const CodeReading read = ReadResultCode(problems, typed);
    Require((read.Fault == CodeFault::None) == read.Message.empty(), "a fault without a message");
    if (read.Fault == CodeFault::None)
        Require(ReadResultCode(problems, ResultCode(problems, read.Work)).Work == read.Work,
                "a code read does not write back");
}

void CheckJournal(const ClassJournal& journal) {
    Require(journal.Rows.size() <= static_cast<std::size_t>(MostPupils), "too many pupils");
    const std::string kept = JournalStoreText(journal);
    const ClassJournal back = JournalFromStoreText(kept);
    if (!journal.Problems.Problems.empty())
        Require(back.Rows.size() == journal.Rows.size(), "the journal does not read back");
    const std::string csv = JournalCsv(journal);
    Require(csv.starts_with("\xEF\xBB\xBF"), "the spreadsheet lost its mark");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const std::vector<Problem> set = CheckSet(input.ConsumeRandomLengthString(MostTyped));
    CheckCode(set.empty() ? ReadProblemSet("7240:8,648:6").Problems : set,
              input.ConsumeRandomLengthString(64));
    ClassJournal journal = JournalFromStoreText(input.ConsumeRandomLengthString(MostTyped));
    CheckJournal(journal);
    while (input.remaining_bytes() > 0) {
        if (input.ConsumeBool())
            ChooseJournalProblems(journal, input.ConsumeRandomLengthString(256));
        const std::string name = input.ConsumeRandomLengthString(MostTyped);
        AddPupil(journal, name, input.ConsumeRandomLengthString(64));
        CheckJournal(journal);
    }
    return 0;
}
