#include "column_shapes.h"

#include "problems.h"

#include <algorithm>
#include <utility>

namespace velmorand {

namespace {

constexpr double DotCells = 0.2;
constexpr double MinusCells = 0.5;

bool Written(const Grid& grid, int row, int column) {
    return std::any_of(grid.Cells.begin(), grid.Cells.end(), [&](const GridCell& cell) {
        return cell.Row == row && cell.Column == column;
    });
}

// Where the corner's vertical line stands: b and the quotient are right of it.
int CornerColumn(const Grid& grid) {
    for (const GridLine& line : grid.Lines)
        if (line.Vertical)
            return line.Column;
    return grid.Columns;
}

// The first column of the number in `row` whose last digit stands in `last`.
int FirstColumn(const Grid& grid, int row, int last) {
    int first = last;
    while (first > 0 && Written(grid, row, first - 1))
        --first;
    return first;
}

// The minus before the product whose first digit is `product`: left of the partial dividend
// above it, which ends where the product ends, or left of the product where that is longer.
ColumnShape MinusBefore(const Grid& grid, const GridCell& product) {
    int last = product.Column;
    while (Written(grid, product.Row, last + 1))
        ++last;
    int above = FirstColumn(grid, product.Row - 1, std::min(last, CornerColumn(grid) - 1));
    const int column = std::min(above, product.Column) - 1;
    const double middle = product.Row + 1; // the edge between the two rows
    return {ShapeKind::Minus, column + 1 + (1 - MinusCells) / 2, middle - StrokeCells / 2,
            MinusCells, StrokeCells};
}

ColumnShape LineShape(const GridLine& line) {
    if (line.Vertical)
        return {ShapeKind::Line, line.Column + 1 - StrokeCells / 2, line.Row + 1.0, StrokeCells,
                double(line.Length)};
    return {ShapeKind::Line, line.Column + 1.0, line.Row + 2 - StrokeCells / 2, double(line.Length),
            StrokeCells};
}

ColumnShape CellShape(const GridCell& cell) {
    if (cell.Digit == '.')
        return {ShapeKind::Placeholder, cell.Column + 1 + (1 - DotCells) / 2,
                cell.Row + 1 + (1 - DotCells) / 2, DotCells, DotCells};
    return {ShapeKind::Digit, cell.Column + 1.0, cell.Row + 1.0, 1, 1, cell.Digit};
}

// Neighbouring cells of a row are one shape: the answer's place framed as one, a lit number
// filled as one.
void AddRuns(std::vector<ColumnShape>& shapes, ShapeKind kind, std::vector<GridCell> cells) {
    std::sort(cells.begin(), cells.end(), [](const GridCell& x, const GridCell& y) {
        return std::pair(x.Row, x.Column) < std::pair(y.Row, y.Column);
    });
    for (std::size_t i = 0; i < cells.size(); ++i) {
        if (i > 0 && cells[i].Row == cells[i - 1].Row && cells[i].Column == cells[i - 1].Column + 1)
            shapes.back().Width += 1;
        else
            shapes.push_back({kind, cells[i].Column + 1.0, cells[i].Row + 1.0, 1, 1});
    }
}

} // namespace

PaperSize LevelPaper(int level) { return PaperForDigits(MostDigitsOf(level)); }

PaperSize PaperForDigits(LevelDigits most) {
    const int quotient = most.Dividend - most.Divisor + 1;
    // A product and a difference for each quotient digit, under a's row.
    return {most.Dividend + std::max(most.Divisor, quotient) + 2, 1 + 2 * quotient + 2};
}

PaperSize PaperFor(const Grid& grid) { return {grid.Columns + 2, grid.Rows + 2}; }

std::vector<ColumnShape> ColumnShapes(const Grid& grid) {
    std::vector<ColumnShape> shapes;
    AddRuns(shapes, ShapeKind::Lit, grid.Lit);
    AddRuns(shapes, ShapeKind::Current, grid.Current);
    for (const GridCell& cell : grid.Cells)
        shapes.push_back(CellShape(cell));
    for (const GridLine& line : grid.Lines)
        shapes.push_back(LineShape(line));
    for (const GridCell& product : grid.Minuses)
        shapes.push_back(MinusBefore(grid, product));
    return shapes;
}

} // namespace velmorand
