// The program's one window in plain Win32: makes its controls from the layout table, shows
// the worksheet and turns clicks and typing into its operations.
#pragma once

#include "announcer.h"
#include "gdi_objects.h"
#include "window/form1_actions.h"
#include "window/form1_layout.h"
#include "worksheet/worksheet.h"

#include <windows.h>

#include <map>
#include <string>
#include <vector>

namespace velmorand {

class Form1Window {
public:
    explicit Form1Window(HINSTANCE instance);
    Form1Window(const Form1Window&) = delete;
    Form1Window& operator=(const Form1Window&) = delete;

    // Opens the window and runs it until Exit or closing it; the program's exit status.
    int Run(int show);

private:
    struct Control {
        const ControlRow* Row;
        HWND Window;
        std::string Shown; // the worksheet text the control shows now
    };

    template <typename Window>
    friend LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM w, LPARAM l);
    LRESULT Handle(UINT message, WPARAM w, LPARAM l);

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
    void Announce(const std::string& text);
    void RememberFocus();
    HWND FocusToRestore() const;
    // Whether the message line shows a new message now.
    void ShowWorksheet();
    LRESULT ColourStatic(HDC dc, HWND window);
    void DrawPicture(const DRAWITEMSTRUCT& item);
    Control* ControlOf(HWND window);
    HWND WindowShowing(WorksheetField field) const;
    HBRUSH BrushFor(Rgb colour);

    HINSTANCE instance_;
    HWND window_ = nullptr;
    HWND toolTips_ = nullptr;
    HWND runButton_ = nullptr;
    HWND focus_ = nullptr; // the control to give the focus back to when the window is activated
    Announcer announcer_;
    Worksheet sheet_;
    std::vector<Control> controls_;
    std::vector<std::wstring> toolTipTexts_;
    int dotsPerInch_ = 96;
    std::map<std::pair<double, bool>, Font> fonts_;
    std::map<Rgb, Brush> brushes_;
    Bitmap picture_;
    Bitmap doublePicture_;
    Icon bigIcon_;
    Icon smallIcon_;
    bool showing_ = false; // set while the worksheet is put into the controls
};

} // namespace velmorand
