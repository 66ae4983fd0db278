// The browser's side of the practice window: its controls, the session and everything it shows,
// handed to the page as JSON texts through a few C functions. The page draws what it is told;
// each text, check and announcement is the session's.
#include "practice/column_shapes.h"
#include "practice/problem_set.h"
#include "practice/progress.h"
#include "practice/session.h"
#include "practice/sheet.h"
#include "practice/sheet_words.h"
#include "web/json.h"
#include "window/practice_arrangement.h"
#include "window/practice_layout.h"

#include <emscripten/emscripten.h>

#include <algorithm>
#include <array>
#include <charconv>
#include <climits>
#include <cmath>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>

namespace velmorand {
namespace {

PracticeSession session = StartPractice(1, 1, {});

const char* KindName(PracticeControlKind kind) {
    switch (kind) {
    case PracticeControlKind::LevelChoice:
        return "LevelChoice";
    case PracticeControlKind::VariantField:
        return "VariantField";
    case PracticeControlKind::Text:
        return "Text";
    case PracticeControlKind::AnswerField:
        return "AnswerField";
    case PracticeControlKind::SetField:
        return "SetField";
    case PracticeControlKind::Button:
        return "Button";
    case PracticeControlKind::ColumnGrid:
        return "ColumnGrid";
    }
    return "";
}

const char* CommandName(PracticeCommand command) {
    switch (command) {
    case PracticeCommand::None:
        return nullptr;
    case PracticeCommand::Hint:
        return "Hint";
    case PracticeCommand::Next:
        return "Next";
    case PracticeCommand::Sheets:
        return "Sheets";
    case PracticeCommand::ShowCode:
        return "ShowCode";
    case PracticeCommand::MakeSet:
        return "MakeSet";
    }
    return nullptr;
}

// A colour as CSS writes it: "#rrggbb".
void AppendColour(JsonObject& json, const char* name, Rgb rgb) {
    std::array<char, 8> css{};
    std::snprintf(css.data(), css.size(), "#%06x", static_cast<unsigned>(rgb));
    json.Text(name, std::string_view(css.data()));
}

const char* PrintedKindName(PrintedControlKind kind) {
    switch (kind) {
    case PrintedControlKind::NumberList:
        return "NumberList";
    case PrintedControlKind::NumberField:
        return "NumberField";
    case PrintedControlKind::Check:
        return "Check";
    case PrintedControlKind::Button:
        return "Button";
    case PrintedControlKind::PageCount:
        return "PageCount";
    case PrintedControlKind::Pages:
        return "Pages";
    }
    return "";
}

const char* PrintedCommandName(PrintedCommand command) {
    switch (command) {
    case PrintedCommand::Print:
        return "Print";
    case PrintedCommand::SavePdf:
        return "SavePdf";
    case PrintedCommand::Close:
        return "Close";
    case PrintedCommand::None:
        break;
    }
    return nullptr;
}

// The printed sheets' view: its caption, its controls as the core's table has them, and what
// the pages are drawn in.
void AppendSheetsPanel(std::string& out) {
    JsonObject panel(out);
    panel.Text("Caption", PrintedWords.Title);
    panel.Text("Font", PrintedFontFamily);
    {
        JsonObject look(panel.Key("Look"));
        AppendColour(look, "Ruling", PracticeColours.Squares);
        look.Number("RulingWidth", SheetRulingMillimetres);
        AppendColour(look, "Ink", PracticeColours.SheetInk);
        AppendColour(look, "Grey", PracticeColours.SheetGrey);
        AppendColour(look, "Paper", PracticeColours.SheetPaper);
    }
    JsonArray controls(panel.Key("Controls"));
    for (const PrintedControl& row : PrintedControls()) {
        JsonObject control(controls.Next());
        control.Text("Name", row.Name);
        control.Text("Kind", PrintedKindName(row.Kind));
        control.Text("Text", row.Text);
        control.Text("Word", row.Word);
        control.Whole("Lowest", row.Lowest);
        control.Whole("Highest", row.Highest);
        control.Text("LowestText", row.LowestText);
        control.Text("Command", PrintedCommandName(row.Command));
        control.Flag("WritesFile", row.WritesFile);
    }
}

// The palette by the names the page gives its CSS custom properties: --Panel, --Ink, ...
struct PaletteEntry {
    const char* Name;
    Rgb PracticePalette::*Colour;
};
constexpr PaletteEntry PaletteEntries[] = {
    {"Panel", &PracticePalette::Panel},
    {"Text", &PracticePalette::Text},
    {"Paper", &PracticePalette::Paper},
    {"Squares", &PracticePalette::Squares},
    {"Ink", &PracticePalette::Ink},
    {"Lines", &PracticePalette::Lines},
    {"Minus", &PracticePalette::Minus},
    {"CurrentFill", &PracticePalette::CurrentFill},
    {"CurrentEdge", &PracticePalette::CurrentEdge},
    {"LitFill", &PracticePalette::LitFill},
    {"Placeholder", &PracticePalette::Placeholder},
    {"Right", &PracticePalette::Right},
    {"Mistake", &PracticePalette::Mistake},
    {"Hint", &PracticePalette::Hint},
    {"SheetGrey", &PracticePalette::SheetGrey},
    {"Bar", &PracticePalette::Bar},
    {"Edge", &PracticePalette::Edge},
    {"DefaultEdge", &PracticePalette::DefaultEdge},
};

std::string LayoutJson() {
    std::string out;
    {
        JsonObject window(out);
        window.Text("Caption", PracticeCaption);
        window.Text("SpokenCaption", PracticeSpokenCaption);
        {
            // The level choice's texts, the first level's first: "1: двузначное делимое".
            JsonArray levels(window.Key("Levels"));
            for (int level = 1; level <= LevelCount; ++level)
                AppendQuoted(levels.Next(), LevelChoiceText(level));
        }
        {
            JsonArray levels(window.Key("SpokenLevels")); // as a screen reader says them
            for (int level = 1; level <= LevelCount; ++level)
                AppendQuoted(levels.Next(), SpokenLevelChoice(level));
        }
        AppendSheetsPanel(window.Key("Sheets"));
        {
            JsonObject palette(window.Key("Palette"));
            for (const PaletteEntry& entry : PaletteEntries)
                AppendCssColour(palette.Key(entry.Name), PracticeColours.*entry.Colour);
        }
        JsonArray controls(window.Key("Controls"));
        for (const PracticeControl& row : PracticeLayout()) {
            JsonObject control(controls.Next());
            control.Text("Name", row.Name);
            control.Text("Kind", KindName(row.Kind));
            control.Text("Caption", row.Caption);
            control.Text("AccessibleName", row.AccessibleName);
            control.Text("Label", row.Label);
            control.Flag("Announced", row.Announced);
            control.Text("Command", CommandName(row.Command));
            control.Flag("TakesNumber", row.TakesNumber);
        }
    }
    return out;
}

void AppendRect(std::string& out, const PixelRect& rect) {
    JsonArray list(out);
    list.Next() += std::to_string(rect.Left);
    list.Next() += std::to_string(rect.Top);
    list.Next() += std::to_string(rect.Width);
    list.Next() += std::to_string(rect.Height);
}

void AppendPaper(std::string& out, PaperSize paper) {
    JsonArray size(out);
    size.Next() += std::to_string(paper.Columns);
    size.Next() += std::to_string(paper.Rows);
}

// Where every control stands in a window of that size, for the session's problems: the paper
// is as large as the level's or the set's largest column, so that the cells keep their size
// from one problem to the next.
std::string ArrangementJson(int width, int height) {
    const PaperSize paper = PracticePaper(session);
    const PracticeArrangement arrangement = ArrangePractice(width, height, paper);
    std::string out;
    {
        JsonObject json(out);
        json.Whole("Level", session.Level);
        AppendPaper(json.Key("Paper"), paper);
        json.Whole("Width", arrangement.Width);
        json.Whole("Height", arrangement.Height);
        json.Whole("CellPixels", arrangement.CellPixels);
        json.Whole("StrokePixels", StrokePixels(arrangement.CellPixels));
        json.Whole("DigitPixels", std::lround(arrangement.CellPixels * DigitShareOfCell));
        json.Whole("LabelPixels", arrangement.LabelPixels);
        JsonObject controls(json.Key("Controls"));
        for (const PlacedControl& placed : arrangement.Controls) {
            JsonObject control(controls.Key(placed.Control->Name));
            AppendRect(control.Key("Place"), placed.Place);
            if (placed.Control->Label != nullptr)
                AppendRect(control.Key("Label"), placed.LabelPlace);
            control.Whole("TextPixels", placed.TextPixels);
            control.Flag("Bold", placed.Bold);
            // A text keeps its lines free: each is this high.
            if (placed.Control->Kind == PracticeControlKind::Text)
                control.Whole("LinePixels",
                              placed.Place.Height / std::max(placed.Control->Lines, 1));
        }
    }
    return out;
}

const char* ShapeName(ShapeKind kind) {
    switch (kind) {
    case ShapeKind::Lit:
        return "Lit";
    case ShapeKind::Current:
        return "Current";
    case ShapeKind::Digit:
        return "Digit";
    case ShapeKind::Placeholder:
        return "Placeholder";
    case ShapeKind::Line:
        return "Line";
    case ShapeKind::Minus:
        return "Minus";
    }
    return "";
}

// The column as the paper's size and its shapes in cell units, each [kind, left, top, width,
// height] and a digit's digit, in the order they are painted; and its rows as they are read.
void AppendColumn(std::string& out, const Grid& grid, PaperSize paper) {
    JsonObject json(out);
    AppendPaper(json.Key("Paper"), paper);
    {
        JsonArray shapes(json.Key("Shapes"));
        for (const ColumnShape& shape : ColumnShapes(grid)) {
            JsonArray item(shapes.Next());
            AppendQuoted(item.Next(), ShapeName(shape.Kind));
            AppendShort(item.Next(), shape.Left);
            AppendShort(item.Next(), shape.Top);
            AppendShort(item.Next(), shape.Width);
            AppendShort(item.Next(), shape.Height);
            if (shape.Kind == ShapeKind::Digit)
                AppendQuoted(item.Next(), std::string_view(&shape.Digit, 1));
        }
    }
    JsonArray spoken(json.Key("SpokenRows"));
    for (const std::string& row : SpokenRows(grid))
        AppendQuoted(spoken.Next(), row);
}

// Everything the window shows; `typedSet`, when the address carried a set, is its text for the
// set field, good or bad.
std::string ViewJson(const std::string* typedSet = nullptr) {
    const PracticeView view = ViewOf(session);
    std::string out;
    {
        JsonObject json(out);
        json.Whole("Level", session.Level);
        json.Whole("Variant", session.Variant);
        json.Text("SetText", view.SetText); // "" while the level's variant is practised
        if (typedSet != nullptr)
            json.Text("AddressSet", *typedSet);
        // Where the session stands, which the page keeps on its elements for whoever drives it.
        json.Text("Step", view.Step);
        json.Text("SpokenQuestion", view.SpokenQuestion);
        json.Text("Mistake", view.Mistake);
        json.Whole("HintLevel", view.HintLevel);
        {
            JsonObject texts(json.Key("Texts")); // what each text control shows, by its name
            for (const PracticeControl& row : PracticeLayout())
                if (row.Shows != PracticeText::None)
                    texts.Text(row.Name, ShownText(view, row));
        }
        {
            // What a screen reader is to say instead, where it differs: the code, a character
            // at a time.
            JsonObject spoken(json.Key("SpokenTexts"));
            for (const PracticeControl& row : PracticeLayout())
                if (SpokenText(view, row) != ShownText(view, row))
                    spoken.Text(row.Name, SpokenText(view, row));
        }
        AppendCssColour(json.Key("FeedbackColour"), FeedbackColour(view));
        json.Flag("SuggestNextLevel", view.SuggestNextLevel);
        AppendColumn(json.Key("Column"), view.Column, PracticePaper(session));
    }
    return out;
}

// What an action changed: the progress text to keep when it changed, the announcement, and
// what becomes of the answer field.
std::string ResultJson(const PracticeResult& result) {
    std::string out;
    {
        JsonObject json(out);
        if (result.ProgressChanged)
            json.Text("Progress", ProgressText(session.Kept));
        json.Text("Announcement", result.Announcement);
        json.Flag("ClearEntry", result.ClearEntry);
        json.Flag("SelectEntry", result.SelectEntry);
        json.Flag("FocusEntry", result.FocusEntry);
        json.Key("View") += ViewJson();
    }
    return out;
}

// A whole number from the page's address, as large or as negative as it is written: the
// session takes the nearest level or variant in range. Anything but an optional minus and
// digits is no number.
std::optional<int> AddressNumber(std::string_view text) {
    const bool negative = !text.empty() && text.front() == '-';
    const std::string_view digits = text.substr(negative ? 1 : 0);
    if (digits.empty() || digits.find_first_not_of("0123456789") != std::string_view::npos)
        return std::nullopt;
    int value = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (error == std::errc::result_out_of_range)
        return negative ? INT_MIN : INT_MAX;
    if (error != std::errc() || end != digits.data() + digits.size())
        return std::nullopt;
    return negative ? -value : value;
}

// Hands each "name=number" pair of "level=5&variant=42" to `take`; pairs without "=" or whose
// value is no number are passed over.
template <typename Take> void ForEachNumberPair(std::string_view text, Take take) {
    while (!text.empty()) {
        const std::size_t end = text.find('&');
        const std::string_view pair = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        const std::size_t equals = pair.find('=');
        if (equals == std::string_view::npos)
            continue;
        if (const std::optional<int> value = AddressNumber(pair.substr(equals + 1)))
            take(pair.substr(0, equals), *value);
    }
}

// The set an address carries as "set=7240:8,648:6", %-escapes undone; none without one.
std::optional<std::string> AddressSet(std::string_view fragment) {
    std::optional<std::string> found;
    while (!fragment.empty()) {
        const std::size_t end = fragment.find('&');
        const std::string_view pair = fragment.substr(0, end);
        fragment = end == std::string_view::npos ? std::string_view() : fragment.substr(end + 1);
        if (pair.starts_with("set="))
            found = SetTextInAddress(pair);
    }
    return found;
}

// The address after its "#": a level and a variant, each taken as the nearest in range.
void ReadAddress(std::string_view fragment, int& level, int& variant) {
    ForEachNumberPair(fragment, [&](std::string_view name, int value) {
        if (name == "level")
            level = ClampLevel(value);
        else if (name == "variant")
            variant = ClampVariant(value);
    });
}

void AppendPoint(std::string& out, const PrintedPoint& point) {
    JsonArray list(out);
    list.Next() += std::to_string(point.X);
    list.Next() += std::to_string(point.Y);
}

void AppendRect(std::string& out, const PrintedRect& rect) {
    JsonArray list(out);
    list.Next() += std::to_string(rect.X);
    list.Next() += std::to_string(rect.Y);
    list.Next() += std::to_string(rect.Width);
    list.Next() += std::to_string(rect.Height);
}

void AppendPrintedPage(std::string& out, const PrintedPage& page) {
    JsonObject json(out);
    json.Text("Kind", page.Kind == PrintedPageKind::Answers ? "Answers" : "Problems");
    json.Whole("Level", page.Level);
    json.Whole("Variant", page.Variant);
    json.Whole("Sheet", page.Sheet);
    json.Whole("Sheets", page.Sheets);
    json.Number("Width", page.Width);
    json.Number("Height", page.Height);
    json.Number("Cell", page.Cell);
    {
        JsonObject squares(json.Key("Squares"));
        AppendPoint(squares.Key("Origin"), page.Squares.Origin);
        squares.Whole("Columns", page.Squares.Columns);
        squares.Whole("Rows", page.Squares.Rows);
        squares.Number("Pitch", page.Squares.Pitch);
    }
    {
        JsonArray problems(json.Key("Problems"));
        for (const PrintedProblem& placed : page.Problems) {
            JsonObject problem(problems.Next());
            problem.Whole("Number", placed.Number);
            problem.Text("Text", ProblemText(placed.Problem));
            problem.Text("Answer", PrintedAnswer(placed.Problem));
            AppendRect(problem.Key("Area"), placed.Area);
            AppendPoint(problem.Key("Column"), placed.Column);
        }
    }
    {
        JsonArray texts(json.Key("Texts"));
        for (const PrintedText& text : page.Texts) {
            JsonObject item(texts.Next());
            item.Text("Text", text.Text);
            item.Flag("InCell", text.InCell);
            if (text.InCell) {
                AppendRect(item.Key("Cell"), text.Cell);
            } else {
                item.Number("X", text.X);
                item.Number("Baseline", text.Baseline);
                item.Number("Width", text.Width);
            }
            item.Number("Size", text.Size);
            item.Flag("Grey", text.Grey);
        }
    }
    JsonArray lines(json.Key("Lines"));
    for (const PrintedLine& line : page.Lines) {
        JsonObject item(lines.Next());
        AppendPoint(item.Key("From"), line.From);
        AppendPoint(item.Key("To"), line.To);
        item.Number("Width", line.Width);
        item.Flag("Grey", line.Grey);
    }
}

// "level=5&variant=42&variants=2&problems=0&answers=1&large=0": the sheets' choices by the
// words of their table, each value out of range taken as the nearest in range; a choice
// missing keeps the value the core begins it with. The problems are the set's while one is
// practised.
PrintedSheetsOptions ReadSheetOptions(std::string_view text) {
    PrintedSheetsOptions options;
    options.Set = session.Set; // while a set is practised, its sheets are the set's
    ForEachNumberPair(text, [&options](std::string_view name, int value) {
        for (const PrintedControl& row : PrintedControls())
            if (row.Word != nullptr && name == row.Word)
                SetChoice(options, row.Sets, value);
    });
    return ClampPrintedSheetsOptions(options);
}

// The choices as taken, by their words, and every page.
std::string SheetsJson(const PrintedSheetsOptions& options) {
    std::string out;
    {
        JsonObject json(out);
        {
            JsonObject chosen(json.Key("Options"));
            for (const PrintedControl& row : PrintedControls())
                if (row.Word != nullptr)
                    chosen.Whole(row.Word, ChoiceValue(options, row.Sets));
        }
        JsonArray pages(json.Key("Pages"));
        for (const PrintedPage& page : MakePrintedSheets(options))
            AppendPrintedPage(pages.Next(), page);
    }
    return out;
}

} // namespace
} // namespace velmorand

