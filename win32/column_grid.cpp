#include "column_grid.h"

#include "focus_mark.h"
#include "practice/column_shapes.h"
#include "window/practice_look.h"

#include <algorithm>
#include <cmath>

namespace velmorand {
namespace {

// A device context to draw into off the screen, with its picture, so that the column never
// flickers while it is redrawn.
class OffScreen {
public:
    OffScreen(HDC screen, int width, int height)
        : dc_(CreateCompatibleDC(screen)), picture_(CreateCompatibleBitmap(screen, width, height)),
          old_(SelectObject(dc_, picture_.get())) {}
    ~OffScreen() {
        SelectObject(dc_, old_);
        DeleteDC(dc_);
    }
    OffScreen(const OffScreen&) = delete;
    OffScreen& operator=(const OffScreen&) = delete;
    HDC get() const { return dc_; }

private:
    HDC dc_;
    Bitmap picture_;
    HGDIOBJ old_;
};

void Fill(HDC dc, const RECT& rect, Rgb colour) {
    const Brush brush(CreateSolidBrush(ToColorRef(colour)));
    FillRect(dc, &rect, brush.get());
}

// A shape's cells in pixels.
RECT Pixels(const ColumnShape& shape, int cell) {
    const auto at = [cell](double cells) { return static_cast<int>(std::lround(cells * cell)); };
    return {at(shape.Left), at(shape.Top), at(shape.Left + shape.Width),
            at(shape.Top + shape.Height)};
}

// A line or a minus: never thinner than the stroke, about its own middle.
RECT Stroke(RECT rect, int thickness) {
    const auto widen = [thickness](LONG& from, LONG& to) {
        if (to - from >= thickness)
            return;
        from = (from + to - thickness) / 2;
        to = from + thickness;
    };
    if (rect.right - rect.left < rect.bottom - rect.top)
        widen(rect.left, rect.right);
    else
        widen(rect.top, rect.bottom);
    return rect;
}

// The squares, one pixel wide on every cell's edge, the paper's last edges included.
void RuleSquares(HDC dc, int width, int height, int cell) {
    for (int x = 0; x < width; x += cell)
        Fill(dc, {x, 0, x + 1, height}, PracticeColours.Squares);
    for (int y = 0; y < height; y += cell)
        Fill(dc, {0, y, width, y + 1}, PracticeColours.Squares);
    Fill(dc, {width - 1, 0, width, height}, PracticeColours.Squares);
    Fill(dc, {0, height - 1, width, height}, PracticeColours.Squares);
}

void DrawShape(HDC dc, const ColumnShape& shape, int cell, HFONT digits) {
    const RECT place = Pixels(shape, cell);
    const int stroke = StrokePixels(cell);
    switch (shape.Kind) {
    case ShapeKind::Lit:
        Fill(dc, place, PracticeColours.LitFill);
        break;
    case ShapeKind::Current: {
        Fill(dc, place, PracticeColours.CurrentFill);
        const int edge = stroke;
        Fill(dc, {place.left, place.top, place.right, place.top + edge},
             PracticeColours.CurrentEdge);
        Fill(dc, {place.left, place.bottom - edge, place.right, place.bottom},
             PracticeColours.CurrentEdge);
        Fill(dc, {place.left, place.top, place.left + edge, place.bottom},
             PracticeColours.CurrentEdge);
        Fill(dc, {place.right - edge, place.top, place.right, place.bottom},
             PracticeColours.CurrentEdge);
        break;
    }
    case ShapeKind::Digit: {
        const HGDIOBJ old = SelectObject(dc, digits);
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, ToColorRef(PracticeColours.Ink));
        const wchar_t digit = static_cast<wchar_t>(shape.Digit);
        RECT box = place;
        DrawTextW(dc, &digit, 1, &box, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
        SelectObject(dc, old);
        break;
    }
    case ShapeKind::Placeholder: {
        const Brush brush(CreateSolidBrush(ToColorRef(PracticeColours.Placeholder)));
        const HGDIOBJ oldBrush = SelectObject(dc, brush.get());
        const HGDIOBJ oldPen = SelectObject(dc, GetStockObject(NULL_PEN));
        // A null pen leaves the bottom and right edge out: one pixel more each way.
        Ellipse(dc, place.left, place.top, place.right + 1, place.bottom + 1);
        SelectObject(dc, oldPen);
        SelectObject(dc, oldBrush);
        break;
    }
    case ShapeKind::Line:
        Fill(dc, Stroke(place, stroke), PracticeColours.Lines);
        break;
    case ShapeKind::Minus:
        Fill(dc, Stroke(place, stroke), PracticeColours.Minus);
        break;
    }
}

} // namespace

Font WritingFont(int pixelHeight, bool bold) {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof(metrics);
    LOGFONTW font{};
    if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0))
        font = metrics.lfMessageFont;
    else
        lstrcpynW(font.lfFaceName, L"Tahoma", LF_FACESIZE);
    font.lfHeight = -std::max(1, pixelHeight);
    font.lfWidth = 0;
    font.lfWeight = bold ? FW_BOLD : FW_NORMAL;
    font.lfItalic = FALSE;
    font.lfCharSet = DEFAULT_CHARSET;
    font.lfQuality = CLEARTYPE_QUALITY;
    return Font(CreateFontIndirectW(&font));
}

void DrawColumn(HDC screen, const RECT& box, const Grid& grid, int cellPixels, int dotsPerInch,
                bool focused) {
    const int width = box.right - box.left;
    const int height = box.bottom - box.top;
    if (width <= 0 || height <= 0 || cellPixels <= 0)
        return;
    OffScreen off(screen, width, height);
    const HDC dc = off.get();
    Fill(dc, {0, 0, width, height}, PracticeColours.Paper);
    RuleSquares(dc, width, height, cellPixels);
    const Font digits =
        WritingFont(static_cast<int>(std::lround(cellPixels * DigitShareOfCell)), false);
    for (const ColumnShape& shape : ColumnShapes(grid))
        DrawShape(dc, shape, cellPixels, digits.get());
    if (focused)
        DrawFocusMark(dc, {0, 0, width, height}, dotsPerInch);
    BitBlt(screen, box.left, box.top, width, height, dc, 0, 0, SRCCOPY);
}

} // namespace velmorand
