#include "texts.h"

#include "numbers.h"

#include <algorithm>

namespace velmorand {

using practice_detail::Digits;
using practice_detail::DigitsPhrase;

namespace {

constexpr std::string_view Times = " · ";
constexpr std::string_view Minus = " \xE2\x88\x92 "; // U+2212, the sign of subtraction

std::string N(std::uint64_t value) { return Digits(value); }

// The numbers a step works with, worked out once for every text about it.
struct StepNumbers {
    std::uint64_t A = 0;       // the dividend
    std::uint64_t B = 0;       // the divisor
    std::uint64_t Partial = 0; // the partial dividend
    std::uint64_t Digit = 0;   // the quotient digit it gives
    std::uint64_t Product = 0;
    std::uint64_t Left = 0;  // the partial dividend less the product
    std::uint64_t First = 0; // the first partial dividend
};

StepNumbers NumbersOf(const Problem& problem, const Step& step) {
    StepNumbers n{.A = problem.Dividend, .B = problem.Divisor, .Partial = step.Partial};
    if (n.B != 0)
        n.Digit = n.Partial / n.B;
    n.Product = n.Digit * n.B;
    n.Left = n.Partial - n.Product;
    n.First = practice_detail::FirstPartial(problem.Dividend, problem.Divisor);
    return n;
}

std::string Formula(std::uint64_t x, std::string_view sign, std::uint64_t y, std::uint64_t z) {
    return N(x) + std::string(sign) + N(y) + " = " + N(z);
}

// ---- questions ----

std::string Question(const StepNumbers& n, StepKind kind) {
    switch (kind) {
    case StepKind::First:
        return "Какое первое неполное делимое?";
    case StepKind::Count:
        return "Сколько цифр будет в частном?";
    case StepKind::Digit:
        return "Сколько раз " + N(n.B) + " содержится в " + N(n.Partial) + "?";
    case StepKind::Product:
        return "Сколько будет " + N(n.Digit) + std::string(Times) + N(n.B) + "?";
    case StepKind::Difference:
        return "Сколько будет " + N(n.Partial) + std::string(Minus) + N(n.Product) + "?";
    case StepKind::Bring:
        return "Снеси следующую цифру. Какое теперь неполное делимое?";
    case StepKind::Quotient:
        return "Запиши ответ. Чему равно частное?";
    case StepKind::Remainder:
        return "Чему равен остаток?";
    case StepKind::Round:
    case StepKind::Trial:
    case StepKind::CheckProduct:
    case StepKind::CheckSum:
    case StepKind::Done:
        break;
    }
    return "Пример решён. Нажми «Следующий пример».";
}

// ---- what is wrong ----

std::string FirstMistake(const StepNumbers& n, Mistake mistake, std::uint64_t typed) {
    switch (mistake) {
    case Mistake::FirstTooSmall:
        return N(typed) + " меньше " + N(n.B) + ", на " + N(n.B) +
               " его не разделить. Возьми ещё цифру.";
    case Mistake::FirstTooLong:
        return "В " + N(typed) +
               " лишние цифры. Возьми самое короткое начало делимого, "
               "которое не меньше " +
               N(n.B) + ".";
    default:
        return N(typed) + " не начало делимого " + N(n.A) +
               ". Неполное делимое берут из первых цифр делимого.";
    }
}

std::string DigitMistake(const StepNumbers& n, Mistake mistake, std::uint64_t typed) {
    const std::uint64_t product = typed * n.B;
    if (mistake == Mistake::DigitTooBig)
        return Formula(typed, Times, n.B, product) + ", а " + N(product) + " больше " +
               N(n.Partial) + ". Возьми цифру поменьше.";
    const std::uint64_t left = n.Partial - product;
    return Formula(typed, Times, n.B, product) + ", " + Formula(n.Partial, Minus, product, left) +
           ", а " + N(left) + " не меньше " + N(n.B) + ". Возьми цифру побольше.";
}

std::string QuotientMistake(Mistake mistake, std::uint64_t typed) {
    if (mistake == Mistake::ZeroMissing)
        return "В частном пропущен 0. Посмотри на строку частного в столбике, там все его "
               "цифры.";
    return "Частное не " + N(typed) + ". Посмотри на строку частного в столбике.";
}

std::string OtherMistake(const StepNumbers& n, Mistake mistake, std::uint64_t typed) {
    switch (mistake) {
    case Mistake::Count:
        return "Нет, не " + N(typed) +
               ". Одну цифру частного даёт первое неполное делимое, и ещё по одной "
               "каждая следующая цифра делимого.";
    case Mistake::Product:
        return N(n.Digit) + std::string(Times) + N(n.B) + " не равно " + N(typed) +
               ". Проверь умножение.";
    case Mistake::Difference:
        return N(n.Partial) + std::string(Minus) + N(n.Product) + " не равно " + N(typed) +
               ". Проверь вычитание.";
    case Mistake::Bring:
        return "Нет, не " + N(typed) + ". Припиши к остатку " + N(n.Partial / 10) +
               " следующую цифру делимого.";
    case Mistake::Remainder:
        return "Остаток не " + N(typed) + ". Посмотри на последнее число внизу столбика.";
    default:
        return "Нет, не " + N(typed) + ". Попробуй ещё раз.";
    }
}

// ---- hints ----

std::string WhereToLook(const StepNumbers& n, StepKind kind) {
    switch (kind) {
    case StepKind::First:
        return "Посмотри на первые цифры делимого " + N(n.A) + ".";
    case StepKind::Count:
        return "Посмотри на первое неполное делимое и на цифры делимого после него.";
    case StepKind::Digit:
        return "Посмотри на неполное делимое " + N(n.Partial) + " и на делитель " + N(n.B) + ".";
    case StepKind::Product:
        return "Посмотри на новую цифру частного " + N(n.Digit) + " и на делитель " + N(n.B) + ".";
    case StepKind::Difference:
        return "Посмотри на неполное делимое " + N(n.Partial) + " и на число под ним " +
               N(n.Product) + ".";
    case StepKind::Bring:
        return "Посмотри, какая цифра делимого " + N(n.A) + " идёт следующей.";
    case StepKind::Quotient:
        return "Посмотри на строку частного под делителем.";
    case StepKind::Remainder:
        return "Посмотри на последнее число внизу столбика.";
    case StepKind::Round:
    case StepKind::Trial:
    case StepKind::CheckProduct:
    case StepKind::CheckSum:
    case StepKind::Done:
        break;
    }
    return {};
}

// The rule of each step, in the order of StepKind; Done has none.
constexpr std::string_view Rules[] = {
    "Первое неполное делимое не меньше делителя. Бери цифр как можно меньше.",
    "Первое неполное делимое даёт одну цифру частного. Каждая следующая цифра делимого даёт "
    "ещё одну.",
    "Округляют до ближайшего круглого числа: если следующая цифра 5 или больше, первая цифра "
    "увеличивается на 1.",
    "Пробная цифра показывает, сколько раз круглое число содержится в неполном делимом.",
    "Остаток всегда меньше делителя. Возьми самую большую цифру, при которой произведение не "
    "больше неполного делимого.",
    "Умножь новую цифру частного на делитель.",
    "Вычти из неполного делимого число под ним. Остаток всегда меньше делителя.",
    "Припиши к остатку следующую цифру делимого. Получится новое неполное делимое.",
    "Частное составляют все цифры под делителем по порядку, нули тоже.",
    "Остаток стоит в самом низу столбика. Он всегда меньше делителя.",
    "Чтобы проверить деление, умножь частное на делитель.",
    "К произведению частного и делителя прибавь остаток. Должно получиться делимое.",
};

std::string Rule(StepKind kind) {
    const auto index = static_cast<std::size_t>(kind);
    return index < std::size(Rules) ? std::string(Rules[index]) : std::string();
}

std::string WorkedFirst(const StepNumbers& n, const Step& step) {
    const std::string a = N(n.A);
    std::string text;
    std::uint64_t beginning = 0;
    for (const char c : a) {
        beginning = beginning * 10 + static_cast<std::uint64_t>(c - '0');
        if (beginning >= step.Answer)
            break;
        text += N(beginning) + " меньше " + N(n.B) + ", ";
    }
    text += (text.empty() ? "" : "а ") + N(step.Answer) + " не меньше " + N(n.B) +
            ". Значит, первое неполное делимое " + N(step.Answer) + ".";
    return text;
}

std::string WorkedCount(const StepNumbers& n) {
    const int after = practice_detail::DigitCount(n.A) - practice_detail::DigitCount(n.First);
    const std::string start = "Первое неполное делимое " + N(n.First) + " даёт одну цифру. ";
    if (after == 0)
        return start + "После него в делимом цифр нет. Значит, в частном 1 цифра.";
    return start + "После него в делимом ещё " + DigitsPhrase(static_cast<std::uint64_t>(after)) +
           ". Значит, в частном " + DigitsPhrase(static_cast<std::uint64_t>(after) + 1) + ".";
}

std::string WorkedDigit(const StepNumbers& n) {
    const std::string so = "Значит, в частном " + N(n.Digit) + ".";
    if (n.Digit == 0)
        return N(n.B) + " больше " + N(n.Partial) + ", " + N(n.B) + " не содержится в " +
               N(n.Partial) + " ни разу. " + so;
    if (n.Digit >= 9)
        return Formula(n.Digit, Times, n.B, n.Product) + ", " +
               Formula(n.Partial, Minus, n.Product, n.Left) + ", а " + N(n.Left) + " меньше " +
               N(n.B) + ". " + so;
    const std::uint64_t next = (n.Digit + 1) * n.B;
    return Formula(n.Digit, Times, n.B, n.Product) + ", " + Formula(n.Digit + 1, Times, n.B, next) +
           ". " + N(next) + " больше " + N(n.Partial) + ", значит, в частном " + N(n.Digit) + ".";
}

// A divisor of two or three digits is multiplied in parts: 7 · 23 = 7 · 20 + 7 · 3; one
// ending in zeros without them: 7 · 3 = 21, so 7 · 30 = 210.
std::string WorkedProduct(const StepNumbers& n) {
    if (n.B < 10)
        return Formula(n.Digit, Times, n.B, n.Product) + ".";
    if (n.B % 10 == 0) {
        std::uint64_t core = n.B;
        while (core % 10 == 0)
            core /= 10;
        return Formula(n.Digit, Times, core, n.Digit * core) + ", значит, " +
               Formula(n.Digit, Times, n.B, n.Product) + ".";
    }
    const std::uint64_t units = n.B % 10;
    const std::uint64_t rest = n.B - units;
    const std::uint64_t x = n.Digit * rest;
    const std::uint64_t y = n.Digit * units;
    return "Умножь по частям. " + Formula(n.Digit, Times, rest, x) + ", " +
           Formula(n.Digit, Times, units, y) + ", " + N(x) + " + " + N(y) + " = " + N(n.Product) +
           ".";
}

std::string WorkedBring(const Step& step) {
    return "Остаток " + N(step.Answer / 10) + ", следующая цифра делимого " + N(step.Answer % 10) +
           ". Вместе получается " + N(step.Answer) + ".";
}

std::string WorkedQuotient(const Step& step) {
    std::string spaced;
    for (const char c : N(step.Answer)) {
        if (!spaced.empty())
            spaced += ' ';
        spaced += c;
    }
    return "Цифры частного по порядку " + spaced + ". Значит, частное " + N(step.Answer) + ".";
}

std::string Worked(const StepNumbers& n, const Step& step) {
    switch (step.Kind) {
    case StepKind::First:
        return WorkedFirst(n, step);
    case StepKind::Count:
        return WorkedCount(n);
    case StepKind::Digit:
        return WorkedDigit(n);
    case StepKind::Product:
        return WorkedProduct(n);
    case StepKind::Difference:
        return Formula(n.Partial, Minus, n.Product, n.Left) + ", и " + N(n.Left) + " меньше " +
               N(n.B) + ".";
    case StepKind::Bring:
        return WorkedBring(step);
    case StepKind::Quotient:
        return WorkedQuotient(step);
    case StepKind::Remainder:
        return "Последняя разность " + N(step.Answer) + ", она меньше " + N(n.B) +
               ". Это и есть остаток.";
    case StepKind::Round:
    case StepKind::Trial:
    case StepKind::CheckProduct:
    case StepKind::CheckSum:
    case StepKind::Done:
        break;
    }
    return {};
}

constexpr std::string_view Solved = "Пример уже решён. Нажми «Следующий пример».";

} // namespace

std::string QuestionText(const Problem& problem, const Step& step) {
    return Question(NumbersOf(problem, step), step.Kind);
}

std::string MistakeText(const Problem& problem, const Step& step, Mistake mistake,
                        std::string_view typed) {
    if (mistake == Mistake::None)
        return "Верно!";
    const auto number = practice_detail::ReadTypedNumber(typed);
    if (mistake == Mistake::NotANumber || !number)
        return "Напиши ответ цифрами, без букв и знаков.";
    const StepNumbers n = NumbersOf(problem, step);
    switch (mistake) {
    case Mistake::FirstTooSmall:
    case Mistake::FirstTooLong:
    case Mistake::First:
        return FirstMistake(n, mistake, number->Value);
    case Mistake::DigitTooBig:
    case Mistake::DigitTooSmall:
        return DigitMistake(n, mistake, number->Value);
    case Mistake::ZeroMissing:
    case Mistake::Quotient:
        return QuotientMistake(mistake, number->Value);
    default:
        return OtherMistake(n, mistake, number->Value);
    }
}

std::string HintText(const Problem& problem, const Step& step, int level) {
    if (step.Kind == StepKind::Done)
        return std::string(Solved);
    const StepNumbers n = NumbersOf(problem, step);
    switch (std::clamp(level, 1, 3)) {
    case 1:
        return WhereToLook(n, step.Kind);
    case 2:
        return Rule(step.Kind);
    default:
        return Worked(n, step);
    }
}

std::string CheckLine(const Problem& problem) {
    const std::uint64_t b = problem.Divisor;
    if (b == 0)
        return {};
    const std::uint64_t q = problem.Dividend / b;
    const std::uint64_t r = problem.Dividend % b;
    std::string line = "Проверка: " + Formula(q, Times, b, q * b);
    if (r != 0)
        line += ", " + Formula(q * b, " + ", r, q * b + r);
    return line;
}

std::string AnswerLine(const Problem& problem) {
    if (problem.Divisor == 0)
        return {};
    const std::uint32_t remainder = problem.Dividend % problem.Divisor;
    std::string line = "Ответ: " + N(problem.Dividend / problem.Divisor);
    if (remainder != 0)
        line += " (ост. " + N(remainder) + ")";
    return line;
}

} // namespace velmorand
