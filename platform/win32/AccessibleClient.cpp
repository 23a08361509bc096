#include "platform/win32/AccessibleClient.h"

#include <oleacc.h>

#include <algorithm>
#include <initializer_list>
#include <type_traits>
#include <vector>

#include "platform/win32/SystemFunction.h"

namespace win32 {

namespace {

// IID_IAccessible, spelled here so that nothing links against oleacc.lib.
const GUID kIidAccessible = {0x618736e0, 0x3c3d, 0x11cf, {0x81, 0x0c, 0x00, 0xaa, 0x00, 0x38, 0x9b, 0x71}};
const GUID kIidDispatch = {0x00020400, 0x0000, 0x0000, {0xc0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
const GUID kIidUnknown = {0x00000000, 0x0000, 0x0000, {0xc0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
const GUID kIidEnumVariant = {0x00020404, 0x0000, 0x0000, {0xc0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
constexpr HRESULT kDisconnected = static_cast<HRESULT>(0x80010108L);  // RPC_E_DISCONNECTED

typedef LRESULT(WINAPI* LresultFromObjectFunction)(REFIID, WPARAM, LPUNKNOWN);
typedef HRESULT(WINAPI* AccessibleObjectFromWindowFunction)(HWND, DWORD, REFIID, void**);
typedef BSTR(WINAPI* SysAllocStringFunction)(const OLECHAR*);
typedef int(WINAPI* MapWindowPointsFunction)(HWND, HWND, LPPOINT, UINT);

// Between client and screen coordinates (a null window is the screen).
// Looked up at run time: only a screen reader's calls need it, and the
// loader data knows no more of it than that Windows 95 has it.
bool MapPoint(HWND from, HWND to, POINT* point)
{
    const auto map = SystemFunction<MapWindowPointsFunction>("user32.dll", "MapWindowPoints");
    if (map == nullptr)
        return false;
    map(from, to, point, 1);  // its result is the offset, 0 for a window at the screen's corner
    return true;
}

void SetChild(VARIANT* variant, LONG child)
{
    variant->vt = VT_I4;
    variant->lVal = child;
}

// An ANSI text as a BSTR, null when oleaut32 is missing.
BSTR Text(const char* text)
{
    const auto allocate = SystemFunction<SysAllocStringFunction>("oleaut32.dll", "SysAllocString");
    WCHAR wide[256] = {};
    if (allocate == nullptr || MultiByteToWideChar(CP_ACP, 0, text, -1, wide, 256) == 0)
        return NULL;
    return allocate(wide);
}

// COM's reference count for an object of one interface: the last Release
// deletes it.
template <class Derived, class Interface>
class Counted : public Interface {
public:
    ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(InterlockedIncrement(&references_)); }
    ULONG STDMETHODCALLTYPE Release() override
    {
        const LONG left = InterlockedDecrement(&references_);
        if (left == 0)
            delete static_cast<Derived*>(this);
        return static_cast<ULONG>(left);
    }

protected:
    // QueryInterface's answer: this object, counted, when it offers the
    // interface asked for.
    HRESULT Offer(bool offered, void** object)
    {
        *object = offered ? static_cast<Interface*>(this) : nullptr;
        return offered ? (AddRef(), S_OK) : E_NOINTERFACE;
    }

private:
    LONG references_ = 1;
};

// The children's ids as they were when a client asked for them, handed out
// in turn (AccessibleChildren asks for this): a client that enumerates gets
// the ids of the buttons themselves, in reading order, and keeps them valid
// whatever the window does meanwhile.
class ChildEnumerator final : public Counted<ChildEnumerator, IEnumVARIANT> {
public:
    explicit ChildEnumerator(std::vector<int> children, std::size_t next = 0)
        : children_(std::move(children)), next_(next)
    {
    }
    ChildEnumerator(const ChildEnumerator&) = delete;
    ChildEnumerator& operator=(const ChildEnumerator&) = delete;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override
    {
        return object == nullptr ? E_POINTER : Offer(IsEqualGUID(iid, kIidEnumVariant) || IsEqualGUID(iid, kIidUnknown), object);
    }
    HRESULT STDMETHODCALLTYPE Next(ULONG wanted, VARIANT* out, ULONG* fetched) override
    {
        if (fetched != nullptr)
            *fetched = 0;
        if (out == nullptr || (wanted > 1 && fetched == nullptr))
            return E_POINTER;
        ULONG given = 0;
        for (; given < wanted && next_ < children_.size(); ++given)
            SetChild(&out[given], children_[next_++]);
        if (fetched != nullptr)
            *fetched = given;
        return given == wanted ? S_OK : S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE Skip(ULONG count) override
    {
        const std::size_t left = children_.size() - next_;
        next_ += std::min<std::size_t>(count, left);
        return count <= left ? S_OK : S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE Reset() override { return next_ = 0, S_OK; }
    HRESULT STDMETHODCALLTYPE Clone(IEnumVARIANT** copy) override
    {
        if (copy == nullptr)
            return E_POINTER;
        try {  // the list's copy allocates too
            *copy = new ChildEnumerator(children_, next_);
            return S_OK;
        } catch (...) {
            *copy = nullptr;
            return E_OUTOFMEMORY;
        }
    }

private:
    friend class Counted<ChildEnumerator, IEnumVARIANT>;
    ~ChildEnumerator() = default;

    const std::vector<int> children_;
    std::size_t next_;
};

}  // namespace

class AccessibleClient final : public Counted<AccessibleClient, IAccessible> {
public:
    AccessibleClient(HWND window, platform::AccessibleMenu& menu) : window_(window), menu_(&menu) {}
    AccessibleClient(const AccessibleClient&) = delete;
    AccessibleClient& operator=(const AccessibleClient&) = delete;

    void Disconnect() { menu_ = nullptr; }

    // IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override
    {
        if (object == nullptr)
            return E_POINTER;
        if (IsEqualGUID(iid, kIidEnumVariant)) {
            // A new enumerator each time, over the children as they are now.
            return Guarded([&] { return *object = static_cast<IEnumVARIANT*>(new ChildEnumerator(menu_->Children())), S_OK; },
                           object);
        }
        return Offer(IsEqualGUID(iid, kIidAccessible) || IsEqualGUID(iid, kIidDispatch) || IsEqualGUID(iid, kIidUnknown),
                     object);
    }

    // IDispatch: not offered; screen readers call IAccessible directly.
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override { return count == nullptr ? E_POINTER : (*count = 0, S_OK); }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo** info) override { return Cleared(info), E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override
    {
        return E_NOTIMPL;
    }

    // IAccessible. Each method checks its out-pointers before anything
    // else, empties them on every path, and keeps C++ exceptions (the menu
    // allocates) on this side of the COM boundary.
    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override
    {
        return Guarded([&] {
            const auto fromWindow = SystemFunction<AccessibleObjectFromWindowFunction>("oleacc.dll", "AccessibleObjectFromWindow");
            return fromWindow != nullptr ? fromWindow(window_, static_cast<DWORD>(OBJID_WINDOW), kIidDispatch,
                                                      reinterpret_cast<void**>(parent))
                                         : S_FALSE;
        }, parent);
    }
    HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* count) override
    {
        return Guarded([&] { return *count = static_cast<LONG>(menu_->Children().size()), S_OK; }, count);
    }
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** object) override
    {
        // The buttons are simple elements, not objects of their own.
        return Guarded([&] { return Valid(child) ? S_FALSE : E_INVALIDARG; }, object);
    }
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override
    {
        return Guarded([&] {
            if (!Valid(child))
                return E_INVALIDARG;
            *name = Text(child.lVal == CHILDID_SELF ? "Ironmarch Launcher" : menu_->Child(child.lVal).name.c_str());
            return *name != NULL ? S_OK : E_OUTOFMEMORY;
        }, name);
    }
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT, BSTR* value) override { return Nothing(value); }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT, BSTR* text) override { return Nothing(text); }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override
    {
        return Guarded([&] {
            if (!Valid(child))
                return E_INVALIDARG;
            SetChild(role, child.lVal == CHILDID_SELF ? ROLE_SYSTEM_CLIENT : ROLE_SYSTEM_PUSHBUTTON);
            return S_OK;
        }, role);
    }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override
    {
        return Guarded([&] {
            if (!Valid(child))
                return E_INVALIDARG;
            LONG flags = STATE_SYSTEM_FOCUSABLE;
            if (child.lVal == CHILDID_SELF) {
                flags |= GetFocus() == window_ ? STATE_SYSTEM_FOCUSED : 0;
            } else {
                const platform::AccessibleChild button = menu_->Child(child.lVal);
                flags |= (button.focused ? STATE_SYSTEM_FOCUSED : 0) | (button.unavailable ? STATE_SYSTEM_UNAVAILABLE : 0);
            }
            SetChild(state, flags);
            return S_OK;
        }, state);
    }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT, BSTR* help) override { return Nothing(help); }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT, LONG* topic) override
    {
        if (topic != nullptr)
            *topic = 0;
        return topic == nullptr ? (Cleared(file), E_POINTER) : Nothing(file);
    }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT, BSTR* keys) override { return Nothing(keys); }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* focus) override
    {
        return Guarded([&] {
            if (GetFocus() != window_)
                return S_FALSE;
            SetChild(focus, menu_->FocusedChild());
            return S_OK;
        }, focus);
    }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* selection) override { return Nothing(selection); }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override
    {
        return Guarded([&] {
            if (!Valid(child))
                return E_INVALIDARG;
            if (child.lVal == CHILDID_SELF)
                return S_FALSE;
            *action = Text("Press");
            return *action != NULL ? S_OK : E_OUTOFMEMORY;
        }, action);
    }
    HRESULT STDMETHODCALLTYPE accSelect(LONG, VARIANT) override { return DISP_E_MEMBERNOTFOUND; }
    HRESULT STDMETHODCALLTYPE accLocation(LONG* left, LONG* top, LONG* width, LONG* height, VARIANT child) override
    {
        for (LONG* out : {left, top, width, height}) {
            if (out != nullptr)
                *out = 0;
        }
        if (left == nullptr || top == nullptr || width == nullptr || height == nullptr)
            return E_POINTER;
        return Guarded([&] {
            if (!Valid(child))
                return E_INVALIDARG;
            RECT place;
            if (child.lVal == CHILDID_SELF) {
                GetClientRect(window_, &place);
            } else {
                const platform::Rect button = menu_->Child(child.lVal).place;
                place = RECT{button.left, button.top, button.right, button.bottom};
            }
            POINT corner = {place.left, place.top};
            if (!MapPoint(window_, NULL, &corner))
                return E_FAIL;
            *left = corner.x, *top = corner.y;
            *width = place.right - place.left, *height = place.bottom - place.top;
            return S_OK;
        });
    }
    HRESULT STDMETHODCALLTYPE accNavigate(LONG direction, VARIANT start, VARIANT* end) override
    {
        return Guarded([&] {
            if (!Valid(start))
                return E_INVALIDARG;
            // Positions in the reading order, from 1; 0 and count + 1 lie outside it.
            const std::vector<int> children = menu_->Children();
            const std::size_t count = children.size();
            const std::size_t at = static_cast<std::size_t>(
                std::find(children.begin(), children.end(), start.lVal) - children.begin() + 1);
            std::size_t to = 0;
            if (start.lVal == CHILDID_SELF)
                to = direction == NAVDIR_FIRSTCHILD ? 1 : direction == NAVDIR_LASTCHILD ? count : 0;
            else if (direction == NAVDIR_NEXT || direction == NAVDIR_DOWN || direction == NAVDIR_RIGHT)
                to = at + 1;
            else if (direction == NAVDIR_PREVIOUS || direction == NAVDIR_UP || direction == NAVDIR_LEFT)
                to = at - 1;
            if (to < 1 || to > count)
                return S_FALSE;
            SetChild(end, children[to - 1]);
            return S_OK;
        }, end);
    }
    HRESULT STDMETHODCALLTYPE accHitTest(LONG x, LONG y, VARIANT* child) override
    {
        return Guarded([&] {
            POINT point = {x, y};
            if (!MapPoint(NULL, window_, &point))
                return E_FAIL;
            RECT client;
            GetClientRect(window_, &client);
            if (point.x < client.left || point.x >= client.right || point.y < client.top || point.y >= client.bottom)
                return S_FALSE;
            SetChild(child, menu_->ChildAt(point.x, point.y));
            return S_OK;
        }, child);
    }
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override
    {
        return Guarded([&] {
            if (!Valid(child))
                return E_INVALIDARG;
            if (child.lVal == CHILDID_SELF)
                return static_cast<HRESULT>(DISP_E_MEMBERNOTFOUND);
            if (menu_->Child(child.lVal).unavailable)
                return E_FAIL;
            PostMessageA(window_, kPressButtonMessage, static_cast<WPARAM>(child.lVal), 0);
            return S_OK;
        });
    }
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT, BSTR) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT, BSTR) override { return E_NOTIMPL; }

