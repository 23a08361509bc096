// Static message tables: each entry binds one window message to a handler
// method of the window class, through a cracker that unpacks the message's
// parameters into the handler's typed arguments (as WTL's crackers do).
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

// Calls the handler that the table binds to the message; false when there is none.
template <class Window, std::size_t N>
bool DispatchFromTable(Window& window, const MessageEntry<Window> (&table)[N], const Message& message,
                       LRESULT* result)
{
    for (std::size_t i = 0; i < N; ++i) {
        if (table[i].message == message.id) {
            *result = table[i].handler(window, message);
            return true;
        }
    }
    return false;
}
