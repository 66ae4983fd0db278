#include "grid.h"

#include "numbers.h"

#include <algorithm>
#include <utility>

namespace velmorand {

using practice_detail::Digits;

namespace {

// Where each step's answer goes and what it writes, walked over the whole solution once.
struct StepPlace {
    std::vector<GridCell> Target;  // the cells to highlight while the step is asked
    std::vector<GridCell> Written; // what stands there once it is answered
    std::vector<GridLine> Lines;   // the line under a product
    std::vector<GridCell> Minuses; // the minus before a product
    std::vector<GridCell> Erased;  // what it wipes out: a leading 0 the next digit makes void
    // The parts of the column that stand while the step is asked, as a hint lights them.
    std::vector<GridCell> Partial;
    std::vector<GridCell> Product;
    std::vector<GridCell> Difference;
    std::vector<GridCell> NextDigit;
};

StepPlace MakePlace(std::vector<GridCell> target, std::vector<GridCell> written = {},
                    std::vector<GridLine> lines = {}, std::vector<GridCell> minuses = {}) {
    StepPlace place;
    place.Target = std::move(target);
    place.Written = std::move(written);
    place.Lines = std::move(lines);
    place.Minuses = std::move(minuses);
    return place;
}

// The number's digits in `row`, its last digit in column `last`.
std::vector<GridCell> NumberCells(std::uint64_t value, int row, int last) {
    const std::string digits = Digits(value);
    std::vector<GridCell> cells;
    const int first = last - static_cast<int>(digits.size()) + 1;
    for (std::size_t i = 0; i < digits.size(); ++i)
        cells.push_back({row, first + static_cast<int>(i), digits[i]});
    return cells;
}

struct Layout {
    int N = 0; // digits of a: b and the quotient start in column N
    int QuotientDigits = 0;
    int Rows = 2;                  // the quotient's row at least
    std::vector<StepPlace> Places; // one per step
};

class LayoutWalker {
public:
    LayoutWalker(const Problem& problem, std::span<const Step> steps)
        : problem_(problem), steps_(steps) {
        layout_.N = practice_detail::DigitCount(problem.Dividend);
        layout_.QuotientDigits =
            problem.Divisor == 0 ? 1
                                 : practice_detail::DigitCount(problem.Dividend / problem.Divisor);
    }

    Layout Walk() {
        for (std::size_t i = 0; i < steps_.size(); ++i)
            layout_.Places.push_back(Place(i));
        return layout_;
    }

private:
    StepPlace Place(std::size_t i) {
        const Step& step = steps_[i];
        switch (step.Kind) {
        case StepKind::First:
            // What follows lights the first partial dividend: a's first digits.
            firstPartial_ =
                NumberCells(step.Answer, 0, practice_detail::DigitCount(step.Answer) - 1);
            return MakePlace(NumberCells(problem_.Dividend, 0, layout_.N - 1));
        case StepKind::Count: {
            StepPlace place = CountPlace(step);
            place.Partial = firstPartial_;
            return place;
        }
        case StepKind::Round:
            return MakePlace(
                NumberCells(problem_.Divisor, 0,
                            layout_.N + practice_detail::DigitCount(problem_.Divisor) - 1));
        case StepKind::Trial:
            return WithPartial(MakePlace({QuotientCell(step)}), step);
        case StepKind::Digit:
            return WithPartial(DigitPlace(step), step);
        case StepKind::Product:
            return WithPartial(ProductPlace(step), step);
        case StepKind::Difference: {
            StepPlace place =
                WithPartial(DifferencePlace(step, i + 1 < steps_.size() &&
                                                      steps_[i + 1].Kind == StepKind::Bring),
                            step);
            place.Product = product_;
            return place;
        }
        case StepKind::Bring:
            return BringPlace(step);
        default:
            return {};
        }
    }

    // Where the step's partial dividend stands: a's first digits for the first quotient
    // digit, later the row the last bring made.
    StepPlace WithPartial(StepPlace place, const Step& step) const {
        place.Partial = NumberCells(step.Partial, partialRow_, step.LastColumn);
        return place;
    }

    GridCell QuotientCell(const Step& step) const {
        return {1, layout_.N + step.QuotientDigit, '.'};
    }

    // The quotient's cells appear as '.', to be filled digit by digit; only the first is
    // highlighted, since lighting them all would show how many there are.
    StepPlace CountPlace(const Step& step) {
        StepPlace place = MakePlace({{1, layout_.N, '.'}});
        for (std::uint32_t i = 0; i < step.Answer; ++i)
            place.Written.push_back({1, layout_.N + static_cast<int>(i), '.'});
        return place;
    }

    StepPlace DigitPlace(const Step& step) {
        GridCell digit = QuotientCell(step);
        digit.Digit = static_cast<char>('0' + step.Answer % 10);
        return MakePlace({QuotientCell(step)}, {digit});
    }

