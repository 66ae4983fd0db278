#include "sheet.h"

#include "problem_set.h"

#include "column_shapes.h"
#include "grid.h"
#include "method.h"
#include "numbers.h"
#include "sheet_words.h"
#include "steps.h"
#include "texts.h"

#include <algorithm>
#include <array>

namespace velmorand {

using practice_detail::Digits;
using practice_detail::Grouped;

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

    int Columns() const { return static_cast<int>((PageWidth - 2 * Margin) / Cell); }
    int Rows() const { return static_cast<int>((PageHeight - 2 * Margin) / Cell); }
};

constexpr Paper NormalPaper{5, 4, 2, 3, 2, 3.5};
constexpr Paper LargePaper{10, 2, 1, 1, 1, 7};

const Paper& PaperFor(bool large) { return large ? LargePaper : NormalPaper; }

// ---- the choices ----

constexpr PrintedSheetsWords W = PrintedWords;
using K = PrintedControlKind;
using C = PrintedChoice;

constexpr std::array<PrintedControl, 11> Controls{{
    {"SheetsLevel", K::NumberList, W.Level, C::Level, "level", 1, LevelCount},
    {"SheetsVariant", K::NumberField, W.Variant, C::Variant, "variant", 1, MostVariant},
    {"SheetsVariants", K::NumberList, W.Variants, C::Variants, "variants", 1, MostPrintedVariants},
    {"SheetsProblems", K::NumberList, W.Problems, C::Problems, "problems", 0, MostPrintedProblems,
     W.AsManyAsFit},
    {"SheetsAnswers", K::Check, W.Answers, C::Answers, "answers", 0, 1},
    {"SheetsLarge", K::Check, W.Large, C::Large, "large", 0, 1},
    {"SheetsCount", K::PageCount, W.PageCount},
    {"SheetsPrint", K::Button, W.Print, C::None, nullptr, 0, 0, nullptr, PrintedCommand::Print},
    {"SheetsSave", K::Button, W.SavePdf, C::None, nullptr, 0, 0, nullptr, PrintedCommand::SavePdf,
     true},
    {"SheetsClose", K::Button, W.Close, C::None, nullptr, 0, 0, nullptr, PrintedCommand::Close},
    {"SheetsPreview", K::Pages, W.Preview},
}};

// ---- where the problems go, in cells of the page's grid ----

struct Block {
    int Columns = 0;
    int Rows = 0;
};

struct CellPlace {
    int Page = 0; // of the variant's problems, from 0
    int Row = 0;
    int Column = 0;
};

// The key's check by multiplication, for the problems whose level ends with it; none where
// the level does not check. Given two rows, the remainder is added on the second, as a
// pupil writes it («Проверка: 198 · 40 = 7920,» then «7920 + 25 = 7945»), and the narrow
// area's text is larger.
std::vector<std::string> CheckRows(const Problem& problem, int rows) {
    if (!ChecksByMultiplying(problem.Divisor))
        return {};
    const std::string line = CheckLine(problem);
    const std::size_t sum = line.find(", ");
    if (sum == std::string::npos || rows < 2)
        return {line};
    return {line.substr(0, sum + 1), line.substr(sum + 2)};
}

// A problem's room: its number, then its column; the dividend's row and below it two rows
// per quotient digit and two more, or more when the worked column, the key's answer line
// above it and its check line below it need them.
Block BlockOf(const Problem& problem, const Paper& paper) {
    const Grid worked = ColumnGrid(problem, SolutionSteps(problem), 0);
    const int quotientDigits = practice_detail::DigitCount(problem.Dividend / problem.Divisor);
    return {paper.LabelColumns + worked.Columns,
            std::max(1 + 2 * quotientDigits + 2,
                     worked.Rows + 1 + static_cast<int>(CheckRows(problem, 1).size()))};
}

// Every problem of a variant stands in a slot as wide as its widest block: the room its texts
// have across.
int SlotColumns(const std::vector<Block>& blocks) {
    int slot = 0;
    for (const Block& block : blocks)
        slot = std::max(slot, block.Columns);
    return slot;
}

// The blocks in reading order: rows of as many slots as fit across, a row the gap below the
// tallest block of the row above; a row that does not fit under the others begins the next
// page.
std::vector<CellPlace> Arrange(const std::vector<Block>& blocks, const Paper& paper) {
    const int slot = SlotColumns(blocks);
    const auto across =
        static_cast<std::size_t>(std::max(1, (paper.Columns() + paper.Gap) / (slot + paper.Gap)));
    const int bottom = paper.Rows() - paper.FooterRows;
    std::vector<CellPlace> places;
    int page = 0;
    int top = paper.HeaderRows;
    for (std::size_t first = 0; first < blocks.size(); first += across) {
        const std::size_t end = std::min(blocks.size(), first + across);
        int height = 0;
        for (std::size_t i = first; i < end; ++i)
            height = std::max(height, blocks[i].Rows);
        // A row on a page of its own goes there even if it were too tall: it is never lost.
        if (top + height > bottom && top > paper.HeaderRows) {
            ++page;
            top = paper.HeaderRows;
        }
        for (std::size_t i = first; i < end; ++i)
            places.push_back({page, top, static_cast<int>(i - first) * (slot + paper.Gap)});
        top += height + paper.Gap;
    }
    return places;
}

