#include "worksheet.h"

namespace velmorand {

namespace {

using F = WorksheetField;

template <typename Sheet> auto& TextOf(Sheet& sheet, WorksheetField field) {
    if (field >= F::FirstColumnRow && field <= F::LastColumnRow)
        return sheet.ColumnRows[static_cast<std::size_t>(field) -
                                static_cast<std::size_t>(F::FirstColumnRow)];
    switch (field) {
    case F::Divisor:
        return sheet.Divisor;
    case F::Quotient:
        return sheet.Quotient;
    case F::FractionalPart:
        return sheet.FractionalPart;
    case F::Remainder:
        return sheet.Remainder;
    case F::RemainderDenominator:
        return sheet.RemainderDenominator;
    case F::Message:
        return sheet.Message;
    default:
        return sheet.Dividend;
    }
}

} // namespace

std::string& FieldText(Worksheet& sheet, WorksheetField field) { return TextOf(sheet, field); }

const std::string& FieldText(const Worksheet& sheet, WorksheetField field) {
    return TextOf(sheet, field);
}

std::array<WorksheetField, NumberFieldCount> NumberFields() {
    std::array<WorksheetField, NumberFieldCount> fields{};
    for (std::size_t i = 0; i < fields.size(); ++i)
        fields[i] = static_cast<WorksheetField>(i);
    return fields;
}

void SetFieldText(Worksheet& sheet, WorksheetField field, std::string_view text) {
    std::string& shown = FieldText(sheet, field);
    if (shown == text)
        return;
    shown = text;
    if (field == F::Dividend)
        CheckDividendDigits(sheet);
    else if (field == F::Divisor)
        CheckDivisorDigits(sheet);
}

void ClearWorksheet(Worksheet& sheet) {
    for (const WorksheetField field : NumberFields())
        SetFieldText(sheet, field, {});
}

} // namespace velmorand
