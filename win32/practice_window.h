// The practice window «Тренажёр» in plain Win32: the pupil writes the column step by step and
// the practice session checks each answer. It makes its controls by walking the practice
// layout table, passes the pupil's keys and clicks to the session, and shows what the
// session's view holds; it decides nothing of what is said.
#pragma once

#include "gdi_objects.h"
#include "practice/command_line.h"
#include "practice/session.h"
#include "window/practice_arrangement.h"
#include "window/practice_layout.h"
#include "window_base.h"

#include <windows.h>

#include <map>
#include <string>
#include <utility>
#include <vector>

namespace velmorand {

class PracticeWindow final : public WindowBase {
public:
    PracticeWindow(HINSTANCE instance, const StartOptions& options);

    // Opens the window and runs it until it is closed; the program's exit status.
    int Run(int show);

private:
    struct Control {
        const PracticeControl* Row;
        HWND Window;
        HWND Label; // the label shown before it, or nullptr
    };

    LRESULT Handle(UINT message, WPARAM w, LPARAM l) override;
    HWND FirstFocus() const override; // the answer field

    void CreateControls();
    HWND CreateControl(const PracticeControl& row, int id);
    void Expose(const Control& control);
    void FitWindow();
    void Arrange();
    void Scroll(int request);
    void OnDensityChanged(int dotsPerInch, const RECT& suggested);
    void KeepLargeEnough(MINMAXINFO& limits) const;
    int Pixels(int logical) const;
    RECT InPixels(const PixelRect& place) const;
    HFONT FontFor(int logicalPixels, bool bold, std::map<std::pair<int, bool>, Font>& fonts);
    HBRUSH WindowBrush();

    void OnCommand(int id, int notification);
    void OnEnter();
    void Press(const PracticeControl& row);
    void ApplyVariant();
    void Submit();
    void Deliver(const PracticeResult& result);
    void ShowView();
    void SetText(const char* name, const std::string& text);
    LRESULT ColourStatic(HDC dc, HWND window);
    void DrawColumnControl(const DRAWITEMSTRUCT& item);
    bool MoveColumnRow(UINT key);

    HWND WindowNamed(const char* name) const;

    std::wstring progressPath_;
    PracticeSession session_;
    std::string startSet_; // the teacher's problems the window was started with, or ""
    PracticeView view_;
    std::vector<Control> controls_;
    int dotsPerInch_ = 96;
    PracticeArrangement arrangement_;
    PaperSize arrangedPaper_;
    int columnRow_ = 0; // the column's row the keyboard is on, from 0
    int scrollTop_ =
        0; // in logical pixels: how far a window too short for the arrangement is scrolled
    std::map<std::pair<int, bool>, Font> fonts_; // by height in pixels and boldness
    Brush windowBrush_;
    bool showing_ = false;       // set while the view is put into the controls
    bool variantEdited_ = false; // the variant field was typed in since it was last applied
};

} // namespace velmorand
