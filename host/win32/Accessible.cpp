#include "host/win32/Accessible.h"

#include <commctrl.h>
#include <oleacc.h>

namespace wavorin::win32 {

struct AccessibleAnswer::Source {
    HWND window;
    Describe describe;
    Act act;
};

namespace {

// IAccessible's interface identifier. MinGW declares IID_IAccessible as data imported from
// oleacc.dll without dllimport, which reads the import table instead of the identifier.
constexpr IID kAccessibleInterface = {0x618736e0, 0x3c3d, 0x11cf, {0x81, 0x0c, 0x00, 0xaa, 0x00, 0x38, 0x9b, 0x71}};

bool IsSelf(const VARIANT& child) { return child.vt == VT_I4 && child.lVal == CHILDID_SELF; }

// The object a screen reader holds for one control. A control that is gone answers nothing.
class ControlAccessible final : public IAccessible {
public:
    explicit ControlAccessible(std::weak_ptr<const AccessibleAnswer::Source> source) : source_(std::move(source))
    {
        if (const auto live = source_.lock()) {
            void* standard = nullptr;
            if (SUCCEEDED(CreateStdAccessibleObject(live->window, OBJID_CLIENT, kAccessibleInterface, &standard))) {
                standard_ = static_cast<IAccessible*>(standard);
            }
        }
    }
    ~ControlAccessible() { if (standard_) standard_->Release(); }
    ControlAccessible(const ControlAccessible&) = delete;
    ControlAccessible& operator=(const ControlAccessible&) = delete;

    // IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override
    {
        if (!out) return E_POINTER;
        *out = nullptr;
        if (iid != __uuidof(IUnknown) && iid != __uuidof(IDispatch) && iid != kAccessibleInterface) return E_NOINTERFACE;
        *out = static_cast<IAccessible*>(this);
        AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(InterlockedIncrement(&references_)); }
    ULONG STDMETHODCALLTYPE Release() override
    {
        const LONG left = InterlockedDecrement(&references_);
        if (left == 0) delete this;
        return static_cast<ULONG>(left);
    }

    // IDispatch: screen readers call the interface directly.
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override { return count ? (*count = 0, S_OK) : E_POINTER; }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override
    {
        return E_NOTIMPL;
    }

    // What the control says of itself.
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override
    {
        return Text(child, name, &AccessibleFacts::name);
    }
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override
    {
        return Text(child, value, &AccessibleFacts::value);
    }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override
    {
        return Text(child, action, &AccessibleFacts::defaultAction);
    }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override
    {
        return Number(child, role, [](const AccessibleFacts& facts, HWND) { return facts.role; });
    }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override
    {
        return Number(child, state, [](const AccessibleFacts& facts, HWND window) {
            long shown = facts.state;
            if (!IsWindowEnabled(window)) shown |= STATE_SYSTEM_UNAVAILABLE;
            if (!IsWindowVisible(window)) shown |= STATE_SYSTEM_INVISIBLE;
            if (GetFocus() == window) shown |= STATE_SYSTEM_FOCUSED;
            return shown;
        });
    }
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override
    {
        const auto live = source_.lock();
        if (!live) return RPC_E_DISCONNECTED;
        if (!IsSelf(child)) return E_INVALIDARG;
        if (!live->act) return DISP_E_MEMBERNOTFOUND;
        live->act();
        return S_OK;
    }

