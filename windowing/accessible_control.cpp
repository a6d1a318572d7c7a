// AccessibleControl: the accessible object of a subclassed control, and the
// subclass that hands it out.
#include "windowing/accessible_control.h"

#include <commctrl.h>
#include <oleacc.h>

#include <new>

#include "windowing/buttons.h"
#include "windowing/system_library.h"

namespace scrubwell::windowing {
namespace {

// The interface ids, defined here: this MinGW's import library has a wrong
// IID_IAccessible, with which every request would fail.
constexpr IID kIAccessible { 0x618736E0, 0x3C3D, 0x11CF, { 0x81, 0x0C, 0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71 } };
constexpr IID kIDispatch { 0x00020400, 0x0000, 0x0000, { 0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46 } };
constexpr IID kIUnknown { 0x00000000, 0x0000, 0x0000, { 0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46 } };

constexpr int kMaxText = 160;

// oleacc and oleaut32 are loaded when a screen reader first asks, not with the
// library: most sessions are never asked, and every load of the library would
// pay for both. Once loaded they stay for the process: the objects handed out
// may outlive a session, and DllMain may not unload modules. Both come from
// the system folder only.
struct OleFunctions {
    decltype(&CreateStdAccessibleObject) createStandardObject;
    decltype(&LresultFromObject) resultFromObject;
    decltype(&SysAllocStringLen) allocString;
} ole;

template <class Function> void Find(HMODULE module, const char* name, Function& function)
{
    function
        = module ? reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(module, name))) : nullptr;
}

bool OleLoaded()
{
    static bool tried = false;
    if (!tried) {
        tried = true;
        const HMODULE oleacc = LoadSystemLibrary(L"oleacc.dll");
        const HMODULE oleaut32 = LoadSystemLibrary(L"oleaut32.dll");
        Find(oleacc, "CreateStdAccessibleObject", ole.createStandardObject);
        Find(oleacc, "LresultFromObject", ole.resultFromObject);
        Find(oleaut32, "SysAllocStringLen", ole.allocString);
    }
    return ole.createStandardObject && ole.resultFromObject && ole.allocString;
}

// The subclassed controls, looked up by window in the module rather than in
// window properties: a property costs Wine a trip to its server, and the
// subclass procedure runs for every message the control gets. Only the
// thread that owns the dialogs touches this.
struct Subclass {
    HWND control; // 0: a free entry
    WNDPROC original;
    AccessibleText text;
};
Subclass subclasses[kMaxAccessibleControls];
int used = 0; // the entries from the first that have ever been taken

Subclass* FindSubclass(HWND control)
{
    for (int i = 0; i < used; ++i)
        if (subclasses[i].control == control)
            return &subclasses[i];
    return nullptr;
}

Subclass* FreeSubclass()
{
    if (Subclass* free = FindSubclass(nullptr))
        return free;
    return used < kMaxAccessibleControls ? &subclasses[used++] : nullptr;
}

// text as a screen reader should say it: the mnemonic's '&' dropped ("&&"
// stays one '&'), and a caption in "[ ]" without its brackets.
BSTR Spoken(const char* text)
{
    char spoken[kMaxText];
    int length = 0;
    for (const char* c = text; *c && length < kMaxText - 1; ++c) {
        if (*c == '&' && *++c == '\0')
            break;
        spoken[length++] = *c;
    }
    int first = 0;
    if (length >= 2 && spoken[0] == '[' && spoken[length - 1] == ']') {
        first = 1;
        --length;
        while (first < length && spoken[first] == ' ')
            ++first;
        while (length > first && spoken[length - 1] == ' ')
            --length;
    }
    WCHAR wide[kMaxText];
    const int wideLength
        = length > first ? MultiByteToWideChar(CP_ACP, 0, spoken + first, length - first, wide, kMaxText) : 0;
    return ole.allocString(wide, static_cast<UINT>(wideLength));
}

BSTR WindowTextSpoken(HWND window)
{
    char text[kMaxText];
    if (!GetWindowTextA(window, text, sizeof text))
        text[0] = '\0';
    return Spoken(text);
}

