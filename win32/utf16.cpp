#include "utf16.h"

#include <windows.h>

#include <climits>

namespace velmorand {

// Texts longer than an int can count are cut there; no field comes near it.
static int Length(std::size_t size) { return size > INT_MAX ? INT_MAX : static_cast<int>(size); }

std::wstring ToUtf16(std::string_view text) {
    if (text.empty())
        return {};
    const int length = Length(text.size());
    std::wstring wide(
        static_cast<std::size_t>(MultiByteToWideChar(CP_UTF8, 0, text.data(), length, nullptr, 0)),
        L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), length, wide.data(),
                        static_cast<int>(wide.size()));
    return wide;
}

std::string ToUtf8(std::wstring_view text) {
    if (text.empty())
        return {};
    const int length = Length(text.size());
    std::string narrow(static_cast<std::size_t>(WideCharToMultiByte(CP_UTF8, 0, text.data(), length,
                                                                    nullptr, 0, nullptr, nullptr)),
                       '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), length, narrow.data(),
                        static_cast<int>(narrow.size()), nullptr, nullptr);
    return narrow;
}

} // namespace velmorand
