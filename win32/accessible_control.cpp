#include "accessible_control.h"

#include "accessible_object.h"
#include "control_hook.h"
#include "utf16.h"

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

// Windows' standard object for a control, with the table's name, description and role, and a
// link's default action. The rest, from its place to its value, is the standard object's.
class ControlObject final : public AccessibleObject, public IOleWindow {
public:
    ControlObject(IAccessible* standard, HWND control, const ControlRow& row)
        : standard_(standard), control_(control), row_(row), role_(MsaaRole(RoleOf(row))),
          action_(role_ == ROLE_SYSTEM_LINK ? "Открыть" : nullptr),
          states_((role_ == ROLE_SYSTEM_LINK ? STATE_SYSTEM_LINKED : 0) |
                  (TakesFocus(row) ? STATE_SYSTEM_FOCUSABLE : 0)) {}
    ~ControlObject() override { standard_->Release(); }

    STDMETHODIMP QueryInterface(REFIID id, void** object) override {
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
        return Own(child, row_.Accessible.Name, name, &IAccessible::get_accName);
    }
    STDMETHODIMP get_accDescription(VARIANT child, BSTR* text) override {
        return Own(child, row_.Accessible.Description, text, &IAccessible::get_accDescription);
    }
    STDMETHODIMP get_accDefaultAction(VARIANT child, BSTR* action) override {
        return Own(child, action_, action, &IAccessible::get_accDefaultAction);
    }
    STDMETHODIMP get_accRole(VARIANT child, VARIANT* role) override {
        return IsSelf(child) && role_ ? Number(role_, role) : standard_->get_accRole(child, role);
    }
    STDMETHODIMP get_accState(VARIANT child, VARIANT* state) override {
        const HRESULT result = standard_->get_accState(child, state);
        if (SUCCEEDED(result) && IsSelf(child) && state->vt == VT_I4)
            state->lVal |= states_; // what Windows cannot know of a static control
        return result;
    }
    STDMETHODIMP accDoDefaultAction(VARIANT child) override {
        if (!IsSelf(child) || role_ != ROLE_SYSTEM_LINK)
            return standard_->accDoDefaultAction(child);
        // Posted, so that the screen reader's call returns before the browser is started.
        const WPARAM click = MAKEWPARAM(GetDlgCtrlID(control_), STN_CLICKED);
        const auto from = reinterpret_cast<LPARAM>(control_);
        return PostMessageW(GetParent(control_), WM_COMMAND, click, from) ? S_OK : E_FAIL;
    }

    // Where the control is, what it holds, and moving and clicking in it, as Windows has them.
    // It has no children: the defaults say so.
    STDMETHODIMP get_accParent(IDispatch** p) override { return standard_->get_accParent(p); }
    STDMETHODIMP get_accValue(VARIANT c, BSTR* v) override { return standard_->get_accValue(c, v); }
    STDMETHODIMP put_accValue(VARIANT c, BSTR v) override { return standard_->put_accValue(c, v); }
    STDMETHODIMP get_accKeyboardShortcut(VARIANT c, BSTR* keys) override {
        return standard_->get_accKeyboardShortcut(c, keys);
    }
    STDMETHODIMP get_accFocus(VARIANT* c) override { return standard_->get_accFocus(c); }
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
    // The control's own text where the table gives one, otherwise Windows' answer.
    HRESULT Own(VARIANT child, const char* own, BSTR* out, TextProperty standard) const {
        return IsSelf(child) && own && *own ? Text(ToUtf16(own), out)
                                            : (standard_->*standard)(child, out);
    }

    IAccessible* standard_;
    HWND control_;
    const ControlRow& row_;
    LONG role_; // 0 where Windows knows better
    const char* action_;
    LONG states_;
};

// The control's object when a screen reader asks for it; nothing to let Windows answer.
std::optional<LRESULT> Answer(HWND control, const ControlRow& row, UINT message, WPARAM w,
                              LPARAM l) {
    const AccessibilityFunctions* f = Accessibility();
    IAccessible* standard = nullptr;
    if (message != WM_GETOBJECT || static_cast<DWORD>(l) != static_cast<DWORD>(OBJID_CLIENT) ||
        f == nullptr ||
        FAILED(f->CreateStandard(control, static_cast<LONG>(OBJID_CLIENT), IID_IAccessible,
                                 reinterpret_cast<void**>(&standard))))
        return std::nullopt;
    return Hand(new ControlObject(standard, control, row), w);
}

} // namespace

void ExposeControl(HWND control, const ControlRow& row) {
    HookControl(control, [&row](HWND hooked, UINT message, WPARAM w, LPARAM l) {
        return Answer(hooked, row, message, w, l);
    });
}

} // namespace velmorand
