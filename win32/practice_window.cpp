#include "practice_window.h"

#include "accessible_control.h"
#include "column_grid.h"
#include "control_hook.h"
#include "focus_mark.h"
#include "progress_file.h"
#include "resource_ids.h"
#include "screen_density.h"
#include "utf16.h"
#include "window/practice_look.h"

#include <oleacc.h>

#include <algorithm>
#include <cstring>
#include <utility>

namespace velmorand {
namespace {

constexpr wchar_t ClassName[] = L"VelmorandPractice";
constexpr DWORD WindowStyle = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN | WS_VSCROLL;
// Control identifiers are the row's place in the table from here on, as in Form1, clear of
// IDOK, which Enter sends. The labels have none: they are not the table's controls.
constexpr int FirstControlId = IDC_FIRST_CONTROL;
constexpr int LabelId = -1;

bool Named(const PracticeControl& row, const char* name) {
    return std::strcmp(row.Name, name) == 0;
}

bool TakesFocus(const PracticeControl& row) { return row.Kind != PracticeControlKind::Text; }

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
    case PracticeControlKind::SetField: // Enter starts a new line; the lines scroll in it
        return {L"EDIT", child | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | WS_VSCROLL,
                WS_EX_CLIENTEDGE};
    case PracticeControlKind::Text: // a text of one line stays on it; the others wrap
        return {L"STATIC", child | SS_NOPREFIX | (row.Lines == 1 ? SS_LEFTNOWORDWRAP : SS_LEFT), 0};
    case PracticeControlKind::Button:
        return {L"BUTTON", child | BS_PUSHBUTTON, 0};
    case PracticeControlKind::ColumnGrid:
        return {L"STATIC", child | SS_OWNERDRAW | SS_NOTIFY, 0};
    }
    return {L"STATIC", child, 0};
}

