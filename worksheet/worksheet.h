// The worksheet: every text the window shows, and the operations that fill it.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace velmorand {

// The column has this many rows: partial dividends, products and remainders, top to bottom.
inline constexpr std::size_t ColumnRowCount = 13;

struct Worksheet {
    std::string Dividend = "234567";
    std::array<std::string, ColumnRowCount> ColumnRows{};
    std::string Divisor = "14";
    std::string Quotient = "Результат"; // the whole part of the quotient
    std::string FractionalPart;         // of the exact quotient
    std::string Remainder;              // the final remainder, over the fraction bar
    std::string RemainderDenominator;   // the divisor again, under the bar
    std::string Message = "Сообщения:";
    bool RunVisible = true;

    bool operator==(const Worksheet&) const = default;
};

// One text of the worksheet, as a control names what it shows.
enum class WorksheetField : unsigned char {
    Dividend,
    FirstColumnRow,
    LastColumnRow = FirstColumnRow + ColumnRowCount - 1,
    Divisor,
    Quotient,
    FractionalPart,
    Remainder,
    RemainderDenominator,
    Message,
};

// The column's row at index 0 ... ColumnRowCount - 1, top to bottom.
constexpr WorksheetField ColumnRowField(std::size_t index) {
    return static_cast<WorksheetField>(static_cast<std::size_t>(WorksheetField::FirstColumnRow) +
                                       index);
}

std::string& FieldText(Worksheet& sheet, WorksheetField field);
const std::string& FieldText(const Worksheet& sheet, WorksheetField field);

// Every field but the message, in the order Clear empties them: the dividend, the column, the
// divisor, the quotient, the fractional part and the remainder's fraction.
inline constexpr std::size_t NumberFieldCount = static_cast<std::size_t>(WorksheetField::Message);
std::array<WorksheetField, NumberFieldCount> NumberFields();

// What a run did: divided, or refused and why. A refused run writes only its message.
enum class RunOutcome { Divided, DivisorIsZero, NumberTooLarge };

// The Run button: reads the dividend and divisor and writes the long division into the
// column, the quotient, the fractional part and the remainder's fraction, or the reason it
// cannot divide. decimalSeparator is the user's, for the fractional part.
RunOutcome RunDivision(Worksheet& sheet, std::string_view decimalSeparator);

// Report the number of characters of the dividend or divisor, and hide Run when there
// are more than six.
void CheckDividendDigits(Worksheet& sheet);
void CheckDivisorDigits(Worksheet& sheet);

// Put a new text into a field as typing does: a change of the dividend or divisor runs
// its check. Setting the text a field already holds is no change.
void SetFieldText(Worksheet& sheet, WorksheetField field, std::string_view text);

// The Clear button: empties the number fields one after the other.
void ClearWorksheet(Worksheet& sheet);

} // namespace velmorand