bool IsSelf(const VARIANT& child)
{
    return child.vt == VT_I4 && child.lVal == CHILDID_SELF;
}

// The standard object with the name, role, value and checked state of text;
// everything else is the standard object's.
class AccessibleControl final : public IAccessible {
public:
    AccessibleControl(HWND control, IAccessible* standard, const AccessibleText& text)
        : control_(control)
        , standard_(standard)
        , text_(text)
    {
    }

    // IUnknown. Other interfaces of the standard object (its enumeration of
    // the children, its window) are handed out as they are.
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override
    {
        if (!object)
            return E_POINTER;
        if (IsEqualIID(id, kIUnknown) || IsEqualIID(id, kIDispatch) || IsEqualIID(id, kIAccessible)) {
            *object = static_cast<IAccessible*>(this);
            AddRef();
            return S_OK;
        }
        return standard_->QueryInterface(id, object);
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(InterlockedIncrement(&references_)); }
    ULONG STDMETHODCALLTYPE Release() override
    {
        const LONG left = InterlockedDecrement(&references_);
        if (left == 0) {
            standard_->Release();
            delete this;
        }
        return static_cast<ULONG>(left);
    }

    // IDispatch
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override { return standard_->GetTypeInfoCount(count); }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) override
    {
        return standard_->GetTypeInfo(index, locale, info);
    }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID id, LPOLESTR* names, UINT count, LCID locale, DISPID* ids) override
    {
        return standard_->GetIDsOfNames(id, names, count, locale, ids);
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID member, REFIID id, LCID locale, WORD flags, DISPPARAMS* parameters,
        VARIANT* result, EXCEPINFO* exception, UINT* argumentError) override
    {
        return standard_->Invoke(member, id, locale, flags, parameters, result, exception, argumentError);
    }

    // IAccessible: what this object says of itself
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override
    {
        if (!IsSelf(child) || (!text_.nameFrom && !text_.name && !text_.nameSuffix))
            return standard_->get_accName(child, name);
        if (!name)
            return E_POINTER;
        if (text_.nameFrom) {
            *name = WindowTextSpoken(text_.nameFrom);
        } else {
            char joined[kMaxText];
            lstrcpynA(joined, text_.name ? text_.name : "", kMaxText);
            const int length = lstrlenA(joined);
            lstrcpynA(joined + length, text_.nameSuffix ? text_.nameSuffix : "", kMaxText - length);
            *name = Spoken(joined);
        }
        return *name ? S_OK : E_OUTOFMEMORY;
    }
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override
    {
        if (!IsSelf(child) || !text_.valueFrom)
            return standard_->get_accValue(child, value);
        if (!value)
            return E_POINTER;
        *value = WindowTextSpoken(text_.valueFrom);
        return *value ? S_OK : E_OUTOFMEMORY;
    }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override
    {
        if (!IsSelf(child) || text_.role == 0)
            return standard_->get_accRole(child, role);
        if (!role)
            return E_POINTER;
        role->vt = VT_I4;
        role->lVal = text_.role;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override
    {
        const HRESULT result = standard_->get_accState(child, state);
        if (FAILED(result) || !IsSelf(child) || state->vt != VT_I4
            || (text_.role != ROLE_SYSTEM_CHECKBUTTON && text_.role != ROLE_SYSTEM_RADIOBUTTON))
            return result;
        if (Button(control_).Checked())
            state->lVal |= STATE_SYSTEM_CHECKED;
        else
            state->lVal &= ~STATE_SYSTEM_CHECKED;
        return result;
    }

    // IAccessible: the standard object's
    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override { return standard_->get_accParent(parent); }
    HRESULT STDMETHODCALLTYPE get_accChildCount(long* count) override { return standard_->get_accChildCount(count); }
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** object) override
    {
        return standard_->get_accChild(child, object);
    }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* text) override
    {
        return standard_->get_accDescription(child, text);
    }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* text) override
    {
        return standard_->get_accHelp(child, text);
    }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, long* topic) override
    {
        return standard_->get_accHelpTopic(file, child, topic);
    }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* text) override
    {
        return standard_->get_accKeyboardShortcut(child, text);
    }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* child) override { return standard_->get_accFocus(child); }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* children) override
    {
        return standard_->get_accSelection(children);
    }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* text) override
    {
        return standard_->get_accDefaultAction(child, text);
    }
    HRESULT STDMETHODCALLTYPE accSelect(long flags, VARIANT child) override
    {
        return standard_->accSelect(flags, child);
    }
    HRESULT STDMETHODCALLTYPE accLocation(long* left, long* top, long* width, long* height, VARIANT child) override
    {
        return standard_->accLocation(left, top, width, height, child);
    }
    HRESULT STDMETHODCALLTYPE accNavigate(long direction, VARIANT start, VARIANT* end) override
    {
        return standard_->accNavigate(direction, start, end);
    }
    HRESULT STDMETHODCALLTYPE accHitTest(long left, long top, VARIANT* child) override
    {
        return standard_->accHitTest(left, top, child);
    }
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override
    {
        return standard_->accDoDefaultAction(child);
    }
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT child, BSTR name) override
    {
        return standard_->put_accName(child, name);
    }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT child, BSTR value) override
    {
        return standard_->put_accValue(child, value);
    }

