// The class journal, which this program has no window for: it is the page beside the program.
#pragma once

#include <windows.h>

namespace velmorand {

// Opens the journal's page from the program's folder in the browser, or, where it is not
// there, tells the teacher where to put it. The program's exit status.
int OpenClassPage();

} // namespace velmorand
