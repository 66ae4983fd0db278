// A whole practice problem per level: drawn by StartPractice and every step answered right
// through SubmitAnswer, as a pupil who makes no mistake would. Report the median of the runs.
#include "practice/session.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

void SolveWholeProblem(benchmark::State& state) {
    const int level = static_cast<int>(state.range(0));
    int variant = 1;
    for (auto _ : state) {
        // A different variant each run, so that the figure is over many problems.
        velmorand::PracticeSession session = velmorand::StartPractice(level, variant, {});
        while (session.Steps[session.StepIndex].Kind != velmorand::StepKind::Done) {
            const std::string typed = std::to_string(session.Steps[session.StepIndex].Answer);
            benchmark::DoNotOptimize(velmorand::SubmitAnswer(session, typed));
        }
        benchmark::DoNotOptimize(session);
        variant = variant % 1000 + 1;
    }
}

BENCHMARK(SolveWholeProblem)
    ->DenseRange(1, velmorand::LevelCount)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

} // namespace

BENCHMARK_MAIN();
