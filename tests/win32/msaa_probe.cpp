// Reads a running velmorand.exe through Active Accessibility from another process, as a
// Windows screen reader does, and checks what it reads against the layout table. Prints UTF-8,
// one line per item, fields separated by tabs; problems go to the error output and make the
// exit status 1.
//
//   msaa_probe read TITLE        walks the window's children: per control "name<TAB>role
//                                <TAB>accessible name<TAB>description<TAB>default action";
//                                checks them, and each control's place, parent and children
//   msaa_probe act TITLE NAME    does the default action of the control of that table name
//   msaa_probe listen TITLE      prints "alert<TAB>text" for each alert the window's process
//                                raises, "other<TAB>role<TAB>text" where the object it
//                                names is no alert or an alert with a place, children or
//                                another parent, until the window closes or 4 min pass
//   msaa_probe restore TITLE     minimises and restores the window as its title bar's buttons
//                                do; prints "focus<TAB>before<TAB>after<TAB>caret<TAB>where"
//   msaa_probe announcement DIVIDEND DIVISOR SEPARATOR
//                                what Run says for these numbers
//   msaa_probe focus-order       the controls Tab goes through, one a line, from the table
//   msaa_probe practice TITLE    the practice window's controls: per control "name<TAB>role
//                                <TAB>accessible name<TAB>description<TAB>value", the value's
//                                lines parted by " | "; checks them against the practice
//                                table, the answer field described by the question shown,
//                                and the column's rows as its children; first
//                                "window<TAB>name<TAB>description"
//   msaa_probe practice-focus-order  the practice window's controls Tab goes through
//   msaa_probe column-row TITLE  the column's focused row as a screen reader reads it
//   msaa_probe practice-places WIDTH HEIGHT LEVEL
//                                where the arrangement puts each control of the practice
//                                window at 96 dpi: "name<TAB>left top width height"
#include "find_window.h"
#include "win32/resource_ids.h"
#include "win32/utf16.h"
#include "window/form1_actions.h"
#include "window/form1_layout.h"
#include "window/practice_arrangement.h"
#include "window/practice_layout.h"

#include <windows.h>

#include <oleacc.h>
#include <shellapi.h>

#include <string>
#include <vector>