struct VariantProblems {
    std::vector<Problem> Problems;
    std::vector<Block> Blocks;
};

VariantProblems FirstProblems(const PrintedSheetsOptions& options, int variant, int count) {
    VariantProblems first;
    for (int i = 0; i < count; ++i) {
        first.Problems.push_back(
            options.Set.empty() ? GenerateProblem(options.Level, variant, i)
                                : options.Set[static_cast<std::size_t>(i) % options.Set.size()]);
        first.Blocks.push_back(BlockOf(first.Problems.back(), PaperFor(options.Large)));
    }
    return first;
}

bool OnOnePage(const std::vector<Block>& blocks, const Paper& paper) {
    const std::vector<CellPlace> places = Arrange(blocks, paper);
    return places.empty() || places.back().Page == 0;
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

PrintedText Written(std::string text, double x, double baseline, double width, double size) {
    return {.Text = std::move(text), .X = x, .Baseline = baseline, .Width = width, .Size = size};
}

// A text on the baseline of a row of cells, where a digit centred in the same row stands.
double RowBaseline(double top, const Paper& paper) {
    return top + (paper.Cell + CapHeight * paper.DigitSize) / 2;
}

std::string Number(int number) { return Digits(static_cast<std::uint64_t>(number)); }

std::string NumberLabel(int number) { return Number(number) + "."; }

// «Вариант 42», or «Свои примеры» for the teacher's set.
std::string VariantName(const PrintedPage& page) {
    return page.OwnProblems ? std::string(OwnProblemsTitle) : "Вариант " + Number(page.Variant);
}

// «Фамилия, имя ____ Класс ____ Дата ____ Вариант N», the blanks as lines: on every page of
// problems, as the pupil may get more than one.
void AddHeader(PrintedPage& page) {
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
    const std::string name = VariantName(page);
    page.Texts.push_back(Written(name, x, HeaderBaseline, RoomFor(name, HeaderSize), HeaderSize));
}

void AddKeyHeader(PrintedPage& page) {
    const std::string title = "Ответы. " + VariantName(page);
    page.Texts.push_back(
        Written(title, Margin, HeaderBaseline, RoomFor(title, HeaderSize), HeaderSize));
}

// What makes the same sheet again and where the page belongs: «Уровень 6: нуль в частном,
// вариант 42, ответы, лист 2 из 3 · Velmorand». A level with a long name makes it smaller
// rather than let it run past the margin.
void AddFooter(PrintedPage& page, const Paper& paper) {
    std::string text = page.OwnProblems
                           ? std::string(OwnProblemsTitle)
                           : LevelTitle(page.Level) + ", вариант " + Number(page.Variant);
    if (page.Kind == PrintedPageKind::Answers)
        text += ", ответы";
    if (page.Sheets > 1)
        text += ", лист " + Number(page.Sheet) + " из " + Number(page.Sheets);
    text += " \xC2\xB7 Velmorand"; // U+00B7, the middle dot
    const double gridBottom = page.Squares.Origin.Y + paper.Rows() * paper.Cell;
    const double width = PageWidth - 2 * Margin;
    const double size = std::min(FooterSize, width / (CharacterCount(text) * EmPerCharacter));
    page.Texts.push_back(Written(std::move(text), Margin, gridBottom - 3, width, size));
}

// ---- the column ----

// A shape of the column as a line along its longer side, as thick as its shorter one.
PrintedLine LineOf(const PrintedRect& r, bool grey) {
    if (r.Width >= r.Height)
        return {{r.X, r.Y + r.Height / 2}, {r.X + r.Width, r.Y + r.Height / 2}, r.Height, grey};
    return {{r.X + r.Width / 2, r.Y}, {r.X + r.Width / 2, r.Y + r.Height}, r.Width, grey};
}

// The column's digits, lines and minus signs as the practice window draws them, the cell of
// row 0 and column 0 at `origin`. Nothing of the pupil's work to come is shown: no
// highlighted cells, no dots for the quotient's digits.
void AddColumn(PrintedPage& page, const Grid& grid, PrintedPoint origin, const Paper& paper,
               bool grey) {
    const double cell = paper.Cell;
    for (const ColumnShape& shape : ColumnShapes(grid)) {
        // The shapes' paper has a margin of one cell before the grid's first row and column.
        const PrintedRect box{origin.X + (shape.Left - 1) * cell, origin.Y + (shape.Top - 1) * cell,
                              shape.Width * cell, shape.Height * cell};
        switch (shape.Kind) {
        case ShapeKind::Digit:
            page.Texts.push_back({.Text = std::string(1, shape.Digit),
                                  .InCell = true,
                                  .Cell = box,
                                  .Size = paper.DigitSize,
                                  .Grey = grey});
            break;
        case ShapeKind::Line:
        case ShapeKind::Minus:
            page.Lines.push_back(LineOf(box, grey));
            break;
        case ShapeKind::Lit:
        case ShapeKind::Current:
        case ShapeKind::Placeholder:
            break;
        }
    }
}

// A text in the first row of a problem's area, `width` mm wide at most: as large as a digit,
// or smaller when it would not fit.
void AddRowText(PrintedPage& page, std::string text, const PrintedRect& area, double width,
                const Paper& paper) {
    const double size = std::min(paper.DigitSize, width / (CharacterCount(text) * EmPerCharacter));
    page.Texts.push_back(Written(std::move(text), area.X, RowBaseline(area.Y, paper), width, size));
}

void AddProblem(PrintedPage& page, const PrintedProblem& placed, const Paper& paper) {
    AddRowText(page, NumberLabel(placed.Number), placed.Area, paper.LabelColumns * paper.Cell,
               paper);
    const Problem& problem = placed.Problem;
    AddColumn(page, ColumnGrid(problem, SolutionSteps(problem), 0), placed.Column, paper, false);
}

// «1. 7240 : 8 = 905» in the area's first row, the worked column in grey below it, and
// where the level checks by multiplication, «Проверка: 905 · 8 = 7240» in the rows under the
// column.
void AddAnswer(PrintedPage& page, const PrintedProblem& placed, const Paper& paper) {
    AddRowText(page, NumberLabel(placed.Number) + " " + PrintedAnswer(placed.Problem), placed.Area,
               placed.Area.Width, paper);
    const std::vector<Step> steps = SolutionSteps(placed.Problem);
    const PrintedPoint below{placed.Column.X, placed.Column.Y + paper.Cell};
    const Grid worked = ColumnGrid(placed.Problem, steps, steps.size());
    AddColumn(page, worked, below, paper, true);
    PrintedRect row{placed.Area.X, below.Y + worked.Rows * paper.Cell, placed.Area.Width,
                    paper.Cell};
    const double room = placed.Area.Y + placed.Area.Height - row.Y;
    for (std::string& check :
         CheckRows(placed.Problem, static_cast<int>(room / paper.Cell + 1e-6))) {
        AddRowText(page, std::move(check), row, row.Width, paper);
        row.Y += paper.Cell;
    }
}

// The variant's problems, page by page.
std::vector<std::vector<PrintedProblem>> PlaceProblems(const PrintedSheetsOptions& options,
                                                       int variant, int count) {
    const Paper& paper = PaperFor(options.Large);
    const VariantProblems first = FirstProblems(options, variant, count);
    const std::vector<CellPlace> places = Arrange(first.Blocks, paper);
    const double width = SlotColumns(first.Blocks) * paper.Cell;
    std::vector<std::vector<PrintedProblem>> pages;
    for (std::size_t i = 0; i < places.size(); ++i) {
        const double x = Margin + places[i].Column * paper.Cell;
        const double y = Margin + places[i].Row * paper.Cell;
        const Block& block = first.Blocks[i];
        if (pages.size() <= static_cast<std::size_t>(places[i].Page))
            pages.emplace_back();
        pages.back().push_back({static_cast<int>(i) + 1,
                                first.Problems[i],
                                {x, y, width, block.Rows * paper.Cell},
                                {x + paper.LabelColumns * paper.Cell, y}});
    }
    return pages;
}

PrintedPage MakePage(PrintedPageKind kind, const PrintedSheetsOptions& options, int variant,
                     std::size_t sheet, std::size_t sheets, std::vector<PrintedProblem> problems) {
    const Paper& paper = PaperFor(options.Large);
    PrintedPage page{.Kind = kind,
                     .Level = options.Level,
                     .Variant = variant,
                     .Sheet = static_cast<int>(sheet) + 1,
                     .Sheets = static_cast<int>(sheets),
                     .OwnProblems = !options.Set.empty(),
                     .Cell = paper.Cell};
    page.Squares = {{Margin, Margin}, paper.Columns(), paper.Rows(), paper.Cell};
    page.Problems = std::move(problems);
    if (kind == PrintedPageKind::Problems)
        AddHeader(page);
    else
        AddKeyHeader(page);
    for (const PrintedProblem& placed : page.Problems) {
        if (kind == PrintedPageKind::Problems)
            AddProblem(page, placed, paper);
        else
            AddAnswer(page, placed, paper);
    }
    AddFooter(page, paper);
    return page;
}

} // namespace