private:
    friend class Counted<AccessibleClient, IAccessible>;
    ~AccessibleClient() = default;

    static void Cleared(BSTR* out) { if (out != nullptr) *out = NULL; }
    static void Cleared(VARIANT* out) { if (out != nullptr) out->vt = VT_EMPTY; }
    static void Cleared(LONG* out) { if (out != nullptr) *out = 0; }
    template <class Interface>
    static void Cleared(Interface** out) { if (out != nullptr) *out = nullptr; }

    // A property the buttons do not have.
    template <class Out>
    static HRESULT Nothing(Out* out)
    {
        Cleared(out);
        return out == nullptr ? E_POINTER : S_FALSE;
    }

    // Runs a method's work once its out-pointer is there and emptied, and
    // the window is still there; no exception leaves it.
    template <class Work, class Out = void>
    HRESULT Guarded(Work work, Out* out = nullptr)
    {
        if constexpr (!std::is_void_v<Out>) {
            Cleared(out);
            if (out == nullptr)
                return E_POINTER;
        }
        if (menu_ == nullptr)
            return kDisconnected;
        try {
            return work();
        } catch (...) {
            return E_OUTOFMEMORY;
        }
    }

    // The client itself or one of its children as they are now.
    bool Valid(const VARIANT& child) const
    {
        if (child.vt != VT_I4)
            return false;
        const std::vector<int> children = menu_->Children();
        return child.lVal == CHILDID_SELF || std::find(children.begin(), children.end(), child.lVal) != children.end();
    }

    HWND window_;
    platform::AccessibleMenu* menu_;
};

AccessibleClient* CreateAccessibleClient(HWND window, platform::AccessibleMenu& menu)
{
    return new AccessibleClient(window, menu);
}

LRESULT AnswerGetObject(AccessibleClient* client, WPARAM flags)
{
    const auto fromObject = SystemFunction<LresultFromObjectFunction>("oleacc.dll", "LresultFromObject");
    if (client == nullptr || fromObject == nullptr)
        return 0;
    const LRESULT result = fromObject(kIidAccessible, flags, static_cast<IAccessible*>(client));
    return result > 0 ? result : 0;  // a failure's HRESULT is no answer
}

IAccessible* AsAccessible(AccessibleClient* client)
{
    return client;
}

void ReleaseAccessibleClient(AccessibleClient* client)
{
    if (client == nullptr)
        return;
    client->Disconnect();
    client->Release();
}

}  // namespace win32