using namespace velmorand;

extern "C" {

// The window and its controls, in the order the focus moves through them.
EMSCRIPTEN_KEEPALIVE const char* velmorand_practice_layout() { return Answer(LayoutJson()); }

// Starts the session at the level and variant the address names (the first ones otherwise),
// with the progress text kept before, which may be missing or damaged, and practises the set
// it carries, if good; answers the view, with the set's text as carried.
EMSCRIPTEN_KEEPALIVE const char* velmorand_practice_start(const char* fragment, const char* kept) {
    int level = 1;
    int variant = 1;
    ReadAddress(fragment, level, variant);
    session = StartPractice(level, variant, ProgressFromText(kept));
    const std::optional<std::string> set = AddressSet(fragment);
    if (set)
        MakeSet(session, *set);
    return Answer(ViewJson(set ? &*set : nullptr));
}

// Where every control stands in a window of `width` by `height` CSS pixels, at the level
// being practised.
EMSCRIPTEN_KEEPALIVE const char* velmorand_practice_arrange(int width, int height) {
    return Answer(ArrangementJson(width, height));
}

// Everything the window shows now.
EMSCRIPTEN_KEEPALIVE const char* velmorand_practice_view() { return Answer(ViewJson()); }

// Enter in the answer field.
EMSCRIPTEN_KEEPALIVE const char* velmorand_practice_answer(const char* typed) {
    return Answer(ResultJson(SubmitAnswer(session, typed)));
}

// A click on a button, by its control's name; an empty text for no such button.
EMSCRIPTEN_KEEPALIVE const char* velmorand_practice_command(const char* control) {
    const PracticeControl* row = FindPracticeControl(control);
    if (row == nullptr)
        return Answer({});
    switch (row->Command) {
    case PracticeCommand::Hint:
        return Answer(ResultJson(AskHint(session)));
    case PracticeCommand::Next:
        return Answer(ResultJson(NextProblem(session)));
    case PracticeCommand::ShowCode:
        return Answer(ResultJson(ShowCode(session)));
    case PracticeCommand::Sheets:  // the page opens its own view
    case PracticeCommand::MakeSet: // takes the field's text: velmorand_practice_make_set
    case PracticeCommand::None:
        break;
    }
    return Answer({});
}

// A level chosen from the list, written as its number.
EMSCRIPTEN_KEEPALIVE const char* velmorand_practice_level(const char* typed) {
    const std::optional<int> level = AddressNumber(typed);
    if (!level)
        return Answer({});
    return Answer(ResultJson(ChooseLevel(session, *level)));
}

// The variant typed, as the pupil typed it.
EMSCRIPTEN_KEEPALIVE const char* velmorand_practice_variant(const char* typed) {
    return Answer(ResultJson(ChooseVariant(session, typed)));
}

// The teacher's problems as typed or pasted into the set field, any text at all.
EMSCRIPTEN_KEEPALIVE const char* velmorand_practice_make_set(const char* typed) {
    return Answer(ResultJson(MakeSet(session, typed)));
}

// The printed sheets of the choices written as "level=5&variant=42&variants=2&problems=0
// &answers=1&large=0": the choices as taken, and every page as the core describes it, in
// millimetres.
EMSCRIPTEN_KEEPALIVE const char* velmorand_practice_sheets(const char* choices) {
    return Answer(SheetsJson(ReadSheetOptions(choices)));
}
}