PrintedSheetsOptions ClampPrintedSheetsOptions(const PrintedSheetsOptions& options) {
    PrintedSheetsOptions clamped = options;
    for (const PrintedControl& control : Controls)
        if (control.Sets != C::None)
            SetChoice(
                clamped, control.Sets,
                std::clamp(ChoiceValue(options, control.Sets), control.Lowest, control.Highest));
    if (!clamped.Set.empty()) {
        clamped.Variants = 1;
        if (clamped.Set.size() > static_cast<std::size_t>(MostSetProblems))
            clamped.Set.resize(MostSetProblems);
    }
    return clamped;
}

std::vector<Problem> SheetVariantProblems(int level, int variant) {
    const PrintedSheetsOptions options{.Level = level, .Variant = variant};
    return FirstProblems(options, ClampVariant(variant), PrintedProblemCount(options)).Problems;
}

int PrintedVariant(int variant, int i) { return (ClampVariant(variant) - 1 + i) % MostVariant + 1; }

int PrintedProblemCount(const PrintedSheetsOptions& asked) {
    const PrintedSheetsOptions options = ClampPrintedSheetsOptions(asked);
    if (!options.Set.empty())
        return static_cast<int>(options.Set.size());
    if (options.Problems > 0)
        return options.Problems;
    std::vector<VariantProblems> variants;
    for (int i = 0; i < options.Variants; ++i)
        variants.push_back(
            FirstProblems(options, PrintedVariant(options.Variant, i), MostPrintedProblems));
    // One more problem at a time, while the first ones of every variant still fit on a page.
    int count = 1;
    while (count < MostPrintedProblems &&
           std::all_of(variants.begin(), variants.end(), [&](const VariantProblems& v) {
               const std::vector<Block> first(v.Blocks.begin(), v.Blocks.begin() + count + 1);
               return OnOnePage(first, PaperFor(options.Large));
           }))
        ++count;
    return count;
}

