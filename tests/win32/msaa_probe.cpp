// Reads a running velmorand.exe through Active Accessibility from another process, as a
// Windows screen reader does, and checks what it reads against the layout table. Prints UTF-8,
// one line per item, fields separated by tabs; problems go to the error output and make the
// exit status 1.
//
//   msaa_probe read TITLE        walks the window's children: first "window<TAB>name", then
//                                per control "name<TAB>role<TAB>accessible name<TAB>
//                                description<TAB>value<TAB>default action", the value's lines
//                                parted by " | "; checks them against the table, and each
//                                control's place, parent and children
//   msaa_probe practice TITLE    the same for the practice window, against its own table: the
//                                answer field described by the question shown, and the
//                                column's rows as its children
//   msaa_probe act TITLE NAME    does the default action of the control of that table name
//   msaa_probe listen TITLE      prints "alert<TAB>text" for each alert the window's process
//                                raises, "other<TAB>role<TAB>text" where the object it
//                                names is no alert or an alert with a place, children or
//                                another parent, until the window closes or 4 min pass
//   msaa_probe restore TITLE     minimises and restores the window as its title bar's buttons
//                                do; prints "focus<TAB>before<TAB>after<TAB>caret<TAB>where"
//   msaa_probe column-row TITLE  the column's focused row as a screen reader reads it
// From the description alone, with no window:
//   msaa_probe focus-order | practice-focus-order   the controls Tab goes through, one a line
//   msaa_probe places DPI | practice-places WIDTH HEIGHT LEVEL
//                                "name<TAB>left top width height" for each control (and
//                                Form1's client area as "window"); the practice window at 96 dpi
//   msaa_probe announcement DIVIDEND DIVISOR SEPARATOR   what Run says for these numbers
//   msaa_probe steps DIVIDEND DIVISOR   the answers the pupil types, one "kind answer" a line
//   msaa_probe level N           the level's choice as the list shows it
//   msaa_probe teacher SET       the core's session started with the set as the window starts
//                                it: "number", "problem" and "error" (its last line) with what
//                                the view shows, "step" with each answer of the first
//                                problem, then "code" once the first problem is solved with
//                                every answer right and the code is shown
//   msaa_probe class-page        what the program says when the journal's page is missing
#include "find_window.h"
#include "practice/numbers.h"
#include "practice/result_code.h"
#include "practice/session.h"
#include "practice/steps.h"
#include "win32/resource_ids.h"
#include "win32/utf16.h"
#include "window/class_layout.h"
#include "window/form1_actions.h"
#include "window/form1_layout.h"
#include "window/practice_arrangement.h"
#include "window/practice_layout.h"

#include <windows.h>

#include <oleacc.h>
#include <shellapi.h>
#include <wrl/client.h>

#include <algorithm>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace {

using velmorand::ControlRow;
using velmorand::ToUtf8;

void Write(DWORD stream, const std::string& line) {
    const std::string withEnd = line + "\n";
    DWORD written = 0;
    WriteFile(GetStdHandle(stream), withEnd.data(), static_cast<DWORD>(withEnd.size()), &written,
              nullptr);
}
void Print(const std::string& line) { Write(STD_OUTPUT_HANDLE, line); }

int failures = 0;
void Fail(const std::string& problem) {
    Write(STD_ERROR_HANDLE, "FAIL: " + problem);
    ++failures;
}

template <class Interface> using Ref = Microsoft::WRL::ComPtr<Interface>;

VARIANT Self() {
    VARIANT self;
    VariantInit(&self);
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    return self;
}

// A text the object gives of itself or of a child, as UTF-8; "-" when it has none.
std::string TextOf(IAccessible* object,
                   HRESULT (STDMETHODCALLTYPE IAccessible::*get)(VARIANT, BSTR*),
                   VARIANT child = Self()) {
    BSTR text = nullptr;
    if (FAILED((object->*get)(child, &text)) || text == nullptr)
        return "-";
    const std::string value = ToUtf8(text);
    SysFreeString(text);
    return value;
}
std::string NameOf(IAccessible* object, VARIANT child) {
    return TextOf(object, &IAccessible::get_accName, child);
}

LONG RoleOf(IAccessible* object, VARIANT child) {
    VARIANT role;
    VariantInit(&role);
    if (FAILED(object->get_accRole(child, &role)) || role.vt != VT_I4)
        return -1;
    return role.lVal;
}

std::string RoleText(LONG role) {
    wchar_t text[64] = {};
    GetRoleTextW(static_cast<DWORD>(role), text, 64);
    return ToUtf8(text);
}

