#pragma once

#include <string>

namespace velmorand {

// Asks the Windows shell to open a web address in the user's browser. What the shell answers
// is not examined: the program carries on either way.
void OpenInBrowser(const char* address);

// Asks the shell to open a file of the computer with the program that opens its kind (a page
// in the browser); whether it could.
bool OpenDocument(const std::wstring& path);

} // namespace velmorand
