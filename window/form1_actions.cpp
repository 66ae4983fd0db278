#include "form1_actions.h"

#include "announcements.h"

namespace velmorand {

ActionResult Act(Worksheet& sheet, const ControlRow& row, std::string_view decimalSeparator) {
    switch (row.Action) {
    case ControlAction::None:
        return {};
    case ControlAction::Run: {
        const RunOutcome outcome = RunDivision(sheet, decimalSeparator);
        // The results appear in ten fields at once while the focus stays on Run.
        return {.ShowWorksheet = true, .Announcement = RunAnnouncement(sheet, outcome)};
    }
    case ControlAction::Clear:
        ClearWorksheet(sheet);
        // Ready for a new dividend; the screen reader says the field the focus lands in, which
        // a message about the emptied fields would cut off.
        return {.ShowWorksheet = true, .Focus = WorksheetField::Dividend};
    case ControlAction::Exit:
        return {.ExitProgram = true};
    case ControlAction::OpenLink:
        return {.LinkToOpen = row.Link};
    }
    return {};
}

ActionResult Edit(Worksheet& sheet, const ControlRow& row, std::string_view text) {
    if (row.Kind != ControlKind::TextField || !row.Shows)
        return {};
    const Worksheet before = sheet;
    SetFieldText(sheet, *row.Shows, text);
    if (sheet == before)
        return {};
    return {.ShowWorksheet = true, .Announcement = EditAnnouncement(before, sheet)};
}

} // namespace velmorand
