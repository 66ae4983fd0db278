// The column on squared paper as it grows, step by step, and as it is read aloud.
#include "practice/grid.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace velmorand {
namespace {

// The grid drawn as text, one line per row, ' ' where nothing is written: what a pupil
// would see in the exercise book.
std::vector<std::string> Drawn(const Grid& grid) {
    std::vector<std::string> rows(static_cast<std::size_t>(grid.Rows),
                                  std::string(static_cast<std::size_t>(grid.Columns), ' '));
    for (const GridCell& cell : grid.Cells) {
        EXPECT_TRUE(cell.Row >= 0 && cell.Row < grid.Rows && cell.Column >= 0 &&
                    cell.Column < grid.Columns)
            << cell.Row << "," << cell.Column;
        char& place =
            rows.at(static_cast<std::size_t>(cell.Row)).at(static_cast<std::size_t>(cell.Column));
        EXPECT_EQ(place, ' ') << "two digits in " << cell.Row << "," << cell.Column;
        place = cell.Digit;
    }
    return rows;
}

struct Stage {
    std::size_t Answered;
    std::vector<std::string> Rows;
    std::vector<GridCell> Current;
};

// 7240 : 8 = 905, step after step.
// clang-format off
const Stage Stages7240[] = {
    {0, {"72408  ", "       ", "       ", "       ", "       "}, {{0, 0, '7'}, {0, 1, '2'}, {0, 2, '4'}, {0, 3, '0'}}},
    {1, {"72408  ", "       ", "       ", "       ", "       "}, {{1, 4, '.'}}},
    {2, {"72408  ", "    ...", "       ", "       ", "       "}, {{1, 4, '.'}}},
    {3, {"72408  ", "    9..", "       ", "       ", "       "}, {{1, 0, '7'}, {1, 1, '2'}}},
    {4, {"72408  ", "72  9..", "       ", "       ", "       "}, {{2, 1, '0'}}},
    // The difference 0 is not written: the brought-down 4 stands alone.
    {5, {"72408  ", "72  9..", "       ", "       ", "       "}, {{2, 2, '4'}}},
    {6, {"72408  ", "72  9..", "  4    ", "       ", "       "}, {{1, 5, '.'}}},
    // The digit 0 has no product: the next digit joins the same row.
    {7, {"72408  ", "72  90.", "  4    ", "       ", "       "}, {{2, 3, '0'}}},
    {8, {"72408  ", "72  90.", "  40   ", "       ", "       "}, {{1, 6, '.'}}},
    {9, {"72408  ", "72  905", "  40   ", "       ", "       "}, {{3, 2, '4'}, {3, 3, '0'}}},
    {10, {"72408  ", "72  905", "  40   ", "  40   ", "       "}, {{4, 3, '0'}}},
    {11, {"72408  ", "72  905", "  40   ", "  40   ", "   0   "}, {}},
    {12, {"72408  ", "72  905", "  40   ", "  40   ", "   0   "}, {}},
};
// clang-format on

TEST(PracticeGrid, GrowsAsTheExerciseBookShowsIt) {
    const Problem p{7240, 8};
    const std::vector<Step> steps = SolutionSteps(p);
    ASSERT_EQ(steps.size(), 14u); // the check by multiplication last
    for (const Stage& stage : Stages7240) {
        const Grid grid = ColumnGrid(p, steps, stage.Answered);
        EXPECT_EQ(grid.Rows, 5);
        EXPECT_EQ(grid.Columns, 7);
        EXPECT_EQ(Drawn(grid), stage.Rows) << "after " << stage.Answered;
        EXPECT_EQ(grid.Current, stage.Current) << "after " << stage.Answered;
    }
}

bool HasLine(const Grid& grid, const GridLine& line) {
    return std::find(grid.Lines.begin(), grid.Lines.end(), line) != grid.Lines.end();
}

TEST(PracticeGrid, DrawsTheCornerAndALineUnderEachProduct) {
    const Problem p{7240, 8};
    const std::vector<Step> steps = SolutionSteps(p);
    const Grid done = ColumnGrid(p, steps, steps.size() - 1);
    EXPECT_EQ(done.Lines.size(), 4u);
    EXPECT_TRUE(HasLine(done, {true, 0, 4, 2}));  // down the left of b, two rows
    EXPECT_TRUE(HasLine(done, {false, 0, 4, 3})); // under b, as long as the quotient
    EXPECT_TRUE(HasLine(done, {false, 1, 0, 2})); // under 72
    EXPECT_TRUE(HasLine(done, {false, 3, 2, 2})); // under 40
    // A minus before each subtraction, at the left of its product.
    EXPECT_EQ(done.Minuses, (std::vector<GridCell>{{1, 0, '-'}, {3, 2, '-'}}));
    // Before the count is given, the corner's line is only as long as b: a longer one
    // would tell the count.
    const Grid start = ColumnGrid(p, steps, 0);
    EXPECT_EQ(start.Lines.size(), 2u);
    EXPECT_TRUE(start.Minuses.empty());
    EXPECT_TRUE(HasLine(start, {false, 0, 4, 1}));
}

TEST(PracticeGrid, RemainderAndLongDivisor) {
    const Problem p{4567, 23}; // 198, remainder 13
    const std::vector<Step> steps = SolutionSteps(p);
    const Grid grid = ColumnGrid(p, steps, steps.size() - 1);
    const std::vector<std::string> expected = {
        "456723 ", //
        "23  198", //
        "226    ", //
        "207    ", //
        " 197   ", //
        " 184   ", //
        "  13   ",
    };
    EXPECT_EQ(Drawn(grid), expected);
    EXPECT_TRUE(HasLine(grid, {false, 0, 4, 3}));
    EXPECT_TRUE(HasLine(grid, {false, 3, 0, 3}));
}

// Every answered number goes where the step's highlight was.
TEST(PracticeGrid, AnswersGoWhereTheHighlightWas) {
    for (int level = 1; level <= LevelCount; ++level) {
        for (int variant = 1; variant <= 30; ++variant) {
            const Problem p = GenerateProblem(level, variant, 0);
            const std::vector<Step> steps = SolutionSteps(p);
            for (std::size_t i = 0; i + 1 < steps.size(); ++i) {
                const Step& step = steps[i];
                if (step.Kind != StepKind::Product && step.Kind != StepKind::Bring &&
                    step.Kind != StepKind::Digit)
                    continue;
                const Grid before = ColumnGrid(p, steps, i);
                const Grid after = ColumnGrid(p, steps, i + 1);
                ASSERT_FALSE(before.Current.empty());
                std::string written;
                for (const GridCell& place : before.Current)
                    for (const GridCell& cell : after.Cells)
                        if (cell.Row == place.Row && cell.Column == place.Column)
                            written += cell.Digit;
                const std::string answer = std::to_string(step.Answer);
                EXPECT_TRUE(answer.ends_with(written) && !written.empty())
                    << ProblemText(p) << " " << StepName(step.Kind) << ": " << written;
                Drawn(after); // no two digits in one cell, none outside the paper
            }
        }
    }
}

TEST(PracticeGrid, IsReadRowByRow) {
    const Problem p{7240, 8};
    const std::vector<Step> steps = SolutionSteps(p);
    const std::vector<std::string> start = {"Строка 1. 7 2 4 0, делитель 8"};
    EXPECT_EQ(SpokenRows(ColumnGrid(p, steps, 0)), start);
    const std::vector<std::string> counted = {"Строка 1. 7 2 4 0, делитель 8",
                                              "Строка 2. Частное 3 цифры, их надо найти"};
    EXPECT_EQ(SpokenRows(ColumnGrid(p, steps, 2)), counted);
    const std::vector<std::string> midway = {"Строка 1. 7 2 4 0, делитель 8",
                                             "Строка 2. 7 2, частное 9 0, и ещё 1 цифра",
                                             "Строка 3. 4"};
    EXPECT_EQ(SpokenRows(ColumnGrid(p, steps, 7)), midway);
    const std::vector<std::string> done = {"Строка 1. 7 2 4 0, делитель 8",
                                           "Строка 2. 7 2, частное 9 0 5", "Строка 3. 4 0",
                                           "Строка 4. 4 0", "Строка 5. 0"};
    EXPECT_EQ(SpokenRows(ColumnGrid(p, steps, 12)), done);
    EXPECT_EQ(SpokenRows(ColumnGrid(p, steps, 1000)), done); // past the end: the whole column
}

} // namespace
} // namespace velmorand
