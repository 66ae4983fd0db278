#include "column_grid.h"

#include "focus_mark.h"

#include <algorithm>

namespace velmorand {
namespace {

constexpr COLORREF PaperColour = RGB(255, 255, 255);
constexpr COLORREF Squares = RGB(196, 214, 238); // the faint lines of squared paper
constexpr COLORREF Ink = RGB(16, 32, 120);       // a pupil's blue pen
constexpr COLORREF Marked = RGB(255, 236, 140);  // where the answer goes

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

using Pen = GdiObject<HPEN>;

void Line(HDC dc, int fromX, int fromY, int toX, int toY) {
    MoveToEx(dc, fromX, fromY, nullptr);
    LineTo(dc, toX, toY);
}

struct Paper {
    int Left; // of column 0
    int Top;  // of row 0
    int Cell;
    RECT CellBox(int row, int column) const {
        return {Left + column * Cell, Top + row * Cell, Left + (column + 1) * Cell,
                Top + (row + 1) * Cell};
    }
};

// The squares over the whole box, lined up with the column's cells.
void DrawSquares(HDC dc, const RECT& box, const Paper& paper) {
    const Pen pen(CreatePen(PS_SOLID, 1, Squares));
    const HGDIOBJ old = SelectObject(dc, pen.get());
    const int firstX = paper.Left - (paper.Left - box.left) / paper.Cell * paper.Cell;
    for (int x = firstX; x < box.right; x += paper.Cell)
        Line(dc, x, box.top, x, box.bottom);
    const int firstY = paper.Top - (paper.Top - box.top) / paper.Cell * paper.Cell;
    for (int y = firstY; y < box.bottom; y += paper.Cell)
        Line(dc, box.left, y, box.right, y);
    SelectObject(dc, old);
}

void DrawDigits(HDC dc, const Grid& grid, const Paper& paper) {
    const Font font = WritingFont(paper.Cell * 17 / 20, false);
    const HGDIOBJ old = SelectObject(dc, font.get());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, Ink);
    const Brush ink(CreateSolidBrush(Ink));
    for (const GridCell& cell : grid.Cells) {
        RECT box = paper.CellBox(cell.Row, cell.Column);
        if (cell.Digit >= '0' && cell.Digit <= '9') {
            const wchar_t digit = static_cast<wchar_t>(cell.Digit);
            DrawTextW(dc, &digit, 1, &box, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
        } else { // a quotient digit still to find: the dot the textbooks put in its place
            const int r = std::max(2, paper.Cell / 12);
            const int x = (box.left + box.right) / 2;
            const int y = (box.top + box.bottom) / 2;
            const RECT dot{x - r, y - r, x + r, y + r};
            FillRect(dc, &dot, ink.get());
        }
    }
    SelectObject(dc, old);
}

void DrawLines(HDC dc, const Grid& grid, const Paper& paper) {
    const Pen pen(CreatePen(PS_SOLID, std::max(2, paper.Cell / 14), Ink));
    const HGDIOBJ old = SelectObject(dc, pen.get());
    for (const GridLine& line : grid.Lines) {
        const int x = paper.Left + line.Column * paper.Cell;
        if (line.Vertical) {
            const int y = paper.Top + line.Row * paper.Cell;
            Line(dc, x, y, x, y + line.Length * paper.Cell);
        } else {
            const int y = paper.Top + (line.Row + 1) * paper.Cell;
            Line(dc, x, y, x + line.Length * paper.Cell, y);
        }
    }
    SelectObject(dc, old);
}

// A minus before each subtraction, on the left edge of the product's first cell, halfway up
// to the partial dividend above it.
void DrawMinuses(HDC dc, const Grid& grid, const Paper& paper) {
    const Brush ink(CreateSolidBrush(Ink));
    const int half = std::max(3, paper.Cell / 5);
    const int thick = std::max(2, paper.Cell / 14);
    for (const GridCell& minus : grid.Minuses) {
        const int x = paper.Left + minus.Column * paper.Cell;
        const int y = paper.Top + minus.Row * paper.Cell;
        const RECT bar{x - half, y - thick / 2, x + half, y - thick / 2 + thick};
        FillRect(dc, &bar, ink.get());
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

void DrawColumn(HDC screen, const RECT& box, const Grid& grid, int mostCell, int dotsPerInch,
                bool focused) {
    const int width = box.right - box.left;
    const int height = box.bottom - box.top;
    if (width <= 0 || height <= 0)
        return;
    OffScreen off(screen, width, height);
    const HDC dc = off.get();
    const RECT whole{0, 0, width, height};
    const Brush paperBrush(CreateSolidBrush(PaperColour));
    FillRect(dc, &whole, paperBrush.get());

    // A free square all round: the first minus stands in the one on the left.
    const int across = std::max(grid.Columns, 1) + 2;
    const int down = std::max(grid.Rows, 1) + 2;
    const int cell = std::clamp(std::min(width / across, height / down), 4, std::max(4, mostCell));
    const Paper paper{(width - grid.Columns * cell) / 2, cell, cell};

    const Brush marked(CreateSolidBrush(Marked));
    for (const GridCell& current : grid.Current) {
        const RECT place = paper.CellBox(current.Row, current.Column);
        FillRect(dc, &place, marked.get());
    }
    DrawSquares(dc, whole, paper);
    DrawDigits(dc, grid, paper);
    DrawLines(dc, grid, paper);
    DrawMinuses(dc, grid, paper);
    if (focused)
        DrawFocusMark(dc, whole, dotsPerInch);
    BitBlt(screen, box.left, box.top, width, height, dc, 0, 0, SRCCOPY);
}

} // namespace velmorand
