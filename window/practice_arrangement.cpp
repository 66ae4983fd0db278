#include "practice_arrangement.h"

#include "practice/session.h"

#include <algorithm>
#include <cmath>

namespace velmorand {

namespace {

// clang-format off
struct TypeRow {
    PracticeType Type;
    TypeSize Size;
};
constexpr TypeRow Types[] = {
    {PracticeType::Label,    {18, false}},
    {PracticeType::Choice,   {18, false}}, // a level's name fits its list on a phone
    {PracticeType::Problem,  {30, true}},
    {PracticeType::Question, {20, false}},
    {PracticeType::Entry,    {28, true}},
    {PracticeType::Feedback, {20, false}},
    {PracticeType::Button,   {18, false}},
    {PracticeType::Answer,   {28, true}},
    {PracticeType::Progress, {16, false}},
};
// clang-format on

constexpr double LineHeightEms = 1.3; // a text's line
constexpr double FieldHeightEms = 2;  // a field, a choice and a button
constexpr int LeastFieldPixels = 44;  // a finger's target, at the design size
constexpr double LabelEms = 5;        // the widest label and its gap, in the label's ems
constexpr double PanelShare = 0.4;    // of a wide window's width
constexpr int PaddingPixels = 16;     // round the window's edge and between paper and panel
constexpr int GapPixels = 10;         // between lines and between controls of a line

int Scaled(double pixels, double scale) { return static_cast<int>(std::lround(pixels * scale)); }

bool HasLines(const PracticeControl& control) { return control.Kind == PracticeControlKind::Text; }

// A text is its lines; a field, a choice and a button are one line with room round it, and a
// field of several lines (the teacher's problems) has the others below that one.
int HeightOf(const PracticeControl& control, int textPixels, double scale) {
    const int line = static_cast<int>(std::lround(textPixels * LineHeightEms));
    if (HasLines(control))
        return control.Lines * line;
    return std::max(static_cast<int>(std::lround(textPixels * FieldHeightEms)),
                    Scaled(LeastFieldPixels, scale)) +
           (control.Lines - 1) * line;
}

PlacedControl Unplaced(const PracticeControl& control) {
    PlacedControl placed;
    placed.Control = &control;
    return placed;
}

class Arranger {
public:
    Arranger(int width, int height, PaperSize paper)
        : width_(width), height_(height), paper_(paper) {
        result_.Narrow = width < NarrowBelowPixels;
        const double fit =
            std::min(double(width) / DesignWidthPixels, double(height) / DesignHeightPixels);
        result_.Scale = result_.Narrow ? 1 : std::clamp(fit, 0.75, MostScale);
        // A phone keeps its width for the paper: 14 cells of the smallest size fit 360 pixels.
        pad_ = Scaled(result_.Narrow ? PaddingPixels / 2 : PaddingPixels, result_.Scale);
        gap_ = Scaled(GapPixels, result_.Scale);
        result_.LabelPixels = Scaled(SizeOf(PracticeType::Label).Pixels, result_.Scale);
        for (const PracticeControl& control : PracticeLayout())
            result_.Controls.push_back(Unplaced(control));
    }

    PracticeArrangement Arrange() {
        if (result_.Narrow)
            ArrangeNarrow();
        else
            ArrangeWide();
        return result_;
    }

private:
    void ArrangeWide() {
        const int panelWidth = static_cast<int>(std::lround(width_ * PanelShare));
        const int panelLeft = width_ - pad_ - panelWidth;
        int top = pad_;
        for (int line = 0; line <= LastLine(); ++line)
            top = PlaceLine(line, panelLeft, panelWidth, top);
        const PixelRect area{pad_, pad_, panelLeft - 2 * pad_, height_ - 2 * pad_};
        const int bottom = PlacePaper(area);
        result_.Width = width_;
        result_.Height = std::max({top - gap_ + pad_, bottom + pad_, height_});
    }