LONG MsaaRole(PracticeControlKind kind) {
    switch (kind) {
    case PracticeControlKind::VariantField:
    case PracticeControlKind::AnswerField:
    case PracticeControlKind::SetField:
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

// The keys a multi-line field takes from the dialog's keyboard handling: the characters, the
// arrows and Enter, for a new line. Tab and Shift+Tab go on to the next control, and Escape
// is not taken for closing the window, as a field inside a dialog would take it.
LRESULT SetFieldKeys(LPARAM message) {
    const auto* key = reinterpret_cast<const MSG*>(message);
    const bool enter = key != nullptr && key->message == WM_KEYDOWN && key->wParam == VK_RETURN;
    return DLGC_WANTCHARS | DLGC_HASSETSEL | DLGC_WANTARROWS | (enter ? DLGC_WANTALLKEYS : 0);
}

// The teacher's text is never cut short by the field: the core reads all of it and says what
// is too long.
constexpr WPARAM MostSetFieldCharacters = 0x7FFFFFFE;

} // namespace

PracticeWindow::PracticeWindow(HINSTANCE instance, const StartOptions& options)
    : WindowBase(instance), progressPath_(ProgressFilePath()),
      session_(StartPractice(options.Level, options.Variant, LoadProgress(progressPath_))),
      startSet_(options.Set) {
    // The teacher's problems from the command line, as if typed and made a set; a text that
    // makes none leaves the level's problems and shows why.
    if (!startSet_.empty())
        MakeSet(session_, startSet_);
    view_ = ViewOf(session_);
}

int PracticeWindow::Run(int show) {
    WindowSetup setup;
    setup.ClassName = ClassName;
    setup.Background = WindowBrush();
    setup.Caption = PracticeCaption;
    setup.SpokenCaption = PracticeSpokenCaption;
    setup.Style = WindowStyle;
    return RunWindow(setup, show);
}

LRESULT PracticeWindow::Handle(UINT message, WPARAM w, LPARAM l) {
    switch (message) {
    case WM_CREATE:
        dotsPerInch_ = WindowDpi(window_);
        CreateControls();
        SetText("OwnProblems", startSet_);
        FitWindow();
        Arrange();
        ShowView();
        return 0;
    case WM_SIZE:
        Arrange();
        return 0;
    case WM_VSCROLL:
        Scroll(LOWORD(w));
        return 0;
    case WM_MOUSEWHEEL: // a notch scrolls by a line of text
        Scroll(GET_WHEEL_DELTA_WPARAM(w) > 0 ? SB_LINEUP : SB_LINEDOWN);
        return 0;
    case WM_GETMINMAXINFO:
        KeepLargeEnough(*reinterpret_cast<MINMAXINFO*>(l));
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
    }
    return DefWindowProcW(window_, message, w, l);
}

void PracticeWindow::CreateControls() {
    const auto layout = PracticeLayout();
    controls_.reserve(layout.size());
    for (std::size_t i = 0; i < layout.size(); ++i) {
        const PracticeControl& row = layout[i];
        // The label goes just before its control, in the order of the window's children, so
        // that Windows names the control by it and Tab passes over it.
        HWND label = nullptr;
        if (row.Label != nullptr)
            label = CreateWindowExW(
                0, L"STATIC", ToUtf16(row.Label).c_str(),
                WS_CHILD | WS_VISIBLE | SS_NOPREFIX | SS_LEFTNOWORDWRAP | SS_CENTERIMAGE, 0, 0, 0,
                0, window_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(LabelId)), instance_,
                nullptr);
        controls_.push_back(
            {&row, CreateControl(row, FirstControlId + static_cast<int>(i)), label});
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
        // In the order of the levels: the list's index is the level less one.
        for (int level = 1; level <= LevelCount; ++level)
            SendMessageW(control, CB_ADDSTRING, 0,
                         reinterpret_cast<LPARAM>(ToUtf16(LevelChoiceText(level)).c_str()));
        break;
    case PracticeControlKind::SetField:
        SendMessageW(control, EM_SETLIMITTEXT, MostSetFieldCharacters, 0);
        HookControl(control, [](HWND, UINT message, WPARAM, LPARAM l) -> std::optional<LRESULT> {
            if (message == WM_GETDLGCODE)
                return SetFieldKeys(l);
            return std::nullopt;
        });
        break;
    case PracticeControlKind::ColumnGrid:
        RedrawOnFocusChange(control);
        // It paints every pixel itself: erasing first would only make it flicker. The arrow
        // keys, Home and End move through its rows for a screen reader, not to other controls.
        HookControl(control,
                    [this](HWND, UINT message, WPARAM w, LPARAM) -> std::optional<LRESULT> {
                        if (message == WM_ERASEBKGND)
                            return 1;
                        if (message == WM_GETDLGCODE)
                            return DLGC_WANTARROWS;
                        if (message == WM_LBUTTONDOWN) // clicked, it takes the keys as a list does
                            SetFocus(WindowNamed("Column"));
                        if (message == WM_KEYDOWN && MoveColumnRow(static_cast<UINT>(w)))
                            return 0;
                        return std::nullopt;
                    });
        break;
    default:
        break;
    }
    return control;
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
        exposure.Description = [this] { return view_.SpokenQuestion; };
    // A text or the level with a name of its own: what it shows is its value, so that both
    // are read, «Пример» and the problem.
    const bool named = row.AccessibleName != nullptr && *row.AccessibleName != '\0';
    if (named &&
        (row.Kind == PracticeControlKind::Text || row.Kind == PracticeControlKind::LevelChoice))
        exposure.Value = [window = control.Window] { return WindowText(window); };
    // The level's choice as it is said, without the colon it shows.
    if (row.Kind == PracticeControlKind::LevelChoice)
        exposure.Value = [this] { return SpokenLevelChoice(session_.Level); };
    // The code is named as it is said, a character at a time, and its value is the code shown.
    if (row.Shows == PracticeText::ResultCode) {
        exposure.SpokenName = [this, &row] { return SpokenText(view_, row); };
        exposure.Value = [window = control.Window] { return WindowText(window); };
    }
    if (row.Kind == PracticeControlKind::ColumnGrid) {
        exposure.States |= STATE_SYSTEM_READONLY;
        exposure.Items = [this] { return SpokenRows(view_.Column); };
        exposure.CurrentItem = [this] { return columnRow_ + 1; };
    }
    ExposeControl(control.Window, std::move(exposure));
}

