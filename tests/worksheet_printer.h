// Lets GoogleTest show a worksheet field by field when two of them differ.
#pragma once

#include "worksheet/worksheet.h"

#include <ostream>

namespace velmorand {

inline void PrintTo(const Worksheet& sheet, std::ostream* out) {
    for (std::size_t i = 0; i < WorksheetTexts.size(); ++i)
        *out << "\n  Text" << i + 1 << " \"" << sheet.*WorksheetTexts[i] << '"';
    *out << "\n  MessageText \"" << sheet.MessageText << "\"\n  RunVisible " << sheet.RunVisible;
}

} // namespace velmorand
