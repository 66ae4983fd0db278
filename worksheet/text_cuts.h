// Field texts are UTF-8; the worksheet counts and cuts them by characters (code points).
// A byte that does not start a well-formed character counts as one character of its own.
#pragma once

#include <cstddef>
#include <string_view>

namespace velmorand {

std::size_t CharacterCount(std::string_view text);

// The first n characters, or the whole text when it has n characters or fewer.
std::string_view FirstCharacters(std::string_view text, std::size_t n);

// Removes the first character from the text and returns it; empty when the text is. Walking
// a text with it costs one pass over the text.
std::string_view TakeFirstCharacter(std::string_view& text);

} // namespace velmorand
