// How long the Run button's work takes, beside the floor of writing the same numbers with
// std::to_chars alone.
#include "worksheet/conversions.h"
#include "worksheet/worksheet.h"

#include <benchmark/benchmark.h>

#include <array>
#include <charconv>
#include <random>
#include <string>
#include <vector>

namespace {

using velmorand::Worksheet;

Worksheet SheetWith(std::string dividend, std::string divisor) {
    Worksheet sheet;
    sheet.Dividend = std::move(dividend);
    sheet.Divisor = std::move(divisor);
    return sheet;
}

std::vector<Worksheet> RandomSheets() {
    std::mt19937 random(7);
    std::uniform_int_distribution<int> dividend(100000, 999999);
    std::uniform_int_distribution<int> divisor(1, 999);
    std::vector<Worksheet> sheets;
    for (int i = 0; i < 1024; ++i)
        sheets.push_back(
            SheetWith(std::to_string(dividend(random)), std::to_string(divisor(random))));
    return sheets;
}

// The numbers a finished run shows: the dividend's length and every field it filled.
std::vector<double> NumbersShown(Worksheet sheet) {
    velmorand::RunDivision(sheet, ".");
    std::vector<double> numbers{static_cast<double>(sheet.Dividend.size())};
    for (const velmorand::WorksheetField field : velmorand::NumberFields()) {
        const std::string& text = velmorand::FieldText(sheet, field);
        if (field != velmorand::WorksheetField::Dividend &&
            field != velmorand::WorksheetField::Divisor && !text.empty())
            numbers.push_back(velmorand::TextToNumber(text));
    }
    return numbers;
}

void RunDivisionStartInputs(benchmark::State& state) {
    Worksheet sheet;
    for (auto _ : state) {
        velmorand::RunDivision(sheet, ".");
        benchmark::DoNotOptimize(sheet);
    }
}
BENCHMARK(RunDivisionStartInputs);

void RunDivisionRandomSixDigits(benchmark::State& state) {
    std::vector<Worksheet> sheets = RandomSheets();
    std::size_t next = 0;
    for (auto _ : state) {
        velmorand::RunDivision(sheets[next], ".");
        benchmark::DoNotOptimize(sheets[next]);
        next = (next + 1) % sheets.size();
    }
}
BENCHMARK(RunDivisionRandomSixDigits);

void WriteWithToChars(benchmark::State& state, const std::vector<std::vector<double>>& runs) {
    std::array<char, 32> buffer{};
    std::size_t next = 0;
    for (auto _ : state) {
        for (const double number : runs[next]) {
            auto written = std::to_chars(buffer.data(), buffer.data() + buffer.size(), number);
            benchmark::DoNotOptimize(written);
        }
        benchmark::ClobberMemory();
        next = (next + 1) % runs.size();
    }
}

void ToCharsFloorStartInputs(benchmark::State& state) {
    WriteWithToChars(state, {NumbersShown(Worksheet{})});
}
BENCHMARK(ToCharsFloorStartInputs);

void ToCharsFloorRandomSixDigits(benchmark::State& state) {
    std::vector<std::vector<double>> runs;
    for (const Worksheet& sheet : RandomSheets())
        runs.push_back(NumbersShown(sheet));
    WriteWithToChars(state, runs);
}
BENCHMARK(ToCharsFloorRandomSixDigits);

} // namespace

BENCHMARK_MAIN();
