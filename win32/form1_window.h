// The program's one window in plain Win32: makes its controls from the layout table, shows
// the worksheet and turns clicks and typing into its operations.
#pragma once

#include "gdi_objects.h"
#include "window/form1_actions.h"
#include "window/form1_layout.h"
#include "window_base.h"
#include "worksheet/worksheet.h"

#include <windows.h>

#include <map>
#include <string>
#include <vector>

namespace velmorand {

class Form1Window final : public WindowBase {
public:
    explicit Form1Window(HINSTANCE instance);

    // Opens the window and runs it until Exit or closing it; the program's exit status.
    int Run(int show);

private:
    struct Control {
        const ControlRow* Row;
        HWND Window;
        std::string Shown; // the worksheet text the control shows now
    };

    LRESULT Handle(UINT message, WPARAM w, LPARAM l) override;
    HWND FirstFocus() const override; // the first control of the table that takes it

    void CreateControls();
    HWND CreateControl(const ControlRow& row, int id);
    void AddToolTips();
    void AddToolTip(const Control& control);
    void FitWindow();
    void OnDensityChanged(int dotsPerInch);
    HFONT FontFor(const ControlFont& wanted);
    RECT Placement(const ControlRow& row) const;

    void OnCommand(int id, int notification);
    void OnFieldChanged(Control& control);
    void Click(const ControlRow& row);
    void Deliver(const ActionResult& result);
    // Puts the worksheet's texts into the controls that show them, leaving a field that shows
    // its text already alone, and shows or hides Run as the worksheet says.
    void ShowWorksheet();
    LRESULT ColourStatic(HDC dc, HWND window);
    void DrawPicture(const DRAWITEMSTRUCT& item);
    HWND WindowShowing(WorksheetField field) const;
    HBRUSH BrushFor(Rgb colour);

    HWND toolTips_ = nullptr;
    HWND runButton_ = nullptr;
    Worksheet sheet_;
    std::vector<Control> controls_;
    std::vector<std::wstring> toolTipTexts_;
    int dotsPerInch_ = 96;
    std::map<std::pair<double, bool>, Font> fonts_;
    std::map<Rgb, Brush> brushes_;
    Bitmap picture_;
    Bitmap doublePicture_;
    bool showing_ = false; // set while the worksheet is put into the controls
};

} // namespace velmorand
