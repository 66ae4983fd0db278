#include "control_fonts.h"

#include "utf16.h"

#include <cmath>
#include <initializer_list>

namespace velmorand {

namespace {

constexpr double ColumnPoints = 12;
// How far from the described size the column font may go to line up.
constexpr int MostColumnAdjustment = 4;

int PixelHeight(double points, int dotsPerInch) {
    return static_cast<int>(std::lround(points * dotsPerInch / 72.0));
}

HFONT CreateFace(const wchar_t* face, int pixelHeight, bool bold) {
    return CreateFontW(-pixelHeight, 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE,
                       RUSSIAN_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                       DEFAULT_PITCH | FF_SWISS, face);
}

bool IsScalable(HFONT font) {
    ScreenDc screen;
    const HGDIOBJ old = SelectObject(screen.get(), font);
    TEXTMETRICW metrics{};
    GetTextMetricsW(screen.get(), &metrics);
    SelectObject(screen.get(), old);
    return (metrics.tmPitchAndFamily & TMPF_VECTOR) != 0;
}

// Where the described face is only a bitmap font (as "MS Sans Serif" is on Windows), which
// comes in a few sizes only, its scalable successor stands in. Found once: it is the same
// for every size.
const wchar_t* Face() {
    static const std::wstring described = ToUtf16(ControlFace);
    static const wchar_t* const face = [] {
        const Font font(CreateFace(described.c_str(), PixelHeight(ColumnPoints, 96), false));
        return IsScalable(font.get()) ? described.c_str() : L"Microsoft Sans Serif";
    }();
    return face;
}

Font FontOfHeight(int pixelHeight, bool bold) {
    return Font(CreateFace(Face(), pixelHeight, bold));
}

int TextWidth(HDC dc, const wchar_t* text) {
    SIZE size{};
    GetTextExtentPoint32W(dc, text, static_cast<int>(wcslen(text)), &size);
    return size.cx;
}

} // namespace

bool KeepsTheColumn(HFONT font) {
    ScreenDc screen;
    const HGDIOBJ old = SelectObject(screen.get(), font);
    const bool keeps =
        TextWidth(screen.get(), L"  ") == TextWidth(screen.get(), L"0") &&
        TextWidth(screen.get(), L"            ") == TextWidth(screen.get(), L"000000");
    SelectObject(screen.get(), old);
    return keeps;
}

int ColumnFontHeight(int dotsPerInch) {
    const int described = PixelHeight(ColumnPoints, dotsPerInch);
    for (int step = 0; step <= MostColumnAdjustment; ++step) {
        for (const int height : {described - step, described + step}) {
            if (height > 0 && KeepsTheColumn(FontOfHeight(height, false).get()))
                return height;
        }
    }
    return described; // no size nearby lines up: keep the described one
}

Font MakeControlFont(const ControlFont& font, int dotsPerInch) {
    if (font.Points == ColumnPoints && !font.Bold)
        return FontOfHeight(ColumnFontHeight(dotsPerInch), false);
    const double points = font.Points > 0 ? font.Points : WindowPoints;
    return FontOfHeight(PixelHeight(points, dotsPerInch), font.Bold);
}

std::wstring RealizedFace(HFONT font) {
    ScreenDc screen;
    const HGDIOBJ old = SelectObject(screen.get(), font);
    wchar_t face[LF_FACESIZE] = {};
    GetTextFaceW(screen.get(), LF_FACESIZE, face);
    SelectObject(screen.get(), old);
    return face;
}

} // namespace velmorand
