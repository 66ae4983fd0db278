// The printed worksheets: the page's paper, where the problems stand, what is written, and
// the answer keys.
#include "practice/grid.h"
#include "practice/sheet.h"
#include "practice/steps.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <string>
#include <vector>

namespace velmorand {
namespace {

constexpr double Slack = 1e-9; // for sums of millimetres

// Sheets of every level in both cell sizes, over a few variants, with their keys.
std::vector<SheetPage> EverySheet() {
    std::vector<SheetPage> pages;
    for (int level = 1; level <= LevelCount; ++level)
        for (const bool large : {false, true})
            for (const int variant : {1, 42, 777, 999998}) {
                const SheetOptions options{.Level = level,
                                           .Variant = variant,
                                           .Variants = 2,
                                           .Answers = true,
                                           .Large = large};
                for (SheetPage& page : MakeSheets(options))
                    pages.push_back(std::move(page));
            }
    return pages;
}

const std::vector<SheetPage>& Sheets() {
    static const std::vector<SheetPage> pages = EverySheet();
    return pages;
}

std::string Where(const SheetPage& page) {
    return "level " + std::to_string(page.Level) + ", variant " + std::to_string(page.Variant) +
           (page.Cell > 5 ? ", large" : "") + (page.Kind == SheetPageKind::Answers ? ", key" : "");
}

bool Inside(const SheetRect& inner, const SheetRect& outer) {
    return inner.X >= outer.X - Slack && inner.Y >= outer.Y - Slack &&
           inner.X + inner.Width <= outer.X + outer.Width + Slack &&
           inner.Y + inner.Height <= outer.Y + outer.Height + Slack;
}

SheetRect Printable(const SheetPage& page) {
    return {page.Margin, page.Margin, page.Width - 2 * page.Margin, page.Height - 2 * page.Margin};
}

// The room a text takes: a digit its cell, another text from its baseline up by its size and
// down by a third of it, for the letters that hang below.
SheetRect Room(const SheetText& text) {
    if (text.InCell)
        return text.Cell;
    return {text.X, text.Baseline - text.Size, text.Width, text.Size * 4 / 3};
}

// A line's room: its ends are square and stop at From and To, its width spreads across it.
SheetRect Room(const SheetLine& line) {
    const double half = line.Width / 2;
    const double left = std::min(line.From.X, line.To.X);
    const double top = std::min(line.From.Y, line.To.Y);
    const double width = std::abs(line.To.X - line.From.X);
    const double height = std::abs(line.To.Y - line.From.Y);
    if (width == 0)
        return {left - half, top, line.Width, height};
    return {left, top - half, width, line.Width};
}

// Plain algorithms: the browser's build has an older standard library without the ranges ones.
template <class T, class Test> bool Any(const std::vector<T>& items, Test test) {
    return std::any_of(items.begin(), items.end(), test);
}

template <class T, class Test> std::ptrdiff_t Count(const std::vector<T>& items, Test test) {
    return std::count_if(items.begin(), items.end(), test);
}

int DigitCount(std::uint32_t value) { return static_cast<int>(std::to_string(value).size()); }

struct PaperCase {
    bool Large;
    double Cell;
    int Columns;
    int Rows;
};

TEST(Sheet, IsA4SquaredPaperWithWholeCellsInsideTheMargins) {
    const PaperCase Table[] = {{false, 5, 36, 53}, {true, 10, 18, 26}};
    for (const PaperCase& paper : Table) {
        const SheetPage page = MakeSheets({.Level = 3, .Large = paper.Large}).at(0);
        SCOPED_TRACE(Where(page));
        EXPECT_DOUBLE_EQ(page.Width, 210);
        EXPECT_DOUBLE_EQ(page.Height, 297);
        EXPECT_DOUBLE_EQ(page.Margin, 15);
        EXPECT_DOUBLE_EQ(page.Cell, paper.Cell);
        EXPECT_DOUBLE_EQ(page.Grid.Pitch, paper.Cell);
        EXPECT_EQ(page.Grid.Columns, paper.Columns);
        EXPECT_EQ(page.Grid.Rows, paper.Rows);
        EXPECT_EQ(page.Grid.Origin, (SheetPoint{15, 15}));
        const SheetRect grid{page.Grid.Origin.X, page.Grid.Origin.Y,
                             page.Grid.Columns * page.Grid.Pitch, page.Grid.Rows * page.Grid.Pitch};
        EXPECT_TRUE(Inside(grid, Printable(page)));
    }
}

TEST(Sheet, NothingCrossesTheMargins) {
    for (const SheetPage& page : Sheets()) {
        SCOPED_TRACE(Where(page));
        const SheetRect printable = Printable(page);
        for (const SheetProblem& problem : page.Problems)
            EXPECT_TRUE(Inside(problem.Area, printable)) << problem.Number;
        for (const SheetText& text : page.Texts)
            EXPECT_TRUE(Inside(Room(text), printable)) << text.Text;
        for (const SheetLine& line : page.Lines)
            EXPECT_TRUE(Inside(Room(line), printable)) << line.From.X << "," << line.From.Y;
    }
}

TEST(Sheet, EveryDigitIsOneTextCentredInACellOfThePaper) {
    for (const SheetPage& page : Sheets()) {
        SCOPED_TRACE(Where(page));
        for (const SheetText& text : page.Texts) {
            if (!text.InCell)
                continue;
            ASSERT_EQ(text.Text.size(), 1u);
            EXPECT_TRUE(text.Text[0] >= '0' && text.Text[0] <= '9') << text.Text;
            EXPECT_DOUBLE_EQ(text.Cell.Width, page.Cell);
            EXPECT_DOUBLE_EQ(text.Cell.Height, page.Cell);
            const double column = (text.Cell.X - page.Grid.Origin.X) / page.Cell;
            const double row = (text.Cell.Y - page.Grid.Origin.Y) / page.Cell;
            EXPECT_NEAR(column, std::round(column), Slack) << text.Cell.X;
            EXPECT_NEAR(row, std::round(row), Slack) << text.Cell.Y;
            EXPECT_GT(text.Size, 0);
            EXPECT_LE(text.Size, page.Cell);
        }
    }
}

// The area holds the whole worked column below the problem's own row's start, two rows per
// quotient digit and two more below the dividend, and the key's answer line above its
// column.
TEST(Sheet, EachAreaHoldsItsWholeWorkedColumn) {
    for (const SheetPage& page : Sheets()) {
        SCOPED_TRACE(Where(page));
        const double top = page.Kind == SheetPageKind::Answers ? page.Cell : 0;
        for (const SheetProblem& placed : page.Problems) {
            const Problem& p = placed.Problem;
            const std::vector<Step> steps = SolutionSteps(p);
            const Grid worked = ColumnGrid(p, steps, steps.size());
            const SheetRect column{placed.Column.X, placed.Column.Y + top,
                                   worked.Columns * page.Cell, worked.Rows * page.Cell};
            EXPECT_TRUE(Inside(column, placed.Area)) << ProblemText(p);
            const int quotientDigits = DigitCount(p.Dividend / p.Divisor);
            EXPECT_GE(placed.Area.Height + Slack, (1 + 2 * quotientDigits + 2) * page.Cell)
                << ProblemText(p);
        }
    }
}

TEST(Sheet, ProblemsStandTwentyMillimetresApart) {
    for (const SheetPage& page : Sheets()) {
        SCOPED_TRACE(Where(page));
        for (std::size_t i = 0; i < page.Problems.size(); ++i)
            for (std::size_t j = i + 1; j < page.Problems.size(); ++j) {
                const SheetRect& a = page.Problems[i].Area;
                const SheetRect& b = page.Problems[j].Area;
                const bool apartAcross =
                    a.X + a.Width + 20 <= b.X + Slack || b.X + b.Width + 20 <= a.X + Slack;
                const bool apartDown =
                    a.Y + a.Height + 20 <= b.Y + Slack || b.Y + b.Height + 20 <= a.Y + Slack;
                EXPECT_TRUE(apartAcross || apartDown) << i + 1 << " and " << j + 1;
            }
    }
}

// Every digit, line and text of a problem stays in its own area.
TEST(Sheet, WhatAProblemWritesStaysInItsArea) {
    for (const SheetPage& page : Sheets()) {
        SCOPED_TRACE(Where(page));
        const auto inSomeArea = [&](const SheetRect& room) {
            return Any(page.Problems,
                       [&](const SheetProblem& placed) { return Inside(room, placed.Area); });
        };
        for (const SheetText& text : page.Texts)
            EXPECT_TRUE(!text.InCell || inSomeArea(text.Cell)) << text.Text;
        // The pen's lines, not the header's thinner blanks.
        for (const SheetLine& line : page.Lines)
            EXPECT_TRUE(line.Width < 0.3 || inSomeArea(Room(line)))
                << line.From.X << "," << line.From.Y;
    }
}

bool Overlap(const SheetRect& a, const SheetRect& b) {
    return a.X < b.X + b.Width - Slack && b.X < a.X + a.Width - Slack &&
           a.Y < b.Y + b.Height - Slack && b.Y < a.Y + a.Height - Slack;
}

// The header and the footer keep off the problems: each text is a problem's own, in its
// area, or touches none.
TEST(Sheet, HeaderAndFooterKeepOffTheProblems) {
    for (const SheetPage& page : Sheets()) {
        SCOPED_TRACE(Where(page));
        for (const SheetText& text : page.Texts) {
            const SheetRect room = Room(text);
            const auto touched =
                Count(page.Problems, [&](const SheetProblem& p) { return Overlap(room, p.Area); });
            const bool own =
                Any(page.Problems, [&](const SheetProblem& p) { return Inside(room, p.Area); });
            EXPECT_TRUE(own ? touched == 1 : touched == 0) << text.Text;
        }
        for (const SheetLine& line : page.Lines)
            EXPECT_TRUE(line.Width > 0.3 || !Any(page.Problems, [&](const SheetProblem& p) {
                            return Overlap(Room(line), p.Area);
                        }));
    }
}

// What the page shows of a problem: its number, and in its first row the dividend's then the
// divisor's digits; the key shows its worked column in grey, the problem page nothing grey.
TEST(Sheet, ProblemsAreBegunAsInTheExerciseBook) {
    for (const SheetPage& page : Sheets()) {
        SCOPED_TRACE(Where(page));
        if (page.Kind != SheetPageKind::Problems)
            continue;
        for (const SheetProblem& placed : page.Problems) {
            std::map<double, std::string> firstRow;
            int digits = 0;
            for (const SheetText& text : page.Texts) {
                if (!text.InCell || !Inside(text.Cell, placed.Area))
                    continue;
                ++digits;
                EXPECT_FALSE(text.Grey);
                if (std::abs(text.Cell.Y - placed.Column.Y) < Slack)
                    firstRow[text.Cell.X] = text.Text;
            }
            std::string read;
            for (const auto& [x, digit] : firstRow)
                read += digit;
            const Problem& p = placed.Problem;
            EXPECT_EQ(read, std::to_string(p.Dividend) + std::to_string(p.Divisor));
            EXPECT_EQ(digits, DigitCount(p.Dividend) + DigitCount(p.Divisor));
            EXPECT_DOUBLE_EQ(firstRow.begin()->first, placed.Column.X);
            const std::string number = std::to_string(placed.Number) + ".";
            EXPECT_TRUE(Any(page.Texts, [&](const SheetText& t) {
                return t.Text == number && Inside(Room(t), placed.Area);
            })) << number;
        }
    }
}

std::string Answer(const Problem& p) {
    std::string line = std::to_string(p.Dividend) + " : " + std::to_string(p.Divisor) + " = " +
                       std::to_string(p.Dividend / p.Divisor);
    if (p.Dividend % p.Divisor != 0)
        line += " (ост. " + std::to_string(p.Dividend % p.Divisor) + ")";
    return line;
}

TEST(Sheet, TheKeyGivesEachProblemsAnswerAndItsColumnInGrey) {
    for (const SheetPage& page : Sheets()) {
        SCOPED_TRACE(Where(page));
        if (page.Kind != SheetPageKind::Answers)
            continue;
        for (const SheetProblem& placed : page.Problems) {
            const std::string line = std::to_string(placed.Number) + ". " + Answer(placed.Problem);
            EXPECT_TRUE(Any(page.Texts, [&](const SheetText& t) {
                return t.Text == line && !t.InCell && Inside(Room(t), placed.Area);
            })) << line;
        }
        for (const SheetText& text : page.Texts)
            EXPECT_EQ(text.Grey, text.InCell) << text.Text;
    }
}

struct AnswerCase {
    Problem Asked;
    const char* Expected;
};

TEST(Sheet, AnswerLineReadsAsTheTeacherWritesIt) {
    const AnswerCase Table[] = {
        {{7240, 8}, "7240 : 8 = 905"},
        {{7945, 40}, "7945 : 40 = 198 (ост. 25)"},
        {{9, 9}, "9 : 9 = 1"},
        {{999999, 101}, "999999 : 101 = 9900 (ост. 99)"},
    };
    for (const AnswerCase& c : Table)
        EXPECT_EQ(SheetAnswer(c.Asked), c.Expected);
}

struct PagesCase {
    SheetOptions Options;
    std::vector<std::pair<SheetPageKind, int>> Expected; // each page's kind and variant
};

TEST(Sheet, VariantsFollowEachOtherEachWithItsKey) {
    using K = SheetPageKind;
    const PagesCase Table[] = {
        {{.Variant = 42}, {{K::Problems, 42}}},
        {{.Variant = 42, .Answers = true}, {{K::Problems, 42}, {K::Answers, 42}}},
        {{.Variant = 7, .Variants = 3}, {{K::Problems, 7}, {K::Problems, 8}, {K::Problems, 9}}},
        {{.Variant = 5, .Variants = 4, .Answers = true},
         {{K::Problems, 5},
          {K::Answers, 5},
          {K::Problems, 6},
          {K::Answers, 6},
          {K::Problems, 7},
          {K::Answers, 7},
          {K::Problems, 8},
          {K::Answers, 8}}},
        // After the last variant comes the first.
        {{.Variant = 999998, .Variants = 3},
         {{K::Problems, 999998}, {K::Problems, 999999}, {K::Problems, 1}}},
        // Out of range: the nearest in range.
        {{.Variant = 0, .Variants = 9},
         {{K::Problems, 1}, {K::Problems, 2}, {K::Problems, 3}, {K::Problems, 4}}},
        {{.Variant = 5000000, .Variants = -1}, {{K::Problems, 999999}}},
    };
    for (const PagesCase& c : Table) {
        const std::vector<SheetPage> pages = MakeSheets(c.Options);
        ASSERT_EQ(pages.size(), c.Expected.size()) << c.Options.Variant;
        for (std::size_t i = 0; i < pages.size(); ++i) {
            EXPECT_EQ(pages[i].Kind, c.Expected[i].first) << i;
            EXPECT_EQ(pages[i].Variant, c.Expected[i].second) << i;
            EXPECT_EQ(pages[i].Level, ClampLevel(c.Options.Level));
        }
    }
}

// The page names its variant in the header and its level and variant in the footer, so that
// the same sheet can be made again; a key has the same problems in the same places.
TEST(Sheet, SaysWhatMakesItAgain) {
    for (const SheetPage& page : Sheets()) {
        SCOPED_TRACE(Where(page));
        const std::string variant = std::to_string(page.Variant);
        const std::string footer = "Уровень " + std::to_string(page.Level) + ", вариант " + variant;
        const auto has = [&](const std::string& part) {
            return Any(page.Texts,
                       [&](const SheetText& t) { return t.Text.find(part) != std::string::npos; });
        };
        EXPECT_TRUE(has("Вариант " + variant));
        EXPECT_TRUE(has(footer));
        EXPECT_TRUE(has("Velmorand"));
        EXPECT_EQ(has("Фамилия, имя"), page.Kind == SheetPageKind::Problems);
    }
    const std::vector<SheetPage> pages = MakeSheets({.Level = 6, .Variant = 3, .Answers = true});
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_EQ(pages[0].Problems, pages[1].Problems);
}

TEST(Sheet, SameOptionsGiveTheSameSheet) {
    const SheetOptions options{.Level = 7, .Variant = 123, .Variants = 4, .Answers = true};
    const std::vector<SheetPage> first = MakeSheets(options);
    EXPECT_EQ(MakeSheets(options), first);
    // And another variant gives other problems.
    EXPECT_NE(MakeSheets({.Level = 7, .Variant = 124}).at(0).Problems, first.at(0).Problems);
}

// The problems are the level and variant's first ones, in order, numbered from 1, as many as
// asked for while they fit.
TEST(Sheet, HoldsTheVariantsFirstProblemsInOrder) {
    const struct {
        SheetOptions Options;
        std::size_t Expected; // 0: as many as fit
    } Table[] = {
        {{.Level = 1, .Variant = 9, .Problems = 3}, 3},
        {{.Level = 8, .Variant = 9, .Problems = 1}, 1},
        {{.Level = 4, .Variant = 9, .Problems = 6, .Large = true}, 0},
        {{.Level = 2, .Variant = 9}, 0},
        {{.Level = 2, .Variant = 9, .Problems = 40}, 0},
        {{.Level = 5, .Variant = 9, .Problems = 1000}, 0},
    };
    for (const auto& c : Table) {
        const std::vector<SheetProblem> placed = PlaceSheetProblems(c.Options, c.Options.Variant);
        SheetOptions all = c.Options;
        all.Problems = 0;
        const std::size_t fit = PlaceSheetProblems(all, all.Variant).size();
        EXPECT_EQ(placed.size(), c.Expected == 0 ? fit : c.Expected) << c.Options.Level;
        for (std::size_t i = 0; i < placed.size(); ++i) {
            EXPECT_EQ(placed[i].Number, static_cast<int>(i) + 1);
            EXPECT_EQ(placed[i].Problem,
                      GenerateProblem(c.Options.Level, c.Options.Variant, static_cast<int>(i)));
        }
        EXPECT_EQ(MakeSheets(c.Options).at(0).Problems, placed);
    }
}

// Six-digit dividends and three-digit divisors, with quotients of up to four digits.
TEST(Sheet, LongestProblemsStillFitSeveral) {
    const struct {
        bool Large;
        std::size_t Least;
    } Table[] = {{false, 6}, {true, 2}};
    for (const auto& c : Table)
        for (int variant = 1; variant <= 60; ++variant) {
            const SheetOptions options{.Level = 8, .Variant = variant, .Large = c.Large};
            EXPECT_GE(PlaceSheetProblems(options, variant).size(), c.Least)
                << variant << (c.Large ? " large" : "");
        }
}

TEST(Sheet, OptionsOutOfRangeAreTakenAsTheNearest) {
    const struct {
        SheetOptions Asked;
        SheetOptions Expected;
    } Table[] = {
        {{0, 0, 0, -1, true, true}, {1, 1, 1, 0, true, true}},
        {{9, 1000000, 5, 41}, {8, 999999, 4, 40}},
        {{8, 999999, 4, 40}, {8, 999999, 4, 40}},
        {{5, 42, 2, 8, false, true}, {5, 42, 2, 8, false, true}},
    };
    for (const auto& c : Table)
        EXPECT_EQ(ClampSheetOptions(c.Asked), c.Expected) << c.Asked.Level;
}

} // namespace
} // namespace velmorand
