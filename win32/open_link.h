#pragma once

namespace velmorand {

// Asks the Windows shell to open a web address in the user's browser. What the shell answers
// is not examined: the program carries on either way.
void OpenInBrowser(const char* address);

} // namespace velmorand
