#include "command_arguments.h"

#include "utf16.h"

namespace velmorand {
namespace {

bool IsBlank(wchar_t c) { return c == L' ' || c == L'\t'; }

// The program's name ends at the next quote when it starts with one, else at the first blank;
// backslashes mean nothing in it (it is a path).
std::size_t AfterProgramName(std::wstring_view line) {
    if (!line.empty() && line.front() == L'"') {
        const std::size_t quote = line.find(L'"', 1);
        return quote == std::wstring_view::npos ? line.size() : quote + 1;
    }
    std::size_t at = 0;
    while (at < line.size() && !IsBlank(line[at]))
        ++at;
    return at;
}

} // namespace

std::vector<std::string> CommandArguments(std::wstring_view line) {
    std::vector<std::string> arguments;
    std::size_t at = AfterProgramName(line);
    while (true) {
        while (at < line.size() && IsBlank(line[at]))
            ++at;
        if (at >= line.size())
            return arguments;
        std::wstring word;
        bool quoted = false;
        while (at < line.size() && (quoted || !IsBlank(line[at]))) {
            std::size_t backslashes = 0;
            while (at < line.size() && line[at] == L'\\') {
                ++backslashes;
                ++at;
            }
            if (at < line.size() && line[at] == L'"') {
                word.append(backslashes / 2, L'\\');
                if (backslashes % 2 == 1)
                    word += L'"';
                else if (quoted && at + 1 < line.size() && line[at + 1] == L'"')
                    word += L'"', ++at; // "" inside quotes is one quote, as Windows reads it
                else
                    quoted = !quoted;
                ++at;
            } else {
                word.append(backslashes, L'\\');
                if (backslashes == 0)
                    word += line[at++];
            }
        }
        arguments.push_back(ToUtf8(word));
    }
}

} // namespace velmorand