    // The rest as the system answers for any window.
    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override
    {
        return standard_ ? standard_->get_accParent(parent) : E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE get_accChildCount(long* count) override
    {
        return standard_ ? standard_->get_accChildCount(count) : E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** object) override
    {
        return standard_ ? standard_->get_accChild(child, object) : E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* text) override
    {
        return standard_ ? standard_->get_accDescription(child, text) : E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* text) override
    {
        return standard_ ? standard_->get_accHelp(child, text) : E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, long* topic) override
    {
        return standard_ ? standard_->get_accHelpTopic(file, child, topic) : E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* text) override
    {
        return standard_ ? standard_->get_accKeyboardShortcut(child, text) : E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* focus) override
    {
        return standard_ ? standard_->get_accFocus(focus) : E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* selection) override
    {
        return standard_ ? standard_->get_accSelection(selection) : E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE accSelect(long flags, VARIANT child) override
    {
        return standard_ ? standard_->accSelect(flags, child) : E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE accLocation(long* left, long* top, long* width, long* height, VARIANT child) override
    {
        return standard_ ? standard_->accLocation(left, top, width, height, child) : E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE accNavigate(long direction, VARIANT start, VARIANT* end) override
    {
        return standard_ ? standard_->accNavigate(direction, start, end) : E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE accHitTest(long x, long y, VARIANT* child) override
    {
        return standard_ ? standard_->accHitTest(x, y, child) : E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT, BSTR) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT, BSTR) override { return E_NOTIMPL; }

private:
    template <typename Read>
    HRESULT Number(const VARIANT& child, VARIANT* out, Read read) const
    {
        if (!out) return E_POINTER;
        VariantInit(out);
        const auto live = source_.lock();
        if (!live) return RPC_E_DISCONNECTED;
        if (!IsSelf(child)) return E_INVALIDARG;
        out->vt = VT_I4;
        out->lVal = read(live->describe(), live->window);
        return S_OK;
    }

    HRESULT Text(const VARIANT& child, BSTR* out, std::wstring AccessibleFacts::*field) const
    {
        if (!out) return E_POINTER;
        *out = nullptr;
        const auto live = source_.lock();
        if (!live) return RPC_E_DISCONNECTED;
        if (!IsSelf(child)) return E_INVALIDARG;
        const std::wstring text = live->describe().*field;
        if (text.empty()) return S_FALSE;
        *out = SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
        return *out ? S_OK : E_OUTOFMEMORY;
    }

    std::weak_ptr<const AccessibleAnswer::Source> source_;
    IAccessible* standard_ = nullptr;
    LONG references_ = 1;
};

}  // namespace

AccessibleAnswer::AccessibleAnswer(HWND window, Describe describe, Act act)
    : source_(std::make_shared<Source>(Source{window, std::move(describe), std::move(act)}))
{
}

AccessibleAnswer::~AccessibleAnswer() = default;

std::optional<LRESULT> AccessibleAnswer::Answer(WPARAM flags, LPARAM objectId) const
{
    // The identifier is 32 bits, whatever the width of LPARAM.
    if (static_cast<DWORD>(objectId) != static_cast<DWORD>(OBJID_CLIENT)) return std::nullopt;
    auto* object = new ControlAccessible(source_);
    const LRESULT result = LresultFromObject(kAccessibleInterface, flags, object);
    object->Release();
    return result;
}

void AccessibleAnswer::Announce(DWORD event) const
{
    NotifyWinEvent(event, source_->window, OBJID_CLIENT, CHILDID_SELF);
}

AccessibleSubclass::AccessibleSubclass(HWND window, AccessibleAnswer::Describe describe)
    : window_(window), answer_(window, std::move(describe))
{
    if (window_) SetWindowSubclass(window_, &Procedure, 0, reinterpret_cast<DWORD_PTR>(this));
}

AccessibleSubclass::~AccessibleSubclass()
{
    if (window_ && IsWindow(window_)) RemoveWindowSubclass(window_, &Procedure, 0);
}

LRESULT CALLBACK AccessibleSubclass::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                               DWORD_PTR self)
{
    if (message == WM_GETOBJECT) {
        if (const auto answer = reinterpret_cast<AccessibleSubclass*>(self)->answer_.Answer(wParam, lParam)) {
            return *answer;
        }
    }
    if (message == WM_NCDESTROY) RemoveWindowSubclass(window, &Procedure, 0);
    return DefSubclassProc(window, message, wParam, lParam);
}

ComApartment::ComApartment() : initialised_(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {}

ComApartment::~ComApartment()
{
    if (initialised_) CoUninitialize();
}

}  // namespace wavorin::win32