LONG StateOf(IAccessible* object, VARIANT child = Self()) {
    VARIANT state;
    VariantInit(&state);
    return SUCCEEDED(object->get_accState(child, &state)) && state.vt == VT_I4 ? state.lVal : 0;
}

// The object's place on the screen; an empty box when it has none.
RECT PlaceOf(IAccessible* object) {
    LONG left = 0, top = 0, width = 0, height = 0;
    if (FAILED(object->accLocation(&left, &top, &width, &height, Self())))
        return RECT{};
    return RECT{left, top, left + width, top + height};
}

// The window of the object's parent, found as a screen reader goes up the tree.
HWND ParentWindowOf(IAccessible* object) {
    Ref<IDispatch> parent;
    Ref<IAccessible> accessible;
    HWND window = nullptr;
    if (object->get_accParent(parent.GetAddressOf()) == S_OK && parent.Get() != nullptr &&
        SUCCEEDED(parent->QueryInterface(IID_IAccessible,
                                         reinterpret_cast<void**>(accessible.GetAddressOf()))))
        WindowFromAccessibleObject(accessible.Get(), &window);
    return window;
}

LONG ChildCountOf(IAccessible* object) {
    LONG count = -1;
    return SUCCEEDED(object->get_accChildCount(&count)) ? count : -1;
}

// The object a window's client answers, as a focus event hands it over.
Ref<IAccessible> ClientOf(HWND window) {
    Ref<IAccessible> client;
    AccessibleObjectFromWindow(window, static_cast<DWORD>(OBJID_CLIENT), IID_IAccessible,
                               reinterpret_cast<void**>(client.GetAddressOf()));
    return client;
}

// The row of a window's table the control stands for: each control's identifier is its
// place in the table.
template <class Row> const Row* RowOf(HWND control, std::span<const Row> layout) {
    const int index = control != nullptr ? GetDlgCtrlID(control) - IDC_FIRST_CONTROL : -1;
    if (index < 0 || static_cast<std::size_t>(index) >= layout.size())
        return nullptr;
    return &layout[static_cast<std::size_t>(index)];
}

template <class Row> struct Found {
    const Row* Entry;
    HWND Window;
    Ref<IAccessible> Object; // the control's client object
};

// The children of the window's client object that are controls of the table, each with the
// object its own window answers.
template <class Row> std::vector<Found<Row>> Walk(HWND window, std::span<const Row> layout) {
    std::vector<Found<Row>> found;
    const Ref<IAccessible> client = ClientOf(window);
    if (client.Get() == nullptr)
        return found;
    const LONG count = std::max(ChildCountOf(client.Get()), LONG{0});
    std::vector<VARIANT> children(static_cast<std::size_t>(count));
    LONG obtained = 0;
    AccessibleChildren(client.Get(), 0, count, children.data(), &obtained);
    for (LONG i = 0; i < obtained; ++i) {
        VARIANT& child = children[static_cast<std::size_t>(i)];
        HWND control = nullptr;
        if (child.vt == VT_DISPATCH && child.pdispVal != nullptr) {
            Ref<IAccessible> object;
            child.pdispVal->QueryInterface(IID_IAccessible,
                                           reinterpret_cast<void**>(object.GetAddressOf()));
            if (object.Get() != nullptr)
                WindowFromAccessibleObject(object.Get(), &control);
        }
        VariantClear(&child);
        const Row* row = RowOf(control, layout);
        Ref<IAccessible> object = row != nullptr ? ClientOf(control) : Ref<IAccessible>();
        if (object.Get() != nullptr)
            found.push_back({row, control, std::move(object)});
    }
    return found;
}

template <class Row>
Found<Row> Named(HWND window, std::span<const Row> layout, std::string_view name) {
    for (Found<Row>& item : Walk(window, layout))
        if (item.Entry->Name == name)
            return std::move(item);
    Fail(std::string(name) + " is not among the window's children");
    return {};
}

std::string OneLine(std::string text) {
    for (std::size_t at = text.find('\n'); at != std::string::npos; at = text.find('\n', at))
        text.replace(at, 1, " | ");
    return text;
}

// What a screen reader must get from a control, as the description in window/ has it.
struct Wanted {
    std::optional<std::string> Name;        // none: any; "": none at all
    std::optional<std::string> Description; // none: any
    LONG Role = -1;                         // -1: whatever Windows makes of it
    bool Focusable = false;
    bool Childless = false;
    bool Hidden = false; // hidden and disabled, and nothing more checked
};