namespace {

using velmorand::ControlRow;
using velmorand::ToUtf16;
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

// Owns one COM reference.
template <class Interface> class Ref {
public:
    Ref() = default;
    explicit Ref(Interface* p) : p_(p) {}
    Ref(const Ref&) = delete;
    Ref& operator=(const Ref&) = delete;
    Ref(Ref&& other) noexcept : p_(other.p_) { other.p_ = nullptr; }
    ~Ref() {
        if (p_ != nullptr)
            p_->Release();
    }
    Interface* operator->() const { return p_; }
    Interface* get() const { return p_; }
    Interface** out() { return &p_; }

private:
    Interface* p_ = nullptr;
};

VARIANT Self() {
    VARIANT self;
    VariantInit(&self);
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    return self;
}

// A BSTR property as UTF-8; "-" when the object has none.
template <class Getter> std::string Property(Getter get) {
    BSTR text = nullptr;
    if (FAILED(get(&text)) || text == nullptr)
        return "-";
    const std::string value = ToUtf8(text);
    SysFreeString(text);
    return value;
}

std::string NameOf(IAccessible* object, VARIANT child) {
    return Property([&](BSTR* out) { return object->get_accName(child, out); });
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
    if (object->get_accParent(parent.out()) == S_OK && parent.get() != nullptr &&
        SUCCEEDED(
            parent->QueryInterface(IID_IAccessible, reinterpret_cast<void**>(accessible.out()))))
        WindowFromAccessibleObject(accessible.get(), &window);
    return window;
}

LONG ChildCountOf(IAccessible* object) {
    LONG count = -1;
    return SUCCEEDED(object->get_accChildCount(&count)) ? count : -1;
}

const ControlRow* RowOf(HWND control) {
    const int index = GetDlgCtrlID(control) - IDC_FIRST_CONTROL;
    const auto layout = velmorand::Form1Layout();
    if (index < 0 || static_cast<std::size_t>(index) >= layout.size())
        return nullptr;
    return &layout[static_cast<std::size_t>(index)];
}

struct Found {
    const ControlRow* Row;
    HWND Window;
    Ref<IAccessible> Object; // the control's client object, as a focus event hands it over
};

// The children of the window's client object, each with the object its own window answers.
std::vector<Found> Walk(HWND window) {
    std::vector<Found> found;
    Ref<IAccessible> client;
    if (FAILED(AccessibleObjectFromWindow(window, static_cast<DWORD>(OBJID_CLIENT), IID_IAccessible,
                                          reinterpret_cast<void**>(client.out()))))
        return found;
    LONG count = 0;
    client->get_accChildCount(&count);
    std::vector<VARIANT> children(static_cast<std::size_t>(count));
    LONG obtained = 0;
    AccessibleChildren(client.get(), 0, count, children.data(), &obtained);
    for (LONG i = 0; i < obtained; ++i) {
        VARIANT& child = children[static_cast<std::size_t>(i)];
        HWND control = nullptr;
        if (child.vt == VT_DISPATCH && child.pdispVal != nullptr) {
            Ref<IAccessible> object;
            child.pdispVal->QueryInterface(IID_IAccessible, reinterpret_cast<void**>(object.out()));
            if (object.get() != nullptr)
                WindowFromAccessibleObject(object.get(), &control);
        }
        VariantClear(&child);
        const ControlRow* row = control != nullptr ? RowOf(control) : nullptr;
        if (row == nullptr)
            continue;
        Found item{row, control, {}};
        AccessibleObjectFromWindow(control, static_cast<DWORD>(OBJID_CLIENT), IID_IAccessible,
                                   reinterpret_cast<void**>(item.Object.out()));
        if (item.Object.get() != nullptr)
            found.push_back(std::move(item));
    }
    return found;
}

// The role a screen reader must get for each kind of control.
LONG ExpectedRole(const ControlRow& row) {
    switch (row.Kind) {
    case velmorand::ControlKind::TextField:
        return ROLE_SYSTEM_TEXT;
    case velmorand::ControlKind::Button:
        return ROLE_SYSTEM_PUSHBUTTON;
    case velmorand::ControlKind::Label:
        return row.Action == velmorand::ControlAction::OpenLink ? ROLE_SYSTEM_LINK
                                                                : ROLE_SYSTEM_STATICTEXT;
    case velmorand::ControlKind::Picture:
        return ROLE_SYSTEM_GRAPHIC;
    case velmorand::ControlKind::Line:
        return -1; // a bar with nothing to say: whatever Windows makes of it
    }
    return -1;
}

void Check(const Found& item) {
    const ControlRow& row = *item.Row;
    IAccessible* object = item.Object.get();
    const std::string name = NameOf(object, Self());
    const std::string description =
        Property([&](BSTR* out) { return object->get_accDescription(Self(), out); });
    const std::string action =
        Property([&](BSTR* out) { return object->get_accDefaultAction(Self(), out); });
    const LONG role = RoleOf(object, Self());
    Print(std::string(row.Name) + "\t" + RoleText(role) + "\t" + name + "\t" + description + "\t" +
          action);

    const std::string what = std::string(row.Name) + ": ";
    // Without a name of its own a label is read by what it shows, never by a neighbour; the
    // message line by its message as it is said.
    const std::string shown = ToUtf8(WindowText(item.Window));
    const std::string spoken = velmorand::SpokenNameOf(row, shown);
    const std::string wantedName = !spoken.empty()                            ? spoken
                                   : row.Kind == velmorand::ControlKind::Line ? name
                                                                              : shown;
    if (name != wantedName)
        Fail(what + "name \"" + name + "\", not \"" + wantedName + "\"");
    if (row.Accessible.Description != nullptr && description != row.Accessible.Description)
        Fail(what + "description \"" + description + "\", not \"" + row.Accessible.Description +
             "\"");
    if (ExpectedRole(row) != -1 && role != ExpectedRole(row))
        Fail(what + "role \"" + RoleText(role) + "\", not \"" + RoleText(ExpectedRole(row)) + "\"");
    const bool link = ExpectedRole(row) == ROLE_SYSTEM_LINK;
    if (link && (action == "-" || action.empty() || (StateOf(object) & STATE_SYSTEM_LINKED) == 0))
        Fail(what + "a link without a default action or the linked state");
    if (velmorand::TakesFocus(row) && (StateOf(object) & STATE_SYSTEM_FOCUSABLE) == 0)
        Fail(what + "not focusable");
    // Its place and its parent are Windows' own, so that a screen reader can show and find it.
    RECT client{};
    GetClientRect(item.Window, &client);
    MapWindowPoints(item.Window, nullptr, reinterpret_cast<POINT*>(&client), 2);
    const RECT place = PlaceOf(object);
    if (IsRectEmpty(&client) || !EqualRect(&place, &client))
        Fail(what + "placed elsewhere than its window");
    if (ParentWindowOf(object) != item.Window)
        Fail(what + "its parent is not its own window");
    if (ChildCountOf(object) != 0)
        Fail(what + "has children");
}

// Checks the window's name as a screen reader says it, from its client object; the number of
// the client's children, its controls, or -1 for none.
LONG CheckWindowName(HWND window, const char* wanted) {
    Ref<IAccessible> client;
    if (FAILED(AccessibleObjectFromWindow(window, static_cast<DWORD>(OBJID_CLIENT), IID_IAccessible,
                                          reinterpret_cast<void**>(client.out())))) {
        Fail("the window has no accessible object");
        return -1;
    }
    const std::string name = NameOf(client.get(), Self());
    Print("window\t" + name);
    if (name != wanted)
        Fail("the window is named \"" + name + "\", not \"" + wanted + "\"");
    return ChildCountOf(client.get());
}

int Read(HWND window) {
    CheckWindowName(window, velmorand::Form1SpokenCaption);
    const std::vector<Found> found = Walk(window);
    for (const Found& item : found)
        Check(item);
    const std::size_t controls = velmorand::Form1Layout().size();
    if (found.size() != controls)
        Fail(std::to_string(found.size()) + " controls among the window's children, not " +
             std::to_string(controls));
    return failures == 0 ? 0 : 1;
}

int Act(HWND window, const std::string& name) {
    for (const Found& item : Walk(window)) {
        if (item.Row->Name == name)
            return SUCCEEDED(item.Object->accDoDefaultAction(Self())) ? 0 : 1;
    }
    Fail(name + " is not among the window's children");
    return 1;
}

void CALLBACK OnAlert(HWINEVENTHOOK, DWORD, HWND window, LONG object, LONG child, DWORD, DWORD) {
    Ref<IAccessible> alert;
    VARIANT which;
    VariantInit(&which);
    if (FAILED(AccessibleObjectFromEvent(window, static_cast<DWORD>(object),
                                         static_cast<DWORD>(child), alert.out(), &which))) {
        Print("other\t-\tunreadable");
        return;
    }
    const LONG role = RoleOf(alert.get(), which);
    const std::string text = NameOf(alert.get(), which);
    // An alert stands apart: no place on the screen and no children, the window as its parent.
    const RECT place = PlaceOf(alert.get());
    const bool apart = IsRectEmpty(&place) && ChildCountOf(alert.get()) == 0 &&
                       ParentWindowOf(alert.get()) == window;
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
    const ControlRow* row = control != nullptr ? RowOf(control) : nullptr;
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

// The controls that take the keyboard focus, in the table's order: what Tab must follow.
int FocusOrder() {
    for (const velmorand::ControlRow& row : velmorand::Form1Layout())
        if (velmorand::TakesFocus(row))
            Print(row.Name);
    return 0;
}

// The practice window: its controls have the identifiers of their places in its own table.
const velmorand::PracticeControl* PracticeRowOf(HWND control) {
    const int index = GetDlgCtrlID(control) - IDC_FIRST_CONTROL;
    const auto layout = velmorand::PracticeLayout();
    if (index < 0 || static_cast<std::size_t>(index) >= layout.size())
        return nullptr;
    return &layout[static_cast<std::size_t>(index)];
}

bool TakesFocus(const velmorand::PracticeControl& row) {
    return row.Kind != velmorand::PracticeControlKind::Text;
}

LONG ExpectedRole(const velmorand::PracticeControl& row) {
    switch (row.Kind) {
    case velmorand::PracticeControlKind::LevelChoice:
        return ROLE_SYSTEM_COMBOBOX;
    case velmorand::PracticeControlKind::VariantField:
    case velmorand::PracticeControlKind::AnswerField:
        return ROLE_SYSTEM_TEXT;
    case velmorand::PracticeControlKind::Text:
        return ROLE_SYSTEM_STATICTEXT;
    case velmorand::PracticeControlKind::Button:
        return ROLE_SYSTEM_PUSHBUTTON;
    case velmorand::PracticeControlKind::ColumnGrid:
        return ROLE_SYSTEM_LIST;
    }
    return -1;
}

HWND PracticeControlNamed(HWND window, const char* name) {
    for (HWND control = GetWindow(window, GW_CHILD); control != nullptr;
         control = GetWindow(control, GW_HWNDNEXT)) {
        const velmorand::PracticeControl* row = PracticeRowOf(control);
        if (row != nullptr && std::string(row->Name) == name)
            return control;
    }
    return nullptr;
}

std::string OneLine(std::string text) {
    for (std::size_t at = text.find('\n'); at != std::string::npos; at = text.find('\n', at))
        text.replace(at, 1, " | ");
    return text;
}

void CheckPractice(HWND window, const velmorand::PracticeControl& row, HWND control,
                   IAccessible* object) {
    const std::string name = NameOf(object, Self());
    const std::string description =
        Property([&](BSTR* out) { return object->get_accDescription(Self(), out); });
    const std::string value =
        Property([&](BSTR* out) { return object->get_accValue(Self(), out); });
    const LONG role = RoleOf(object, Self());
    Print(std::string(row.Name) + "\t" + RoleText(role) + "\t" + name + "\t" + description + "\t" +
          OneLine(value));

    const std::string what = std::string(row.Name) + ": ";
    if (velmorand::NeedsPrinting(row)) { // this program does not print: hidden, out of the way
        if ((StateOf(object) & STATE_SYSTEM_INVISIBLE) == 0 || IsWindowEnabled(control))
            Fail(what + "shown or enabled, though this program does not print");
        return;
    }
    const std::string wantedName =
        row.AccessibleName != nullptr ? row.AccessibleName : ToUtf8(WindowText(control));
    if (name != wantedName && !(wantedName.empty() && name == "-")) // empty: no name at all
        Fail(what + "name \"" + name + "\", not \"" + wantedName + "\"");
    // A control named apart from what it shows has that as its value, so that both are read.
    const std::string shown = ToUtf8(WindowText(control));
    if (row.AccessibleName != nullptr && row.Kind != velmorand::PracticeControlKind::ColumnGrid &&
        row.Kind != velmorand::PracticeControlKind::Button && value != shown &&
        !(shown.empty() && value == "-"))
        Fail(what + "value \"" + value + "\", not what it shows, \"" + shown + "\"");
    if (role != ExpectedRole(row))
        Fail(what + "role \"" + RoleText(role) + "\", not \"" + RoleText(ExpectedRole(row)) + "\"");
    if (TakesFocus(row) && (StateOf(object) & STATE_SYSTEM_FOCUSABLE) == 0)
        Fail(what + "not focusable");
    RECT client{};
    GetClientRect(control, &client);
    MapWindowPoints(control, nullptr, reinterpret_cast<POINT*>(&client), 2);
    const RECT place = PlaceOf(object);
    if (IsRectEmpty(&client) || !EqualRect(&place, &client))
        Fail(what + "placed elsewhere than its window");
    if (ParentWindowOf(object) != control)
        Fail(what + "its parent is not its own window");
    if (row.Kind == velmorand::PracticeControlKind::AnswerField) {
        const std::string question = ToUtf8(WindowText(PracticeControlNamed(window, "Question")));
        if (question.empty() || description != question)
            Fail(what + "described as \"" + description + "\", not by the question \"" + question +
                 "\"");
    }
    if (row.Kind == velmorand::PracticeControlKind::ColumnGrid) {
        // Each row of the column is a child of its own, read in order, and all of them its value.
        std::string rows;
        const LONG count = ChildCountOf(object);
        for (LONG i = 1; i <= count; ++i) {
            VARIANT child;
            VariantInit(&child);
            child.vt = VT_I4;
            child.lVal = i;
            if (RoleOf(object, child) != ROLE_SYSTEM_LISTITEM)
                Fail(what + "row " + std::to_string(i) + " is no list item");
            rows += (i > 1 ? "\n" : "") + NameOf(object, child);
        }
        if (count < 1 || rows != value)
            Fail(what + std::to_string(count) + " rows read one by one as \"" + OneLine(rows) +
                 "\", its value \"" + OneLine(value) + "\"");
    }
}

int ReadPractice(HWND window) {
    // The window as a screen reader names it, and its controls as its client's children.
    const LONG children = CheckWindowName(window, velmorand::PracticeSpokenCaption);
    if (children < static_cast<LONG>(velmorand::PracticeLayout().size()))
        Fail("the window has " + std::to_string(children) + " children");
    std::size_t found = 0;
    for (HWND control = GetWindow(window, GW_CHILD); control != nullptr;
         control = GetWindow(control, GW_HWNDNEXT)) {
        const velmorand::PracticeControl* row = PracticeRowOf(control);
        Ref<IAccessible> object;
        if (row == nullptr || FAILED(AccessibleObjectFromWindow(
                                  control, static_cast<DWORD>(OBJID_CLIENT), IID_IAccessible,
                                  reinterpret_cast<void**>(object.out()))))
            continue;
        ++found;
        CheckPractice(window, *row, control, object.get());
    }
    if (found != velmorand::PracticeLayout().size())
        Fail(std::to_string(found) + " controls in the practice window, not " +
             std::to_string(velmorand::PracticeLayout().size()));
    return failures == 0 ? 0 : 1;
}

int ColumnRow(HWND window) {
    Ref<IAccessible> column;
    if (FAILED(AccessibleObjectFromWindow(PracticeControlNamed(window, "Column"),
                                          static_cast<DWORD>(OBJID_CLIENT), IID_IAccessible,
                                          reinterpret_cast<void**>(column.out()))))
        return 1;
    VARIANT focused;
    VariantInit(&focused);
    if (FAILED(column->get_accFocus(&focused)) || focused.vt != VT_I4 || focused.lVal < 1)
        return 1;
    if ((StateOf(column.get(), focused) & STATE_SYSTEM_FOCUSED) == 0)
        Fail("the focused row is not in the focused state");
    Print(NameOf(column.get(), focused));
    return failures == 0 ? 0 : 1;
}

int PracticePlaces(int width, int height, int level) {
    const auto arrangement =
        velmorand::ArrangePractice(width, height, velmorand::LevelPaper(level));
    for (const velmorand::PlacedControl& placed : arrangement.Controls) {
        const velmorand::PixelRect& p = placed.Place;
        Print(std::string(placed.Control->Name) + "\t" + std::to_string(p.Left) + " " +
              std::to_string(p.Top) + " " + std::to_string(p.Width) + " " +
              std::to_string(p.Height));
    }
    return 0;
}

int PracticeFocusOrder() {
    for (const velmorand::PracticeControl& row : velmorand::PracticeLayout())
        if (TakesFocus(row) && !velmorand::NeedsPrinting(row))
            Print(row.Name);
    return 0;
}

} // namespace

int main() {
    // The title is Cyrillic: take the arguments as UTF-16, whatever the ANSI code page.
    int argc = 0;
    wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    const std::wstring command = argc > 1 ? argv[1] : L"";
    if (command == L"focus-order" && argc == 2)
        return FocusOrder();
    if (command == L"practice-focus-order" && argc == 2)
        return PracticeFocusOrder();
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
        return Read(window);
    if (command == L"act" && argc == 4)
        return Act(window, ToUtf8(argv[3]));
    if (command == L"listen")
        return Listen(window);
    if (command == L"restore")
        return Restore(window);
    if (command == L"practice")
        return ReadPractice(window);
    if (command == L"column-row")
        return ColumnRow(window);
    return 2;
}
