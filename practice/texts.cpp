#include "texts.h"

#include "method.h"
#include "numbers.h"

#include <algorithm>
#include <array>

namespace velmorand {

using practice_detail::Digits;
using practice_detail::DigitsPhrase;

namespace {

constexpr std::string_view Times = " · ";
constexpr std::string_view Minus = " \xE2\x88\x92 "; // U+2212, the sign of subtraction
constexpr std::string_view Plus = " + ";

// A number in a text, as school writes it: "606 459".
std::string N(std::uint64_t value) { return practice_detail::Grouped(value); }

std::string Str(std::string_view text) { return std::string(text); }

// The form of a word after a number: 1 сотня, 2 сотни, 5 сотен; 11-14 take the last.
std::string_view Agreed(std::uint64_t count, std::string_view one, std::string_view few,
                        std::string_view many) {
    const std::uint64_t lastTwo = count % 100;
    if (lastTwo >= 11 && lastTwo <= 14)
        return many;
    if (count % 10 == 1)
        return one;
    return count % 10 >= 2 && count % 10 <= 4 ? few : many;
}

// The places of a number from the units up, as a count of them is said and as "the quotient
// begins with" names them.
struct PlaceWords {
    std::string_view One, Few, Many; // 1 сотня, 2 сотни, 5 сотен
};
constexpr PlaceWords Places[] = {
    {"единица", "единицы", "единиц"},
    {"десяток", "десятка", "десятков"},
    {"сотня", "сотни", "сотен"},
    {"тысяча", "тысячи", "тысяч"},
    {"десяток тысяч", "десятка тысяч", "десятков тысяч"},
    {"сотня тысяч", "сотни тысяч", "сотен тысяч"},
};

const PlaceWords& PlaceOf(int index) {
    return Places[static_cast<std::size_t>(std::clamp(index, 0, int(std::size(Places)) - 1))];
}

// "72 сотни"
std::string CountOf(std::uint64_t count, const PlaceWords& place) {
    return N(count) + " " + Str(Agreed(count, place.One, place.Few, place.Many));
}

// "в 16 десятках", "в 21 десятке"
std::string InCountOf(std::uint64_t count, bool hundreds) {
    const bool single = count % 10 == 1 && count % 100 != 11;
    const std::string_view word =
        hundreds ? (single ? "сотне" : "сотнях") : (single ? "десятке" : "десятках");
    return "в " + N(count) + " " + Str(word);
}

// What the column's digits are called one by one, for "без одной восьмёрки".
constexpr std::string_view DigitNouns[] = {"нуля",      "единицы", "двойки",   "тройки",
                                           "четвёрки",  "пятёрки", "шестёрки", "семёрки",
                                           "восьмёрки", "девятки"};

// The numbers a step works with, worked out once for every text about it.
struct StepNumbers {
    std::uint64_t A = 0;       // the dividend
    std::uint64_t B = 0;       // the divisor
    std::uint64_t Partial = 0; // the partial dividend
    std::uint64_t Digit = 0;   // the quotient digit it gives
    std::uint64_t Product = 0;
    std::uint64_t Left = 0;  // the partial dividend less the product
    std::uint64_t First = 0; // the first partial dividend
    std::uint64_t Q = 0;     // the quotient and the remainder
    std::uint64_t R = 0;
    std::uint64_t Rounded = 0; // the divisor rounded, for a trial digit
    std::uint64_t Unit = 1;    // 10 or 100: what the trial digit counts in
    std::uint64_t Trial = 0;   // the trial digit
    bool Trials = false;       // whether the divisor needs a trial digit
    int QuotientDigits = 0;
};

StepNumbers NumbersOf(const Problem& problem, const Step& step) {
    StepNumbers n{.A = problem.Dividend, .B = problem.Divisor, .Partial = step.Partial};
    if (n.B != 0) {
        n.Digit = n.Partial / n.B;
        n.Q = n.A / n.B;
        n.R = n.A % n.B;
    }
    n.Product = n.Digit * n.B;
    n.Left = n.Partial - n.Product;
    n.First = practice_detail::FirstPartial(problem.Dividend, problem.Divisor);
    n.Trials = NeedsTrialDigit(problem.Divisor);
    n.Rounded = RoundedDivisor(problem.Divisor);
    n.Unit = n.B >= 100 ? 100 : 10;
    n.Trial = TrialDigit(step.Partial, problem.Divisor);
    n.QuotientDigits = practice_detail::DigitCount(n.Q);
    return n;
}

std::string Formula(std::uint64_t x, std::string_view sign, std::uint64_t y, std::uint64_t z) {
    return N(x) + Str(sign) + N(y) + " = " + N(z);
}

// A divisor of tens or hundreds alone: 30, 400.
bool RoundDivisor(const StepNumbers& n) { return n.B >= 10 && !n.Trials; }

// "158 : 30 — это как 15 : 3": the zeros of a round divisor and as many last digits of the
// partial dividend closed.
std::string ShortForm(const StepNumbers& n) {
    std::uint64_t zeros = 1;
    while (n.B % (zeros * 10) == 0)
        zeros *= 10;
    return N(n.Partial) + " : " + N(n.B) + " — это как " + N(n.Partial / zeros) + " : " +
           N(n.B / zeros);
}

// "72 — это 72 сотни, значит, частное начинается с сотен: в нём 3 цифры."
std::string PlaceValue(const StepNumbers& n) {
    const PlaceWords& place = PlaceOf(n.QuotientDigits - 1);
    return N(n.First) + " — это " + CountOf(n.First, place) + ", значит, частное начинается с " +
           Str(place.Many) + ": в нём " +
           DigitsPhrase(static_cast<std::uint64_t>(n.QuotientDigits)) + ".";
}

// ---- questions ----

std::string TrialQuestion(const StepNumbers& n) {
    const bool hundreds = n.Unit == 100;
    const PlaceWords& place = PlaceOf(hundreds ? 2 : 1);
    return "Пробная цифра: " + N(n.Partial) + " : " + N(n.Rounded) + ", сколько раз " +
           CountOf(n.Rounded / n.Unit, place) + " содержится " +
           InCountOf(n.Partial / n.Unit, hundreds) + "?";
}

std::string DigitQuestion(const StepNumbers& n) {
    if (n.Partial == 0)
        return "Неполное делимое 0. Какую цифру запишем в частное?";
    const std::string asked = "Сколько раз " + N(n.B) + " содержится в " + N(n.Partial) + "?";
    if (n.Trials && n.Partial >= n.B)
        return "Проверь пробную цифру " + N(n.Trial) + ". " + asked;
    if (RoundDivisor(n) && n.Partial >= n.B)
        return ShortForm(n) + ". " + asked;
    return asked;
}

std::string Question(const StepNumbers& n, StepKind kind) {
    switch (kind) {
    case StepKind::First:
        return "Какое первое неполное делимое?";
    case StepKind::Count:
        return "Сколько цифр будет в частном?";
    case StepKind::Round:
        return "Округли делитель " + N(n.B) + " до " + Str(n.Unit == 100 ? "сотен" : "десятков") +
               ".";
    case StepKind::Trial:
        return TrialQuestion(n);
    case StepKind::Digit:
        return DigitQuestion(n);
    case StepKind::Product:
        return "Сколько будет " + N(n.Digit) + Str(Times) + N(n.B) + "?";
    case StepKind::Difference:
        return "Сколько будет " + N(n.Partial) + Str(Minus) + N(n.Product) + "?";
    case StepKind::Bring:
        return "Снеси следующую цифру. Какое теперь неполное делимое?";
    case StepKind::Quotient:
        return "Запиши ответ. Чему равно частное?";
    case StepKind::Remainder:
        return "Чему равен остаток?";
    case StepKind::CheckProduct:
        return "Проверка: " + N(n.Q) + Str(Times) + N(n.B) + " = ?";
    case StepKind::CheckSum:
        return "Проверка: " + N(n.Q * n.B) + Str(Plus) + N(n.R) + " = ?";
    case StepKind::Done:
        break;
    }
    return "Пример решён. Нажми «Следующий пример».";
}

// ---- what is wrong ----

std::string FirstMistake(const StepNumbers& n, Mistake mistake, const std::string& typed,
                         std::uint64_t value) {
    switch (mistake) {
    case Mistake::FirstTooSmall:
        return typed + " меньше " + N(n.B) +
               ", а неполное делимое не меньше делителя. Возьми ещё цифру.";
    case Mistake::FirstTooLong: {
        const bool one =
            practice_detail::DigitCount(value) == practice_detail::DigitCount(n.First) + 1;
        return "В " + typed + (one ? " лишняя цифра" : " лишние цифры") +
               ". Возьми как можно меньше первых цифр делимого, но чтобы число было не меньше " +
               N(n.B) + ".";
    }
    default:
        return typed + " — не первые цифры делимого " + N(n.A) +
               ". Неполное делимое берут из первых цифр делимого.";
    }
}

std::string DigitMistake(const StepNumbers& n, Mistake mistake, const std::string& typed,
                         std::uint64_t value) {
    const std::uint64_t product = value * n.B;
    const bool trial = n.Trials && value == n.Trial;
    const std::string which = Str(trial ? "Пробная цифра " : "Цифра ") + typed;
    if (mistake == Mistake::DigitTooBig) {
        const std::string why = Formula(value, Times, n.B, product) + ", а " + N(product) +
                                " больше " + N(n.Partial) + ".";
        if (!n.Trials)
            return why + " Возьми цифру поменьше.";
        return which + " велика: " + why + Str(trial ? " Уменьши её." : " Возьми цифру поменьше.");
    }
    const std::uint64_t left = n.Partial - product;
    const std::string why = Formula(value, Times, n.B, product) + ", " +
                            Formula(n.Partial, Minus, product, left) + ", ";
    if (!n.Trials)
        return why + "а " + N(left) + " не меньше " + N(n.B) + ". Возьми цифру побольше.";
    return which + " мала: " + why + "остаток " + N(left) + " не меньше " + N(n.B) +
           Str(trial ? ". Увеличь её." : ". Возьми цифру побольше.");
}

// The trial digit's own check, in tens or hundreds: "3 · 8 = 24, а 24 больше 16."
std::string TrialMistake(const StepNumbers& n, std::uint64_t value) {
    const std::uint64_t p = n.Partial / n.Unit;
    const std::uint64_t b = n.Rounded / n.Unit;
    const std::uint64_t product = value * b;
    if (value > n.Trial)
        return Formula(value, Times, b, product) + ", а " + N(product) + " больше " + N(p) +
               ". Пробная цифра меньше.";
    return Formula(value, Times, b, product) + ", " + Formula(p, Minus, product, p - product) +
           ", а " + N(p - product) + " не меньше " + N(b) + ". Пробная цифра больше.";
}

std::string BringMistake(const StepNumbers& n, Mistake mistake, const std::string& typed) {
    const std::uint64_t difference = n.Partial / 10;
    switch (mistake) {
    case Mistake::ZeroSkipped:
        return "Сначала снеси одну цифру: " + N(n.Partial) + " меньше " + N(n.B) +
               ", значит, в частном 0.";
    case Mistake::BringForgot:
        return typed + " — это только разность. Снеси к ней следующую цифру делимого.";
    case Mistake::BringWrong:
        return "В " + typed +
               " снесена не та цифра. Сноси цифры делимого по порядку, одну за другой.";
    default:
        if (difference == 0)
            return "Нет, не " + typed +
                   ". Разность 0, поэтому новое неполное делимое — одна следующая цифра делимого.";
        return "Нет, не " + typed + ". Справа к разности " + N(difference) +
               " поставь следующую цифру делимого.";
    }
}

std::string OtherMistake(const StepNumbers& n, Mistake mistake, const std::string& typed,
                         std::uint64_t value) {
    switch (mistake) {
    case Mistake::Count:
        return "Нет, не " + typed +
               ". Одну цифру частного даёт первое неполное делимое, и ещё по одной "
               "каждая следующая цифра делимого.";
    case Mistake::CountDividend:
        return typed + " — столько цифр в делимом. Первое неполное делимое " + N(n.First) +
               " даёт только одну цифру частного, и ещё по одной каждая следующая цифра.";
    case Mistake::Round:
        return "Нет, не " + typed + ". Посмотри на цифру " +
               Str(n.Unit == 100 ? "десятков" : "единиц") + " числа " + N(n.B) +
               ": если она 5 или больше, округляют в большую сторону.";
    case Mistake::Trial:
        return TrialMistake(n, value);
    case Mistake::OneDigit:
        return "В " + typed + " больше одной цифры, а в частное каждый раз пишут одну цифру.";
    case Mistake::Product:
        return N(n.Digit) + Str(Times) + N(n.B) + " не равно " + typed + ". Проверь умножение.";
    case Mistake::Difference:
        return N(n.Partial) + Str(Minus) + N(n.Product) + " не равно " + typed +
               ". Проверь вычитание.";
    case Mistake::ZeroMissing:
        return "В " + typed +
               " пропущен 0 частного. Посмотри на строку частного в столбике, "
               "там все его цифры.";
    case Mistake::Quotient:
        return "Частное не " + typed + ". Посмотри на строку частного в столбике.";
    case Mistake::RemainderTooBig:
        return "Остаток всегда меньше делителя: " + typed +
               Str(value == n.B ? " равно " : " больше ") + N(n.B) + ".";
    case Mistake::Remainder:
        return "Остаток не " + typed + ". Посмотри на последнее число внизу столбика.";
    case Mistake::CheckProduct:
        return N(n.Q) + Str(Times) + N(n.B) + " не равно " + typed + ". Проверь умножение.";
    case Mistake::CheckSum:
        return N(n.Q * n.B) + Str(Plus) + N(n.R) + " не равно " + typed + ". Проверь сложение.";
    default:
        return "Нет, не " + typed + ". Попробуй ещё раз.";
    }
}

// ---- hints ----

// "8 · 9 — это 8 · 10 без одной восьмёрки", and other ways to a table fact.
std::string ProductThinking(const StepNumbers& n) {
    const std::uint64_t d = n.Digit;
    const std::uint64_t b = n.B;
    const std::string fact = N(d) + Str(Times) + N(b) + " — это ";
    if (b >= 10 && RoundDivisor(n))
        return "Умножь без нулей делителя, а потом припиши их к произведению.";
    if (b >= 10)
        return "Умножь по частям: отдельно на десятки делителя и на его единицы, потом сложи.";
    if (d == 1)
        return "Умножить на 1 — значит взять число один раз.";
    if (b == 9)
        return fact + N(d) + Str(Times) + "10 без одной " + Str(DigitNouns[d % 10]) + ".";
    if (d == 9)
        return fact + "10" + Str(Times) + N(b) + " без одной " + Str(DigitNouns[b % 10]) + ".";
    if (b == 5)
        return fact + "половина от " + N(d) + Str(Times) + "10.";
    if (b % 2 == 0)
        return fact + N(d) + Str(Times) + N(b / 2) + ", взятое два раза.";
    return fact + N(d) + Str(Times) + N(b - 1) + " и ещё " + N(d) + ".";
}

std::string DigitThinking(const StepNumbers& n) {
    if (n.Partial < n.B)
        return "Сравни неполное делимое " + N(n.Partial) + " с делителем " + N(n.B) + ".";
    if (n.Trials)
        return "Умножь пробную цифру " + N(n.Trial) + " на " + N(n.B) + " и сравни с " +
               N(n.Partial) + ".";
    if (RoundDivisor(n))
        return Str(n.B % 100 == 0 ? "Закрой два нуля делителя и две последние цифры"
                                  : "Закрой нуль делителя и последнюю цифру") +
               " неполного делимого.";
    return "Вспомни таблицу умножения на " + N(n.B) + ": какое произведение ближе всего к " +
           N(n.Partial) + ", но не больше его?";
}

std::string WhereToLook(const StepNumbers& n, StepKind kind) {
    switch (kind) {
    case StepKind::First:
        return "Сравни с делителем " + N(n.B) +
               " первую цифру делимого, потом две первые цифры, и так дальше.";
    case StepKind::Count:
        return "Найди первое неполное делимое и посчитай, сколько цифр делимого стоит после "
               "него.";
    case StepKind::Round:
        return "Между какими круглыми " + Str(n.Unit == 100 ? "сотнями" : "десятками") + " стоит " +
               N(n.B) + "? К какому ближе?";
    case StepKind::Trial:
        return Str(n.Unit == 100 ? "Закрой две последние цифры" : "Закрой последнюю цифру") +
               " делимого и делителя: " + N(n.Partial) + " : " + N(n.Rounded) + " — это как " +
               N(n.Partial / n.Unit) + " : " + N(n.Rounded / n.Unit) + ".";
    case StepKind::Digit:
        return DigitThinking(n);
    case StepKind::Product:
        return ProductThinking(n);
    case StepKind::Difference:
        return "Вычитай по разрядам, начиная с единиц. Потом проверь вычитание сложением.";
    case StepKind::Bring:
        return "Найди в делимом " + N(n.A) + " цифру, которая стоит после уже снесённых.";
    case StepKind::Quotient:
        return "Прочитай цифры под делителем слева направо.";
    case StepKind::Remainder:
        return "Найди самое нижнее число в столбике.";
    case StepKind::CheckProduct:
        return "Умножай по разрядам, начиная с единиц.";
    case StepKind::CheckSum:
        return "Складывай по разрядам, начиная с единиц.";
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
    "Округляют до ближайшего круглого числа. Если следующая цифра 5 или больше, округляют в "
    "большую сторону.",
    "Пробная цифра показывает, сколько раз круглый делитель содержится в неполном делимом. "
    "Больше 9 она не бывает.",
    "Остаток всегда меньше делителя. Возьми самую большую цифру, при которой произведение не "
    "больше неполного делимого.",
    "Цифру частного умножают на весь делитель. Произведение пишут под неполным делимым, "
    "последней цифрой под его последней цифрой.",
    "Вычти из неполного делимого число под ним. Остаток всегда меньше делителя.",
    "Справа к разности поставь следующую цифру делимого. Получится новое неполное делимое.",
    "Частное составляют все цифры под делителем по порядку, нули тоже.",
    "Остаток стоит в самом низу столбика. Он всегда меньше делителя.",
    "Чтобы проверить деление, умножь частное на делитель.",
    "К произведению частного и делителя прибавь остаток. Должно получиться делимое.",
};

std::string Rule(const StepNumbers& n, StepKind kind) {
    if (kind == StepKind::Digit && n.Trials && n.Partial >= n.B)
        return "Если произведение пробной цифры и делителя больше неполного делимого, уменьши "
               "её. Если остаток не меньше делителя, увеличь её.";
    const auto index = static_cast<std::size_t>(kind);
    std::string rule = index < std::size(Rules) ? Str(Rules[index]) : std::string();
    if (kind == StepKind::Digit && RoundDivisor(n) && n.Partial >= n.B)
        return ShortForm(n) + ". " + rule;
    return rule;
}

std::string WorkedFirst(const StepNumbers& n, const Step& step) {
    const std::string a = Digits(n.A);
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

std::string WorkedRound(const StepNumbers& n) {
    const std::uint64_t below = n.B / n.Unit * n.Unit;
    const std::uint64_t digit = n.B % n.Unit / (n.Unit / 10);
    return N(n.B) + " стоит между " + N(below) + " и " + N(below + n.Unit) + ", цифра " +
           Str(n.Unit == 100 ? "десятков " : "единиц ") + N(digit) +
           Str(digit >= 5 ? " не меньше 5" : " меньше 5") + ", значит, " + N(n.B) +
           " округляют до " + N(n.Rounded) + ".";
}

std::string WorkedTrial(const StepNumbers& n) {
    const std::uint64_t p = n.Partial / n.Unit;
    const std::uint64_t b = n.Rounded / n.Unit;
    const std::uint64_t times = b == 0 ? 0 : p / b;
    std::string text = "В " + N(p) + " число " + N(b) + " содержится " + N(times) + " " +
                       Str(Agreed(times, "раз", "раза", "раз"));
    if (times > 9)
        text += ", но цифра не бывает больше 9";
    return text + ", значит, пробная цифра " + N(n.Trial) + ".";
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
std::string MultipliedInParts(std::uint64_t d, std::uint64_t b) {
    if (b < 10)
        return Formula(d, Times, b, d * b) + ".";
    if (b % 10 == 0) {
        std::uint64_t core = b;
        while (core % 10 == 0)
            core /= 10;
        return Formula(d, Times, core, d * core) + ", значит, " + Formula(d, Times, b, d * b) + ".";
    }
    const std::uint64_t units = b % 10;
    const std::uint64_t rest = b - units;
    return "Умножь по частям. " + Formula(d, Times, rest, d * rest) + ", " +
           Formula(d, Times, units, d * units) + ", " + N(d * rest) + Str(Plus) + N(d * units) +
           " = " + N(d * b) + ".";
}

// The check's product by the quotient's places: 900 · 8 = 7200, 5 · 8 = 40, 7200 + 40 = 7240.
std::string WorkedCheckProduct(const StepNumbers& n) {
    std::vector<std::uint64_t> parts;
    for (std::uint64_t place = 1; place <= n.Q; place *= 10)
        if (const std::uint64_t part = n.Q / place % 10 * place; part != 0)
            parts.insert(parts.begin(), part);
    if (parts.size() < 2)
        return Formula(n.Q, Times, n.B, n.Q * n.B) + ".";
    std::string text;
    std::string sum;
    for (const std::uint64_t part : parts) {
        text += Formula(part, Times, n.B, part * n.B) + ", ";
        sum += (sum.empty() ? "" : Str(Plus)) + N(part * n.B);
    }
    return text + sum + " = " + N(n.Q * n.B) + ".";
}

std::string Worked(const StepNumbers& n, const Step& step) {
    switch (step.Kind) {
    case StepKind::First:
        return WorkedFirst(n, step);
    case StepKind::Count:
        return "Первое неполное делимое " + PlaceValue(n);
    case StepKind::Round:
        return WorkedRound(n);
    case StepKind::Trial:
        return WorkedTrial(n);
    case StepKind::Digit:
        return WorkedDigit(n);
    case StepKind::Product:
        return MultipliedInParts(n.Digit, n.B);
    case StepKind::Difference:
        return Formula(n.Partial, Minus, n.Product, n.Left) + ", и " + N(n.Left) + " меньше " +
               N(n.B) + ".";
    case StepKind::Bring:
        return "Разность " + N(step.Answer / 10) + ", следующая цифра делимого " +
               N(step.Answer % 10) + ". Новое неполное делимое " + N(step.Answer) + ".";
    case StepKind::Quotient:
        return "Цифры частного по порядку дают число " + N(step.Answer) + ".";
    case StepKind::Remainder:
        return "Последняя разность " + N(step.Answer) + ", она меньше " + N(n.B) +
               ". Это и есть остаток.";
    case StepKind::CheckProduct:
        return WorkedCheckProduct(n);
    case StepKind::CheckSum:
        return Formula(n.Q * n.B, Plus, n.R, n.A) + ".";
    case StepKind::Done:
        break;
    }
    return {};
}

constexpr std::string_view Solved = "Пример уже решён. Нажми «Следующий пример».";

// The parts of the column each step's hints speak of: the first two hints, and the third.
struct HintParts {
    std::vector<ColumnPart> Looking;
    std::vector<ColumnPart> Worked;
};

HintParts PartsOf(StepKind kind) {
    using P = ColumnPart;
    switch (kind) {
    case StepKind::First:
        return {{P::Dividend, P::Divisor}, {P::Dividend, P::Divisor}};
    case StepKind::Count:
        return {{P::Dividend}, {P::Dividend}};
    case StepKind::Round:
        return {{P::Divisor}, {P::Divisor}};
    case StepKind::Trial:
    case StepKind::Digit:
        return {{P::Partial, P::Divisor}, {P::Partial, P::Divisor}};
    case StepKind::Product:
        return {{P::Divisor}, {P::Divisor}};
    case StepKind::Difference:
        return {{P::Partial, P::Product}, {P::Partial, P::Product}};
    case StepKind::Bring:
        return {{P::Dividend, P::Difference}, {P::Difference, P::NextDigit}};
    case StepKind::Quotient:
    case StepKind::CheckProduct:
        return {{P::Quotient}, {P::Quotient}};
    case StepKind::Remainder:
    case StepKind::CheckSum:
        return {{P::Remainder}, {P::Remainder}};
    case StepKind::Done:
        break;
    }
    return {};
}

} // namespace

std::string QuestionText(const Problem& problem, const Step& step) {
    return Question(NumbersOf(problem, step), step.Kind);
}

std::string RightText(const Problem& problem, const Step& step) {
    if (step.Kind == StepKind::Count)
        return "Верно! " + PlaceValue(NumbersOf(problem, step));
    return "Верно!";
}

std::string CheckedText(const Problem& problem) {
    return "Получилось делимое " + N(problem.Dividend) + ": деление выполнено верно.";
}

std::string MistakeText(const Problem& problem, const Step& step, Mistake mistake,
                        std::string_view typed) {
    if (mistake == Mistake::None)
        return "Верно!";
    const auto number = practice_detail::ReadTypedNumber(typed);
    if (mistake == Mistake::NotANumber || !number)
        return "Напиши ответ цифрами, без букв и знаков.";
    const StepNumbers n = NumbersOf(problem, step);
    const std::string shown(number->Typed);
    switch (mistake) {
    case Mistake::FirstTooSmall:
    case Mistake::FirstTooLong:
    case Mistake::First:
        return FirstMistake(n, mistake, shown, number->Value);
    case Mistake::DigitTooBig:
    case Mistake::DigitTooSmall:
        return DigitMistake(n, mistake, shown, number->Value);
    case Mistake::Bring:
    case Mistake::BringForgot:
    case Mistake::BringWrong:
    case Mistake::ZeroSkipped:
        return BringMistake(n, mistake, shown);
    default:
        return OtherMistake(n, mistake, shown, number->Value);
    }
}

std::string HintText(const Problem& problem, const Step& step, int level) {
    if (step.Kind == StepKind::Done)
        return Str(Solved);
    const StepNumbers n = NumbersOf(problem, step);
    switch (std::clamp(level, 1, MostHints)) {
    case 1:
        return WhereToLook(n, step.Kind);
    case 2:
        return Rule(n, step.Kind);
    default:
        return Worked(n, step);
    }
}

std::vector<ColumnPart> HintLights(const Step& step, int level) {
    if (level <= 0)
        return {};
    HintParts parts = PartsOf(step.Kind);
    return level >= MostHints ? parts.Worked : parts.Looking;
}

std::string CheckLine(const Problem& problem) {
    const std::uint64_t b = problem.Divisor;
    if (b == 0)
        return {};
    const std::uint64_t q = problem.Dividend / b;
    const std::uint64_t r = problem.Dividend % b;
    std::string line = "Проверка: " + Formula(q, Times, b, q * b);
    if (r != 0)
        line += ", " + Formula(q * b, Plus, r, q * b + r);
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
