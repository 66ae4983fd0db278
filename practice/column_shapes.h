// The column as shapes on squared paper, in cell units, for every front end to scale to its
// pixels and paint in the order given: the paper's top left corner is (0, 0) and a cell is 1
// wide and 1 high, with the squares ruled along every whole number. The grid's cell (row r,
// column c) stands at (c + 1, r + 1): a margin of one cell all round holds the first minus.
#pragma once

#include "grid.h"

#include <vector>

namespace velmorand {

enum class ShapeKind {
    Lit,         // a part of the column a hint speaks of: filled only, a row's cells as one
    Current,     // where the current answer goes: filled and edged, a row's cells as one
    Digit,       // a written digit, centred in its cell
    Placeholder, // a quotient digit still to find: a round dot in the cell's middle
    Line,        // the corner and the line under each product
    Minus,       // before each subtraction
};

struct ColumnShape {
    ShapeKind Kind = ShapeKind::Digit;
    double Left = 0;
    double Top = 0;
    double Width = 0;
    double Height = 0;
    char Digit = 0; // a Digit's

    bool operator==(const ColumnShape&) const = default;
};

// How large the paper is, in cells.
struct PaperSize {
    int Columns = 0;
    int Rows = 0;

    bool operator==(const PaperSize&) const = default;
};

// Every line and minus is this thick, in cells.
inline constexpr double StrokeCells = 1.0 / 12;

// The paper the largest column of a level needs: a window that sizes its cells by it keeps
// them the same from one problem of the level to the next.
PaperSize LevelPaper(int level);
// And the paper for problems of at most these digits.
PaperSize PaperForDigits(LevelDigits most);

// The paper the grid itself needs, margin included.
PaperSize PaperFor(const Grid& grid);

// The grid's shapes: the lit cells first, then the current ones over them, so that what is
// written stands on both.
// A minus stands in the cell left of the first digit of the longer of the two numbers it
// separates, halfway between their rows, as in an exercise book.
std::vector<ColumnShape> ColumnShapes(const Grid& grid);

} // namespace velmorand
