// The printed worksheets: the paper, where the problems stand, what is written, and the keys.
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

// Every level in both cell sizes, over a few variants, each with its key.
const std::vector<SheetPage>& Sheets() {
    static const std::vector<SheetPage> pages = [] {
        std::vector<SheetPage> all;
        for (int level = 1; level <= LevelCount; ++level)
            for (const bool large : {false, true})
                for (const int variant : {1, 42, 777, 999998})
                    for (SheetPage& page : MakeSheets({level, variant, 2, 0, true, large}))
                        all.push_back(std::move(page));
        return all;
    }();
    return pages;
}

std::string Where(const SheetPage& page) {
    return "level " + std::to_string(page.Level) + ", variant " + std::to_string(page.Variant) +
           ", cell " + std::to_string(page.Cell) +
           (page.Kind == SheetPageKind::Answers ? ", key" : "");
}

bool Inside(const SheetRect& in, const SheetRect& out) {
    return in.X >= out.X - Slack && in.Y >= out.Y - Slack &&
           in.X + in.Width <= out.X + out.Width + Slack &&
           in.Y + in.Height <= out.Y + out.Height + Slack;
}

bool Overlap(const SheetRect& a, const SheetRect& b) {
    return a.X < b.X + b.Width - Slack && b.X < a.X + a.Width - Slack &&
           a.Y < b.Y + b.Height - Slack && b.Y < a.Y + a.Height - Slack;
}

// A digit takes its cell; another text its room from a size above its baseline to a third of
// one below, for the letters that hang down.
SheetRect Room(const SheetText& text) {
    return text.InCell
               ? text.Cell
               : SheetRect{text.X, text.Baseline - text.Size, text.Width, text.Size * 4 / 3};
}

// A line's ends are square and stop at From and To; its width spreads across it.
SheetRect Room(const SheetLine& line) {
    const double left = std::min(line.From.X, line.To.X), top = std::min(line.From.Y, line.To.Y);
    const double width = std::abs(line.To.X - line.From.X);
    const double height = std::abs(line.To.Y - line.From.Y);
    if (width == 0)
        return {left - line.Width / 2, top, line.Width, height};
    return {left, top - line.Width / 2, width, line.Width};
}

// The area of the problem a room is wholly inside, or nothing; false when it only overlaps one.
bool InOneArea(const SheetPage& page, const SheetRect& room, bool& overlapsOther) {
    bool inside = false;
    overlapsOther = false;
    for (const SheetProblem& p : page.Problems) {
        inside = inside || Inside(room, p.Area);
        overlapsOther = overlapsOther || (Overlap(room, p.Area) && !Inside(room, p.Area));
    }
    return inside;
}

int DigitCount(std::uint32_t value) { return static_cast<int>(std::to_string(value).size()); }

TEST(Sheet, IsA4SquaredPaperOfWholeCellsInsideTheMargins) {
    const struct {
        bool Large;
        double Cell;
        int Columns, Rows;
    } Table[] = {{false, 5, 36, 53}, {true, 10, 18, 26}};
    for (const auto& c : Table) {
        const SheetPage page = MakeSheets({.Level = 3, .Large = c.Large}).at(0);
        EXPECT_EQ(std::vector<double>({page.Width, page.Height, page.Margin, page.Cell}),
                  std::vector<double>({210, 297, 15, c.Cell}));
        EXPECT_EQ(page.Grid, (SheetGrid{{15, 15}, c.Columns, c.Rows, c.Cell}));
    }
}

