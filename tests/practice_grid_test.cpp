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

// The number each row below the dividend holds, read left of the corner: its digits left to
// right, with a gap where a cell is empty.
std::string RowNumber(const Grid& grid, int row, int corner) {
    std::string read;
    int last = -1;
    std::vector<GridCell> cells;
    for (const GridCell& cell : grid.Cells)
        if (cell.Row == row && cell.Column < corner)
            cells.push_back(cell);
    std::sort(cells.begin(), cells.end(),
              [](const GridCell& x, const GridCell& y) { return x.Column < y.Column; });
    for (const GridCell& cell : cells) {
        if (last >= 0 && cell.Column != last + 1)
            read += ' ';
        read += cell.Digit;
        last = cell.Column;
    }
    return read;
}

// An exercise book writes no number with a leading 0: in every row below the dividend, at
// every moment of every level's problems, the first digit is 0 only in a lone 0; and after a
// bring, its row holds the partial dividend it made, ending under the digit brought down.
TEST(PracticeGrid, NoNumberHasALeadingZero) {
    int brings = 0;
    for (int level = 1; level <= LevelCount; ++level)
        for (int variant = 1; variant <= 40; ++variant) {
            const Problem p = GenerateProblem(level, variant, variant % 7);
            const int corner = static_cast<int>(std::to_string(p.Dividend).size());
            const std::vector<Step> steps = SolutionSteps(p);
            for (std::size_t answered = 0; answered <= steps.size(); ++answered) {
                const Grid grid = ColumnGrid(p, steps, answered);
                for (int row = 1; row < grid.Rows; ++row) {
                    const std::string number = RowNumber(grid, row, corner);
                    EXPECT_TRUE(number == "0" || !number.starts_with('0'))
                        << ProblemText(p) << " after " << answered << ", row " << row << ": "
                        << number;
                    EXPECT_EQ(number.find(' '), std::string::npos) << ProblemText(p);
                }
                if (answered == 0 || steps[answered - 1].Kind != StepKind::Bring)
                    continue;
                ++brings;
                const Step& bring = steps[answered - 1];
                const auto end =
                    std::find_if(grid.Cells.begin(), grid.Cells.end(), [&](const GridCell& cell) {
                        return cell.Column == bring.LastColumn && cell.Row > 1 &&
                               RowNumber(grid, cell.Row, corner) == std::to_string(bring.Answer);
                    });
                EXPECT_NE(end, grid.Cells.end()) << ProblemText(p) << " after " << answered;
            }
        }
    EXPECT_GT(brings, 500);
}

// The three columns whose rows once began with 0, finished; and 6018 : 6 bring by bring:
// 0 under a's 0, then 1 alone (01 is 1), then 18.
TEST(PracticeGrid, ZerosBroughtDownReadAsTheNumberTheyMake) {
    const struct {
        Problem P;
        std::vector<std::string> Done;
        std::vector<std::string> Brought; // the row after each bring
    } Table[] = {
        {{6018, 6},
         {"60186   ", "6   1003", "  18    ", "  18    ", "   0    "},
         {" 0      ", "  1     ", "  18    "}},
        {{8012, 2},
         {"80122   ", "8   4006", "  12    ", "  12    ", "   0    "},
         {" 0      ", "  1     ", "  12    "}},
        {{3600, 9}, {"36009  ", "36  400", "   0   "}, {"  0    ", "   0   "}},
    };
    for (const auto& c : Table) {
        const std::vector<Step> steps = SolutionSteps(c.P);
        EXPECT_EQ(Drawn(ColumnGrid(c.P, steps, steps.size())), c.Done) << ProblemText(c.P);
        std::vector<std::string> brought;
        for (std::size_t i = 0; i < steps.size(); ++i)
            if (steps[i].Kind == StepKind::Bring)
                brought.push_back(Drawn(ColumnGrid(c.P, steps, i + 1)).at(2));
        EXPECT_EQ(brought, c.Brought) << ProblemText(c.P);
    }
}

// 4567 : 23 = 198 (ост. 13) as the method for a two-digit divisor asks it: the divisor
// rounded, a trial digit before each digit, and the check at the end.
const Problem Long{4567, 23};
using K = StepKind;
// clang-format off
const std::vector<Step> LongSteps = {
    {K::First, 45},                    //  0
    {K::Count, 3},                     //  1
    {K::Round, 20},                    //  2
    {K::Trial, 2, 45, 0, 1},           //  3
    {K::Digit, 1, 45, 0, 1},           //  4
    {K::Product, 23, 45, 0, 1},        //  5
    {K::Difference, 22, 45, 0, 1},     //  6
    {K::Bring, 226, 226, 1, 2},        //  7
    {K::Trial, 9, 226, 1, 2},          //  8
    {K::Digit, 9, 226, 1, 2},          //  9
    {K::Product, 207, 226, 1, 2},      // 10
    {K::Difference, 19, 226, 1, 2},    // 11
    {K::Bring, 197, 197, 2, 3},        // 12
    {K::Trial, 9, 197, 2, 3},          // 13
    {K::Digit, 8, 197, 2, 3},          // 14
    {K::Product, 184, 197, 2, 3},      // 15
    {K::Difference, 13, 197, 2, 3},    // 16
    {K::Quotient, 198},                // 17
    {K::Remainder, 13},                // 18
    {K::CheckProduct, 4554},           // 19
    {K::CheckSum, 4567},               // 20
    {},                                // 21
};
// clang-format on