    StepPlace ProductPlace(const Step& step) {
        const int row = nextRow_;
        nextRow_ = row + 1;
        Grow(row);
        std::vector<GridCell> cells = NumberCells(step.Answer, row, step.LastColumn);
        const GridLine line{false, row, cells.front().Column, static_cast<int>(cells.size())};
        const GridCell minus{row, cells.front().Column, '-'};
        product_ = cells;
        return MakePlace(cells, cells, {line}, {minus});
    }

    // A difference of 0 that a brought-down digit follows is not written: the brought-down
    // digits stand alone.
    StepPlace DifferencePlace(const Step& step, bool broughtAfter) {
        differenceRow_ = nextRow_;
        nextRow_ = differenceRow_ + 1;
        Grow(differenceRow_);
        std::vector<GridCell> cells = NumberCells(step.Answer, differenceRow_, step.LastColumn);
        if (step.Answer == 0 && broughtAfter) {
            row_.clear();
            return MakePlace(cells);
        }
        row_ = cells;
        return MakePlace(cells, cells);
    }

    // The row then holds the partial dividend the bring makes, as a number is written: with
    // no leading 0, so that after a difference of 0 the digits 0 and 1 brought down read 1,
    // its last digit under the digit brought down. Only that digit is highlighted.
    StepPlace BringPlace(const Step& step) {
        std::vector<GridCell> cells = NumberCells(step.Answer, differenceRow_, step.LastColumn);
        StepPlace place = MakePlace({cells.back()}, cells);
        for (const GridCell& old : row_)
            if (old.Column < cells.front().Column)
                place.Erased.push_back(old);
        place.Difference = row_;
        const std::string a = Digits(problem_.Dividend);
        if (step.LastColumn >= 0 && step.LastColumn < static_cast<int>(a.size()))
            place.NextDigit = {{0, step.LastColumn, a[static_cast<std::size_t>(step.LastColumn)]}};
        row_ = std::move(cells);
        partialRow_ = differenceRow_;
        return place;
    }

    void Grow(int row) { layout_.Rows = std::max(layout_.Rows, row + 1); }

