// The browser's side of the program: the window's table and the worksheet, handed to the page
// as JSON texts through a few C functions. Texts travel through the heap, so that a pasted
// text of a million characters is no trouble.
#include "window/form1_actions.h"
#include "window/form1_layout.h"
#include "worksheet/worksheet.h"

#include <emscripten/emscripten.h>

#include <array>
#include <cstdio>
#include <string>
#include <string_view>
#include <utility>

namespace velmorand {
namespace {

Worksheet sheet;

// The length of the UTF-8 character at the start of text, and whether it is well formed. A
// malformed one is as long as its longest well-formed beginning, at least one byte, as the
// browser's TextDecoder reads it, so that what follows it is read as it was written.
struct Utf8Character {
    std::size_t Length = 1;
    bool WellFormed = true;
};

Utf8Character NextCharacter(std::string_view text) {
    const auto byte = [text](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(0);
    if (lead < 0x80)
        return {};
    std::size_t length = 0;
    unsigned char low = 0x80; // the range of the second byte; later ones are 80...BF
    unsigned char high = 0xbf;
    if (lead >= 0xc2 && lead <= 0xdf) {
        length = 2;
    } else if (lead >= 0xe0 && lead <= 0xef) {
        length = 3;
        low = lead == 0xe0 ? 0xa0 : low;   // no overlong form
        high = lead == 0xed ? 0x9f : high; // no UTF-16 surrogate
    } else if (lead >= 0xf0 && lead <= 0xf4) {
        length = 4;
        low = lead == 0xf0 ? 0x90 : low;   // no overlong form
        high = lead == 0xf4 ? 0x8f : high; // nothing beyond U+10FFFF
    } else {
        return {1, false};
    }
    for (std::size_t i = 1; i < length; ++i) {
        if (i >= text.size() || byte(i) < low || byte(i) > high)
            return {i, false};
        low = 0x80;
        high = 0xbf;
    }
    return {length, true};
}

// text as a JSON string. A pasted text may hold anything: control characters are escaped, and
// bytes that are not UTF-8 become U+FFFD, so that the answer is always JSON in UTF-8.
void AppendQuoted(std::string& out, std::string_view text) {
    out += '"';
    for (std::size_t i = 0; i < text.size();) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += static_cast<char>(c);
            ++i;
        } else if (c < 0x20 || c == 0x7f) {
            std::array<char, 8> escaped{};
            std::snprintf(escaped.data(), escaped.size(), "\\u%04x", static_cast<unsigned>(c));
            out += escaped.data();
            ++i;
        } else if (c < 0x80) { // the usual case, kept short for a pasted million digits
            out += static_cast<char>(c);
            ++i;
        } else {
            const Utf8Character character = NextCharacter(text.substr(i));
            if (character.WellFormed)
                out.append(text.substr(i, character.Length));
            else
                out += "\\ufffd"; // U+FFFD, the replacement character
            i += character.Length;
        }
    }
    out += '"';
}

// Writes "name":value pairs of one JSON object.
class JsonObject {
public:
    explicit JsonObject(std::string& out) : out_(out) { out_ += '{'; }
    ~JsonObject() { out_ += '}'; }
    JsonObject(const JsonObject&) = delete;
    JsonObject& operator=(const JsonObject&) = delete;

