#include "accessible_control.h"

#include "system_function.h"
#include "utf16.h"

#include <oleacc.h>

#include <atomic>

namespace velmorand {
namespace {

// Active Accessibility and COM are loaded when a screen reader first asks for an object, not
// when the program starts: most pupils never use one.
struct AccessibilityFunctions {
    decltype(&CreateStdAccessibleObject) CreateStandard = nullptr;
    decltype(&LresultFromObject) ResultFromObject = nullptr;
    decltype(&AccessibleObjectFromWindow) ObjectFromWindow = nullptr;
    decltype(&SysAllocString) AllocString = nullptr;
    decltype(&SysFreeString) FreeString = nullptr;
};

// nullptr when Active Accessibility is missing or COM cannot start on this thread.
const AccessibilityFunctions* Accessibility() {
    static const AccessibilityFunctions* const loaded = [] {
        using CoInitializeExFunction = HRESULT(WINAPI*)(void*, DWORD);
        const auto initialize =
            SystemFunction<CoInitializeExFunction>(L"ole32.dll", "CoInitializeEx");
        // The objects are handed to other processes through COM, from the window's thread.
        if (initialize == nullptr || FAILED(initialize(nullptr, COINIT_APARTMENTTHREADED)))
            return static_cast<AccessibilityFunctions*>(nullptr);
        static AccessibilityFunctions f;
        using CreateStandard = decltype(f.CreateStandard);
        using ResultFromObject = decltype(f.ResultFromObject);
        using ObjectFromWindow = decltype(f.ObjectFromWindow);
        f.CreateStandard =
            SystemFunction<CreateStandard>(L"oleacc.dll", "CreateStdAccessibleObject");
        f.ResultFromObject = SystemFunction<ResultFromObject>(L"oleacc.dll", "LresultFromObject");
        f.ObjectFromWindow =
            SystemFunction<ObjectFromWindow>(L"oleacc.dll", "AccessibleObjectFromWindow");
        f.AllocString = SystemFunction<decltype(f.AllocString)>(L"oleaut32.dll", "SysAllocString");
        f.FreeString = SystemFunction<decltype(f.FreeString)>(L"oleaut32.dll", "SysFreeString");
        const bool complete = f.CreateStandard && f.ResultFromObject && f.ObjectFromWindow &&
                              f.AllocString && f.FreeString;
        return complete ? &f : nullptr;
    }();
    return loaded;
}

bool IsSelf(const VARIANT& child) { return child.vt == VT_I4 && child.lVal == CHILDID_SELF; }

HRESULT Text(const std::wstring& text, BSTR* out) {
    if (out == nullptr)
        return E_POINTER;
    *out = Accessibility()->AllocString(text.c_str());
    return *out != nullptr ? S_OK : E_OUTOFMEMORY;
}

// VariantInit without importing oleaut32 when the program starts.
void Empty(VARIANT* variant) {
    *variant = VARIANT{};
    variant->vt = VT_EMPTY;
}

HRESULT Number(LONG value, VARIANT* out) {
    if (out == nullptr)
        return E_POINTER;
    Empty(out);
    out->vt = VT_I4;
    out->lVal = value;
    return S_OK;
}

// The reference count and IDispatch, which screen readers do not use: they call IAccessible's
// methods directly, across processes through its proxy.
class AccessibleObject : public IAccessible {
public:
    virtual ~AccessibleObject() = default;

    ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
    ULONG STDMETHODCALLTYPE Release() override {
        const ULONG left = --references_;
        if (left == 0)
            delete this;
        return left;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
        if (count == nullptr)
            return E_POINTER;
        *count = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                                     UINT*) override {
        return E_NOTIMPL;
    }

private:
    std::atomic<ULONG> references_{1};
};

// The table's role as Windows names it, for the roles Windows does not know or gets wrong.
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

bool IsLink(const ControlRow& row) { return RoleOf(row) == ControlRole::Link; }

// Windows' standard object for a control, with the table's name, description and role, and a
// link's default action.
class ControlObject final : public AccessibleObject, public IOleWindow {
public:
    ControlObject(IAccessible* standard, HWND control, const ControlRow& row)
        : standard_(standard), control_(control), row_(row),
          name_(row.Accessible.Name ? ToUtf16(row.Accessible.Name) : std::wstring()),
          description_(row.Accessible.Description ? ToUtf16(row.Accessible.Description)
                                                  : std::wstring()) {}
    ~ControlObject() override { standard_->Release(); }

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override {
        if (object == nullptr)
            return E_POINTER;
        *object = nullptr;
        if (id == IID_IUnknown || id == IID_IDispatch || id == IID_IAccessible)
            *object = static_cast<IAccessible*>(this);
        else if (id == IID_IOleWindow) // how oleacc finds the control's window
            *object = static_cast<IOleWindow*>(this);
        else
            return E_NOINTERFACE;
        AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return AccessibleObject::AddRef(); }
    ULONG STDMETHODCALLTYPE Release() override { return AccessibleObject::Release(); }

