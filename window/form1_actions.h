// What a click or an edit does to the worksheet, and what the front end must do afterwards.
// A front end turns its toolkit's events into Act and Edit and carries out the result in one
// order: it moves the focus, then shows the worksheet again, then announces. Orca passes over
// in silence a focus that lands in a field after that field's text events.
#pragma once

#include "form1_layout.h"
#include "worksheet/worksheet.h"

#include <optional>
#include <string>
#include <string_view>

namespace velmorand {

struct ActionResult {
    bool ShowWorksheet = false;            // the worksheet changed: show it again
    std::optional<WorksheetField> Focus{}; // then focus the field showing this
    const char* LinkToOpen = nullptr;      // hand this address to the desktop's browser
    bool ExitProgram = false;              // end the program at once, with status 0
    // Say this through the screen reader, if not empty: the one announcement of the action,
    // worded for speech. Nothing else the action changed is announced.
    std::string Announcement{};
};

// A click on the control. decimalSeparator is the user's, for the fractional part Run writes.
ActionResult Act(Worksheet& sheet, const ControlRow& row, std::string_view decimalSeparator);

// The pupil changed the text of a field by typing or pasting. A row that is no text field
// changes nothing.
ActionResult Edit(Worksheet& sheet, const ControlRow& row, std::string_view text);

} // namespace velmorand
