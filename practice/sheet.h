// Printed worksheets for a class: A4 pages of squared paper with the problems of a level and
// variant, each begun as a pupil begins it in an exercise book, and the answer key. This is
// everything about each page, in millimetres, for any front end to draw as it is: the Qt
// program's PDF writer and the browser's print draw the same pages from it.
//
// Coordinates are millimetres from the page's top-left corner, x to the right, y down. Cells
// are exactly Cell mm wide and high when printed at 100 %.
#pragma once

#include "problems.h"

#include <string>
#include <vector>

namespace velmorand {

inline constexpr int MostSheetVariants = 4;
inline constexpr int MostSheetProblems = 40;

struct SheetOptions {
    int Level = 1;        // 1-8
    int Variant = 1;      // 1-999999: the first variant's number
    int Variants = 1;     // 1-4: variant, variant + 1 ... each on its own page
    int Problems = 0;     // per variant; 0, or more than fit, is as many as fit
    bool Answers = false; // each variant's page followed by its answer key
    bool Large = false;   // cells of 10 mm for pupils who see poorly, instead of 5 mm

    bool operator==(const SheetOptions&) const = default;
};

// Each value out of range taken as the nearest in range.
SheetOptions ClampSheetOptions(const SheetOptions& options);

// The variant on the i-th page (from 0) of a set starting at `variant`: after 999999 comes 1.
int SheetVariant(int variant, int i);

struct SheetPoint {
    double X = 0;
    double Y = 0;

    bool operator==(const SheetPoint&) const = default;
};

struct SheetRect {
    double X = 0; // left
    double Y = 0; // top
    double Width = 0;
    double Height = 0;

    bool operator==(const SheetRect&) const = default;
};

// The squared paper: Columns × Rows cells of Pitch mm, the first one's top-left at Origin.
// Front ends draw it in a faint colour, under everything else.
struct SheetGrid {
    SheetPoint Origin{};
    int Columns = 0;
    int Rows = 0;
    double Pitch = 0;

    bool operator==(const SheetGrid&) const = default;
};

// A text, in one of two ways:
// - InCell: a digit (one per cell, so every front end puts it in the same place), centred
//   horizontally and vertically in Cell;
// - otherwise: its left end at X on the baseline Y; Width is the room it has, and a front
//   end whose font draws it wider shrinks it to fit.
// Size is the font's size (its em) in mm. Texts are UTF-8.
struct SheetText {
    std::string Text{};
    bool InCell = false;
    SheetRect Cell{};
    double X = 0;
    double Baseline = 0;
    double Width = 0;
    double Size = 0;
    bool Grey = false; // the answer key's worked columns

    bool operator==(const SheetText&) const = default;
};

// A straight line Width mm thick, with square ends that do not overrun From and To.
struct SheetLine {
    SheetPoint From{};
    SheetPoint To{};
    double Width = 0;
    bool Grey = false;

    bool operator==(const SheetLine&) const = default;
};

// A problem's place on its page. Area holds its number, its column and the empty room below
// for the pupil's work (with the key, the answer line and the worked column), and nothing
// else: areas are at least four normal cells (20 mm) apart. Column is the top-left corner of
// the dividend's first digit's cell; the column's cells run right and down from it. On the
// key, the answer line takes the area's first row and the worked column stands a row lower.
struct SheetProblem {
    int Number = 0; // 1, 2 ... as printed: "1."
    velmorand::Problem Problem{};
    SheetRect Area{};
    SheetPoint Column{};

    bool operator==(const SheetProblem&) const = default;
};

enum class SheetPageKind { Problems, Answers };

struct SheetPage {
    SheetPageKind Kind = SheetPageKind::Problems;
    int Level = 1;
    int Variant = 1;
    double Width = 210; // A4, portrait
    double Height = 297;
    double Margin = 15; // on all four sides: nothing is drawn nearer the edge
    double Cell = 5;
    SheetGrid Grid{};
    std::vector<SheetProblem> Problems{}; // in order, the same on a page and its key
    std::vector<SheetText> Texts{};
    std::vector<SheetLine> Lines{};

    bool operator==(const SheetPage&) const = default;
};

// The problems of a variant in order with their places: as many of the first ones as were
// asked for and fit whole on the page, at least one.
std::vector<SheetProblem> PlaceSheetProblems(const SheetOptions& options, int variant);

// The answer key's line of a problem: "7240 : 8 = 905", "7945 : 40 = 198 (ост. 25)".
std::string SheetAnswer(const Problem& problem);

// Every page, in order: each variant's problems, followed by its key when asked. The same
// options always give the same pages.
std::vector<SheetPage> MakeSheets(const SheetOptions& options);

} // namespace velmorand