std::span<const PrintedControl> PrintedControls() { return Controls; }

const PrintedControl* FindPrintedControl(std::string_view name) {
    for (const PrintedControl& control : Controls)
        if (name == control.Name)
            return &control;
    return nullptr;
}

int ChoiceValue(const PrintedSheetsOptions& options, PrintedChoice choice) {
    switch (choice) {
    case C::Level:
        return options.Level;
    case C::Variant:
        return options.Variant;
    case C::Variants:
        return options.Variants;
    case C::Problems:
        return options.Problems;
    case C::Answers:
        return options.Answers ? 1 : 0;
    case C::Large:
        return options.Large ? 1 : 0;
    case C::None:
        break;
    }
    return 0;
}

void SetChoice(PrintedSheetsOptions& options, PrintedChoice choice, int value) {
    switch (choice) {
    case C::Level:
        options.Level = value;
        break;
    case C::Variant:
        options.Variant = value;
        break;
    case C::Variants:
        options.Variants = value;
        break;
    case C::Problems:
        options.Problems = value;
        break;
    case C::Answers:
        options.Answers = value != 0;
        break;
    case C::Large:
        options.Large = value != 0;
        break;
    case C::None:
        break;
    }
}

std::string PrintedAnswer(const Problem& problem) {
    if (problem.Divisor == 0)
        return ProblemText(problem);
    std::string line = ProblemText(problem) + " = " + Grouped(problem.Dividend / problem.Divisor);
    if (const std::uint32_t remainder = problem.Dividend % problem.Divisor; remainder != 0)
        line += " (ост. " + Grouped(remainder) + ")";
    return line;
}

std::vector<PrintedPage> MakePrintedSheets(const PrintedSheetsOptions& asked) {
    const PrintedSheetsOptions options = ClampPrintedSheetsOptions(asked);
    const int count = PrintedProblemCount(options);
    std::vector<PrintedPage> pages;
    for (int i = 0; i < options.Variants; ++i) {
        const int variant = PrintedVariant(options.Variant, i);
        const auto placed = PlaceProblems(options, variant, count);
        for (std::size_t sheet = 0; sheet < placed.size(); ++sheet)
            pages.push_back(MakePage(PrintedPageKind::Problems, options, variant, sheet,
                                     placed.size(), placed[sheet]));
        if (options.Answers)
            for (std::size_t sheet = 0; sheet < placed.size(); ++sheet)
                pages.push_back(MakePage(PrintedPageKind::Answers, options, variant, sheet,
                                         placed.size(), placed[sheet]));
    }
    return pages;
}

} // namespace velmorand
