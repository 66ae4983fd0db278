#include "conversions.h"
#include "text_cuts.h"
#include "worksheet.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>

namespace velmorand {

namespace {

// The working values of one run; every run starts from a fresh one.
struct DivisionRun {
    double Dividend = 0;
    double Divisor = 0;
    double WholeQuotient = 0;
    std::size_t DividendDigits = 0;
    std::size_t Position = 0; // 1-based character of the dividend that the current step brings down
    double PartialDividend = 0;
    double QuotientDigit = 0;
    std::size_t StepIndex = 0;
    double CarriedRemainder = 0;
};

// Which rows of the column a step writes, and how far each number is moved right: two
// spaces, one digit's width, per step. Each remainder row is the next step's
// partial-dividend row, which then gets the remainder with the next digit brought down.
// Steps past the table still compute but have no rows left to write into. Rows are indexes
// into the column's rows.
constexpr int NoRow = -1;

struct StepRows {
    int PartialDividend;
    int Product;
    int Remainder;
    std::size_t Spaces;
    std::size_t RemainderSpaces;
};

// clang-format off
constexpr StepRows StepRowTable[] = {
    {NoRow, 0,  NoRow, 0,  0},
    {1,     2,  3,     2,  4},
    {3,     4,  5,     4,  6},
    {5,     6,  7,     6,  8},
    {7,     8,  9,     8,  10},
    {9,     10, 11,    10, 12},
    {11,    12, NoRow, 12, 0},
};
// clang-format on

constexpr std::string_view RemainderMessage = "Деление с остатком";

// What the message line says when a run cannot divide.
std::string_view RefusalMessage(RunOutcome outcome) {
    return outcome == RunOutcome::DivisorIsZero ? "На ноль делить нельзя" : "Число слишком большое";
}

RunOutcome Refuse(Worksheet& sheet, RunOutcome outcome) {
    sheet.Message = RefusalMessage(outcome);
    return outcome;
}

void WriteRow(Worksheet& sheet, int row, std::size_t spaces, double value) {
    if (row == NoRow)
        return;
    std::string& text = sheet.ColumnRows[static_cast<std::size_t>(row)];
    text.assign(spaces, ' ');
    AppendSignedText(text, value);
}

// Step 0 divides the first partial dividend: as many characters of the dividend as the
// divisor has, or one more when those make a number smaller than the divisor.
void FirstStep(DivisionRun& run, std::string_view dividendText) {
    if (run.PartialDividend / run.Divisor < 1) {
        ++run.Position;
        run.PartialDividend = TextToNumber(FirstCharacters(dividendText, run.Position));
    }
    run.QuotientDigit = WholePart(run.PartialDividend / run.Divisor);
}

// Every later step brings the next character of the dividend down beside the remainder,
// as written: the remainder's text followed by that character. `rest` is what is left of
// the dividend after the characters already used, so that each step takes one character
// off its front instead of counting from the start of the dividend.
void LaterStep(DivisionRun& run, std::string_view& rest) {
    run.CarriedRemainder = run.PartialDividend - run.QuotientDigit * run.Divisor;
    std::string broughtDown;
    AppendSignedText(broughtDown, run.CarriedRemainder);
    broughtDown += TakeFirstCharacter(rest);
    run.PartialDividend = TextToNumber(broughtDown);
    run.QuotientDigit = WholePart(run.PartialDividend / run.Divisor);
}

// The numbers one step writes into its rows.
struct StepNumbers {
    double PartialDividend = 0;
    double Product = 0;
    double Remainder = 0;
};

// The numbers of every step that has rows; steps past the table only carry the run on.
using ColumnNumbers = std::array<StepNumbers, std::size(StepRowTable)>;

// Walks the steps; false when a number runs out of range, so that nothing is written.
bool WorkColumn(DivisionRun& run, std::string_view dividendText, ColumnNumbers& column) {
    std::string_view rest;
    for (; run.Position <= run.DividendDigits; ++run.StepIndex, ++run.Position) {
        if (run.StepIndex == 0) {
            FirstStep(run, dividendText);
            rest = dividendText.substr(FirstCharacters(dividendText, run.Position).size());
        } else {
            LaterStep(run, rest);
        }
        const double product = run.QuotientDigit * run.Divisor;
        const StepNumbers numbers{run.PartialDividend, product, run.PartialDividend - product};
        if (!std::isfinite(numbers.PartialDividend) || !std::isfinite(numbers.Product) ||
            !std::isfinite(numbers.Remainder))
            return false;
        if (run.StepIndex < column.size())
            column[run.StepIndex] = numbers;
    }
    return true;
}

void WriteColumn(Worksheet& sheet, const ColumnNumbers& column, std::size_t steps) {
    for (std::size_t step = 0; step < std::min(steps, column.size()); ++step) {
        const StepRows& rows = StepRowTable[step];
        WriteRow(sheet, rows.PartialDividend, rows.Spaces, column[step].PartialDividend);
        WriteRow(sheet, rows.Product, rows.Spaces, column[step].Product);
        WriteRow(sheet, rows.Remainder, rows.RemainderSpaces, column[step].Remainder);
    }
}

// Whole numbers a double holds exactly, and so divides without losing a digit.
constexpr double ExactWholeNumbers = 9007199254740992.0; // 2^53

bool IsExactWholeNumber(double value) {
    return std::fabs(value) < ExactWholeNumbers && value == std::trunc(value);
}

// The fractional part of the quotient is the remainder over the divisor. Subtracting the
// whole part from the rounded quotient would lose its last digits (976 / 5 would show
// 0.199999999999989), so the remainder is found exactly first. For whole numbers the digits
// then come from the exact fraction; otherwise from the remainder divided in double
// precision. When the quotient is too large to keep any fractional digit, the remainder is
// not a true one (it falls outside [0, 1) of the divisor), and the quotient less its whole
// part is all there is.
std::string FractionalPartText(const DivisionRun& run, double quotient,
                               std::string_view decimalSeparator) {
    const double remainder = std::fma(-run.WholeQuotient, run.Divisor, run.Dividend);
    const double fraction = remainder / run.Divisor;
    if (!(fraction >= 0 && fraction < 1))
        return NumberToLocaleText(quotient - run.WholeQuotient, decimalSeparator);
    if (IsExactWholeNumber(run.Dividend) && IsExactWholeNumber(run.Divisor))
        return FractionToLocaleText(static_cast<std::uint64_t>(std::fabs(remainder)),
                                    static_cast<std::uint64_t>(std::fabs(run.Divisor)),
                                    decimalSeparator);
    return NumberToLocaleText(fraction, decimalSeparator);
}

} // namespace

RunOutcome RunDivision(Worksheet& sheet, std::string_view decimalSeparator) {
    const std::size_t dividendDigits = CharacterCount(sheet.Dividend);
    sheet.Message = NumberToLocaleText(static_cast<double>(dividendDigits), decimalSeparator);

    DivisionRun run;
    run.Dividend = TextToNumber(sheet.Dividend);
    run.Divisor = TextToNumber(sheet.Divisor);
    if (run.Divisor == 0)
        return Refuse(sheet, RunOutcome::DivisorIsZero);
    const double quotient = run.Dividend / run.Divisor;
    if (!std::isfinite(run.Dividend) || !std::isfinite(run.Divisor) || !std::isfinite(quotient))
        return Refuse(sheet, RunOutcome::NumberTooLarge);

    run.WholeQuotient = WholePart(quotient);
    run.DividendDigits = dividendDigits;
    run.Position = CharacterCount(sheet.Divisor);
    run.PartialDividend = TextToNumber(FirstCharacters(sheet.Dividend, run.Position));
    ColumnNumbers column;
    if (!WorkColumn(run, sheet.Dividend, column))
        return Refuse(sheet, RunOutcome::NumberTooLarge);

    if (run.WholeQuotient < quotient)
        sheet.Message = RemainderMessage;
    sheet.Quotient = NumberToSignedText(run.WholeQuotient);
    WriteColumn(sheet, column, run.StepIndex);
    sheet.FractionalPart = FractionalPartText(run, quotient, decimalSeparator);
    // With no step at all, the remainder is what the whole quotient leaves of the dividend.
    const double remainder = run.StepIndex == 0
                                 ? run.Dividend - run.WholeQuotient * run.Divisor
                                 : run.PartialDividend - run.QuotientDigit * run.Divisor;
    sheet.Remainder = NumberToSignedText(remainder);
    sheet.RemainderDenominator = NumberToSignedText(run.Divisor);
    return RunOutcome::Divided;
}

} // namespace velmorand
