// The Windows program's fonts, measured with GetTextExtentPoint32 as Windows (here Wine)
// draws them: the fields' font keeps the column lined up at every screen density.
#include "win32/control_fonts.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace velmorand {
namespace {

TEST(ControlFonts, TwoSpacesAreOneDigitInTheFieldsFontAtEveryDensity) {
    for (const int dpi : {96, 120, 144, 192}) {
        const Font font = MakeControlFont(ControlFont{.Points = 12}, dpi);
        EXPECT_TRUE(KeepsTheColumn(font.get())) << dpi << " dpi";
        const int described = 12 * dpi / 72;
        EXPECT_LE(std::abs(ColumnFontHeight(dpi) - described), 4) << dpi << " dpi";
        LOGFONTW chosen{};
        GetObjectW(font.get(), sizeof(chosen), &chosen);
        EXPECT_EQ(-chosen.lfHeight, ColumnFontHeight(dpi));
        EXPECT_EQ(chosen.lfCharSet, RUSSIAN_CHARSET);
    }
}

TEST(ControlFonts, OtherSizesFollowTheDensity) {
    LOGFONTW title{};
    const Font font = MakeControlFont(ControlFont{.Points = 24}, 192);
    GetObjectW(font.get(), sizeof(title), &title);
    EXPECT_EQ(title.lfHeight, -64);
    LOGFONTW link{};
    const Font bold = MakeControlFont(ControlFont{.Points = 13.5, .Bold = true}, 96);
    GetObjectW(bold.get(), sizeof(link), &link);
    EXPECT_EQ(link.lfHeight, -18);
    EXPECT_EQ(link.lfWeight, FW_BOLD);
    EXPECT_FALSE(RealizedFace(bold.get()).empty());
}

} // namespace
} // namespace velmorand