struct Reading {
    std::string Name, Description, Value, Action;
    LONG Role = -1;
};

// Reads a control as a screen reader does, prints "name<TAB>role<TAB>accessible name<TAB>
// description<TAB>value<TAB>default action" and checks it against what is wanted.
Reading Check(const char* tableName, HWND control, IAccessible* object, const Wanted& wanted) {
    const Reading read{NameOf(object, Self()), TextOf(object, &IAccessible::get_accDescription),
                       TextOf(object, &IAccessible::get_accValue),
                       TextOf(object, &IAccessible::get_accDefaultAction), RoleOf(object, Self())};
    Print(std::string(tableName) + "\t" + RoleText(read.Role) + "\t" + read.Name + "\t" +
          read.Description + "\t" + OneLine(read.Value) + "\t" + read.Action);

    const std::string what = std::string(tableName) + ": ";
    const LONG state = StateOf(object);
    if (wanted.Hidden) {
        if ((state & STATE_SYSTEM_INVISIBLE) == 0 || IsWindowEnabled(control))
            Fail(what + "shown or enabled, though this program does not print");
        return read;
    }
    if (wanted.Name && read.Name != *wanted.Name && !(wanted.Name->empty() && read.Name == "-"))
        Fail(what + "name \"" + read.Name + "\", not \"" + *wanted.Name + "\"");
    if (wanted.Description && read.Description != *wanted.Description)
        Fail(what + "description \"" + read.Description + "\", not \"" + *wanted.Description +
             "\"");
    if (wanted.Role != -1 && read.Role != wanted.Role)
        Fail(what + "role \"" + RoleText(read.Role) + "\", not \"" + RoleText(wanted.Role) + "\"");
    if (wanted.Focusable && (state & STATE_SYSTEM_FOCUSABLE) == 0)
        Fail(what + "not focusable");
    // Its place and its parent are Windows' own, so that a screen reader can show and find it.
    RECT client{};
    GetClientRect(control, &client);
    MapWindowPoints(control, nullptr, reinterpret_cast<POINT*>(&client), 2);
    const RECT place = PlaceOf(object);
    if (IsRectEmpty(&client) || !EqualRect(&place, &client))
        Fail(what + "placed elsewhere than its window");
    if (ParentWindowOf(object) != control)
        Fail(what + "its parent is not its own window");
    if (wanted.Childless && ChildCountOf(object) != 0)
        Fail(what + "has children");
    return read;
}

// Checks the window's name as a screen reader says it, from its client object, then each
// control of its table among the client's children.
template <class Row, class CheckRow>
int ReadWindow(HWND window, const char* spokenCaption, std::span<const Row> layout,
               CheckRow checkRow) {
    const Ref<IAccessible> client = ClientOf(window);
    const std::string name = client.Get() != nullptr ? NameOf(client.Get(), Self()) : "-";
    Print("window\t" + name);
    if (name != spokenCaption)
        Fail("the window is named \"" + name + "\", not \"" + spokenCaption + "\"");
    const std::vector<Found<Row>> found = Walk(window, layout);
    for (const Found<Row>& item : found)
        checkRow(*item.Entry, item.Window, item.Object.Get());
    if (found.size() != layout.size())
        Fail(std::to_string(found.size()) + " controls among the window's children, not " +
             std::to_string(layout.size()));
    return failures == 0 ? 0 : 1;
}

// The role a screen reader must get for each role of the description, in its order.
LONG MsaaRole(velmorand::ControlRole role) {
    constexpr LONG roles[] = {ROLE_SYSTEM_TEXT,       ROLE_SYSTEM_PUSHBUTTON,
                              ROLE_SYSTEM_STATICTEXT, ROLE_SYSTEM_LINK,
                              ROLE_SYSTEM_GRAPHIC,    -1}; // a line: a bar with nothing to say
    return roles[static_cast<int>(role)];
}

void CheckForm1(const ControlRow& row, HWND control, IAccessible* object) {
    // Without a name of its own a label is read by what it shows, never by a neighbour; the
    // message line by its message as it is said.
    const std::string shown = ToUtf8(WindowText(control));
    const std::string spoken = velmorand::SpokenNameOf(row, shown);
    const Wanted wanted{.Name = row.Kind == velmorand::ControlKind::Line ? std::nullopt
                                : !spoken.empty()                        ? std::optional(spoken)
                                                                         : std::optional(shown),
                        .Description = row.Accessible.Description != nullptr
                                           ? std::optional<std::string>(row.Accessible.Description)
                                           : std::nullopt,
                        .Role = MsaaRole(velmorand::RoleOf(row)),
                        .Focusable = velmorand::TakesFocus(row),
                        .Childless = true};
    const Reading read = Check(row.Name, control, object, wanted);
    if (wanted.Role == ROLE_SYSTEM_LINK &&
        (read.Action != velmorand::LinkActionName || (StateOf(object) & STATE_SYSTEM_LINKED) == 0))
        Fail(std::string(row.Name) + ": a link without its default action or the linked state");
}

