// How the practice window and its printed sheets look, the same in every front end: the
// colours, the sizes of the cells and the texts, and where the narrow arrangement begins.
// Sizes are in the window's logical pixels (CSS pixels, Qt's device-independent pixels,
// Windows' pixels at 96 dpi).
#pragma once

#include "form1_layout.h"

namespace velmorand {

struct PracticePalette {
    Rgb Panel = 0xFFFFFF;       // the panel's background
    Rgb Text = 0x202124;        // the panel's texts
    Rgb Paper = 0xFDFDF8;       // the squared paper
    Rgb Squares = 0xC4D8EE;     // its ruling
    Rgb Ink = 0x1A237E;         // the digits
    Rgb Lines = 0x1A237E;       // the corner and the lines under the products
    Rgb Minus = 0x1A237E;       // the minus signs
    Rgb CurrentFill = 0xFFEF9A; // the current answer's cells
    Rgb CurrentEdge = 0xE67E00;
    Rgb LitFill = 0xD6E6FA;     // the parts of the column a hint speaks of: Ink on it is 10:1
    Rgb Placeholder = 0x7986CB; // a quotient digit still to find
    Rgb Right = 0x1B5E20;       // the feedback after a right answer
    Rgb Mistake = 0xB71C1C;     // after a mistake
    Rgb Hint = 0x0D47A1;        // a hint
    Rgb SheetGrey = 0x808080;   // the printed sheets' answer key: its worked columns
    Rgb SheetInk = 0x000000;    // everything else printed on the sheets
    Rgb SheetPaper = 0xFFFFFF;  // the sheets' paper, in a preview
    Rgb Bar = 0xEEF1F4;         // the bar of choices above the sheets' preview
    Rgb Edge = 0x8A8A8A;        // a button's edge, and a previewed page's
    Rgb DefaultEdge = 0x5170A8; // the edge of the button that Enter presses
};

inline constexpr PracticePalette PracticeColours{};

// The printed sheets rule their squares in PracticeColours.Squares, this wide.
inline constexpr double SheetRulingMillimetres = 0.1;

// A cell is never smaller than a finger's target nor larger than reads well from the back of
// a classroom.
inline constexpr int SmallestCellPixels = 24;
inline constexpr int LargestCellPixels = 160;

// Below this width the panel stands above the paper instead of beside it.
inline constexpr int NarrowBelowPixels = 720;

// The window's size at which the texts have their sizes below; a larger window scales them
// and the paper together, up to MostScale.
inline constexpr int DesignWidthPixels = 1024;
inline constexpr int DesignHeightPixels = 700;
inline constexpr double MostScale = 3;

// Every text and digit of the window, in the page too, which brings the face with it; Arial
// has the same metrics where Liberation Sans is missing (Windows).
inline constexpr const char* PracticeFace = "Liberation Sans";
inline constexpr const char* PracticeFaceElsewhere = "Arial";

// What a text is, and so its size.
enum class PracticeType {
    Label,
    Choice, // the level and the variant
    Problem,
    Question,
    Entry,
    Feedback,
    Button,
    Answer,
    Progress,
};

struct TypeSize {
    int Pixels = 0; // the text's height, at the design size
    bool Bold = false;
};

TypeSize SizeOf(PracticeType type);

// A digit's height in a cell, as a share of the cell.
inline constexpr double DigitShareOfCell = 0.72;

// A cell's lines in pixels: StrokeCells of a cell, never thinner than 2 pixels.
int StrokePixels(int cellPixels);

struct PracticeView;

// What the feedback line is drawn in: after a mistake, a hint or a right answer.
Rgb FeedbackColour(const PracticeView& view);

} // namespace velmorand
