// What a click does to the worksheet, and what the front end must do afterwards. A front end
// turns its toolkit's events into Act and carries out the result.
#pragma once

#include "form1_layout.h"
#include "worksheet/worksheet.h"

#include <string>
#include <string_view>

namespace velmorand {

struct ActionResult {
    bool ShowWorksheet = false;       // the worksheet changed: show it again
    WorksheetText Focus = nullptr;    // then give the keyboard focus to the field showing this
    const char* LinkToOpen = nullptr; // hand this address to the desktop's browser
    bool ExitProgram = false;         // end the program at once, with status 0
    std::string Announcement{};       // say this through the screen reader, if not empty
};

// decimalSeparator is the user's, for the fractional part that Run writes.
ActionResult Act(Worksheet& sheet, const ControlRow& row, std::string_view decimalSeparator);

} // namespace velmorand
