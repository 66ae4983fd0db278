// The column as the pupil writes it in an exercise book of squared paper, one digit per cell.
// Row 0 holds a's digits in columns 0 ... n - 1 and b's from column n on; the quotient's
// digits stand in row 1 from column n on. Below a, each product has its own row, and each
// difference with its brought-down digits the next one; every number's last digit stands in
// the column of the last digit of a that it reaches. A number is written as its value is,
// with no leading 0: a difference of 0 followed by a brought-down digit is not written, and
// the row then shows the partial dividend the digits brought down make (after 6 − 6, bringing
// down 0 shows «0», then 1 shows «1», then 8 «18»); the final remainder is written, 0
// included.
#pragma once

#include "problems.h"
#include "steps.h"

#include <cstddef>
#include <span>
#include <string>
#include <vector>

namespace velmorand {

struct GridCell {
    int Row = 0;
    int Column = 0;
    char Digit = '0'; // a digit, or '.' for a quotient digit still to find

    bool operator==(const GridCell&) const = default;
};

// A line along the cells' edges: a vertical one down the left edge of Column from the top of
// Row, Length cells long; a horizontal one along the bottom edge of Row from the left edge of
// Column, Length cells long.
struct GridLine {
    bool Vertical = false;
    int Row = 0;
    int Column = 0;
    int Length = 0;

    bool operator==(const GridLine&) const = default;
};

// The parts of the column a hint speaks of, lit while it shows.
enum class ColumnPart {
    Dividend,
    Divisor,
    Partial,    // the current step's partial dividend, where it stands
    Product,    // the product under it, once written
    Difference, // the difference a bring adds a digit to
    NextDigit,  // the digit of a that the bring takes down
    Quotient,   // the quotient's row
    Remainder,  // the last number of the column
};

struct Grid {
    int Rows = 0;
    int Columns = 0;
    std::vector<GridCell> Cells;   // what is written
    std::vector<GridLine> Lines;   // the corner, and a line under each product
    std::vector<GridCell> Current; // the cells the current answer goes into, to highlight
    // Before each subtraction, a minus sign: drawn at the left edge of the cell, halfway up
    // to the row above, between the partial dividend and the product under it. The first
    // product's stands left of column 0: the paper needs a margin there.
    std::vector<GridCell> Minuses;
    std::vector<GridCell> Lit; // the cells of the parts asked for, as they stand
};

// The column after the first `answered` steps were answered right; the current answer's
// cells are those of step `answered`. Two steps light cells that tell nothing away: the
// first partial dividend lights all of a's digits (the answer is among them), the count
// only the quotient's first cell. Rounding the divisor lights b, a trial digit the quotient
// digit's cell; the checks light nothing, as they write nothing in the column. Rows and
// Columns are those of the finished column, so the paper keeps its size as the pupil writes.
//
// Lit holds the cells of each part in `lit` as it stands while step `answered` is asked; a
// part the step has none of lights nothing. The partial dividend is the one the step works
// on (for the count, the first one), none while a bring is still to make it; the product
// is lit for the difference, the difference and the next digit for a bring; the remainder
// once the column is done.
Grid ColumnGrid(const Problem& problem, std::span<const Step> steps, std::size_t answered,
                std::span<const ColumnPart> lit = {});

// The column read row by row, as a screen reader says it: "Строка 1. 7 2 4 0, делитель 8".
std::vector<std::string> SpokenRows(const Grid& grid);

} // namespace velmorand
