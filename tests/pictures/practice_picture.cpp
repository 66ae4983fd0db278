// Prints, for a practice window of the given client size, where its picture shows what: the
// answers to type (three right ones, then a wrong one, at level 5 and variant 42) and, for
// the state they leave, the points and boxes of the picture whose colour every front end must
// paint alike, with that colour. One line per check, fields separated by a tab:
//   type  TEXT
//   point WHAT X Y RRGGBB          the pixel at (X, Y) is this colour
//   box   WHAT X Y W H RRGGBB      the darkest pixel of the box is this colour
// Usage: practice_picture WIDTH HEIGHT
#include "practice/column_shapes.h"
#include "practice/session.h"
#include "window/practice_arrangement.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <utility>

namespace {

using namespace velmorand;

constexpr int Level = 5;
constexpr int Variant = 42;

struct Scaler {
    PixelRect Paper;
    int Cell;
    int X(double cells) const { return Paper.Left + static_cast<int>(cells * Cell); }
    int Y(double cells) const { return Paper.Top + static_cast<int>(cells * Cell); }
};

void Point(const char* what, int x, int y, Rgb colour) {
    std::printf("point\t%s\t%d\t%d\t%06X\n", what, x, y, colour);
}

void Box(const std::string& what, const PixelRect& box, Rgb colour) {
    std::printf("box\t%s\t%d\t%d\t%d\t%d\t%06X\n", what.c_str(), box.Left, box.Top, box.Width,
                box.Height, colour);
}

// The first cell of the paper that no shape touches.
ColumnShape EmptyCell(const std::vector<ColumnShape>& shapes, PaperSize paper) {
    for (int row = 1; row < paper.Rows; ++row)
        for (int column = 1; column < paper.Columns; ++column) {
            bool touched = false;
            for (const ColumnShape& shape : shapes)
                touched =
                    touched || (shape.Left < column + 1 && shape.Left + shape.Width > column &&
                                shape.Top < row + 1 && shape.Top + shape.Height > row);
            if (!touched)
                return {ShapeKind::Digit, double(column), double(row), 1, 1};
        }
    return {};
}

void PrintChecks(const PracticeArrangement& arranged, const PracticeView& view) {
    const Scaler at{FindPlaced(arranged, "Column")->Place, arranged.CellPixels};
    const std::vector<ColumnShape> shapes = ColumnShapes(view.Column);
    const ColumnShape empty = EmptyCell(shapes, LevelPaper(Level));
    Point("empty cell", at.X(empty.Left + 0.5), at.Y(empty.Top + 0.5), PracticeColours.Paper);
    Point("ruling", at.X(empty.Left), at.Y(empty.Top + 0.5), PracticeColours.Squares);
    bool digit = false, current = false, placeholder = false, line = false;
    for (const ColumnShape& shape : shapes) {
        const double middleX = shape.Left + shape.Width / 2, middleY = shape.Top + shape.Height / 2;
        if (shape.Kind == ShapeKind::Digit && !std::exchange(digit, true))
            Box("digit", {at.X(shape.Left), at.Y(shape.Top), at.Cell, at.Cell},
                PracticeColours.Ink);
        if (shape.Kind == ShapeKind::Current && !std::exchange(current, true)) {
            Point("current cell", at.X(shape.Left + 0.25), at.Y(shape.Top + 0.25),
                  PracticeColours.CurrentFill);
            Point("current edge", at.X(shape.Left) + 1, at.Y(middleY), PracticeColours.CurrentEdge);
        }
        if (shape.Kind == ShapeKind::Placeholder && !std::exchange(placeholder, true))
            Point("placeholder", at.X(middleX), at.Y(middleY), PracticeColours.Placeholder);
        if (shape.Kind == ShapeKind::Line && !std::exchange(line, true))
            Point("line", at.X(middleX), at.Y(middleY), PracticeColours.Lines);
        if (shape.Kind == ShapeKind::Minus)
            Point("minus", at.X(middleX), at.Y(middleY), PracticeColours.Minus);
    }
    for (const PlacedControl& placed : arranged.Controls)
        if (placed.Control->Label != nullptr)
            Box(std::string("label ") + placed.Control->Label, placed.LabelPlace,
                PracticeColours.Text);
    Box("feedback", FindPlaced(arranged, "Feedback")->Place, FeedbackColour(view));
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3)
        return 2;
    PracticeSession session = StartPractice(Level, Variant, {});
    for (int typed = 0; typed < 4; ++typed) { // three right answers, then one more than right
        const int wrong = typed == 3 ? 1 : 0;
        const std::string answer = std::to_string(session.Steps[session.StepIndex].Answer + wrong);
        std::printf("type\t%s\n", answer.c_str());
        SubmitAnswer(session, answer);
    }
    PrintChecks(ArrangePractice(std::atoi(argv[1]), std::atoi(argv[2]), LevelPaper(Level)),
                ViewOf(session));
    return 0;
}
