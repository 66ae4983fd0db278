// Drawing a problem per level, alone: the levels whose rule few dividends meet draw the most;
// a whole practice problem per level: drawn by StartPractice and every step answered right
// through SubmitAnswer, as a pupil who makes no mistake would; and what a front end asks after
// each answer: the view with the column's shapes, and the arrangement for a window's new size.
// Report the median of the runs.
#include "practice/column_shapes.h"
#include "practice/problems.h"
#include "practice/session.h"
#include "window/practice_arrangement.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

void GenerateProblems(benchmark::State& state) {
    const int level = static_cast<int>(state.range(0));
    int index = 0;
    for (auto _ : state) {
        // Over many problems of many variants, as a class working through its own would.
        benchmark::DoNotOptimize(velmorand::GenerateProblem(level, index / 8 + 1, index % 8));
        index = (index + 1) % 80000;
    }
}

BENCHMARK(GenerateProblems)
    ->DenseRange(1, velmorand::LevelCount)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

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

// The view of the longest level's problem half solved, and its column as shapes.
void ViewAndShapes(benchmark::State& state) {
    velmorand::PracticeSession session = velmorand::StartPractice(velmorand::LevelCount, 7, {});
    for (std::size_t i = 0; i < session.Steps.size() / 2; ++i)
        velmorand::SubmitAnswer(session, std::to_string(session.Steps[session.StepIndex].Answer));
    for (auto _ : state) {
        const velmorand::PracticeView view = velmorand::ViewOf(session);
        benchmark::DoNotOptimize(velmorand::ColumnShapes(view.Column));
    }
}
BENCHMARK(ViewAndShapes)->Unit(benchmark::kMicrosecond)->Repetitions(9)->ReportAggregatesOnly(true);

void Arrange(benchmark::State& state) {
    int width = 360;
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            velmorand::ArrangePractice(width, 700, velmorand::LevelPaper(velmorand::LevelCount)));
        width = width >= 3840 ? 360 : width + 37;
    }
}
BENCHMARK(Arrange)->Unit(benchmark::kMicrosecond)->Repetitions(9)->ReportAggregatesOnly(true);

} // namespace

BENCHMARK_MAIN();