int Act(HWND window, const std::string& name) {
    const Found item = Named(window, velmorand::Form1Layout(), name);
    return item.Object.Get() != nullptr && SUCCEEDED(item.Object->accDoDefaultAction(Self())) ? 0
                                                                                              : 1;
}

void CALLBACK OnAlert(HWINEVENTHOOK, DWORD, HWND window, LONG object, LONG child, DWORD, DWORD) {
    Ref<IAccessible> alert;
    VARIANT which;
    VariantInit(&which);
    if (FAILED(AccessibleObjectFromEvent(window, static_cast<DWORD>(object),
                                         static_cast<DWORD>(child), alert.GetAddressOf(),
                                         &which))) {
        Print("other\t-\tunreadable");
        return;
    }
    const LONG role = RoleOf(alert.Get(), which);
    const std::string text = NameOf(alert.Get(), which);
    // An alert stands apart: no place on the screen and no children, the window as its parent.
    const RECT place = PlaceOf(alert.Get());
    const bool apart = IsRectEmpty(&place) && ChildCountOf(alert.Get()) == 0 &&
                       ParentWindowOf(alert.Get()) == window;
    Print(role != ROLE_SYSTEM_ALERT ? "other\t" + RoleText(role) + "\t" + text
          : apart                   ? "alert\t" + text
                                    : "other\talert out of place\t" + text);
}

int Listen(HWND window) {
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    // Out of context, and without WINEVENT_SKIPOWNPROCESS, which makes Wine deliver nothing
    // to a hook filtered on another process.
    const HWINEVENTHOOK hook = SetWinEventHook(EVENT_SYSTEM_ALERT, EVENT_SYSTEM_ALERT, nullptr,
                                               OnAlert, process, 0, WINEVENT_OUTOFCONTEXT);
    if (hook == nullptr)
        return 1;
    Print("listening");
    const ULONGLONG end = GetTickCount64() + 240000;
    while (IsWindow(window) && GetTickCount64() < end) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 100, QS_ALLINPUT);
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageW(&message);
    }
    UnhookWinEvent(hook);
    return 0;
}

HWND FocusOf(HWND window, HWND* caret = nullptr) {
    GUITHREADINFO thread{};
    thread.cbSize = sizeof(thread);
    GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &thread);
    if (caret != nullptr)
        *caret = thread.hwndCaret;
    return thread.hwndFocus;
}

std::string ControlName(HWND control) {
    const ControlRow* row = RowOf(control, velmorand::Form1Layout());
    return row != nullptr ? row->Name : control != nullptr ? "other" : "none";
}

// Polls up to 10 s for the condition.
template <class Condition> bool Await(Condition condition) {
    for (int i = 0; i < 200; ++i) {
        if (condition())
            return true;
        Sleep(50);
    }
    return condition();
}

int Restore(HWND window) {
    const HWND before = FocusOf(window);
    PostMessageW(window, WM_SYSCOMMAND, SC_MINIMIZE, 0);
    if (!Await([&] { return IsIconic(window) != FALSE; }))
        Fail("the window was not minimised");
    PostMessageW(window, WM_SYSCOMMAND, SC_RESTORE, 0);
    HWND caret = nullptr;
    Await(
        [&] { return !IsIconic(window) && FocusOf(window, &caret) == before && caret == before; });
    const HWND after = FocusOf(window, &caret);
    Print("focus\t" + ControlName(before) + "\t" + ControlName(after) + "\tcaret\t" +
          ControlName(caret));
    return failures == 0 && after == before && IsIconic(window) == FALSE ? 0 : 1;
}

int Announcement(const std::wstring& dividend, const std::wstring& divisor,
                 const std::wstring& separator) {
    velmorand::Worksheet sheet;
    sheet.Dividend = ToUtf8(dividend);
    sheet.Divisor = ToUtf8(divisor);
    Print(
        velmorand::Act(sheet, *velmorand::FindControl("Command1"), ToUtf8(separator)).Announcement);
    return 0;
}

