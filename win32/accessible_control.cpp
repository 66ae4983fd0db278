#include "accessible_control.h"

#include "accessible_object.h"
#include "control_hook.h"
#include "utf16.h"

namespace velmorand {
namespace {

// What the table says a control is, for the roles Windows does not know or gets wrong.
LONG RoleOf(const ControlRow& row) {
    switch (row.Kind) {
    case ControlKind::TextField:
        return ROLE_SYSTEM_TEXT;
    case ControlKind::Button:
        return ROLE_SYSTEM_PUSHBUTTON;
    case ControlKind::Label:
        return row.Action == ControlAction::OpenLink ? ROLE_SYSTEM_LINK : ROLE_SYSTEM_STATICTEXT;
    case ControlKind::Picture:
        return ROLE_SYSTEM_GRAPHIC;
    case ControlKind::Line:
        return 0;
    }
    return 0;
}

bool IsLink(const ControlRow& row) {
    return row.Kind == ControlKind::Label && row.Action == ControlAction::OpenLink;
}

std::wstring TextOf(const char* text) { return text != nullptr ? ToUtf16(text) : std::wstring(); }

// Windows' standard object for a control, with the table's name, description and role, and a
// link's default action. The rest, from its place to its value, is the standard object's.
class ControlObject final : public AccessibleObject, public IOleWindow {
public:
    ControlObject(IAccessible* standard, HWND control, const ControlRow& row)
        : standard_(standard), control_(control), row_(row), name_(TextOf(row.Accessible.Name)),
          description_(TextOf(row.Accessible.Description)),
          action_(IsLink(row) ? L"Открыть" : L"") {}
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

    STDMETHODIMP GetWindow(HWND* window) override {
        return window == nullptr ? E_POINTER : (*window = control_, S_OK);
    }
    STDMETHODIMP ContextSensitiveHelp(BOOL) override { return E_NOTIMPL; }

    // A label without a name of its own is read by its caption, as Windows reads it.
    STDMETHODIMP get_accName(VARIANT child, BSTR* name) override {
        return Own(child, name_) ? Text(name_, name) : standard_->get_accName(child, name);
    }
    STDMETHODIMP get_accDescription(VARIANT child, BSTR* text) override {
        return Own(child, description_) ? Text(description_, text)
                                        : standard_->get_accDescription(child, text);
    }
    STDMETHODIMP get_accDefaultAction(VARIANT child, BSTR* action) override {
        return Own(child, action_) ? Text(action_, action)
                                   : standard_->get_accDefaultAction(child, action);
    }
    STDMETHODIMP get_accRole(VARIANT child, VARIANT* role) override {
        if (IsSelf(child) && RoleOf(row_) != 0)
            return Number(RoleOf(row_), role);
        return standard_->get_accRole(child, role);
    }
    STDMETHODIMP get_accState(VARIANT child, VARIANT* state) override {
        const HRESULT result = standard_->get_accState(child, state);
        if (SUCCEEDED(result) && IsSelf(child) && state->vt == VT_I4) {
            if (IsLink(row_))
                state->lVal |= STATE_SYSTEM_LINKED;
            if (TakesFocus(row_))
                state->lVal |= STATE_SYSTEM_FOCUSABLE;
        }
        return result;
    }
    STDMETHODIMP accDoDefaultAction(VARIANT child) override {
        if (!IsSelf(child) || !IsLink(row_))
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
    // Whether the control itself is asked about and the table gives an answer.
    static bool Own(const VARIANT& child, const std::wstring& answer) {
        return IsSelf(child) && !answer.empty();
    }

    IAccessible* standard_;
    HWND control_;
    const ControlRow& row_;
    std::wstring name_;
    std::wstring description_;
    std::wstring action_;
};

std::optional<LRESULT> AnswerControl(HWND control, const ControlRow& row, UINT message, WPARAM w,
                                     LPARAM l) {
    if (message != WM_GETOBJECT || static_cast<DWORD>(l) != static_cast<DWORD>(OBJID_CLIENT) ||
        Accessibility() == nullptr)
        return std::nullopt;
    IAccessible* standard = nullptr;
    if (FAILED(Accessibility()->CreateStandard(control, static_cast<LONG>(OBJID_CLIENT),
                                               IID_IAccessible,
                                               reinterpret_cast<void**>(&standard))))
        return std::nullopt;
    if (const LRESULT answer = Hand(new ControlObject(standard, control, row), w))
        return answer;
    return std::nullopt;
}

} // namespace

void ExposeControl(HWND control, const ControlRow& row) {
    HookControl(control, [&row](HWND hooked, UINT message, WPARAM w, LPARAM l) {
        return AnswerControl(hooked, row, message, w, l);
    });
}

} // namespace velmorand
