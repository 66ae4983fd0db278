// The window's controls as one table: what each is, where it stands, what it shows.
#pragma once

#include "worksheet/worksheet.h"

#include <QRgb>

#include <span>

namespace velmorand {

enum class ControlKind { TextField, Label, Button, Picture, Line };

// What a click on the control does.
enum class ControlAction { None, Run, Clear, Exit, OpenLink };

struct ControlRow {
    const char* Name;
    ControlKind Kind;
    // Positions and sizes in twips; a line runs from (Left, Top) Width twips to the right.
    int Left;
    int Top;
    int Width;
    int Height;
    const char* Caption; // labels and buttons; a text field shows its Field instead
    double Points;       // 0: the window's own font
    bool Bold;
    QRgb TextColor;  // 0: the usual colour
    QRgb Background; // 0: the window's background
    const char* ToolTip;
    bool Centered;
    WorksheetText Field; // the worksheet text a field or the message line shows
    ControlAction Action;
    const char* Link; // with ControlAction::OpenLink
    const char* AccessibleName;
    const char* AccessibleDescription;
};

inline constexpr int TwipsPerPixel = 15;
inline constexpr int ClientWidthTwips = 11040;
inline constexpr int ClientHeightTwips = 9915;
inline constexpr QRgb WindowBackground = 0xFFFBEC6D; // RGB(251, 236, 109)
inline constexpr double WindowPoints = 8.25;         // the system's small dialog font
inline constexpr int LineThicknessPixels = 2;
inline constexpr int PictureBorderPixels = 2;

// The window's caption.
extern const char* const Form1Caption;

// Every control, in the order the keyboard focus moves through them.
std::span<const ControlRow> Form1Layout();

} // namespace velmorand
