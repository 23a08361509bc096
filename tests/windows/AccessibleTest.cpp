// The launcher's screen-reader object against callers that misuse it: null
// out-pointers, children that are not there, a menu that throws, and calls
// after the window has gone.
#include <gtest/gtest.h>

#include <new>

#include "platform/win32/AccessibleClient.h"

namespace {

// Two buttons; the second cannot be pressed, and asking where a point lies throws.
struct TwoButtons : platform::AccessibleMenu {
    int ChildCount() override { return 2; }
    platform::AccessibleChild Child(int child) override
    {
        return {child == 1 ? "One" : "Two", platform::Rect{10, 10, 20, 20}, child == 1, child == 2, child * 10};
    }
    int FocusedChild() override { return 1; }
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
    EXPECT_EQ(object->get_accName(Child(1), nullptr), E_POINTER);
    EXPECT_EQ(object->get_accRole(Child(1), nullptr), E_POINTER);
    EXPECT_EQ(object->get_accState(Child(1), nullptr), E_POINTER);
    EXPECT_EQ(object->get_accChildCount(nullptr), E_POINTER);
    EXPECT_EQ(object->get_accParent(nullptr), E_POINTER);
    EXPECT_EQ(object->get_accFocus(nullptr), E_POINTER);
    EXPECT_EQ(object->accLocation(&count, nullptr, nullptr, nullptr, Child(1)), E_POINTER);
    EXPECT_EQ(object->accNavigate(NAVDIR_NEXT, Child(1), nullptr), E_POINTER);
    EXPECT_EQ(object->accHitTest(5, 5, nullptr), E_POINTER);

    // Every out-VARIANT answers, VT_EMPTY where there is nothing to say.
    const struct {
        const char* call;
        HRESULT (*make)(IAccessible*, VARIANT*);
        HRESULT result;
        LONG value;  // -1: VT_EMPTY
    } calls[] = {
        {"role of a third child", [](IAccessible* a, VARIANT* v) { return a->get_accRole(Child(3), v); }, E_INVALIDARG, -1},
        {"state of child -1", [](IAccessible* a, VARIANT* v) { return a->get_accState(Child(-1), v); }, E_INVALIDARG, -1},
        {"state of the unavailable one", [](IAccessible* a, VARIANT* v) { return a->get_accState(Child(2), v); }, S_OK,
         STATE_SYSTEM_FOCUSABLE | STATE_SYSTEM_UNAVAILABLE},
        {"next after the first", [](IAccessible* a, VARIANT* v) { return a->accNavigate(NAVDIR_NEXT, Child(1), v); }, S_OK, 2},
        {"next after the last", [](IAccessible* a, VARIANT* v) { return a->accNavigate(NAVDIR_NEXT, Child(2), v); }, S_FALSE, -1},
        {"first child", [](IAccessible* a, VARIANT* v) { return a->accNavigate(NAVDIR_FIRSTCHILD, Child(0), v); }, S_OK, 1},
        {"focus while another window has it", [](IAccessible* a, VARIANT* v) { return a->get_accFocus(v); }, S_FALSE, -1},
        {"a hit test the menu throws in", [](IAccessible* a, VARIANT* v) { return a->accHitTest(5, 5, v); }, E_OUTOFMEMORY, -1},
    };
    for (const auto& c : calls) {
        VARIANT answer = Child(77);
        EXPECT_EQ(c.make(object, &answer), c.result) << c.call;
        EXPECT_EQ(answer.vt, c.value < 0 ? VT_EMPTY : VT_I4) << c.call;
        if (c.value >= 0)
            EXPECT_EQ(answer.lVal, c.value) << c.call;
    }

    // A press names the button, not its place in the reading order.
    EXPECT_EQ(object->accDoDefaultAction(Child(2)), E_FAIL);
    EXPECT_EQ(object->accDoDefaultAction(Child(1)), S_OK);
    MSG press = {};
    EXPECT_TRUE(PeekMessageA(&press, window, win32::kPressButtonMessage, win32::kPressButtonMessage, PM_REMOVE));
    EXPECT_EQ(press.wParam, 10u);

    // The window gone, a screen reader that still holds the object is refused.
    object->AddRef();
    win32::ReleaseAccessibleClient(client);
    BSTR name = SysAllocString(L"stale");
    const BSTR stale = name;
    EXPECT_EQ(object->get_accChildCount(&count), static_cast<HRESULT>(0x80010108L));  // RPC_E_DISCONNECTED
    EXPECT_EQ(object->get_accName(Child(1), &name), static_cast<HRESULT>(0x80010108L));
    EXPECT_EQ(name, static_cast<BSTR>(NULL));
    SysFreeString(stale);
    object->Release();
    DestroyWindow(window);
}

}  // namespace
