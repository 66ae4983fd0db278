#include "sheet.h"

#include "grid.h"
#include "numbers.h"
#include "steps.h"

#include <algorithm>
#include <optional>

namespace velmorand {

using practice_detail::Digits;

namespace {

constexpr double PageWidth = 210; // A4
constexpr double PageHeight = 297;
constexpr double Margin = 15;

// Texts other than digits are given the room this many em per character would take: wider
// than most fonts' digits and letters, so the room is seldom too small.
constexpr double EmPerCharacter = 0.6;
constexpr double HeaderSize = 4; // mm: about 11 points
constexpr double FooterSize = 3.5;
constexpr double HeaderBaseline = Margin + 7;
constexpr double CapHeight = 0.7;   // a digit's height in em, in most fonts
constexpr double BlankWidth = 0.25; // the lines the pupil writes the name, class and date on

// The two papers. Problems stand 20 mm apart on both: four normal cells, two large ones, as
// four large cells would leave room for a single long problem on the page. The header takes
// 15 mm, or 10 where large cells make room dear; the footer one or two cells at the bottom.
struct Paper {
    double Cell = 0;
    int Gap = 0;          // cells between problems, across and down
    int LabelColumns = 0; // cells for the problem's number, "12."
    int HeaderRows = 0;
    int FooterRows = 0;
    double DigitSize = 0; // mm
    double PenWidth = 0;  // the corner and the lines under products, mm

