// What screen readers get from each control through Active Accessibility: its own name,
// description and role from the layout table instead of Windows' guess from the label before
// it, and links that can be followed from the screen reader.
#pragma once

#include "window/form1_layout.h"

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace velmorand {

// What a control says of itself over Windows' standard object for it.
struct Exposure {
    const char* Name = nullptr;               // nullptr: Windows' own, its text
    std::function<std::string()> SpokenName;  // asked each time, before Name; "": Name
    std::function<std::string()> Description; // asked each time; none or "": Windows' own
    LONG Role = 0;                            // 0 where Windows knows better
    LONG States = 0;                          // added to Windows' own
    const char* Action = nullptr;             // a link's default action
    std::function<std::string()> Value;       // asked each time; none: Windows' own
    // A list's items, asked each time: its children, and one a line its value.
    std::function<std::vector<std::string>()> Items;
    // The item the keyboard is on, counted from 1; 0 for none. It has the focus and is
    // selected while the control has the focus.
    std::function<int()> CurrentItem;
};

// Answers the control's WM_GETOBJECT with these texts over Windows' standard object for it. A
// link's default action posts the click its parent gets from the mouse.
void ExposeControl(HWND control, Exposure exposure);

// The row's accessible texts, role and states from Form1's table.
void ExposeControl(HWND control, const ControlRow& row);

} // namespace velmorand
