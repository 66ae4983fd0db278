// The worksheet: every text the window shows, and the operations that fill it.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace velmorand {

struct Worksheet {
    std::string Text1 = "234567"; // dividend
    std::string Text2;            // Text2 ... Text14: the column, top to bottom
    std::string Text3;
    std::string Text4;
    std::string Text5;
    std::string Text6;
    std::string Text7;
    std::string Text8;
    std::string Text9;
    std::string Text10;
    std::string Text11;
    std::string Text12;
    std::string Text13;
    std::string Text14;
    std::string Text15 = "14";        // divisor
    std::string Text16 = "Результат"; // whole quotient
    std::string Text17;               // fractional part of the exact quotient
    std::string Text18;               // final remainder, over the fraction bar
    std::string Text19;               // divisor again, under the bar
    std::string MessageText = "Сообщения:";
    bool RunVisible = true;

    bool operator==(const Worksheet&) const = default;
};

using WorksheetText = std::string Worksheet::*;

// Text1 ... Text19 in order.
inline constexpr std::array<WorksheetText, 19> WorksheetTexts{
    &Worksheet::Text1,  &Worksheet::Text2,  &Worksheet::Text3,  &Worksheet::Text4,
    &Worksheet::Text5,  &Worksheet::Text6,  &Worksheet::Text7,  &Worksheet::Text8,
    &Worksheet::Text9,  &Worksheet::Text10, &Worksheet::Text11, &Worksheet::Text12,
    &Worksheet::Text13, &Worksheet::Text14, &Worksheet::Text15, &Worksheet::Text16,
    &Worksheet::Text17, &Worksheet::Text18, &Worksheet::Text19};

// The Run button: reads the dividend (Text1) and divisor (Text15) and writes the long
// division into the column, the quotient, the fractional part and the fraction.
// decimalSeparator is the user's, for the fractional part.
void RunDivision(Worksheet& sheet, std::string_view decimalSeparator);

// Right after RunDivision: whether it divided. A run that cannot divide (a divisor of 0, a
// number too large) writes only its message, which says why.
bool RunDivided(const Worksheet& sheet);

// Report the number of characters of the dividend or divisor, and hide Run when there
// are more than six.
void CheckDividendDigits(Worksheet& sheet);
void CheckDivisorDigits(Worksheet& sheet);

// Put a new text into a field as typing does: a change of the dividend or divisor runs
// its check. Setting the text a field already holds is no change.
void SetFieldText(Worksheet& sheet, WorksheetText field, std::string_view text);

// The Clear button: empties Text1 ... Text19 one after the other.
void ClearWorksheet(Worksheet& sheet);

} // namespace velmorand
