// What the window is: its caption, size and colours, and its controls as one table. No
// toolkit owns it; each front end walks the table and makes the controls its own way.
#pragma once

#include "worksheet/worksheet.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace velmorand {

enum class ControlKind { TextField, Label, Button, Picture, Line };

// What the control is to a screen reader, and so how it behaves: a link is a label that opens
// a page when clicked, with a hand cursor.
enum class ControlRole { EditableText, PushButton, StaticText, Link, Graphic, Separator };

// What a click on the control does (see form1_actions.h).
enum class ControlAction { None, Run, Clear, Exit, OpenLink };

using Rgb = std::uint32_t; // 0xRRGGBB

// Left and top in the client area, width and height, in twips (1/1440 inch). A line runs
// from (Left, Top) Width twips to the right.
struct Twips {
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;
};

struct ControlFont {
    double Points = 0; // 0: the window's own font
    bool Bold = false;
};

// What a screen reader says; a control without a name is read by its caption. Commas and full
// stops only: a screen reader names a colon, a bracket or a hyphen aloud.
struct AccessibleText {
    const char* Name = nullptr;
    const char* Description = nullptr;
};

struct ControlRow {
    const char* Name = nullptr;
    ControlKind Kind = ControlKind::Label;
    Twips Place{};
    const char* Caption = nullptr; // labels and buttons; a text field shows its worksheet text
    ControlFont Font{};
    std::optional<Rgb> TextColor{};  // none: the usual colour
    std::optional<Rgb> Background{}; // none: the window's background
    std::optional<Rgb> Fill{};       // what a line is drawn in
    const char* ToolTip = nullptr;
    bool Centered = false;
    std::optional<WorksheetField> Shows{}; // what a field or the message line shows
    // The pupil types a number here, whose digits the worksheet checks: a tablet or a phone
    // offers its keyboard of digits.
    bool TakesNumber = false;
    ControlAction Action = ControlAction::None;
    const char* Link = nullptr; // the address a ControlAction::OpenLink opens
    AccessibleText Accessible{};
};

inline constexpr int TwipsPerInch = 1440;
inline constexpr int TwipsPerPixel = 15; // at 96 dots per inch
inline constexpr int ClientWidthTwips = 11040;
inline constexpr int ClientHeightTwips = 9915;
inline constexpr Rgb WindowBackground = 0xFBEC6D; // a light yellow
inline constexpr double WindowPoints = 8.25;      // the system's small dialog font
inline constexpr int LineThicknessPixels = 2;
inline constexpr int PictureBorderPixels = 2;
inline constexpr int PictureWidthPixels = 172;
inline constexpr int PictureHeightPixels = 206;
// The font the controls ask for first; each front end says what stands in where it is missing.
inline constexpr const char* ControlFace = "MS Sans Serif";

// The window's caption, and the same words as a screen reader says them: without the hyphen
// and colon it would name.
extern const char* const Form1Caption;
extern const char* const Form1SpokenCaption;

// Every control, in the order the keyboard focus moves through them.
std::span<const ControlRow> Form1Layout();

// The control the keyboard focus starts in: the first that takes it.
const ControlRow& FirstFocus();

// What a screen reader calls the control while it shows `shown`: the message line is named by
// its message, as it is said; every other control by its table name, or nullptr for one read
// by its caption.
std::string SpokenNameOf(const ControlRow& row, std::string_view shown);

// The name a screen reader gives a link's one action, and what it says the action does.
inline constexpr const char* LinkActionName = "Открыть";
inline constexpr const char* LinkActionDescription = "Открыть страницу в браузере";

// The row of the control with this name, or nullptr.
const ControlRow* FindControl(std::string_view name);

// Whether the keyboard focus stops at the control: labels and the line never take it.
bool TakesFocus(const ControlRow& row);

// What the control is to a screen reader.
ControlRole RoleOf(const ControlRow& row);

// The control that shows a worksheet text, or nullptr.
const ControlRow* ControlShowing(WorksheetField field);

// Twips in pixels at the given dots per inch, rounded down as at 96 dpi (15 twips a pixel).
int TwipsToPixels(int twips, int dotsPerInch);

struct PixelRect {
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;

    bool operator==(const PixelRect&) const = default;
};

// Where the control stands in the client area, in pixels at the given dots per inch. A line
// is as thick as LineThicknessPixels at 96 dpi, scaled, and centred on its place.
PixelRect PlaceInPixels(const ControlRow& row, int dotsPerInch);

} // namespace velmorand
