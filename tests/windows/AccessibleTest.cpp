// The launcher's screen-reader object against callers that misuse it: null
// out-pointers, children that are not there, a menu that throws, ids held
// across a re-layout, and calls after the window has gone.
#include <gtest/gtest.h>

#include <new>

#include "platform/win32/AccessibleClient.h"

namespace {

const GUID kIidEnumVariant = {0x00020404, 0x0000, 0x0000, {0xc0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};

// Buttons 10 and 20 in that order; 20 cannot be pressed, and asking where a
// point lies throws. A re-layout replaces 10 by 30.
struct TwoButtons : platform::AccessibleMenu {
    int first = 10;
    std::vector<int> Children() override { return {first, 20}; }
    platform::AccessibleChild Child(int child) override
    {
        return {child == 20 ? "Two" : "One", platform::Rect{10, 10, 20, 20}, child != 20, child == 20};
    }
    int FocusedChild() override { return first; }
    int ChildAt(int, int) override { throw std::bad_alloc(); }
};

VARIANT Child(LONG child)
{
    VARIANT variant;
    variant.vt = VT_I4, variant.lVal = child;
    return variant;
}

TEST(AccessibleClient, NoCallerCanMakeItWriteThroughNullOrLeaveAnAnswerUnset)
{
    const HWND window = CreateWindowA("STATIC", "screen reader", WS_POPUP, 0, 0, 100, 100, NULL, NULL, NULL, NULL);
    ASSERT_NE(window, static_cast<HWND>(NULL));
    TwoButtons menu;
    win32::AccessibleClient* client = win32::CreateAccessibleClient(window, menu);
    IAccessible* object = win32::AsAccessible(client);
    LONG count = 0;
    EXPECT_EQ(object->get_accChildCount(nullptr), E_POINTER);
    EXPECT_EQ(object->get_accParent(nullptr), E_POINTER);
    EXPECT_EQ(object->accLocation(&count, nullptr, nullptr, nullptr, Child(10)), E_POINTER);

    // Every out-VARIANT is checked, and answers: VT_EMPTY where there is nothing to say.
    const struct {
        const char* call;
        HRESULT (*make)(IAccessible*, VARIANT*);
        HRESULT result;
        LONG value;  // -1: VT_EMPTY
    } calls[] = {
        {"role of a child that is not there", [](IAccessible* a, VARIANT* v) { return a->get_accRole(Child(2), v); }, E_INVALIDARG, -1},
        {"state of child -1", [](IAccessible* a, VARIANT* v) { return a->get_accState(Child(-1), v); }, E_INVALIDARG, -1},
        {"state of the unavailable one", [](IAccessible* a, VARIANT* v) { return a->get_accState(Child(20), v); }, S_OK,
         STATE_SYSTEM_FOCUSABLE | STATE_SYSTEM_UNAVAILABLE},
        {"next after the first", [](IAccessible* a, VARIANT* v) { return a->accNavigate(NAVDIR_NEXT, Child(10), v); }, S_OK, 20},
        {"before the first", [](IAccessible* a, VARIANT* v) { return a->accNavigate(NAVDIR_PREVIOUS, Child(10), v); }, S_FALSE, -1},
        {"next after the last", [](IAccessible* a, VARIANT* v) { return a->accNavigate(NAVDIR_NEXT, Child(20), v); }, S_FALSE, -1},
        {"last child", [](IAccessible* a, VARIANT* v) { return a->accNavigate(NAVDIR_LASTCHILD, Child(0), v); }, S_OK, 20},
        {"focus while another window has it", [](IAccessible* a, VARIANT* v) { return a->get_accFocus(v); }, S_FALSE, -1},
        {"a hit test the menu throws in", [](IAccessible* a, VARIANT* v) { return a->accHitTest(5, 5, v); }, E_OUTOFMEMORY, -1},
    };
    for (const auto& c : calls) {
        VARIANT answer = Child(77);
        EXPECT_EQ(c.make(object, nullptr), E_POINTER) << c.call;
        EXPECT_EQ(c.make(object, &answer), c.result) << c.call;
        EXPECT_EQ(answer.vt, c.value < 0 ? VT_EMPTY : VT_I4) << c.call;
        if (c.value >= 0)
            EXPECT_EQ(answer.lVal, c.value) << c.call;
    }
    // Every out-BSTR too: a text, or NULL where the buttons have none.
    const struct {
        const char* call;
        HRESULT (*make)(IAccessible*, BSTR*);
        HRESULT result;
        const wchar_t* text;
    } texts[] = {
        {"name", [](IAccessible* a, BSTR* t) { return a->get_accName(Child(20), t); }, S_OK, L"Two"},
        {"default action", [](IAccessible* a, BSTR* t) { return a->get_accDefaultAction(Child(10), t); }, S_OK, L"Press"},
        {"the client's action", [](IAccessible* a, BSTR* t) { return a->get_accDefaultAction(Child(0), t); }, S_FALSE, nullptr},
        {"value", [](IAccessible* a, BSTR* t) { return a->get_accValue(Child(10), t); }, S_FALSE, nullptr},
        {"description", [](IAccessible* a, BSTR* t) { return a->get_accDescription(Child(10), t); }, S_FALSE, nullptr},
        {"help", [](IAccessible* a, BSTR* t) { return a->get_accHelp(Child(10), t); }, S_FALSE, nullptr},
        {"shortcut", [](IAccessible* a, BSTR* t) { return a->get_accKeyboardShortcut(Child(10), t); }, S_FALSE, nullptr},
    };
    for (const auto& t : texts) {
        BSTR text = reinterpret_cast<BSTR>(&count);  // an unset out-pointer
        EXPECT_EQ(t.make(object, nullptr), E_POINTER) << t.call;
        EXPECT_EQ(t.make(object, &text), t.result) << t.call;
        EXPECT_TRUE(t.text == nullptr ? text == nullptr : text != nullptr && wcscmp(text, t.text) == 0) << t.call;
        SysFreeString(t.text != nullptr ? text : nullptr);
    }
    IDispatch* parent = nullptr;
    EXPECT_EQ(object->get_accChild(Child(10), &parent), S_FALSE);  // a simple element, no object of its own
    EXPECT_EQ(parent, static_cast<IDispatch*>(nullptr));
    EXPECT_EQ(object->get_accParent(&parent), S_OK);  // the window's own object
    ASSERT_NE(parent, static_cast<IDispatch*>(nullptr));
    parent->Release();

    // An enumerating client gets the buttons' ids, and keeps them through a re-layout.
    IEnumVARIANT* children = nullptr;
    ASSERT_EQ(object->QueryInterface(kIidEnumVariant, reinterpret_cast<void**>(&children)), S_OK);
    menu.first = 30;
    VARIANT listed[3] = {Child(77), Child(77), Child(77)};
    ULONG fetched = 9;
    EXPECT_EQ(children->Next(3, listed, &fetched), S_FALSE);
    EXPECT_EQ(fetched, 2u);
    EXPECT_TRUE(listed[0].lVal == 10 && listed[1].lVal == 20 && listed[2].lVal == 77);
    EXPECT_EQ(children->Next(2, listed, nullptr), E_POINTER);
    children->Release();
    BSTR name = SysAllocString(L"stale");
    const BSTR stale = name;
    EXPECT_EQ(object->get_accName(Child(10), &name), E_INVALIDARG);  // not the button now in its place
    EXPECT_EQ(name, static_cast<BSTR>(NULL));

    // A press names the button, not its place in the reading order.
    EXPECT_EQ(object->accDoDefaultAction(Child(20)), E_FAIL);
    EXPECT_EQ(object->accDoDefaultAction(Child(30)), S_OK);
    MSG press = {};
    EXPECT_TRUE(PeekMessageA(&press, window, win32::kPressButtonMessage, win32::kPressButtonMessage, PM_REMOVE));
    EXPECT_EQ(press.wParam, 30u);

    // The window gone, a screen reader that still holds the object is refused.
    object->AddRef();
    win32::ReleaseAccessibleClient(client);
    name = stale;
    EXPECT_EQ(object->get_accChildCount(&count), static_cast<HRESULT>(0x80010108L));  // RPC_E_DISCONNECTED
    EXPECT_EQ(object->get_accName(Child(10), &name), static_cast<HRESULT>(0x80010108L));
    EXPECT_EQ(object->QueryInterface(kIidEnumVariant, reinterpret_cast<void**>(&children)), static_cast<HRESULT>(0x80010108L));
    EXPECT_EQ(name, static_cast<BSTR>(NULL));
    SysFreeString(stale);
    object->Release();
    DestroyWindow(window);
}

}  // namespace
