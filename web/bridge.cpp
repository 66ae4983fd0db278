// The browser's side of the program: the window's table and the worksheet, handed to the page
// as JSON texts through a few C functions. Texts travel through the heap, so that a pasted
// text of a million characters is no trouble.
#include "web/json.h"
#include "window/form1_actions.h"
#include "window/form1_layout.h"
#include "worksheet/worksheet.h"

#include <emscripten/emscripten.h>

#include <string>
#include <string_view>
#include <utility>

namespace velmorand {
namespace {

Worksheet sheet;

// A colour as CSS writes it: "#rrggbb".
void AppendColor(JsonObject& json, const char* name, Rgb rgb) {
    AppendCssColour(json.Key(name), rgb);
}

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
        AppendColor(control, "TextColor", *row.TextColor);
    if (row.Background)
        AppendColor(control, "Background", *row.Background);
    if (row.Fill)
        AppendColor(control, "Fill", *row.Fill);
    control.Text("ToolTip", row.ToolTip);
    control.Flag("Centered", row.Centered);
    control.Flag("TakesFocus", TakesFocus(row));
    control.Flag("TakesNumber", row.TakesNumber);
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
        window.Text("SpokenCaption", Form1SpokenCaption);
        window.Whole("Width", ClientWidthTwips);
        window.Whole("Height", ClientHeightTwips);
        window.Whole("TwipsPerPixel", TwipsPerPixel);
        AppendColor(window, "Background", WindowBackground);
        window.Whole("LineThicknessPixels", LineThicknessPixels);
        window.Whole("PictureBorderPixels", PictureBorderPixels);
        window.Text("FirstFocus", FirstFocus().Name);
        JsonArray controls(window.Key("Controls"));
        for (const ControlRow& row : Form1Layout())
            AppendControl(controls.Next(), row);
    }
    return out;
}

// Each shown text by its control's name, whether Run is there, and the names a screen reader
// gives the controls that show them.
std::string WorksheetJson() {
    std::string out;
    {
        JsonObject texts(out);
        for (const ControlRow& row : Form1Layout()) {
            if (row.Shows)
                texts.Text(row.Name, FieldText(sheet, *row.Shows));
        }
        texts.Flag("RunVisible", sheet.RunVisible);
        JsonObject spoken(texts.Key("SpokenNames"));
        for (const ControlRow& row : Form1Layout()) {
            if (row.Shows && row.Accessible.Name == nullptr)
                if (const std::string name = SpokenNameOf(row, FieldText(sheet, *row.Shows));
                    !name.empty())
                    spoken.Text(row.Name, name);
        }
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
