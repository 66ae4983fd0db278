// What screen readers get from each control through Active Accessibility: its own name,
// description and role from the layout table instead of Windows' guess from the label before
// it, and links that can be followed from the screen reader.
#pragma once

#include "window/form1_layout.h"

#include <windows.h>

namespace velmorand {

// Answers the control's WM_GETOBJECT with the row's accessible texts over Windows' standard
// object for it. A link's default action posts the click its parent gets from the mouse.
void ExposeControl(HWND control, const ControlRow& row);

} // namespace velmorand
