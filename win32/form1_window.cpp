#include "form1_window.h"

#include "accessible_control.h"
#include "control_fonts.h"
#include "focus_mark.h"
#include "open_link.h"
#include "resource_ids.h"
#include "screen_density.h"
#include "system_function.h"
#include "utf16.h"
#include "window/form1_actions.h"

#include <commctrl.h>

#include <algorithm>

namespace velmorand {
namespace {

constexpr wchar_t ClassName[] = L"VelmorandForm1";
// A fixed window: it can be moved and minimised, not resized or maximised.
constexpr DWORD WindowStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
constexpr DWORD WindowExStyle = 0;
// Control identifiers are the row's place in the table from here on, clear of IDOK and
// IDCANCEL, which the dialog keys send.
constexpr int FirstControlId = IDC_FIRST_CONTROL;
constexpr UINT AddToolTipsMessage = WM_APP;

struct WindowClass {
    const wchar_t* Name;
    DWORD Style;
    DWORD ExStyle;
};

WindowClass ClassFor(const ControlRow& row) {
    const DWORD child = WS_CHILD | WS_VISIBLE | (TakesFocus(row) ? WS_TABSTOP : 0);
    switch (row.Kind) {
    case ControlKind::TextField:
        return {L"EDIT", child | ES_AUTOHSCROLL | (row.Centered ? ES_CENTER : ES_LEFT),
                WS_EX_CLIENTEDGE};
    case ControlKind::Button:
        return {L"BUTTON", child | BS_PUSHBUTTON, 0};
    case ControlKind::Label: {
        const DWORD align = row.Centered ? SS_CENTER : SS_LEFTNOWORDWRAP;
        const DWORD notify = row.Action != ControlAction::None ? SS_NOTIFY : 0;
        return {L"STATIC", child | align | notify, 0};
    }
    case ControlKind::Picture:
        return {L"STATIC", child | SS_OWNERDRAW, WS_EX_CLIENTEDGE};
    case ControlKind::Line:
        return {L"STATIC", child, 0};
    }
    return {L"STATIC", child, 0};
}

// The user's decimal separator, for the fractional part.
std::string DecimalSeparator() {
    wchar_t separator[8] = {};
    if (GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_SDECIMAL, separator, 8) == 0)
        return ".";
    return ToUtf8(separator);
}

Bitmap LoadPicture(HINSTANCE instance, int id) {
    return Bitmap(static_cast<HBITMAP>(
        LoadImageW(instance, MAKEINTRESOURCEW(id), IMAGE_BITMAP, 0, 0, LR_DEFAULTCOLOR)));
}

} // namespace

Form1Window::Form1Window(HINSTANCE instance) : WindowBase(instance) {}

int Form1Window::Run(int show) {
    WindowSetup setup;
    setup.ClassName = ClassName;
    setup.Background = BrushFor(WindowBackground);
    setup.Caption = Form1Caption;
    setup.SpokenCaption = Form1SpokenCaption;
    setup.Style = WindowStyle;
    setup.ExStyle = WindowExStyle;
    return RunWindow(setup, show);
}

LRESULT Form1Window::Handle(UINT message, WPARAM w, LPARAM l) {
    switch (message) {
    case WM_CREATE:
        dotsPerInch_ = WindowDpi(window_);
        CreateControls();
        FitWindow();
        ShowWorksheet();
        PostMessageW(window_, AddToolTipsMessage, 0, 0);
        return 0;
    case AddToolTipsMessage:
        AddToolTips();
        return 0;
    case WM_COMMAND:
        OnCommand(LOWORD(w), HIWORD(w));
        return 0;
    case WM_CTLCOLORSTATIC:
        return ColourStatic(reinterpret_cast<HDC>(w), reinterpret_cast<HWND>(l));
    case WM_DRAWITEM:
        DrawPicture(*reinterpret_cast<const DRAWITEMSTRUCT*>(l));
        return TRUE;
    case WM_SETCURSOR:
        if (const Control* control = ControlOf(controls_, reinterpret_cast<HWND>(w));
            control != nullptr && RoleOf(*control->Row) == ControlRole::Link) {
            SetCursor(LoadCursorW(nullptr, IDC_HAND));
            return TRUE;
        }
        break;
    case WM_DPICHANGED: { // moved to a screen of another density
        const auto* suggested = reinterpret_cast<const RECT*>(l);
        OnDensityChanged(HIWORD(w));
        SetWindowPos(window_, nullptr, suggested->left, suggested->top,
                     suggested->right - suggested->left, suggested->bottom - suggested->top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
        return 0;
    }
    }
    return DefWindowProcW(window_, message, w, l);
}

void Form1Window::CreateControls() {
    const auto layout = Form1Layout();
    controls_.reserve(layout.size());
    for (std::size_t i = 0; i < layout.size(); ++i) {
        const ControlRow& row = layout[i];
        HWND control = CreateControl(row, FirstControlId + static_cast<int>(i));
        controls_.push_back({&row, control, {}});
        ExposeControl(control, row);
        if (row.Kind == ControlKind::Picture)
            RedrawOnFocusChange(control);
        if (row.Action == ControlAction::Run)
            runButton_ = control;
        if (row.Kind == ControlKind::TextField) // only the digit checks judge the length
            SendMessageW(control, EM_SETLIMITTEXT, 0, 0);
    }
}

// The tool tips are needed only once the pointer rests on a control, so they are made after
// the window has been shown, which then opens sooner.
void Form1Window::AddToolTips() {
    // The common controls, which hold the tool tips, are loaded here too.
    const auto initCommonControlsEx =
        SystemFunction<decltype(&::InitCommonControlsEx)>(L"comctl32.dll", "InitCommonControlsEx");
    const INITCOMMONCONTROLSEX classes{sizeof(classes), ICC_WIN95_CLASSES};
    if (initCommonControlsEx == nullptr || !initCommonControlsEx(&classes))
        return;
    toolTips_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP,
                                CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, window_,
                                nullptr, instance_, nullptr);
    toolTipTexts_.reserve(controls_.size());
    for (const Control& control : controls_)
        AddToolTip(control);
}

