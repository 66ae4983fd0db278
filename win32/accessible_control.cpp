#include "accessible_control.h"

#include "accessible_object.h"
#include "control_hook.h"
#include "utf16.h"
#include "window_base.h"

#include <utility>

namespace velmorand {
namespace {

// The table's role as Windows names it; 0 where Windows knows better.
LONG MsaaRole(ControlRole role) {
    switch (role) {
    case ControlRole::EditableText:
        return ROLE_SYSTEM_TEXT;
    case ControlRole::PushButton:
        return ROLE_SYSTEM_PUSHBUTTON;
    case ControlRole::StaticText:
        return ROLE_SYSTEM_STATICTEXT;
    case ControlRole::Link:
        return ROLE_SYSTEM_LINK;
    case ControlRole::Graphic:
        return ROLE_SYSTEM_GRAPHIC;
    case ControlRole::Separator:
        return 0;
    }
    return 0;
}

// Windows' standard object for a control, with the table's name, description and role, a
// link's default action, and a list's items as its children. The rest, from its place to its
// value, is the standard object's.
class ControlObject final : public AccessibleObject, public IOleWindow {
public:
    ControlObject(IAccessible* standard, HWND control, const Exposure& exposure)
        : standard_(standard), control_(control), exposure_(exposure) {
        if (exposure_.Items)
            items_ = exposure_.Items(); // one reading for every question of this object
    }
    ~ControlObject() override { standard_->Release(); }

    STDMETHODIMP QueryInterface(REFIID id, void** object) override {
        // A window's children are listed by the standard object's enumerator, which is how
        // AccessibleChildren and the screen readers find them.
        if (id == IID_IEnumVARIANT && !exposure_.Items)
            return standard_->QueryInterface(id, object);
        if (id != IID_IOleWindow) // how oleacc finds the control's window
            return AccessibleObject::QueryInterface(id, object);
        if (object == nullptr)
            return E_POINTER;
        *object = static_cast<IOleWindow*>(this);
        AddRef();
        return S_OK;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return AccessibleObject::AddRef(); }
    STDMETHODIMP_(ULONG) Release() override { return AccessibleObject::Release(); }

    STDMETHODIMP GetWindow(HWND* w) override { return w ? (*w = control_, S_OK) : E_POINTER; }
    STDMETHODIMP ContextSensitiveHelp(BOOL) override { return E_NOTIMPL; }

    // A label without a name of its own is read by its caption, as Windows reads it.
    STDMETHODIMP get_accName(VARIANT child, BSTR* name) override {
        if (const std::string* item = Item(child))
            return Text(ToUtf16(*item), name);
        std::string spoken = exposure_.SpokenName ? exposure_.SpokenName() : std::string();
        if (spoken.empty() && exposure_.Name != nullptr)
            spoken = exposure_.Name;
        return Own(child, spoken, name, &IAccessible::get_accName);
    }
    STDMETHODIMP get_accDescription(VARIANT child, BSTR* text) override {
        const std::string description = exposure_.Description ? exposure_.Description() : "";
        return Own(child, description, text, &IAccessible::get_accDescription);
    }
    STDMETHODIMP get_accDefaultAction(VARIANT child, BSTR* action) override {
        return Own(child, exposure_.Action ? exposure_.Action : "", action,
                   &IAccessible::get_accDefaultAction);
    }
    STDMETHODIMP get_accRole(VARIANT child, VARIANT* role) override {
        if (Item(child) != nullptr)
            return Number(ROLE_SYSTEM_LISTITEM, role);
        return IsSelf(child) && exposure_.Role ? Number(exposure_.Role, role)
                                               : standard_->get_accRole(child, role);
    }
    STDMETHODIMP get_accState(VARIANT child, VARIANT* state) override {
        if (Item(child) != nullptr) {
            const bool current = IsCurrent(child) && GetFocus() == control_;
            return Number(STATE_SYSTEM_READONLY | STATE_SYSTEM_FOCUSABLE | STATE_SYSTEM_SELECTABLE |
                              (current ? STATE_SYSTEM_FOCUSED | STATE_SYSTEM_SELECTED : 0),
                          state);
        }
        const HRESULT result = standard_->get_accState(child, state);
        if (SUCCEEDED(result) && IsSelf(child) && state->vt == VT_I4)
            state->lVal |= exposure_.States; // what Windows cannot know of a static control
        return result;
    }
    STDMETHODIMP accDoDefaultAction(VARIANT child) override {
        if (!IsSelf(child) || exposure_.Role != ROLE_SYSTEM_LINK)
            return standard_->accDoDefaultAction(child);
        // Posted, so that the screen reader's call returns before the browser is started.
        const WPARAM click = MAKEWPARAM(GetDlgCtrlID(control_), STN_CLICKED);
        const auto from = reinterpret_cast<LPARAM>(control_);
        return PostMessageW(GetParent(control_), WM_COMMAND, click, from) ? S_OK : E_FAIL;
    }
    // The control's own value where it has one; a list's is all its items, one a line, for a
    // screen reader that reads it at once.
    STDMETHODIMP get_accValue(VARIANT c, BSTR* v) override {
        if (exposure_.Value && IsSelf(c))
            return Text(ToUtf16(exposure_.Value()), v);
        if (!exposure_.Items)
            return standard_->get_accValue(c, v);
        if (!IsSelf(c))
            return Item(c) != nullptr ? DISP_E_MEMBERNOTFOUND : E_INVALIDARG;
        std::string all;
        for (const std::string& item : items_)
            all += (all.empty() ? "" : "\n") + item;
        return Text(ToUtf16(all), v);
    }
    // A list's items are simple elements, with no object of their own; any other control has
    // the children Windows gives it.
    STDMETHODIMP get_accChildCount(LONG* n) override {
        if (!exposure_.Items)
            return standard_->get_accChildCount(n);
        return n ? (*n = static_cast<LONG>(items_.size()), S_OK) : E_POINTER;
    }
    STDMETHODIMP get_accChild(VARIANT c, IDispatch** child) override {
        if (!exposure_.Items)
            return standard_->get_accChild(c, child);
        if (child == nullptr)
            return E_POINTER;
        *child = nullptr;
        return Item(c) != nullptr ? S_FALSE : E_INVALIDARG;
    }