// Whether Tab stops at the control: a control of the practice window that needs printing
// is out of the keyboard's way here.
bool Focusable(const ControlRow& row) { return velmorand::TakesFocus(row); }
bool Focusable(const velmorand::PracticeControl& row) {
    return row.Kind != velmorand::PracticeControlKind::Text && !velmorand::NeedsPrinting(row);
}

// The controls that take the keyboard focus, in the table's order: what Tab must follow.
template <class Row> int FocusOrder(std::span<const Row> layout) {
    for (const Row& row : layout)
        if (Focusable(row))
            Print(row.Name);
    return 0;
}

// The role a screen reader must get for each kind of the practice window's controls, in the
// order of the kinds.
LONG MsaaRole(velmorand::PracticeControlKind kind) {
    constexpr LONG roles[] = {ROLE_SYSTEM_COMBOBOX, ROLE_SYSTEM_TEXT, ROLE_SYSTEM_STATICTEXT,
                              ROLE_SYSTEM_TEXT,     ROLE_SYSTEM_TEXT, ROLE_SYSTEM_PUSHBUTTON,
                              ROLE_SYSTEM_LIST};
    return roles[static_cast<int>(kind)];
}

void CheckPractice(HWND window, const velmorand::PracticeControl& row, HWND control,
                   IAccessible* object) {
    using Kind = velmorand::PracticeControlKind;
    const std::string shown = ToUtf8(WindowText(control));
    // The answer field is described by the question it answers.
    std::optional<std::string> question;
    if (row.Kind == Kind::AnswerField) {
        question = velmorand::practice_detail::Spoken(
            ToUtf8(WindowText(Named(window, velmorand::PracticeLayout(), "Question").Window)));
        if (question->empty())
            Fail(std::string(row.Name) + ": no question to be described by");
    }
    // The code is named as it is said, a character at a time, and has the code as its value.
    const bool code = row.Shows == velmorand::PracticeText::ResultCode;
    const Wanted wanted{.Name = row.AccessibleName != nullptr ? row.AccessibleName
                                : code                        ? velmorand::SpokenCode(shown)
                                                              : shown,
                        .Description = question,
                        .Role = MsaaRole(row.Kind),
                        .Focusable = Focusable(row),
                        .Childless = false,
                        .Hidden = velmorand::NeedsPrinting(row)}; // this program does not print
    const Reading read = Check(row.Name, control, object, wanted);
    const std::string what = std::string(row.Name) + ": ";
    // A control named apart from what it shows has that as its value, so that both are read;
    // the level's choice as it is said.
    const std::string value =
        row.Kind == Kind::LevelChoice ? velmorand::practice_detail::Spoken(shown) : shown;
    if (!wanted.Hidden && (row.AccessibleName != nullptr || code) && row.Kind != Kind::ColumnGrid &&
        row.Kind != Kind::Button && read.Value != value && !(shown.empty() && read.Value == "-"))
        Fail(what + "value \"" + read.Value + "\", not what it shows, \"" + value + "\"");
    if (row.Kind == Kind::ColumnGrid) {
        // Each row of the column is a child of its own, read in order, and all of them its value.
        std::string rows;
        const LONG count = ChildCountOf(object);
        for (LONG i = 1; i <= count; ++i) {
            VARIANT child = Self();
            child.lVal = i;
            if (RoleOf(object, child) != ROLE_SYSTEM_LISTITEM)
                Fail(what + "row " + std::to_string(i) + " is no list item");
            rows += (i > 1 ? "\n" : "") + NameOf(object, child);
        }
        if (count < 1 || rows != read.Value)
            Fail(what + std::to_string(count) + " rows read one by one as \"" + OneLine(rows) +
                 "\", its value \"" + OneLine(read.Value) + "\"");
    }
}

int ColumnRow(HWND window) {
    const Found column = Named(window, velmorand::PracticeLayout(), "Column");
    VARIANT focused;
    VariantInit(&focused);
    if (column.Object.Get() == nullptr || FAILED(column.Object->get_accFocus(&focused)) ||
        focused.vt != VT_I4 || focused.lVal < 1)
        return 1;
    if ((StateOf(column.Object.Get(), focused) & STATE_SYSTEM_FOCUSED) == 0)
        Fail("the focused row is not in the focused state");
    Print(NameOf(column.Object.Get(), focused));
    return failures == 0 ? 0 : 1;
}

