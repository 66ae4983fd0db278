// The worksheet and the window's description hold UTF-8; Windows' controls hold UTF-16. Texts
// cross between them here and nowhere else.
#pragma once

#include <string>
#include <string_view>

namespace velmorand {

std::wstring ToUtf16(std::string_view text);
std::string ToUtf8(std::wstring_view text);

} // namespace velmorand
