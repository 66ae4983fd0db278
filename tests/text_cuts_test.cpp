#include "worksheet/text_cuts.h"

#include <gtest/gtest.h>

#include <string_view>
#include <vector>

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
}

// Walking a text character by character, as the run brings down the dividend's digits.
TEST(TextCuts, TakesWholeCharactersOffTheFront) {
    const auto walk = [](std::string_view text) {
        std::vector<std::string_view> taken;
        while (!text.empty())
            taken.push_back(TakeFirstCharacter(text));
        taken.push_back(TakeFirstCharacter(text)); // an empty text gives an empty one
        return taken;
    };
    using Taken = std::vector<std::string_view>;
    EXPECT_EQ(walk("Ж1Ж"), (Taken{"Ж", "1", "Ж", ""}));
    EXPECT_EQ(walk("67"), (Taken{"6", "7", ""}));
    EXPECT_EQ(walk("\xD0\x35"), (Taken{"\xD0", "5", ""})); // a malformed byte on its own
}

} // namespace
} // namespace velmorand
