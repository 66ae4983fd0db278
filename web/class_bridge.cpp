// The browser's side of the class journal: its controls, the journal and everything it shows,
// handed to the page as JSON texts through a few C functions. The page draws what it is told;
// every text, count, message and announcement is the journal's.
#include "practice/class_journal.h"
#include "web/json.h"
#include "window/class_layout.h"
#include "window/practice_look.h"

#include <emscripten/emscripten.h>

#include <string>
#include <string_view>

namespace velmorand {
namespace {

ClassJournal journal;

const char* KindName(ClassControlKind kind) {
    switch (kind) {
    case ClassControlKind::Field:
        return "Field";
    case ClassControlKind::Button:
        return "Button";
    case ClassControlKind::Check:
        return "Check";
    case ClassControlKind::Text:
        return "Text";
    case ClassControlKind::Table:
        return "Table";
    case ClassControlKind::Chart:
        return "Chart";
    }
    return "";
}

const char* CommandName(ClassCommand command) {
    switch (command) {
    case ClassCommand::None:
        return nullptr;
    case ClassCommand::ChooseProblems:
        return "ChooseProblems";
    case ClassCommand::AddPupil:
        return "AddPupil";
    case ClassCommand::Remember:
        return "Remember";
    case ClassCommand::Forget:
        return "Forget";
    case ClassCommand::Print:
        return "Print";
    case ClassCommand::SaveCsv:
        return "SaveCsv";
    }
    return nullptr;
}

const char* StateName(RowState state) {
    switch (state) {
    case RowState::Counted:
        return "Counted";
    case RowState::Missing:
        return "Missing";
    case RowState::Refused:
        return "Refused";
    }
    return "";
}

// The palette by the names the page gives its CSS custom properties: --Panel, --Text, ...
struct PaletteEntry {
    const char* Name;
    Rgb PracticePalette::*Colour;
};
constexpr PaletteEntry PaletteEntries[] = {
    {"Panel", &PracticePalette::Panel},     {"Text", &PracticePalette::Text},
    {"Bar", &PracticePalette::Bar},         {"Edge", &PracticePalette::Edge},
    {"Mistake", &PracticePalette::Mistake}, {"DefaultEdge", &PracticePalette::DefaultEdge},
};

// The sizes by the names of the page's CSS custom properties, in CSS pixels.
struct SizeEntry {
    const char* Name;
    int ClassJournalLook::*Pixels;
};
constexpr SizeEntry SizeEntries[] = {
    {"caption", &ClassJournalLook::CaptionPixels},
    {"text", &ClassJournalLook::TextPixels},
    {"table", &ClassJournalLook::TablePixels},
    {"printed-table", &ClassJournalLook::PrintedTablePixels},
    {"printed-text", &ClassJournalLook::PrintedTextPixels},
    {"gap", &ClassJournalLook::GapPixels},
    {"target", &ClassJournalLook::TargetPixels},
    {"chart", &ClassJournalLook::ChartPixels},
};

std::string LayoutJson() {
    std::string out;
    {
        JsonObject window(out);
        window.Text("Caption", ClassCaption);
        {
            JsonObject sizes(window.Key("Sizes"));
            for (const SizeEntry& entry : SizeEntries)
                sizes.Whole(entry.Name, ClassLook.*entry.Pixels);
        }
        {
            JsonObject palette(window.Key("Palette"));
            for (const PaletteEntry& entry : PaletteEntries)
                AppendCssColour(palette.Key(entry.Name), PracticeColours.*entry.Colour);
        }
        {
            JsonObject words(window.Key("Words"));
            words.Text("FileName", ClassWords.FileName);
            words.Text("Saved", ClassWords.Saved);
            words.Text("Remembered", ClassWords.Remembered);
            words.Text("NotRemembered", ClassWords.NotRemembered);
        }
        {
            JsonArray columns(window.Key("Columns"));
            for (const JournalColumn& column : JournalColumns())
                AppendQuoted(columns.Next(), column.Header);
        }
        JsonArray controls(window.Key("Controls"));
        for (const ClassControl& row : ClassLayout()) {
            JsonObject control(controls.Next());
            control.Text("Name", row.Name);
            control.Text("Kind", KindName(row.Kind));
            control.Text("Label", row.Label);
            control.Text("Command", CommandName(row.Command));
            control.Flag("Shows", row.Shows != ClassText::None);
            control.Flag("Announced", row.Announced);
            control.Flag("WritesFile", row.WritesFile);
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

// A row's counts, each a text, empty where no code of it was counted; the mistakes are the six
// groups' counts joined by commas, in the order of MistakeGroup.
void AppendRow(std::string& out, const JournalRow& row) {
    JsonObject json(out);
    json.Text("State", StateName(row.State));
    const bool counted = row.State == RowState::Counted;
    const auto count = [counted](int value) { return counted ? std::to_string(value) : ""; };
    json.Text("Solved", count(row.Work.Solved));
    json.Text("FirstTry", count(row.Work.FirstTry));
    json.Text("Hints", count(row.Work.Hints));
    std::string mistakes;
    for (std::size_t group = 0; counted && group < row.Work.Mistakes.size(); ++group)
        mistakes += (group > 0 ? "," : "") + std::to_string(row.Work.Mistakes[group]);
    json.Text("Mistakes", mistakes);
    json.Text("Summary", RowSummary(row));
    {
        JsonArray cells(json.Key("Cells"));
        for (const JournalColumn& column : JournalColumns())
            AppendQuoted(cells.Next(), column.Cell(row));
    }
    JsonArray said(json.Key("Said")); // the cells worded for a screen reader
    for (const JournalColumn& column : JournalColumns())
        AppendQuoted(said.Next(), column.Said(row));
}

void AppendChart(std::string& out, const ChartPicture& picture) {
    JsonObject json(out);
    json.Whole("Width", picture.Width);
    json.Whole("Height", picture.Height);
    json.Whole("TextPixels", picture.TextPixels);
    AppendCssColour(json.Key("Background"), picture.Background);
    AppendCssColour(json.Key("BarColour"), picture.BarColour);
    AppendCssColour(json.Key("TextColour"), picture.TextColour);
    JsonArray rows(json.Key("Rows"));
    for (const ChartRow& row : picture.Rows) {
        JsonObject item(rows.Next());
        item.Text("Name", row.Name);
        item.Whole("Count", row.Count);
        AppendRect(item.Key("NameBox"), row.NameBox);
        AppendRect(item.Key("Bar"), row.Bar);
        AppendRect(item.Key("CountBox"), row.CountBox);
    }
}

// Everything the journal shows, with the chart `width` CSS pixels wide, and the text the
// computer keeps of it when the teacher asks.
std::string ViewJson(int width) {
    std::string out;
    {
        JsonObject json(out);
        json.Text("Choice", journal.Choice);
        {
            JsonObject texts(json.Key("Texts")); // what each text control shows, by its name
            for (const ClassControl& row : ClassLayout())
                if (row.Shows != ClassText::None && row.Shows != ClassText::Error)
                    texts.Text(row.Name, ClassShownText(journal, {}, row.Shows));
        }
        {
            JsonArray rows(json.Key("Rows"));
            for (const JournalRow& row : journal.Rows)
                AppendRow(rows.Next(), row);
        }
        AppendChart(json.Key("Chart"), ChartPictureOf(TotalsOf(journal), width));
        json.Text("Store", JournalStoreText(journal));
    }
    return out;
}

std::string ChangeJson(const JournalChange& change) {
    std::string out;
    {
        JsonObject json(out);
        json.Flag("Changed", change.Changed);
        json.Text("Message", change.Message);
        json.Text("Announcement", change.Announcement);
    }
    return out;
}

// The bytes as base64, so that the page writes exactly these, whatever they are.
std::string Base64(std::string_view bytes) {
    constexpr std::string_view Digits =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string out;
    for (std::size_t i = 0; i < bytes.size(); i += 3) {
        const std::size_t left = bytes.size() - i;
        unsigned value = static_cast<unsigned char>(bytes[i]) << 16;
        if (left > 1)
            value |= static_cast<unsigned char>(bytes[i + 1]) << 8;
        if (left > 2)
            value |= static_cast<unsigned char>(bytes[i + 2]);
        out += Digits[(value >> 18) & 63];
        out += Digits[(value >> 12) & 63];
        out += left > 1 ? Digits[(value >> 6) & 63] : '=';
        out += left > 2 ? Digits[value & 63] : '=';
    }
    return out;
}

std::string CsvJson() {
    std::string out;
    {
        JsonObject json(out);
        json.Text("FileName", ClassWords.FileName);
        json.Text("Bytes", Base64(JournalCsv(journal)));
        const std::string saved = std::string(ClassWords.Saved) + ClassWords.FileName;
        json.Text("Message", saved);
        json.Text("Announcement", saved);
    }
    return out;
}

} // namespace
} // namespace velmorand

using namespace velmorand;

extern "C" {

// The journal's window and its controls, in the order the focus moves through them.
EMSCRIPTEN_KEEPALIVE const char* velmorand_class_layout() { return Answer(LayoutJson()); }

// The journal the computer kept, or a fresh one where nothing or something damaged was kept;
// answers whether the kept text was read.
EMSCRIPTEN_KEEPALIVE const char* velmorand_class_start(const char* kept) {
    journal = JournalFromStoreText(kept);
    const bool read = !journal.Problems.Problems.empty() ||
                      std::string_view(kept) == JournalStoreText(ClassJournal{});
    std::string out;
    {
        JsonObject json(out);
        json.Flag("Kept", read && *kept != '\0');
    }
    return Answer(out);
}

// Everything the journal shows, its chart `width` CSS pixels wide.
EMSCRIPTEN_KEEPALIVE const char* velmorand_class_view(int width) { return Answer(ViewJson(width)); }

// The variant or the set typed.
EMSCRIPTEN_KEEPALIVE const char* velmorand_class_choose(const char* typed) {
    return Answer(ChangeJson(ChooseJournalProblems(journal, typed)));
}

// A pupil's name and code, or a pasted list of them in the name.
EMSCRIPTEN_KEEPALIVE const char* velmorand_class_add(const char* name, const char* code) {
    return Answer(ChangeJson(AddPupil(journal, name, code)));
}

// «Забыть класс»: the pupils go, the problems chosen stay.
EMSCRIPTEN_KEEPALIVE const char* velmorand_class_forget() {
    ForgetPupils(journal);
    return Answer(ChangeJson(
        {.Changed = true, .Message = ClassWords.Forgotten, .Announcement = ClassWords.Forgotten}));
}

// The journal as a spreadsheet's file: its name and its bytes in base64.
EMSCRIPTEN_KEEPALIVE const char* velmorand_class_csv() { return Answer(CsvJson()); }
}
