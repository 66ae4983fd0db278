#include "worksheet/text_cuts.h"

#include <gtest/gtest.h>

namespace velmorand {
namespace {

TEST(TextCuts, CountsCharactersNotBytes) {
    EXPECT_EQ(CharacterCount(""), 0u);
    EXPECT_EQ(CharacterCount("234567"), 6u);
    EXPECT_EQ(CharacterCount("ёёёёёё"), 6u);
    EXPECT_EQ(CharacterCount("1Ж€😀"), 4u);
}

TEST(TextCuts, CountsEveryMalformedByteAsOneCharacter) {
    EXPECT_EQ(CharacterCount("\xD0"), 1u);             // lead byte cut off
    EXPECT_EQ(CharacterCount("\xD0\x31"), 2u);         // lead byte without continuation
    EXPECT_EQ(CharacterCount("\x80\x80"), 2u);         // stray continuations
    EXPECT_EQ(CharacterCount("\xC0\xAF"), 2u);         // overlong "/"
    EXPECT_EQ(CharacterCount("\xED\xA0\x80"), 3u);     // surrogate
    EXPECT_EQ(CharacterCount("\xF4\x90\x80\x80"), 4u); // beyond U+10FFFF
    EXPECT_EQ(CharacterCount("\xE2\x82"), 2u);         // three-byte character cut short
}

TEST(TextCuts, CutsWholeCharacters) {
    EXPECT_EQ(FirstCharacters("12", 3), "12");
    EXPECT_EQ(FirstCharacters("234567", 2), "23");
    EXPECT_EQ(FirstCharacters("Ж1Ж", 2), "Ж1");
    EXPECT_EQ(FirstCharacters("abc", 0), "");
    EXPECT_EQ(CharacterAt("Ж1Ж", 1), "Ж");
    EXPECT_EQ(CharacterAt("Ж1Ж", 3), "Ж");
    EXPECT_EQ(CharacterAt("234567", 6), "7");
    EXPECT_EQ(CharacterAt("234567", 7), "");
    EXPECT_EQ(CharacterAt("234567", 0), "");
    EXPECT_EQ(CharacterAt("\xD0\x35", 2), "5");
}

} // namespace
} // namespace velmorand
