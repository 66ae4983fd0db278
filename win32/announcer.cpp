#include "announcer.h"

#include "accessible_object.h"
#include "system_function.h"

namespace velmorand {
namespace {

// An alert that carries the announced text as its name. It has no place on the screen and is
// no child of the window, so neither the Tab key nor a screen reader's review meets it.
class AlertObject final : public AccessibleObject {
public:
    AlertObject(HWND window, std::wstring text) : window_(window), text_(std::move(text)) {}

    STDMETHODIMP get_accName(VARIANT child, BSTR* name) override {
        return IsSelf(child) ? Text(text_, name) : E_INVALIDARG;
    }
    STDMETHODIMP get_accRole(VARIANT child, VARIANT* role) override {
        return IsSelf(child) ? Number(ROLE_SYSTEM_ALERT, role) : E_INVALIDARG;
    }
    STDMETHODIMP get_accState(VARIANT child, VARIANT* state) override {
        return IsSelf(child) ? Number(STATE_SYSTEM_READONLY, state) : E_INVALIDARG;
    }
    STDMETHODIMP get_accParent(IDispatch** parent) override {
        if (parent == nullptr)
            return E_POINTER;
        return Accessibility()->ObjectFromWindow(window_, static_cast<DWORD>(OBJID_CLIENT),
                                                 IID_IDispatch, reinterpret_cast<void**>(parent));
    }

private:
    HWND window_;
    std::wstring text_;
};

// The announcements' object ids on the window: positive ids are the program's own.
constexpr LONG FirstAlertObjectId = 1;

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
    return Hand(new AlertObject(window_, texts_[static_cast<std::size_t>(slot)]), w).value_or(0);
}

} // namespace velmorand