    void ArrangeNarrow() {
        const int inner = width_ - 2 * pad_;
        int top = pad_;
        for (int line = 0; line <= PaperAfterLine; ++line)
            top = PlaceLine(line, pad_, inner, top);
        top = PlacePaper({pad_, top, inner, height_ - 2 * pad_}) + gap_;
        for (int line = PaperAfterLine + 1; line <= LastLine(); ++line)
            top = PlaceLine(line, pad_, inner, top);
        result_.Width = width_;
        result_.Height = std::max(top - gap_ + pad_, height_);
    }

    // The paper in the area's top left corner, its cells as large as fit, in their bounds.
    int PlacePaper(const PixelRect& area) {
        const int columns = std::max(paper_.Columns, 1);
        const int rows = std::max(paper_.Rows, 1);
        const int fit = std::min(area.Width / columns, area.Height / rows);
        result_.CellPixels = std::clamp(fit, SmallestCellPixels, LargestCellPixels);
        PlacedControl& column = Find("Column");
        column.Place = {area.Left, area.Top, columns * result_.CellPixels,
                        rows * result_.CellPixels};
        return column.Place.Top + column.Place.Height;
    }

    // The line's controls side by side from `left`, each after its label; the next line's top.
    int PlaceLine(int line, int left, int width, int top) {
        std::vector<PlacedControl*> members;
        int shares = 0;
        int labels = 0;
        for (PlacedControl& placed : result_.Controls)
            if (placed.Control->Line == line) {
                members.push_back(&placed);
                shares += placed.Control->Share;
                labels += placed.Control->Label != nullptr ? LabelWidth() : 0;
            }
        if (members.empty())
            return top;
        const int free = width - labels - gap_ * (static_cast<int>(members.size()) - 1);
        int height = 0;
        int x = left;
        for (PlacedControl* placed : members) {
            const TypeSize size = SizeOf(placed->Control->Type);
            placed->TextPixels = Scaled(size.Pixels, result_.Scale);
            placed->Bold = size.Bold;
            const int own = HeightOf(*placed->Control, placed->TextPixels, result_.Scale);
            if (placed->Control->Label != nullptr) {
                placed->LabelPlace = {x, top, LabelWidth(), own};
                x += LabelWidth();
            }
            const int controlWidth = free * placed->Control->Share / std::max(shares, 1);
            placed->Place = {x, top, controlWidth, own};
            x += controlWidth + gap_;
            height = std::max(height, own);
        }
        return top + height + gap_;
    }

    int LabelWidth() const { return static_cast<int>(std::lround(result_.LabelPixels * LabelEms)); }

    static int LastLine() {
        int last = 0;
        for (const PracticeControl& control : PracticeLayout())
            last = std::max(last, control.Line);
        return last;
    }

    PlacedControl& Find(std::string_view name) {
        return *std::find_if(result_.Controls.begin(), result_.Controls.end(),
                             [&](const PlacedControl& p) { return name == p.Control->Name; });
    }

    int width_;
    int height_;
    PaperSize paper_;
    int pad_ = 0;
    int gap_ = 0;
    PracticeArrangement result_;
};

} // namespace

TypeSize SizeOf(PracticeType type) {
    for (const TypeRow& row : Types)
        if (row.Type == type)
            return row.Size;
    return Types[0].Size;
}

int StrokePixels(int cellPixels) {
    return std::max(2, static_cast<int>(std::lround(cellPixels * StrokeCells)));
}

Rgb FeedbackColour(const PracticeView& view) {
    if (!view.Mistake.empty())
        return PracticeColours.Mistake;
    if (view.HintLevel > 0)
        return PracticeColours.Hint;
    return view.Feedback.empty() ? PracticeColours.Text : PracticeColours.Right;
}

PracticeArrangement ArrangePractice(int width, int height, PaperSize paper) {
    return Arranger(std::max(width, 1), std::max(height, 1), paper).Arrange();
}

const PlacedControl* FindPlaced(const PracticeArrangement& arrangement, std::string_view name) {
    for (const PlacedControl& placed : arrangement.Controls)
        if (name == placed.Control->Name)
            return &placed;
    return nullptr;
}

} // namespace velmorand
