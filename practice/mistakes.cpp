#include "mistakes.h"

#include "numbers.h"

#include <string>

namespace velmorand {

using practice_detail::ReadTypedNumber;
using practice_detail::TypedNumber;

std::string_view MistakeName(Mistake mistake) {
    static constexpr std::string_view Names[] = {
        "",      "not-a-number",  "first-too-small", "first-too-long", "first",
        "count", "digit-too-big", "digit-too-small", "product",        "difference",
        "bring", "zero-missing",  "quotient",        "remainder",
    };
    const auto index = static_cast<std::size_t>(mistake);
    return index < std::size(Names) ? Names[index] : std::string_view{};
}

namespace {

Mistake CheckFirst(const Problem& problem, const Step& step, const TypedNumber& typed) {
    const std::string a = practice_detail::Digits(problem.Dividend);
    // Only a's own first digits, as written, are a beginning of a: "07" is not.
    if (!a.starts_with(typed.Digits))
        return Mistake::First;
    if (typed.Value < problem.Divisor)
        return Mistake::FirstTooSmall;
    return typed.Value > step.Answer ? Mistake::FirstTooLong : Mistake::First;
}

// Every wrong digit either takes more than the partial dividend (d · b > P, that is
// d > P / b in whole numbers, which cannot overflow) or leaves a remainder that is not
// smaller than the divisor.
Mistake CheckDigit(const Problem& problem, const Step& step, const TypedNumber& typed) {
    const std::uint32_t b = problem.Divisor;
    return b != 0 && typed.Value > step.Partial / b ? Mistake::DigitTooBig : Mistake::DigitTooSmall;
}

std::uint64_t WithoutZeros(std::uint64_t value) {
    std::string digits = practice_detail::Digits(value);
    std::erase(digits, '0');
    std::uint64_t result = 0;
    for (const char c : digits)
        result = result * 10 + static_cast<std::uint64_t>(c - '0');
    return result;
}

Mistake CheckQuotient(const Step& step, const TypedNumber& typed) {
    const std::uint64_t shortened = WithoutZeros(step.Answer);
    if (shortened != step.Answer && typed.Value == shortened)
        return Mistake::ZeroMissing;
    return Mistake::Quotient;
}

Mistake WrongAnswer(const Problem& problem, const Step& step, const TypedNumber& typed) {
    switch (step.Kind) {
    case StepKind::First:
        return CheckFirst(problem, step, typed);
    case StepKind::Count:
        return Mistake::Count;
    case StepKind::Digit:
        return CheckDigit(problem, step, typed);
    case StepKind::Product:
        return Mistake::Product;
    case StepKind::Difference:
        return Mistake::Difference;
    case StepKind::Bring:
        return Mistake::Bring;
    case StepKind::Quotient:
        return CheckQuotient(step, typed);
    case StepKind::Remainder:
        return Mistake::Remainder;
    case StepKind::Round:
    case StepKind::Trial:
    case StepKind::CheckProduct:
    case StepKind::CheckSum:
    case StepKind::Done:
        break;
    }
    return Mistake::None;
}

} // namespace

Mistake CheckAnswer(const Problem& problem, const Step& step, std::string_view typed) {
    // Once the problem is solved there is no question left, so nothing typed is wrong.
    if (step.Kind == StepKind::Done)
        return Mistake::None;
    const auto number = ReadTypedNumber(typed);
    if (!number)
        return Mistake::NotANumber;
    if (number->Value == step.Answer)
        return Mistake::None;
    return WrongAnswer(problem, step, *number);
}

} // namespace velmorand
