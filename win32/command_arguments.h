// The words the program was started with, split as Windows' own programs split them, without
// the shell (whose CommandLineToArgvW the program does not import).
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace velmorand {

// The arguments after the program's own name, in UTF-8. Spaces and tabs part them; a part in
// double quotes keeps its spaces; backslashes count only before a double quote, where each
// pair stands for one backslash and an odd one makes the quote a character.
std::vector<std::string> CommandArguments(std::wstring_view commandLine);

} // namespace velmorand
