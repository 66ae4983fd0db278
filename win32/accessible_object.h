// The program's own Active Accessibility objects: what they share, and how one is handed to the
// screen reader that asked for it.
#pragma once

#include "system_function.h"

#include <windows.h>

#include <oleacc.h>

#include <atomic>
#include <optional>
#include <string>

namespace velmorand {

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
inline const AccessibilityFunctions* Accessibility() {
    static const AccessibilityFunctions* const loaded = [] {
        const auto initialize =
            SystemFunction<decltype(&CoInitializeEx)>(L"ole32.dll", "CoInitializeEx");
        // The objects are handed to other processes through COM, from the window's thread.
        if (initialize == nullptr || FAILED(initialize(nullptr, COINIT_APARTMENTTHREADED)))
            return static_cast<AccessibilityFunctions*>(nullptr);
        const auto load = []<class Function>(Function& function, const wchar_t* dll,
                                             const char* name) {
            function = SystemFunction<Function>(dll, name);
            return function != nullptr;
        };
        static AccessibilityFunctions f;
        const bool complete =
            load(f.CreateStandard, L"oleacc.dll", "CreateStdAccessibleObject") &&
            load(f.ResultFromObject, L"oleacc.dll", "LresultFromObject") &&
            load(f.ObjectFromWindow, L"oleacc.dll", "AccessibleObjectFromWindow") &&
            load(f.AllocString, L"oleaut32.dll", "SysAllocString") &&
            load(f.FreeString, L"oleaut32.dll", "SysFreeString");
        return complete ? &f : nullptr;
    }();
    return loaded;
}

inline bool IsSelf(const VARIANT& child) { return child.vt == VT_I4 && child.lVal == CHILDID_SELF; }

// Answers for a property: a text, a number, or nothing.
inline HRESULT Text(const std::wstring& text, BSTR* out) {
    if (out == nullptr)
        return E_POINTER;
    *out = Accessibility()->AllocString(text.c_str());
    return *out != nullptr ? S_OK : E_OUTOFMEMORY;
}

inline HRESULT Number(LONG value, VARIANT* out) {
    if (out == nullptr)
        return E_POINTER;
    *out = VARIANT{}; // VariantInit without importing oleaut32 when the program starts
    out->vt = VT_I4;
    out->lVal = value;
    return S_OK;
}

inline HRESULT Nothing(VARIANT* out) {
    if (out == nullptr)
        return E_POINTER;
    *out = VARIANT{}; // VT_EMPTY
    return S_FALSE;
}

// The reference count, and what an object answers that has no such property or cannot do it:
// an object with no parent, no children and no place on the screen. Objects override only
// what they have. IDispatch's own methods do nothing: screen readers call IAccessible's
// methods directly, across processes through its proxy.
class AccessibleObject : public IAccessible {
public:
    virtual ~AccessibleObject() = default;

    STDMETHODIMP QueryInterface(REFIID id, void** object) override {
        if (object == nullptr)
            return E_POINTER;
        *object = nullptr;
        if (id != IID_IUnknown && id != IID_IDispatch && id != IID_IAccessible)
            return E_NOINTERFACE;
        *object = static_cast<IAccessible*>(this);
        AddRef();
        return S_OK;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return ++references_; }
    STDMETHODIMP_(ULONG) Release() override {
        const ULONG left = --references_;
        if (left == 0)
            delete this;
        return left;
    }
    STDMETHODIMP GetTypeInfoCount(UINT* n) override { return n ? (*n = 0, S_OK) : E_POINTER; }
    STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override {
        return E_NOTIMPL;
    }
    STDMETHODIMP Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                        UINT*) override {
        return E_NOTIMPL;
    }

    STDMETHODIMP get_accParent(IDispatch** p) override {
        return p ? (*p = nullptr, S_FALSE) : E_POINTER;
    }
    STDMETHODIMP get_accChildCount(LONG* n) override { return n ? (*n = 0, S_OK) : E_POINTER; }
    STDMETHODIMP get_accChild(VARIANT, IDispatch**) override { return E_INVALIDARG; }
    STDMETHODIMP get_accName(VARIANT, BSTR*) override { return DISP_E_MEMBERNOTFOUND; }
    STDMETHODIMP get_accValue(VARIANT, BSTR*) override { return DISP_E_MEMBERNOTFOUND; }
    STDMETHODIMP get_accDescription(VARIANT, BSTR*) override { return DISP_E_MEMBERNOTFOUND; }
    STDMETHODIMP get_accRole(VARIANT, VARIANT*) override { return DISP_E_MEMBERNOTFOUND; }
    STDMETHODIMP get_accState(VARIANT, VARIANT*) override { return DISP_E_MEMBERNOTFOUND; }
    STDMETHODIMP get_accHelp(VARIANT, BSTR*) override { return DISP_E_MEMBERNOTFOUND; }
    STDMETHODIMP get_accHelpTopic(BSTR*, VARIANT, LONG*) override { return DISP_E_MEMBERNOTFOUND; }
    STDMETHODIMP get_accKeyboardShortcut(VARIANT, BSTR*) override { return DISP_E_MEMBERNOTFOUND; }
    STDMETHODIMP get_accFocus(VARIANT* child) override { return Nothing(child); }
    STDMETHODIMP get_accSelection(VARIANT* children) override { return Nothing(children); }
    STDMETHODIMP get_accDefaultAction(VARIANT, BSTR*) override { return DISP_E_MEMBERNOTFOUND; }
    STDMETHODIMP accSelect(LONG, VARIANT) override { return DISP_E_MEMBERNOTFOUND; }
    STDMETHODIMP accLocation(LONG*, LONG*, LONG*, LONG*, VARIANT) override {
        return DISP_E_MEMBERNOTFOUND;
    }
    STDMETHODIMP accNavigate(LONG, VARIANT, VARIANT* end) override { return Nothing(end); }
    STDMETHODIMP accHitTest(LONG, LONG, VARIANT* child) override { return Nothing(child); }
    STDMETHODIMP accDoDefaultAction(VARIANT) override { return DISP_E_MEMBERNOTFOUND; }
    STDMETHODIMP put_accName(VARIANT, BSTR) override { return E_NOTIMPL; }
    STDMETHODIMP put_accValue(VARIANT, BSTR) override { return E_NOTIMPL; }

private:
    std::atomic<ULONG> references_{1};
};

// Hands an object to whoever sent WM_GETOBJECT, who holds the only reference then; nothing
// when it cannot be handed over.
inline std::optional<LRESULT> Hand(IAccessible* object, WPARAM w) {
    const LRESULT result = Accessibility()->ResultFromObject(IID_IAccessible, w, object);
    object->Release();
    return result > 0 ? std::optional(result) : std::nullopt;
}

} // namespace velmorand