private:
    LONG references_ = 1;
    HWND control_;
    IAccessible* standard_;
    // A copy: the object may outlive the control's window.
    AccessibleText text_;
};

// The objects handed out run this module's code for as long as a screen
// reader holds them, which may be after the host has unloaded the library:
// once the first is handed out, the module stays for the rest of the process.
bool ModulePinned()
{
    static bool pinned = false;
    HMODULE self;
    if (!pinned)
        pinned = GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_PIN | GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS,
            reinterpret_cast<LPCWSTR>(&ModulePinned), &self);
    return pinned;
}

// The reply to WM_GETOBJECT for the client area; 0 leaves it to the control.
LRESULT ClientObject(HWND control, const AccessibleText& text, WPARAM wParam)
{
    IAccessible* standard = nullptr;
    if (!OleLoaded() || !ModulePinned()
        || FAILED(ole.createStandardObject(control, OBJID_CLIENT, kIAccessible, reinterpret_cast<void**>(&standard))))
        return 0;
    auto* object = new (std::nothrow) AccessibleControl(control, standard, text);
    if (!object) {
        standard->Release();
        return 0;
    }
    const LRESULT result = ole.resultFromObject(kIAccessible, wParam, object);
    object->Release();
    return result > 0 ? result : 0;
}

LRESULT CALLBACK SubclassProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    Subclass* subclass = FindSubclass(window);
    if (!subclass)
        return DefWindowProcA(window, message, wParam, lParam);
    const WNDPROC original = subclass->original;
    if (message == WM_GETOBJECT && static_cast<DWORD>(lParam) == static_cast<DWORD>(OBJID_CLIENT)) {
        if (const LRESULT result = ClientObject(window, subclass->text, wParam))
            return result;
    } else if (message == WM_NCDESTROY) {
        *subclass = Subclass {}; // the window gets no more messages
    }
    return CallWindowProcA(original, window, message, wParam, lParam);
}

} // namespace

void MakeAccessible(HWND control, const AccessibleText& text)
{
    if (!control)
        return;
    if (Subclass* subclass = FindSubclass(control)) {
        const LONG role = subclass->text.role;
        subclass->text = text;
        if (text.role == 0)
            subclass->text.role = role;
        return;
    }
    Subclass* free = FreeSubclass();
    if (!free)
        return;
    *free = Subclass { control, nullptr, text };
    free->original = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(SubclassProcedure)));
}

void ForgetAccessible(HWND control)
{
    Subclass* subclass = FindSubclass(control);
    if (!subclass || GetWindowLongPtrA(control, GWLP_WNDPROC) != reinterpret_cast<LONG_PTR>(SubclassProcedure))
        return;
    SetWindowLongPtrA(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(subclass->original));
    *subclass = Subclass {};
}

void NotifyValueChanged(HWND control)
{
    NotifyWinEvent(EVENT_OBJECT_VALUECHANGE, control, OBJID_CLIENT, CHILDID_SELF);
}

} // namespace scrubwell::windowing