    const Problem& problem_;
    std::span<const Step> steps_;
    Layout layout_;
    int nextRow_ = 1;                    // where the next product goes
    int differenceRow_ = 1;              // the row brought-down digits join
    int partialRow_ = 0;                 // the row of the current partial dividend
    std::vector<GridCell> row_;          // what stands in the difference row so far
    std::vector<GridCell> product_;      // the last product
    std::vector<GridCell> firstPartial_; // a's first digits, the first partial dividend
};

void AddCornerLines(Grid& grid, int n, int divisorDigits, int quotientDigits, bool counted) {
    grid.Lines.push_back({true, 0, n, 2});
    // Before the count is given, the line is as long as b alone: a longer one would tell it.
    grid.Lines.push_back(
        {false, 0, n, counted ? std::max(divisorDigits, quotientDigits) : divisorDigits});
}

bool SamePlace(const GridCell& x, const GridCell& y) {
    return x.Row == y.Row && x.Column == y.Column;
}

// A later cell in the same place replaces an earlier one: a quotient digit its '.'.
void Write(std::vector<GridCell>& cells, const GridCell& cell) {
    const auto same = std::find_if(cells.begin(), cells.end(),
                                   [&](const GridCell& c) { return SamePlace(c, cell); });
    if (same != cells.end())
        same->Digit = cell.Digit;
    else
        cells.push_back(cell);
}

void Erase(std::vector<GridCell>& cells, const GridCell& cell) {
    std::erase_if(cells, [&](const GridCell& c) { return SamePlace(c, cell); });
}

bool IsColumnStep(StepKind kind) {
    return kind == StepKind::Trial || kind == StepKind::Digit || kind == StepKind::Product ||
           kind == StepKind::Difference || kind == StepKind::Bring;
}

// The written cells of `row` left of the corner (a's side) or right of it (b's and the
// quotient's).
std::vector<GridCell> RowCells(const Grid& grid, int row, int corner, bool right) {
    std::vector<GridCell> cells;
    for (const GridCell& cell : grid.Cells)
        if (cell.Row == row && (cell.Column >= corner) == right)
            cells.push_back(cell);
    std::sort(cells.begin(), cells.end(),
              [](const GridCell& x, const GridCell& y) { return x.Column < y.Column; });
    return cells;
}

// The last number of the column, once every step of the column is answered.
std::vector<GridCell> RemainderCells(const Grid& grid, std::span<const Step> steps,
                                     std::size_t answered, int corner) {
    const bool finished =
        std::none_of(steps.begin() + static_cast<std::ptrdiff_t>(answered), steps.end(),
                     [](const Step& step) { return IsColumnStep(step.Kind); });
    for (int row = grid.Rows - 1; finished && row > 0; --row)
        if (std::vector<GridCell> cells = RowCells(grid, row, corner, false); !cells.empty())
            return cells;
    return {};
}

std::vector<GridCell> PartCells(const Grid& grid, const StepPlace& place, ColumnPart part,
                                std::span<const Step> steps, std::size_t answered, int corner) {
    switch (part) {
    case ColumnPart::Dividend:
        return RowCells(grid, 0, corner, false);
    case ColumnPart::Divisor:
        return RowCells(grid, 0, corner, true);
    case ColumnPart::Partial:
        return place.Partial;
    case ColumnPart::Product:
        return place.Product;
    case ColumnPart::Difference:
        return place.Difference;
    case ColumnPart::NextDigit:
        return place.NextDigit;
    case ColumnPart::Quotient:
        return RowCells(grid, 1, corner, true);
    case ColumnPart::Remainder:
        return RemainderCells(grid, steps, answered, corner);
    }
    return {};
}

} // namespace

Grid ColumnGrid(const Problem& problem, std::span<const Step> steps, std::size_t answered,
                std::span<const ColumnPart> lit) {
    const Layout layout = LayoutWalker(problem, steps).Walk();
    const int divisorDigits = practice_detail::DigitCount(problem.Divisor);
    Grid grid;
    grid.Rows = layout.Rows;
    grid.Columns = layout.N + std::max(divisorDigits, layout.QuotientDigits);
    grid.Cells = NumberCells(problem.Dividend, 0, layout.N - 1);
    for (const GridCell& cell : NumberCells(problem.Divisor, 0, layout.N + divisorDigits - 1))
        grid.Cells.push_back(cell);
    answered = std::min(answered, steps.size());
    bool counted = false;
    for (std::size_t i = 0; i < answered; ++i) {
        counted = counted || steps[i].Kind == StepKind::Count;
        for (const GridCell& cell : layout.Places[i].Erased)
            Erase(grid.Cells, cell);
        for (const GridCell& cell : layout.Places[i].Written)
            Write(grid.Cells, cell);
        grid.Lines.insert(grid.Lines.end(), layout.Places[i].Lines.begin(),
                          layout.Places[i].Lines.end());
        grid.Minuses.insert(grid.Minuses.end(), layout.Places[i].Minuses.begin(),
                            layout.Places[i].Minuses.end());
    }
    AddCornerLines(grid, layout.N, divisorDigits, layout.QuotientDigits, counted);
    if (answered == steps.size())
        return grid;
    const StepPlace& place = layout.Places[answered];
    grid.Current = place.Target;
    for (const ColumnPart part : lit)
        for (const GridCell& cell : PartCells(grid, place, part, steps, answered, layout.N))
            if (std::none_of(grid.Lit.begin(), grid.Lit.end(),
                             [&](const GridCell& c) { return SamePlace(c, cell); }))
                grid.Lit.push_back(cell);
    return grid;
}

namespace {

std::string Spaced(const std::vector<GridCell>& cells) {
    std::string text;
    for (const GridCell& cell : cells) {
        if (!text.empty())
            text += ' ';
        text += cell.Digit;
    }
    return text;
}

// "9 0 5", or "9, и ещё 2 цифры" while some are still to find.
std::string SpokenQuotient(const std::vector<GridCell>& cells) {
    std::vector<GridCell> found;
    for (const GridCell& cell : cells)
        if (cell.Digit != '.')
            found.push_back(cell);
    const std::size_t missing = cells.size() - found.size();
    if (missing == 0)
        return Spaced(found);
    const std::string rest = practice_detail::DigitsPhrase(missing);
    if (found.empty())
        return rest + ", их надо найти";
    return Spaced(found) + ", и ещё " + rest;
}

std::string SpokenRow(int row, const std::vector<GridCell>& left,
                      const std::vector<GridCell>& right) {
    std::string text = "Строка " + Digits(static_cast<std::uint64_t>(row) + 1) + ".";
    if (!left.empty())
        text += " " + Spaced(left);
    if (right.empty())
        return text;
    text += left.empty() ? " " : ", ";
    if (row == 0)
        return text + (left.empty() ? "Делитель " : "делитель ") + Spaced(right);
    return text + (left.empty() ? "Частное " : "частное ") + SpokenQuotient(right);
}

} // namespace

std::vector<std::string> SpokenRows(const Grid& grid) {
    // b and the quotient start where the vertical line of the corner stands.
    int split = grid.Columns;
    for (const GridLine& line : grid.Lines)
        if (line.Vertical)
            split = std::min(split, line.Column);
    std::vector<std::string> rows;
    for (int row = 0; row < grid.Rows; ++row) {
        std::vector<GridCell> left;
        std::vector<GridCell> right;
        for (const GridCell& cell : grid.Cells)
            if (cell.Row == row)
                (cell.Column < split ? left : right).push_back(cell);
        const auto byColumn = [](const GridCell& x, const GridCell& y) {
            return x.Column < y.Column;
        };
        std::sort(left.begin(), left.end(), byColumn);
        std::sort(right.begin(), right.end(), byColumn);
        if (!left.empty() || !right.empty())
            rows.push_back(SpokenRow(row, left, right));
    }
    return rows;
}

} // namespace velmorand