    std::string& Key(const char* name) {
        if (!empty_)
            out_ += ',';
        empty_ = false;
        AppendQuoted(out_, name);
        out_ += ':';
        return out_;
    }
    void Text(const char* name, std::string_view value) { AppendQuoted(Key(name), value); }
    void Text(const char* name, const char* value) {
        if (value != nullptr)
            Text(name, std::string_view(value));
    }
    void Number(const char* name, double value) { Key(name) += std::to_string(value); }
    void Whole(const char* name, int value) { Key(name) += std::to_string(value); }
    void Flag(const char* name, bool value) { Key(name) += value ? "true" : "false"; }
    void Color(const char* name, Rgb rgb) {
        std::array<char, 8> css{};
        std::snprintf(css.data(), css.size(), "#%06x", static_cast<unsigned>(rgb));
        Text(name, std::string_view(css.data()));
    }

private:
    std::string& out_;
    bool empty_ = true;
};

const char* KindName(ControlKind kind) {
    switch (kind) {
    case ControlKind::TextField:
        return "TextField";
    case ControlKind::Label:
        return "Label";
    case ControlKind::Button:
        return "Button";
    case ControlKind::Picture:
        return "Picture";
    case ControlKind::Line:
        return "Line";
    }
    return "";
}

const char* RoleName(ControlRole role) {
    switch (role) {
    case ControlRole::EditableText:
        return "EditableText";
    case ControlRole::PushButton:
        return "PushButton";
    case ControlRole::StaticText:
        return "StaticText";
    case ControlRole::Link:
        return "Link";
    case ControlRole::Graphic:
        return "Graphic";
    case ControlRole::Separator:
        return "Separator";
    }
    return "";
}

// Whether the pupil types a number into the field: typing there, and only there, has the
// worksheet check the number's digits (the dividend and the divisor).
bool TakesNumber(const ControlRow& row) {
    if (row.Kind != ControlKind::TextField || !row.Shows)
        return false;
    Worksheet typed;
    Worksheet unchecked = typed;
    SetFieldText(typed, *row.Shows, "1");
    FieldText(unchecked, *row.Shows) = "1";
    return !(typed == unchecked);
}

const char* ActionName(ControlAction action) {
    switch (action) {
    case ControlAction::None:
        return nullptr;
    case ControlAction::Run:
        return "Run";
    case ControlAction::Clear:
        return "Clear";
    case ControlAction::Exit:
        return "Exit";
    case ControlAction::OpenLink:
        return "OpenLink";
    }
    return nullptr;
}

void AppendControl(std::string& out, const ControlRow& row) {
    JsonObject control(out);
    control.Text("Name", row.Name);
    control.Text("Kind", KindName(row.Kind));
    control.Whole("Left", row.Place.Left);
    control.Whole("Top", row.Place.Top);
    control.Whole("Width", row.Place.Width);
    control.Whole("Height", row.Place.Height);
    {
        // A CSS pixel is a pixel at 96 dots per inch.
        const PixelRect pixels = PlaceInPixels(row, 96);
        JsonObject place(control.Key("Pixels"));
        place.Whole("Left", pixels.Left);
        place.Whole("Top", pixels.Top);
        place.Whole("Width", pixels.Width);
        place.Whole("Height", pixels.Height);
    }
    control.Text("Role", RoleName(RoleOf(row)));
    control.Text("Caption", row.Caption);
    control.Number("Points", row.Font.Points > 0 ? row.Font.Points : WindowPoints);
    control.Flag("Bold", row.Font.Bold);
    if (row.TextColor)
        control.Color("TextColor", *row.TextColor);
    if (row.Background)
        control.Color("Background", *row.Background);
    if (row.Fill)
        control.Color("Fill", *row.Fill);
    control.Text("ToolTip", row.ToolTip);
    control.Flag("Centered", row.Centered);
    control.Flag("TakesFocus", TakesFocus(row));
    control.Flag("TakesNumber", TakesNumber(row));
    control.Flag("ShowsWorksheet", row.Shows.has_value());
    control.Text("Action", ActionName(row.Action));
    control.Text("Link", row.Link);
    control.Text("AccessibleName", row.Accessible.Name);
    control.Text("AccessibleDescription", row.Accessible.Description);
}

std::string LayoutJson() {
    std::string out;
    {
        JsonObject window(out);
        window.Text("Caption", Form1Caption);
        window.Whole("Width", ClientWidthTwips);
        window.Whole("Height", ClientHeightTwips);
        window.Whole("TwipsPerPixel", TwipsPerPixel);
        window.Color("Background", WindowBackground);
        window.Whole("LineThicknessPixels", LineThicknessPixels);
        window.Whole("PictureBorderPixels", PictureBorderPixels);
        std::string& controls = window.Key("Controls");
        controls += '[';
        for (const ControlRow& row : Form1Layout()) {
            if (controls.back() != '[')
                controls += ',';
            AppendControl(controls, row);
        }
        controls += ']';
    }
    return out;
}

// Each shown text by its control's name, and whether Run is there.
std::string WorksheetJson() {
    std::string out;
    {
        JsonObject texts(out);
        for (const ControlRow& row : Form1Layout()) {
            if (row.Shows)
                texts.Text(row.Name, FieldText(sheet, *row.Shows));
        }
        texts.Flag("RunVisible", sheet.RunVisible);
    }
    return out;
}

std::string ResultJson(const ActionResult& result) {
    std::string out;
    {
        JsonObject json(out);
        json.Flag("ShowWorksheet", result.ShowWorksheet);
        if (const ControlRow* focus = result.Focus ? ControlShowing(*result.Focus) : nullptr)
            json.Text("Focus", focus->Name);
        json.Text("LinkToOpen", result.LinkToOpen);
        json.Flag("ExitProgram", result.ExitProgram);
        json.Text("Announcement", result.Announcement);
    }
    return out;
}

// The last answer, which the page reads before its next call.
std::string answer;

const char* Answer(std::string text) {
    answer = std::move(text);
    return answer.c_str();
}

} // namespace
} // namespace velmorand

using namespace velmorand;

extern "C" {

// The window and its controls, in the table's order.
EMSCRIPTEN_KEEPALIVE const char* velmorand_layout() { return Answer(LayoutJson()); }

// Every text the window shows now.
EMSCRIPTEN_KEEPALIVE const char* velmorand_worksheet() { return Answer(WorksheetJson()); }

// The pupil changed a field's text, by typing or pasting; what the page must do afterwards, or
// an empty text for no such control.
EMSCRIPTEN_KEEPALIVE const char* velmorand_edit(const char* control, const char* text) {
    const ControlRow* row = FindControl(control);
    if (row == nullptr)
        return Answer({});
    return Answer(ResultJson(Edit(sheet, *row, text)));
}

// A click on a control; what the page must do afterwards, or an empty text for no such control.
EMSCRIPTEN_KEEPALIVE const char* velmorand_act(const char* control, const char* separator) {
    const ControlRow* row = FindControl(control);
    if (row == nullptr)
        return Answer({});
    return Answer(ResultJson(Act(sheet, *row, separator)));
}
}
