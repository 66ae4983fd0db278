#include "worksheet.h"

namespace velmorand {

void SetFieldText(Worksheet& sheet, WorksheetText field, std::string_view text) {
    if (sheet.*field == text)
        return;
    sheet.*field = text;
    if (field == &Worksheet::Text1)
        CheckDividendDigits(sheet);
    else if (field == &Worksheet::Text15)
        CheckDivisorDigits(sheet);
}

void ClearWorksheet(Worksheet& sheet) {
    for (const WorksheetText field : WorksheetTexts)
        SetFieldText(sheet, field, {});
}

} // namespace velmorand
