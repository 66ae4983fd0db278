// Lets GoogleTest show a worksheet field by field when two of them differ.
#pragma once

#include "worksheet/worksheet.h"

#include <ostream>

namespace velmorand {

inline void PrintTo(const Worksheet& sheet, std::ostream* out) {
    for (std::size_t i = 0; i < NumberFieldCount; ++i)
        *out << "\n  Text" << i + 1 << " \"" << FieldText(sheet, NumberFields()[i]) << '"';
    *out << "\n  MessageText \"" << sheet.Message << "\"\n  RunVisible " << sheet.RunVisible;
}

} // namespace velmorand