    // Where the control is, and moving and clicking in it, as Windows has them.
    STDMETHODIMP get_accParent(IDispatch** p) override { return standard_->get_accParent(p); }
    STDMETHODIMP put_accValue(VARIANT c, BSTR v) override { return standard_->put_accValue(c, v); }
    STDMETHODIMP get_accKeyboardShortcut(VARIANT c, BSTR* keys) override {
        return standard_->get_accKeyboardShortcut(c, keys);
    }
    // The list's current item while the list has the focus.
    STDMETHODIMP get_accFocus(VARIANT* c) override {
        if (c == nullptr || !exposure_.CurrentItem || GetFocus() != control_)
            return standard_->get_accFocus(c);
        return Number(exposure_.CurrentItem(), c);
    }
    STDMETHODIMP get_accSelection(VARIANT* c) override {
        if (c == nullptr || !exposure_.CurrentItem)
            return standard_->get_accSelection(c);
        return Number(exposure_.CurrentItem(), c);
    }
    STDMETHODIMP accSelect(LONG how, VARIANT c) override { return standard_->accSelect(how, c); }
    STDMETHODIMP accLocation(LONG* x, LONG* y, LONG* width, LONG* height, VARIANT c) override {
        return standard_->accLocation(x, y, width, height, c);
    }
    STDMETHODIMP accNavigate(LONG direction, VARIANT start, VARIANT* end) override {
        return standard_->accNavigate(direction, start, end);
    }
    STDMETHODIMP accHitTest(LONG x, LONG y, VARIANT* c) override {
        return standard_->accHitTest(x, y, c);
    }

private:
    using TextProperty = HRESULT (STDMETHODCALLTYPE IAccessible::*)(VARIANT, BSTR*);
    // The control's own text where it has one, otherwise Windows' answer.
    HRESULT Own(VARIANT child, std::string_view own, BSTR* out, TextProperty standard) const {
        return IsSelf(child) && !own.empty() ? Text(ToUtf16(own), out)
                                             : (standard_->*standard)(child, out);
    }
    bool IsCurrent(const VARIANT& child) const {
        return exposure_.CurrentItem && child.vt == VT_I4 && child.lVal == exposure_.CurrentItem();
    }
    // The list item a child id names, counted from 1; nullptr for any other.
    const std::string* Item(const VARIANT& child) const {
        if (child.vt != VT_I4 || child.lVal < 1 || child.lVal > static_cast<LONG>(items_.size()))
            return nullptr;
        return &items_[static_cast<std::size_t>(child.lVal - 1)];
    }

    IAccessible* standard_;
    HWND control_;
    Exposure exposure_;
    std::vector<std::string> items_;
};

// The control's object when a screen reader asks for it; nothing to let Windows answer.
std::optional<LRESULT> Answer(HWND control, const Exposure& exposure, UINT message, WPARAM w,
                              LPARAM l) {
    const AccessibilityFunctions* f = Accessibility();
    IAccessible* standard = nullptr;
    if (message != WM_GETOBJECT || static_cast<DWORD>(l) != static_cast<DWORD>(OBJID_CLIENT) ||
        f == nullptr ||
        FAILED(f->CreateStandard(control, static_cast<LONG>(OBJID_CLIENT), IID_IAccessible,
                                 reinterpret_cast<void**>(&standard))))
        return std::nullopt;
    return Hand(new ControlObject(standard, control, exposure), w);
}

} // namespace

void ExposeControl(HWND control, Exposure exposure) {
    HookControl(control,
                [exposure = std::move(exposure)](HWND hooked, UINT message, WPARAM w, LPARAM l) {
                    return Answer(hooked, exposure, message, w, l);
                });
}

void ExposeControl(HWND control, const ControlRow& row) {
    Exposure exposure;
    // The message line is named by its message as it is said, read when it is asked for.
    exposure.SpokenName = [control, &row] { return SpokenNameOf(row, WindowText(control)); };
    if (const char* description = row.Accessible.Description)
        exposure.Description = [description] { return std::string(description); };
    exposure.Role = MsaaRole(RoleOf(row));
    exposure.Action = exposure.Role == ROLE_SYSTEM_LINK ? LinkActionName : nullptr;
    exposure.States = (exposure.Role == ROLE_SYSTEM_LINK ? STATE_SYSTEM_LINKED : 0) |
                      (TakesFocus(row) ? STATE_SYSTEM_FOCUSABLE : 0);
    ExposeControl(control, std::move(exposure));
}

} // namespace velmorand
