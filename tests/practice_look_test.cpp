// The practice window's one description: the column's shapes on the paper, where the controls
// stand at the sizes of a phone, a classroom panel and a desktop, and the colours and
// behaviour every front end takes from it.
#include "practice/column_shapes.h"
#include "practice/session.h"
#include "practice/texts.h"
#include "window/practice_arrangement.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

namespace velmorand {
namespace {

Grid Finished(const Problem& problem) {
    const std::vector<Step> steps = SolutionSteps(problem);
    return ColumnGrid(problem, steps, steps.size());
}

bool WrittenAt(const Grid& grid, int row, int column) {
    for (const GridCell& cell : grid.Cells)
        if (cell.Row == row && cell.Column == column)
            return true;
    return false;
}

// Every minus of every level's first problems: in the cell just left of the number above the
// line (the longer one) and of no number, on the edge between the two rows.
TEST(ColumnShapes, MinusStandsLeftOfTheLongerNumberBetweenItsRows) {
    int minuses = 0;
    for (int level = 1; level <= LevelCount; ++level)
        for (int index = 0; index < 20; ++index) {
            const Grid grid = Finished(GenerateProblem(level, 42, index));
            for (const ColumnShape& shape : ColumnShapes(grid)) {
                if (shape.Kind != ShapeKind::Minus)
                    continue;
                ++minuses;
                const int column = static_cast<int>(std::floor(shape.Left)) - 1;
                const int below = static_cast<int>(std::lround(shape.Top + shape.Height / 2)) - 1;
                SCOPED_TRACE(level * 100 + index);
                EXPECT_TRUE(WrittenAt(grid, below - 1, column + 1));
                EXPECT_FALSE(WrittenAt(grid, below - 1, column));
                EXPECT_FALSE(WrittenAt(grid, below, column));
                EXPECT_DOUBLE_EQ(shape.Height, StrokeCells);
            }
        }
    EXPECT_GT(minuses, 100);
}

// 104 : 8, whose first product 8 is shorter than 10 above it: the minus stands before the 1.
TEST(ColumnShapes, ExerciseBookPlaceOfAShortProduct) {
    const std::vector<ColumnShape> shapes = ColumnShapes(Finished({104, 8}));
    const auto minus = std::find_if(shapes.begin(), shapes.end(), [](const ColumnShape& shape) {
        return shape.Kind == ShapeKind::Minus;
    });
    ASSERT_NE(minus, shapes.end());
    EXPECT_LT(minus->Left + minus->Width, 1.0); // the margin, left of column 0
    EXPECT_NEAR(minus->Top + minus->Height / 2, 2.0, 1e-9);
}

TEST(ColumnShapes, EveryShapeLiesOnTheLevelsPaper) {
    for (int level = 1; level <= LevelCount; ++level)
        for (int index = 0; index < 20; ++index) {
            const Problem problem = GenerateProblem(level, 7, index);
            const std::vector<Step> steps = SolutionSteps(problem);
            const PaperSize paper = LevelPaper(level);
            for (std::size_t answered = 0; answered <= steps.size(); ++answered) {
                const Grid grid = ColumnGrid(problem, steps, answered);
                EXPECT_LE(PaperFor(grid).Columns, paper.Columns);
                EXPECT_LE(PaperFor(grid).Rows, paper.Rows);
                for (const ColumnShape& shape : ColumnShapes(grid)) {
                    EXPECT_GE(shape.Left, 0);
                    EXPECT_GE(shape.Top, 0);
                    EXPECT_LE(shape.Left + shape.Width, paper.Columns);
                    EXPECT_LE(shape.Top + shape.Height, paper.Rows);
                }
            }
        }
}

bool Overlap(const PixelRect& a, const PixelRect& b) {
    return a.Width > 0 && b.Width > 0 && a.Left < b.Left + b.Width && b.Left < a.Left + a.Width &&
           a.Top < b.Top + b.Height && b.Top < a.Top + a.Height;
}

struct Screen {
    const char* What;
    int Width, Height;
    bool Narrow;
};

const Screen Screens[] = {
    {"phone", 360, 640, true},
    {"small tablet", 600, 960, true},
    {"laptop", 1024, 700, false},
    {"desktop", 1366, 768, false},
    {"classroom panel", 1920, 1080, false},
    {"4K panel", 3840, 2160, false},
};

TEST(PracticeArrangement, EveryScreenShowsEveryControlApartAndTheWholeColumn) {
    for (const Screen& screen : Screens)
        for (int level = 1; level <= LevelCount; ++level) {
            SCOPED_TRACE(std::string(screen.What) + " level " + std::to_string(level));
            const PracticeArrangement arranged =
                ArrangePractice(screen.Width, screen.Height, LevelPaper(level));
            EXPECT_EQ(arranged.Narrow, screen.Narrow);
            EXPECT_GE(arranged.CellPixels, SmallestCellPixels);
            EXPECT_EQ(arranged.Width, screen.Width); // never scrolls sideways
            std::vector<PixelRect> taken;
            for (const PlacedControl& placed : arranged.Controls) {
                for (const PixelRect& place : {placed.Place, placed.LabelPlace}) {
                    if (place.Width == 0)
                        continue;
                    EXPECT_GE(place.Left, 0) << placed.Control->Name;
                    EXPECT_LE(place.Left + place.Width, screen.Width) << placed.Control->Name;
                    EXPECT_LE(place.Top + place.Height, arranged.Height) << placed.Control->Name;
                    for (const PixelRect& other : taken)
                        EXPECT_FALSE(Overlap(place, other)) << placed.Control->Name;
                    taken.push_back(place);
                }
                EXPECT_EQ(placed.LabelPlace.Width > 0, placed.Control->Label != nullptr);
            }
        }
}

// The teacher's field shows its lines, each as high as a text's line of its type.
TEST(PracticeArrangement, TheSetFieldKeepsItsLines) {
    for (const Screen& screen : Screens) {
        const PracticeArrangement arranged = ArrangePractice(screen.Width, screen.Height, {14, 15});
        const PlacedControl& placed = *FindPlaced(arranged, "OwnProblems");
        EXPECT_GE(placed.Place.Height, placed.Control->Lines * placed.TextPixels * 3 / 2)
            << screen.What;
    }
}

TEST(PracticeArrangement, PaperAndTextsGrowTogetherWithTheWindow) {
    const PaperSize paper = LevelPaper(5);
    const PracticeArrangement laptop = ArrangePractice(1024, 700, paper);
    const PracticeArrangement panel = ArrangePractice(1920, 1080, paper);
    EXPECT_GT(panel.CellPixels, laptop.CellPixels * 3 / 2);
    for (const char* name : {"Answer", "Question", "Entry", "Hint"})
        EXPECT_GT(FindPlaced(panel, name)->TextPixels, FindPlaced(laptop, name)->TextPixels * 3 / 2)
            << name;
}

// The question and the feedback keep lines enough for the longest text any level asks or
// hints, at the size of their type and an average letter of 0.55 of it: the controls below
// them stay where the pupil's finger expects them.
TEST(PracticeArrangement, KeepsRoomForTheLongestQuestionAndHint) {
    std::size_t question = 0;
    std::size_t hint = 0;
    for (int level = 1; level <= LevelCount; ++level)
        for (int index = 0; index < 10; ++index) {
            const Problem problem = GenerateProblem(level, 3, index);
            for (const Step& step : SolutionSteps(problem)) {
                question = std::max(question, QuestionText(problem, step).size() / 2);
                for (int depth = 1; depth <= 3; ++depth)
                    hint = std::max(hint, HintText(problem, step, depth).size() / 2);
            }
        }
    // The texts are Cyrillic: two bytes a letter.
    for (const Screen& screen : Screens) {
        const PracticeArrangement arranged = ArrangePractice(screen.Width, screen.Height, {14, 15});
        for (const auto& [name, letters] : {std::pair{"Question", question}, {"Feedback", hint}}) {
            const PlacedControl& placed = *FindPlaced(arranged, name);
            const double perLine = placed.Place.Width / (0.55 * placed.TextPixels);
            EXPECT_LE(double(letters), perLine * placed.Control->Lines)
                << screen.What << " " << name;
        }
    }
}

TEST(PracticeLook, FeedbackColourSaysWhatHappened) {
    PracticeSession session = StartPractice(1, 1, {});
    EXPECT_EQ(FeedbackColour(ViewOf(session)), PracticeColours.Text);
    const PracticeResult wrong = SubmitAnswer(session, "999");
    EXPECT_TRUE(wrong.SelectEntry);
    EXPECT_FALSE(wrong.ClearEntry);
    EXPECT_EQ(FeedbackColour(ViewOf(session)), PracticeColours.Mistake);
    EXPECT_TRUE(AskHint(session).FocusEntry);
    EXPECT_EQ(FeedbackColour(ViewOf(session)), PracticeColours.Hint);
    const PracticeResult right = SubmitAnswer(session, std::to_string(session.Steps[0].Answer));
    EXPECT_FALSE(right.SelectEntry);
    EXPECT_EQ(FeedbackColour(ViewOf(session)), PracticeColours.Right);
}

TEST(PracticeLook, StrokesStayVisibleOnSmallCells) {
    EXPECT_EQ(StrokePixels(SmallestCellPixels), 2);
    EXPECT_EQ(StrokePixels(120), 10);
}

// On the printed sheets the pupil's digits stand out from the key's grey, and both from the
// faint squares on the paper.
TEST(PracticeLook, PrintedInkDarkerThanTheKeyDarkerThanTheSquares) {
    const auto light = [](Rgb c) { return (c >> 16 & 0xFF) + (c >> 8 & 0xFF) + (c & 0xFF); };
    const PracticePalette& p = PracticeColours;
    EXPECT_LT(light(p.SheetInk), light(p.SheetGrey));
    EXPECT_LT(light(p.SheetGrey) + 96, light(p.Squares));
    EXPECT_LT(light(p.Squares), light(p.SheetPaper));
}

// The first partial dividend of 7240 : 8 lights a's four digits: one place, framed as one.
TEST(ColumnShapes, ARowsCurrentCellsAreOneShape) {
    const std::vector<Step> steps = SolutionSteps({7240, 8});
    std::vector<ColumnShape> current;
    for (const ColumnShape& shape : ColumnShapes(ColumnGrid({7240, 8}, steps, 0)))
        if (shape.Kind == ShapeKind::Current)
            current.push_back(shape);
    EXPECT_EQ(current, (std::vector<ColumnShape>{{ShapeKind::Current, 1, 1, 4, 1}}));
}

// The parts a hint lights are filled first, a row's neighbouring cells as one, so that the
// current cells and every digit stand on them: at the first digit of 4567 : 23, a's first
// two digits and b, with the quotient's first cell current.
TEST(ColumnShapes, LitCellsLieUnderTheCurrentOnesAndTheDigits) {
    const Problem problem{4567, 23};
    const ColumnPart parts[] = {ColumnPart::Partial, ColumnPart::Divisor};
    const std::vector<Step> steps = SolutionSteps(problem);
    const auto digit = std::find_if(steps.begin(), steps.end(),
                                    [](const Step& step) { return step.Kind == StepKind::Digit; });
    const Grid grid = ColumnGrid(problem, steps, std::size_t(digit - steps.begin()), parts);
    ASSERT_EQ(grid.Lit.size(), 4u);
    std::vector<ColumnShape> lit;
    std::vector<ShapeKind> order;
    for (const ColumnShape& shape : ColumnShapes(grid)) {
        if (shape.Kind == ShapeKind::Lit)
            lit.push_back(shape);
        if (order.empty() || order.back() != shape.Kind)
            order.push_back(shape.Kind);
    }
    EXPECT_EQ(lit, (std::vector<ColumnShape>{{ShapeKind::Lit, 1, 1, 2, 1},
                                             {ShapeKind::Lit, 5, 1, 2, 1}}));
    ASSERT_GE(order.size(), 3u);
    EXPECT_EQ(std::vector(order.begin(), order.begin() + 3),
              (std::vector{ShapeKind::Lit, ShapeKind::Current, ShapeKind::Digit}));
    EXPECT_EQ(std::count(order.begin(), order.end(), ShapeKind::Lit), 1);
}

// WCAG's contrast ratio of two colours, from their relative luminance.
double Contrast(Rgb x, Rgb y) {
    const auto luminance = [](Rgb c) {
        const auto linear = [](unsigned channel) {
            const double v = channel / 255.0;
            return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * linear(c >> 16 & 0xFF) + 0.7152 * linear(c >> 8 & 0xFF) +
               0.0722 * linear(c & 0xFF);
    };
    const double lx = luminance(x), ly = luminance(y);
    return (std::max(lx, ly) + 0.05) / (std::min(lx, ly) + 0.05);
}

// The digits read at the enhanced level (7:1) on the paper and on both fills, and the lit
// cells show apart from the paper and from the current ones.
TEST(PracticeLook, DigitsReadOnThePaperAndOnEveryFill) {
    const PracticePalette& p = PracticeColours;
    for (const Rgb fill : {p.Paper, p.CurrentFill, p.LitFill})
        EXPECT_GE(Contrast(p.Ink, fill), 7.0) << std::hex << fill;
    EXPECT_GT(Contrast(p.LitFill, p.Paper), 1.15);
    EXPECT_NE(p.LitFill, p.CurrentFill);
    EXPECT_NE(p.LitFill, p.Squares);
}

} // namespace
} // namespace velmorand
