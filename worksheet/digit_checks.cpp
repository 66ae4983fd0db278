#include "conversions.h"
#include "text_cuts.h"
#include "worksheet.h"

namespace velmorand {

namespace {

// The column has room for numbers of six digits.
constexpr std::size_t MostDigits = 6;

void CheckDigits(Worksheet& sheet, std::string_view text, std::string_view tooMany,
                 std::string_view countPrefix) {
    const std::size_t count = CharacterCount(text);
    sheet.RunVisible = count <= MostDigits;
    if (sheet.RunVisible) {
        sheet.Message = countPrefix;
        AppendSignedText(sheet.Message, static_cast<double>(count));
    } else {
        sheet.Message = tooMany;
    }
}

} // namespace

void CheckDividendDigits(Worksheet& sheet) {
    CheckDigits(sheet, sheet.Dividend, "Разрядов делимого больше 6", "Разрядов делимого ");
}

void CheckDivisorDigits(Worksheet& sheet) {
    CheckDigits(sheet, sheet.Divisor, "Разрядов делителя больше 6", "Разрядов делителя ");
}

} // namespace velmorand
