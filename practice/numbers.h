// Small helpers the practice core shares: reading what a pupil typed, writing numbers, and
// rewording a shown formula for a screen reader. Not part of what the front ends see.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace velmorand::practice_detail {

// The most problems a level's count holds, in the session and in the stored text.
inline constexpr int MostKeptCount = 999999999;

// No answer of any problem has more digits than this; a longer text is no answer at all,
// and its value could not be held without overflow.
inline constexpr std::size_t MostTypedDigits = 12;

struct TypedNumber {
    std::string_view Typed; // as typed, without the spaces around it: what feedback echoes
    std::uint64_t Value = 0;
};

// The typed text as a number: digits, with spaces (and no-break spaces) around them and
// between them allowed, as in "606 459". Reads the text once and copies none of it.
std::optional<TypedNumber> ReadTypedNumber(std::string_view typed);

std::string Digits(std::uint64_t value); // "7240"
int DigitCount(std::uint64_t value);

// A number as school writes it in a text: from five digits on, split into classes of three by
// a no-break space, "606 459"; "7240" stays whole.
std::string Grouped(std::uint64_t value);

// The first partial dividend: the shortest beginning of a's digits that is at least b, or
// all of a when none is.
std::uint32_t FirstPartial(std::uint32_t a, std::uint32_t b);

// The length of the well-formed UTF-8 character the text starts with, or 0.
std::size_t CharacterLength(std::string_view text);

// What a reason quotes of a typed text: its first `most` characters, with "…" when it had
// more, every control character a space and every byte that starts no well-formed UTF-8
// character a "?", so that whatever was pasted is shown and said safely.
std::string Echoed(std::string_view typed, std::size_t most);

// "1 цифра", "2 цифры", "5 цифр".
std::string DigitsPhrase(std::uint64_t count);

// The shown text worded for speech: "9 · 8" is read "9 умножить на 8", "72 − 72" as
// "72 минус 72", "=" as "равно" and "7240 : 8" as "7240 разделить на 8"; a colon after a
// word and a dash between words are pauses, "Проверка, ", and a number split into classes is said
// as one, "606459".
std::string Spoken(std::string_view shown);

} // namespace velmorand::practice_detail