// The core's steps for a : b (proved against the textbooks in practice_steps_test), one
// "kind answer" a line.
int Steps(int dividend, int divisor) {
    for (const velmorand::Step& step : velmorand::SolutionSteps(
             {static_cast<std::uint32_t>(dividend), static_cast<std::uint32_t>(divisor)}))
        if (step.Kind != velmorand::StepKind::Done)
            Print(std::string(velmorand::StepName(step.Kind)) + " " + std::to_string(step.Answer));
    return 0;
}

int Teacher(const std::string& set) {
    velmorand::PracticeSession session = velmorand::StartPractice(1, 1, {});
    velmorand::MakeSet(session, set);
    const velmorand::PracticeView view = velmorand::ViewOf(session);
    Print("number\t" + view.ProblemNumber);
    Print("problem\t" + view.Problem);
    Print("error\t" + view.SetError.substr(view.SetError.rfind('\n') + 1)); // its last line
    for (const velmorand::Step& step : session.Steps)
        if (step.Kind != velmorand::StepKind::Done)
            Print("step\t" + std::to_string(step.Answer));
    for (std::size_t i = 0; i < 100 && session.StepIndex + 1 < session.Steps.size(); ++i)
        velmorand::SubmitAnswer(session, std::to_string(session.Steps[session.StepIndex].Answer));
    velmorand::ShowCode(session);
    Print("code\t" + velmorand::ViewOf(session).ResultCode);
    return 0;
}

void PrintPlace(const std::string& name, const velmorand::PixelRect& p) {
    Print(name + "\t" + std::to_string(p.Left) + " " + std::to_string(p.Top) + " " +
          std::to_string(p.Width) + " " + std::to_string(p.Height));
}

int Places(int dpi) {
    PrintPlace("window", {0, 0, velmorand::TwipsToPixels(velmorand::ClientWidthTwips, dpi),
                          velmorand::TwipsToPixels(velmorand::ClientHeightTwips, dpi)});
    for (const ControlRow& row : velmorand::Form1Layout())
        PrintPlace(row.Name, velmorand::PlaceInPixels(row, dpi));
    return 0;
}

int PracticePlaces(int width, int height, int level) {
    for (const velmorand::PlacedControl& placed :
         velmorand::ArrangePractice(width, height, velmorand::LevelPaper(level)).Controls)
        PrintPlace(placed.Control->Name, placed.Place);
    return 0;
}

} // namespace

int main() {
    // Places in the screen's own pixels, as the program gives them at any density.
    SetProcessDPIAware();
    // The title is Cyrillic: take the arguments as UTF-16, whatever the ANSI code page.
    int argc = 0;
    wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    const std::wstring command = argc > 1 ? argv[1] : L"";
    if (command == L"focus-order" && argc == 2)
        return FocusOrder(velmorand::Form1Layout());
    if (command == L"practice-focus-order" && argc == 2)
        return FocusOrder(velmorand::PracticeLayout());
    if (command == L"steps" && argc == 4)
        return Steps(_wtoi(argv[2]), _wtoi(argv[3]));
    if (command == L"level" && argc == 3) {
        Print(velmorand::LevelChoiceText(_wtoi(argv[2])));
        return 0;
    }
    if (command == L"teacher" && argc == 3)
        return Teacher(ToUtf8(argv[2]));
    if (command == L"class-page" && argc == 2) {
        Print(velmorand::ClassPage.Missing);
        return 0;
    }
    if (command == L"places" && argc == 3)
        return Places(_wtoi(argv[2]));
    if (command == L"practice-places" && argc == 5)
        return PracticePlaces(_wtoi(argv[2]), _wtoi(argv[3]), _wtoi(argv[4]));
    if (argc < 3)
        return 2;
    if (command == L"announcement")
        return argc == 5 ? Announcement(argv[2], argv[3], argv[4]) : 2;
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    const HWND window = FindByTitle(argv[2]);
    if (window == nullptr)
        return 1;
    if (command == L"read")
        return ReadWindow(window, velmorand::Form1SpokenCaption, velmorand::Form1Layout(),
                          CheckForm1);
    if (command == L"act" && argc == 4)
        return Act(window, ToUtf8(argv[3]));
    if (command == L"listen")
        return Listen(window);
    if (command == L"restore")
        return Restore(window);
    if (command == L"practice")
        return ReadWindow(window, velmorand::PracticeSpokenCaption, velmorand::PracticeLayout(),
                          [&](auto&&... control) { CheckPractice(window, control...); });
    if (command == L"column-row")
        return ColumnRow(window);
    return 2;
}