    int Columns() const { return static_cast<int>((PageWidth - 2 * Margin) / Cell); }
    int Rows() const { return static_cast<int>((PageHeight - 2 * Margin) / Cell); }
};

constexpr Paper NormalPaper{5, 4, 2, 3, 2, 3.5, 0.35};
constexpr Paper LargePaper{10, 2, 1, 1, 1, 7, 0.6};

const Paper& PaperFor(bool large) { return large ? LargePaper : NormalPaper; }

// ---- where the problems go, in cells of the page's grid ----

struct Block {
    int Columns = 0;
    int Rows = 0;
};

struct CellPlace {
    int Row = 0;
    int Column = 0;
};

// A problem's room: its number, then its column; the dividend's row and below it two rows
// per quotient digit and two more, or more when the worked column and the key's answer line
// above it need them.
Block BlockOf(const Problem& problem, const Paper& paper) {
    const Grid worked = ColumnGrid(problem, SolutionSteps(problem), 0);
    const int quotientDigits = practice_detail::DigitCount(problem.Dividend / problem.Divisor);
    return {paper.LabelColumns + worked.Columns,
            std::max(1 + 2 * quotientDigits + 2, worked.Rows + 1)};
}

// The blocks in columns across the page, each as wide as the widest block, taken in turns
// (1 and 2 side by side, 3 under 1, 4 under 2 ...); each stands the gap below the one
// before it in its column, so a short problem leaves no room unused beside a tall one.
// Nothing when they do not all fit whole.
std::optional<std::vector<CellPlace>> Arrange(const std::vector<Block>& blocks,
                                              const Paper& paper) {
    int slot = 0;
    for (const Block& block : blocks)
        slot = std::max(slot, block.Columns);
    const int across = (paper.Columns() + paper.Gap) / (slot + paper.Gap);
    if (across == 0)
        return std::nullopt;
    const int bottom = paper.Rows() - paper.FooterRows;
    std::vector<int> next(static_cast<std::size_t>(across), paper.HeaderRows); // each column's
    std::vector<CellPlace> places;
    for (std::size_t i = 0; i < blocks.size(); ++i) {
        int& row = next[i % next.size()];
        if (row + blocks[i].Rows > bottom)
            return std::nullopt;
        places.push_back({row, static_cast<int>(i % next.size()) * (slot + paper.Gap)});
        row += blocks[i].Rows + paper.Gap;
    }
    return places;
}

int ProblemsWanted(const SheetOptions& options) {
    return options.Problems == 0 ? MostSheetProblems : options.Problems;
}

// ---- texts ----

int CharacterCount(const std::string& text) {
    return static_cast<int>(std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

double RoomFor(const std::string& text, double size) {
    return CharacterCount(text) * EmPerCharacter * size;
}

SheetText Written(std::string text, double x, double baseline, double width, double size) {
    return {.Text = std::move(text), .X = x, .Baseline = baseline, .Width = width, .Size = size};
}

// A text on the baseline of a row of cells, where a digit centred in the same row stands.
double RowBaseline(double top, const Paper& paper) {
    return top + (paper.Cell + CapHeight * paper.DigitSize) / 2;
}

std::string NumberLabel(int number) { return Digits(static_cast<std::uint64_t>(number)) + "."; }

// «Фамилия, имя ____ Класс ____ Дата ____ Вариант N», the blanks as lines.
void AddHeader(SheetPage& page, int variant) {
    constexpr struct {
        const char* Label;
        double Blank; // mm
    } Fields[] = {{"Фамилия, имя", 48}, {"Класс", 12}, {"Дата", 20}};
    double x = Margin;
    for (const auto& field : Fields) {
        const double room = RoomFor(field.Label, HeaderSize);
        page.Texts.push_back(Written(field.Label, x, HeaderBaseline, room, HeaderSize));
        x += room + 1.5;
        page.Lines.push_back(
            {{x, HeaderBaseline + 0.5}, {x + field.Blank, HeaderBaseline + 0.5}, BlankWidth});
        x += field.Blank + 3;
    }
    const std::string name = "Вариант " + Digits(static_cast<std::uint64_t>(variant));
    page.Texts.push_back(Written(name, x, HeaderBaseline, RoomFor(name, HeaderSize), HeaderSize));
}

void AddKeyHeader(SheetPage& page, int variant) {
    const std::string title = "Ответы. Вариант " + Digits(static_cast<std::uint64_t>(variant));
    page.Texts.push_back(
        Written(title, Margin, HeaderBaseline, RoomFor(title, HeaderSize), HeaderSize));
}

// What makes the same sheet again: «Уровень 5, вариант 42 · Velmorand».
void AddFooter(SheetPage& page, const Paper& paper) {
    std::string text = "Уровень " + Digits(static_cast<std::uint64_t>(page.Level)) + ", вариант " +
                       Digits(static_cast<std::uint64_t>(page.Variant));
    if (page.Kind == SheetPageKind::Answers)
        text += ", ответы";
    text += " \xC2\xB7 Velmorand"; // U+00B7, the middle dot
    const double gridBottom = page.Grid.Origin.Y + paper.Rows() * paper.Cell;
    page.Texts.push_back(Written(text, Margin, gridBottom - 3, PageWidth - 2 * Margin, FooterSize));
}

// ---- the column ----

// The column's digits and lines, the cell of row 0 and column 0 at `origin`.
void AddColumn(SheetPage& page, const Grid& grid, SheetPoint origin, const Paper& paper,
               bool grey) {
    const double cell = paper.Cell;
    for (const GridCell& written : grid.Cells) {
        if (written.Digit == '.')
            continue;
        const SheetRect box{origin.X + written.Column * cell, origin.Y + written.Row * cell, cell,
                            cell};
        page.Texts.push_back({.Text = std::string(1, written.Digit),
                              .InCell = true,
                              .Cell = box,
                              .Size = paper.DigitSize,
                              .Grey = grey});
    }
    for (const GridLine& line : grid.Lines) {
        const SheetPoint from =
            line.Vertical
                ? SheetPoint{origin.X + line.Column * cell, origin.Y + line.Row * cell}
                : SheetPoint{origin.X + line.Column * cell, origin.Y + (line.Row + 1) * cell};
        const SheetPoint to = line.Vertical ? SheetPoint{from.X, from.Y + line.Length * cell}
                                            : SheetPoint{from.X + line.Length * cell, from.Y};
        page.Lines.push_back({from, to, paper.PenWidth, grey});
    }
}

// A text in the first row of a problem's area, `width` mm wide at most: as large as a digit,
// or smaller when it would not fit.
void AddRowText(SheetPage& page, std::string text, const SheetRect& area, double width,
                const Paper& paper) {
    const double size = std::min(paper.DigitSize, width / (CharacterCount(text) * EmPerCharacter));
    page.Texts.push_back(Written(std::move(text), area.X, RowBaseline(area.Y, paper), width, size));
}

void AddProblem(SheetPage& page, const SheetProblem& placed, const Paper& paper) {
    AddRowText(page, NumberLabel(placed.Number), placed.Area, paper.LabelColumns * paper.Cell,
               paper);
    const Problem& problem = placed.Problem;
    AddColumn(page, ColumnGrid(problem, SolutionSteps(problem), 0), placed.Column, paper, false);
}

// «1. 7240 : 8 = 905» in the area's first row, and the worked column in grey below it.
void AddAnswer(SheetPage& page, const SheetProblem& placed, const Paper& paper) {
    AddRowText(page, NumberLabel(placed.Number) + " " + SheetAnswer(placed.Problem), placed.Area,
               placed.Area.Width, paper);
    const std::vector<Step> steps = SolutionSteps(placed.Problem);
    const SheetPoint below{placed.Column.X, placed.Column.Y + paper.Cell};
    AddColumn(page, ColumnGrid(placed.Problem, steps, steps.size()), below, paper, true);
}

SheetPage BlankPage(SheetPageKind kind, const SheetOptions& options, int variant) {
    const Paper& paper = PaperFor(options.Large);
    SheetPage page{.Kind = kind, .Level = options.Level, .Variant = variant, .Cell = paper.Cell};
    page.Grid = {{Margin, Margin}, paper.Columns(), paper.Rows(), paper.Cell};
    page.Problems = PlaceSheetProblems(options, variant);
    return page;
}

SheetPage ProblemsPage(const SheetOptions& options, int variant) {
    const Paper& paper = PaperFor(options.Large);
    SheetPage page = BlankPage(SheetPageKind::Problems, options, variant);
    AddHeader(page, variant);
    for (const SheetProblem& placed : page.Problems)
        AddProblem(page, placed, paper);
    AddFooter(page, paper);
    return page;
}

SheetPage KeyPage(const SheetOptions& options, int variant) {
    const Paper& paper = PaperFor(options.Large);
    SheetPage page = BlankPage(SheetPageKind::Answers, options, variant);
    AddKeyHeader(page, variant);
    for (const SheetProblem& placed : page.Problems)
        AddAnswer(page, placed, paper);
    AddFooter(page, paper);
    return page;
}

} // namespace

SheetOptions ClampSheetOptions(const SheetOptions& options) {
    SheetOptions clamped = options;
    clamped.Level = ClampLevel(options.Level);
    clamped.Variant = ClampVariant(options.Variant);
    clamped.Variants = std::clamp(options.Variants, 1, MostSheetVariants);
    clamped.Problems = std::clamp(options.Problems, 0, MostSheetProblems);
    return clamped;
}

int SheetVariant(int variant, int i) { return (ClampVariant(variant) - 1 + i) % MostVariant + 1; }

std::vector<SheetProblem> PlaceSheetProblems(const SheetOptions& asked, int variant) {
    const SheetOptions options = ClampSheetOptions(asked);
    const Paper& paper = PaperFor(options.Large);
    variant = ClampVariant(variant);
    std::vector<Problem> problems;
    std::vector<Block> blocks;
    std::vector<CellPlace> places;
    // One more problem at a time, while the first ones and it still fit whole.
    for (int i = 0; i < ProblemsWanted(options); ++i) {
        const Problem problem = GenerateProblem(options.Level, variant, i);
        blocks.push_back(BlockOf(problem, paper));
        const auto arranged = Arrange(blocks, paper);
        if (!arranged)
            break;
        problems.push_back(problem);
        places = *arranged;
    }
    std::vector<SheetProblem> placed;
    for (std::size_t i = 0; i < problems.size(); ++i) {
        const double x = Margin + places[i].Column * paper.Cell;
        const double y = Margin + places[i].Row * paper.Cell;
        const SheetRect area{x, y, blocks[i].Columns * paper.Cell, blocks[i].Rows * paper.Cell};
        placed.push_back(
            {static_cast<int>(i) + 1, problems[i], area, {x + paper.LabelColumns * paper.Cell, y}});
    }
    return placed;
}

std::string SheetAnswer(const Problem& problem) {
    if (problem.Divisor == 0)
        return ProblemText(problem);
    std::string line = ProblemText(problem) + " = " + Digits(problem.Dividend / problem.Divisor);
    if (const std::uint32_t remainder = problem.Dividend % problem.Divisor; remainder != 0)
        line += " (ост. " + Digits(remainder) + ")";
    return line;
}

std::vector<SheetPage> MakeSheets(const SheetOptions& asked) {
    const SheetOptions options = ClampSheetOptions(asked);
    std::vector<SheetPage> pages;
    for (int i = 0; i < options.Variants; ++i) {
        const int variant = SheetVariant(options.Variant, i);
        pages.push_back(ProblemsPage(options, variant));
        if (options.Answers)
            pages.push_back(KeyPage(options, variant));
    }
    return pages;
}

} // namespace velmorand
