// Static message tables: each entry binds one window message to a handler
// method of the window class.
#pragma once
#include <windows.h>

#include <cstddef>

template <class Window>
struct MessageEntry {
    UINT message;
    LRESULT (Window::*handler)(WPARAM, LPARAM);
};

// Calls the handler that the table binds to the message; false when there is none.
template <class Window, std::size_t N>
bool DispatchFromTable(Window& window, const MessageEntry<Window> (&table)[N], UINT message, WPARAM wParam,
                       LPARAM lParam, LRESULT* result)
{
    for (std::size_t i = 0; i < N; ++i) {
        if (table[i].message == message) {
            *result = (window.*(table[i].handler))(wParam, lParam);
            return true;
        }
    }
    return false;
}
