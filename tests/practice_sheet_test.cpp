// The printed sheets: the paper, where the problems stand and in what order, every problem
// asked for, what is written, the keys, and the choices.
#include "practice/column_shapes.h"
#include "practice/grid.h"
#include "practice/method.h"
#include "practice/numbers.h"
#include "practice/problem_set.h"
#include "practice/sheet.h"
#include "practice/steps.h"
#include "practice/texts.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <string>
#include <vector>

namespace velmorand {
namespace {

using practice_detail::Grouped;

constexpr double Slack = 1e-9; // for sums of millimetres

// Every level in both cell sizes, over a few variants, each with its key, some on two pages.
const std::vector<PrintedPage>& Sheets() {
    static const std::vector<PrintedPage> pages = [] {
        std::vector<PrintedPage> all;
        for (int level = 1; level <= LevelCount; ++level)
            for (const bool large : {false, true})
                for (const int variant : {1, 42, 777, 999998})
                    for (PrintedPage& page : MakePrintedSheets({level, variant, 2, 6, true, large}))
                        all.push_back(std::move(page));
        return all;
    }();
    return pages;
}

std::string Where(const PrintedPage& page) {
    return "level " + std::to_string(page.Level) + ", variant " + std::to_string(page.Variant) +
           ", cell " + std::to_string(page.Cell) + ", sheet " + std::to_string(page.Sheet) +
           (page.Kind == PrintedPageKind::Answers ? ", key" : "");
}

bool Inside(const PrintedRect& in, const PrintedRect& out) {
    return in.X >= out.X - Slack && in.Y >= out.Y - Slack &&
           in.X + in.Width <= out.X + out.Width + Slack &&
           in.Y + in.Height <= out.Y + out.Height + Slack;
}

bool Overlap(const PrintedRect& a, const PrintedRect& b) {
    return a.X < b.X + b.Width - Slack && b.X < a.X + a.Width - Slack &&
           a.Y < b.Y + b.Height - Slack && b.Y < a.Y + a.Height - Slack;
}

// A digit takes its cell; another text its room from a size above its baseline to a third of
// one below, for the letters that hang down.
PrintedRect Room(const PrintedText& text) {
    return text.InCell
               ? text.Cell
               : PrintedRect{text.X, text.Baseline - text.Size, text.Width, text.Size * 4 / 3};
}

// A line's ends are square and stop at From and To; its width spreads across it.
PrintedRect Room(const PrintedLine& line) {
    const double left = std::min(line.From.X, line.To.X), top = std::min(line.From.Y, line.To.Y);
    const double width = std::abs(line.To.X - line.From.X);
    const double height = std::abs(line.To.Y - line.From.Y);
    if (width == 0)
        return {left - line.Width / 2, top, line.Width, height};
    return {left, top - line.Width / 2, width, line.Width};
}

// The area of the problem a room is wholly inside, or nothing; false when it only overlaps one.
bool InOneArea(const PrintedPage& page, const PrintedRect& room, bool& overlapsOther) {
    bool inside = false;
    overlapsOther = false;
    for (const PrintedProblem& p : page.Problems) {
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
        const PrintedPage page = MakePrintedSheets({.Level = 3, .Large = c.Large}).at(0);
        EXPECT_EQ(std::vector<double>({page.Width, page.Height, page.Margin, page.Cell}),
                  std::vector<double>({210, 297, 15, c.Cell}));
        EXPECT_EQ(page.Squares, (PrintedSquares{{15, 15}, c.Columns, c.Rows, c.Cell}));
    }
}

// Digits one to a cell of the paper, nothing across the margins, every area holding its whole
// worked column (below the key's answer line), with two rows per quotient digit and two more
// below the dividend, areas 20 mm apart, the header and footer off them, no text on another.
TEST(Sheet, EverythingStaysInItsPlace) {
    for (const PrintedPage& page : Sheets()) {
        SCOPED_TRACE(Where(page));
        const PrintedRect printable{15, 15, 180, 267};
        const double keyRow = page.Kind == PrintedPageKind::Answers ? page.Cell : 0;
        for (std::size_t i = 0; i < page.Problems.size(); ++i) {
            const PrintedProblem& placed = page.Problems[i];
            const Problem& p = placed.Problem;
            const std::vector<Step> steps = SolutionSteps(p);
            const Grid worked = ColumnGrid(p, steps, steps.size());
            const PrintedRect column{placed.Column.X, placed.Column.Y + keyRow,
                                     worked.Columns * page.Cell, worked.Rows * page.Cell};
            EXPECT_TRUE(Inside(column, placed.Area) && Inside(placed.Area, printable)) << i;
            EXPECT_GE(placed.Area.Height + Slack,
                      (3 + 2 * DigitCount(p.Dividend / p.Divisor)) * page.Cell);
            for (std::size_t j = 0; j < i; ++j) {
                const PrintedRect& a = page.Problems[j].Area;
                const PrintedRect apart{a.X - 20, a.Y - 20, a.Width + 40, a.Height + 40};
                EXPECT_FALSE(Overlap(apart, placed.Area)) << j << " and " << i;
            }
        }
        for (const PrintedText& text : page.Texts) {
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
        for (const PrintedLine& line : page.Lines) {
            bool straddles = false;
            const bool own = InOneArea(page, Room(line), straddles);
            // The columns' lines and minus signs are the problems' own, all one width as in
            // the practice window; the header's thinner blanks none's.
            const bool stroke = std::abs(line.Width - StrokeCells * page.Cell) < Slack;
            EXPECT_TRUE(Inside(Room(line), printable) && !straddles && own == stroke)
                << line.From.X << " " << line.From.Y << " " << line.Width;
        }
    }
}

// The problem's number, and in its first row the dividend's then the divisor's digits alone;
// on the key, «1. 7240 : 8 = 905» worked out here, and only the columns in grey.
TEST(Sheet, ShowsEachProblemAndOnTheKeyItsAnswer) {
    for (const PrintedPage& page : Sheets()) {
        SCOPED_TRACE(Where(page));
        const bool key = page.Kind == PrintedPageKind::Answers;
        for (const PrintedProblem& placed : page.Problems) {
            const std::uint32_t a = placed.Problem.Dividend, b = placed.Problem.Divisor;
            std::string expected = std::to_string(placed.Number) + ".";
            if (key)
                expected += " " + Grouped(a) + " : " + Grouped(b) + " = " + Grouped(a / b) +
                            (a % b == 0 ? "" : " (ост. " + Grouped(a % b) + ")");
            std::map<double, std::string> firstRow;
            int found = 0, digits = 0;
            for (const PrintedText& t : page.Texts) {
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
    EXPECT_EQ(PrintedAnswer({7945, 40}), "7945 : 40 = 198 (ост. 25)");
}

TEST(Sheet, VariantsFollowEachOtherEachWithItsKeyAndItsName) {
    using K = PrintedPageKind;
    const struct {
        PrintedSheetsOptions Options;
        std::vector<std::pair<PrintedPageKind, int>> Pages;
    } Table[] = {
        // clang-format off
        {{.Variant = 42, .Answers = false}, {{K::Problems, 42}}},
        {{.Variant = 42}, {{K::Problems, 42}, {K::Answers, 42}}},
        {{.Variant = 7, .Variants = 3, .Answers = false},
         {{K::Problems, 7}, {K::Problems, 8}, {K::Problems, 9}}},
        {{.Level = 4, .Variant = 5, .Variants = 4, .Answers = true},
         {{K::Problems, 5}, {K::Answers, 5}, {K::Problems, 6}, {K::Answers, 6},
          {K::Problems, 7}, {K::Answers, 7}, {K::Problems, 8}, {K::Answers, 8}}},
        // After the last variant comes the first; out of range, the nearest in range.
        {{.Variant = 999998, .Variants = 3, .Answers = false},
         {{K::Problems, 999998}, {K::Problems, 999999}, {K::Problems, 1}}},
        {{.Level = 0, .Variant = 0, .Variants = 9, .Answers = false},
         {{K::Problems, 1}, {K::Problems, 2}, {K::Problems, 3}, {K::Problems, 4}}},
        {{.Level = 12, .Variant = 5000000, .Variants = -1, .Answers = false},
         {{K::Problems, 999999}}},
        // clang-format on
    };
    for (const auto& c : Table) {
        const std::vector<PrintedPage> pages = MakePrintedSheets(c.Options);
        ASSERT_EQ(pages.size(), c.Pages.size()) << c.Options.Variant;
        for (std::size_t i = 0; i < pages.size(); ++i) {
            const PrintedPage& page = pages[i];
            EXPECT_EQ(std::make_pair(page.Kind, page.Variant), c.Pages[i]) << i;
            EXPECT_EQ(page.Problems, pages[i - i % (c.Options.Answers ? 2 : 1)].Problems);
            const std::string footer =
                LevelTitle(c.Options.Level) + ", вариант " + std::to_string(page.Variant);
            const auto says = [&](const std::string& part) {
                return std::any_of(page.Texts.begin(), page.Texts.end(), [&](const PrintedText& t) {
                    return t.Text.find(part) != std::string::npos;
                });
            };
            EXPECT_TRUE(says(footer) && says("Вариант " + std::to_string(page.Variant)));
            EXPECT_EQ(says("Фамилия, имя"), page.Kind == K::Problems);
        }
    }
}

int Letters(const std::string& text) {
    return static_cast<int>(std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

const PrintedText* Footer(const PrintedPage& page) {
    for (const PrintedText& text : page.Texts)
        if (text.Text.ends_with("Velmorand"))
            return &text;
    return nullptr;
}

// The footer names the level; with the longest names, the last variant and a key of several
// pages, it still has the room of its letters (at 0.6 em each, as the sheets reckon) across
// the printable width, at a size that reads.
TEST(Sheet, FooterNamesTheLevelAndFitsTheWidth) {
    const std::vector<PrintedPage> named = MakePrintedSheets({6, 42, 1, 40, true, false});
    const auto key = std::find_if(named.begin(), named.end(), [](const PrintedPage& page) {
        return page.Kind == PrintedPageKind::Answers && page.Sheet == 2;
    });
    ASSERT_NE(key, named.end());
    ASSERT_NE(Footer(*key), nullptr);
    EXPECT_EQ(Footer(*key)->Text, "Уровень 6: нуль в частном, вариант 42, ответы, лист 2 из " +
                                      std::to_string(key->Sheets) + " · Velmorand");
    for (int level = 1; level <= LevelCount; ++level)
        for (const bool large : {false, true})
            for (const PrintedPage& page :
                 MakePrintedSheets({level, MostVariant, 1, 40, true, large})) {
                SCOPED_TRACE(Where(page));
                const PrintedText* footer = Footer(page);
                ASSERT_NE(footer, nullptr);
                EXPECT_TRUE(footer->Text.starts_with(LevelTitle(level) + ", вариант 999999"));
                EXPECT_LE(footer->X + footer->Width, page.Width - page.Margin + Slack);
                EXPECT_LE(Letters(footer->Text) * 0.6 * footer->Size, footer->Width + Slack);
                EXPECT_GE(footer->Size, 3.0);
            }
}

// Every problem of every key page, with its worked column.
template <typename Check> void ForEachKeyProblem(Check check) {
    for (const PrintedPage& page : Sheets()) {
        if (page.Kind != PrintedPageKind::Answers)
            continue;
        SCOPED_TRACE(Where(page));
        for (const PrintedProblem& placed : page.Problems) {
            const std::vector<Step> steps = SolutionSteps(placed.Problem);
            check(page, placed, ColumnGrid(placed.Problem, steps, steps.size()));
        }
    }
}

// Where the level checks by multiplication (a divisor of one digit or round tens), the key
// has the check under each worked column, in its problem's area: on one row, or with the
// remainder added on a second; for any other divisor, nothing is written under the column.
TEST(Sheet, TheKeyChecksByMultiplyingWhereTheLevelDoes) {
    int checked = 0, unchecked = 0, twoRows = 0;
    ForEachKeyProblem([&](const PrintedPage& page, const PrintedProblem& placed,
                          [[maybe_unused]] const Grid& worked) {
        const double columnBottom = placed.Column.Y + (1 + worked.Rows) * page.Cell;
        std::vector<std::string> below;
        for (const PrintedText& t : page.Texts)
            if (Inside(Room(t), placed.Area) && Room(t).Y + Slack >= columnBottom) {
                EXPECT_FALSE(t.InCell || t.Grey) << t.Text;
                below.push_back(t.Text);
            }
        const bool checks = ChecksByMultiplying(placed.Problem.Divisor);
        std::string read;
        for (const std::string& row : below)
            read += (read.empty() ? "" : " ") + row;
        EXPECT_EQ(read, checks ? CheckLine(placed.Problem) : "");
        (checks ? checked : unchecked) += 1;
        twoRows += below.size() == 2;
    });
    EXPECT_GT(checked, 0);
    EXPECT_GT(unchecked, 0);
    EXPECT_GT(twoRows, 0);
}

TEST(Sheet, SameOptionsGiveTheSameSheet) {
    const PrintedSheetsOptions options{.Level = 7, .Variant = 123, .Variants = 4, .Answers = true};
    EXPECT_EQ(MakePrintedSheets(options), MakePrintedSheets(options));
    EXPECT_NE(MakePrintedSheets({.Level = 7, .Variant = 124}).at(0).Problems,
              MakePrintedSheets(options).at(0).Problems);
}

// Every variant of a set holds as many problems as were asked for, the same for each, in
// order and numbered from 1, going on over further pages where one does not hold them, each
// page followed by the key's pages in the same places; with none asked for, as many as fit on
// one page for every variant of the set, so that one more would not.
TEST(Sheet, EveryVariantHoldsEveryProblemAskedFor) {
    for (int level = 1; level <= LevelCount; ++level)
        for (const int asked : {0, 1, 4, 8, 16, 40})
            for (const bool large : {false, true}) {
                const PrintedSheetsOptions options{level, 42, 2, asked, true, large};
                SCOPED_TRACE(std::to_string(level) + " " + std::to_string(asked) +
                             (large ? " large" : ""));
                const std::vector<PrintedPage> pages = MakePrintedSheets(options);
                const int count = PrintedProblemCount(options);
                EXPECT_EQ(count, asked == 0 ? count : asked);
                std::map<std::pair<int, PrintedPageKind>, std::vector<PrintedProblem>> held;
                for (const PrintedPage& page : pages) {
                    std::vector<PrintedProblem>& all = held[{page.Variant, page.Kind}];
                    all.insert(all.end(), page.Problems.begin(), page.Problems.end());
                    const std::string sheet = ", лист " + std::to_string(page.Sheet) + " из " +
                                              std::to_string(page.Sheets);
                    EXPECT_EQ(std::any_of(page.Texts.begin(), page.Texts.end(),
                                          [&](const PrintedText& t) {
                                              return t.Text.find(sheet) != std::string::npos;
                                          }),
                              page.Sheets > 1);
                }
                ASSERT_EQ(held.size(), 4U);
                for (const auto& [which, problems] : held) {
                    ASSERT_EQ(problems.size(), static_cast<std::size_t>(count));
                    for (int i = 0; i < count; ++i)
                        EXPECT_EQ(std::make_pair(problems[i].Number, problems[i].Problem),
                                  std::make_pair(i + 1, GenerateProblem(level, which.first, i)));
                }
                // Each variant's problem pages, then its key's, page for page the same.
                const std::size_t sheets = static_cast<std::size_t>(pages.front().Sheets);
                ASSERT_EQ(pages.size(), 2 * (pages[2 * sheets].Sheets + sheets));
                for (std::size_t i = 0; i < sheets; ++i) {
                    EXPECT_EQ(pages[i].Problems, pages[sheets + i].Problems);
                    EXPECT_EQ(std::make_pair(pages[i].Kind, pages[sheets + i].Kind),
                              std::make_pair(PrintedPageKind::Problems, PrintedPageKind::Answers));
                    EXPECT_EQ(pages[i].Sheet, static_cast<int>(i) + 1);
                }
                if (asked == 0) {
                    EXPECT_EQ(pages.front().Sheets, 1);
                    EXPECT_EQ(pages[2].Sheets, 1);
                    PrintedSheetsOptions more = options;
                    more.Problems = count + 1;
                    const std::vector<PrintedPage> over = MakePrintedSheets(more);
                    EXPECT_TRUE(count == MostPrintedProblems ||
                                over.front().Sheets + over.back().Sheets > 2);
                }
            }
}

// Left to right along a row, the rows from the top down: each problem stands right of the one
// before in its row, or below every problem before it on the page.
TEST(Sheet, ProblemsStandInReadingOrder) {
    for (const PrintedPage& page : Sheets()) {
        SCOPED_TRACE(Where(page));
        double bottom = 0; // of the rows before the current one
        for (std::size_t i = 1; i < page.Problems.size(); ++i) {
            const PrintedRect& before = page.Problems[i - 1].Area;
            const PrintedRect& area = page.Problems[i].Area;
            const bool sameRow =
                std::abs(area.Y - before.Y) < Slack && area.X > before.X + before.Width;
            if (!sameRow) {
                for (std::size_t j = 0; j < i; ++j)
                    bottom =
                        std::max(bottom, page.Problems[j].Area.Y + page.Problems[j].Area.Height);
                EXPECT_GE(area.Y + Slack, bottom) << page.Problems[i].Number;
            }
        }
    }
}

// The key's worked column has a minus before each subtraction, as the practice window draws
// it: half a cell long, on the edge between the two rows it stands between, just left of the
// first digit of one of their numbers.
TEST(Sheet, TheKeysColumnsHaveTheirMinusSigns) {
    int keys = 0;
    ForEachKeyProblem([&](const PrintedPage& page, const PrintedProblem& placed,
                          [[maybe_unused]] const Grid& worked) {
        std::size_t minuses = 0;
        for (const PrintedLine& line : page.Lines) {
            const PrintedRect room = Room(line);
            if (!Inside(room, placed.Area) || std::abs(room.Width - page.Cell / 2) > Slack)
                continue;
            ++minuses;
            const double edge = (line.From.Y - placed.Column.Y) / page.Cell;
            EXPECT_LT(std::abs(edge - std::round(edge)), Slack);
            EXPECT_TRUE(line.Grey && line.From.Y == line.To.Y);
            const bool digitRight =
                std::any_of(page.Texts.begin(), page.Texts.end(), [&](const PrintedText& t) {
                    const double below = t.Cell.Y - line.From.Y;
                    return t.InCell &&
                           (std::abs(below) < Slack || std::abs(below + page.Cell) < Slack) &&
                           t.Cell.X >= line.To.X && t.Cell.X - line.To.X < page.Cell;
                });
            EXPECT_TRUE(digitRight) << line.From.X << " " << line.From.Y;
        }
        EXPECT_EQ(minuses, worked.Minuses.size()) << placed.Number;
        keys += minuses > 0;
    });
    EXPECT_GT(keys, 0);
}

// The key's worked columns are written as the exercise book writes them: below the dividend,
// no number begins with 0 but a lone 0.
TEST(Sheet, TheKeysNumbersHaveNoLeadingZero) {
    int rows = 0;
    ForEachKeyProblem([&](const PrintedPage& page, const PrintedProblem& placed,
                          [[maybe_unused]] const Grid& worked) {
        const double corner =
            placed.Column.X + DigitCount(placed.Problem.Dividend) * page.Cell - Slack;
        std::map<double, std::map<double, std::string>> numbers; // by row, then column
        for (const PrintedText& t : page.Texts)
            if (t.InCell && Inside(t.Cell, placed.Area) && t.Cell.X < corner &&
                t.Cell.Y > placed.Column.Y + page.Cell + Slack)
                numbers[t.Cell.Y][t.Cell.X] = t.Text;
        for (const auto& [y, digits] : numbers) {
            std::string number;
            for (const auto& [x, digit] : digits)
                number += digit;
            EXPECT_TRUE(number == "0" || number[0] != '0') << number;
            ++rows;
        }
    });
    EXPECT_GT(rows, 100);
}

// The choices every front end shows: one name each, a value in range to begin with, the key
// among them, and a value out of range taken as the nearest in range.
TEST(Sheet, ChoicesBeginInRangeAndTakeTheNearestInRange) {
    const PrintedSheetsOptions start{};
    EXPECT_TRUE(start.Answers);
    for (const PrintedControl& control : PrintedControls()) {
        EXPECT_EQ(FindPrintedControl(control.Name), &control); // no other of its name before it
        if (control.Sets == PrintedChoice::None)
            continue;
        SCOPED_TRACE(control.Name);
        const int value = ChoiceValue(start, control.Sets);
        EXPECT_TRUE(value >= control.Lowest && value <= control.Highest);
        if (control.Kind == PrintedControlKind::Check)
            continue;
        for (const auto& [asked, taken] : {std::pair{control.Lowest - 1, control.Lowest},
                                           std::pair{control.Highest + 1, control.Highest},
                                           std::pair{control.Highest, control.Highest}}) {
            PrintedSheetsOptions options = start;
            SetChoice(options, control.Sets, asked);
            EXPECT_EQ(ChoiceValue(ClampPrintedSheetsOptions(options), control.Sets), taken);
        }
    }
    EXPECT_EQ(FindPrintedControl("SheetsLevel")->Highest, LevelCount);
    EXPECT_EQ(FindPrintedControl("SheetsVariant")->Highest, MostVariant);
    EXPECT_EQ(FindPrintedControl("SheetLevel"), nullptr);
}

} // namespace
} // namespace velmorand

namespace velmorand {
namespace {

// The teacher's problems print as one variant of them all, in their order, named as hers on
// every page, the variants' choices left aside.
TEST(Sheet, TheTeachersOwnProblemsPrintAsTheirVariant) {
    const std::vector<Problem> set = ReadProblemSet("7240:8,648:6,9156:42,606459:3").Problems;
    const std::vector<PrintedPage> pages =
        MakePrintedSheets({.Level = 3, .Variants = 4, .Problems = 2, .Set = set});
    std::vector<Problem> printed;
    for (const PrintedPage& page : pages) {
        EXPECT_TRUE(page.OwnProblems);
        for (const PrintedProblem& problem : page.Problems)
            if (page.Kind == PrintedPageKind::Problems)
                printed.push_back(problem.Problem);
        const bool named = std::any_of(page.Texts.begin(), page.Texts.end(), [](const auto& t) {
            return t.Text.starts_with(OwnProblemsTitle) || t.Text.starts_with("Ответы. Свои");
        });
        EXPECT_TRUE(named);
        EXPECT_NE(Footer(page)->Text.find(OwnProblemsTitle), std::string::npos);
    }
    EXPECT_EQ(printed, set);
    EXPECT_EQ(pages.back().Kind, PrintedPageKind::Answers);
}

} // namespace
} // namespace velmorand