    HRESULT STDMETHODCALLTYPE GetWindow(HWND* window) override {
        if (window == nullptr)
            return E_POINTER;
        *window = control_;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE ContextSensitiveHelp(BOOL) override { return E_NOTIMPL; }

    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
        if (IsSelf(child) && !name_.empty())
            return Text(name_, name);
        return standard_->get_accName(child, name); // a label: its caption
    }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* description) override {
        if (IsSelf(child) && !description_.empty())
            return Text(description_, description);
        return standard_->get_accDescription(child, description);
    }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
        if (IsSelf(child) && MsaaRole(RoleOf(row_)) != 0)
            return Number(MsaaRole(RoleOf(row_)), role);
        return standard_->get_accRole(child, role);
    }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
        const HRESULT result = standard_->get_accState(child, state);
        if (SUCCEEDED(result) && IsSelf(child) && state->vt == VT_I4) {
            if (IsLink(row_))
                state->lVal |= STATE_SYSTEM_LINKED;
            if (TakesFocus(row_))
                state->lVal |= STATE_SYSTEM_FOCUSABLE;
        }
        return result;
    }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override {
        if (IsSelf(child) && IsLink(row_))
            return Text(L"Открыть", action);
        return standard_->get_accDefaultAction(child, action);
    }
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
        if (!IsSelf(child) || !IsLink(row_))
            return standard_->accDoDefaultAction(child);
        // Posted, so that the screen reader's call returns before the browser is started.
        const WPARAM click = MAKEWPARAM(GetDlgCtrlID(control_), STN_CLICKED);
        return PostMessageW(GetParent(control_), WM_COMMAND, click,
                            reinterpret_cast<LPARAM>(control_))
                   ? S_OK
                   : E_FAIL;
    }

    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override {
        return standard_->get_accParent(parent);
    }
    HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* count) override {
        return standard_->get_accChildCount(count);
    }
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** object) override {
        return standard_->get_accChild(child, object);
    }
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override {
        return standard_->get_accValue(child, value);
    }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override {
        return standard_->get_accHelp(child, help);
    }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, LONG* topic) override {
        return standard_->get_accHelpTopic(file, child, topic);
    }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override {
        return standard_->get_accKeyboardShortcut(child, shortcut);
    }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* child) override {
        return standard_->get_accFocus(child);
    }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* children) override {
        return standard_->get_accSelection(children);
    }
    HRESULT STDMETHODCALLTYPE accSelect(LONG how, VARIANT child) override {
        return standard_->accSelect(how, child);
    }
    HRESULT STDMETHODCALLTYPE accLocation(LONG* left, LONG* top, LONG* width, LONG* height,
                                          VARIANT child) override {
        return standard_->accLocation(left, top, width, height, child);
    }
    HRESULT STDMETHODCALLTYPE accNavigate(LONG direction, VARIANT start, VARIANT* end) override {
        return standard_->accNavigate(direction, start, end);
    }
    HRESULT STDMETHODCALLTYPE accHitTest(LONG x, LONG y, VARIANT* child) override {
        return standard_->accHitTest(x, y, child);
    }
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT child, BSTR name) override {
        return standard_->put_accName(child, name);
    }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT child, BSTR value) override {
        return standard_->put_accValue(child, value);
    }

