#include "mistakes.h"

#include "numbers.h"

#include <optional>
#include <string>

namespace velmorand {

using practice_detail::ReadTypedNumber;
using practice_detail::TypedNumber;

std::string_view MistakeName(Mistake mistake) {
    static constexpr std::string_view Names[] = {
        "",
        "not-a-number",
        "first-too-small",
        "first-too-long",
        "first",
        "count",
        "count-dividend",
        "round",
        "trial",
        "one-digit",
        "digit-too-big",
        "digit-too-small",
        "product",
        "difference",
        "bring",
        "bring-forgot",
        "bring-wrong",
        "zero-skipped",
        "zero-missing",
        "quotient",
        "remainder-too-big",
        "remainder",
        "check-product",
        "check-sum",
    };
    const auto index = static_cast<std::size_t>(mistake);
    return index < std::size(Names) ? Names[index] : std::string_view{};
}

namespace {

// A beginning of a is read by its value: "07" is 7, which a = 7240 begins with.
Mistake CheckFirst(const Problem& problem, const Step& step, const TypedNumber& typed) {
    const std::string a = practice_detail::Digits(problem.Dividend);
    if (!a.starts_with(practice_detail::Digits(typed.Value)))
        return Mistake::First;
    if (typed.Value < problem.Divisor)
        return Mistake::FirstTooSmall;
    return typed.Value > step.Answer ? Mistake::FirstTooLong : Mistake::First;
}

Mistake CheckCount(const Problem& problem, const TypedNumber& typed) {
    const auto dividendDigits =
        static_cast<std::uint64_t>(practice_detail::DigitCount(problem.Dividend));
    return typed.Value == dividendDigits ? Mistake::CountDividend : Mistake::Count;
}

// Every wrong digit either takes more than the partial dividend (d · b > P, that is
// d > P / b in whole numbers, which cannot overflow) or leaves a remainder that is not
// smaller than the divisor.
Mistake CheckDigit(const Problem& problem, const Step& step, const TypedNumber& typed) {
    if (typed.Value > 9)
        return Mistake::OneDigit;
    const std::uint32_t b = problem.Divisor;
    return b != 0 && typed.Value > step.Partial / b ? Mistake::DigitTooBig : Mistake::DigitTooSmall;
}

// The partial dividend made by bringing down `count` digits of a at once, from the column the
// bring reaches; nullopt past a's last digit.
std::optional<std::uint64_t> BroughtDown(const Problem& problem, const Step& step, int count) {
    const std::string a = practice_detail::Digits(problem.Dividend);
    if (step.LastColumn < 0 || step.LastColumn + count > static_cast<int>(a.size()))
        return std::nullopt;
    std::uint64_t value = step.Answer / 10; // the difference the digits join
    for (int i = 0; i < count; ++i)
        value = value * 10 + static_cast<std::uint64_t>(a[step.LastColumn + i] - '0');
    return value;
}

Mistake CheckBring(const Problem& problem, const Step& step, const TypedNumber& typed) {
    const std::uint64_t difference = step.Answer / 10;
    if (step.Answer < problem.Divisor)
        for (int count = 2; const auto brought = BroughtDown(problem, step, count); ++count)
            if (*brought == typed.Value)
                return Mistake::ZeroSkipped;
    if (typed.Value == difference)
        return Mistake::BringForgot;
    if (typed.Value / 10 == difference)
        return Mistake::BringWrong;
    return Mistake::Bring;
}

// Whether the typed quotient is the right one with one or more of its zeros left out.
bool ZerosLeftOut(std::uint64_t answer, std::uint64_t typed) {
    const std::string right = practice_detail::Digits(answer);
    const std::string shortened = practice_detail::Digits(typed);
    if (shortened.size() >= right.size())
        return false;
    std::size_t at = 0;
    for (const char c : right) {
        if (at < shortened.size() && shortened[at] == c)
            ++at;
        else if (c != '0')
            return false;
    }
    return at == shortened.size();
}

Mistake CheckQuotient(const Step& step, const TypedNumber& typed) {
    return ZerosLeftOut(step.Answer, typed.Value) ? Mistake::ZeroMissing : Mistake::Quotient;
}

Mistake WrongAnswer(const Problem& problem, const Step& step, const TypedNumber& typed) {
    switch (step.Kind) {
    case StepKind::First:
        return CheckFirst(problem, step, typed);
    case StepKind::Count:
        return CheckCount(problem, typed);
    case StepKind::Round:
        return Mistake::Round;
    case StepKind::Trial:
        return typed.Value > 9 ? Mistake::OneDigit : Mistake::Trial;
    case StepKind::Digit:
        return CheckDigit(problem, step, typed);
    case StepKind::Product:
        return Mistake::Product;
    case StepKind::Difference:
        return Mistake::Difference;
    case StepKind::Bring:
        return CheckBring(problem, step, typed);
    case StepKind::Quotient:
        return CheckQuotient(step, typed);
    case StepKind::Remainder:
        return typed.Value >= problem.Divisor ? Mistake::RemainderTooBig : Mistake::Remainder;
    case StepKind::CheckProduct:
        return Mistake::CheckProduct;
    case StepKind::CheckSum:
        return Mistake::CheckSum;
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
