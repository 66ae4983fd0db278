// The printed sheets for a class: A4 pages of squared paper with the problems of a level and
// variant, each begun as a pupil begins it in an exercise book, and the answer key with the
// worked columns. This is everything about each page, in millimetres, for any front end to
// draw as it is: the Qt program's PDF writer and the browser's print draw the same pages from
// it. What each mark is drawn in (the ruling's colour and width, the ink, the key's grey) is
// the palette's, window/practice_look.h, as for the practice window's column: the front ends'
// painters read it there, as this core comes before the window's and cannot.
//
// Coordinates are millimetres from the page's top-left corner, x to the right, y down. Cells
// are exactly Cell mm wide and high when printed at 100 %.
#pragma once

#include "problems.h"

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace velmorand {

// The font every text of the sheets is written in: the PDF and the page embed it.
inline constexpr char PrintedFontFamily[] = "Liberation Sans";

inline constexpr int MostPrintedVariants = 4;
inline constexpr int MostPrintedProblems = 40;

// The preview's pages on a screen, in logical pixels to the millimetre: an A4 page 420 wide,
// the 5 mm cells' digits still 10 pixels high, with room left beside it for the choices on a
// laptop's screen.
inline constexpr double PreviewPixelsPerMillimetre = 2;

// What the teacher chooses. The values here are what the choices begin with, in every front
// end and on the command line.
struct PrintedSheetsOptions {
    int Level = 1;       // 1-LevelCount
    int Variant = 1;     // 1-MostVariant: the first variant's number
    int Variants = 1;    // 1-MostPrintedVariants: variant, variant + 1 ...
    int Problems = 0;    // per variant, 1-MostPrintedProblems; 0 is as many as fit on a page
    bool Answers = true; // each variant followed by its answer key: what a teacher wants
    bool Large = false;  // cells of 10 mm for pupils who see poorly, instead of 5 mm
    // The teacher's own problems, in their order, instead of the level's: one variant of all
    // of them, its pages named «Свои примеры».
    std::vector<velmorand::Problem> Set{};

    bool operator==(const PrintedSheetsOptions&) const = default;
};

// Each value out of range taken as the nearest in range.
PrintedSheetsOptions ClampPrintedSheetsOptions(const PrintedSheetsOptions& options);

// The i-th variant (from 0) of a set starting at `variant`: after MostVariant comes 1.
int PrintedVariant(int variant, int i);

// How many problems each variant of the set has: as many as asked for, or with 0 as many as
// fit on one page for every variant of the set, so that every variant has the same number.
// The teacher's own problems are all printed.
int PrintedProblemCount(const PrintedSheetsOptions& options);

// A variant's problems as its sheet has them with the choices' first values: what the practice
// window counts as the variant, and the teacher's journal reads the codes of.
std::vector<velmorand::Problem> SheetVariantProblems(int level, int variant);

// ---- the choices, as every front end shows them ----

// Which of the options a control sets.
enum class PrintedChoice { None, Level, Variant, Variants, Problems, Answers, Large };

enum class PrintedControlKind {
    NumberList,  // one of Lowest ... Highest, taken as soon as it changes
    NumberField, // typed; taken on Enter or when the focus leaves it
    Check,       // on or off
    Button,
    PageCount, // says how many pages the choices make
    Pages,     // the preview: each page as it will be printed
};

enum class PrintedCommand { None, Print, SavePdf, Close };

struct PrintedControl {
    const char* Name = nullptr; // object names in Qt, ids in the page
    PrintedControlKind Kind = PrintedControlKind::NumberList;
    const char* Text = nullptr; // a number's label, a check's or a button's words
    PrintedChoice Sets = PrintedChoice::None;
    // The option's word: "--level 5" on the command line, "level=5" in the page's choices.
    const char* Word = nullptr;
    int Lowest = 0;
    int Highest = 0;
    const char* LowestText = nullptr; // shown for Lowest instead of the number, when given
    PrintedCommand Command = PrintedCommand::None;
    bool WritesFile = false; // a front end that writes no files leaves it out
};

// The level, the first variant, how many variants, how many problems, the key, large cells,
// the page count, Print, Save PDF, Close and the preview: in the order the focus moves.
std::span<const PrintedControl> PrintedControls();

const PrintedControl* FindPrintedControl(std::string_view name);

// The value a choice has in the options (a check's as 0 or 1), and the options with it set.
int ChoiceValue(const PrintedSheetsOptions& options, PrintedChoice choice);
void SetChoice(PrintedSheetsOptions& options, PrintedChoice choice, int value);

// ---- the pages ----

struct PrintedPoint {
    double X = 0;
    double Y = 0;

    bool operator==(const PrintedPoint&) const = default;
};

struct PrintedRect {
    double X = 0; // left
    double Y = 0; // top
    double Width = 0;
    double Height = 0;

    bool operator==(const PrintedRect&) const = default;
};

// Where the squared paper is ruled: Columns × Rows cells of Pitch mm, the first one's top-left
// at Origin. Front ends rule it in PracticeColours.Squares, SheetRulingMillimetres wide, under
// everything else.
struct PrintedSquares {
    PrintedPoint Origin{};
    int Columns = 0;
    int Rows = 0;
    double Pitch = 0;

    bool operator==(const PrintedSquares&) const = default;
};

// A text, in one of two ways:
// - InCell: a digit (one per cell, so every front end puts it in the same place), centred
//   horizontally and vertically in Cell;
// - otherwise: its left end at X on the baseline Y; Width is the room it has, and a front
//   end whose font draws it wider shrinks it to fit.
// Size is the font's size (its em) in mm. Texts are UTF-8.
struct PrintedText {
    std::string Text{};
    bool InCell = false;
    PrintedRect Cell{};
    double X = 0;
    double Baseline = 0;
    double Width = 0;
    double Size = 0;
    bool Grey = false; // the answer key's worked columns, in PracticeColours.SheetGrey

    bool operator==(const PrintedText&) const = default;
};

// A straight line Width mm thick, with square ends that do not overrun From and To: the
// column's corner, its lines and its minus signs, and the header's blanks.
struct PrintedLine {
    PrintedPoint From{};
    PrintedPoint To{};
    double Width = 0;
    bool Grey = false;

    bool operator==(const PrintedLine&) const = default;
};

// A problem's place on its page. Area holds its number, its column and the empty room below
// for the pupil's work (with the key, the answer line, the worked column and, where the level
// checks by multiplication, the check under it), and nothing else: every area of a variant
// is as wide as its widest problem needs, and areas are at least four normal cells (20 mm)
// apart. Column is the top-left corner of the dividend's first digit's cell; the column's
// cells run right and down from it. On the key, the answer line takes the area's first row
// and the worked column stands a row lower.
// Problems stand in reading order: left to right in a row, the rows top to bottom.
struct PrintedProblem {
    int Number = 0; // 1, 2 ... as printed: "1."
    velmorand::Problem Problem{};
    PrintedRect Area{};
    PrintedPoint Column{};

    bool operator==(const PrintedProblem&) const = default;
};

enum class PrintedPageKind { Problems, Answers };

struct PrintedPage {
    PrintedPageKind Kind = PrintedPageKind::Problems;
    int Level = 1;
    int Variant = 1;
    int Sheet = 1;            // of the variant's problems, from 1; its key's pages count the same
    int Sheets = 1;           // how many pages the variant's problems take
    bool OwnProblems = false; // the teacher's set, not a level's variant
    double Width = 210;       // A4, portrait
    double Height = 297;
    double Margin = 15; // on all four sides: nothing is drawn nearer the edge
    double Cell = 5;
    PrintedSquares Squares{};
    std::vector<PrintedProblem> Problems{}; // in order, the same on a page and its key
    std::vector<PrintedText> Texts{};
    std::vector<PrintedLine> Lines{};

    bool operator==(const PrintedPage&) const = default;
};

// The answer key's line of a problem: "7240 : 8 = 905", "7945 : 40 = 198 (ост. 25)".
std::string PrintedAnswer(const Problem& problem);

// Every page, in order: each variant's problems, on as many pages as they take, followed by
// its key's pages when asked. The same options always give the same pages.
std::vector<PrintedPage> MakePrintedSheets(const PrintedSheetsOptions& options);

} // namespace velmorand
