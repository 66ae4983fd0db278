#include "steps.h"

#include "method.h"
#include "numbers.h"

#include <string>

namespace velmorand {

std::string_view StepName(StepKind kind) {
    static constexpr std::string_view Names[] = {
        "first", "count",    "round",     "trial",         "digit",     "product", "difference",
        "bring", "quotient", "remainder", "check-product", "check-sum", "done",
    };
    const auto index = static_cast<std::size_t>(kind);
    return index < std::size(Names) ? Names[index] : std::string_view{};
}

namespace {

// The steps of one quotient digit, from its partial dividend; the remainder it leaves. A
// divisor that needs a trial digit has it estimated first, wherever the digit is not 0.
std::uint32_t AddDigitSteps(std::vector<Step>& steps, std::uint32_t partial, std::uint32_t b,
                            int digit, int column) {
    const std::uint32_t d = partial / b;
    if (NeedsTrialDigit(b) && partial >= b)
        steps.push_back({StepKind::Trial, TrialDigit(partial, b), partial, digit, column});
    steps.push_back({StepKind::Digit, d, partial, digit, column});
    if (d == 0)
        return partial;
    const std::uint32_t product = d * b;
    steps.push_back({StepKind::Product, product, partial, digit, column});
    steps.push_back({StepKind::Difference, partial - product, partial, digit, column});
    return partial - product;
}

// A dividend smaller than the divisor has no partial dividend and a quotient of 0; a
// divisor of 0 divides nothing. Neither is ever generated, but a Problem is plain data.
std::vector<Step> StepsWithoutColumn(const Problem& problem) {
    std::vector<Step> steps;
    if (problem.Divisor != 0) {
        steps.push_back({.Kind = StepKind::Quotient, .Answer = 0});
        if (problem.Dividend != 0)
            steps.push_back({.Kind = StepKind::Remainder, .Answer = problem.Dividend});
    }
    steps.push_back({});
    return steps;
}

} // namespace

std::vector<Step> SolutionSteps(const Problem& problem) {
    const std::uint32_t b = problem.Divisor;
    if (b == 0 || problem.Dividend < b)
        return StepsWithoutColumn(problem);
    const std::string a = practice_detail::Digits(problem.Dividend);
    const int n = static_cast<int>(a.size());
    auto digitAt = [&](int column) { return static_cast<std::uint32_t>(a[column] - '0'); };

    int column = 0;
    std::uint32_t partial = digitAt(0);
    while (partial < b) // a >= b, so this stops within a's digits
        partial = partial * 10 + digitAt(++column);
    const int count = n - column;
    std::vector<Step> steps;
    steps.push_back({.Kind = StepKind::First, .Answer = partial});
    steps.push_back({.Kind = StepKind::Count, .Answer = static_cast<std::uint32_t>(count)});
    if (NeedsTrialDigit(b))
        steps.push_back({.Kind = StepKind::Round, .Answer = RoundedDivisor(b)});
    std::uint32_t left = 0;
    for (int digit = 0; digit < count; ++digit) {
        left = AddDigitSteps(steps, partial, b, digit, column);
        if (column + 1 == n)
            break;
        ++column;
        partial = left * 10 + digitAt(column);
        // The bring makes the partial dividend of the next digit, and reaches the column of
        // the digit it brings down.
        steps.push_back({StepKind::Bring, partial, partial, digit + 1, column});
    }
    steps.push_back({.Kind = StepKind::Quotient, .Answer = problem.Dividend / b});
    if (left != 0)
        steps.push_back({.Kind = StepKind::Remainder, .Answer = left});
    if (ChecksByMultiplying(b)) {
        const std::uint32_t product = problem.Dividend / b * b;
        steps.push_back({.Kind = StepKind::CheckProduct, .Answer = product});
        if (left != 0)
            steps.push_back({.Kind = StepKind::CheckSum, .Answer = problem.Dividend});
    }
    steps.push_back({});
    return steps;
}

} // namespace velmorand