// Rounding, trial digits and the checks write nothing; while asked, rounding lights b, a
// trial digit the quotient digit's cell, a check nothing. The finished column is the one
// the steps without them make.
TEST(PracticeGrid, RoundTrialAndChecksWriteNothing) {
    const struct {
        std::size_t Step;
        std::vector<GridCell> Current;
    } Table[] = {
        {2, {{0, 4, '2'}, {0, 5, '3'}}},
        {3, {{1, 4, '.'}}},
        {8, {{1, 5, '.'}}},
        {13, {{1, 6, '.'}}},
        {19, {}},
        {20, {}},
    };
    for (const auto& c : Table) {
        ASSERT_NE(LongSteps[c.Step].Kind, K::Digit);
        const Grid asked = ColumnGrid(Long, LongSteps, c.Step);
        EXPECT_EQ(asked.Current, c.Current) << c.Step;
        EXPECT_EQ(ColumnGrid(Long, LongSteps, c.Step + 1).Cells, asked.Cells) << c.Step;
    }
    const std::vector<Step> plain = SolutionSteps(Long);
    const Grid done = ColumnGrid(Long, LongSteps, LongSteps.size());
    const Grid plainDone = ColumnGrid(Long, plain, plain.size());
    EXPECT_EQ(Drawn(done), Drawn(plainDone));
    EXPECT_EQ(std::make_pair(done.Rows, done.Columns),
              std::make_pair(plainDone.Rows, plainDone.Columns));
}

// The parts a hint lights, as they stand while the step is asked. 4567 : 23 stands as
// 456723 / 23 198 / 226 / 207 / 197 / 184 / 13, from row 0 down; b and the quotient from
// column 4.
TEST(PracticeGrid, LightsThePartsAsTheyStand) {
    using P = ColumnPart;
    const std::vector<GridCell> first = {{0, 0, '4'}, {0, 1, '5'}};
    const std::vector<GridCell> a = {{0, 0, '4'}, {0, 1, '5'}, {0, 2, '6'}, {0, 3, '7'}};
    const std::vector<GridCell> b = {{0, 4, '2'}, {0, 5, '3'}};
    const struct {
        std::size_t Step;
        std::vector<ColumnPart> Parts;
        std::vector<GridCell> Lit;
    } Table[] = {
        {0, {P::Dividend}, a},
        {0, {P::Partial}, {}}, // the first partial dividend is the answer
        {1, {P::Partial}, first},
        {2, {P::Divisor}, b},
        {2, {P::Partial, P::Product, P::Difference, P::NextDigit, P::Remainder}, {}},
        {3, {P::Partial}, first},
        {4, {P::Partial, P::Divisor}, {{0, 0, '4'}, {0, 1, '5'}, {0, 4, '2'}, {0, 5, '3'}}},
        {4, {P::Product, P::Difference, P::NextDigit}, {}},
        {5, {P::Product}, {}}, // not written yet
        {6, {P::Product}, {{1, 0, '2'}, {1, 1, '3'}}},
        {6, {P::Partial}, first},
        {7, {P::Partial}, {}}, // the bring makes it
        {7, {P::Difference}, {{2, 0, '2'}, {2, 1, '2'}}},
        {7, {P::NextDigit}, {{0, 2, '6'}}},
        {7, {P::Dividend, P::NextDigit}, a}, // a cell lit once
        {9, {P::Partial}, {{2, 0, '2'}, {2, 1, '2'}, {2, 2, '6'}}},
        {9, {P::Quotient}, {{1, 4, '1'}, {1, 5, '.'}, {1, 6, '.'}}},
        {1, {P::Quotient}, {}},
        {11, {P::Product}, {{3, 0, '2'}, {3, 1, '0'}, {3, 2, '7'}}},
        {12, {P::Difference, P::NextDigit}, {{4, 1, '1'}, {4, 2, '9'}, {0, 3, '7'}}},
        {14, {P::Partial}, {{4, 1, '1'}, {4, 2, '9'}, {4, 3, '7'}}},
        {16, {P::Remainder}, {}}, // the column is not done
        {18, {P::Remainder}, {{6, 2, '1'}, {6, 3, '3'}}},
        {20,
         {P::Quotient, P::Remainder},
         {{1, 4, '1'}, {1, 5, '9'}, {1, 6, '8'}, {6, 2, '1'}, {6, 3, '3'}}},
        {22, {P::Dividend}, {}}, // past the end: nothing is asked
    };
    for (const auto& c : Table)
        EXPECT_EQ(ColumnGrid(Long, LongSteps, c.Step, c.Parts).Lit, c.Lit) << c.Step;
    EXPECT_TRUE(ColumnGrid(Long, LongSteps, 9).Lit.empty()); // nothing asked, nothing lit
}

// A difference of 0 is not written: a bring after it lights no difference, the next bring
// the 0 it brought down.
TEST(PracticeGrid, AnUnwrittenZeroDifferenceLightsNothing) {
    const Problem p{6018, 6};
    const std::vector<Step> steps = SolutionSteps(p);
    const ColumnPart difference[] = {ColumnPart::Difference};
    std::vector<std::vector<GridCell>> lit;
    for (std::size_t i = 0; i < steps.size(); ++i)
        if (steps[i].Kind == StepKind::Bring)
            lit.push_back(ColumnGrid(p, steps, i, difference).Lit);
    EXPECT_EQ(lit, (std::vector<std::vector<GridCell>>{{}, {{2, 1, '0'}}, {{2, 2, '1'}}}));
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
