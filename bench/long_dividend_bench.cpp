// Run on pasted dividends of 10 thousand to a million characters that read as small numbers:
// the time per character must stay flat as the dividend grows.
#include "worksheet/worksheet.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

// The three kinds of long text a pupil can paste that still divide.
std::string LeadingZeros(std::size_t length) { return std::string(length - 1, '0') + "1"; }
std::string TrailingSpaces(std::size_t length) { return "1" + std::string(length - 1, ' '); }
std::string Letters(std::size_t length) { return std::string(length, 'x'); }

template <std::string (*MakeDividend)(std::size_t)>
void RunDivisionLongDividend(benchmark::State& state) {
    const auto length = static_cast<std::size_t>(state.range(0));
    velmorand::Worksheet sheet;
    sheet.Dividend = MakeDividend(length);
    sheet.Divisor = "7";
    for (auto _ : state) {
        velmorand::RunDivision(sheet, ".");
        benchmark::DoNotOptimize(sheet);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0)); // characters per second
}

void Lengths(benchmark::internal::Benchmark* b) {
    b->Arg(10'000)->Arg(100'000)->Arg(1'000'000);
    b->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
}

BENCHMARK(RunDivisionLongDividend<LeadingZeros>)->Apply(Lengths);
BENCHMARK(RunDivisionLongDividend<TrailingSpaces>)->Apply(Lengths);
BENCHMARK(RunDivisionLongDividend<Letters>)->Apply(Lengths);

} // namespace

BENCHMARK_MAIN();
