// Prints each control's name and the name a screen reader knows it by, one control a line,
// separated by a tab: the end-to-end run finds the controls by what the accessibility tree
// says, and takes the names from here, where the window's description defines them.
#include "window/form1_layout.h"

#include <cstdio>

int main() {
    for (const velmorand::ControlRow& row : velmorand::Form1Layout()) {
        const char* name = row.Accessible.Name != nullptr ? row.Accessible.Name : row.Caption;
        if (name != nullptr)
            std::printf("%s\t%s\n", row.Name, name);
    }
    return 0;
}