private:
    IAccessible* standard_;
    HWND control_;
    const ControlRow& row_;
    std::wstring name_;
    std::wstring description_;
};

// An alert that carries the announced text as its name. It has no place on the screen and is
// no child of the window, so neither the Tab key nor a screen reader's review meets it.
class AlertObject final : public AccessibleObject {
public:
    AlertObject(HWND window, std::wstring text) : window_(window), text_(std::move(text)) {}

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override {
        if (object == nullptr)
            return E_POINTER;
        *object = nullptr;
        if (id != IID_IUnknown && id != IID_IDispatch && id != IID_IAccessible)
            return E_NOINTERFACE;
        *object = static_cast<IAccessible*>(this);
        AddRef();
        return S_OK;
    }

    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
        return IsSelf(child) ? Text(text_, name) : E_INVALIDARG;
    }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
        return IsSelf(child) ? Number(ROLE_SYSTEM_ALERT, role) : E_INVALIDARG;
    }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
        return IsSelf(child) ? Number(STATE_SYSTEM_READONLY, state) : E_INVALIDARG;
    }
    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override {
        if (parent == nullptr)
            return E_POINTER;
        return Accessibility()->ObjectFromWindow(window_, static_cast<DWORD>(OBJID_CLIENT),
                                                 IID_IDispatch, reinterpret_cast<void**>(parent));
    }
    HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* count) override {
        if (count == nullptr)
            return E_POINTER;
        *count = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT, IDispatch**) override { return E_INVALIDARG; }
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT, BSTR*) override {
        return DISP_E_MEMBERNOTFOUND;
    }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT, BSTR*) override {
        return DISP_E_MEMBERNOTFOUND;
    }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT, BSTR*) override { return DISP_E_MEMBERNOTFOUND; }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR*, VARIANT, LONG*) override {
        return DISP_E_MEMBERNOTFOUND;
    }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT, BSTR*) override {
        return DISP_E_MEMBERNOTFOUND;
    }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* child) override {
        return child == nullptr ? E_POINTER : (Empty(child), S_FALSE);
    }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* children) override {
        return children == nullptr ? E_POINTER : (Empty(children), S_FALSE);
    }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT, BSTR*) override {
        return DISP_E_MEMBERNOTFOUND;
    }
    HRESULT STDMETHODCALLTYPE accSelect(LONG, VARIANT) override { return DISP_E_MEMBERNOTFOUND; }
    HRESULT STDMETHODCALLTYPE accLocation(LONG*, LONG*, LONG*, LONG*, VARIANT) override {
        return DISP_E_MEMBERNOTFOUND;
    }
    HRESULT STDMETHODCALLTYPE accNavigate(LONG, VARIANT, VARIANT* end) override {
        return end == nullptr ? E_POINTER : (Empty(end), S_FALSE);
    }
    HRESULT STDMETHODCALLTYPE accHitTest(LONG, LONG, VARIANT* child) override {
        return child == nullptr ? E_POINTER : (Empty(child), S_FALSE);
    }
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT) override { return DISP_E_MEMBERNOTFOUND; }
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT, BSTR) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT, BSTR) override { return E_NOTIMPL; }

private:
    HWND window_;
    std::wstring text_;
};

// Hands an object to whoever sent WM_GETOBJECT; the sender holds the only reference then.
LRESULT Hand(IAccessible* object, WPARAM w) {
    const LRESULT result = Accessibility()->ResultFromObject(IID_IAccessible, w, object);
    object->Release();
    return result > 0 ? result : 0;
}

// The announcements' object ids on the window: positive ids are the program's own.
constexpr LONG FirstAlertObjectId = 1;

// What each exposed control keeps: its table row and the procedure it had before.
struct Exposed {
    const ControlRow* Row;
    WNDPROC Previous;
};

constexpr wchar_t ExposedProperty[] = L"Velmorand.Accessible";

