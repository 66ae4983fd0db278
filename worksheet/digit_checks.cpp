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
        sheet.MessageText = countPrefix;
        AppendSignedText(sheet.MessageText, static_cast<double>(count));
    } else {
        sheet.MessageText = tooMany;
    }
}

} // namespace

void CheckDividendDigits(Worksheet& sheet) {
    CheckDigits(sheet, sheet.Text1, "Разрядов делимого больше 6", "Разрядов делимого ");
}

void CheckDivisorDigits(Worksheet& sheet) {
    CheckDigits(sheet, sheet.Text15, "Разрядов делителя больше 6", "Разрядов делителя ");
}

} // namespace velmorand
