// Quoting texts for JSON, for both of the browser's modules.
#include "web/json.h"

#include <array>
#include <cstdio>
#include <utility>

namespace velmorand {
namespace {

// The length of the UTF-8 character at the start of text, and whether it is well formed. A
// malformed one is as long as its longest well-formed beginning, at least one byte, as the
// browser's TextDecoder reads it, so that what follows it is read as it was written.
struct Utf8Character {
    std::size_t Length = 1;
    bool WellFormed = true;
};

Utf8Character NextCharacter(std::string_view text) {
    const auto byte = [text](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(0);
    if (lead < 0x80)
        return {};
    std::size_t length = 0;
    unsigned char low = 0x80; // the range of the second byte; later ones are 80...BF
    unsigned char high = 0xbf;
    if (lead >= 0xc2 && lead <= 0xdf) {
        length = 2;
    } else if (lead >= 0xe0 && lead <= 0xef) {
        length = 3;
        low = lead == 0xe0 ? 0xa0 : low;   // no overlong form
        high = lead == 0xed ? 0x9f : high; // no UTF-16 surrogate
    } else if (lead >= 0xf0 && lead <= 0xf4) {
        length = 4;
        low = lead == 0xf0 ? 0x90 : low;   // no overlong form
        high = lead == 0xf4 ? 0x8f : high; // nothing beyond U+10FFFF
    } else {
        return {1, false};
    }
    for (std::size_t i = 1; i < length; ++i) {
        if (i >= text.size() || byte(i) < low || byte(i) > high)
            return {i, false};
        low = 0x80;
        high = 0xbf;
    }
    return {length, true};
}

} // namespace

void AppendQuoted(std::string& out, std::string_view text) {
    out += '"';
    for (std::size_t i = 0; i < text.size();) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += static_cast<char>(c);
            ++i;
        } else if (c < 0x20 || c == 0x7f) {
            std::array<char, 8> escaped{};
            std::snprintf(escaped.data(), escaped.size(), "\\u%04x", static_cast<unsigned>(c));
            out += escaped.data();
            ++i;
        } else if (c < 0x80) { // the usual case, kept short for a pasted million digits
            out += static_cast<char>(c);
            ++i;
        } else {
            const Utf8Character character = NextCharacter(text.substr(i));
            if (character.WellFormed)
                out.append(text.substr(i, character.Length));
            else
                out += "\\ufffd"; // U+FFFD, the replacement character
            i += character.Length;
        }
    }
    out += '"';
}

void AppendCssColour(std::string& out, std::uint32_t rgb) {
    std::array<char, 10> css{};
    std::snprintf(css.data(), css.size(), "\"#%06x\"", static_cast<unsigned>(rgb & 0xFFFFFF));
    out += css.data();
}

void AppendShort(std::string& out, double value) {
    std::array<char, 32> digits{};
    std::snprintf(digits.data(), digits.size(), "%.6g", value);
    out += digits.data();
}

namespace {
std::string answer;
} // namespace

const char* Answer(std::string text) {
    answer = std::move(text);
    return answer.c_str();
}

} // namespace velmorand