// Digits one to a cell of the paper, nothing across the margins, every area holding its whole
// worked column (below the key's answer line), with two rows per quotient digit and two more
// below the dividend, areas 20 mm apart, the header and footer off them, no text on another.
TEST(Sheet, EverythingStaysInItsPlace) {
    for (const SheetPage& page : Sheets()) {
        SCOPED_TRACE(Where(page));
        const SheetRect printable{15, 15, 180, 267};
        const double keyRow = page.Kind == SheetPageKind::Answers ? page.Cell : 0;
        for (std::size_t i = 0; i < page.Problems.size(); ++i) {
            const SheetProblem& placed = page.Problems[i];
            const Problem& p = placed.Problem;
            const std::vector<Step> steps = SolutionSteps(p);
            const Grid worked = ColumnGrid(p, steps, steps.size());
            const SheetRect column{placed.Column.X, placed.Column.Y + keyRow,
                                   worked.Columns * page.Cell, worked.Rows * page.Cell};
            EXPECT_TRUE(Inside(column, placed.Area) && Inside(placed.Area, printable)) << i;
            EXPECT_GE(placed.Area.Height + Slack,
                      (3 + 2 * DigitCount(p.Dividend / p.Divisor)) * page.Cell);
            for (std::size_t j = 0; j < i; ++j) {
                const SheetRect& a = page.Problems[j].Area;
                const SheetRect apart{a.X - 20, a.Y - 20, a.Width + 40, a.Height + 40};
                EXPECT_FALSE(Overlap(apart, placed.Area)) << j << " and " << i;
            }
        }
        for (const SheetText& text : page.Texts) {
            bool straddles = false;
            const bool own = InOneArea(page, Room(text), straddles);
            EXPECT_TRUE(Inside(Room(text), printable) && !straddles && (own || !text.InCell))
                << text.Text;
            if (!text.InCell)
                continue;
            EXPECT_TRUE(text.Text.size() == 1 && text.Text[0] >= '0' && text.Text[0] <= '9');
            EXPECT_EQ(std::vector<double>({text.Cell.Width, text.Cell.Height}),
                      std::vector<double>({page.Cell, page.Cell}));
            const double column = (text.Cell.X - 15) / page.Cell,
                         row = (text.Cell.Y - 15) / page.Cell;
            EXPECT_LT(std::abs(column - std::round(column)) + std::abs(row - std::round(row)),
                      Slack);
        }
        for (std::size_t i = 0; i < page.Texts.size(); ++i)
            for (std::size_t j = 0; j < i; ++j)
                EXPECT_FALSE(Overlap(Room(page.Texts[i]), Room(page.Texts[j])))
                    << page.Texts[j].Text << " and " << page.Texts[i].Text;
        for (const SheetLine& line : page.Lines) {
            bool straddles = false;
            const bool own = InOneArea(page, Room(line), straddles);
            // The pen's lines are the problems' own; the thinner header's blanks none's.
            EXPECT_TRUE(Inside(Room(line), printable) && !straddles && own == (line.Width > 0.3))
                << line.From.X << " " << line.From.Y;
        }
    }
}

// The problem's number, and in its first row the dividend's then the divisor's digits alone;
// on the key, «1. 7240 : 8 = 905» worked out here, and only the columns in grey.
TEST(Sheet, ShowsEachProblemAndOnTheKeyItsAnswer) {
    for (const SheetPage& page : Sheets()) {
        SCOPED_TRACE(Where(page));
        const bool key = page.Kind == SheetPageKind::Answers;
        for (const SheetProblem& placed : page.Problems) {
            const std::uint32_t a = placed.Problem.Dividend, b = placed.Problem.Divisor;
            std::string expected = std::to_string(placed.Number) + ".";
            if (key)
                expected += " " + std::to_string(a) + " : " + std::to_string(b) + " = " +
                            std::to_string(a / b) +
                            (a % b == 0 ? "" : " (ост. " + std::to_string(a % b) + ")");
            std::map<double, std::string> firstRow;
            int found = 0, digits = 0;
            for (const SheetText& t : page.Texts) {
                if (!Inside(Room(t), placed.Area))
                    continue;
                found += t.Text == expected;
                digits += t.InCell;
                if (t.InCell && std::abs(t.Cell.Y - placed.Column.Y) < Slack)
                    firstRow[t.Cell.X] += t.Text;
                EXPECT_EQ(t.Grey, key && t.InCell) << t.Text;
            }
            EXPECT_EQ(found, 1) << expected;
            std::string read;
            for (const auto& [x, digit] : firstRow)
                read += digit;
            if (!key) {
                EXPECT_EQ(read, std::to_string(a) + std::to_string(b));
                EXPECT_EQ(digits, DigitCount(a) + DigitCount(b));
                EXPECT_DOUBLE_EQ(firstRow.begin()->first, placed.Column.X);
            }
        }
    }
    EXPECT_EQ(SheetAnswer({7945, 40}), "7945 : 40 = 198 (ост. 25)");
}