LRESULT AnswerControl(HWND control, const ControlRow& row, WPARAM w) {
    if (Accessibility() == nullptr)
        return 0;
    IAccessible* standard = nullptr;
    if (FAILED(Accessibility()->CreateStandard(control, static_cast<LONG>(OBJID_CLIENT),
                                               IID_IAccessible,
                                               reinterpret_cast<void**>(&standard))))
        return 0;
    return Hand(new ControlObject(standard, control, row), w);
}

LRESULT CALLBACK ExposedProcedure(HWND control, UINT message, WPARAM w, LPARAM l) {
    const auto* exposed = static_cast<const Exposed*>(GetPropW(control, ExposedProperty));
    if (exposed == nullptr)
        return DefWindowProcW(control, message, w, l);
    const WNDPROC previous = exposed->Previous;
    if (message == WM_GETOBJECT && static_cast<DWORD>(l) == static_cast<DWORD>(OBJID_CLIENT)) {
        if (const LRESULT answer = AnswerControl(control, *exposed->Row, w))
            return answer;
    } else if (message == WM_NCDESTROY) {
        RemovePropW(control, ExposedProperty);
        delete exposed;
    }
    return CallWindowProcW(previous, control, message, w, l);
}

// UI Automation's notification, which Narrator reads, raised on the window's own provider.
// Looked up when first needed: Windows before 10 1709 does not have it.
void SayToNarrator(HWND window, const std::wstring& text) {
    using Listening = BOOL(WINAPI*)();
    using HostProvider = HRESULT(WINAPI*)(HWND, IUnknown**);
    using RaiseNotification = HRESULT(WINAPI*)(IUnknown*, int kind, int processing, BSTR, BSTR);
    constexpr wchar_t Dll[] = L"uiautomationcore.dll";
    static const auto raise = SystemFunction<RaiseNotification>(Dll, "UiaRaiseNotificationEvent");
    static const auto listening = SystemFunction<Listening>(Dll, "UiaClientsAreListening");
    static const auto hostProvider = SystemFunction<HostProvider>(Dll, "UiaHostProviderFromHwnd");
    if (raise == nullptr || listening == nullptr || hostProvider == nullptr || !listening() ||
        Accessibility() == nullptr)
        return;
    constexpr int OtherKind = 4;           // NotificationKind_Other
    constexpr int ImportantMostRecent = 1; // NotificationProcessing_ImportantMostRecent
    IUnknown* provider = nullptr;
    if (FAILED(hostProvider(window, &provider)) || provider == nullptr)
        return;
    const auto& f = *Accessibility();
    const BSTR said = f.AllocString(text.c_str());
    const BSTR activity = f.AllocString(L"Velmorand.Announcement");
    if (said != nullptr && activity != nullptr)
        raise(provider, OtherKind, ImportantMostRecent, said, activity);
    f.FreeString(said);
    f.FreeString(activity);
    provider->Release();
}

} // namespace

void ExposeControl(HWND control, const ControlRow& row) {
    auto* exposed = new Exposed{&row, nullptr};
    if (!SetPropW(control, ExposedProperty, exposed)) {
        delete exposed;
        return;
    }
    exposed->Previous = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ExposedProcedure)));
}

void Announcer::Say(HWND window, std::wstring text) {
    window_ = window;
    const std::size_t slot = said_++ % texts_.size();
    texts_[slot] = std::move(text);
    NotifyWinEvent(EVENT_SYSTEM_ALERT, window, FirstAlertObjectId + static_cast<LONG>(slot),
                   CHILDID_SELF);
    SayToNarrator(window, texts_[slot]);
}

LRESULT Announcer::Answer(WPARAM w, LPARAM l) const {
    const LONG slot = static_cast<LONG>(l) - FirstAlertObjectId;
    if (slot < 0 || slot >= static_cast<LONG>(texts_.size()) || window_ == nullptr ||
        Accessibility() == nullptr)
        return 0;
    return Hand(new AlertObject(window_, texts_[static_cast<std::size_t>(slot)]), w);
}

} // namespace velmorand
