// What the demo disc's stand-in programs share: the start log the tests
// read, and a plain window that shows a few lines and closes on a key or a
// click.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

namespace standin {

// Appends "name<TAB>command line<TAB>working directory" to the file named by
// IRONMARCH_STANDIN_LOG, when that variable is set.
void LogStart(const char* name);

std::string Environment(const char* name);
std::string ModuleDirectory();

// Shows a window with the lines until a key or a click closes it (or, when
// IRONMARCH_STANDIN_SECONDS is set, until that many seconds have passed).
// onClose runs once, before the window goes. Holds the named mutex
// "Ironmarch" meanwhile when holdMutex is set.
int RunWindow(const char* title, const std::vector<std::string>& lines, bool holdMutex,
              void (*onClose)() = nullptr);

}  // namespace standin
