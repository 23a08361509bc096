// Static message tables: each entry binds one window message to a handler
// method of the window class, through the cracker that unpacks that
// message's parameters into the handler's typed arguments. Write entries
// with on::... below, never by hand.
#pragma once
#include <windows.h>

#include <cstddef>

// Every handler also gets the message as it came, for Default.
struct Message {
    UINT id;
    WPARAM wParam;
    LPARAM lParam;
};

template <class Window>
struct MessageEntry {
    UINT message;
    LRESULT (*handler)(Window&, const Message&);
};

namespace crack {

// LRESULT Handler(const Message&)
template <class W, LRESULT (W::*F)(const Message&)>
LRESULT Plain(W& w, const Message& m)
{
    return (w.*F)(m);
}

// LRESULT Handler(int x, int y, const Message&): the pointer's client position.
template <class W, LRESULT (W::*F)(int, int, const Message&)>
LRESULT Point(W& w, const Message& m)
{
    return (w.*F)(static_cast<short>(LOWORD(m.lParam)), static_cast<short>(HIWORD(m.lParam)), m);
}

// LRESULT Handler(unsigned virtualKey, const Message&)
template <class W, LRESULT (W::*F)(unsigned, const Message&)>
LRESULT Key(W& w, const Message& m)
{
    return (w.*F)(static_cast<unsigned>(m.wParam), m);
}

// LRESULT Handler(bool flag, const Message&): WM_ACTIVATEAPP's active flag.
template <class W, LRESULT (W::*F)(bool, const Message&)>
LRESULT Flag(W& w, const Message& m)
{
    return (w.*F)(m.wParam != FALSE, m);
}

}  // namespace crack

// Table entries that pair a message with the one cracker its parameters
// need, in the spirit of WTL's MSG_WM_* macros: on::MouseMove<&W::OnMouseMove>()
// does not compile unless the handler takes what WM_MOUSEMOVE carries.
template <class Handler>
struct WindowOf;
template <class W, class... Arguments>
struct WindowOf<LRESULT (W::*)(Arguments...)> {
    using type = W;
};
template <auto F>
using WindowOfHandler = typename WindowOf<decltype(F)>::type;

namespace on {

template <UINT Id, auto F>
constexpr MessageEntry<WindowOfHandler<F>> Entry(LRESULT (*cracker)(WindowOfHandler<F>&, const Message&))
{
    return {Id, cracker};
}

// LRESULT Handler(const Message&), for any message, the application's own too.
template <UINT Id, auto F>
constexpr auto Plain() { return Entry<Id, F>(crack::Plain<WindowOfHandler<F>, F>); }

template <auto F>
constexpr auto Paint() { return Plain<WM_PAINT, F>(); }
// The press and the release take no point: the launcher acts on the button
// that the last WM_MOUSEMOVE found, as its buttons always have. Windows
// moves the pointer before a click, a touch or a screen reader's click, and
// tells a window that appears under a still pointer with a WM_MOUSEMOVE.
template <auto F>
constexpr auto LButtonDown() { return Plain<WM_LBUTTONDOWN, F>(); }
template <auto F>
constexpr auto LButtonUp() { return Plain<WM_LBUTTONUP, F>(); }
template <auto F>
constexpr auto Activate() { return Plain<WM_ACTIVATE, F>(); }
template <auto F>
constexpr auto EraseBkgnd() { return Plain<WM_ERASEBKGND, F>(); }
// Not "GetObject": wingdi.h makes that name GetObjectA.
template <auto F>
constexpr auto AccessibleObject() { return Plain<WM_GETOBJECT, F>(); }
template <auto F>
constexpr auto MouseMove() { return Entry<WM_MOUSEMOVE, F>(crack::Point<WindowOfHandler<F>, F>); }
template <auto F>
constexpr auto KeyDown() { return Entry<WM_KEYDOWN, F>(crack::Key<WindowOfHandler<F>, F>); }
template <auto F>
constexpr auto ActivateApp() { return Entry<WM_ACTIVATEAPP, F>(crack::Flag<WindowOfHandler<F>, F>); }

}  // namespace on

// Calls the handler that the table binds to the message; false when there is none.
template <class Window, std::size_t N>
bool DispatchFromTable(Window& window, const MessageEntry<Window> (&table)[N], const Message& message,
                       LRESULT* result)
{
    for (const MessageEntry<Window>& entry : table) {
        if (entry.message == message.id && entry.handler != nullptr) {
            *result = entry.handler(window, message);
            return true;
        }
    }
    return false;
}
