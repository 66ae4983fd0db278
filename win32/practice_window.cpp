#include "practice_window.h"

#include "accessible_control.h"
#include "column_grid.h"
#include "control_hook.h"
#include "focus_mark.h"
#include "progress_file.h"
#include "resource_ids.h"
#include "screen_density.h"
#include "utf16.h"

#include <oleacc.h>

#include <algorithm>
#include <cstring>
#include <utility>

namespace velmorand {
namespace {

constexpr wchar_t ClassName[] = L"VelmorandPractice";
constexpr DWORD WindowStyle = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
// Control identifiers are the row's place in the table from here on, as in Form1, clear of
// IDOK, which Enter sends.
constexpr int FirstControlId = IDC_FIRST_CONTROL;
constexpr COLORREF MistakeColour = RGB(170, 0, 0);

bool Named(const PracticeControl& row, const char* name) {
    return std::strcmp(row.Name, name) == 0;
}

bool TakesFocus(const PracticeControl& row) { return row.Kind != PracticeControlKind::Text; }

// The problem and the answer line stand out in large bold figures.
bool Large(const PracticeControl& row) {
    return row.Shows == PracticeText::Problem || row.Shows == PracticeText::AnswerLine;
}

struct WindowClass {
    const wchar_t* Name;
    DWORD Style;
    DWORD ExStyle;
};

WindowClass ClassFor(const PracticeControl& row) {
    // This program does not print yet: the worksheets' button stays hidden and disabled, out of
    // the keyboard's way, and the README points teachers to the practice page.
    const bool shown = !NeedsPrinting(row);
    const DWORD child =
        WS_CHILD | (shown ? WS_VISIBLE : WS_DISABLED) | (TakesFocus(row) && shown ? WS_TABSTOP : 0);
    switch (row.Kind) {
    case PracticeControlKind::LevelChoice:
        return {L"COMBOBOX", child | CBS_DROPDOWNLIST | WS_VSCROLL, 0};
    case PracticeControlKind::VariantField:
    case PracticeControlKind::AnswerField:
        return {L"EDIT", child | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE};
    case PracticeControlKind::Text: // the problem and the answer stay on one line; the others wrap
        return {L"STATIC", child | SS_NOPREFIX | (Large(row) ? SS_LEFTNOWORDWRAP : SS_LEFT), 0};
    case PracticeControlKind::Button:
        return {L"BUTTON", child | BS_PUSHBUTTON, 0};
    case PracticeControlKind::ColumnGrid:
        return {L"STATIC", child | SS_OWNERDRAW | SS_NOTIFY, WS_EX_CLIENTEDGE};
    }
    return {L"STATIC", child, 0};
}

LONG MsaaRole(PracticeControlKind kind) {
    switch (kind) {
    case PracticeControlKind::VariantField:
    case PracticeControlKind::AnswerField:
        return ROLE_SYSTEM_TEXT;
    case PracticeControlKind::Text:
        return ROLE_SYSTEM_STATICTEXT;
    case PracticeControlKind::Button:
        return ROLE_SYSTEM_PUSHBUTTON;
    case PracticeControlKind::ColumnGrid: // its rows are its items
        return ROLE_SYSTEM_LIST;
    case PracticeControlKind::LevelChoice:
        return ROLE_SYSTEM_COMBOBOX;
    }
    return 0;
}

int TextWidth(HDC dc, HFONT font, const std::wstring& text) {
    const HGDIOBJ old = SelectObject(dc, font);
    SIZE size{};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
    SelectObject(dc, old);
    return size.cx;
}

} // namespace

PracticeWindow::PracticeWindow(HINSTANCE instance, const StartOptions& options)
    : WindowBase(instance), progressPath_(ProgressFilePath()),
      session_(StartPractice(options.Level, options.Variant, LoadProgress(progressPath_))),
      view_(ViewOf(session_)) {}

int PracticeWindow::Run(int show) {
    // Most of the screen: the column is to be read from the back of the classroom.
    RECT work{0, 0, 1024, 768};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    const int width = (work.right - work.left) * 4 / 5;
    const int height = (work.bottom - work.top) * 4 / 5;
    WindowSetup setup;
    setup.ClassName = ClassName;
    setup.Background = GetSysColorBrush(COLOR_WINDOW);
    setup.Caption = PracticeCaption;
    setup.Style = WindowStyle;
    setup.Place = {work.left + (work.right - work.left - width) / 2,
                   work.top + (work.bottom - work.top - height) / 2, width, height};
    return RunWindow(setup, show);
}

LRESULT PracticeWindow::Handle(UINT message, WPARAM w, LPARAM l) {
    switch (message) {
    case WM_CREATE:
        dotsPerInch_ = WindowDpi(window_);
        ExposeWindow();
        CreateControls();
        PlaceControls();
        ShowView();
        return 0;
    case WM_SIZE:
        PlaceControls();
        InvalidateRect(window_, nullptr, TRUE);
        return 0;
    case WM_GETMINMAXINFO:
        KeepLargeEnough(*reinterpret_cast<MINMAXINFO*>(l));
        return 0;
    case WM_PAINT:
        Paint();
        return 0;
    case WM_COMMAND:
        OnCommand(LOWORD(w), HIWORD(w));
        return 0;
    case WM_CTLCOLORSTATIC:
        return ColourStatic(reinterpret_cast<HDC>(w), reinterpret_cast<HWND>(l));
    case WM_DRAWITEM:
        DrawColumnControl(*reinterpret_cast<const DRAWITEMSTRUCT*>(l));
        return TRUE;
    case WM_DPICHANGED:
        OnDensityChanged(HIWORD(w), *reinterpret_cast<const RECT*>(l));
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window_, message, w, l);
}

void PracticeWindow::CreateControls() {
    const auto layout = PracticeLayout();
    controls_.reserve(layout.size());
    for (std::size_t i = 0; i < layout.size(); ++i) {
        const PracticeControl& row = layout[i];
        controls_.push_back({&row, CreateControl(row, FirstControlId + static_cast<int>(i))});
        Expose(controls_.back());
    }
}

HWND PracticeWindow::CreateControl(const PracticeControl& row, int id) {
    const WindowClass windowClass = ClassFor(row);
    const std::wstring caption = ToUtf16(row.Caption ? row.Caption : "");
    HWND control = CreateWindowExW(
        windowClass.ExStyle, windowClass.Name, caption.c_str(), windowClass.Style, 0, 0, 0, 0,
        window_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance_, nullptr);
    switch (row.Kind) {
    case PracticeControlKind::LevelChoice:
        for (int level = 1; level <= LevelCount; ++level)
            SendMessageW(control, CB_ADDSTRING, 0,
                         reinterpret_cast<LPARAM>(std::to_wstring(level).c_str()));
        break;
    case PracticeControlKind::ColumnGrid:
        RedrawOnFocusChange(control);
        // It paints every pixel itself: erasing first would only make it flicker.
        HookControl(control, [](HWND, UINT message, WPARAM, LPARAM) -> std::optional<LRESULT> {
            return message == WM_ERASEBKGND ? std::optional<LRESULT>(1) : std::nullopt;
        });
        break;
    default:
        break;
    }
    return control;
}

// The window is named to screen readers in the words they say, without the caption's colon;
// its controls are its children as Windows finds them.
void PracticeWindow::ExposeWindow() {
    Exposure exposure;
    exposure.Name = PracticeSpokenCaption;
    ExposeControl(window_, std::move(exposure));
}

// The table's accessible name for each control; the answer field is described by the question
// it answers, and the column is read as a list of its rows.
void PracticeWindow::Expose(const Control& control) {
    const PracticeControl& row = *control.Row;
    Exposure exposure;
    exposure.Name = row.AccessibleName;
    exposure.Role = MsaaRole(row.Kind);
    exposure.States = TakesFocus(row) ? STATE_SYSTEM_FOCUSABLE : 0;
    if (row.Kind == PracticeControlKind::AnswerField)
        exposure.Description = [this] { return view_.Question; };
    // A text or the level with a name of its own: what it shows is its value, so that both
    // are read, «Пример» and the problem.
    const bool named = row.AccessibleName != nullptr && *row.AccessibleName != '\0';
    if (named &&
        (row.Kind == PracticeControlKind::Text || row.Kind == PracticeControlKind::LevelChoice))
        exposure.Value = [window = control.Window] { return WindowText(window); };
    if (row.Kind == PracticeControlKind::ColumnGrid) {
        exposure.States |= STATE_SYSTEM_READONLY;
        exposure.Items = [this] { return SpokenRows(view_.Column); };
    }
    ExposeControl(control.Window, std::move(exposure));
}

// The lettering grows with the window, and the column takes the rest of it: on the left of a
// wide window, under the rest in a tall one.
void PracticeWindow::PlaceControls() {
    RECT client{};
    GetClientRect(window_, &client);
    const int width = client.right;
    const int height = client.bottom;
    if (width <= 0 || height <= 0 || controls_.empty())
        return;
    const bool sideBySide = width * 5 >= height * 6;
    const int columnWidth = sideBySide ? width * 9 / 20 : width;
    const int least = MulDiv(15, dotsPerInch_, 96);
    const int text = std::max(least, sideBySide ? std::min((width - columnWidth) / 28, height / 26)
                                                : std::min(width / 28, height / 40));
    if (text != textHeight_) {
        textHeight_ = text;
        // The old fonts stay until each control has its new one.
        const Font oldText = std::exchange(textFont_, WritingFont(text, false));
        const Font oldProblem = std::exchange(problemFont_, WritingFont(text * 8 / 5, true));
        for (const Control& control : controls_) {
            const HFONT font = Large(*control.Row) ? problemFont_.get() : textFont_.get();
            SendMessageW(control.Window, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        }
    }
    const int margin = text / 2;
    const int rowHeight = text * 8 / 5;
    const int line = text * 27 / 20;
    const int left = sideBySide ? columnWidth + margin : margin;
    const int right = width - margin;
    int y = margin;

    ScreenDc screen;
    const auto widthOf = [&](const char* words) {
        return words ? TextWidth(screen.get(), textFont_.get(), ToUtf16(words)) : 0;
    };
    HDWP places = BeginDeferWindowPos(static_cast<int>(controls_.size()));
    const auto put = [&](const char* name, int x, int top, int w, int h) {
        if (HWND control = WindowNamed(name); control != nullptr && places != nullptr)
            places = DeferWindowPos(places, control, nullptr, x, top, std::max(w, 1),
                                    std::max(h, 1), SWP_NOZORDER | SWP_NOACTIVATE);
    };
    const auto nameOf = [](const char* name) {
        const PracticeControl* row = FindPracticeControl(name);
        return row != nullptr ? row->AccessibleName : nullptr;
    };

    // The level and the variant, each after its name, the level's box as tall as the field.
    const HWND level = WindowNamed("Level");
    SendMessageW(level, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), rowHeight - 6);
    SendMessageW(level, CB_SETITEMHEIGHT, 0, line);
    int x = left;
    labels_[0] = {x, y, x + widthOf(nameOf("Level")), y + rowHeight};
    x = labels_[0].right + margin / 2;
    put("Level", x, y, text * 3, rowHeight + 9 * line); // with room for the list to drop
    x += text * 3 + text;
    labels_[1] = {x, y, x + widthOf(nameOf("Variant")), y + rowHeight};
    x = labels_[1].right + margin / 2;
    put("Variant", x, y, text * 9 / 2, rowHeight);
    y += rowHeight + margin;

    // The large bold figures start a little in: a 4 reaches left of where its cell begins.
    const int indent = text / 8;
    put("Problem", left + indent, y, right - left - indent, text * 11 / 5);
    y += text * 11 / 5 + margin;
    put("Question", left, y, right - left, 3 * line);
    y += 3 * line + margin / 2;

    // The answer, and the two buttons beside it.
    const int entryWidth = std::min(text * 7, (right - left) / 3);
    put("Entry", left, y, entryWidth, rowHeight);
    x = left + entryWidth + margin;
    for (const char* button : {"Hint", "Next"}) {
        const PracticeControl* row = FindPracticeControl(button);
        const int buttonWidth = widthOf(row ? row->Caption : nullptr) + 2 * text;
        put(button, x, y, buttonWidth, rowHeight);
        x += buttonWidth + margin;
    }
    y += rowHeight + margin;

    put("Feedback", left, y, right - left, 5 * line);
    y += 5 * line + margin / 2;
    put("Progress", left, y, right - left, 2 * line);
    y += 2 * line + margin;

    // The answer line under the column, as it is written in the exercise book.
    const int answerHeight = text * 11 / 5;
    const int columnTop = sideBySide ? margin : y;
    const int columnWide = sideBySide ? columnWidth - margin : width - 2 * margin;
    const int columnHeight = std::max(height - columnTop - margin - answerHeight - margin / 2, 1);
    put("Column", margin, columnTop, columnWide, columnHeight);
    put("Answer", margin + indent, columnTop + columnHeight + margin / 2, columnWide - indent,
        answerHeight);
    if (places != nullptr)
        EndDeferWindowPos(places);
}

// Moved to a screen of another density: the suggested size, and the lettering made afresh.
void PracticeWindow::OnDensityChanged(int dotsPerInch, const RECT& suggested) {
    dotsPerInch_ = dotsPerInch;
    textHeight_ = 0;
    SetWindowPos(window_, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    PlaceControls();
    InvalidateRect(window_, nullptr, TRUE);
}

void PracticeWindow::KeepLargeEnough(MINMAXINFO& limits) const {
    RECT least{0, 0, MulDiv(640, dotsPerInch_, 96), MulDiv(480, dotsPerInch_, 96)};
    AdjustWindowRectForDpi(least, WindowStyle, 0, dotsPerInch_);
    limits.ptMinTrackSize = {least.right - least.left, least.bottom - least.top};
}

void PracticeWindow::OnCommand(int id, int notification) {
    if (id == IDOK) { // Enter, through IsDialogMessage
        OnEnter();
        return;
    }
    const std::size_t index = static_cast<std::size_t>(id - FirstControlId);
    if (id < FirstControlId || index >= controls_.size() || showing_)
        return;
    const Control& control = controls_[index];
    switch (control.Row->Kind) {
    case PracticeControlKind::LevelChoice:
        if (notification == CBN_SELCHANGE) {
            const LRESULT chosen = SendMessageW(control.Window, CB_GETCURSEL, 0, 0);
            if (chosen != CB_ERR)
                Deliver(ChooseLevel(session_, static_cast<int>(chosen) + 1));
        }
        break;
    case PracticeControlKind::VariantField:
        if (notification == EN_CHANGE)
            variantEdited_ = true;
        else if (notification == EN_KILLFOCUS)
            ApplyVariant();
        break;
    case PracticeControlKind::Button:
        if (notification == BN_CLICKED)
            Press(*control.Row);
        break;
    default:
        break;
    }
}

// Enter answers in the answer field, chooses the typed variant in the variant field, and
// presses a button that has the focus.
void PracticeWindow::OnEnter() {
    const Control* control = ControlOf(controls_, GetFocus());
    if (control == nullptr)
        return;
    switch (control->Row->Kind) {
    case PracticeControlKind::AnswerField:
        Submit();
        break;
    case PracticeControlKind::VariantField:
        ApplyVariant();
        break;
    case PracticeControlKind::Button:
        Press(*control->Row);
        break;
    default:
        break;
    }
}

void PracticeWindow::Press(const PracticeControl& row) {
    switch (row.Command) {
    case PracticeCommand::Hint:
        Deliver(AskHint(session_));
        break;
    case PracticeCommand::Next:
        Deliver(NextProblem(session_));
        break;
    case PracticeCommand::Sheets: // hidden here: this program does not print
    case PracticeCommand::None:
        break;
    }
}

// Only a variant typed since it was last chosen is chosen: moving through the field, or leaving
// it after a refused one (which then shows the variant in force again), says nothing.
void PracticeWindow::ApplyVariant() {
    if (!variantEdited_)
        return;
    variantEdited_ = false;
    Deliver(ChooseVariant(session_, WindowText(WindowNamed("Variant"))));
}

void PracticeWindow::Submit() {
    const HWND entry = WindowNamed("Entry");
    Deliver(SubmitAnswer(session_, WindowText(entry)));
}

// After every action: the progress is stored when it changed, the view is shown, the answer
// field emptied and given the focus when the session says so (what stays in it is selected,
// to be typed over), and then the announcement is made, so that a screen reader says it
// after what the focus brings.
void PracticeWindow::Deliver(const PracticeResult& result) {
    if (result.ProgressChanged)
        SaveProgress(progressPath_, session_.Kept);
    ShowView();
    const HWND entry = WindowNamed("Entry");
    if (result.ClearEntry) {
        showing_ = true;
        SetWindowTextW(entry, L"");
        showing_ = false;
    }
    if (result.FocusEntry)
        SetFocus(entry);
    if (GetFocus() == entry)
        SendMessageW(entry, EM_SETSEL, 0, -1);
    if (!result.Announcement.empty())
        Announce(result.Announcement);
}

// Puts the session's view into the controls: each text control the text of the view it
// shows, the level and the variant in force, and the column.
void PracticeWindow::ShowView() {
    const std::string question = view_.Question;
    view_ = ViewOf(session_);
    showing_ = true;
    for (const Control& control : controls_) {
        if (control.Row->Kind == PracticeControlKind::Text)
            SetText(control.Row->Name, ShownText(view_, *control.Row));
    }
    const HWND entry = WindowNamed("Entry");
    const HWND level = WindowNamed("Level");
    if (SendMessageW(level, CB_GETCURSEL, 0, 0) != session_.Level - 1)
        SendMessageW(level, CB_SETCURSEL, static_cast<WPARAM>(session_.Level - 1), 0);
    if (!variantEdited_) // the variant in force, also after one that could not be chosen
        SetText("Variant", std::to_string(session_.Variant));
    showing_ = false;

    const HWND column = WindowNamed("Column");
    InvalidateRect(column, nullptr, FALSE);
    NotifyWinEvent(EVENT_OBJECT_VALUECHANGE, column, OBJID_CLIENT, CHILDID_SELF);
    if (question != view_.Question)
        NotifyWinEvent(EVENT_OBJECT_DESCRIPTIONCHANGE, entry, OBJID_CLIENT, CHILDID_SELF);
}

// Leaves a control alone when it shows the text already: the caret stays where it is.
void PracticeWindow::SetText(const char* name, const std::string& text) {
    const HWND control = WindowNamed(name);
    if (control != nullptr && WindowText(control) != text)
        SetWindowTextW(control, ToUtf16(text).c_str());
}

// The names of the level and the variant before their fields.
void PracticeWindow::Paint() {
    PAINTSTRUCT paint;
    const HDC dc = BeginPaint(window_, &paint);
    const HGDIOBJ old = SelectObject(dc, textFont_.get());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
    const char* names[] = {"Level", "Variant"};
    for (int i = 0; i < 2; ++i) {
        const PracticeControl* row = FindPracticeControl(names[i]);
        if (row == nullptr || row->AccessibleName == nullptr)
            continue;
        const std::wstring name = ToUtf16(row->AccessibleName);
        DrawTextW(dc, name.c_str(), static_cast<int>(name.size()), &labels_[i],
                  DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    }
    SelectObject(dc, old);
    EndPaint(window_, &paint);
}

// The feedback on a wrong answer is written in red; the text says it all the same.
LRESULT PracticeWindow::ColourStatic(HDC dc, HWND window) {
    const Control* control = ControlOf(controls_, window);
    const bool mistake = control != nullptr && control->Row->Shows == PracticeText::Feedback &&
                         !view_.Mistake.empty();
    SetTextColor(dc, mistake ? MistakeColour : GetSysColor(COLOR_WINDOWTEXT));
    SetBkColor(dc, GetSysColor(COLOR_WINDOW));
    return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_WINDOW));
}

void PracticeWindow::DrawColumnControl(const DRAWITEMSTRUCT& item) {
    DrawColumn(item.hDC, item.rcItem, view_.Column, textHeight_ * 3, dotsPerInch_,
               GetFocus() == item.hwndItem);
}

HWND PracticeWindow::FirstFocus() const { return WindowNamed("Entry"); }

HWND PracticeWindow::WindowNamed(const char* name) const {
    const auto found = std::find_if(controls_.begin(), controls_.end(),
                                    [name](const Control& c) { return Named(*c.Row, name); });
    return found == controls_.end() ? nullptr : found->Window;
}

} // namespace velmorand