HWND Form1Window::CreateControl(const ControlRow& row, int id) {
    const WindowClass windowClass = ClassFor(row);
    const std::wstring caption = ToUtf16(row.Caption ? row.Caption : "");
    const RECT place = Placement(row);
    HWND control = CreateWindowExW(
        windowClass.ExStyle, windowClass.Name, caption.c_str(), windowClass.Style, place.left,
        place.top, place.right - place.left, place.bottom - place.top, window_,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance_, nullptr);
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(FontFor(row.Font)), FALSE);
    return control;
}

void Form1Window::AddToolTip(const Control& control) {
    if (control.Row->ToolTip == nullptr || toolTips_ == nullptr)
        return;
    toolTipTexts_.push_back(ToUtf16(control.Row->ToolTip));
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof(tool);
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = window_;
    tool.uId = reinterpret_cast<UINT_PTR>(control.Window);
    tool.lpszText = toolTipTexts_.back().data();
    SendMessageW(toolTips_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

// The client area at the screen's density: twips become pixels, 15 a pixel at 96 dpi.
void Form1Window::FitWindow() {
    RECT outer{0, 0, TwipsToPixels(ClientWidthTwips, dotsPerInch_),
               TwipsToPixels(ClientHeightTwips, dotsPerInch_)};
    AdjustWindowRectForDpi(outer, WindowStyle, WindowExStyle, dotsPerInch_);
    SetWindowPos(window_, nullptr, 0, 0, outer.right - outer.left, outer.bottom - outer.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// Moved to a screen of another density: new places and fonts for every control.
void Form1Window::OnDensityChanged(int dotsPerInch) {
    dotsPerInch_ = dotsPerInch;
    const auto oldFonts = std::move(fonts_); // in use until each control has its new one
    fonts_.clear();
    for (const Control& control : controls_) {
        const RECT place = Placement(*control.Row);
        MoveWindow(control.Window, place.left, place.top, place.right - place.left,
                   place.bottom - place.top, FALSE);
        SendMessageW(control.Window, WM_SETFONT,
                     reinterpret_cast<WPARAM>(FontFor(control.Row->Font)), FALSE);
    }
    InvalidateRect(window_, nullptr, TRUE);
}

HFONT Form1Window::FontFor(const ControlFont& wanted) {
    Font& font = fonts_[{wanted.Points, wanted.Bold}];
    if (font == nullptr)
        font = MakeControlFont(wanted, dotsPerInch_);
    return font.get();
}

RECT Form1Window::Placement(const ControlRow& row) const {
    const PixelRect p = PlaceInPixels(row, dotsPerInch_);
    return {p.Left, p.Top, p.Left + p.Width, p.Top + p.Height};
}

void Form1Window::OnCommand(int id, int notification) {
    const std::size_t index = static_cast<std::size_t>(id - FirstControlId);
    if (id < FirstControlId || index >= controls_.size())
        return;
    Control& control = controls_[index];
    switch (control.Row->Kind) {
    case ControlKind::TextField:
        if (notification == EN_CHANGE && !showing_)
            OnFieldChanged(control);
        break;
    case ControlKind::Button:
        if (notification == BN_CLICKED)
            Click(*control.Row);
        break;
    case ControlKind::Label:
        // The second press of a double click comes as STN_DBLCLK: one page per double click.
        if (notification == STN_CLICKED)
            Click(*control.Row);
        break;
    case ControlKind::Picture:
    case ControlKind::Line:
        break;
    }
}

void Form1Window::OnFieldChanged(Control& control) {
    control.Shown = WindowText(control.Window);
    Deliver(Edit(sheet_, *control.Row, control.Shown));
}

void Form1Window::Click(const ControlRow& row) { Deliver(Act(sheet_, row, DecimalSeparator())); }

// The focus moves first, then the texts change, then the announcement, after the focus has
// moved, so that the screen reader says both.
void Form1Window::Deliver(const ActionResult& result) {
    if (result.LinkToOpen != nullptr)
        OpenInBrowser(result.LinkToOpen);
    if (result.Focus)
        SetFocus(WindowShowing(*result.Focus));
    if (result.ShowWorksheet)
        ShowWorksheet();
    if (!result.Announcement.empty())
        Announce(result.Announcement);
    if (result.ExitProgram)
        DestroyWindow(window_);
}

HWND Form1Window::FirstFocus() const {
    const ControlRow& first = velmorand::FirstFocus();
    const auto control = std::find_if(controls_.begin(), controls_.end(),
                                      [&first](const Control& c) { return c.Row == &first; });
    return control == controls_.end() ? nullptr : control->Window;
}

void Form1Window::ShowWorksheet() {
    showing_ = true;
    for (Control& control : controls_) {
        if (!control.Row->Shows)
            continue;
        const std::string& text = FieldText(sheet_, *control.Row->Shows);
        if (control.Shown == text && control.Row->Kind == ControlKind::TextField)
            continue; // leaves the caret alone in the field being typed in
        control.Shown = text;
        SetWindowTextW(control.Window, ToUtf16(text).c_str());
    }
    showing_ = false;
    if ((IsWindowVisible(runButton_) != FALSE) != sheet_.RunVisible)
        ShowWindow(runButton_, sheet_.RunVisible ? SW_SHOWNA : SW_HIDE);
}

LRESULT Form1Window::ColourStatic(HDC dc, HWND window) {
    const Control* control = ControlOf(controls_, window);
    if (control == nullptr)
        return reinterpret_cast<LRESULT>(BrushFor(WindowBackground));
    const ControlRow& row = *control->Row;
    if (row.Kind == ControlKind::Line)
        return reinterpret_cast<LRESULT>(BrushFor(row.Fill.value_or(0)));
    const Rgb background = row.Background.value_or(WindowBackground);
    SetTextColor(dc, row.TextColor ? ToColorRef(*row.TextColor) : GetSysColor(COLOR_WINDOWTEXT));
    SetBkColor(dc, ToColorRef(background));
    return reinterpret_cast<LRESULT>(BrushFor(background));
}

// The worked example, scaled from the sharper of its two pictures to the screen's density.
void Form1Window::DrawPicture(const DRAWITEMSTRUCT& item) {
    const RECT& box = item.rcItem;
    FillRect(item.hDC, &box, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    // Loaded when first drawn, and only the one the screen needs.
    const bool sharp = dotsPerInch_ >= 144;
    Bitmap& picture = sharp ? doublePicture_ : picture_;
    if (picture == nullptr)
        picture = LoadPicture(instance_, sharp ? IDB_WORKED_EXAMPLE_2X : IDB_WORKED_EXAMPLE);
    const HBITMAP source = picture.get();
    if (source == nullptr)
        return;
    BITMAP size{};
    GetObjectW(source, sizeof(size), &size);
    const int width = PictureWidthPixels * dotsPerInch_ / 96;
    const int height = PictureHeightPixels * dotsPerInch_ / 96;
    const int left = box.left + (box.right - box.left - width) / 2;
    const int top = box.top + (box.bottom - box.top - height) / 2;
    const HDC memory = CreateCompatibleDC(item.hDC);
    const HGDIOBJ old = SelectObject(memory, source);
    SetStretchBltMode(item.hDC, HALFTONE);
    SetBrushOrgEx(item.hDC, 0, 0, nullptr);
    StretchBlt(item.hDC, left, top, width, height, memory, 0, 0, size.bmWidth, size.bmHeight,
               SRCCOPY);
    SelectObject(memory, old);
    DeleteDC(memory);
    if (GetFocus() == item.hwndItem)
        DrawFocusMark(item.hDC, box, dotsPerInch_);
}

HWND Form1Window::WindowShowing(WorksheetField field) const {
    for (const Control& control : controls_) {
        if (control.Row->Shows == field)
            return control.Window;
    }
    return nullptr;
}

HBRUSH Form1Window::BrushFor(Rgb colour) {
    Brush& brush = brushes_[colour];
    if (brush == nullptr)
        brush.reset(CreateSolidBrush(ToColorRef(colour)));
    return brush.get();
}

} // namespace velmorand