TEST(Sheet, VariantsFollowEachOtherEachWithItsKeyAndItsName) {
    using K = SheetPageKind;
    const struct {
        SheetOptions Options;
        std::vector<std::pair<SheetPageKind, int>> Pages;
    } Table[] = {
        {{.Variant = 42}, {{K::Problems, 42}}},
        {{.Variant = 42, .Answers = true}, {{K::Problems, 42}, {K::Answers, 42}}},
        {{.Variant = 7, .Variants = 3}, {{K::Problems, 7}, {K::Problems, 8}, {K::Problems, 9}}},
        {{.Level = 4, .Variant = 5, .Variants = 4, .Answers = true},
         {{K::Problems, 5},
          {K::Answers, 5},
          {K::Problems, 6},
          {K::Answers, 6},
          {K::Problems, 7},
          {K::Answers, 7},
          {K::Problems, 8},
          {K::Answers, 8}}},
        // After the last variant comes the first; out of range, the nearest in range.
        {{.Variant = 999998, .Variants = 3},
         {{K::Problems, 999998}, {K::Problems, 999999}, {K::Problems, 1}}},
        {{.Level = 0, .Variant = 0, .Variants = 9},
         {{K::Problems, 1}, {K::Problems, 2}, {K::Problems, 3}, {K::Problems, 4}}},
        {{.Level = 12, .Variant = 5000000, .Variants = -1}, {{K::Problems, 999999}}},
    };
    for (const auto& c : Table) {
        const std::vector<SheetPage> pages = MakeSheets(c.Options);
        ASSERT_EQ(pages.size(), c.Pages.size()) << c.Options.Variant;
        for (std::size_t i = 0; i < pages.size(); ++i) {
            const SheetPage& page = pages[i];
            EXPECT_EQ(std::make_pair(page.Kind, page.Variant), c.Pages[i]) << i;
            EXPECT_EQ(page.Problems, pages[i - i % (c.Options.Answers ? 2 : 1)].Problems);
            const std::string footer = "Уровень " + std::to_string(ClampLevel(c.Options.Level)) +
                                       ", вариант " + std::to_string(page.Variant);
            const auto says = [&](const std::string& part) {
                return std::any_of(page.Texts.begin(), page.Texts.end(), [&](const SheetText& t) {
                    return t.Text.find(part) != std::string::npos;
                });
            };
            EXPECT_TRUE(says(footer) && says("Вариант " + std::to_string(page.Variant)));
            EXPECT_EQ(says("Фамилия, имя"), page.Kind == K::Problems);
        }
    }
}

TEST(Sheet, SameOptionsGiveTheSameSheet) {
    const SheetOptions options{.Level = 7, .Variant = 123, .Variants = 4, .Answers = true};
    EXPECT_EQ(MakeSheets(options), MakeSheets(options));
    EXPECT_NE(MakeSheets({.Level = 7, .Variant = 124}).at(0).Problems,
              MakeSheets(options).at(0).Problems);
}

// The level and variant's first problems, in order, numbered from 1, as many as asked for
// while they fit; with the longest (six-digit dividends, three-digit divisors) still several.
TEST(Sheet, HoldsTheFirstProblemsAsManyAsAskedAndFit) {
    const struct {
        SheetOptions Options;
        std::size_t Least, Most;
    } Table[] = {
        {{.Level = 1, .Problems = 3}, 3, 3},
        {{.Level = 8, .Problems = 1}, 1, 1},
        {{.Level = 2}, 6, 40},
        {{.Level = 5, .Problems = 99}, 4, 40},
        {{.Level = 8}, 6, 40},
        {{.Level = 8, .Large = true}, 2, 40},
        {{.Level = 4, .Problems = 8, .Large = true}, 4, 8},
    };
    for (const auto& c : Table)
        for (int variant = 1; variant <= 40; ++variant) {
            SheetOptions options = c.Options;
            options.Variant = variant;
            const std::vector<SheetProblem> placed = PlaceSheetProblems(options, variant);
            options.Problems = 0;
            const std::size_t fit = PlaceSheetProblems(options, variant).size();
            const auto asked = static_cast<std::size_t>(c.Options.Problems);
            EXPECT_EQ(placed.size(), std::min(fit, asked == 0 ? fit : asked)) << variant;
            EXPECT_TRUE(placed.size() >= c.Least && placed.size() <= c.Most)
                << c.Options.Level << " " << variant << ": " << placed.size();
            for (std::size_t i = 0; i < placed.size(); ++i)
                EXPECT_EQ(
                    std::make_pair(placed[i].Number, placed[i].Problem),
                    std::make_pair(static_cast<int>(i) + 1,
                                   GenerateProblem(options.Level, variant, static_cast<int>(i))));
        }
}

} // namespace
} // namespace velmorand
