// Lets GoogleTest show a worksheet field by field when two of them differ.
#pragma once

#include "worksheet/worksheet.h"

#include <ostream>

namespace velmorand {

inline void PrintTo(const Worksheet& sheet, std::ostream* out) {
    for (const WorksheetField field : NumberFields())
        *out << "\n  field " << static_cast<int>(field) << " \"" << FieldText(sheet, field) << '"';
    *out << "\n  Message \"" << sheet.Message << "\"\n  RunVisible " << sheet.RunVisible;
}

} // namespace velmorand