// The client area of the window's designed size, in the middle of the screen's work area.
void PracticeWindow::FitWindow() {
    RECT outer{0, 0, Pixels(DesignWidthPixels), Pixels(DesignHeightPixels)};
    AdjustWindowRectForDpi(outer, WindowStyle, 0, dotsPerInch_);
    const int width = outer.right - outer.left;
    const int height = outer.bottom - outer.top;
    RECT work{};
    if (SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0) == FALSE)
        work = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    SetWindowPos(window_, nullptr, work.left + std::max(0L, (work.right - work.left - width) / 2),
                 work.top + std::max(0L, (work.bottom - work.top - height) / 2), width, height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

// Every control, and each label, where the arrangement for the client area puts it, with its
// text's font. An arrangement taller than the window (a narrow one) scrolls up and down.
void PracticeWindow::Arrange() {
    RECT client{};
    GetClientRect(window_, &client);
    if (client.right <= 0 || client.bottom <= 0 || controls_.empty())
        return;
    const int width = MulDiv(client.right, USER_DEFAULT_SCREEN_DPI, dotsPerInch_);
    const int height = MulDiv(client.bottom, USER_DEFAULT_SCREEN_DPI, dotsPerInch_);
    arrangedPaper_ = PracticePaper(session_);
    arrangement_ = ArrangePractice(width, height, arrangedPaper_);

    scrollTop_ = std::clamp(scrollTop_, 0, std::max(0, arrangement_.Height - height));
    SCROLLINFO scroll{};
    scroll.cbSize = sizeof(scroll);
    scroll.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    scroll.nMax = Pixels(arrangement_.Height) - 1;
    scroll.nPage = static_cast<UINT>(client.bottom);
    scroll.nPos = Pixels(scrollTop_);
    SetScrollInfo(window_, SB_VERT, &scroll, TRUE); // may resize the client area: arranged again

    std::map<std::pair<int, bool>, Font>
        fonts; // the old ones stay until each control has its new one
    HDWP places = BeginDeferWindowPos(static_cast<int>(2 * controls_.size()));
    const auto put = [&](HWND control, const PixelRect& place, int textPixels, bool bold) {
        SendMessageW(control, WM_SETFONT,
                     reinterpret_cast<WPARAM>(FontFor(textPixels, bold, fonts)), FALSE);
        RECT at = InPixels(place);
        OffsetRect(&at, 0, -Pixels(scrollTop_));
        if (places != nullptr)
            places = DeferWindowPos(places, control, nullptr, at.left, at.top,
                                    std::max<int>(at.right - at.left, 1),
                                    std::max<int>(at.bottom - at.top, 1),
                                    SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOCOPYBITS);
    };
    for (const PlacedControl& placed : arrangement_.Controls) {
        const Control* control = ControlOf(controls_, WindowNamed(placed.Control->Name));
        if (control == nullptr)
            continue;
        if (control->Label != nullptr)
            put(control->Label, placed.LabelPlace, arrangement_.LabelPixels, false);
        PixelRect place = placed.Place;
        if (placed.Control->Kind == PracticeControlKind::LevelChoice)
            place.Height *= LevelCount + 1; // with room for its list to drop
        put(control->Window, place, placed.TextPixels, placed.Bold);
    }
    if (places != nullptr)
        EndDeferWindowPos(places);
    fonts_ = std::move(fonts);
    // The level's box as tall as its place, each line of its list too; after its font, which
    // sets the heights anew.
    if (const PlacedControl* level = FindPlaced(arrangement_, "Level")) {
        const RECT place = InPixels(level->Place);
        const int frame = 2 * (GetSystemMetrics(SM_CYEDGE) + GetSystemMetrics(SM_CYBORDER));
        const int item = std::max<int>(place.bottom - place.top - frame, 1);
        SendMessageW(WindowNamed("Level"), CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), item);
        SendMessageW(WindowNamed("Level"), CB_SETITEMHEIGHT, 0, item);
    }
    // Every control drawn afresh in its new place and font: the fonts were set without drawing,
    // and a moved control's old picture is not to be copied along.
    RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void PracticeWindow::Scroll(int request) {
    RECT client{};
    GetClientRect(window_, &client);
    const int page = MulDiv(client.bottom, USER_DEFAULT_SCREEN_DPI, dotsPerInch_);
    int top = scrollTop_;
    switch (request) {
    case SB_LINEUP:
        top -= arrangement_.LabelPixels;
        break;
    case SB_LINEDOWN:
        top += arrangement_.LabelPixels;
        break;
    case SB_PAGEUP:
        top -= page;
        break;
    case SB_PAGEDOWN:
        top += page;
        break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: {
        SCROLLINFO scroll{};
        scroll.cbSize = sizeof(scroll);
        scroll.fMask = SIF_TRACKPOS;
        GetScrollInfo(window_, SB_VERT, &scroll);
        top = MulDiv(scroll.nTrackPos, USER_DEFAULT_SCREEN_DPI, dotsPerInch_);
        break;
    }
    default:
        return;
    }
    top = std::clamp(top, 0, std::max(0, arrangement_.Height - page));
    if (top == scrollTop_)
        return;
    scrollTop_ = top;
    Arrange();
}

// Moved to a screen of another density: the suggested size, arranged afresh.
void PracticeWindow::OnDensityChanged(int dotsPerInch, const RECT& suggested) {
    dotsPerInch_ = dotsPerInch;
    SetWindowPos(window_, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    Arrange();
}

// Never smaller than the largest level's paper, or the set's, in the smallest cells; a window
// too short for the rest scrolls.
void PracticeWindow::KeepLargeEnough(MINMAXINFO& limits) const {
    const PaperSize level = LevelPaper(LevelCount);
    const PaperSize set = PracticePaper(session_);
    const PaperSize largest{std::max(level.Columns, set.Columns), std::max(level.Rows, set.Rows)};
    RECT least{0, 0, Pixels(largest.Columns * SmallestCellPixels),
               Pixels(largest.Rows * SmallestCellPixels)};
    AdjustWindowRectForDpi(least, WindowStyle, 0, dotsPerInch_);
    limits.ptMinTrackSize = {least.right - least.left, least.bottom - least.top};
}

int PracticeWindow::Pixels(int logical) const {
    return MulDiv(logical, dotsPerInch_, USER_DEFAULT_SCREEN_DPI);
}

RECT PracticeWindow::InPixels(const PixelRect& place) const {
    return {Pixels(place.Left), Pixels(place.Top), Pixels(place.Left + place.Width),
            Pixels(place.Top + place.Height)};
}

// The font of a text that many logical pixels high, from the fonts made for this arrangement
// or, while they are still in use, the last one's.
HFONT PracticeWindow::FontFor(int logicalPixels, bool bold,
                              std::map<std::pair<int, bool>, Font>& fonts) {
    const std::pair<int, bool> key{Pixels(logicalPixels), bold};
    Font& font = fonts[key];
    if (font == nullptr) {
        if (const auto old = fonts_.find(key); old != fonts_.end() && old->second != nullptr)
            font = std::move(old->second);
        else
            font = WritingFont(key.first, bold);
    }
    return font.get();
}

HBRUSH PracticeWindow::WindowBrush() {
    if (windowBrush_ == nullptr)
        windowBrush_.reset(CreateSolidBrush(ToColorRef(PracticeColours.Panel)));
    return windowBrush_.get();
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
    case PracticeCommand::ShowCode:
        Deliver(ShowCode(session_));
        break;
    case PracticeCommand::MakeSet:
        Deliver(MakeSet(session_, WindowText(WindowNamed("OwnProblems"))));
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

// After every action: the progress is stored when it changed, and the window shows the view
// (arranged afresh for another paper, a level's or a set's) with the answer field emptied, or
// its wrong answer selected to be typed over, as the session says; then the field is given the
// focus when the session says so, and the announcement made last, so that a screen reader says
// it after what the focus brings.
void PracticeWindow::Deliver(const PracticeResult& result) {
    if (result.ProgressChanged)
        SaveProgress(progressPath_, session_.Kept);
    if (PracticePaper(session_) != arrangedPaper_)
        Arrange();
    ShowView();
    const HWND entry = WindowNamed("Entry");
    if (result.ClearEntry) {
        showing_ = true;
        SetWindowTextW(entry, L"");
        showing_ = false;
    }
    if (result.SelectEntry)
        SendMessageW(entry, EM_SETSEL, 0, -1);
    if (result.FocusEntry)
        SetFocus(entry);
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
        // Texts, and the buttons whose caption the view gives.
        if (control.Row->Kind == PracticeControlKind::Text ||
            control.Row->Shows != PracticeText::None)
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
    columnRow_ = std::clamp(columnRow_, 0,
                            std::max(static_cast<int>(SpokenRows(view_.Column).size()) - 1, 0));
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

// The texts in the panel's colours; the feedback in the colour of what it says, which its
// words say all the same.
LRESULT PracticeWindow::ColourStatic(HDC dc, HWND window) {
    const Control* control = ControlOf(controls_, window);
    const bool feedback = control != nullptr && control->Row->Shows == PracticeText::Feedback;
    SetTextColor(dc, ToColorRef(feedback ? FeedbackColour(view_) : PracticeColours.Text));
    SetBkColor(dc, ToColorRef(PracticeColours.Panel));
    return reinterpret_cast<LRESULT>(WindowBrush());
}

void PracticeWindow::DrawColumnControl(const DRAWITEMSTRUCT& item) {
    DrawColumn(item.hDC, item.rcItem, view_.Column, Pixels(arrangement_.CellPixels), dotsPerInch_,
               GetFocus() == item.hwndItem);
}

// Up and Down go to the row above and below, Home and End to the first and the last; the row
// reached is told to screen readers as the list's focused item.
bool PracticeWindow::MoveColumnRow(UINT key) {
    const int last = static_cast<int>(SpokenRows(view_.Column).size()) - 1;
    int row = columnRow_;
    switch (key) {
    case VK_UP:
        --row;
        break;
    case VK_DOWN:
        ++row;
        break;
    case VK_HOME:
        row = 0;
        break;
    case VK_END:
        row = last;
        break;
    default:
        return false;
    }
    row = std::clamp(row, 0, std::max(last, 0));
    if (row != columnRow_) {
        columnRow_ = row;
        const HWND column = WindowNamed("Column");
        NotifyWinEvent(EVENT_OBJECT_SELECTION, column, OBJID_CLIENT, row + 1);
        NotifyWinEvent(EVENT_OBJECT_FOCUS, column, OBJID_CLIENT, row + 1);
    }
    return true;
}

HWND PracticeWindow::FirstFocus() const { return WindowNamed("Entry"); }

HWND PracticeWindow::WindowNamed(const char* name) const {
    const auto found = std::find_if(controls_.begin(), controls_.end(),
                                    [name](const Control& c) { return Named(*c.Row, name); });
    return found == controls_.end() ? nullptr : found->Window;
}

} // namespace velmorand
