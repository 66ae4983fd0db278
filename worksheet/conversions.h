// Reading numbers out of field texts and writing them back as text.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace velmorand {

// The value of the number at the start of a text. Spaces, tabs and line feeds are
// ignored wherever they stand; "&H" and "&O" start hexadecimal and octal whole numbers;
// otherwise an optional sign, digits, an optional "." fraction and an optional exponent
// are read up to the first character that cannot continue the number. A text with no
// number reads 0. A number beyond the range of a double reads as an infinity (or as 0
// when it is too small), so that callers can tell the pupil it is too large.
double TextToNumber(std::string_view text);

// A number with a sign slot: " 14", " 0", "-28", " 7.5", " .5", "-.25".
std::string NumberToSignedText(double value);

// NumberToSignedText(value) appended to a text, which saves building a text of its own.
void AppendSignedText(std::string& text, double value);

// A number with no sign slot and the given decimal separator: "6", "0", "0,5".
std::string NumberToLocaleText(double value, std::string_view decimalSeparator);

// The fraction numerator / denominator, with numerator < denominator <= 2^53, written as
// NumberToLocaleText writes its value, but with the digits of the exact fraction rounded to
// 15 significant ones: 1 / 3 gives "0.333333333333333", 11 / 14 gives "0.785714285714286".
std::string FractionToLocaleText(std::uint64_t numerator, std::uint64_t denominator,
                                 std::string_view decimalSeparator);

// The greatest whole number not greater than the value.
double WholePart(double value);

} // namespace velmorand
