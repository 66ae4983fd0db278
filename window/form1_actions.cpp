#include "form1_actions.h"

#include "announcements.h"

namespace velmorand {

ActionResult Act(Worksheet& sheet, const ControlRow& row, std::string_view decimalSeparator) {
    switch (row.Action) {
    case ControlAction::None:
        return {};
    case ControlAction::Run:
        RunDivision(sheet, decimalSeparator);
        // The results appear in ten fields at once while the focus stays on Run.
        return {.ShowWorksheet = true, .Announcement = RunAnnouncement(sheet)};
    case ControlAction::Clear:
        ClearWorksheet(sheet);
        return {.ShowWorksheet = true, .Focus = &Worksheet::Text1}; // ready for a new dividend
    case ControlAction::Exit:
        return {.ExitProgram = true};
    case ControlAction::OpenLink:
        return {.LinkToOpen = row.Link};
    }
    return {};
}

} // namespace velmorand
