// The teacher's journal reading a class: 40 pupils' codes for a variant of level 10, the
// longest problems, each read as she pastes the class's list, and the table's totals, chart
// and spreadsheet made from it. And a pupil's code written at the end of a variant. Report
// the median of the runs.
#include "practice/class_journal.h"
#include "practice/sheet.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

constexpr int ClassSize = 40;

std::string ClassList(const std::vector<velmorand::Problem>& problems) {
    std::string list;
    for (int pupil = 0; pupil < ClassSize; ++pupil) {
        velmorand::WorkDone work{pupil % 7, pupil * 3, pupil % 4, {}};
        work.Mistakes[static_cast<std::size_t>(pupil % 6)] = pupil % 5;
        list += "Ученик " + std::string(1, static_cast<char>('A' + pupil % 26)) +
                std::to_string(pupil) + " " + velmorand::ResultCode(problems, work) + "\n";
    }
    return list;
}

void ReadClassOf40Codes(benchmark::State& state) {
    velmorand::ClassJournal empty;
    velmorand::ChooseJournalProblems(empty, "10 42");
    const std::string list = ClassList(empty.Problems.Problems);
    for (auto _ : state) {
        velmorand::ClassJournal journal = empty;
        velmorand::AddPupil(journal, list, "");
        benchmark::DoNotOptimize(velmorand::TotalsOf(journal));
        benchmark::DoNotOptimize(velmorand::JournalCsv(journal));
    }
}

BENCHMARK(ReadClassOf40Codes)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

void WriteResultCode(benchmark::State& state) {
    const std::vector<velmorand::Problem> problems = velmorand::SheetVariantProblems(10, 42);
    for (auto _ : state)
        benchmark::DoNotOptimize(velmorand::ResultCode(problems, {6, 120, 3, {1, 2, 0, 0, 1, 0}}));
}

BENCHMARK(WriteResultCode)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

} // namespace

BENCHMARK_MAIN();
