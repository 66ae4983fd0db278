#include "text_cuts.h"

namespace velmorand {

namespace {

bool IsContinuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

// The byte length of the well-formed UTF-8 character starting at text[at], or 1 when
// the bytes there do not form one (so every malformed byte is a character of its own).
std::size_t CharacterLength(std::string_view text, std::size_t at) {
    const auto lead = static_cast<unsigned char>(text[at]);
    std::size_t length = 1;
    unsigned char low = 0x80;  // allowed range of the second byte, which rules out
    unsigned char high = 0xBF; // overlong forms, surrogates and values past U+10FFFF
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : 0x80;
        high = lead == 0xED ? 0x9F : 0xBF;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    } else {
        return 1;
    }
    if (text.size() - at < length)
        return 1;
    const auto second = static_cast<unsigned char>(text[at + 1]);
    if (second < low || second > high)
        return 1;
    for (std::size_t i = 2; i < length; ++i) {
        if (!IsContinuation(static_cast<unsigned char>(text[at + i])))
            return 1;
    }
    return length;
}

// The byte offset where character number `count` (0-based) starts, or text.size().
std::size_t ByteOffsetOf(std::string_view text, std::size_t count) {
    std::size_t at = 0;
    for (; count > 0 && at < text.size(); --count)
        at += CharacterLength(text, at);
    return at;
}

} // namespace

std::size_t CharacterCount(std::string_view text) {
    std::size_t count = 0;
    for (std::size_t at = 0; at < text.size(); at += CharacterLength(text, at))
        ++count;
    return count;
}

std::string_view FirstCharacters(std::string_view text, std::size_t n) {
    return text.substr(0, ByteOffsetOf(text, n));
}

std::string_view TakeFirstCharacter(std::string_view& text) {
    if (text.empty())
        return {};
    const std::string_view first = text.substr(0, CharacterLength(text, 0));
    text.remove_prefix(first.size());
    return first;
}

} // namespace velmorand
